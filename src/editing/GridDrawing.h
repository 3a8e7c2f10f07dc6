#pragma once

#include <QColor>
#include <QList>
#include <QPoint>

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
// Everything inside the box of a cell that holds a letter: the light grey, the number of
// the first clue starting there in a small plain font, and the letter in bold at the
// surface's current size, which stays the font afterwards. Drawn whole each time, so a
// later answer through a start cell keeps its number.
void drawCellContent(Surface& surface, const PuzzleState& state, int column, int row,
                     const QColor& fill = letterCellFill());
// The whole grid afresh, as the crossword in memory holds it.
void drawGrid(Surface& surface, const PuzzleState& state);
// The grid afresh with `cells` picked out in a colour of their own; none draws it plain.
void highlightCells(Surface& surface, const PuzzleState& state, const QList<QPoint>& cells);
// Sizes the cells to fill the surface, by the rule New uses, and draws the grid afresh.
// False when the surface is too small to give a cell a pixel: then the surface is left
// clear and the cells have no size, so no click finds one.
bool fitAndDrawGrid(Surface& surface, PuzzleState& state);
// After the surface changed size: the grid refitted and drawn afresh where its cells
// change, so every cell stays on the surface and can be clicked. Nothing before a grid.
void refitGrid(Surface& surface, PuzzleState& state);

}  // namespace GridDrawing
