#include "StorageDesk.h"
#include "support/TestRegistry.h"

#include <QFile>
#include <QTest>

using namespace StorageTestKit;

namespace {

const ClueEntry sun{"Star of the day", "SUN", 0, 0, 1, true};
const ClueEntry sea{"Salt water", "SEA", 0, 0, 1, false};
const ClueEntry nap{"Short sleep", "NAP", 2, 0, 2, false};
const ClueEntry ape{"Mimic", "APE", 0, 2, 3, true};

enum Meanwhile { Nothing, OtherWindowSaves, OlderCopyReplacesFile, Renamed, NameTakenAgain };

const QString changedText =
    "Ours was changed by another program since it was opened; nothing "
    "was saved. Open it again to see its clues.";

}  // namespace

class SaveAgainTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A stored crossword is opened (and in one row saved once more), another program acts
    // on the file, then a clue is added and saved. The save goes to the row the crossword
    // was opened as, and only when that row still holds what was opened or last saved;
    // otherwise nothing is written and the clues stay in memory.
    void resavesOnlyWhatWasOpened_data()
    {
        QTest::addColumn<int>("meanwhile");
        QTest::addColumn<bool>("saved");
        QTest::newRow("nothing") << int(Nothing) << true;
        QTest::newRow("a second window saved a clue too") << int(OtherWindowSaves) << false;
        QTest::newRow("the file replaced by an older copy") << int(OlderCopyReplacesFile) << false;
        QTest::newRow("renamed") << int(Renamed) << false;
        QTest::newRow("its name given to another, without the unique index")
            << int(NameTakenAgain) << true;
    }
    void resavesOnlyWhatWasOpened()
    {
        QFETCH(int, meanwhile);
        QFETCH(bool, saved);
        Desk desk;
        Peer peer(desk.path);
        if (meanwhile == NameTakenAgain) {
            QCOMPARE(peer.run(untypedTables + "INSERT INTO CrosswordID VALUES (1, 'Other', 5, 5)"),
                     QStringList());
        }
        desk.saveAs(crossword(5, 5, {sun}), "Ours");
        desk.openNamed("Ours");
        const QString older = desk.dir.filePath("older.mdb");
        QVERIFY(QFile::copy(desk.path, older));
        addClue(desk.state, sea);
        desk.save();  // the file now holds two rows, and the window knows it

        // A second window, with its own connection, on the same crossword.
        CrosswordDatabase otherDb(desk.path);
        ScriptedUi otherUi;
        CrosswordName otherDialog(otherDb, otherUi);
        PuzzleState other;
        willName(otherUi, "Ours");
        QVERIFY(openCrossword(other, otherUi, otherDb, otherDialog));
        addClue(other, nap);
        if (meanwhile == OtherWindowSaves)
            QVERIFY(saveCrossword(other, otherUi, otherDb, otherDialog));
        if (meanwhile == OlderCopyReplacesFile) {
            QVERIFY(QFile::remove(desk.path));
            QVERIFY(QFile::copy(older, desk.path));
        }
        if (meanwhile == Renamed)
            QCOMPARE(peer.run("UPDATE CrosswordID SET Name = 'Theirs' WHERE Name = 'Ours'"),
                     QStringList());
        if (meanwhile == NameTakenAgain)
            QCOMPARE(peer.run("UPDATE CrosswordID SET Name = 'Ours' WHERE Name = 'Other'"),
                     QStringList());
        const QStringList rowsBefore = peer.rows("SELECT * FROM Clues ORDER BY rowid");

        addClue(desk.state, ape);
        desk.remember();
        const bool stored = saveCrossword(desk.state, desk.ui, desk.db, desk.dialog);
        QCOMPARE(stored, saved);
        if (!saved) {
            QCOMPARE(desk.unchanged(changedText), QString());
            QCOMPARE(desk.ui.messages(), QStringList{changedText});
            QCOMPARE(peer.rows("SELECT * FROM Clues ORDER BY rowid"), rowsBefore);
            return;
        }
        const QString ours = QString::number(desk.state.storedCrossId);
        QCOMPARE(peer.rows("SELECT CrossID, Answer FROM Clues ORDER BY rowid"),
                 QStringList({ours + "|SUN", ours + "|SEA", ours + "|APE"}));
        QCOMPARE(peer.rows("SELECT Name FROM CrosswordID WHERE CrossID = " + ours),
                 QStringList{"Ours"});
    }

    // Where only clues were added, the save is the plain append of their rows: the file is
    // byte for byte the one those inserts alone make of it. Once a stored clue is edited,
    // the crossword's own rows are replaced and no other crossword's.
    void appendWritesOnlyTheNewRows()
    {
        Desk desk;
        desk.saveAs(crossword(5, 5, {sun}), "Ours");
        desk.saveAs(crossword(5, 5, {ape}), "Later");  // rows after ours
        const QString reference = desk.dir.filePath("reference.mdb");
        QVERIFY(QFile::copy(desk.path, reference));
        desk.openNamed("Ours");
        addClue(desk.state, sea);
        addClue(desk.state, nap);
        desk.save();
        QCOMPARE(desk.ui.messages(), QStringList());

        const Peer peer(reference);
        QCOMPARE(peer.run("BEGIN IMMEDIATE;"
                          "INSERT INTO Clues (CrossID, CluePos, Across, Clue, CluePosX, "
                          "CluePosY, Answer) VALUES (1, 1, 0, 'Salt water', 0, 0, 'SEA');"
                          "INSERT INTO Clues (CrossID, CluePos, Across, Clue, CluePosX, "
                          "CluePosY, Answer) VALUES (1, 2, 0, 'Short sleep', 2, 0, 'NAP');"
                          "COMMIT"),
                 QStringList());
        QCOMPARE(fileBytes(desk.path), fileBytes(reference));

        // An edited stored clue: our rows are replaced, in table order; Later's stay.
        desk.state.clueTable[0].clue = "Day star";
        desk.save();
        QCOMPARE(Peer(desk.path).rows("SELECT ClueRow, CrossID, Clue FROM Clues ORDER BY rowid"),
                 QStringList({"2|2|Mimic", "3|1|Day star", "4|1|Salt water", "5|1|Short sleep"}));
    }
};

QUILLGRID_TEST(SaveAgainTest);
#include "SaveAgainTest.moc"
