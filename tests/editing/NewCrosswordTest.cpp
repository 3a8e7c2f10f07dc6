#include "app/ImageSurface.h"
#include "editing/GridDrawing.h"
#include "editing/NewCrossword.h"
#include "model/PuzzleState.h"
#include "support/ScriptedUi.h"
#include "support/TestRegistry.h"

#include <QTest>

namespace {

using Replies = QList<std::optional<QString>>;

struct Run {
    PuzzleState state;
    ScriptedUi ui;
    ImageSurface surface;

    Run(const Replies& replies, QSize area, const PuzzleState& earlier = {})
        : state(earlier), surface(area)
    {
        surface.fillBox({0, 0}, {area.width() - 1, area.height() - 1}, Qt::red);
        ui.promptReplies = replies;
        newCrossword(state, surface, ui);
    }
    QColor pixel(int x, int y) const { return surface.image().pixelColor(x, y); }
};

}  // namespace

class NewCrosswordTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void promptsUntilBothSizesAreValid_data()
    {
        QTest::addColumn<Replies>("replies");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QStringList>("messages");
        const std::optional<QString> cancel;
        const QString badX = QStringLiteral("Not a valid value for xGridSize! Re-enter");
        const QString badY = QStringLiteral("Not a valid value for yGridSize! Re-enter");
        auto row = [](const char* name, Replies replies, int columns, QStringList messages) {
            QTest::newRow(name) << (replies << QStringLiteral("5")) << columns << 5 << messages;
        };
        row("30 is the largest", {"30"}, 30, {});
        row("1 is the smallest", {"1"}, 1, {});
        for (const char* wrong : {"0", "31", "65561"})
            row(wrong, {wrong, "25"}, 25, {badX});
        row("cancel", {cancel, "25"}, 25, {badX});
        QTest::newRow("rows re-asked, columns kept")
            << Replies{"7", "31", cancel, "9"} << 7 << 9 << QStringList{badY, badY};
    }
    void promptsUntilBothSizesAreValid()
    {
        QFETCH(Replies, replies);
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(QStringList, messages);
        Run run(replies, QSize(800, 600));

        QCOMPARE(run.state.xGridSize, columns);
        QCOMPARE(run.state.yGridSize, rows);
        QCOMPARE(run.ui.messages(), messages);
        QVERIFY(run.ui.promptReplies.isEmpty());
        for (const auto& shown : run.ui.shown)
            QCOMPARE(shown.proposed, shown.kind == QLatin1String("prompt") ? "25" : "");
    }

    // A grid whose cells would be empty is refused before anything is discarded; any
    // other replaces the crossword in memory.
    void fitsTheCellsToTheWindowOrRefusesTheGrid_data()
    {
        QTest::addColumn<QSize>("area");
        QTest::addColumn<QSize>("grid");  // columns x rows
        QTest::addColumn<QSize>("cell");  // invalid: refused
        const auto row = [](const char* name, QSize area, QSize grid, QSize cell) {
            QTest::newRow(name) << area << grid << cell;
        };
        row("25 x 15 in 600 x 400", {600, 400}, {25, 15}, {23, 26});
        row("13.5 px round to 14", {155, 400}, {10, 10}, {14, 39});
        row("cells of one pixel", {30, 20}, {10, 10}, {1, 1});
        // 978 / 30 = 32.6 rounds to 33, whose last row would end at 995, below the area.
        row("never past the area's last pixel", {600, 988}, {10, 30}, {58, 32});
        row("30 columns in 10 px", {30, 200}, {30, 30}, {});
        row("10 rows in 4 px", {200, 14}, {10, 10}, {});
    }
    void fitsTheCellsToTheWindowOrRefusesTheGrid()
    {
        QFETCH(QSize, area);
        QFETCH(QSize, grid);
        QFETCH(QSize, cell);
        PuzzleState earlier;
        earlier.xGridSize = earlier.yGridSize = 3;
        earlier.cellWidth = 4;
        earlier.clueCount = earlier.savedClueCount = 3;
        earlier.clueNumber = 2;
        earlier.crosswordTitle = QStringLiteral("Opened earlier");
        earlier.crosswordStored = true;
        earlier.storedCrossId = 7;
        for (auto& column : earlier.gridLetters)
            column.fill(QStringLiteral("Q"));
        Run run({QString::number(grid.width()), QString::number(grid.height())}, area, earlier);

        const bool fits = cell.isValid();
        QCOMPARE(QSize(run.state.cellWidth, run.state.cellHeight), fits ? cell : QSize(4, 0));
        QCOMPARE(QSize(run.state.xGridSize, run.state.yGridSize), fits ? grid : QSize(3, 3));
        QCOMPARE(run.state.clueCount, fits ? 0 : 3);
        QCOMPARE(run.state.clueNumber, fits ? 0 : 2);
        QCOMPARE(run.state.crosswordTitle.isEmpty(), fits);
        QCOMPARE(run.state.crosswordStored, !fits);
        QCOMPARE(run.state.savedClueCount, fits ? 0 : 3);
        QCOMPARE(run.state.storedCrossId, fits ? 0 : 7);
        QCOMPARE(run.state.gridLetters[0][0].isEmpty(), fits);
        QCOMPARE(run.state.gridLetters[grid.width() - 1][grid.height() - 1].isEmpty(), fits);
        QCOMPARE(run.ui.menuEnables, fits ? 1 : 0);
        // The title bar no longer names the crossword set aside.
        QCOMPARE(run.ui.title, fits ? std::optional<QString>("") : std::nullopt);
        QCOMPARE(run.ui.messages().size(), fits ? 0 : 1);
        QCOMPARE(run.pixel(area.width() - 1, area.height() - 1) == QColor(Qt::red), !fits);

        // An opened or imported grid is fitted by the same rule.
        PuzzleState opened;
        opened.reset(grid.width(), grid.height());
        ImageSurface surface(area);
        QCOMPARE(GridDrawing::fitAndDrawGrid(surface, opened), fits);
        QCOMPARE(QSize(opened.cellWidth, opened.cellHeight), fits ? cell : QSize(0, 0));
    }

    // 25 x 15 cells of 23 x 26 span 10..585 by 5..395; neighbours share their border.
    void drawsTheEmptyGridOverAnyEarlierDrawing()
    {
        Run run({"25", "15"}, QSize(600, 400));
        const QColor black(0, 0, 0), white(255, 255, 255), emptyGrey(128, 128, 128);
        for (int x : {10, 33, 56, 585})
            QCOMPARE(run.pixel(x, 200), black);
        for (int y : {5, 31, 57, 395})
            QCOMPARE(run.pixel(300, y), black);
        QCOMPARE(run.pixel(11, 6), emptyGrey);
        QCOMPARE(run.pixel(584, 394), emptyGrey);
        for (QPoint outside : {QPoint(9, 200), QPoint(586, 200), QPoint(300, 4), QPoint(300, 396)})
            QCOMPARE(run.pixel(outside.x(), outside.y()), white);
    }
};

QUILLGRID_TEST(NewCrosswordTest);
#include "NewCrosswordTest.moc"
