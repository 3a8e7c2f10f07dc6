#include "editing/NewCrossword.h"
#include "model/PuzzleState.h"
#include "seams/ImageSurface.h"
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
        for (const auto& shown : run.ui.shown) {
            const bool prompt = shown.kind == QLatin1String("prompt");
            QCOMPARE(shown.caption, prompt ? "Grid Size" : "Error");
            QCOMPARE(shown.proposed, prompt ? "25" : "");
        }
        QCOMPARE(run.ui.shown.constFirst().text, QStringLiteral("Enter Grid size - X"));
        QCOMPARE(run.ui.shown.constLast().text, QStringLiteral("Enter Grid size - Y"));
    }

    void fitsTheCellsToTheDrawingArea_data()
    {
        QTest::addColumn<QSize>("area");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QSize>("cell");
        QTest::newRow("600 x 400, 25 x 15") << QSize(600, 400) << 25 << 15 << QSize(23, 26);
        QTest::newRow("125 px over 10: 12.5 to 12")
            << QSize(145, 400) << 10 << 10 << QSize(12, 39);
        QTest::newRow("135 px over 10: 13.5 to 14")
            << QSize(155, 400) << 10 << 10 << QSize(14, 39);
    }
    void fitsTheCellsToTheDrawingArea()
    {
        QFETCH(QSize, area);
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(QSize, cell);
        Run run({QString::number(columns), QString::number(rows)}, area);
        QCOMPARE(QSize(run.state.cellWidth, run.state.cellHeight), cell);
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

    // A grid too large for the window is refused before anything is discarded.
    void replacesTheCrosswordInMemoryOnlyWhenTheGridFits_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("fits");
        QTest::newRow("5 x 5 fits") << 5 << true;
        QTest::newRow("30 x 30 in 30 pixels does not") << 30 << false;
    }
    void replacesTheCrosswordInMemoryOnlyWhenTheGridFits()
    {
        QFETCH(int, size);
        QFETCH(bool, fits);
        PuzzleState earlier;
        earlier.xGridSize = earlier.yGridSize = 3;
        earlier.cellWidth = 4;
        earlier.clueCount = earlier.savedClueCount = 3;
        earlier.clueNumber = 2;
        earlier.crosswordTitle = QStringLiteral("Opened earlier");
        earlier.crosswordStored = true;
        for (auto& column : earlier.gridLetters)
            column.fill(QStringLiteral("Q"));
        Run run({QString::number(size), QString::number(size)}, QSize(30, 200), earlier);

        QCOMPARE(run.state.xGridSize, fits ? size : 3);
        QCOMPARE(run.state.cellWidth, fits ? 2 : 4);
        QCOMPARE(run.state.clueCount, fits ? 0 : 3);
        QCOMPARE(run.state.clueNumber, fits ? 0 : 2);
        QCOMPARE(run.state.crosswordTitle.isEmpty(), fits);
        QCOMPARE(run.state.crosswordStored, !fits);
        QCOMPARE(run.state.savedClueCount, fits ? 0 : 3);
        QCOMPARE(run.state.gridLetters[0][0].isEmpty(), fits);
        QCOMPARE(run.state.gridLetters[size - 1][size - 1].isEmpty(), fits);
        QCOMPARE(run.ui.menuEnables, fits ? 1 : 0);
        QCOMPARE(run.ui.messages().size(), fits ? 0 : 1);
        QCOMPARE(run.pixel(20, 100) == QColor(Qt::red), !fits);
    }
};

QUILLGRID_TEST(NewCrosswordTest);
#include "NewCrosswordTest.moc"
