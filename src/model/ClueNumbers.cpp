#include "ClueNumbers.h"

#include "PuzzleState.h"

#include <algorithm>

std::optional<qint16> firstClueNumberAt(const PuzzleState& state, int column, int row)
{
    const int count = std::clamp(int(state.clueCount), 0, Capacity::clueSlots);
    for (int i = 0; i < count; ++i) {
        const ClueEntry& entry = state.clueTable[i];
        if (entry.x == column && entry.y == row)
            return entry.number;
    }
    return std::nullopt;
}
