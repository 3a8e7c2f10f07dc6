#include "PuzReader.h"

#include "EntryRuns.h"
#include "ImportChecks.h"
#include "PuzChecksums.h"
#include "model/PuzzleState.h"

#include <QtEndian>

#include <memory>

namespace {

const QString damaged =
    QStringLiteral("The file is damaged: its checksums do not agree with what it holds.");
const QString truncated = QStringLiteral("The file is truncated: it ends before its %1.");

quint16 word(const QByteArray& bytes, qsizetype offset)
{
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

// Windows-1252 where it differs from Latin-1: bytes 0x80-0x9F, which Latin-1 leaves to
// control codes that no clue holds. Its five unassigned bytes stay as they are.
QString fileText(QByteArrayView bytes)
{
    static const char16_t windows[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString text = QString::fromLatin1(bytes);
    for (QChar& character : text) {
        if (character.unicode() >= 0x80 && character.unicode() <= 0x9F)
            character = QChar(windows[character.unicode() - 0x80]);
    }
    return text;
}

// The NUL-terminated texts from `at` on; false where the file ends first.
bool readTexts(const QByteArray& bytes, qsizetype& at, int count, QList<QByteArray>& texts)
{
    for (int i = 0; i < count; ++i) {
        const qsizetype end = bytes.indexOf('\0', at);
        if (end < 0)
            return false;
        texts.append(bytes.mid(at, end - at));
        at = end + 1;
    }
    return true;
}

// The extra sections after the texts: a name, the data's length and checksum, the data
// and a NUL. A rebus is refused; what else they hold is noted as left out.
QString readSections(const QByteArray& bytes, qsizetype at, int columns, QStringList& leftOut)
{
    while (at + 8 <= bytes.size()) {
        const QByteArray name = bytes.mid(at, 4);
        const qsizetype length = word(bytes, at + 4);
        if (at + 8 + length + 1 > bytes.size())
            return truncated.arg(QStringLiteral("section %1").arg(QString::fromLatin1(name)));
        const QByteArrayView data = QByteArrayView(bytes).sliced(at + 8, length);
        if (puzChecksum(data, 0) != word(bytes, at + 6) || bytes.at(at + 8 + length) != '\0')
            return damaged;
        if (name == "GRBS") {
            for (qsizetype i = 0; i < data.size(); ++i) {
                if (data[i] != 0) {
                    return QStringLiteral(
                               "The square in %1 holds several letters (a rebus), "
                               "which a crossword here cannot hold.")
                        .arg(cellName(QPoint(int(i % columns), int(i / columns))));
                }
            }
        } else if (name == "RTBL") {
            // The rebus table means nothing without rebus squares.
        } else if (name == "GEXT") {
            if (std::any_of(data.begin(), data.end(), [](char flag) { return flag & 0x80; }))
                leftOut << QStringLiteral("circled squares");
        } else if (name == "LTIM") {
            leftOut << QStringLiteral("the timer");
        } else if (name != "RUSR") {
            leftOut << QStringLiteral("the section %1").arg(fileText(name));
        }
        at += 8 + length + 1;
    }
    return {};
}

}  // namespace

ImportedFile puzCrossword(const QByteArray& bytes)
{
    ImportedFile read;
    ImportedCrossword& crossword = read.crossword;
    const auto refuse = [&read](const QString& why) {
        read.refusal = why;
        return read;
    };
    if (bytes.size() < puzHeaderSize || bytes.mid(0x02, 12) != QByteArrayView("ACROSS&DOWN\0", 12))
        return refuse(QStringLiteral("The file is not a .puz crossword."));
    crossword.columns = quint8(bytes.at(0x2C));
    crossword.rows = quint8(bytes.at(0x2D));
    const int clueCount = word(bytes, 0x2E);
    if (QString why = gridSizeRefusal(crossword.columns, crossword.rows); !why.isEmpty())
        return refuse(why);
    if (QString why = clueCountRefusal(clueCount); !why.isEmpty())
        return refuse(why);
    const qsizetype cells = qsizetype(crossword.columns) * crossword.rows;
    if (bytes.size() < puzHeaderSize + 2 * cells)
        return refuse(truncated.arg(QStringLiteral("grid")));
    const QByteArrayView solution = QByteArrayView(bytes).sliced(puzHeaderSize, cells);
    const QByteArrayView player = QByteArrayView(bytes).sliced(puzHeaderSize + cells, cells);

    qsizetype at = puzHeaderSize + 2 * cells;
    QList<QByteArray> texts;
    if (!readTexts(bytes, at, 3 + clueCount + 1, texts))
        return refuse(truncated.arg(QStringLiteral("texts")));
    PuzTexts sumTexts{texts[0], texts[1], texts[2], texts.mid(3, clueCount), texts.last()};
    // Notes joined the text checksum with version 1.3.
    const bool notesCount = bytes.mid(0x18, 3) >= QByteArrayView("1.3");
    const PuzSums sums =
        puzSums(QByteArrayView(bytes).sliced(0x2C, 8), solution, player, sumTexts, notesCount);
    if (sums.file != word(bytes, 0x00) || sums.cib != word(bytes, 0x0E) ||
        sums.masked != bytes.mid(0x10, 8)) {
        return refuse(damaged);
    }
    if (word(bytes, 0x32) != 0) {
        return refuse(
            QStringLiteral("The solution is scrambled (the puzzle is locked); "
                           "unlock it in the program that locked it first."));
    }
    if (QString why = readSections(bytes, at, crossword.columns, crossword.leftOut);
        !why.isEmpty()) {
        return refuse(why);
    }

    // The solution laid into a grid, so that its entries are found and numbered as the
    // export numbers them.
    auto grid = std::make_unique<PuzzleState>();
    grid->reset(qint16(crossword.columns), qint16(crossword.rows));
    QList<QString> letters(crossword.rows, QString(crossword.columns, u' '));
    for (qsizetype i = 0; i < cells; ++i) {
        if (solution[i] == '.')
            continue;
        const QPoint cell(int(i % crossword.columns), int(i / crossword.columns));
        const QString held = fileText(solution.sliced(i, 1));
        const std::optional<QChar> letter = solutionLetter(held);
        if (!letter) {
            return refuse(QStringLiteral("The solution in %1 is \"%2\", which is not a letter "
                                         "A-Z.")
                              .arg(cellName(cell), held));
        }
        grid->gridLetters[cell.x()][cell.y()] = *letter;
        letters[cell.y()][cell.x()] = *letter;
    }
    const QList<EntryRun> runs = entryRuns(*grid);
    if (runs.size() != clueCount) {
        return refuse(QStringLiteral("The file has %1 clues, but its grid has %2 entries of two "
                                     "or more cells: the grid does not read its clues' "
                                     "answers.")
                          .arg(clueCount)
                          .arg(runs.size()));
    }
    for (int i = 0; i < clueCount; ++i) {
        const EntryRun& run = runs[i];
        crossword.clues.append({run.number, run.across, fileText(texts[3 + i]),
                                lettersFrom(*grid, run.column, run.row, run.across, run.length),
                                QPoint(run.column, run.row)});
    }
    crossword.title = fileText(texts[0]);
    for (const int i : {1, 2}) {
        if (!texts[i].isEmpty())
            crossword.leftOut << (i == 1 ? QStringLiteral("the author")
                                         : QStringLiteral("the copyright"));
    }
    if (!texts.last().isEmpty())
        crossword.leftOut << QStringLiteral("the notes");
    if (QString why = finishImport(crossword, letters); !why.isEmpty())
        return refuse(why);
    return read;
}
