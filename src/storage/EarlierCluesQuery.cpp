#include "EarlierCluesQuery.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <atomic>

namespace {

std::atomic<int> lookupCount{0};

// The connection is made and dropped by one lookup: Qt ties a connection to the thread
// that made it, and the file may have been replaced since the last lookup.
class ReadOnlyConnection {
public:
    explicit ReadOnlyConnection(const QString& path)
        : name_(QStringLiteral("quillgrid-earlier-clues-%1").arg(++lookupCount))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=1500"));
        opened_ = db.open();
    }
    ~ReadOnlyConnection()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(name_, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name_);
    }
    bool opened() const { return opened_; }
    QSqlDatabase db() const { return QSqlDatabase::database(name_, false); }

private:
    QString name_;
    bool opened_ = false;
};

}  // namespace

EarlierClues earlierCluesFor(const QString& path, const QString& answer)
{
    EarlierClues result;
    if (answer.isEmpty() || !QFileInfo(path).isFile())
        return result;
    const ReadOnlyConnection connection(path);
    const auto cannotRead = [&](const QSqlError& error) {
        result.problem = QStringLiteral("Earlier clues cannot be read from \"%1\": %2.")
                             .arg(path, error.text());
        return result;
    };
    if (!connection.opened())
        return cannotRead(connection.db().lastError());
    QSqlQuery query(connection.db());
    query.setForwardOnly(true);
    if (!query.prepare(QStringLiteral(
            "SELECT w.Name, c.Clue FROM Clues c JOIN CrosswordID w ON w.CrossID = c.CrossID "
            "WHERE c.Answer = ? ORDER BY CAST(w.CrossID AS INTEGER) DESC, c.CluePos DESC")))
        return cannotRead(query.lastError());
    query.addBindValue(answer);
    if (!query.exec())
        return cannotRead(query.lastError());
    while (query.next())
        result.found << EarlierClue{query.value(0).toString(), query.value(1).toString()};
    if (query.lastError().isValid())
        return cannotRead(query.lastError());
    return result;
}
