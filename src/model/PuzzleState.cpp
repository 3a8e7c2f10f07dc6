#include "PuzzleState.h"

#include "ClueCells.h"

#include <algorithm>

namespace {

size_t inUse(qint16 clueCount)
{
    return size_t(std::clamp<int>(clueCount, 0, Capacity::maxClues));
}

}  // namespace

std::span<const ClueEntry> PuzzleState::cluesInUse() const
{
    return {clueTable.data(), inUse(clueCount)};
}

std::span<ClueEntry> PuzzleState::cluesInUse()
{
    return {clueTable.data(), inUse(clueCount)};
}

void PuzzleState::reset(qint16 columns, qint16 rows)
{
    clueTable.fill(ClueEntry{});
    clueCount = 0;
    clueNumber = 0;
    crosswordTitle.clear();
    crosswordStored = false;
    xGridSize = columns;
    yGridSize = rows;
    for (auto& column : gridLetters)
        column.fill(QString());
    savedClueCount = 0;
    storedCrossId = 0;
}

void PuzzleState::fileClue(const ClueEntry& clue)
{
    writeAnswer(gridLetters, clue);
    clueTable[clueCount] = clue;
    ++clueCount;
    clueNumber = std::max(clueNumber, clue.number);
}

void PuzzleState::reletter()
{
    for (auto& column : gridLetters)
        column.fill(QString());
    for (const ClueEntry& clue : cluesInUse())
        writeAnswer(gridLetters, clue);
}
