#include "StorageDesk.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace StorageTestKit;

namespace {

const ClueEntry sun{"Star of the day", "SUN", 2, 3, 1, true};
const ClueEntry star{"Night light", "STAR", 2, 3, 1, false};
const ClueEntry up{"Not down", "UP", 3, 3, 2, false};
const ClueEntry nap{"Short sleep", "NAP", 4, 3, 3, false};
const ClueEntry tea{"Brew", "TEA", 0, 0, 4, true};

}  // namespace

class OpenSaveTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A missing file is created empty. A crossword is stored without clues, opened, given
    // clues; another, named alike but for letter case, is stored meanwhile; more clues
    // follow. Each save appends only its new clues, field by field, under the crossword's
    // own CrossID; opening one after the other gets each back whole, in the order placed,
    // with nothing left of the other. Leaving the name dialog without a name keeps memory
    // as it was, unsaved clues included, and stores nothing.
    void savesAppendBatchesThatOpenWhole()
    {
        Desk desk;
        int listed = -1;
        desk.ui.dialogActions <<
            [&](QDialog& shown) { listed = shown.findChild<QComboBox*>("xwordname")->count(); };
        desk.open();
        QCOMPARE(listed, 0);
        QCOMPARE(desk.ui.title, std::optional<QString>(""));
        desk.state = crossword(10, 8, {});
        desk.remember();
        desk.save();  // the dialog is closed untouched
        QCOMPARE(desk.unchanged(), QString());
        desk.saveAs(crossword(10, 8, {}), "Batches");
        desk.state = PuzzleState();
        desk.openNamed("Batches");
        QCOMPARE(QSize(desk.state.xGridSize, desk.state.yGridSize), QSize(10, 8));
        QCOMPARE(desk.state.clueCount + desk.state.clueNumber, 0);
        for (const ClueEntry& entry : {sun, star, up})
            desk.state.fileClue(entry);
        desk.save();
        const PuzzleState firstPart = desk.state;
        PuzzleState far = crossword(30, 30, {tea});
        far.fileClue(ClueEntry{"Far corner", "ZZ", 28, 29, 5, true});  // both end at the edge
        far.fileClue(ClueEntry{"Far side", "ZZZ", 29, 27, 6, false});
        desk.saveAs(far, "batches");
        QVERIFY(desk.state.crosswordStored);
        QCOMPARE(desk.ui.title, std::optional<QString>("batches"));
        desk.state = firstPart;
        desk.state.fileClue(nap);
        desk.state.fileClue(tea);
        desk.remember();
        desk.open();
        QCOMPARE(desk.unchanged(), QString());
        desk.save();
        desk.save();  // nothing new
        const PuzzleState whole = desk.state;
        QCOMPARE(desk.ui.modalDialogs.size(), 6);  // no name asked for a stored crossword
        Peer peer(desk.path);
        QCOMPARE(
            peer.rows("SELECT w.CrossID, w.Name, w.GridX, w.GridY, c.CluePos, "
                      "c.Across, c.Clue, c.CluePosX, c.CluePosY, c.Answer FROM "
                      "Clues c JOIN CrosswordID w ON w.CrossID = c.CrossID "
                      "ORDER BY c.rowid"),
            QStringList(
                {"1|Batches|10|8|1|1|Star of the day|2|3|SUN",
                 "1|Batches|10|8|1|0|Night light|2|3|STAR", "1|Batches|10|8|2|0|Not down|3|3|UP",
                 "2|batches|30|30|4|1|Brew|0|0|TEA", "2|batches|30|30|5|1|Far corner|28|29|ZZ",
                 "2|batches|30|30|6|0|Far side|29|27|ZZZ",
                 "1|Batches|10|8|3|0|Short sleep|4|3|NAP", "1|Batches|10|8|4|1|Brew|0|0|TEA"}));

        QVERIFY(desk.db.storeClues("Batches ", QSize(1, 1), {}).ok());  // a name of its own
        std::vector<ClueEntry> most;
        for (qint16 number = 1; number <= Capacity::maxClues; ++number)
            most.push_back({"Most", "AB", 0, 0, number, true});
        QVERIFY(desk.db.storeClues("Most", QSize(2, 1), most).ok());  // as many as there may be
        // The last crossword number there is.
        QCOMPARE(peer.run("UPDATE Clues SET CrossID = 32767 WHERE CrossID = 2;"
                          "UPDATE CrosswordID SET CrossID = 32767 WHERE CrossID = 2"),
                 QStringList());
        desk.openNamed("Batches");
        desk.openNamed("batches");
        QCOMPARE(desk.state.clueTable, far.clueTable);
        desk.openNamed("Batches ");  // the smallest grid there is
        QCOMPARE(QSize(desk.state.xGridSize, desk.state.yGridSize), QSize(1, 1));
        desk.openNamed("Most");
        QCOMPARE(desk.state.clueCount, Capacity::maxClues);
        desk.openNamed("Batches");
        QVERIFY(desk.opened);
        QCOMPARE(desk.state.clueTable, whole.clueTable);
        QCOMPARE(desk.state.gridLetters, whole.gridLetters);
        QCOMPARE(desk.state.clueCount, 5);
        QCOMPARE(desk.state.clueNumber, 4);
        QCOMPARE(desk.state.savedClueCount, 5);
        QCOMPARE(desk.ui.title, std::optional<QString>("Batches"));
    }

    // Files made by other programs with the same tables and fields, each holding "Theirs"
    // as CrossID 4: it opens, takes a clue, and a new crossword is stored and opens too,
    // its name with a quote in it.
    void opensAndSavesFilesOtherProgramsMake_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("meanwhile");  // another program, while ours is named
        // "Theirs", its numbers as numbers or, as a spreadsheet's rows are brought in, text.
        const auto rows = [](const QString& q) {
            return QString(
                       "INSERT INTO CrosswordID VALUES (%1, 'Theirs', %2, %2);"
                       "INSERT INTO Clues VALUES (%1, %3, %3, 'Small worker', %4, %4, "
                       "'ANT'), (%1, %3, %4, 'Big primate', %4, %4, 'APE');")
                .arg(q + "4" + q, q + "5" + q, q + "1" + q, q + "0" + q);
        };
        const QString theirs = rows("");
        const QString asText = rows("'");
        // CrossID declared as `key`, the other numbers as `number`; Clues closed by `end`.
        const auto tables = [](const char* key, const char* number, const char* end = ")") {
            return QString(
                       "CREATE TABLE CrosswordID (CrossID %1, Name TEXT, GridX %2, GridY "
                       "%2); CREATE TABLE Clues (CrossID %2, CluePos %2, Across %2, Clue "
                       "TEXT, CluePosX %2, CluePosY %2, Answer TEXT%3;")
                .arg(key, number, end);
        };
        const auto row = [&](const char* name, const QString& script, const char* meanwhile = "") {
            QTest::newRow(name) << script << QString(meanwhile);
        };
        row("numbers as reals, CrossID not numbered by the file",
            tables("REAL PRIMARY KEY", "REAL") + theirs);
        row("numbers as text in text fields", tables("TEXT", "TEXT") + asText);
        row("untyped fields holding text", untypedTables + asText);
        row("CrossID without a type", untypedTables + theirs);
        row("CrossID a LONG PRIMARY KEY", tables("LONG PRIMARY KEY", "INTEGER") + theirs);
        row("names in lower case", tables("INTEGER PRIMARY KEY", "INTEGER").toLower() + theirs);
        row("Clues without a rowid",
            tables("INTEGER PRIMARY KEY AUTOINCREMENT", "INTEGER",
                   ", PRIMARY KEY (CrossID, CluePos, Across)) WITHOUT ROWID") +
                theirs);
        row("names not unique, and another program stores the same name meanwhile",
            tables("INTEGER PRIMARY KEY", "INTEGER") + theirs,
            "INSERT INTO CrosswordID (Name, GridX, GridY) VALUES ('It''s ours', 9, 9)");
    }
    void opensAndSavesFilesOtherProgramsMake()
    {
        QFETCH(QString, script);
        QFETCH(QString, meanwhile);
        Desk desk;
        QCOMPARE(Peer(desk.path).run(script), QStringList());
        desk.openNamed("Theirs");
        QCOMPARE(desk.state.clueCount, 2);
        desk.state.fileClue(tap);
        desk.save();
        desk.saveAs(crossword(5, 5, {tea}), "It's ours",
                    [&] { QCOMPARE(Peer(desk.path).run(meanwhile), QStringList()); });
        // The clue went under the row this save added, whatever else bears its name.
        QCOMPARE(Peer(desk.path).rows("SELECT w.GridX + 0, c.Answer FROM Clues c JOIN "
                                      "CrosswordID w ON w.CrossID = c.CrossID "
                                      "WHERE w.Name = 'It''s ours'"),
                 QStringList{"5|TEA"});
        desk.openNamed("Theirs");
        QCOMPARE(desk.state.clueCount, 3);
        QCOMPARE(desk.state.clueTable[2], tap);
        if (meanwhile.isEmpty()) {
            desk.openNamed("It's ours");
            QCOMPARE(desk.state.clueTable[0], tea);
        }
        QCOMPARE(desk.ui.messages(), QStringList());
    }
};

QUILLGRID_TEST(OpenSaveTest);
#include "OpenSaveTest.moc"
