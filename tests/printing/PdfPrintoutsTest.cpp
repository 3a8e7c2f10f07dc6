#include "PdfReading.h"
#include "TestCrosswords.h"
#include "printing/ClueListing.h"
#include "printing/CluePrintout.h"
#include "printing/GridPrintouts.h"
#include "printing/QtPrintDevice.h"
#include "support/ScriptedUi.h"
#include "support/TestRegistry.h"

#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>

namespace {

QtPrintDevice noPrinterInstalled()
{
    return QtPrintDevice([] { return QList<InstalledPrinter>(); });
}

// Where the printable area starts on a PDF page, in pixels at `dotsPerInch`.
QPoint printableCorner(int dotsPerInch)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QPointF corner = printer.pageLayout().paintRect(QPageLayout::Millimeter).topLeft();
    return (corner * dotsPerInch / 25.4).toPoint();
}

}  // namespace

class PdfPrintoutsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        if (!PdfReading::toolsInstalled())
            QSKIP("pdftotext and pdftoppm are missing: install poppler-utils");
    }

    void keepsTheCurrentPointOnPaperWhenTheUnitChanges_data()
    {
        QTest::addColumn<int>("dotsPerInch");
        QTest::addColumn<QPointF>("dots");
        QTest::newRow("150 dpi") << 150 << QPointF(59.055, 177.165);
        QTest::newRow("600 dpi") << 600 << QPointF(236.220, 708.661);
    }
    void keepsTheCurrentPointOnPaperWhenTheUnitChanges()
    {
        QFETCH(int, dotsPerInch);
        QFETCH(QPointF, dots);
        QtPrintDevice device = noPrinterInstalled();
        device.setResolution(dotsPerInch);
        device.setUnit(PrintUnit::Millimetres);
        device.setCurrentPoint({10, 30});
        device.setUnit(PrintUnit::Dots);
        QVERIFY(qAbs(device.currentPoint().x() - dots.x()) < 0.001);
        QVERIFY(qAbs(device.currentPoint().y() - dots.y()) < 0.001);
        device.setUnit(PrintUnit::Millimetres);
        QVERIFY(qAbs(device.currentPoint().x() - 10) < 1e-9);
        // A4 less Qt's margins is wider in dots than in millimetres by the resolution.
        const qreal widthMm = device.printableSize().width();
        device.setUnit(PrintUnit::Dots);
        QVERIFY(qAbs(device.printableSize().width() - widthMm * dotsPerInch / 25.4) < 0.001);
    }

    void printingATextMovesToTheNextLine()
    {
        QTemporaryDir dir;
        QtPrintDevice device = noPrinterInstalled();
        device.setPdfFile(dir.filePath("lines.pdf"));
        device.setFontName("Arial");
        device.setFontSize(10);
        device.setUnit(PrintUnit::Millimetres);
        device.setCurrentPoint({40, 25});
        const qreal line = device.lineHeight();
        // 10 pt is 3.5 mm; the line a little more.
        QVERIFY2(line > 3.5 && line < 5, qPrintable(QString::number(line)));
        device.printText("First");
        QCOMPARE(device.currentPoint().x(), 0);
        QVERIFY(qAbs(device.currentPoint().y() - (25 + line)) < 0.01);
        device.printText("Second\r\nThird");
        QVERIFY(qAbs(device.currentPoint().y() - (25 + 3 * line)) < 0.01);
        QVERIFY(device.endDocument());
        QCOMPARE(PdfReading::words(dir.filePath("lines.pdf")),
                 QStringList({"First", "Second", "Third"}));
    }

    void gridPrintoutsReadBack_data()
    {
        QTest::addColumn<bool>("solution");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("blank grid") << false << QStringList{"Sunday", "Puzzle", "1", "2", "3"};
        QTest::newRow("solution") << true
                                  << QStringList{"Sunday", "Puzzle", "1", "C", "A", "2", "T",
                                                 "O",      "3",      "O", "W", "L", "W", "P"};
    }
    void gridPrintoutsReadBack()
    {
        QFETCH(bool, solution);
        QFETCH(QStringList, words);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("grid.pdf");
        ScriptedUi ui;
        ui.pdfFileReply = pdf;
        ui.promptReplies = {QStringLiteral("Sunday Puzzle")};
        QtPrintDevice device = noPrinterInstalled();
        const PuzzleState state = TestCrosswords::sample();
        (solution ? printSolutionGrid : printBlankGrid)(state, device, ui);

        QCOMPARE(ui.messages(), QStringList{" 59   177"});
        QCOMPARE(PdfReading::pageCount(pdf), 1);
        // In any order: pdftotext lays the small numbers out on lines of their own.
        QStringList found = PdfReading::words(pdf);
        found.sort();
        words.sort();
        QCOMPARE(found, words);

        // One printer dot to a pixel: black where a cell has no letter, white where it has,
        // looked at low in the cell's left half, clear of number and letter.
        const QImage page = PdfReading::page(pdf, 1, 150);
        QVERIFY(!page.isNull());
        const QPoint corner = printableCorner(150);
        QCOMPARE(PdfReading::cellPattern(page, corner + QPoint(74, 207), 5, 3),
                 QStringList({"...##", ".#...", ".#.##"}));
        // Paper around the grid stays white, and the frame between two letter cells black.
        QCOMPARE(page.pixelColor(corner + QPoint(70, 250)), QColor(Qt::white));
        QCOMPARE(page.pixelColor(corner + QPoint(74 + 56 + 1, 207 + 20)), QColor(Qt::black));
    }

    void clueListingReadsBack()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath("clues.pdf");
        ScriptedUi ui;
        ui.pdfFileReply = pdf;
        ui.promptReplies = {QStringLiteral("Crossword")};
        QtPrintDevice device = noPrinterInstalled();
        ClueTable sorted{};
        const PuzzleState state = TestCrosswords::sample();
        printClueListing(ClueListing::listingText(sorted, ClueListing::sortClues(state, sorted)),
                         device, ui);

        QVERIFY(ui.messages().isEmpty());
        QCOMPARE(PdfReading::pageCount(pdf), 1);
        const QStringList lines = PdfReading::text(pdf).split(u'\n', Qt::SkipEmptyParts);
        QStringList trimmed;
        for (const QString& line : lines) {
            if (!line.trimmed().isEmpty())
                trimmed << line.trimmed();
        }
        QCOMPARE(trimmed, QStringList({"Crossword", "Across:", "1. Pet", "3. Night bird",
                                       "Down:", "1. Dairy animal", "2. Summit"}));
    }

    void reportsAFileThatCannotBeWritten()
    {
        ScriptedUi ui;
        ui.pdfFileReply = QStringLiteral("/nonexistent-folder/grid.pdf");
        ui.promptReplies = {QStringLiteral("Title")};
        QtPrintDevice device = noPrinterInstalled();
        printBlankGrid(TestCrosswords::sample(), device, ui);
        QCOMPARE(ui.messages(),
                 QStringList{"The file \"/nonexistent-folder/grid.pdf\" could not be written."});

        // The next job starts afresh on a fresh printer.
        QTemporaryDir dir;
        ui.pdfFileReply = dir.filePath("again.pdf");
        ui.promptReplies = {QStringLiteral("Again")};
        ui.shown.clear();
        printBlankGrid(TestCrosswords::sample(), device, ui);
        QCOMPARE(ui.messages(), QStringList{" 59   177"});
        QVERIFY(PdfReading::words(ui.pdfFileReply).contains("Again"));
    }

    void theChosenPrinterOutlastsTheJob()
    {
        QtPrintDevice device([] {
            return QList<InstalledPrinter>{{"Wide", PageOrientation::Landscape},
                                           {"No such queue", PageOrientation::Portrait}};
        });
        ScriptedUi ui;
        ui.promptReplies = {QStringLiteral("Title")};
        printBlankGrid(TestCrosswords::sample(), device, ui);
        QCOMPARE(device.currentPrinter(), QStringLiteral("No such queue"));
        QCOMPARE(ui.messages(),
                 QStringList{"The printer \"No such queue\" could not be started."});
    }
};

QUILLGRID_TEST(PdfPrintoutsTest);
#include "PdfPrintoutsTest.moc"
