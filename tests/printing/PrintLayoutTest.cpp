#include "RecordingPrintDevice.h"
#include "printing/PrintLayout.h"
#include "support/ScriptedUi.h"
#include "support/TestRegistry.h"

#include <QTest>

using Printers = QList<InstalledPrinter>;
using Replies = QList<std::optional<QString>>;

namespace {

constexpr auto portrait = PageOrientation::Portrait;
constexpr auto landscape = PageOrientation::Landscape;

QStringList kinds(const RecordingPrintDevice& device)
{
    QStringList found;
    for (const auto& mark : device.marks)
        found << mark.kind;
    return found;
}

}  // namespace

class PrintLayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsTheReferencePointInPrinterDots_data()
    {
        QTest::addColumn<int>("dotsPerInch");
        QTest::addColumn<QPoint>("origin");
        QTest::addColumn<QString>("message");
        QTest::newRow("150 dpi") << 150 << QPoint(59, 177) << " 59   177";
        QTest::newRow("300 dpi") << 300 << QPoint(118, 354) << " 118   354";
        QTest::newRow("600 dpi: 708.66 rounds up") << 600 << QPoint(236, 709) << " 236   709";
        QTest::newRow("1200 dpi") << 1200 << QPoint(472, 1417) << " 472   1417";
    }
    void showsTheReferencePointInPrinterDots()
    {
        QFETCH(int, dotsPerInch);
        QFETCH(QPoint, origin);
        QFETCH(QString, message);
        RecordingPrintDevice device(dotsPerInch);
        ScriptedUi ui;
        device.setUnit(PrintUnit::Millimetres);
        device.setCurrentPoint({60, 120});  // wherever the title left it

        QCOMPARE(BeginGridLayout(device, ui), origin);
        QCOMPARE(ui.shown.size(), 1);
        QCOMPARE(ui.shown[0].kind, QStringLiteral("message"));
        QCOMPARE(ui.shown[0].text, message);
        QCOMPARE(ui.shown[0].caption, QStringLiteral("Quillgrid"));
        // Left in dots with a solid black fill: the first box shows both.
        DrawCellFrame(device, 0, 0, origin, false);
        const auto box = device.marksOf(QStringLiteral("box")).constFirst();
        QCOMPARE(box.rect.topLeft(), QPointF(origin + QPoint(15, 30)));
        QVERIFY(box.solidFill);
        QCOMPARE(box.colour, QColor(0, 0, 0));
    }

    void drawsTheCellBoxesAtTheirDots_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("letterCell");
        QTest::addColumn<QRectF>("box");
        QTest::addColumn<QRectF>("inset");
        // Reference point (59, 177): the grid starts at (74, 207).
        QTest::newRow("first cell, black")
            << 0 << 0 << false << QRectF(QPointF(74, 207), QPointF(130, 249)) << QRectF();
        QTest::newRow("first cell, letter")
            << 0 << 0 << true << QRectF(QPointF(74, 207), QPointF(130, 249))
            << QRectF(QPointF(76, 209), QPointF(128, 247));
        QTest::newRow("column 2, row 1")
            << 2 << 1 << true << QRectF(QPointF(186, 249), QPointF(242, 291))
            << QRectF(QPointF(188, 251), QPointF(240, 289));
        QTest::newRow("last cell of a 30 x 30 grid")
            << 29 << 29 << false << QRectF(QPointF(1698, 1425), QPointF(1754, 1467)) << QRectF();
    }
    void drawsTheCellBoxesAtTheirDots()
    {
        QFETCH(int, column);
        QFETCH(int, row);
        QFETCH(bool, letterCell);
        QFETCH(QRectF, box);
        QFETCH(QRectF, inset);
        RecordingPrintDevice device;
        DrawCellFrame(device, column, row, {59, 177}, letterCell);

        const auto boxes = device.marksOf(QStringLiteral("box"));
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].rect, box);
        const auto fills = device.marksOf(QStringLiteral("fill"));
        QCOMPARE(fills.size(), letterCell ? 1 : 0);
        if (letterCell) {
            QCOMPARE(fills[0].rect, inset);
            QCOMPARE(fills[0].colour, QColor(255, 255, 255));
            QCOMPARE(kinds(device), QStringList({"box", "fill"}));
        }
    }

    // Printable areas: A4 and US Letter less 3.5 mm all round, and A5 likewise.
    void raisesTheResolutionJustEnoughForTheGrid_data()
    {
        QTest::addColumn<QSize>("cells");
        QTest::addColumn<QSizeF>("printable");
        QTest::addColumn<int>("dotsPerInch");
        QTest::newRow("no grid") << QSize() << QSizeF(203, 290) << 150;
        QTest::newRow("15 x 15 on A4") << QSize(15, 15) << QSizeF(203, 290) << 150;
        QTest::newRow("22 wide on A4: 1306 of 1199 dots at 150")
            << QSize(22, 5) << QSizeF(203, 290) << 165;
        // At 223 dpi the grid ends at dot 1783 of 1782.2.
        QTest::newRow("30 x 30 on A4") << QSize(30, 30) << QSizeF(203, 290) << 224;
        QTest::newRow("30 x 30 on Letter") << QSize(30, 30) << QSizeF(208.9, 272.4) << 217;
        QTest::newRow("1 x 30 on A4: the height fits at 150")
            << QSize(1, 30) << QSizeF(203, 290) << 150;
        QTest::newRow("30 x 30 on A5") << QSize(30, 30) << QSizeF(141, 203) << 329;
    }
    void raisesTheResolutionJustEnoughForTheGrid()
    {
        QFETCH(QSize, cells);
        QFETCH(QSizeF, printable);
        QFETCH(int, dotsPerInch);
        QCOMPARE(PrintLayout::gridDotsPerInch(cells, printable), dotsPerInch);
    }

    void choosesTheFirstPortraitPrinter_data()
    {
        QTest::addColumn<Printers>("installed");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("the only one, portrait") << Printers{{"Office", portrait}} << "Office";
        QTest::newRow("landscape first")
            << Printers{{"Wide", landscape}, {"Office", portrait}, {"Hall", portrait}} << "Office";
        QTest::newRow("two portrait: the first")
            << Printers{{"Hall", portrait}, {"Office", portrait}} << "Hall";
        QTest::newRow("none portrait: the current one stays")
            << Printers{{"Wide", landscape}, {"Plotter", landscape}} << "Kept";
    }
    void choosesTheFirstPortraitPrinter()
    {
        QFETCH(Printers, installed);
        QFETCH(QString, chosen);
        RecordingPrintDevice device;
        device.installed = installed;
        device.current = QStringLiteral("Kept");
        ScriptedUi ui;
        ui.promptReplies = {QStringLiteral("Title")};

        QVERIFY(PrintPageHeading(device, ui));
        QCOMPARE(device.current, chosen);
        QVERIFY(device.pdfFile.isEmpty());
        QCOMPARE(device.marksOf(QStringLiteral("text")).size(), 1);
    }

    void asksForAPdfFileWhenNoPrinterIsInstalled_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<bool>("printed");
        QTest::newRow("named") << "/tmp/grid.pdf" << true;
        QTest::newRow("cancelled") << "" << false;
    }
    void asksForAPdfFileWhenNoPrinterIsInstalled()
    {
        QFETCH(QString, reply);
        QFETCH(bool, printed);
        RecordingPrintDevice device;
        ScriptedUi ui;
        ui.pdfFileReply = reply;
        ui.promptReplies = {QStringLiteral("Title")};

        QCOMPARE(PrintPageHeading(device, ui), printed);
        QCOMPARE(device.pdfFile, reply);
        QCOMPARE(device.marks.isEmpty(), !printed);
        // Abandoned before the title was asked for.
        QCOMPARE(ui.promptReplies.isEmpty(), printed);
    }

    void printsTheTitleCentred_data()
    {
        QTest::addColumn<Replies>("reply");
        QTest::addColumn<QString>("title");
        QTest::addColumn<qreal>("x");
        // 203 mm wide; a character is half of 14 pt: 2.469 mm.
        QTest::newRow("proposed") << Replies{"Crossword"} << "Crossword" << 90.3875;
        QTest::newRow("typed") << Replies{"Sunday Puzzle"} << "Sunday Puzzle" << 85.4486;
        QTest::newRow("cancel: empty, and printing goes on")
            << Replies{std::nullopt} << "" << 101.5;
    }
    void printsTheTitleCentred()
    {
        QFETCH(Replies, reply);
        QFETCH(QString, title);
        QFETCH(qreal, x);
        RecordingPrintDevice device(150, {203, 290});
        device.installed = {{QStringLiteral("Office"), portrait}};
        ScriptedUi ui;
        ui.promptReplies = reply;

        QVERIFY(PrintPageHeading(device, ui));
        QCOMPARE(ui.shown.size(), 1);
        QCOMPARE(ui.shown[0].text, QStringLiteral("Enter Title for the Crossword:"));
        QCOMPARE(ui.shown[0].caption, QStringLiteral("Quillgrid"));
        QCOMPARE(ui.shown[0].proposed, QStringLiteral("Crossword"));

        const auto texts = device.marksOf(QStringLiteral("text"));
        QCOMPARE(texts.size(), 1);
        QCOMPARE(texts[0].text, title);
        QCOMPARE(texts[0].fontName, QStringLiteral("Arial"));
        QCOMPARE(texts[0].fontSize, 14);
        QVERIFY(texts[0].bold);
        const qreal dotsPerMm = 150 / 25.4;
        QVERIFY2(qAbs(texts[0].rect.x() - x * dotsPerMm) < 0.01,
                 qPrintable(QString::number(texts[0].rect.x() / dotsPerMm)));
        QCOMPARE(texts[0].rect.y(), 10 * dotsPerMm);
        // Left in millimetres.
        device.setCurrentPoint({10, 30});
        QCOMPARE(device.currentPoint(), QPointF(10, 30));
        device.setUnit(PrintUnit::Dots);
        QCOMPARE(device.currentPoint(), QPointF(10, 30) * dotsPerMm);
    }
};

QUILLGRID_TEST(PrintLayoutTest);
#include "PrintLayoutTest.moc"
