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
#include <QTest>

namespace {

// A user at a machine with no printer, who saves the print-out as a PDF file.
struct PdfRun {
    QTemporaryDir dir;
    QString pdf = dir.filePath("printout.pdf");
    ScriptedUi ui;
    QtPrintDevice device{[] { return QList<InstalledPrinter>(); }};

    explicit PdfRun(const QString& title = {})
    {
        ui.pdfFileReply = pdf;
        ui.promptReplies = {title};
    }
};

}  // namespace

class PdfPrintoutsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        if (!PdfReading::toolsInstalled())
            QSKIP("pdftotext and pdftoppm are missing: install poppler-utils");
    }

    void printedTextMovesDownOneLineForEachOfItsLines()
    {
        PdfRun run;
        run.device.setPdfFile(run.pdf);
        run.device.setFontSize(10);
        run.device.setUnit(PrintUnit::Millimetres);
        run.device.setCurrentPoint({40, 25});
        const qreal line = run.device.lineHeight();
        // 10 pt is 3.5 mm; the line a little more.
        QVERIFY2(line > 3.5 && line < 5, qPrintable(QString::number(line)));
        run.device.printText("First");
        QCOMPARE(run.device.currentPoint(), QPointF(0, 25 + line));
        run.device.printText("Second\r\nThird");
        QCOMPARE(run.device.currentPoint(), QPointF(0, 25 + 3 * line));
        QVERIFY(run.device.endDocument());
        QCOMPARE(PdfReading::text(run.pdf).simplified(), "First Second Third");
    }

    void gridPrintoutsReadBack_data()
    {
        QTest::addColumn<bool>("solution");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("blank grid") << false << QStringList{"1", "2", "3", "Puzzle", "Sunday"};
        QTest::newRow("solution") << true
                                  << QStringList{"1", "2", "3",      "A",      "C", "L", "O",
                                                 "O", "P", "Puzzle", "Sunday", "T", "W", "W"};
    }
    void gridPrintoutsReadBack()
    {
        QFETCH(bool, solution);
        QFETCH(QStringList, words);
        PdfRun run(QStringLiteral("Sunday Puzzle"));
        (solution ? printSolutionGrid : printBlankGrid)(TestCrosswords::sample(), run.device,
                                                        run.ui);
        QCOMPARE(run.ui.messages(), QStringList{" 59   177"});
        QCOMPARE(PdfReading::text(run.pdf).count(u'\f'), 1);
        QCOMPARE(PdfReading::sortedWords(run.pdf), words);

        // Black where a cell has no letter, white where it has, and the frame between two
        // letter cells black.
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QPointF cornerMm = printer.pageLayout().paintRect(QPageLayout::Millimeter).topLeft();
        const QPoint grid = (cornerMm * 150 / 25.4).toPoint() + QPoint(74, 207);
        const QImage page = PdfReading::firstPage(run.pdf);
        QCOMPARE(PdfReading::cellPattern(page, grid, 5, 3),
                 QStringList({"...##", ".#...", ".#.##"}));
        QCOMPARE(page.pixelColor(grid + QPoint(56 + 1, 20)), QColor(Qt::black));
    }

    // Too wide for the page at 150 dpi, so drawn smaller as a whole: every letter and
    // number lies inside its own cell on paper and reads as placed.
    void wideGridsKeepEachLetterInsideItsCell_data()
    {
        QTest::addColumn<QSize>("cells");
        QTest::newRow("24 x 24") << QSize(24, 24);
        QTest::newRow("26 x 10") << QSize(26, 10);
        QTest::newRow("30 x 30") << QSize(30, 30);
    }
    void wideGridsKeepEachLetterInsideItsCell()
    {
        QFETCH(QSize, cells);
        PuzzleState state = TestCrosswords::empty(cells.width(), cells.height());
        QStringList placed;
        for (int r = 0; r < cells.height(); ++r) {
            QString answer;
            for (int c = 0; c < cells.width(); ++c) {
                answer += QChar(u'A' + (c + 3 * r) % 26);
                placed << QStringLiteral("%1,%2 %3").arg(c).arg(r).arg(answer.back());
            }
            TestCrosswords::place(state, "Row", answer, 0, r, r + 1, true);
            placed << QStringLiteral("0,%1 %2").arg(r).arg(r + 1);
        }
        PdfRun run(QStringLiteral("Wide"));
        printSolutionGrid(state, run.device, run.ui);
        QCOMPARE(run.ui.messages(), QStringList{" 59   177"});

        // The grid is all that is dark below the title; its cells share it evenly.
        const QRectF grid = QRectF(PdfReading::darkBounds(PdfReading::firstPage(run.pdf), 150))
                                .adjusted(0, 0, -1, -1);
        const QRectF points(grid.topLeft() * 72 / 150, grid.size() * 72 / 150);
        const QSizeF cell(points.width() / cells.width(), points.height() / cells.height());
        QStringList read;
        QStringList outside;
        for (const auto& [text, box] : PdfReading::words(run.pdf)) {
            const int c = int((box.center().x() - points.left()) / cell.width());
            const int r = int((box.center().y() - points.top()) / cell.height());
            if (box.top() < points.top())
                continue;  // the title
            read << QStringLiteral("%1,%2 %3").arg(c).arg(r).arg(text);
            // Half a point for where the grid's lines fall on the picture's pixels.
            const QRectF own(points.topLeft() + QPointF(c * cell.width(), r * cell.height()),
                             cell);
            if (!own.adjusted(-0.5, -0.5, 0.5, 0.5).contains(box))
                outside << read.constLast();
        }
        QCOMPARE(outside, QStringList());
        read.sort();
        placed.sort();
        QCOMPARE(read, placed);
    }

    void clueListingReadsBack()
    {
        PdfRun run(QStringLiteral("Crossword"));
        ClueTable sorted{};
        const int count = sortClues(TestCrosswords::sample(), sorted);
        printClueListing(ClueListing::listingText(sorted, count), run.device, run.ui);
        QVERIFY(run.ui.messages().isEmpty());
        const QString text = PdfReading::text(run.pdf);
        QCOMPARE(text.count(u'\f'), 1);
        QCOMPARE(text.simplified(),
                 "Crossword Across: 1. Pet 3. Night bird Down: 1. Dairy animal "
                 "2. Summit");
    }

    void reportsAFileThatCannotBeWrittenThenPrintsAfresh()
    {
        PdfRun run(QStringLiteral("Title"));
        run.ui.pdfFileReply = QStringLiteral("/nonexistent-folder/grid.pdf");
        printBlankGrid(TestCrosswords::sample(), run.device, run.ui);
        run.ui.pdfFileReply = run.pdf;
        run.ui.promptReplies = {QStringLiteral("Again")};
        printBlankGrid(TestCrosswords::sample(), run.device, run.ui);
        QCOMPARE(run.ui.messages(),
                 QStringList({"The file \"/nonexistent-folder/grid.pdf\" could not be written.",
                              " 59   177"}));
        QVERIFY(PdfReading::sortedWords(run.pdf).contains("Again"));
    }

    void reportsAPrinterThatCannotStartAndKeepsIt()
    {
        QtPrintDevice device([] {
            return QList<InstalledPrinter>{{"Wide", PageOrientation::Landscape},
                                           {"No such queue", PageOrientation::Portrait}};
        });
        ScriptedUi ui;
        ui.promptReplies = {QStringLiteral("Title")};
        printBlankGrid(TestCrosswords::sample(), device, ui);
        // The only message: the grid is abandoned before its reference point.
        QCOMPARE(ui.messages(),
                 QStringList{"The printer \"No such queue\" could not be started."});
        QCOMPARE(device.currentPrinter(), QStringLiteral("No such queue"));
    }
};

QUILLGRID_TEST(PdfPrintoutsTest);
#include "PdfPrintoutsTest.moc"
