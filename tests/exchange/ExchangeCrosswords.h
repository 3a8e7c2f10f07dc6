#pragma once

#include "model/PuzzleState.h"

#include <QMetaType>
#include <QString>

// The largest crossword there can be, and one that every crossword file can hold: a
// 30 x 30 grid, white but for five blocks on the diagonal, whose 70 runs of white cells
// are the answers of the 70 clues, every clue text a long one.
namespace ExchangeCrosswords {

inline bool isBlock(int column, int row)
{
    return column == row && column % 6 == 3;
}

inline void addClue(PuzzleState& state, int x, int y, int length, bool across)
{
    ClueEntry& entry = state.clueTable[state.clueCount];
    entry = {QStringLiteral("Clue %1, which is long enough to fill a good part of its printed "
                            "line")
                 .arg(state.clueCount + 1),
             {},
             qint16(x),
             qint16(y),
             0,
             across};
    for (int k = 0; k < length; ++k)
        entry.answer += state.gridLetters[across ? x + k : x][across ? y : y + k];
    // Numbered as the placement numbers: a clue sharing a start cell shares its number.
    entry.number = ++state.clueNumber;
    for (int i = 0; i < state.clueCount; ++i) {
        if (state.clueTable[i].x == x && state.clueTable[i].y == y) {
            entry.number = state.clueTable[i].number;
            --state.clueNumber;
            break;
        }
    }
    ++state.clueCount;
}

inline PuzzleState full()
{
    constexpr int size = Capacity::maxGridSize;
    PuzzleState state;
    state.xGridSize = size;
    state.yGridSize = size;
    for (int column = 0; column < size; ++column) {
        for (int row = 0; row < size; ++row) {
            if (!isBlock(column, row))
                state.gridLetters[column][row] = QChar(u'A' + (column * 7 + row * 11) % 26);
        }
    }
    for (const bool across : {true, false}) {
        for (int line = 0; line < size; ++line) {
            const int x = across ? 0 : line;
            const int y = across ? line : 0;
            if (isBlock(line, line)) {
                addClue(state, x, y, line, across);
                addClue(state, across ? line + 1 : x, across ? y : line + 1, size - 1 - line,
                        across);
            } else {
                addClue(state, x, y, size, across);
            }
        }
    }
    return state;
}

}  // namespace ExchangeCrosswords

Q_DECLARE_METATYPE(PuzzleState)
