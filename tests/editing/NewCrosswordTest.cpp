#include "editing/GridGeometry.h"
#include "editing/NewCrossword.h"
#include "model/PuzzleState.h"
#include "seams/ImageSurface.h"
#include "support/ScriptedUi.h"
#include "support/TestRegistry.h"

#include <QTest>

namespace {

using Replies = QList<std::optional<QString>>;

const QColor black(0, 0, 0);
const QColor white(255, 255, 255);
const QColor emptyGrey(128, 128, 128);

QColor pixel(const ImageSurface& surface, int x, int y) {
    return surface.image().pixelColor(x, y);
}

}  // namespace

class NewCrosswordTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each row: the replies to the column prompt until one is valid; the rows are "5".
    void promptsUntilTheColumnCountIsValid_data() {
        QTest::addColumn<Replies>("replies");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("messages");
        const std::optional<QString> cancel;
        QTest::newRow("25") << Replies{"25"} << 25 << 0;
        QTest::newRow("blanks around and between") << Replies{" 2 5 "} << 25 << 0;
        QTest::newRow("25.9 rounds down") << Replies{"25.9"} << 25 << 0;
        QTest::newRow("30 is the largest") << Replies{"30"} << 30 << 0;
        QTest::newRow("1 is the smallest") << Replies{"1"} << 1 << 0;
        QTest::newRow("0") << Replies{"0", "25"} << 25 << 1;
        QTest::newRow("31") << Replies{"31", "25"} << 25 << 1;
        QTest::newRow("-3") << Replies{"-3", "25"} << 25 << 1;
        QTest::newRow("abc") << Replies{"abc", "25"} << 25 << 1;
        QTest::newRow("empty") << Replies{"", "25"} << 25 << 1;
        QTest::newRow("cancel") << Replies{cancel, "25"} << 25 << 1;
        QTest::newRow("past 16 bits") << Replies{"65561", "25"} << 25 << 1;
        QTest::newRow("several wrong in a row") << Replies{"0", cancel, "30.9"} << 30 << 2;
    }
    void promptsUntilTheColumnCountIsValid() {
        QFETCH(Replies, replies);
        QFETCH(int, columns);
        QFETCH(int, messages);

        ScriptedUi ui;
        ui.promptReplies = replies;
        ui.promptReplies << QStringLiteral("5");
        PuzzleState state;
        ImageSurface surface(QSize(800, 600));
        newCrossword(state, surface, ui);

        QCOMPARE(state.xGridSize, columns);
        QCOMPARE(state.yGridSize, 5);
        QCOMPARE(ui.messages().size(), messages);
        for (const auto& shown : ui.shown) {
            if (shown.kind == QLatin1String("message")) {
                QCOMPARE(shown.text, QStringLiteral("Not a valid value for xGridSize! Re-enter"));
                QCOMPARE(shown.caption, QStringLiteral("Error"));
            } else {
                QCOMPARE(shown.caption, QStringLiteral("Grid Size"));
                QCOMPARE(shown.proposed, QStringLiteral("25"));
            }
        }
        QCOMPARE(ui.shown.constFirst().text, QStringLiteral("Enter Grid size - X"));
        QCOMPARE(ui.shown.constLast().text, QStringLiteral("Enter Grid size - Y"));
    }

    void promptsUntilTheRowCountIsValid() {
        ScriptedUi ui;
        ui.promptReplies = {QStringLiteral("7"), QStringLiteral("31"), std::nullopt,
                            QStringLiteral("9")};
        PuzzleState state;
        ImageSurface surface(QSize(800, 600));
        newCrossword(state, surface, ui);

        QCOMPARE(state.xGridSize, 7);
        QCOMPARE(state.yGridSize, 9);
        const QString invalidRows = QStringLiteral("Not a valid value for yGridSize! Re-enter");
        QCOMPARE(ui.messages(), QStringList({invalidRows, invalidRows}));
        QCOMPARE(ui.shown.at(1).text, QStringLiteral("Enter Grid size - Y"));
        QVERIFY(ui.promptReplies.isEmpty());
    }

    void fitsTheCellsToTheDrawingArea_data() {
        QTest::addColumn<QSize>("area");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("cellWidth");
        QTest::addColumn<int>("cellHeight");
        QTest::newRow("600 x 400, 25 x 15") << QSize(600, 400) << 25 << 15 << 23 << 26;
        QTest::newRow("125 px over 10 columns: 12.5 to 12")
            << QSize(145, 400) << 10 << 10 << 12 << 39;
        QTest::newRow("135 px over 10 columns: 13.5 to 14")
            << QSize(155, 400) << 10 << 10 << 14 << 39;
        QTest::newRow("one cell takes it all") << QSize(467, 226) << 1 << 1 << 447 << 216;
        QTest::newRow("30 x 30 at design size") << QSize(467, 226) << 30 << 30 << 15 << 7;
    }
    void fitsTheCellsToTheDrawingArea() {
        QFETCH(QSize, area);
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(int, cellWidth);
        QFETCH(int, cellHeight);

        ScriptedUi ui;
        ui.promptReplies = {QString::number(columns), QString::number(rows)};
        PuzzleState state;
        ImageSurface surface(area);
        newCrossword(state, surface, ui);
        QCOMPARE(state.cellWidth, cellWidth);
        QCOMPARE(state.cellHeight, cellHeight);
    }

    void drawsTheEmptyGridWhereTheGeometryPutsIt() {
        ScriptedUi ui;
        ui.promptReplies = {QStringLiteral("25"), QStringLiteral("15")};
        PuzzleState state;
        ImageSurface surface(QSize(600, 400));
        surface.fillBox({0, 0}, {599, 399}, Qt::red);  // an earlier drawing, to be cleared
        newCrossword(state, surface, ui);

        // The grid spans 10..585 by 5..395; neighbouring cells share their border line.
        for (int x : {10, 33, 56, 585})
            QCOMPARE(pixel(surface, x, 200), black);
        for (int y : {5, 31, 57, 395})
            QCOMPARE(pixel(surface, 300, y), black);
        QCOMPARE(pixel(surface, 11, 6), emptyGrey);
        QCOMPARE(pixel(surface, 584, 394), emptyGrey);
        QCOMPARE(pixel(surface, 9, 200), white);
        QCOMPARE(pixel(surface, 586, 200), white);
        QCOMPARE(pixel(surface, 300, 4), white);
        QCOMPARE(pixel(surface, 300, 396), white);
        QCOMPARE(pixel(surface, 599, 399), white);
    }

    void resetsTheCrosswordInMemory() {
        PuzzleState state;
        state.xGridSize = 9;
        state.yGridSize = 9;
        state.clueCount = 3;
        state.clueNumber = 2;
        state.crosswordTitle = QStringLiteral("Opened earlier");
        state.crosswordStored = true;
        state.savedClueCount = 3;
        for (auto& column : state.gridLetters)
            column.fill(QStringLiteral("Q"));

        ScriptedUi ui;
        ui.promptReplies = {QStringLiteral("5"), QStringLiteral("5")};
        ImageSurface surface(QSize(600, 400));
        newCrossword(state, surface, ui);

        QCOMPARE(state.clueCount, 0);
        QCOMPARE(state.clueNumber, 0);
        QCOMPARE(state.crosswordTitle, QString());
        QCOMPARE(state.crosswordStored, false);
        QCOMPARE(state.savedClueCount, 0);
        for (int c = 0; c < 5; ++c) {
            for (int r = 0; r < 5; ++r)
                QVERIFY2(state.gridLetters[c][r].isEmpty(),
                         qPrintable(QStringLiteral("%1,%2").arg(c).arg(r)));
        }
        QCOMPARE(ui.menuEnables, 1);
        QVERIFY(!ui.caption.has_value());
    }

    void refusesAGridTooLargeForTheWindow() {
        PuzzleState state;
        state.xGridSize = 3;
        state.yGridSize = 3;
        state.cellWidth = 4;
        state.cellHeight = 4;
        state.clueCount = 1;
        state.gridLetters[0][0] = QStringLiteral("A");
        const PuzzleState before = state;

        ScriptedUi ui;
        ui.promptReplies = {QStringLiteral("30"), QStringLiteral("30")};
        ImageSurface surface(QSize(30, 200));
        surface.fillBox({0, 0}, {29, 199}, Qt::red);
        newCrossword(state, surface, ui);

        QCOMPARE(ui.messages().size(), 1);
        QCOMPARE(state.xGridSize, before.xGridSize);
        QCOMPARE(state.cellWidth, before.cellWidth);
        QCOMPARE(state.clueCount, before.clueCount);
        QCOMPARE(state.gridLetters, before.gridLetters);
        QCOMPARE(ui.menuEnables, 0);
        QCOMPARE(pixel(surface, 20, 100), QColor(Qt::red));
    }

    void findsTheCellUnderAPoint_data() {
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<QPoint>("cell");
        QTest::addColumn<bool>("inside");
        // 10 x 10 cells of 20 x 30 pixels from (10, 5).
        QTest::newRow("first cell corner") << QPoint(10, 5) << QPoint(0, 0) << true;
        QTest::newRow("last pixel of first cell") << QPoint(29, 34) << QPoint(0, 0) << true;
        QTest::newRow("next cell") << QPoint(30, 35) << QPoint(1, 1) << true;
        QTest::newRow("last cell") << QPoint(209, 304) << QPoint(9, 9) << true;
        QTest::newRow("right of the grid") << QPoint(210, 100) << QPoint() << false;
        QTest::newRow("below the grid") << QPoint(100, 305) << QPoint() << false;
        QTest::newRow("left of the grid") << QPoint(9, 100) << QPoint() << false;
        QTest::newRow("above the grid") << QPoint(100, 4) << QPoint() << false;
    }
    void findsTheCellUnderAPoint() {
        QFETCH(QPoint, position);
        QFETCH(QPoint, cell);
        QFETCH(bool, inside);
        PuzzleState state;
        state.xGridSize = 10;
        state.yGridSize = 10;
        state.cellWidth = 20;
        state.cellHeight = 30;
        const auto found = GridGeometry::cellAt(state, position);
        QCOMPARE(found.has_value(), inside);
        if (inside)
            QCOMPARE(*found, cell);
    }

    void findsNoCellWithoutAGrid() {
        PuzzleState state;
        QVERIFY(!GridGeometry::cellAt(state, {50, 50}));
        state.xGridSize = 5;
        state.yGridSize = 5;
        QVERIFY(!GridGeometry::cellAt(state, {50, 50}));  // cell sizes still 0
    }
};

QUILLGRID_TEST(NewCrosswordTest);
#include "NewCrosswordTest.moc"
