#pragma once

#include "model/ClueCells.h"
#include "model/ClueNumbers.h"
#include "model/ClueOrder.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPoint>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

// Reads written files back with an independent reader, @xwordly/xword-parser under node
// (installed by ./test.sh), and says where its view differs from the crossword written.
namespace CrosswordReader {

inline QString node()
{
    return QStandardPaths::findExecutable(QStringLiteral("node"));
}

// One reader kept running for many files, as starting node for each would cost far more
// than the reading.
struct Reader {
    QTemporaryDir folder;
    QProcess process;

    // A copy of the tree without the reader's installed packages (as the planted-fault runs
    // make) is pointed at an installed reader through the environment.
    Reader()
    {
        process.start(node(), {qEnvironmentVariable("QUILLGRID_CROSSWORD_READER",
                                                    QStringLiteral(QUILLGRID_CROSSWORD_READER))});
    }
    // Told that no more files come, the reader ends by itself.
    ~Reader()
    {
        process.closeWriteChannel();
        process.waitForFinished(5000);
    }

    // Its view of the bytes as a file of that name, or an object holding only "error".
    QJsonObject read(const QByteArray& bytes, const QString& fileName)
    {
        QFile file(folder.filePath(fileName));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return {{"error", file.errorString()}};
        file.close();
        process.write(file.fileName().toUtf8() + '\n');
        while (!process.canReadLine()) {
            if (!process.waitForReadyRead(30000))
                return {{"error", process.readAllStandardError() + process.errorString()}};
        }
        return QJsonDocument::fromJson(process.readLine()).object();
    }
};

// "" where the reader saw the file as the crossword holds it, else the first part that
// differs. Every file holds the size, the title and the grid, by rows with "#" for a block.
// An .ipuz file holds the numbers the screen shows and each direction's clues in the
// order of the printed list, naming their cells (from 1) where the answer is only part of
// a run. A .puz file leaves the numbering to its reader: under each of the reader's
// numbers, in each direction, stands the clue that starts in that cell and goes that
// way, and every clue is there once.
inline QString mismatch(QJsonObject seen, const PuzzleState& state, const QString& title, bool puz)
{
    if (seen.contains("error"))
        return "unreadable: " + seen["error"].toString();
    QStringList rows;
    QJsonArray numbers;
    for (int row = 0; row < state.yGridSize; ++row) {
        rows << QString();
        for (int column = 0; column < state.xGridSize; ++column) {
            const QString& letter = state.gridLetters[column][row];
            rows.last() += letter.isEmpty() ? QStringLiteral("#") : letter;
            if (const auto number = firstClueNumberAt(state, column, row))
                numbers.append(QJsonArray{column, row, *number});
        }
    }
    const auto white = [&](int column, int row) {
        return column >= 0 && row >= 0 && row < rows.size() && column < rows[row].size() &&
               rows[row][column] != u'#';
    };
    QJsonObject held{{"width", state.xGridSize},
                     {"height", state.yGridSize},
                     {"title", title},
                     {"grid", QJsonArray::fromStringList(rows)}};
    QJsonArray clues[2];
    if (puz) {
        QHash<int, QPoint> cellOf;
        for (const QJsonValue number : seen["numbers"].toArray())
            cellOf.insert(number[2].toInt(), QPoint(number[0].toInt(), number[1].toInt()));
        for (const int way : {0, 1}) {
            for (const QJsonValue clue : seen[way == 0 ? "across" : "down"].toArray()) {
                const QPoint cell = cellOf.value(clue[0].toInt(), QPoint(-1, -1));
                QString text;
                for (const ClueEntry& entry : state.cluesInUse()) {
                    if (entry.x == cell.x() && entry.y == cell.y() && entry.across == (way == 0))
                        text = entry.clue;
                }
                clues[way].append(QJsonArray{clue[0], text, QJsonValue()});
            }
        }
        seen["clue count"] = clues[0].size() + clues[1].size();
        held["clue count"] = state.clueCount;
    } else {
        held["numbers"] = numbers;
        ClueTable sorted{};
        const int count = sortClues(state, sorted);
        for (int i = 0; i < count; ++i) {
            const ClueEntry& clue = sorted[i];
            QJsonArray cells;
            for (const QPoint cell : clueCells(clue))
                cells.append(QJsonArray{cell.x() + 1, cell.y() + 1});
            const QPoint before = letterCell(clue, -1);
            const QPoint after = letterCell(clue, int(clue.answer.size()));
            const bool partOfRun = white(before.x(), before.y()) || white(after.x(), after.y());
            clues[clue.across ? 0 : 1].append(
                QJsonArray{*firstClueNumberAt(state, clue.x, clue.y), clue.clue,
                           partOfRun ? QJsonValue(cells) : QJsonValue()});
        }
    }
    held["across"] = clues[0];
    held["down"] = clues[1];
    const auto text = [](const QJsonValue& value) {
        return QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact));
    };
    for (auto part = held.begin(); part != held.end(); ++part) {
        if (seen[part.key()] != part.value()) {
            return QStringLiteral("%1: the reader saw %2, the crossword holds %3")
                .arg(part.key(), text(seen[part.key()]), text(part.value()));
        }
    }
    return {};
}

}  // namespace CrosswordReader
