#pragma once

#include "model/PuzzleState.h"

#include <algorithm>

// The small crossword the README shows, on paper and as exchange files, for the bench
// programs that make those pictures and files, and the placing of answers by hand that
// the benches' larger crosswords are made with too.
inline void place(PuzzleState& state, const char* clue, const char* answer, int x, int y,
                  int number, bool across)
{
    state.fileClue({QString::fromLatin1(clue), QString::fromLatin1(answer), qint16(x), qint16(y),
                    qint16(number), across});
}

inline PuzzleState sample()
{
    PuzzleState state;
    state.xGridSize = 9;
    state.yGridSize = 5;
    place(state, "Puzzle of words that meet", "CROSSWORD", 0, 0, 1, true);
    place(state, "A hint to the answer", "CLUE", 0, 0, 1, false);
    place(state, "Wise bird of the night", "OWL", 2, 0, 2, false);
    place(state, "Work out the answer", "SOLVE", 4, 0, 3, false);
    place(state, "Twenty-four hours", "DAY", 8, 0, 4, false);
    place(state, "Whichever one", "ANY", 6, 2, 5, true);
    place(state, "It fills in the grid", "PEN", 3, 4, 6, true);
    return state;
}
