#include "ClueListing.h"

#include "model/NumberText.h"

#include <algorithm>
#include <utility>

namespace {

const QString lineEnd = QStringLiteral("\r\n");

void appendClues(QString& text, const ClueTable& sortedClues, int count, bool across)
{
    for (int i = 0; i < count; ++i) {
        const ClueEntry& entry = sortedClues[i];
        if (entry.across == across)
            text += numberText(entry.number) + QStringLiteral(". ") + entry.clue + lineEnd;
    }
}

}  // namespace

namespace ClueListing {

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

QString listingText(const ClueTable& sortedClues, int count)
{
    QString text = QStringLiteral("Across:") + lineEnd;
    appendClues(text, sortedClues, count, true);
    text += lineEnd + QStringLiteral("Down:") + lineEnd;
    appendClues(text, sortedClues, count, false);
    text += lineEnd;
    return text;
}

}  // namespace ClueListing
