#include "CrosswordDatabase.h"

#include "model/ClueEntry.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

#include <atomic>

namespace {

// The rowid keeps the order in which rows were stored; the index on CrossID holds the
// rowid too, so this reads one crossword's rows in order without scanning the table.
const QString clueQuery = QStringLiteral(
    "SELECT CluePos, Across, Clue, CluePosX, CluePosY, Answer FROM Clues "
    "WHERE CrossID = ? ORDER BY rowid");

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

Result<Done> CrosswordDatabase::ready()
{
    if (ready_)
        return Result<Done>::success({});

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
        const QString reason = reasonFor(db_.lastError());
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
            const QString message =
                QStringLiteral("\"%1\" cannot be used as the crossword database: %2.")
                    .arg(path_, reasonFor(count.lastError()));
            forget();
            return Result<Done>::failure(message);
        }
        objects = count.value(0).toLongLong();
    }
    const Result<Done> tables = objects == 0 ? createTables() : checkTables();
    if (!tables.ok()) {
        forget();
        return tables;
    }
    ready_ = true;
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
    };
    QSqlQuery query(db_);
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        return Result<Done>::failure(
            QStringLiteral("The crossword database \"%1\" cannot be created: %2.")
                .arg(path_, reasonFor(query.lastError())));
    }
    for (const QString& statement : statements) {
        if (!query.exec(statement)) {
            const QString reason = reasonFor(query.lastError());
            rollback();
            return Result<Done>::failure(
                QStringLiteral("The crossword database \"%1\" cannot be created: %2.")
                    .arg(path_, reason));
        }
    }
    if (!query.exec(QStringLiteral("COMMIT"))) {
        const QString reason = reasonFor(query.lastError());
        rollback();
        return Result<Done>::failure(
            QStringLiteral("The crossword database \"%1\" cannot be created: %2.")
                .arg(path_, reason));
    }
    return Result<Done>::success({});
}

// Only reads: a file that turns out to be something else must stay as it was.
Result<Done> CrosswordDatabase::checkTables()
{
    const auto check = [this](const QString& table,
                              const QStringList& fields) -> std::optional<QString> {
        QSqlQuery query(db_);
        query.prepare(QStringLiteral("SELECT name FROM pragma_table_info(?)"));
        query.addBindValue(table);
        if (!query.exec())
            return cannotRead(query.lastError());
        QStringList present;
        while (query.next())
            present << query.value(0).toString();
        if (present.isEmpty()) {
            return QStringLiteral("\"%1\" is not a crossword database: it has no table %2.")
                .arg(path_, table);
        }
        for (const QString& field : fields) {
            if (!present.contains(field)) {
                return QStringLiteral(
                           "\"%1\" is not a crossword database: its table %2 has no "
                           "field %3.")
                    .arg(path_, table, field);
            }
        }
        return std::nullopt;
    };
    if (const auto problem = check(QStringLiteral("CrosswordID"), crosswordFields))
        return Result<Done>::failure(*problem);
    if (const auto problem = check(QStringLiteral("Clues"), clueFields))
        return Result<Done>::failure(*problem);
    return Result<Done>::success({});
}

Result<QStringList> CrosswordDatabase::names()
{
    if (const Result<Done> state = ready(); !state.ok())
        return Result<QStringList>::failure(state.error());
    QSqlQuery query(db_);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT Name FROM CrosswordID ORDER BY CrossID")))
        return Result<QStringList>::failure(cannotRead(query.lastError()));
    QStringList names;
    while (query.next())
        names << query.value(0).toString();
    if (query.lastError().isValid())
        return Result<QStringList>::failure(cannotRead(query.lastError()));
    return Result<QStringList>::success(names);
}

Result<std::optional<StoredCrossword>> CrosswordDatabase::findCrossword(const QString& name)
{
    using Found = Result<std::optional<StoredCrossword>>;
    if (const Result<Done> state = ready(); !state.ok())
        return Found::failure(state.error());
    QSqlQuery query(db_);
    query.setForwardOnly(true);
    query.prepare(
        QStringLiteral("SELECT CrossID, GridX, GridY FROM CrosswordID "
                       "WHERE Name = ? ORDER BY CrossID LIMIT 1"));
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
    using Rows = Result<QList<StoredClue>>;
    if (const Result<Done> state = ready(); !state.ok())
        return Rows::failure(state.error());
    QSqlQuery query(db_);
    query.setForwardOnly(true);
    query.prepare(clueQuery);
    query.addBindValue(crossword.crossId);
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
                    .arg(crossword.name, path_, query.record().fieldName(*column),
                         shown(values.at(*column))));
        }
        rows << row;
    }
    if (query.lastError().isValid())
        return Rows::failure(cannotRead(query.lastError()));
    return Rows::success(rows);
}

Result<qint64> CrosswordDatabase::storeClues(const QString& name, std::optional<QSize> newGrid,
                                             std::span<const ClueEntry> clues)
{
    if (const Result<Done> state = ready(); !state.ok())
        return Result<qint64>::failure(state.error());
    {
        // IMMEDIATE takes the write lock now, so a busy file is met before any row.
        QSqlQuery begin(db_);
        if (!begin.exec(QStringLiteral("BEGIN IMMEDIATE")))
            return Result<qint64>::failure(notStored(begin.lastError()));
    }
    Result<qint64> stored = storeInTransaction(name, newGrid, clues);
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
    return stored;
}

Result<qint64> CrosswordDatabase::storeInTransaction(const QString& name,
                                                     std::optional<QSize> newGrid,
                                                     std::span<const ClueEntry> clues)
{
    if (newGrid) {
        QSqlQuery add(db_);
        add.prepare(
            QStringLiteral("INSERT INTO CrosswordID (Name, GridX, GridY) "
                           "VALUES (?, ?, ?)"));
        add.addBindValue(name);
        add.addBindValue(newGrid->width());
        add.addBindValue(newGrid->height());
        if (!add.exec()) {
            if (engineCode(add.lastError()) == constraint) {
                return Result<qint64>::failure(notStored(
                    QStringLiteral("a crossword named \"%1\" is already stored").arg(name)));
            }
            return Result<qint64>::failure(notStored(add.lastError()));
        }
    }

    qint64 crossId = 0;
    {
        const auto found = findCrossword(name);
        if (!found.ok())
            return Result<qint64>::failure(found.error());
        if (!found.value()) {
            return Result<qint64>::failure(
                notStored(QStringLiteral("no stored crossword is named \"%1\"").arg(name)));
        }
        crossId = found.value()->crossId;
    }
    if (crossId < 1 || crossId > largestCrossId) {
        return Result<qint64>::failure(notStored(
            QStringLiteral("the database has no crossword number left for it (CrossID %1 "
                           "is past %2)")
                .arg(crossId)
                .arg(largestCrossId)));
    }

    QSqlQuery insert(db_);
    insert.prepare(
        QStringLiteral("INSERT INTO Clues (CrossID, CluePos, Across, Clue, "
                       "CluePosX, CluePosY, Answer) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    for (const ClueEntry& clue : clues) {
        insert.bindValue(0, crossId);
        insert.bindValue(1, int(clue.number));
        insert.bindValue(2, clue.across ? 1 : 0);
        insert.bindValue(3, clue.clue);
        insert.bindValue(4, int(clue.x));
        insert.bindValue(5, int(clue.y));
        insert.bindValue(6, clue.answer);
        if (!insert.exec())
            return Result<qint64>::failure(notStored(insert.lastError()));
    }
    return Result<qint64>::success(crossId);
}

void CrosswordDatabase::rollback()
{
    QSqlQuery query(db_);
    query.exec(QStringLiteral("ROLLBACK"));
}

Result<QStringList> CrosswordDatabase::clueQueryPlan()
{
    if (const Result<Done> state = ready(); !state.ok())
        return Result<QStringList>::failure(state.error());
    QSqlQuery query(db_);
    query.prepare(QStringLiteral("EXPLAIN QUERY PLAN ") + clueQuery);
    query.addBindValue(1);
    if (!query.exec())
        return Result<QStringList>::failure(cannotRead(query.lastError()));
    QStringList steps;
    while (query.next())
        steps << query.value(3).toString();
    return Result<QStringList>::success(steps);
}

QString CrosswordDatabase::cannotRead(const QSqlError& error) const
{
    return QStringLiteral("The crossword database \"%1\" cannot be read: %2.")
        .arg(path_, reasonFor(error));
}

QString CrosswordDatabase::notStored(const QSqlError& error) const
{
    return notStored(reasonFor(error));
}

QString CrosswordDatabase::notStored(const QString& reason) const
{
    return QStringLiteral(
               "The crossword was not saved in \"%1\": %2. Nothing of this save "
               "was stored.")
        .arg(path_, reason);
}
