#include "ClueNumbers.h"

#include "PuzzleState.h"

std::optional<qint16> firstClueNumberAt(const PuzzleState& state, int column, int row)
{
    for (const ClueEntry& entry : state.cluesInUse()) {
        if (entry.x == column && entry.y == row)
            return entry.number;
    }
    return std::nullopt;
}
