#include "StorageDesk.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace StorageTestKit;

namespace {

const ClueEntry ant = clue(QStringLiteral("Small worker"), QStringLiteral("ANT"), 0, 0, 1, true);
const ClueEntry ape = clue(QStringLiteral("Big primate"), QStringLiteral("APE"), 0, 0, 1, false);
const ClueEntry tap = clue(QStringLiteral("Water source"), QStringLiteral("TAP"), 2, 0, 2, false);
const ClueEntry eel = clue(QStringLiteral("third"), QStringLiteral("EEL"), 0, 2, 3, true);
const ClueEntry pea = clue(QStringLiteral("Green seed"), QStringLiteral("PEA"), 2, 2, 4, false);

// Another crossword, opened and then extended, stands in memory and on the surface; a
// failed command must leave both exactly so.
struct Scene {
    Desk desk;
    PuzzleState before;
    QImage drawing;

    Scene()
    {
        desk.saveAs(crossword(5, 5, {ant, ape}), QStringLiteral("Shown"));
        desk.openNamed(QStringLiteral("Shown"));
        addClue(desk.state, tap);  // placed, not yet saved
        remember();
    }
    void remember()
    {
        before = desk.state;
        drawing = desk.surface.image();
        desk.ui.caption.reset();
        desk.ui.shown.clear();
        desk.ui.menuEnables = 0;
    }
    // "" when nothing changed and exactly one message naming `expected` was shown.
    QString unchangedButReported(const QString& expected) const
    {
        if (const QString field = difference(desk.state, before); !field.isEmpty())
            return QStringLiteral("memory changed: ") + field;
        if (desk.surface.image() != drawing)
            return QStringLiteral("the drawing changed");
        if (desk.ui.caption)
            return QStringLiteral("the caption changed to ") + *desk.ui.caption;
        if (desk.ui.menuEnables != 0)
            return QStringLiteral("menus were switched");
        const QStringList messages = desk.ui.messages();
        if (messages.size() != 1 || !messages.constFirst().contains(expected))
            return QStringLiteral("messages: ") + messages.join(QLatin1String(" / "));
        return {};
    }
};

}  // namespace

class StorageFaultsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Rows the editor could never have written; "Bad" is a 5 x 5 crossword of ANT and APE.
    void refusesAStoredCrosswordTheEditorCouldNotHaveMade_data()
    {
        QTest::addColumn<QStringList>("tamper");
        QTest::addColumn<QString>("reason");
        const QString bad = QStringLiteral("(SELECT CrossID FROM CrosswordID WHERE Name = 'Bad')");
        QTest::newRow("no columns")
            << QStringList{"UPDATE CrosswordID SET GridX = 0"} << "grid of 0 x 5 cells";
        QTest::newRow("31 rows") << QStringList{"UPDATE CrosswordID SET GridY = 31"}
                                 << "grid of 5 x 31 cells";
        QTest::newRow("a grid past 16 bits")
            << QStringList{"UPDATE CrosswordID SET GridX = 65541"} << "grid of 65541 x 5";
        QTest::newRow("grid size as text")
            << QStringList{"UPDATE CrosswordID SET GridY = 'five'"} << "field GridY";
        QTest::newRow("71 clues")
            << QStringList{"INSERT INTO Clues (CrossID, CluePos, Across, Clue, CluePosX, "
                           "CluePosY, Answer) WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
                           "SELECT i + 1 FROM n WHERE i < 69) SELECT " +
                           bad + ", 1, 1, 'again', 0, 0, 'ANT' FROM n"}
            << "it has 71 clues";
        QTest::newRow("an across answer past the last column")
            << QStringList{"UPDATE Clues SET CluePosX = 3 WHERE Answer = 'ANT'"}
            << "runs outside the 5 x 5 grid";
        QTest::newRow("a down answer past the last row")
            << QStringList{"UPDATE Clues SET CluePosY = 3 WHERE Answer = 'APE'"} << "runs outside";
        QTest::newRow("a negative column")
            << QStringList{"UPDATE Clues SET CluePosX = -1 WHERE Answer = 'APE'"}
            << "runs outside";
        QTest::newRow("the largest column the file can hold")
            << QStringList{"UPDATE Clues SET CluePosX = 9223372036854775807 WHERE Answer = 'ANT'"}
            << "runs outside";
        QTest::newRow("lower-case answer")
            << QStringList{"UPDATE Clues SET Answer = 'ant' WHERE Answer = 'ANT'"}
            << "answer \"ant\"";
        QTest::newRow("an answer with a digit")
            << QStringList{"UPDATE Clues SET Answer = 'A1T' WHERE Answer = 'ANT'"}
            << "answer \"A1T\"";
        QTest::newRow("an accented answer")
            << QStringList{"UPDATE Clues SET Answer = 'ANÉ' WHERE Answer = 'ANT'"}
            << "not made of the letters A to Z";
        QTest::newRow("number 0") << QStringList{"UPDATE Clues SET CluePos = 0"} << "number 0";
        QTest::newRow("a number past 16 bits")
            << QStringList{"UPDATE Clues SET CluePos = 32768"} << "number 32768";
        QTest::newRow("a fraction as number")
            << QStringList{"UPDATE Clues SET CluePos = 1.5"} << "field CluePos";
        QTest::newRow("text in Across")
            << QStringList{"UPDATE Clues SET Across = 'yes'"} << "field Across";
        QTest::newRow("a column as text")
            << QStringList{"UPDATE Clues SET CluePosX = 'left' WHERE Answer = 'APE'"}
            << "field CluePosX";
        QTest::newRow("a CrossID past 16 bits")
            << QStringList{"UPDATE Clues SET CrossID = 40000 WHERE CrossID = " + bad,
                           "UPDATE CrosswordID SET CrossID = 40000 WHERE Name = 'Bad'"}
            << "CrossID 40000";
    }
    void refusesAStoredCrosswordTheEditorCouldNotHaveMade()
    {
        QFETCH(QStringList, tamper);
        QFETCH(QString, reason);
        Scene scene;
        PuzzleState bad = crossword(5, 5, {ant, ape});
        scene.desk.saveAs(bad, QStringLiteral("Bad"));
        scene.desk.state = scene.before;
        {
            Peer peer(scene.desk.path);
            for (const QString& statement : tamper)
                QCOMPARE(peer.exec(statement), QString());
        }
        scene.remember();
        scene.desk.openNamed(QStringLiteral("Bad"));
        const QString problem = scene.unchangedButReported(reason);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY(scene.desk.ui.messages().constFirst().contains(QStringLiteral("\"Bad\"")));
    }

    void aTextFileChosenAsTheDatabaseIsReportedAndKept()
    {
        Scene scene;
        const QString path = scene.desk.dir.filePath(QStringLiteral("letter.txt"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("To whom it may concern,\n\nplease find the crossword enclosed.\n");
        }
        const QByteArray bytes = fileBytes(path);
        CrosswordDatabase text(path);
        CrosswordName dialog(text, scene.desk.ui);

        openCrossword(scene.desk.state, scene.desk.surface, scene.desk.ui, text, dialog);
        QString problem = scene.unchangedButReported(path);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QVERIFY(scene.desk.ui.messages().constFirst().contains(
            QStringLiteral("it is not a database file")));

        scene.desk.state.crosswordTitle.clear();  // a new crossword asks for its name first
        scene.desk.state.crosswordStored = false;
        scene.remember();
        saveCrossword(scene.desk.state, scene.desk.ui, text, dialog);
        problem = scene.unchangedButReported(QStringLiteral("not a database"));
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(scene.desk.ui.modalDialogs.size(), 2);  // the Scene's own two: no name asked
        QCOMPARE(fileBytes(path), bytes);
    }

    void aLockedFileChangesNothing()
    {
        Scene scene;
        Peer peer(scene.desk.path);
        QCOMPARE(peer.exec(QStringLiteral("BEGIN EXCLUSIVE")), QString());

        scene.desk.save();  // the unsaved clue TAP
        QString problem = scene.unchangedButReported(QStringLiteral("another program"));
        QVERIFY2(problem.isEmpty(), qPrintable(problem));

        scene.remember();
        scene.desk.open();
        problem = scene.unchangedButReported(QStringLiteral("another program"));
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(peer.exec(QStringLiteral("ROLLBACK")), QString());

        QCOMPARE(peer.count(QStringLiteral("Clues")), 2);
        scene.desk.save();
        QVERIFY(scene.desk.ui.messages().size() == 1);  // from before the lock went
        QCOMPARE(scene.desk.state.savedClueCount, 3);
        QCOMPARE(peer.count(QStringLiteral("Clues")), 3);
    }

    // The engine fails on the third clue row of the save: none of its rows stays.
    void aSaveThatFailsHalfwayStoresNothing_data()
    {
        QTest::addColumn<bool>("storedBefore");
        QTest::newRow("a new crossword") << false;
        QTest::newRow("clues added to a stored crossword") << true;
    }
    void aSaveThatFailsHalfwayStoresNothing()
    {
        QFETCH(bool, storedBefore);
        Scene scene;
        Peer peer(scene.desk.path);
        QCOMPARE(peer.exec(QStringLiteral("CREATE TRIGGER failing BEFORE INSERT ON Clues WHEN "
                                          "NEW.Clue = 'third' BEGIN SELECT RAISE(ABORT, "
                                          "'the disk gave up'); END")),
                 QString());
        if (!storedBefore) {
            scene.desk.state = crossword(5, 5, {ant, tap, eel, pea});
            scene.remember();
            scene.desk.willName(QStringLiteral("Never"));
        } else {
            addClue(scene.desk.state, eel);  // after TAP: the third unsaved row
            addClue(scene.desk.state, pea);
            scene.remember();
        }
        const QStringList crosswords = peer.rows(QStringLiteral("SELECT * FROM CrosswordID"));
        const QStringList clues = peer.rows(QStringLiteral("SELECT * FROM Clues"));

        scene.desk.save();
        const QString problem = scene.unchangedButReported(QStringLiteral("the disk gave up"));
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(peer.rows(QStringLiteral("SELECT * FROM CrosswordID")), crosswords);
        QCOMPARE(peer.rows(QStringLiteral("SELECT * FROM Clues")), clues);

        // Once the trouble is gone the same save goes through whole.
        QCOMPARE(peer.exec(QStringLiteral("DROP TRIGGER failing")), QString());
        if (!storedBefore)
            scene.desk.willName(QStringLiteral("Never"));
        scene.desk.save();
        QCOMPARE(scene.desk.state.savedClueCount, scene.desk.state.clueCount);
        QCOMPARE(peer.count(QStringLiteral("Clues")), storedBefore ? 5 : 6);
    }

    void aCrossIdPastSixteenBitsIsRefusedBeforeAnythingIsStored()
    {
        Scene scene;
        Peer peer(scene.desk.path);
        QCOMPARE(peer.exec(QStringLiteral("INSERT INTO CrosswordID (CrossID, Name, GridX, GridY) "
                                          "VALUES (32767, 'Last', 5, 5)")),
                 QString());
        scene.desk.state = crossword(5, 5, {ant});
        scene.remember();
        scene.desk.willName(QStringLiteral("One too many"));
        scene.desk.save();
        const QString problem = scene.unchangedButReported(QStringLiteral("32767"));
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        QCOMPARE(peer.count(QStringLiteral("CrosswordID")), 2);
        QCOMPARE(peer.count(QStringLiteral("Clues WHERE CrossID > 32767")), 0);
    }

    // Another program stores the same name while the dialog is open: the unique name
    // holds in the file, and the save is refused rather than doubled.
    void aNameTakenMeanwhileIsRefusedByTheFile()
    {
        Scene scene;
        scene.desk.state = crossword(5, 5, {ant});
        scene.remember();
        scene.desk.ui.dialogActions << [&](QDialog& shown) {
            Peer peer(scene.desk.path);
            peer.exec(
                QStringLiteral("INSERT INTO CrosswordID (Name, GridX, GridY) VALUES "
                               "('Raced', 9, 9)"));
            shown.findChild<QComboBox*>(QStringLiteral("xwordname"))
                ->setEditText(QStringLiteral("Raced"));
            shown.findChild<QPushButton*>(QStringLiteral("OK"))->click();
        };
        scene.desk.save();
        const QString problem = scene.unchangedButReported(QStringLiteral("already stored"));
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        Peer peer(scene.desk.path);
        QCOMPARE(peer.rows(QStringLiteral("SELECT GridX FROM CrosswordID WHERE Name = 'Raced'")),
                 QStringList{"9"});
    }
};

QUILLGRID_TEST(StorageFaultsTest);
#include "StorageFaultsTest.moc"
