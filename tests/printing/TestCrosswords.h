#pragma once

#include "model/PuzzleState.h"

// Crosswords laid straight into the state, letters and table together, the way the
// placement leaves them.
namespace TestCrosswords {

inline PuzzleState empty(int columns, int rows)
{
    PuzzleState state;
    state.xGridSize = qint16(columns);
    state.yGridSize = qint16(rows);
    return state;
}

inline void place(PuzzleState& state, const QString& clue, const QString& answer, int x, int y,
                  int number, bool across)
{
    state.fileClue({clue, answer, qint16(x), qint16(y), qint16(number), across});
}

// 5 x 3:   C A T . .
//          O . O W L
//          W . P . .
// 1 across CAT, 1 down COW, 2 down TOP, 3 across OWL.
inline PuzzleState sample()
{
    PuzzleState state = empty(5, 3);
    place(state, QStringLiteral("Pet"), QStringLiteral("CAT"), 0, 0, 1, true);
    place(state, QStringLiteral("Dairy animal"), QStringLiteral("COW"), 0, 0, 1, false);
    place(state, QStringLiteral("Summit"), QStringLiteral("TOP"), 2, 0, 2, false);
    place(state, QStringLiteral("Night bird"), QStringLiteral("OWL"), 2, 1, 3, true);
    return state;
}

}  // namespace TestCrosswords
