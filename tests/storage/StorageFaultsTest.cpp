#include "StorageDesk.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace StorageTestKit;

namespace {

const ClueEntry pea{"Green seed", "PEA", 2, 2, 4, false};

// Puts in the database's place a text file (""), a file made by `script`, or, for
// "damaged", the file with three pages more of clues of "Bad", the first of them then
// overwritten.
void replaceFile(Desk& desk, const QString& script)
{
    QFile file(desk.path);
    if (script != "damaged") {
        QVERIFY(file.remove());
        if (script.isEmpty()) {
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("Dear diary,\n") &&
                    file.flush());
        }
        QCOMPARE(Peer(desk.path).run(script), QStringList());
        return;
    }
    std::vector<ClueEntry> clues;
    for (const qint16 row : {0, 1, 2})
        clues.push_back(ClueEntry{QString(3000, u'a'), "ANT", 0, row, qint16(row + 1), true});
    QVERIFY(desk.db.storeClues("Bad", std::nullopt, clues).ok());
    const QStringList page = Peer(desk.path).rows(
        "SELECT pageno, (SELECT page_size FROM pragma_page_size) FROM dbstat "
        "WHERE name = 'Clues' AND pagetype = 'leaf' ORDER BY path LIMIT 1");
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.seek((page.value(0).section('|', 0, 0).toLongLong() - 1) *
                      page.value(0).section('|', 1).toLongLong()));
    QCOMPARE(file.write(QByteArray(64, '\xff')), 64);
}

}  // namespace

class StorageFaultsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Opening: rows the editor could never have written ("Bad" is a 5 x 5 crossword of ANT
    // and APE). Saving: another program changes
    // the file while the name dialog is open, and the save fails at its start or part way.
    // A file that is no crossword database, or one found damaged: both fail, as nothing is
    // written where damage may spread. None changes memory or the file, nor leaves it locked.
    void aFailedCommandChangesNothing_data()
    {
        QTest::addColumn<QString>("command");  // open, save, or "file": open, then save
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("reason");
        const QString bad = "(SELECT CrossID FROM CrosswordID WHERE Name = 'Bad')";
        const auto add = [](const char* command, const char* name, const QString& change,
                            const char* reason) {
            QTest::newRow(name) << QString(command) << change << QString(reason);
        };
        const auto row = [&](const char* name, const QString& change, const char* reason) {
            add("open", name, change, reason);
        };
        row("no columns", "UPDATE CrosswordID SET GridX = 0", "grid of 0 x 5 cells");
        row("31 rows", "UPDATE CrosswordID SET GridY = 31", "grid of 5 x 31 cells");
        row("past 16 bits", "UPDATE CrosswordID SET GridX = 65541", "grid of 65541 x 5");
        row("grid size as text", "UPDATE CrosswordID SET GridY = 'five'", "field GridY");
        row("1,000 clues",
            "INSERT INTO Clues (CrossID, CluePos, Across, Clue, CluePosX, CluePosY, Answer) "
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 998) "
            "SELECT " +
                bad + ", 1, 1, 'again', 0, 0, 'ANT' FROM n",
            "it has 1000 clues");
        row("across, past the last column", "UPDATE Clues SET CluePosX = 3 WHERE Answer = 'ANT'",
            "runs outside the 5 x 5 grid");
        row("down, past the last row", "UPDATE Clues SET CluePosY = 3 WHERE Answer = 'APE'",
            "clue 2 is damaged: its answer \"APE\" at column 0, row 3 runs outside");
        row("a negative column", "UPDATE Clues SET CluePosX = -1 WHERE Answer = 'APE'",
            "runs outside");
        row("across, below the last row", "UPDATE Clues SET CluePosY = 5 WHERE Answer = 'ANT'",
            "runs outside");
        row("down, right of the grid", "UPDATE Clues SET CluePosX = 5 WHERE Answer = 'APE'",
            "runs outside");
        row("the largest column", "UPDATE Clues SET CluePosX = 9223372036854775807", "outside");
        row("lower-case answer", "UPDATE Clues SET Answer = 'ant'", "answer \"ant\"");
        row("number 0", "UPDATE Clues SET CluePos = 0", "number 0");
        row("a number past 16 bits", "UPDATE Clues SET CluePos = 32768", "number 32768");
        row("a fraction as number", "UPDATE Clues SET CluePos = 1.5", "field CluePos");
        row("text in Across", "UPDATE Clues SET Across = 'yes'", "field Across");
        row("a column as text", "UPDATE Clues SET CluePosX = 'left'", "field CluePosX");
        row("a CrossID past 16 bits",
            "UPDATE Clues SET CrossID = 40000 WHERE CrossID = " + bad +
                ";UPDATE CrosswordID SET CrossID = 40000 WHERE Name = 'Bad'",
            "CrossID 40000");
        row("a CrossID of 0",
            "UPDATE Clues SET CrossID = 0 WHERE CrossID = " + bad +
                ";UPDATE CrosswordID SET CrossID = 0 WHERE Name = 'Bad'",
            "CrossID 0 is below 1");
        const auto save = [&](const char* name, const char* meanwhile, const char* reason) {
            add("save", name, meanwhile, reason);
        };
        save("the engine fails on the third clue row",
             "CREATE TRIGGER failing BEFORE INSERT ON Clues WHEN NEW.Clue = 'third' "
             "BEGIN SELECT RAISE(ABORT, 'the disk gave up'); END",
             "the disk gave up");
        save("the last CrossID is taken",
             "INSERT INTO CrosswordID (CrossID, Name, GridX, GridY) VALUES (32767, 'L', 5, 5)",
             "CrossID 32768 is past 32767");
        save("the file is locked", "BEGIN EXCLUSIVE", "another program");
        save("the name is taken",
             "INSERT INTO CrosswordID (Name, GridX, GridY) VALUES ('New', 9, 9)",
             "a crossword named \"New\" is already stored");
        add("file", "a text file", "", "it is not a database file");
        add("file", "an SQLite file of something else", "CREATE TABLE Recipes (Title)",
            "it has no table CrosswordID");
        add("file", "a clue field is missing",
            "CREATE TABLE CrosswordID (CrossID, Name, GridX, GridY);"
            "CREATE TABLE Clues (CrossID, CluePos, Across, Clue, CluePosX, CluePosY)",
            "its table Clues has no field Answer");
        add("file", "a damaged page among the clue rows of \"Bad\"", "damaged",
            "the file is damaged");
    }
    void aFailedCommandChangesNothing()
    {
        QFETCH(QString, command);
        QFETCH(QString, change);
        QFETCH(QString, reason);
        Desk desk;
        desk.saveAs(crossword(5, 5, {ant, ape}), "Bad");
        // A crossword opened and then extended stands in memory: a failed command must leave
        // it exactly so.
        desk.saveAs(crossword(5, 5, {ant, ape}), "Shown");
        desk.openNamed("Shown");
        desk.state.fileClue(tap);  // placed, not yet saved
        desk.remember();
        Peer peer(desk.path);
        QByteArray bytes;
        const auto changeFile = [&] {
            if (command == "file")
                replaceFile(desk, change);
            else  // a trigger holds a ";" of its own
                QCOMPARE(command == "save" ? peer.rows(change) : peer.run(change), QStringList());
            bytes = fileBytes(desk.path);
        };
        if (command == "save") {
            desk.state = crossword(5, 5, {ant, tap, eel, pea});
            desk.remember();
            desk.saveAs(desk.state, "New", changeFile);
        } else {
            changeFile();
            desk.openNamed("Bad");  // the dialog shows only where the names can be read
        }
        QCOMPARE(desk.unchanged(reason), QString());
        QVERIFY(desk.ui.messages()[0].contains(command == "open" ? "\"Bad\"" : desk.path));
        if (command == "file") {
            // Saved again (TAP appended to "Shown") and, where even the names cannot be read,
            // saved for the first time: neither may tell its caller that it was saved.
            const auto refused = [&](const PuzzleState& shown) {
                desk.state = shown;
                desk.remember();
                QVERIFY(!desk.save());
                QCOMPARE(desk.unchanged(reason), QString());
            };
            refused(desk.state);
            if (change != "damaged")
                refused(crossword(5, 5, {eel}));
        }
        QCOMPARE(fileBytes(desk.path), bytes);
        QCOMPARE(desk.ui.modalDialogs.size(), command == "file" && change != "damaged" ? 3 : 4);
        // Nothing is left half done: once the lock is gone, another program may write.
        peer.rows("ROLLBACK");
        QCOMPARE(peer.rows("BEGIN IMMEDIATE"), QStringList());
    }
};

QUILLGRID_TEST(StorageFaultsTest);
#include "StorageFaultsTest.moc"
