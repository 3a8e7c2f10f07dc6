#pragma once

#include <QtGlobal>

#include <optional>

class PrintDevice;
class Ui;
struct PuzzleState;

// The two one-page print-outs of the grid: black blocks, framed white letter cells and
// the clue numbers; the solution adds the letters. Neither changes the crossword.
void printBlankGrid(const PuzzleState& state, PrintDevice& device, Ui& ui);
void printSolutionGrid(const PuzzleState& state, PrintDevice& device, Ui& ui);

// The number of the first clue in the table that starts in the cell. Later clues that
// start there share its number, so the cell shows just this one.
std::optional<qint16> firstClueNumberAt(const PuzzleState& state, int column, int row);
