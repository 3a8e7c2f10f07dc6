#pragma once

#include "model/ClueNumbers.h"
#include "model/ClueOrder.h"
#include "model/PuzzleState.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPoint>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

// Reads a written file back with an independent reader, @xwordly/xword-parser under node
// (installed by ./test.sh): its view of the size, title, grid, numbers and clues, and
// where that view differs from the crossword that was written.
namespace CrosswordReader {

inline QString node()
{
    return QStandardPaths::findExecutable(QStringLiteral("node"));
}

// A copy of the tree without the reader's installed packages (as the planted-fault runs
// make) is pointed at an installed reader through the environment.
inline QString script()
{
    return qEnvironmentVariable("QUILLGRID_CROSSWORD_READER",
                                QStringLiteral(QUILLGRID_CROSSWORD_READER));
}

inline QJsonObject failure(const QString& why)
{
    return {{QStringLiteral("error"), why.isEmpty() ? QStringLiteral("no answer") : why}};
}

// The reader's view of `bytes` written as a file of that name, or an object holding
// only "error" when it could not read it.
inline QJsonObject readBack(const QByteArray& bytes, const QString& fileName)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(fileName);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return failure(file.errorString());
    file.close();
    QProcess process;
    process.start(node(), {script(), path});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return failure(QString::fromUtf8(process.readAllStandardError()) + process.errorString());
    return QJsonDocument::fromJson(process.readAllStandardOutput()).object();
}

// One reader kept running for many files, as starting node for each would cost far more
// than the reading.
class Session {
public:
    Session() { process_.start(node(), {script()}); }
    // Told that no more files come, the reader ends by itself.
    ~Session()
    {
        process_.closeWriteChannel();
        process_.waitForFinished(5000);
    }

    QJsonObject read(const QString& path)
    {
        process_.write(path.toUtf8() + '\n');
        while (!process_.canReadLine()) {
            if (!process_.waitForReadyRead(30000)) {
                return failure(QString::fromUtf8(process_.readAllStandardError()) +
                               process_.errorString());
            }
        }
        return QJsonDocument::fromJson(process_.readLine()).object();
    }

private:
    QProcess process_;
};

// The grid by rows as the reader shows it: a cell's letter, "#" for a block.
inline QJsonArray rowsOf(const PuzzleState& state)
{
    QJsonArray rows;
    for (int row = 0; row < state.yGridSize; ++row) {
        QString text;
        for (int column = 0; column < state.xGridSize; ++column) {
            const QString& letter = state.gridLetters[column][row];
            text += letter.isEmpty() ? QStringLiteral("#") : letter;
        }
        rows << text;
    }
    return rows;
}

// "" where the reader saw what is held, else both.
inline QString differs(const QString& what, const QJsonValue& seen, const QJsonValue& held)
{
    if (seen == held)
        return {};
    const auto text = [](const QJsonValue& value) {
        const QByteArray inBrackets =
            QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
        return QString::fromUtf8(inBrackets.mid(1, inBrackets.size() - 2));
    };
    return QStringLiteral("%1: the reader saw %2, the crossword holds %3")
        .arg(what, text(seen), text(held));
}

// Size, title and grid, as every format holds them.
inline QString gridMismatch(const QJsonObject& seen, const PuzzleState& state,
                            const QString& title)
{
    if (seen.contains(QStringLiteral("error")))
        return QStringLiteral("unreadable: ") + seen[QStringLiteral("error")].toString();
    for (const QString& found :
         {differs(QStringLiteral("width"), seen[QStringLiteral("width")], state.xGridSize),
          differs(QStringLiteral("height"), seen[QStringLiteral("height")], state.yGridSize),
          differs(QStringLiteral("title"), seen[QStringLiteral("title")], title),
          differs(QStringLiteral("grid"), seen[QStringLiteral("grid")], rowsOf(state))}) {
        if (!found.isEmpty())
            return found;
    }
    return {};
}

// An .ipuz file holds the numbers the screen shows, and each direction's clues in the
// order of the printed list; cells, where given, are the answer's own. `withCells`
// counts the clues that named their cells.
inline QString ipuzMismatch(const QJsonObject& seen, const PuzzleState& state,
                            const QString& title, int& withCells)
{
    if (const QString found = gridMismatch(seen, state, title); !found.isEmpty())
        return found;
    QJsonArray labels;
    for (int row = 0; row < state.yGridSize; ++row) {
        for (int column = 0; column < state.xGridSize; ++column) {
            if (const auto number = firstClueNumberAt(state, column, row))
                labels.append(QJsonArray{column, row, *number});
        }
    }
    if (const QString found = differs(QStringLiteral("numbers"), seen["numbers"], labels);
        !found.isEmpty())
        return found;

    ClueTable sorted{};
    const int count = sortClues(state, sorted);
    QJsonArray held[2];
    withCells = 0;
    for (int i = 0; i < count; ++i) {
        const ClueEntry& clue = sorted[i];
        const int direction = clue.across ? 0 : 1;
        const QJsonArray got =
            seen[clue.across ? "across" : "down"][held[direction].size()].toArray();
        QJsonValue cells;
        if (!got[2].isNull()) {
            ++withCells;
            QJsonArray answerCells;
            for (int k = 0; k < clue.answer.size(); ++k) {
                answerCells.append(QJsonArray{clue.x + 1 + (clue.across ? k : 0),
                                              clue.y + 1 + (clue.across ? 0 : k)});
            }
            cells = answerCells;
        }
        held[direction].append(
            QJsonArray{*firstClueNumberAt(state, clue.x, clue.y), clue.clue, cells});
    }
    for (const int direction : {0, 1}) {
        const char* name = direction == 0 ? "across" : "down";
        if (const QString found = differs(QLatin1String(name), seen[name], held[direction]);
            !found.isEmpty())
            return found;
    }
    return {};
}

// A .puz file leaves the numbering to its reader: under each of the reader's numbers,
// in each direction, stands the text of the clue that starts in that cell and goes that
// way, and every clue is there once.
inline QString puzMismatch(const QJsonObject& seen, const PuzzleState& state, const QString& title)
{
    if (const QString found = gridMismatch(seen, state, title); !found.isEmpty())
        return found;
    QHash<int, QPoint> cellOf;
    for (const QJsonValue number : seen[QStringLiteral("numbers")].toArray())
        cellOf.insert(number[2].toInt(), QPoint(number[0].toInt(), number[1].toInt()));
    int seenClues = 0;
    for (const bool across : {true, false}) {
        for (const QJsonValue clue : seen[across ? "across" : "down"].toArray()) {
            const QPoint cell = cellOf.value(clue[0].toInt(), QPoint(-1, -1));
            QString held;
            for (int i = 0; i < state.clueCount; ++i) {
                const ClueEntry& entry = state.clueTable[i];
                if (entry.x == cell.x() && entry.y == cell.y() && entry.across == across)
                    held = entry.clue;
            }
            const QString what =
                QStringLiteral("clue %1 %2")
                    .arg(clue[0].toInt())
                    .arg(across ? QStringLiteral("across") : QStringLiteral("down"));
            if (const QString found = differs(what, clue[1], held); !found.isEmpty())
                return found;
            ++seenClues;
        }
    }
    return differs(QStringLiteral("clue count"), seenClues, state.clueCount);
}

}  // namespace CrosswordReader
