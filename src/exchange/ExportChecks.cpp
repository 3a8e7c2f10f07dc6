#include "ExportChecks.h"

#include "EntryRuns.h"

namespace {

QString direction(bool across)
{
    return across ? QStringLiteral("across") : QStringLiteral("down");
}

}  // namespace

std::optional<QString> firstNonLatin1(const QString& text)
{
    for (const char32_t character : text.toUcs4()) {
        if (character == 0 || character > 0xFF)
            return character == 0 ? QStringLiteral("NUL") : QString::fromUcs4(&character, 1);
    }
    return std::nullopt;
}

QString clueName(const ClueEntry& clue)
{
    return QStringLiteral("%1 %2 (\"%3\")")
        .arg(clue.number)
        .arg(direction(clue.across), clue.clue);
}

QString commonRefusal(const PuzzleState& state)
{
    const std::span<const ClueEntry> clues = state.cluesInUse();
    if (clues.empty())
        return QStringLiteral("The crossword has no clues yet, so there is nothing to export.");
    for (size_t i = 0; i < clues.size(); ++i) {
        const ClueEntry& clue = clues[i];
        for (size_t j = 0; j < i; ++j) {
            const ClueEntry& earlier = clues[j];
            if (earlier.x == clue.x && earlier.y == clue.y && earlier.across == clue.across) {
                // One pass over every piece, so that a "%" in a clue is never taken for a
                // place holder.
                return QStringLiteral(
                           "Clues %1 and %2 both start in row %3, column %4; a "
                           "crossword file holds one clue each way from a cell.")
                    .arg(clueName(earlier), clueName(clue), QString::number(clue.y + 1),
                         QString::number(clue.x + 1));
            }
        }
        const QString inGrid =
            lettersFrom(state, clue.x, clue.y, clue.across, int(clue.answer.size()));
        if (inGrid != clue.answer) {
            return QStringLiteral("Clue %1 has the answer %2, but the grid reads %3 there.")
                .arg(clueName(clue), clue.answer, inGrid);
        }
    }
    return {};
}
