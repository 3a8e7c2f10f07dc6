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
const ClueEntry tap{"Water source", "TAP", 2, 0, 2, false};

PuzzleState sample()
{
    return crossword(10, 10, {sun, star, up});
}

}  // namespace

class OpenSaveTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A missing file is created empty. A crossword is stored without clues, opened, given
    // clues; another is stored meanwhile; more clues follow. Each save appends only its new
    // clues, field by field, under the crossword's own CrossID; opening one after the other
    // gets each back whole, in the order placed, with nothing left of the other.
    void savesAppendBatchesThatOpenWhole()
    {
        Desk desk;
        int listed = -1;
        desk.ui.dialogActions <<
            [&](QDialog& shown) { listed = shown.findChild<QComboBox*>("xwordname")->count(); };
        desk.open();
        QCOMPARE(listed, 0);
        desk.saveAs(crossword(10, 8, {}), "Batches");
        desk.state = PuzzleState();
        desk.openNamed("Batches");
        QCOMPARE(QSize(desk.state.xGridSize, desk.state.yGridSize), QSize(10, 8));
        QCOMPARE(desk.state.clueCount + desk.state.clueNumber, 0);
        for (const ClueEntry& entry : {sun, star, up})
            addClue(desk.state, entry);
        desk.save();
        const PuzzleState firstPart = desk.state;
        PuzzleState far = crossword(30, 30, {tea});
        addClue(far, ClueEntry{"Far corner", "ZZ", 28, 29, 5, true});  // both end at the edge
        addClue(far, ClueEntry{"Far side", "ZZZ", 29, 27, 6, false});
        desk.saveAs(far, "Far");
        QVERIFY(desk.state.crosswordStored);
        QCOMPARE(desk.ui.caption, std::optional<QString>("Quillgrid - Far"));
        desk.state = firstPart;
        addClue(desk.state, nap);
        addClue(desk.state, tea);
        desk.save();
        desk.save();  // nothing new
        const PuzzleState whole = desk.state;
        QCOMPARE(desk.ui.modalDialogs.size(), 4);  // no name asked for a stored crossword
        Peer peer(desk.path);
        QCOMPARE(
            peer.rows("SELECT w.CrossID, w.Name, w.GridX, w.GridY, c.CluePos, "
                      "c.Across, c.Clue, c.CluePosX, c.CluePosY, c.Answer FROM "
                      "Clues c JOIN CrosswordID w ON w.CrossID = c.CrossID "
                      "ORDER BY c.rowid"),
            QStringList(
                {"1|Batches|10|8|1|1|Star of the day|2|3|SUN",
                 "1|Batches|10|8|1|0|Night light|2|3|STAR", "1|Batches|10|8|2|0|Not down|3|3|UP",
                 "2|Far|30|30|4|1|Brew|0|0|TEA", "2|Far|30|30|5|1|Far corner|28|29|ZZ",
                 "2|Far|30|30|6|0|Far side|29|27|ZZZ", "1|Batches|10|8|3|0|Short sleep|4|3|NAP",
                 "1|Batches|10|8|4|1|Brew|0|0|TEA"}));

        // The last crossword number there is.
        for (const char* table : {"Clues", "CrosswordID"}) {
            QCOMPARE(
                peer.rows(QString("UPDATE %1 SET CrossID = 32767 WHERE CrossID = 2").arg(table)),
                QStringList());
        }
        desk.openNamed("Batches");
        desk.openNamed("Far");
        QCOMPARE(desk.state.clueTable, far.clueTable);
        desk.openNamed("Batches");
        QCOMPARE(desk.state.clueTable, whole.clueTable);
        QCOMPARE(desk.state.gridLetters, whole.gridLetters);
        QCOMPARE(desk.state.clueCount, 5);
        QCOMPARE(desk.state.clueNumber, 4);
        QCOMPARE(desk.state.savedClueCount, 5);
        QCOMPARE(desk.ui.caption, std::optional<QString>("Quillgrid - Batches"));
    }

    // Cells may be as small as a pixel; any smaller, the window is said to be too small.
    void opensWhereEachCellHasAPixel_data()
    {
        QTest::addColumn<QSize>("area");
        QTest::addColumn<bool>("opens");
        QTest::newRow("1 x 1 pixels a cell") << QSize(30, 20) << true;
        QTest::newRow("too narrow") << QSize(25, 20) << false;
        QTest::newRow("too low") << QSize(30, 15) << false;
    }
    void opensWhereEachCellHasAPixel()
    {
        QFETCH(QSize, area);
        QFETCH(bool, opens);
        Desk desk;
        desk.saveAs(sample(), "Small");
        desk.surface.setAreaSize(area);
        desk.state = PuzzleState();
        desk.remember();
        desk.openNamed("Small");
        if (opens)
            QCOMPARE(QSize(desk.state.cellWidth, desk.state.cellHeight), QSize(1, 1));
        else
            QCOMPARE(desk.unchanged("too small"), QString());
    }

    // Names are stored as given and found exactly.
    void namesThatDifferOnlySlightlyAreDifferentCrosswords_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::newRow("letter case") << QStringList{"Sunday", "SUNDAY"};
        QTest::newRow("a trailing blank") << QStringList{"Sunday", "Sunday "};
        QTest::newRow("blanks only, one and two") << QStringList{" ", "  "};
        QTest::newRow("a quote cannot break the query") << QStringList{"it's", "It's"};
    }
    void namesThatDifferOnlySlightlyAreDifferentCrosswords()
    {
        QFETCH(QStringList, names);
        const QString first = names[0];
        const QString second = names[1];
        Desk desk;
        desk.saveAs(crossword(6, 6, {sun}), first);
        desk.saveAs(crossword(9, 8, {tea}), second);
        QCOMPARE(desk.ui.messages(), QStringList());
        // The second save found its own new row, not the older one.
        QCOMPARE(Peer(desk.path).rows("SELECT w.Name, w.GridX, c.Answer FROM Clues c JOIN "
                                      "CrosswordID w ON w.CrossID = c.CrossID ORDER BY c.rowid"),
                 QStringList({first + "|6|SUN", second + "|9|TEA"}));

        desk.openNamed(first);
        QCOMPARE(desk.state.clueTable[0], sun);
        desk.openNamed(second);
        QCOMPARE(desk.state.clueTable[0], tea);
        QCOMPARE(desk.state.crosswordTitle, second);
    }

    // Leaving the name dialog without a name keeps memory and drawing as they were,
    // unsaved clues included, and stores nothing.
    void leavingTheNameDialogChangesNothing_data()
    {
        QTest::addColumn<bool>("stored");
        QTest::addColumn<bool>("opening");
        QTest::addColumn<QString>("caption");  // "": left alone
        QTest::newRow("open, never stored") << false << true << "Quillgrid";
        QTest::newRow("open, stored with unsaved clues") << true << true << "";
        QTest::newRow("save, never stored") << false << false << "";
    }
    void leavingTheNameDialogChangesNothing()
    {
        QFETCH(bool, stored);
        QFETCH(bool, opening);
        QFETCH(QString, caption);
        Desk desk;
        if (stored)
            desk.saveAs(sample(), "Kept");
        else
            desk.state = sample();
        addClue(desk.state, nap);
        desk.surface.fillBox({0, 0}, {50, 50}, Qt::red);
        desk.remember();

        opening ? desk.open() : desk.save();  // the dialog is closed untouched
        QCOMPARE(desk.ui.caption.value_or(""), caption);
        desk.ui.caption.reset();
        QCOMPARE(desk.unchanged(), QString());
        QCOMPARE(Peer(desk.path).count("Clues"), stored ? 3 : 0);
    }

    // Cell boxes, grey letter cells, a number where a clue starts, the letters.
    void drawsTheOpenedCrossword()
    {
        Desk desk;
        desk.saveAs(sample(), "Drawn");
        desk.surface.fillBox({0, 0}, {599, 399}, Qt::red);
        desk.openNamed("Drawn");
        // (600 - 20) / 10 by (400 - 10) / 10
        QCOMPARE(QSize(desk.state.cellWidth, desk.state.cellHeight), QSize(58, 39));

        const QImage& image = desk.surface.image();
        const auto cellRect = [&](int c, int r) { return QRect(10 + c * 58, 5 + r * 39, 58, 39); };
        const auto darkPixels = [&](QRect area) {
            int dark = 0;
            for (int x = area.left(); x <= area.right(); ++x) {
                for (int y = area.top(); y <= area.bottom(); ++y)
                    dark += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
            }
            return dark;
        };
        QCOMPARE(image.pixelColor(10, 5), QColor(Qt::black));
        QCOMPARE(image.pixelColor(5, 5), QColor(Qt::white));  // the old drawing is gone
        QCOMPARE(image.pixelColor(cellRect(0, 9).center()), ImageSurface::emptyCellFill);
        // (2,3) starts SUN and STAR, (3,3) starts UP, (4,3) and (2,4) only hold letters;
        // the number sits in the corner, left of where the letter begins.
        for (const QPoint cell : {QPoint(2, 3), QPoint(3, 3), QPoint(4, 3), QPoint(2, 4)}) {
            const QRect box = cellRect(cell.x(), cell.y());
            QCOMPARE(image.pixelColor(box.right() - 2, box.bottom() - 2), QColor(240, 240, 240));
            QVERIFY2(darkPixels(box.adjusted(20, 10, -20, -10)) > 10, "a letter is drawn");
            const int number = darkPixels(QRect(box.topLeft() + QPoint(1, 1), QSize(14, 9)));
            QCOMPARE(number > 0, cell.y() == 3 && cell.x() < 4);
        }
    }

    // Files made by other programs with the same tables and fields, each holding "Theirs"
    // as CrossID 4: it opens, takes a clue, and a new crossword is stored and opens too.
    void opensAndSavesFilesOtherProgramsMake_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("meanwhile");  // another program, while "Ours" is named
        const QString theirs =
            "INSERT INTO CrosswordID (CrossID, Name, GridX, GridY) VALUES (4, 'Theirs', 5, 5);"
            "INSERT INTO Clues (CrossID, CluePos, Across, Clue, CluePosX, CluePosY, Answer) "
            "VALUES (4, 1, 1, 'Small worker', 0, 0, 'ANT'), (4, 1, 0, 'Big primate', 0, 0, "
            "'APE');";
        const QString imported =
            ".import --csv %1 \"|printf 'CrossID,Name,GridX,GridY\\n4,Theirs,5,5\\n'\" "
            "CrosswordID\n.import --csv %1 \"|printf 'CrossID,CluePos,Across,Clue,CluePosX,"
            "CluePosY,Answer\\n4,1,1,Small worker,0,0,ANT\\n4,1,0,Big primate,0,0,APE\\n'\" "
            "Clues\n";
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
        row("numbers as text, in tables made by .import", imported.arg(""));
        row("untyped fields filled by .import", untypedTables + "\n" + imported.arg("--skip 1"));
        row("CrossID without a type", untypedTables + theirs);
        row("CrossID a LONG PRIMARY KEY", tables("LONG PRIMARY KEY", "INTEGER") + theirs);
        row("names in lower case", tables("INTEGER PRIMARY KEY", "INTEGER").toLower() + theirs);
        row("Clues without a rowid",
            tables("INTEGER PRIMARY KEY AUTOINCREMENT", "INTEGER",
                   ", PRIMARY KEY (CrossID, CluePos, Across)) WITHOUT ROWID") +
                theirs);
        row("names not unique, and another program stores the same name meanwhile",
            tables("INTEGER PRIMARY KEY", "INTEGER") + theirs,
            "INSERT INTO CrosswordID (Name, GridX, GridY) VALUES ('Ours', 9, 9)");
    }
    void opensAndSavesFilesOtherProgramsMake()
    {
        QFETCH(QString, script);
        QFETCH(QString, meanwhile);
        Desk desk;
        QCOMPARE(sqlite3(desk.path, script), QString());
        desk.openNamed("Theirs");
        QCOMPARE(desk.state.clueCount, 2);
        addClue(desk.state, tap);
        desk.save();
        desk.state = crossword(5, 5, {tea});
        desk.ui.dialogActions << [&](QDialog& shown) {
            if (!meanwhile.isEmpty())
                QCOMPARE(Peer(desk.path).rows(meanwhile), QStringList());
            confirmName(shown, "Ours");
        };
        desk.save();
        // The clue went under the row this save added, whatever else bears its name.
        QCOMPARE(Peer(desk.path).rows("SELECT w.GridX + 0, c.Answer FROM Clues c JOIN "
                                      "CrosswordID w ON w.CrossID = c.CrossID "
                                      "WHERE w.Name = 'Ours'"),
                 QStringList{"5|TEA"});
        desk.openNamed("Theirs");
        QCOMPARE(desk.state.clueCount, 3);
        QCOMPARE(desk.state.clueTable[2], tap);
        if (meanwhile.isEmpty()) {
            desk.openNamed("Ours");
            QCOMPARE(desk.state.clueTable[0], tea);
        }
        QCOMPARE(desk.ui.messages(), QStringList());
    }

    void loadingACrosswordUsesTheIndex()
    {
        Desk desk;
        const auto plan = desk.db.clueQueryPlan();
        QVERIFY2(plan.ok(), qPrintable(plan.error()));
        const QString steps = plan.value().join('\n');
        QVERIFY2(steps.contains("USING INDEX CluesCrossID (CrossID=?)"), qPrintable(steps));
        // Neither a pass over every row nor a sort of the crossword's rows.
        QVERIFY2(!steps.contains("SCAN") && !steps.contains("TEMP B-TREE"), qPrintable(steps));
    }
};

QUILLGRID_TEST(OpenSaveTest);
#include "OpenSaveTest.moc"
