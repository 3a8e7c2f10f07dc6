#pragma once

#include "model/PuzzleState.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

// Reads a written file back with an independent reader, @xwordly/xword-parser under node
// (installed by ./test.sh): its view of the size, title, grid, numbers and clues.
namespace CrosswordReader {

inline QString node()
{
    return QStandardPaths::findExecutable(QStringLiteral("node"));
}

// The reader's view of `bytes` written as a file of that name, or an object holding
// only "error" when it could not read it.
inline QJsonObject readBack(const QByteArray& bytes, const QString& fileName)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(fileName);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {{QStringLiteral("error"), file.errorString()}};
    file.close();
    // A copy of the tree without the reader's installed packages (as the planted-fault
    // runs make) is pointed at an installed reader through the environment.
    const QString reader = qEnvironmentVariable("QUILLGRID_CROSSWORD_READER",
                                                QStringLiteral(QUILLGRID_CROSSWORD_READER));
    QProcess process;
    process.start(node(), {reader, path});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        return {{QStringLiteral("error"),
                 QString::fromUtf8(process.readAllStandardError()) + process.errorString()}};
    }
    return QJsonDocument::fromJson(process.readAllStandardOutput()).object();
}

// The grid by rows as the reader shows it: a cell's letter, "#" for a block.
inline QStringList rowsOf(const PuzzleState& state)
{
    QStringList rows;
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

inline QStringList rowsOf(const QJsonObject& seen)
{
    QStringList rows;
    for (const QJsonValue row : seen[QStringLiteral("grid")].toArray())
        rows << row.toString();
    return rows;
}

}  // namespace CrosswordReader
