#pragma once

#include "model/PuzzleState.h"

// Crosswords laid straight into the state, letters and table together, the way the
// placement leaves them.
namespace TestCrosswords {

PuzzleState empty(int columns, int rows);
void place(PuzzleState& state, const QString& clue, const QString& answer, int x, int y,
           int number, bool across);

// 3 x 2:   C A T
//          O . .
// 1 across CAT and 1 down CO start in the top left cell; A, T and O start nothing.
PuzzleState small();

}  // namespace TestCrosswords
