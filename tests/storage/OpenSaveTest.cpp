#include "StorageDesk.h"
#include "editing/NewCrossword.h"
#include "support/TestRegistry.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

using namespace StorageTestKit;

namespace {

const ClueEntry sun =
    clue(QStringLiteral("Star of the day"), QStringLiteral("SUN"), 2, 3, 1, true);
const ClueEntry star = clue(QStringLiteral("Night light"), QStringLiteral("STAR"), 2, 3, 1, false);
const ClueEntry up = clue(QStringLiteral("Not down"), QStringLiteral("UP"), 3, 3, 2, false);
const ClueEntry nap = clue(QStringLiteral("Short sleep"), QStringLiteral("NAP"), 4, 3, 3, false);
const ClueEntry tea = clue(QStringLiteral("Brew"), QStringLiteral("TEA"), 0, 0, 4, true);

PuzzleState sample()
{
    return crossword(10, 10, {sun, star, up});
}

}  // namespace

class OpenSaveTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void anEmptyDatabaseListsNothingAndTakesAFirstSave()
    {
        Desk desk;
        int listed = -1;
        desk.ui.dialogActions << [&](QDialog& shown) {
            listed = shown.findChild<QComboBox*>(QStringLiteral("xwordname"))->count();
            // Nothing can be confirmed for opening: Ok does nothing, cancel is the way out.
            shown.findChild<QPushButton*>(QStringLiteral("OK"))->click();
            QVERIFY(!static_cast<CrosswordName&>(shown).chosen());
        };
        desk.open();
        QCOMPARE(listed, 0);
        QCOMPARE(desk.ui.caption, std::optional<QString>(QStringLiteral("Quillgrid")));

        desk.saveAs(sample(), QStringLiteral("First"));
        QVERIFY2(desk.ui.messages().isEmpty(), qPrintable(desk.ui.messages().join('\n')));
        QCOMPARE(desk.ui.caption, std::optional<QString>(QStringLiteral("Quillgrid - First")));
        QCOMPARE(desk.state.crosswordTitle, QStringLiteral("First"));
        QVERIFY(desk.state.crosswordStored);
        QCOMPARE(desk.state.savedClueCount, 3);

        Peer peer(desk.path);
        QCOMPARE(peer.rows(QStringLiteral("SELECT Name, GridX, GridY FROM CrosswordID")),
                 QStringList{QStringLiteral("First|10|10")});
        // Every clue row carries the CrossID the engine gave the crossword, field by field.
        QCOMPARE(peer.rows(QStringLiteral(
                     "SELECT c.CluePos, c.Across, c.Clue, c.CluePosX, c.CluePosY, c.Answer "
                     "FROM Clues c JOIN CrosswordID w ON w.CrossID = c.CrossID ORDER BY c.rowid")),
                 QStringList({"1|1|Star of the day|2|3|SUN", "1|0|Night light|2|3|STAR",
                              "2|0|Not down|3|3|UP"}));
    }

    void aCrosswordWithoutCluesIsStoredAndExtendedLater()
    {
        Desk desk;
        desk.saveAs(crossword(7, 4, {}), QStringLiteral("Empty"));
        QVERIFY(desk.state.crosswordStored);
        Peer peer(desk.path);
        QCOMPARE(peer.count(QStringLiteral("CrosswordID")), 1);
        QCOMPARE(peer.count(QStringLiteral("Clues")), 0);

        desk.state = PuzzleState();
        desk.openNamed(QStringLiteral("Empty"));
        QCOMPARE(desk.state.xGridSize, 7);
        QCOMPARE(desk.state.yGridSize, 4);
        QCOMPARE(desk.state.clueCount, 0);
        QCOMPARE(desk.state.clueNumber, 0);

        addClue(desk.state, tea);
        desk.save();
        QCOMPARE(desk.ui.modalDialogs.size(), 2);  // no name asked for a stored crossword
        QCOMPARE(peer.rows(QStringLiteral("SELECT Answer FROM Clues")), QStringList{"TEA"});
    }

    void savingAgainWithoutNewCluesAddsNothing()
    {
        Desk desk;
        desk.saveAs(sample(), QStringLiteral("Once"));
        desk.ui.caption.reset();
        desk.save();
        Peer peer(desk.path);
        QCOMPARE(peer.count(QStringLiteral("CrosswordID")), 1);
        QCOMPARE(peer.count(QStringLiteral("Clues")), 3);
        QCOMPARE(desk.ui.caption, std::optional<QString>(QStringLiteral("Quillgrid - Once")));
        QCOMPARE(desk.ui.modalDialogs.size(), 1);
    }

    // Saved, another crossword saved, more clues placed, saved again: opening gets back
    // both batches in the order they were placed, and the highest number.
    void twoBatchesOpenInOrder()
    {
        Desk desk;
        desk.saveAs(sample(), QStringLiteral("Batches"));
        const PuzzleState firstPart = desk.state;
        desk.saveAs(crossword(5, 5, {tea}), QStringLiteral("Between"));

        desk.state = firstPart;
        addClue(desk.state, nap);
        addClue(desk.state, tea);
        desk.save();
        const PuzzleState whole = desk.state;
        Peer peer(desk.path);
        QCOMPARE(peer.rows(QStringLiteral("SELECT CrossID FROM Clues WHERE Answer IN "
                                          "('NAP', 'TEA') ORDER BY rowid")),
                 QStringList({"2", "1", "1"}));

        desk.state = crossword(3, 3, {});
        desk.openNamed(QStringLiteral("Batches"));
        QCOMPARE(desk.state.clueCount, 5);
        for (int i = 0; i < whole.clueCount; ++i)
            QCOMPARE(desk.state.clueTable[i], whole.clueTable[i]);
        QCOMPARE(desk.state.gridLetters, whole.gridLetters);
        QCOMPARE(desk.state.clueNumber, 4);
        QCOMPARE(desk.state.savedClueCount, 5);
        QVERIFY(desk.state.crosswordStored);
        QCOMPARE(desk.ui.caption, std::optional<QString>(QStringLiteral("Quillgrid - Batches")));
    }

    void namesThatDifferOnlySlightlyAreDifferentCrosswords_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("letter case") << "Sunday"
                                     << "SUNDAY";
        QTest::newRow("a trailing blank") << "Sunday"
                                          << "Sunday ";
        QTest::newRow("blanks only, one and two") << " "
                                                  << "  ";
    }
    void namesThatDifferOnlySlightlyAreDifferentCrosswords()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        Desk desk;
        desk.saveAs(crossword(6, 6, {sun}), first);
        desk.saveAs(crossword(9, 8, {tea}), second);
        QVERIFY2(desk.ui.messages().isEmpty(), qPrintable(desk.ui.messages().join('\n')));
        // The second save found its own new row, not the older one.
        Peer peer(desk.path);
        QCOMPARE(peer.rows(QStringLiteral("SELECT w.GridX, c.Answer FROM Clues c JOIN "
                                          "CrosswordID w ON w.CrossID = c.CrossID ORDER BY "
                                          "c.rowid")),
                 QStringList({"6|SUN", "9|TEA"}));

        desk.openNamed(first);
        QCOMPARE(desk.state.xGridSize, 6);
        QCOMPARE(desk.state.clueTable[0].answer, QStringLiteral("SUN"));
        desk.openNamed(second);
        QCOMPARE(desk.state.xGridSize, 9);
        QCOMPARE(desk.state.clueTable[0].answer, QStringLiteral("TEA"));
        QCOMPARE(desk.state.crosswordTitle, second);
    }

    void openingBLeavesNothingOfA()
    {
        Desk desk;
        PuzzleState a = crossword(30, 30, {sun, star, up, nap, tea});
        addClue(a, clue(QStringLiteral("Far corner"), QStringLiteral("ZZ"), 28, 29, 5, true));
        desk.saveAs(a, QStringLiteral("A"));
        desk.saveAs(
            crossword(5, 5, {clue(QStringLiteral("Bee"), QStringLiteral("BEE"), 0, 0, 1, true)}),
            QStringLiteral("B"));
        desk.openNamed(QStringLiteral("A"));
        desk.openNamed(QStringLiteral("B"));

        QCOMPARE(desk.state.clueCount, 1);
        QCOMPARE(desk.state.clueNumber, 1);
        int letters = 0;
        for (const auto& column : desk.state.gridLetters) {
            for (const QString& cell : column)
                letters += cell.isEmpty() ? 0 : 1;
        }
        QCOMPARE(letters, 3);
        for (int i = 1; i < Capacity::clueSlots; ++i)
            QVERIFY(desk.state.clueTable[i].answer.isEmpty());
    }

    void aNewCrosswordAfterOpenIsStoredWhole()
    {
        Desk desk;
        desk.saveAs(sample(), QStringLiteral("Old"));
        desk.openNamed(QStringLiteral("Old"));
        desk.ui.promptReplies = {QStringLiteral("8"), QStringLiteral("6")};
        newCrossword(desk.state, desk.surface, desk.ui);
        addClue(desk.state, sun);
        addClue(desk.state, up);
        desk.willName(QStringLiteral("New"));
        desk.save();

        Peer peer(desk.path);
        QCOMPARE(peer.rows(QStringLiteral("SELECT w.Name, w.GridX, w.GridY, c.Answer FROM Clues "
                                          "c JOIN CrosswordID w ON w.CrossID = c.CrossID WHERE "
                                          "w.Name = 'New' ORDER BY c.rowid")),
                 QStringList({"New|8|6|SUN", "New|8|6|UP"}));
        QCOMPARE(peer.count(QStringLiteral("Clues")), 5);
    }

    // Cancelling keeps whatever is in memory, unsaved clues and drawing included.
    void cancellingOpenChangesNothing_data()
    {
        QTest::addColumn<bool>("storedBefore");
        QTest::addColumn<std::optional<QString>>("caption");
        QTest::newRow("never stored") << false << std::optional<QString>("Quillgrid");
        QTest::newRow("stored, with unsaved clues") << true << std::optional<QString>();
    }
    void cancellingOpenChangesNothing()
    {
        QFETCH(bool, storedBefore);
        QFETCH(std::optional<QString>, caption);
        Desk desk;
        if (storedBefore)
            desk.saveAs(sample(), QStringLiteral("Kept"));
        else
            desk.state = sample();
        addClue(desk.state, nap);
        desk.surface.fillBox({0, 0}, {50, 50}, Qt::red);
        const PuzzleState before = desk.state;
        const QImage drawing = desk.surface.image();
        desk.ui.caption.reset();

        desk.willCancel();
        desk.open();
        QVERIFY2(difference(desk.state, before).isEmpty(),
                 qPrintable(difference(desk.state, before)));
        QCOMPARE(desk.surface.image(), drawing);
        QCOMPARE(desk.ui.caption, caption);
        QCOMPARE(desk.ui.menuEnables, 0);
        QVERIFY(desk.ui.messages().isEmpty());
    }

    void cancellingTheNameStoresNothing()
    {
        Desk desk;
        desk.state = sample();
        desk.willCancel();
        desk.save();
        QVERIFY(desk.state.crosswordTitle.isEmpty());
        QVERIFY(!desk.state.crosswordStored);
        QCOMPARE(desk.state.savedClueCount, 0);
        QVERIFY(!desk.ui.caption);
        Peer peer(desk.path);
        QCOMPARE(peer.count(QStringLiteral("CrosswordID")), 0);
    }

    // Cell boxes, grey letter cells, a number where a clue starts, the letters.
    void drawsTheOpenedCrossword()
    {
        Desk desk;
        desk.saveAs(crossword(10, 10, {sun, star, up}), QStringLiteral("Drawn"));
        desk.surface.fillBox({0, 0}, {599, 399}, Qt::red);
        desk.openNamed(QStringLiteral("Drawn"));
        QCOMPARE(desk.ui.menuEnables, 1);
        QCOMPARE(desk.state.cellWidth, 58);   // (600 - 20) / 10
        QCOMPARE(desk.state.cellHeight, 39);  // (400 - 10) / 10

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
        // (2,3) starts SUN and STAR, (3,3) starts UP, (4,3) and (2,4) only hold letters.
        for (const QPoint cell : {QPoint(2, 3), QPoint(3, 3), QPoint(4, 3), QPoint(2, 4)}) {
            const QRect box = cellRect(cell.x(), cell.y());
            QCOMPARE(image.pixelColor(box.right() - 2, box.bottom() - 2), QColor(240, 240, 240));
            QVERIFY2(darkPixels(box.adjusted(20, 10, -20, -10)) > 10, "a letter is drawn");
        }
        // The number sits in the corner, left of where the letter begins.
        const auto numberCorner = [&](int c, int r) {
            return QRect(cellRect(c, r).topLeft() + QPoint(1, 1), QSize(14, 9));
        };
        QVERIFY(darkPixels(numberCorner(2, 3)) > 0);
        QVERIFY(darkPixels(numberCorner(3, 3)) > 0);
        QCOMPARE(darkPixels(numberCorner(4, 3)), 0);
        QCOMPARE(darkPixels(numberCorner(2, 4)), 0);
        // An empty cell keeps the empty fill.
        QCOMPARE(image.pixelColor(cellRect(0, 9).center()), ImageSurface::emptyCellFill);
        QCOMPARE(desk.surface.fontPointSize(), 12);
        QVERIFY(desk.surface.fontBold());
    }
};

QUILLGRID_TEST(OpenSaveTest);
#include "OpenSaveTest.moc"
