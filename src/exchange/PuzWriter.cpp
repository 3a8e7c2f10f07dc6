#include "PuzWriter.h"

#include "EntryRuns.h"
#include "ExportChecks.h"
#include "PuzChecksums.h"
#include "model/PuzzleState.h"

#include <QtEndian>

#include <algorithm>
#include <optional>

namespace {

// Text pasted from a word processor carries typographic quotes, dashes and ellipses that
// Latin-1 lacks; their plain forms say the same to a solver.
QString plainPunctuation(const QString& text)
{
    static const QList<std::pair<char16_t, QString>> plain = {
        {u'\u2018', QStringLiteral("'")},   {u'\u2019', QStringLiteral("'")},
        {u'\u201A', QStringLiteral("'")},   {u'\u201C', QStringLiteral("\"")},
        {u'\u201D', QStringLiteral("\"")},  {u'\u201E', QStringLiteral("\"")},
        {u'\u2013', QStringLiteral("-")},   {u'\u2014', QStringLiteral("-")},
        {u'\u2026', QStringLiteral("...")},
    };
    QString written = text;
    for (const auto& [typographic, replacement] : plain)
        written.replace(QChar(typographic), replacement);
    return written;
}

QString latin1Refusal(const QString& what, const QString& character)
{
    return QStringLiteral(
               "%1 has the character %2, which a .puz file cannot hold: it holds "
               "Latin-1 (ISO-8859-1) text only.")
        .arg(what, character);
}

bool isAnswerOf(const ClueEntry& clue, const EntryRun& run)
{
    return clue.x == run.column && clue.y == run.row && clue.across == run.across &&
           clue.answer.size() == run.length;
}

const ClueEntry* clueOfRun(std::span<const ClueEntry> clues, const EntryRun& run)
{
    const auto found = std::find_if(clues.begin(), clues.end(),
                                    [&](const ClueEntry& clue) { return isAnswerOf(clue, run); });
    return found == clues.end() ? nullptr : &*found;
}

bool isRun(const QList<EntryRun>& runs, const ClueEntry& clue)
{
    return std::any_of(runs.begin(), runs.end(),
                       [&](const EntryRun& run) { return isAnswerOf(clue, run); });
}

QString unmatchedRun(const PuzzleState& state, const EntryRun& run)
{
    const QString letters = lettersFrom(state, run.column, run.row, run.across, run.length);
    const int first = (run.across ? run.column : run.row) + 1;
    return QStringLiteral(
               "%1 %2, %3 %4 to %5 read %6, which is not one %7 clue's answer; a "
               ".puz file needs exactly one clue for each run of white cells.")
        .arg(run.across ? QStringLiteral("Row") : QStringLiteral("Column"),
             QString::number((run.across ? run.row : run.column) + 1),
             run.across ? QStringLiteral("columns") : QStringLiteral("rows"),
             QString::number(first), QString::number(first + run.length - 1), letters,
             run.across ? QStringLiteral("across") : QStringLiteral("down"));
}

// Why the crossword cannot go into a .puz file, or "" when it can; `ordered` receives
// the clues in the order the file holds them.
QString puzRefusal(const PuzzleState& state, const QString& title,
                   QList<const ClueEntry*>& ordered)
{
    if (const QString refusal = commonRefusal(state); !refusal.isEmpty())
        return refusal;
    if (const auto character = firstNonLatin1(plainPunctuation(title)))
        return latin1Refusal(QStringLiteral("The title \"%1\"").arg(title), *character);
    const std::span<const ClueEntry> clues = state.cluesInUse();
    for (const ClueEntry& clue : clues) {
        if (clue.answer.size() < 2) {
            return QStringLiteral(
                       "Clue %1 has a one-letter answer, which a .puz file cannot "
                       "hold: its readers give clues to runs of two or more cells.")
                .arg(clueName(clue));
        }
        if (const auto character = firstNonLatin1(plainPunctuation(clue.clue)))
            return latin1Refusal(QStringLiteral("Clue ") + clueName(clue), *character);
    }
    const QList<EntryRun> runs = entryRuns(state);
    for (const EntryRun& run : runs) {
        const ClueEntry* clue = clueOfRun(clues, run);
        if (!clue)
            return unmatchedRun(state, run);
        ordered.append(clue);
    }
    for (const ClueEntry& clue : clues) {
        if (!isRun(runs, clue)) {
            return QStringLiteral(
                       "Clue %1 is only part of a run of white cells, and a .puz "
                       "file gives every clue a whole run.")
                .arg(clueName(clue));
        }
    }
    return {};
}

void putLittleEndian(QByteArray& bytes, int offset, quint16 value)
{
    qToLittleEndian(value, bytes.data() + offset);
}

}  // namespace

ExportedFile puzFile(const PuzzleState& state, const QString& title)
{
    QList<const ClueEntry*> ordered;
    if (const QString refusal = puzRefusal(state, title, ordered); !refusal.isEmpty())
        return {{}, refusal};

    QByteArray solution;
    QByteArray player;
    for (int row = 0; row < state.yGridSize; ++row) {
        for (int column = 0; column < state.xGridSize; ++column) {
            const QString letter = letterAt(state, column, row);
            solution += letter.isEmpty() ? '.' : letter.at(0).toLatin1();
            player += letter.isEmpty() ? '.' : '-';
        }
    }

    // Title, author, copyright, the clues and the notes; author, copyright and notes
    // have no field in Quillgrid and stay empty.
    PuzTexts texts;
    texts.title = plainPunctuation(title).toLatin1();
    QByteArray text = texts.title + '\0' + '\0' + '\0';
    for (const ClueEntry* clue : ordered) {
        texts.clues.append(plainPunctuation(clue->clue).toLatin1());
        text += texts.clues.constLast() + '\0';
    }
    text += '\0';

    QByteArray header(puzHeaderSize, '\0');
    header.replace(0x02, 12, QByteArrayLiteral("ACROSS&DOWN\0"));
    header.replace(0x18, 4, QByteArrayLiteral("1.3\0"));
    header[0x2C] = char(state.xGridSize);
    header[0x2D] = char(state.yGridSize);
    putLittleEndian(header, 0x2E, quint16(ordered.size()));
    putLittleEndian(header, 0x30, 0x0001);  // an ordinary crossword

    const PuzSums sums = puzSums(QByteArrayView(header).sliced(0x2C, 8), solution, player, texts);
    putLittleEndian(header, 0x00, sums.file);
    putLittleEndian(header, 0x0E, sums.cib);
    header.replace(0x10, 8, sums.masked);
    return {header + solution + player + text, {}};
}
