#include "EntryRuns.h"

#include "model/ClueCells.h"
#include "model/PuzzleState.h"

#include <algorithm>

namespace {

bool isWhite(const PuzzleState& state, QPoint cell)
{
    return !letterAt(state, cell.x(), cell.y()).isEmpty();
}

bool isWhite(const PuzzleState& state, int column, int row)
{
    return isWhite(state, QPoint(column, row));
}

int runLength(const PuzzleState& state, int column, int row, bool across)
{
    int length = 0;
    while (isWhite(state, letterCell(QPoint(column, row), across, length)))
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
    for (int k = 0; k < length; ++k) {
        const QPoint cell = letterCell(QPoint(column, row), across, k);
        letters += letterAt(state, cell.x(), cell.y());
    }
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
    return !isWhite(state, letterCell(clue, -1)) &&
           !isWhite(state, letterCell(clue, int(clue.answer.size())));
}
