#pragma once

#include "model/PuzzleState.h"
#include "storage/CrosswordDatabase.h"
#include "storage/CrosswordName.h"
#include "storage/OpenCrossword.h"
#include "storage/SaveCrossword.h"
#include "support/ScriptedUi.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <tuple>

// What the storage tests share: crosswords built straight into the model, the storage
// commands with everything real but the person, and a second connection to the file.
namespace StorageTestKit {

// Clues of a 5 x 5 crossword: ANT and APE from the top left corner, TAP down from the
// third column, EEL across the third row.
const ClueEntry ant{"Small worker", "ANT", 0, 0, 1, true};
const ClueEntry ape{"Big primate", "APE", 0, 0, 1, false};
const ClueEntry tap{"Water source", "TAP", 2, 0, 2, false};
const ClueEntry eel{"third", "EEL", 0, 2, 3, true};

inline PuzzleState crossword(int columns, int rows, const QList<ClueEntry>& clues)
{
    PuzzleState state;
    state.xGridSize = qint16(columns);
    state.yGridSize = qint16(rows);
    state.cellWidth = state.cellHeight = 20;
    // As the editor places them: in the table, letters in the grid, numbers counted.
    for (const ClueEntry& entry : clues)
        state.fileClue(entry);
    return state;
}

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The next showing of the name dialog: `meanwhile` (another program's doing), then `name`
// typed and Ok pressed.
inline void willName(ScriptedUi& ui, const QString& name,
                     const std::function<void()>& meanwhile = {})
{
    ui.dialogActions << [=](QDialog& shown) {
        if (meanwhile)
            meanwhile();
        QTest::keyClicks(shown.findChild<QComboBox*>("xwordname")->lineEdit(), name);
        shown.findChild<QPushButton*>("OK")->click();
    };
}

// Its own connection, as another program on the same file would have.
class Peer {
public:
    explicit Peer(const QString& path) : name_(QString::number(quintptr(this)))
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name_);
        db.setDatabaseName(path);
        db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=100");
        db.open();
    }
    ~Peer() { QSqlDatabase::removeDatabase(name_); }
    // Each row's values joined with "|"; a failed statement gives one "error: ..." row.
    QStringList rows(const QString& statement) const
    {
        QSqlQuery query(QSqlDatabase::database(name_, false));
        if (!query.exec(statement))
            return {"error: " + query.lastError().text()};
        QStringList result;
        while (query.next()) {
            QStringList values;
            for (int i = 0; i < query.record().count(); ++i)
                values << query.value(i).toString();
            result << values.join('|');
        }
        return result;
    }
    // Statements split at ";" that return no rows; what went wrong, if anything.
    QStringList run(const QString& script) const
    {
        QStringList errors;
        for (const QString& statement : script.split(';', Qt::SkipEmptyParts))
            errors << rows(statement);
        return errors;
    }

private:
    QString name_;
};

// The two tables as another program may declare them: no types, no index.
const QString untypedTables =
    "CREATE TABLE CrosswordID (CrossID PRIMARY KEY, Name, GridX, GridY);"
    "CREATE TABLE Clues (CrossID, CluePos, Across, Clue, CluePosX, CluePosY, Answer);";

// The storage commands on a database file in a fresh folder, with the real name dialog.
struct Desk {
    QTemporaryDir dir;
    QString path = dir.filePath("xword.mdb");
    CrosswordDatabase db{path};
    ScriptedUi ui;
    CrosswordName dialog{db, ui};
    PuzzleState state;
    PuzzleState before;
    bool opened = false;  // the main window then draws what was loaded

    bool save() { return saveCrossword(state, ui, db, dialog); }
    void open() { opened = openCrossword(state, ui, db, dialog); }
    void saveAs(const PuzzleState& crossword, const QString& name,
                const std::function<void()>& meanwhile = {})
    {
        state = crossword;
        willName(ui, name, meanwhile);
        save();
    }
    void openNamed(const QString& name)
    {
        willName(ui, name);
        open();
    }

    // Notes memory, and forgets what the user has seen so far.
    void remember()
    {
        before = state;
        opened = false;
        ui.title.reset();
        ui.shown.clear();
    }
    // "" when nothing changed since remember() and the user saw one message holding
    // `expected`, or none when `expected` is empty.
    QString unchanged(const QString& expected = {}) const
    {
        // Everything storage reads or writes; the clue dialog's scratch fields are not its
        // business.
        const auto fields = [](const PuzzleState& s) {
            return std::tie(s.clueTable, s.clueCount, s.clueNumber, s.crosswordTitle,
                            s.crosswordStored, s.xGridSize, s.yGridSize, s.cellWidth, s.cellHeight,
                            s.gridLetters, s.savedClueCount);
        };
        if (fields(state) != fields(before))
            return "memory changed";
        if (opened)
            return "reported as opened";
        if (ui.title)
            return "the title bar changed to " + *ui.title;
        const QStringList messages = ui.messages();
        if (expected.isEmpty() ? !messages.isEmpty()
                               : messages.size() != 1 || !messages[0].contains(expected))
            return "messages: " + messages.join(" / ");
        return {};
    }
};

}  // namespace StorageTestKit
