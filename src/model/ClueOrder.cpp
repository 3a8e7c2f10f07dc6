#include "ClueOrder.h"

#include <algorithm>
#include <utility>

int sortClues(const PuzzleState& state, ClueTable& sortedClues)
{
    const int count = std::clamp(int(state.clueCount), 0, Capacity::clueSlots);
    std::copy_n(state.clueTable.begin(), count, sortedClues.begin());
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
