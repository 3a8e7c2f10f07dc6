#pragma once

#include "../printing/TestCrosswords.h"

// The largest crossword there can be, and one that every crossword file can hold: a
// 30 x 30 grid, white but for five blocks on the diagonal, whose 70 runs of white cells
// are the answers of the 70 clues, every clue text a long one.
namespace ExchangeCrosswords {

inline PuzzleState full()
{
    constexpr int size = Capacity::maxGridSize;
    PuzzleState state = TestCrosswords::empty(size, size);
    const auto add = [&](int x, int y, int length, bool across) {
        QString answer;
        for (int k = 0; k < length; ++k) {
            const int column = across ? x + k : x;
            answer += QChar(u'A' + (column * 7 + (across ? y : y + k) * 11) % 26);
        }
        // Numbered as the placement numbers: only the corner starts two clues.
        const int number = x + y == 0 && !across ? 1 : ++state.clueNumber;
        TestCrosswords::place(state,
                              QStringLiteral("Clue %1, which is long enough to fill a good part "
                                             "of its printed line")
                                  .arg(state.clueCount + 1),
                              answer, x, y, number, across);
    };
    for (const bool across : {true, false}) {
        for (int line = 0; line < size; ++line) {
            // A block on the diagonal cuts every sixth line in two.
            const int end = line % 6 == 3 ? line : size;
            add(across ? 0 : line, across ? line : 0, end, across);
            if (end < size)
                add(across ? end + 1 : line, across ? line : end + 1, size - 1 - end, across);
        }
    }
    return state;
}

}  // namespace ExchangeCrosswords
