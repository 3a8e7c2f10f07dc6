#include "EntryRuns.h"

#include "model/PuzzleState.h"

#include <algorithm>

namespace {

bool isWhite(const PuzzleState& state, int column, int row)
{
    return !letterAt(state, column, row).isEmpty();
}

int runLength(const PuzzleState& state, int column, int row, bool across)
{
    int length = 0;
    while (isWhite(state, across ? column + length : column, across ? row : row + length))
        ++length;
    return length;
}

}  // namespace

QString letterAt(const PuzzleState& state, int column, int row)
{
    const int columns = std::min<int>(state.xGridSize, Capacity::maxGridSize);
    const int rows = std::min<int>(state.yGridSize, Capacity::maxGridSize);
    if (column < 0 || row < 0 || column >= columns || row >= rows)
        return {};
    return state.gridLetters[column][row];
}

QString lettersFrom(const PuzzleState& state, int column, int row, bool across, int length)
{
    QString letters;
    for (int k = 0; k < length; ++k)
        letters += letterAt(state, across ? column + k : column, across ? row : row + k);
    return letters;
}

QList<EntryRun> entryRuns(const PuzzleState& state)
{
    QList<EntryRun> runs;
    int number = 0;
    for (int row = 0; row < state.yGridSize; ++row) {
        for (int column = 0; column < state.xGridSize; ++column) {
            if (!isWhite(state, column, row))
                continue;
            const bool startsAcross = !isWhite(state, column - 1, row);
            const bool startsDown = !isWhite(state, column, row - 1);
            const int acrossLength = startsAcross ? runLength(state, column, row, true) : 0;
            const int downLength = startsDown ? runLength(state, column, row, false) : 0;
            if (acrossLength < 2 && downLength < 2)
                continue;
            ++number;
            if (acrossLength >= 2)
                runs.append({column, row, acrossLength, true, number});
            if (downLength >= 2)
                runs.append({column, row, downLength, false, number});
        }
    }
    return runs;
}

bool fillsItsRun(const PuzzleState& state, const ClueEntry& clue)
{
    const int dx = clue.across ? 1 : 0;
    const int dy = clue.across ? 0 : 1;
    const int length = int(clue.answer.size());
    return !isWhite(state, clue.x - dx, clue.y - dy) &&
           !isWhite(state, clue.x + dx * length, clue.y + dy * length);
}
