#include "TestCrosswords.h"

namespace TestCrosswords {

PuzzleState empty(int columns, int rows)
{
    PuzzleState state;
    state.xGridSize = qint16(columns);
    state.yGridSize = qint16(rows);
    return state;
}

void place(PuzzleState& state, const QString& clue, const QString& answer, int x, int y,
           int number, bool across)
{
    for (qsizetype k = 0; k < answer.size(); ++k) {
        const int column = across ? x + int(k) : x;
        const int row = across ? y : y + int(k);
        state.gridLetters[column][row] = answer.mid(k, 1);
    }
    state.clueTable[state.clueCount++] = {clue,      answer,         qint16(x),
                                          qint16(y), qint16(number), across};
    state.clueNumber = std::max<qint16>(state.clueNumber, qint16(number));
}

PuzzleState small()
{
    PuzzleState state = empty(3, 2);
    place(state, QStringLiteral("Pet"), QStringLiteral("CAT"), 0, 0, 1, true);
    place(state, QStringLiteral("Firm, briefly"), QStringLiteral("CO"), 0, 0, 1, false);
    return state;
}

PuzzleState sample()
{
    PuzzleState state = empty(5, 3);
    place(state, QStringLiteral("Pet"), QStringLiteral("CAT"), 0, 0, 1, true);
    place(state, QStringLiteral("Dairy animal"), QStringLiteral("COW"), 0, 0, 1, false);
    place(state, QStringLiteral("Summit"), QStringLiteral("TOP"), 2, 0, 2, false);
    place(state, QStringLiteral("Night bird"), QStringLiteral("OWL"), 2, 1, 3, true);
    return state;
}

}  // namespace TestCrosswords
