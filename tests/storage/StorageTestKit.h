#pragma once

#include "model/PuzzleState.h"

#include <QFile>
#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>

#include <memory>

// What the storage tests share: crosswords built straight into the model, and a second,
// independent connection to look into (or tamper with) a database file.
namespace StorageTestKit {

inline ClueEntry clue(const QString& text, const QString& answer, int x, int y, int number,
                      bool across)
{
    return ClueEntry{text, answer, qint16(x), qint16(y), qint16(number), across};
}

inline void addClue(PuzzleState& state, const ClueEntry& entry)
{
    state.clueTable[state.clueCount++] = entry;
    for (int k = 0; k < entry.answer.size(); ++k) {
        const int c = entry.across ? entry.x + k : entry.x;
        const int r = entry.across ? entry.y : entry.y + k;
        state.gridLetters[c][r] = entry.answer.at(k);
    }
    state.clueNumber = std::max(state.clueNumber, entry.number);
}

// A crossword as the editor would leave it: the clues in the table, their letters in the
// grid, the highest number handed out.
inline PuzzleState crossword(int columns, int rows, const QList<ClueEntry>& clues)
{
    PuzzleState state;
    state.xGridSize = qint16(columns);
    state.yGridSize = qint16(rows);
    state.cellWidth = 20;
    state.cellHeight = 20;
    for (const ClueEntry& entry : clues)
        addClue(state, entry);
    return state;
}

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// Its own connection, as another program on the same file would have.
class Peer {
public:
    explicit Peer(const QString& path) : name_(QStringLiteral("peer-%1").arg(++peerCount()))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=100"));
        db.open();
    }
    ~Peer()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(name_, false);
            db.close();
        }
        QSqlDatabase::removeDatabase(name_);
    }
    Peer(const Peer&) = delete;
    Peer& operator=(const Peer&) = delete;

    QSqlDatabase db() const { return QSqlDatabase::database(name_, false); }

    // Runs a statement; an empty string means it worked, otherwise the engine's words.
    QString exec(const QString& statement) const
    {
        QSqlQuery query(db());
        return query.exec(statement) ? QString() : query.lastError().text();
    }

    // The rows of a query, each row's values joined with "|".
    QStringList rows(const QString& statement) const
    {
        QSqlQuery query(db());
        QStringList result;
        if (!query.exec(statement))
            return {QStringLiteral("error: ") + query.lastError().text()};
        while (query.next()) {
            QStringList values;
            for (int i = 0; i < query.record().count(); ++i)
                values << query.value(i).toString();
            result << values.join(QLatin1Char('|'));
        }
        return result;
    }

    qint64 count(const QString& table) const
    {
        const QStringList result = rows(QStringLiteral("SELECT count(*) FROM ") + table);
        return result.isEmpty() ? -1 : result.constFirst().toLongLong();
    }

private:
    static int& peerCount()
    {
        static int peers = 0;
        return peers;
    }
    QString name_;
};

}  // namespace StorageTestKit
