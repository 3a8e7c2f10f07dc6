#pragma once

#include "Result.h"
#include "StoredRows.h"

#include <QList>
#include <QSize>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>

struct ClueEntry;
class QSqlError;

// The file that holds every stored crossword: table CrosswordID, one row per crossword,
// and table Clues, one row per clue. Rows are only ever added.
//
// The file is first touched when an operation needs it: a missing file is then created
// with both tables, and a file that is not a crossword database is reported and left
// exactly as it was. Every operation answers with a Result and never shows anything.
class CrosswordDatabase {
public:
    // Long enough to ride out another program's short write, short enough that nobody
    // is left staring at a frozen window.
    static constexpr int defaultBusyTimeoutMs = 1500;
    // CrossID is a 16-bit number everywhere else in the program.
    static constexpr qint64 largestCrossId = 32767;

    explicit CrosswordDatabase(QString path, int busyTimeoutMs = defaultBusyTimeoutMs);
    ~CrosswordDatabase();
    CrosswordDatabase(const CrosswordDatabase&) = delete;
    CrosswordDatabase& operator=(const CrosswordDatabase&) = delete;

    const QString& path() const { return path_; }

    // Every stored name, in the order the crosswords were stored.
    Result<QStringList> names();
    // The crossword row whose name is exactly `name`, letter case and blanks included.
    Result<std::optional<StoredCrossword>> findCrossword(const QString& name);
    // The crossword's clue rows, in the order they were stored.
    Result<QList<StoredClue>> clueRows(const StoredCrossword& crossword);

    // One save, all of it or nothing: with `newGrid` the crossword row named `name` is
    // added first; then `clues` are appended under the CrossID of the row named `name`.
    // Answers that CrossID.
    Result<qint64> storeClues(const QString& name, std::optional<QSize> newGrid,
                              std::span<const ClueEntry> clues);

    // How the engine reads one crossword's clues, one line per step.
    Result<QStringList> clueQueryPlan();

private:
    Result<Done> ready();
    Result<Done> createTables();
    Result<Done> checkTables();
    Result<qint64> storeInTransaction(const QString& name, std::optional<QSize> newGrid,
                                      std::span<const ClueEntry> clues);
    void rollback();
    void forget();
    QString cannotRead(const QSqlError& error) const;
    QString notStored(const QSqlError& error) const;
    QString notStored(const QString& reason) const;

    QString path_;
    QString connectionName_;
    int busyTimeoutMs_;
    QSqlDatabase db_;
    bool ready_ = false;
};
