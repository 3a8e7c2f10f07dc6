#include "PuzWriter.h"

#include "EntryRuns.h"
#include "ExportChecks.h"
#include "model/PuzzleState.h"

#include <QtEndian>

#include <algorithm>
#include <optional>

namespace {

constexpr int headerSize = 0x34;

// The format's own running checksum.
quint16 checksum(QByteArrayView bytes, quint16 sum)
{
    for (const char byte : bytes) {
        sum = (sum & 1) ? quint16((sum >> 1) | 0x8000) : quint16(sum >> 1);
        sum = quint16(sum + quint8(byte));
    }
    return sum;
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
    if (const auto character = firstNonLatin1(title))
        return latin1Refusal(QStringLiteral("The title \"%1\"").arg(title), *character);
    const std::span<const ClueEntry> clues = state.cluesInUse();
    for (const ClueEntry& clue : clues) {
        if (clue.answer.size() < 2) {
            return QStringLiteral(
                       "Clue %1 has a one-letter answer, which a .puz file cannot "
                       "hold: its readers give clues to runs of two or more cells.")
                .arg(clueName(clue));
        }
        if (const auto character = firstNonLatin1(clue.clue))
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
    const QByteArray titleBytes = title.toLatin1();
    QList<QByteArray> clueTexts;
    QByteArray text = titleBytes + '\0' + '\0' + '\0';
    for (const ClueEntry* clue : ordered) {
        clueTexts.append(clue->clue.toLatin1());
        text += clueTexts.constLast() + '\0';
    }
    text += '\0';
    // The texts' part of a checksum: empty texts count for nothing, and clues are summed
    // without their NUL.
    const auto textSum = [&](quint16 sum) {
        if (!titleBytes.isEmpty())
            sum = checksum(titleBytes + '\0', sum);
        for (const QByteArray& clueText : clueTexts)
            sum = checksum(clueText, sum);
        return sum;
    };

    QByteArray header(headerSize, '\0');
    header.replace(0x02, 12, QByteArrayLiteral("ACROSS&DOWN\0"));
    header.replace(0x18, 4, QByteArrayLiteral("1.3\0"));
    header[0x2C] = char(state.xGridSize);
    header[0x2D] = char(state.yGridSize);
    putLittleEndian(header, 0x2E, quint16(ordered.size()));
    putLittleEndian(header, 0x30, 0x0001);  // an ordinary crossword

    const quint16 cib = checksum(QByteArrayView(header).sliced(0x2C, 8), 0);
    const quint16 fileSum = textSum(checksum(player, checksum(solution, cib)));

    putLittleEndian(header, 0x00, fileSum);
    putLittleEndian(header, 0x0E, cib);
    const quint16 sums[4] = {cib, checksum(solution, 0), checksum(player, 0), textSum(0)};
    const char mask[] = "ICHEATED";
    for (int i = 0; i < 4; ++i) {
        header[0x10 + i] = char(mask[i] ^ (sums[i] & 0xFF));
        header[0x14 + i] = char(mask[4 + i] ^ (sums[i] >> 8));
    }
    return {header + solution + player + text, {}};
}
