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

// 5 x 3:   C A T . .
//          O . O W L
//          W . P . .
// 1 across CAT, 1 down COW, 2 down TOP, 3 across OWL.
PuzzleState sample();

}  // namespace TestCrosswords
