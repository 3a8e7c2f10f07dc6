#include "ClueNumbering.h"

#include "PuzzleState.h"

#include <QMap>
#include <QPoint>

#include <algorithm>

namespace ClueNumbering {

bool numberInReadingOrder(PuzzleState& state)
{
    // Keyed by row, then column: the map's order is the reading order.
    QMap<std::pair<int, int>, qint16> starts;
    for (const ClueEntry& clue : state.cluesInUse())
        starts.insert({clue.y, clue.x}, 0);
    qint16 next = 0;
    for (qint16& number : starts)
        number = ++next;
    bool changed = state.clueNumber != next;
    state.clueNumber = next;
    for (ClueEntry& clue : state.cluesInUse()) {
        const qint16 number = starts.value({clue.y, clue.x});
        changed = changed || clue.number != number;
        clue.number = number;
    }
    return changed;
}

void removeClue(PuzzleState& state, int index)
{
    const std::span<ClueEntry> clues = state.cluesInUse();
    if (index < 0 || size_t(index) >= clues.size())
        return;
    const ClueEntry removed = clues[size_t(index)];
    std::move(clues.begin() + index + 1, clues.end(), clues.begin() + index);
    clues.back() = ClueEntry{};
    --state.clueCount;

    const auto sharesStart = [&](const ClueEntry& clue) {
        return clue.x == removed.x && clue.y == removed.y;
    };
    const std::span<ClueEntry> left = state.cluesInUse();
    if (std::none_of(left.begin(), left.end(), sharesStart)) {
        for (ClueEntry& clue : left) {
            if (clue.number > removed.number)
                --clue.number;
        }
        if (state.clueNumber >= removed.number)
            --state.clueNumber;
    }
    state.reletter();
}

}  // namespace ClueNumbering
