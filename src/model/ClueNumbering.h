#pragma once

struct PuzzleState;

// The two ways a crossword's numbers change other than by a new clue.
namespace ClueNumbering {

// Numbers the start cells 1, 2, 3... row by row, left to right, as printed crosswords and
// solving programs number a grid; clues that start in one cell share its number. True
// when any number changed.
bool numberInReadingOrder(PuzzleState& state);

// Takes clue `index` out of the table and its letters out of every cell no other clue
// covers. A clue sharing its start cell keeps the number; otherwise the crossword is
// numbered as if the clue had never been placed: every later number moves down by one.
void removeClue(PuzzleState& state, int index);

}  // namespace ClueNumbering
