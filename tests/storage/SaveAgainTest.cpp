#include "StorageDesk.h"
#include "support/TestRegistry.h"

#include <QFile>
#include <QTest>

using namespace StorageTestKit;

namespace {

enum Meanwhile { Nothing, OtherWindowSaves, OlderCopyReplacesFile, Renamed, NameTakenAgain };

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
        desk.saveAs(crossword(5, 5, {ant}), "Ours");
        desk.openNamed("Ours");
        const QString older = desk.dir.filePath("older.mdb");
        QVERIFY(QFile::copy(desk.path, older));
        desk.state.fileClue(ape);
        desk.save();  // the file now holds two rows, and the window knows it

        // A second window, with its own connection, on the same crossword.
        CrosswordDatabase otherDb(desk.path);
        ScriptedUi otherUi;
        CrosswordName otherDialog(otherDb, otherUi);
        PuzzleState other;
        willName(otherUi, "Ours");
        QVERIFY(openCrossword(other, otherUi, otherDb, otherDialog));
        other.fileClue(tap);
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

        desk.state.fileClue(eel);
        desk.remember();
        const bool stored = saveCrossword(desk.state, desk.ui, desk.db, desk.dialog);
        QCOMPARE(stored, saved);
        if (!saved) {
            QCOMPARE(desk.unchanged("Ours was changed by another program"), QString());
            QCOMPARE(peer.rows("SELECT * FROM Clues ORDER BY rowid"), rowsBefore);
            return;
        }
        const QString ours = QString::number(desk.state.storedCrossId);
        QCOMPARE(peer.rows("SELECT CrossID, Answer FROM Clues ORDER BY rowid"),
                 QStringList({ours + "|ANT", ours + "|APE", ours + "|EEL"}));
        QCOMPARE(peer.rows("SELECT Name FROM CrosswordID WHERE CrossID = " + ours),
                 QStringList{"Ours"});
    }

    // Where only clues were added, the save is the plain append of their rows: the file is
    // byte for byte the one those inserts alone make of it. Once a stored clue is edited,
    // the crossword's own rows are replaced and no other crossword's.
    void appendWritesOnlyTheNewRows()
    {
        Desk desk;
        desk.saveAs(crossword(5, 5, {ant}), "Ours");
        desk.saveAs(crossword(5, 5, {eel}), "Later");  // rows after ours
        const QString reference = desk.dir.filePath("reference.mdb");
        QVERIFY(QFile::copy(desk.path, reference));
        desk.openNamed("Ours");
        desk.state.fileClue(ape);
        desk.state.fileClue(tap);
        desk.save();
        QCOMPARE(desk.ui.messages(), QStringList());

        const Peer peer(reference);
        QCOMPARE(peer.run("BEGIN IMMEDIATE;"
                          "INSERT INTO Clues (CrossID, CluePos, Across, Clue, CluePosX, "
                          "CluePosY, Answer) VALUES (1, 1, 0, 'Big primate', 0, 0, 'APE');"
                          "INSERT INTO Clues (CrossID, CluePos, Across, Clue, CluePosX, "
                          "CluePosY, Answer) VALUES (1, 2, 0, 'Water source', 2, 0, 'TAP');"
                          "COMMIT"),
                 QStringList());
        QCOMPARE(fileBytes(desk.path), fileBytes(reference));

        // An edited stored clue: our rows are replaced, in table order; Later's stay.
        desk.state.clueTable[0].clue = "Day star";
        desk.save();
        QCOMPARE(
            Peer(desk.path).rows("SELECT ClueRow, CrossID, Clue FROM Clues ORDER BY rowid"),
            QStringList({"2|2|third", "3|1|Day star", "4|1|Big primate", "5|1|Water source"}));
    }
};

QUILLGRID_TEST(SaveAgainTest);
#include "SaveAgainTest.moc"
