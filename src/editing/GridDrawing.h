#pragma once

#include <QColor>

class Surface;
struct PuzzleState;

// How one cell of the grid looks on the main window. New crossword, clue placement and
// the redraw of an opened crossword all draw through these, so a cell looks the same
// whichever way it got there.
namespace GridDrawing {

inline constexpr int letterPointSize = 12;  // the window's own font: Arial 12 bold
inline constexpr int numberPointSize = 5;
const QColor& letterCellFill();

// The cell's box, outlined in the drawing colour and filled as an empty cell.
void drawCellBox(Surface& surface, const PuzzleState& state, int column, int row);
// The light grey of a cell that holds a letter, inset so the border stays visible.
void shadeLetterCell(Surface& surface, const PuzzleState& state, int column, int row);
// The cell's letter from gridLetters, in the surface's current font.
void drawLetter(Surface& surface, const PuzzleState& state, int column, int row);
// A clue number at the cell's corner, in the surface's current font.
void drawNumberLabel(Surface& surface, const PuzzleState& state, int column, int row,
                     int number);

}  // namespace GridDrawing
