#include "ClueOrder.h"

#include <algorithm>
#include <utility>

int sortClues(const PuzzleState& state, ClueTable& sortedClues)
{
    const std::span<const ClueEntry> clues = state.cluesInUse();
    const int count = int(clues.size());
    std::copy(clues.begin(), clues.end(), sortedClues.begin());
    // An exchange sort, not a stable one: clues with equal numbers come out in the order
    // this procedure leaves them, which is the order the list has always shown.
    for (int i = 0; i + 1 < count; ++i) {
        for (int j = i + 1; j < count; ++j) {
            if (sortedClues[j].number < sortedClues[i].number)
                std::swap(sortedClues[i], sortedClues[j]);
        }
    }
    return count;
}
