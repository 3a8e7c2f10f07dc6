#include "CrosswordDatabase.h"

#include "model/ClueEntry.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <limits>

namespace {

const QString clueFieldsQuery =
    QStringLiteral("SELECT CluePos, Across, Clue, CluePosX, CluePosY, Answer FROM Clues ");

const QStringList crosswordFields = {QStringLiteral("CrossID"), QStringLiteral("Name"),
                                     QStringLiteral("GridX"), QStringLiteral("GridY")};
const QStringList clueFields = {QStringLiteral("CrossID"),  QStringLiteral("CluePos"),
                                QStringLiteral("Across"),   QStringLiteral("Clue"),
                                QStringLiteral("CluePosX"), QStringLiteral("CluePosY"),
                                QStringLiteral("Answer")};

// SQLite's primary result codes; Qt hands them over as text, extended codes included.
enum EngineCode {
    busy = 5,
    locked = 6,
    readOnly = 8,
    ioError = 10,
    corrupt = 11,
    full = 13,
    cannotOpen = 14,
    constraint = 19,
    notADatabase = 26,
};
constexpr int readOnlyDirectory = readOnly | (6 << 8);

QString reasonFor(const QSqlError& error)
{
    bool numeric = false;
    const int extended = error.nativeErrorCode().toInt(&numeric);
    const QString engineText =
        error.databaseText().isEmpty() ? error.text() : error.databaseText();
    if (!numeric)
        return engineText;
    QString reason;
    switch (extended & 0xff) {
        case busy:
        case locked:
            reason = QStringLiteral("another program is using the file; try again in a moment");
            break;
        case readOnly:
            reason = extended == readOnlyDirectory ? QStringLiteral("its folder is read-only")
                                                   : QStringLiteral("the file is read-only");
            break;
        case full:
            reason = QStringLiteral("the disk is full");
            break;
        case notADatabase:
            reason = QStringLiteral("it is not a database file");
            break;
        case corrupt:
            reason = QStringLiteral("the file is damaged");
            break;
        case cannotOpen:
            reason = QStringLiteral("the file cannot be opened");
            break;
        case ioError:
            reason = QStringLiteral("the file cannot be read or written");
            break;
        default:
            return engineText;
    }
    return QStringLiteral("%1 (%2)").arg(reason, engineText);
}

int engineCode(const QSqlError& error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

// SQLite's rule for the affinity a column's declared type gives it; only "none" matters
// here: such a column keeps a number written as text as text.
bool hasNoAffinity(const QString& declared)
{
    const QString type = declared.toUpper();
    if (type.contains(u"INT") || type.contains(u"CHAR") || type.contains(u"CLOB") ||
        type.contains(u"TEXT"))
        return false;
    return type.isEmpty() || type.contains(u"BLOB");
}

QString shown(const QVariant& value)
{
    return value.isNull() ? QStringLiteral("nothing")
                          : QStringLiteral("\"%1\"").arg(value.toString());
}

std::atomic<int> connectionCount{0};

}  // namespace

CrosswordDatabase::CrosswordDatabase(QString path, int busyTimeoutMs)
    : path_(std::move(path)),
      connectionName_(QStringLiteral("quillgrid-crosswords-%1").arg(++connectionCount)),
      busyTimeoutMs_(busyTimeoutMs)
{
}

CrosswordDatabase::~CrosswordDatabase()
{
    forget();
    QSqlDatabase::removeDatabase(connectionName_);
}

void CrosswordDatabase::forget()
{
    ready_ = false;
    if (db_.isValid())
        db_.close();
    db_ = QSqlDatabase();
}

template <typename T, typename Operation>
Result<T> CrosswordDatabase::run(Operation operation)
{
    if (const Result<Done> state = ready(); !state.ok())
        return Result<T>::failure(state.error());
    Result<T> result = operation();
    // Whatever went wrong (a permission, a lock, a file that went away) may be put right
    // before the next try, which then starts from a fresh connection.
    if (!result.ok())
        forget();
    return result;
}

Result<Done> CrosswordDatabase::ready()
{
    const FileIdentity now = FileIdentity::of(path_);
    if (ready_ && now == opened_)
        return Result<Done>::success({});
    // A connection keeps the file it opened, deleted or replaced, and the permission it
    // was opened with: only a new one sees the file that stands at the path now.
    forget();
    if (damaged_ && !(now == *damaged_))
        damaged_.reset();

    const QFileInfo file(path_);
    if (!file.exists() && !file.dir().exists()) {
        return Result<Done>::failure(
            QStringLiteral("The crossword database \"%1\" cannot be created: its folder "
                           "does not exist.")
                .arg(path_));
    }
    if (file.isDir()) {
        return Result<Done>::failure(
            QStringLiteral("\"%1\" is a folder, not a crossword database.").arg(path_));
    }

    db_ = QSqlDatabase::contains(connectionName_)
              ? QSqlDatabase::database(connectionName_, false)
              : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
    db_.setDatabaseName(path_);
    db_.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs_));
    if (!db_.open()) {
        const QString reason = this->reason(db_.lastError());
        forget();
        return Result<Done>::failure(
            QStringLiteral("The crossword database \"%1\" cannot be opened: %2.")
                .arg(path_, reason));
    }

    // Opening never reads the file; the first query is where a stranger shows itself.
    qint64 objects = 0;
    {
        QSqlQuery count(db_);
        if (!count.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !count.next()) {
            // A file that is only busy is no stranger, and is said to be busy.
            const int code = engineCode(count.lastError());
            const QString message =
                code == busy || code == locked
                    ? cannotRead(count.lastError())
                    : QStringLiteral("\"%1\" cannot be used as the crossword database: %2.")
                          .arg(path_, reason(count.lastError()));
            forget();
            return Result<Done>::failure(message);
        }
        objects = count.value(0).toLongLong();
    }
    Result<Done> tables = objects == 0 ? createTables() : Result<Done>::success({});
    if (tables.ok())
        tables = checkTables();
    if (!tables.ok()) {
        forget();
        return tables;
    }
    ready_ = true;
    opened_ = FileIdentity::of(path_);
    return tables;
}

Result<Done> CrosswordDatabase::createTables()
{
    const QStringList statements = {
        QStringLiteral("CREATE TABLE CrosswordID (CrossID INTEGER PRIMARY KEY AUTOINCREMENT, "
                       "Name TEXT NOT NULL, GridX INTEGER NOT NULL, GridY INTEGER NOT NULL)"),
        // BINARY collation: names match exactly, letter case and trailing blanks included.
        QStringLiteral("CREATE UNIQUE INDEX CrosswordIDName ON CrosswordID (Name)"),
        QStringLiteral("CREATE TABLE Clues (ClueRow INTEGER PRIMARY KEY, "
                       "CrossID INTEGER NOT NULL, CluePos INTEGER NOT NULL, "
                       "Across INTEGER NOT NULL, Clue TEXT NOT NULL, "
                       "CluePosX INTEGER NOT NULL, CluePosY INTEGER NOT NULL, "
                       "Answer TEXT NOT NULL)"),
        QStringLiteral("CREATE INDEX CluesCrossID ON Clues (CrossID)"),
        // The clue dialog looks up every clue an answer had before, at each key press.
        QStringLiteral("CREATE INDEX CluesAnswer ON Clues (Answer)"),
    };
    const auto cannotCreate = [this](const QString& reason) {
        return Result<Done>::failure(
            QStringLiteral("The crossword database \"%1\" cannot be created: %2.")
                .arg(path_, reason));
    };
    QSqlQuery query(db_);
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return cannotCreate(reason(query.lastError()));
    for (const QString& statement : statements) {
        if (!query.exec(statement)) {
            const QString why = reason(query.lastError());
            rollback();
            return cannotCreate(why);
        }
    }
    if (!query.exec(QStringLiteral("COMMIT"))) {
        const QString why = reason(query.lastError());
        rollback();
        return cannotCreate(why);
    }
    return Result<Done>::success({});
}

// Only reads: a file that turns out to be something else must stay as it was.
Result<Done> CrosswordDatabase::checkTables()
{
    struct Field {
        QString type;
        int keyPart = 0;  // 0: not in the primary key
    };
    struct Table {
        QHash<QString, Field> fields;  // by lower-case name: SQL names ignore case
        int keyFields = 0;
        bool hasRowid = true;
    };
    const auto read = [this](const QString& name, const QStringList& wanted,
                             Table& table) -> std::optional<QString> {
        QSqlQuery query(db_);
        if (!query.prepare(QStringLiteral("SELECT name, type, pk FROM pragma_table_info(?)")))
            return cannotRead(query.lastError());
        query.addBindValue(name);
        if (!query.exec())
            return cannotRead(query.lastError());
        while (query.next()) {
            const Field field{query.value(1).toString(), query.value(2).toInt()};
            table.fields.insert(query.value(0).toString().toLower(), field);
            table.keyFields += field.keyPart > 0 ? 1 : 0;
        }
        if (table.fields.isEmpty()) {
            return QStringLiteral("\"%1\" is not a crossword database: it has no table %2.")
                .arg(path_, name);
        }
        for (const QString& field : wanted) {
            if (!table.fields.contains(field.toLower())) {
                return QStringLiteral(
                           "\"%1\" is not a crossword database: its table %2 has no "
                           "field %3.")
                    .arg(path_, name, field);
            }
        }
        QSqlQuery list(db_);
        if (!list.prepare(QStringLiteral("SELECT wr FROM pragma_table_list(?) "
                                         "WHERE schema = 'main'")))
            return cannotRead(list.lastError());
        list.addBindValue(name);
        if (!list.exec())
            return cannotRead(list.lastError());
        table.hasRowid = !list.next() || list.value(0).toInt() == 0;
        return std::nullopt;
    };
    Table crosswords;
    Table clues;
    if (const auto problem = read(QStringLiteral("CrosswordID"), crosswordFields, crosswords))
        return Result<Done>::failure(*problem);
    if (const auto problem = read(QStringLiteral("Clues"), clueFields, clues))
        return Result<Done>::failure(*problem);

    // Only a field declared exactly INTEGER PRIMARY KEY, on its own, is the row id that
    // the engine numbers; any other key takes what it is given, nothing included.
    const Field crossId = crosswords.fields.value(QStringLiteral("crossid"));
    shape_.crossIdNumbered = crosswords.hasRowid && crosswords.keyFields == 1 &&
                             crossId.keyPart == 1 &&
                             crossId.type.compare(u"INTEGER", Qt::CaseInsensitive) == 0;
    // The row id keeps the order in which rows were stored. A table without one keeps
    // none: crosswords then go by number, clues by the table's own key.
    shape_.crosswordOrder =
        crosswords.hasRowid ? QStringLiteral("rowid") : QStringLiteral("CAST(CrossID AS INTEGER)");
    shape_.looseClueIds = hasNoAffinity(clues.fields.value(QStringLiteral("crossid")).type);
    // The index on CrossID holds the rowid too, so this reads one crossword's rows in order
    // without scanning the table.
    shape_.clueQuery = clueFieldsQuery +
                       (shape_.looseClueIds ? QStringLiteral("WHERE CrossID IN (?, ?)")
                                            : QStringLiteral("WHERE CrossID = ?")) +
                       (clues.hasRowid ? QStringLiteral(" ORDER BY rowid") : QString());
    return Result<Done>::success({});
}

Result<QStringList> CrosswordDatabase::names(QStringList* unnamed)
{
    if (unnamed)
        unnamed->clear();
    return run<QStringList>([&]() -> Result<QStringList> {
        QSqlQuery query(db_);
        query.setForwardOnly(true);
        if (!query.exec(QStringLiteral("SELECT Name, CrossID FROM CrosswordID ORDER BY ") +
                        shape_.crosswordOrder))
            return Result<QStringList>::failure(cannotRead(query.lastError()));
        QStringList names;
        while (query.next()) {
            if (!query.value(0).isNull())
                names << query.value(0).toString();
            else if (unnamed)
                *unnamed << query.value(1).toString();
        }
        if (query.lastError().isValid())
            return Result<QStringList>::failure(cannotRead(query.lastError()));
        return Result<QStringList>::success(names);
    });
}

Result<std::optional<StoredCrossword>> CrosswordDatabase::findCrossword(const QString& name)
{
    return run<std::optional<StoredCrossword>>([&] { return findNow(name); });
}

Result<std::optional<StoredCrossword>> CrosswordDatabase::findNow(const QString& name)
{
    using Found = Result<std::optional<StoredCrossword>>;
    QSqlQuery query(db_);
    query.setForwardOnly(true);
    if (!query.prepare(QStringLiteral("SELECT CrossID, GridX, GridY FROM CrosswordID "
                                      "WHERE Name = ? ORDER BY %1 LIMIT 1")
                           .arg(shape_.crosswordOrder)))
        return Found::failure(cannotRead(query.lastError()));
    query.addBindValue(name);
    if (!query.exec())
        return Found::failure(cannotRead(query.lastError()));
    if (!query.next()) {
        if (query.lastError().isValid())
            return Found::failure(cannotRead(query.lastError()));
        return Found::success(std::nullopt);
    }
    StoredCrossword row;
    row.name = name;
    const QVariantList values = {query.value(0), query.value(1), query.value(2)};
    if (const auto column = readCrosswordRow(values, row)) {
        return Found::failure(
            QStringLiteral("The crossword \"%1\" in \"%2\" is damaged: its field %3 "
                           "holds %4, not a whole number.")
                .arg(name, path_, query.record().fieldName(*column), shown(values.at(*column))));
    }
    return Found::success(row);
}

Result<QList<StoredClue>> CrosswordDatabase::clueRows(const StoredCrossword& crossword)
{
    return run<QList<StoredClue>>([&] { return readClues(crossword.crossId, crossword.name); });
}

Result<qint64> CrosswordDatabase::storeClues(const QString& name, std::optional<QSize> newGrid,
                                             std::span<const ClueEntry> clues)
{
    return inTransaction([&] { return storeInTransaction(name, newGrid, clues); });
}

Result<qint64> CrosswordDatabase::storeAgain(const QString& name, StoredPlace place,
                                             std::span<const ClueEntry> clues)
{
    return inTransaction([&] { return storeAgainInTransaction(name, place, clues); });
}

template <typename Operation>
Result<qint64> CrosswordDatabase::inTransaction(Operation operation)
{
    return run<qint64>([&]() -> Result<qint64> {
        // Writing into damaged pages can only make matters worse.
        if (damaged_) {
            return Result<qint64>::failure(
                notStored(QStringLiteral("reading it showed that the file is damaged; repair "
                                         "or replace it, then save again")));
        }
        {
            // IMMEDIATE takes the write lock now, so a busy file is met before any row.
            QSqlQuery begin(db_);
            if (!begin.exec(QStringLiteral("BEGIN IMMEDIATE")))
                return Result<qint64>::failure(notStored(begin.lastError()));
        }
        Result<qint64> stored = operation();
        if (!stored.ok()) {
            rollback();
            return stored;
        }
        QSqlQuery commit(db_);
        if (!commit.exec(QStringLiteral("COMMIT"))) {
            const QString message = notStored(commit.lastError());
            rollback();
            return Result<qint64>::failure(message);
        }
        // These writes are ours; a file put in its place meanwhile is still seen as new.
        if (const FileIdentity now = FileIdentity::of(path_); now.sameFile(opened_))
            opened_ = now;
        return stored;
    });
}

Result<qint64> CrosswordDatabase::storeInTransaction(const QString& name,
                                                     std::optional<QSize> newGrid,
                                                     std::span<const ClueEntry> clues)
{
    qint64 crossId = 0;
    if (newGrid) {
        const Result<qint64> added = addCrossword(name, *newGrid);
        if (!added.ok())
            return added;
        crossId = added.value();
    } else {
        const auto found = findNow(name);
        if (!found.ok())
            return Result<qint64>::failure(found.error());
        if (!found.value()) {
            return Result<qint64>::failure(
                notStored(QStringLiteral("no stored crossword is named \"%1\"").arg(name)));
        }
        crossId = found.value()->crossId;
        if (const auto fault = crossIdFault(crossId)) {
            return Result<qint64>::failure(
                notStored(QStringLiteral("the stored crossword \"%1\" cannot take clues: its %2")
                              .arg(name, *fault)));
        }
    }
    if (const Result<Done> inserted = insertClues(crossId, clues); !inserted.ok())
        return Result<qint64>::failure(inserted.error());
    return Result<qint64>::success(crossId);
}

// A save reads them inside its transaction: what another program stored before the write
// lock was taken is what the save is checked against.
Result<QList<StoredClue>> CrosswordDatabase::readClues(qint64 crossId, const QString& name)
{
    using Rows = Result<QList<StoredClue>>;
    QSqlQuery query(db_);
    query.setForwardOnly(true);
    if (!query.prepare(shape_.clueQuery))
        return Rows::failure(cannotRead(query.lastError()));
    query.addBindValue(crossId);
    if (shape_.looseClueIds)
        query.addBindValue(QString::number(crossId));
    if (!query.exec())
        return Rows::failure(cannotRead(query.lastError()));

    QList<StoredClue> rows;
    while (query.next()) {
        QVariantList values;
        for (int column = 0; column < 6; ++column)
            values << query.value(column);
        StoredClue row;
        if (const auto column = readClueRow(values, row)) {
            return Rows::failure(
                QStringLiteral("Clue %1 of the crossword \"%2\" in \"%3\" is damaged: "
                               "its field %4 holds %5.")
                    .arg(rows.size() + 1)
                    .arg(name, path_, query.record().fieldName(*column),
                         shown(values.at(*column))));
        }
        rows << row;
    }
    if (query.lastError().isValid())
        return Rows::failure(cannotRead(query.lastError()));
    return Rows::success(rows);
}

Result<qint64> CrosswordDatabase::storeAgainInTransaction(const QString& name, StoredPlace place,
                                                          std::span<const ClueEntry> clues)
{
    const auto changed = [&] {
        return Result<qint64>::failure(
            QStringLiteral("%1 was changed by another program since it was opened; nothing "
                           "was saved. Open it again to see its clues.")
                .arg(name));
    };
    if (const auto fault = crossIdFault(place.crossId)) {
        return Result<qint64>::failure(
            notStored(QStringLiteral("the stored crossword \"%1\" cannot take clues: its %2")
                          .arg(name, *fault)));
    }
    // Either table may hold a CrossID as a number or, in a file another program made, as
    // its text.
    QSqlQuery query(db_);
    query.setForwardOnly(true);
    const auto byCrossId = [&](const QString& statement) {
        if (!query.prepare(statement))
            return false;
        query.addBindValue(place.crossId);
        query.addBindValue(QString::number(place.crossId));
        return query.exec();
    };
    // The row it was opened or first saved as, never another of the same name.
    if (!byCrossId(QStringLiteral("SELECT Name FROM CrosswordID WHERE CrossID IN (?, ?)")))
        return Result<qint64>::failure(notStored(query.lastError()));
    if (!query.next() || query.value(0).toString() != name)
        return changed();
    const Result<QList<StoredClue>> stored = readClues(place.crossId, name);
    if (!stored.ok())
        return Result<qint64>::failure(stored.error() + QStringLiteral(" Nothing was saved."));
    const QList<StoredClue>& rows = stored.value();
    if (rows.size() != place.clueRows)
        return changed();

    const auto same = [](const StoredClue& row, const ClueEntry& clue) {
        return row.cluePos == clue.number && row.across == clue.across && row.clue == clue.clue &&
               row.cluePosX == clue.x && row.cluePosY == clue.y && row.answer == clue.answer;
    };
    // Only clues added since: the rows already there stay exactly as they are.
    const bool onlyAdded = size_t(rows.size()) <= clues.size() &&
                           std::equal(rows.begin(), rows.end(), clues.begin(), same);
    std::span<const ClueEntry> written = clues;
    if (onlyAdded) {
        written = clues.subspan(size_t(rows.size()));
    } else if (!byCrossId(QStringLiteral("DELETE FROM Clues WHERE CrossID IN (?, ?)"))) {
        return Result<qint64>::failure(notStored(query.lastError()));
    }
    if (const Result<Done> inserted = insertClues(place.crossId, written); !inserted.ok())
        return Result<qint64>::failure(inserted.error());
    return Result<qint64>::success(place.crossId);
}

Result<Done> CrosswordDatabase::insertClues(qint64 crossId, std::span<const ClueEntry> clues)
{
    QSqlQuery insert(db_);
    if (!insert.prepare(
            QStringLiteral("INSERT INTO Clues (CrossID, CluePos, Across, Clue, "
                           "CluePosX, CluePosY, Answer) VALUES (?, ?, ?, ?, ?, ?, ?)")))
        return Result<Done>::failure(notStored(insert.lastError()));
    for (const ClueEntry& clue : clues) {
        insert.bindValue(0, crossId);
        insert.bindValue(1, int(clue.number));
        insert.bindValue(2, clue.across ? 1 : 0);
        insert.bindValue(3, clue.clue);
        insert.bindValue(4, int(clue.x));
        insert.bindValue(5, int(clue.y));
        insert.bindValue(6, clue.answer);
        if (!insert.exec())
            return Result<Done>::failure(notStored(insert.lastError()));
    }
    return Result<Done>::success({});
}

// The new row's CrossID is the one this insert made, never looked up by name: in a file
// that lets two rows share a name, another program may have stored this name meanwhile.
Result<qint64> CrosswordDatabase::addCrossword(const QString& name, QSize grid)
{
    std::optional<qint64> given;
    if (!shape_.crossIdNumbered) {
        // One past every CrossID in either table, so that clue rows left behind by a
        // crossword another program removed cannot join the new one. The write lock is
        // held: nobody takes the number meanwhile.
        QSqlQuery largest(db_);
        if (!largest.exec(QStringLiteral(
                "SELECT max(coalesce((SELECT max(CAST(CrossID AS INTEGER)) FROM CrosswordID), "
                "0), coalesce((SELECT max(CAST(CrossID AS INTEGER)) FROM Clues), 0))")) ||
            !largest.next())
            return Result<qint64>::failure(notStored(largest.lastError()));
        given = largest.value(0).toLongLong() + 1;
    }
    const auto noNumberLeft = [this](qint64 crossId) {
        return Result<qint64>::failure(
            notStored(QStringLiteral("the database has no crossword number left for it (%1)")
                          .arg(crossIdFault(crossId).value_or(QString()))));
    };
    if (given && crossIdFault(*given))
        return noNumberLeft(*given);

    QSqlQuery add(db_);
    if (!add.prepare(given ? QStringLiteral("INSERT INTO CrosswordID (CrossID, Name, GridX, "
                                            "GridY) VALUES (?, ?, ?, ?)")
                           : QStringLiteral("INSERT INTO CrosswordID (Name, GridX, GridY) "
                                            "VALUES (?, ?, ?)")))
        return Result<qint64>::failure(notStored(add.lastError()));
    if (given)
        add.addBindValue(*given);
    add.addBindValue(name);
    add.addBindValue(grid.width());
    add.addBindValue(grid.height());
    if (!add.exec()) {
        const QSqlError error = add.lastError();
        if (engineCode(error) == constraint &&
            error.databaseText().contains(u".Name", Qt::CaseInsensitive)) {
            return Result<qint64>::failure(
                notStored(QStringLiteral("a crossword named \"%1\" is already stored").arg(name)));
        }
        return Result<qint64>::failure(notStored(error));
    }
    // CrossID is the row id here, so the row id of this insert is its CrossID.
    const qint64 crossId = given ? *given : add.lastInsertId().toLongLong();
    if (crossIdFault(crossId))
        return noNumberLeft(crossId);
    return Result<qint64>::success(crossId);
}

std::optional<QString> CrosswordDatabase::crossIdFault(qint64 crossId)
{
    if (crossId < 1)
        return QStringLiteral("CrossID %1 is below 1, the lowest crossword number").arg(crossId);
    if (crossId > largestCrossId)
        return QStringLiteral("CrossID %1 is past %2").arg(crossId).arg(largestCrossId);
    return std::nullopt;
}

void CrosswordDatabase::rollback()
{
    QSqlQuery query(db_);
    query.exec(QStringLiteral("ROLLBACK"));
}

Result<QStringList> CrosswordDatabase::clueQueryPlan()
{
    return run<QStringList>([&]() -> Result<QStringList> {
        QSqlQuery query(db_);
        if (!query.prepare(QStringLiteral("EXPLAIN QUERY PLAN ") + shape_.clueQuery))
            return Result<QStringList>::failure(cannotRead(query.lastError()));
        query.addBindValue(1);
        if (shape_.looseClueIds)
            query.addBindValue(QStringLiteral("1"));
        if (!query.exec())
            return Result<QStringList>::failure(cannotRead(query.lastError()));
        QStringList steps;
        while (query.next())
            steps << query.value(3).toString();
        return Result<QStringList>::success(steps);
    });
}

QString CrosswordDatabase::reason(const QSqlError& error)
{
    // A damaged page is met only where it is read; later saves must know of it too.
    if (engineCode(error) == corrupt)
        damaged_ = FileIdentity::of(path_);
    return reasonFor(error);
}

QString CrosswordDatabase::cannotRead(const QSqlError& error)
{
    return QStringLiteral("The crossword database \"%1\" cannot be read: %2.")
        .arg(path_, reason(error));
}

QString CrosswordDatabase::notStored(const QSqlError& error)
{
    return notStored(reason(error));
}

QString CrosswordDatabase::notStored(const QString& reason)
{
    return QStringLiteral(
               "The crossword was not saved in \"%1\": %2. Nothing of this save "
               "was stored.")
        .arg(path_, reason);
}
