#include "ClueListText.h"

#include "DirectionRun.h"
#include "model/NumberText.h"

namespace {

const QString lineEnd = QStringLiteral("\r\n");

void appendClues(QString& text, const ClueTable& sortedClues, int count, bool across)
{
    for (int i = 0; i < count; ++i) {
        const ClueEntry& entry = sortedClues[i];
        if (entry.across == across)
            text += numberText(entry.number) + QStringLiteral(". ") +
                    DirectionRun::ownDirectionRun(entry.clue) + lineEnd;
    }
}

}  // namespace

namespace ClueListText {

QString clueListText(const ClueTable& sortedClues, int count)
{
    QString text = QStringLiteral("Across:") + lineEnd;
    appendClues(text, sortedClues, count, true);
    text += lineEnd + QStringLiteral("Down:") + lineEnd;
    appendClues(text, sortedClues, count, false);
    text += lineEnd;
    return text;
}

}  // namespace ClueListText
