#pragma once

#include "FileIdentity.h"
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

// Where a crossword of ours is stored: its CrosswordID row, and the number of its clue
// rows when it was opened or last saved.
struct StoredPlace {
    qint64 crossId = 0;
    qint64 clueRows = 0;
};

// The file that holds every stored crossword: table CrosswordID, one row per crossword,
// and table Clues, one row per clue. Rows are added, and a crossword's own clue rows are
// replaced when its stored clues were edited, removed or renumbered.
//
// The file is first touched when an operation needs it: a missing file is then created
// with both tables, and a file that is not a crossword database is reported and left
// exactly as it was. Every operation answers with a Result and never shows anything.
//
// The file may change while the program runs: made writable, deleted, replaced by a copy.
// Before each operation the connection is opened afresh when the path no longer holds
// the file as it was last seen, and after any operation that failed.
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

    // Every stored name, in the order the crosswords were stored. A row without a name
    // cannot be asked for by name: it is left out, and its CrossID added to `unnamed`.
    Result<QStringList> names(QStringList* unnamed = nullptr);
    // The crossword row whose name is exactly `name`, letter case and blanks included.
    Result<std::optional<StoredCrossword>> findCrossword(const QString& name);
    // The crossword's clue rows, in the order they were stored.
    Result<QList<StoredClue>> clueRows(const StoredCrossword& crossword);

    // One save, all of it or nothing: with `newGrid` the crossword row named `name` is
    // added first and `clues` go under the CrossID of that very row; without, they are
    // appended under the CrossID of the row named `name`. Answers that CrossID.
    Result<qint64> storeClues(const QString& name, std::optional<QSize> newGrid,
                              std::span<const ClueEntry> clues);

    // One save of a crossword stored before, all of it or nothing: `clues` become its
    // clue rows. Where its stored rows are the leading `clues` as they are, only the rest
    // are appended; otherwise its rows are replaced. Nothing is written, and the reason
    // says so, when the crossword at `place` is not the one stored then (another name,
    // or another number of clue rows): another program has changed it meanwhile.
    Result<qint64> storeAgain(const QString& name, StoredPlace place,
                              std::span<const ClueEntry> clues);

    // How the engine reads one crossword's clues, one line per step.
    Result<QStringList> clueQueryPlan();

    // What is wrong with a CrossID the rest of the program cannot hold, or nothing.
    static std::optional<QString> crossIdFault(qint64 crossId);

private:
    // How this file's tables were made, read when it is opened: other programs make the
    // same tables and fields in ways of their own.
    struct Shape {
        bool crossIdNumbered = true;  // the engine numbers a new CrosswordID row
        QString crosswordOrder;       // orders CrosswordID rows as they were stored
        QString clueQuery;            // one crossword's clues, as they were stored
        bool looseClueIds = false;    // Clues.CrossID may hold a number as text
    };

    template <typename T, typename Operation>
    Result<T> run(Operation operation);
    Result<Done> ready();
    Result<Done> createTables();
    Result<Done> checkTables();
    Result<std::optional<StoredCrossword>> findNow(const QString& name);
    template <typename Operation>
    Result<qint64> inTransaction(Operation operation);
    Result<QList<StoredClue>> readClues(qint64 crossId, const QString& name);
    Result<qint64> storeAgainInTransaction(const QString& name, StoredPlace place,
                                           std::span<const ClueEntry> clues);
    Result<Done> insertClues(qint64 crossId, std::span<const ClueEntry> clues);
    Result<qint64> storeInTransaction(const QString& name, std::optional<QSize> newGrid,
                                      std::span<const ClueEntry> clues);
    Result<qint64> addCrossword(const QString& name, QSize grid);
    void rollback();
    void forget();
    QString cannotRead(const QSqlError& error);
    QString notStored(const QSqlError& error);
    QString notStored(const QString& reason);
    // The engine's reason in words; notes a damaged file on the way.
    QString reason(const QSqlError& error);

    QString path_;
    QString connectionName_;
    int busyTimeoutMs_;
    QSqlDatabase db_;
    bool ready_ = false;
    Shape shape_;
    FileIdentity opened_;  // the file as the connection last knew it
    // The file as it was when the engine found it damaged: no save goes into it until it
    // has changed.
    std::optional<FileIdentity> damaged_;
};
