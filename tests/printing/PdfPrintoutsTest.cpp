#include "PdfReading.h"
#include "TestCrosswords.h"
#include "app/Main.h"
#include "printing/ClueListPrintout.h"
#include "printing/ClueListText.h"
#include "printing/GridPrintouts.h"
#include "printing/QtPrintDevice.h"
#include "support/FullDisk.h"
#include "support/Ink.h"
#include "support/ScriptedUi.h"
#include "support/TestRegistry.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFontInfo>
#include <QPageLayout>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QThread>

#include <cups/cups.h>

using Printers = QList<InstalledPrinter>;

namespace {

QStringList pdfsIn(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
}

// The PDF that the queue wrote for the job just sent: it is complete once CUPS has no
// job left and the file has appeared.
QString nextPdf(const QString& folder, const QStringList& before)
{
    const QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
        cups_job_t* jobs = nullptr;
        const int active =
            cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ACTIVE);
        cupsFreeJobs(active, jobs);
        if (active == 0) {
            for (const QString& name : pdfsIn(folder)) {
                const QString path = QDir(folder).filePath(name);
                if (!before.contains(name) && QFileInfo(path).size() > 0)
                    return path;
            }
        }
        QThread::msleep(100);
    }
    return {};
}

// A user at a machine with the printers `installed` (none at first), who names every
// print-out `title` and saves it as a PDF file when there is no printer.
struct PdfRun {
    QTemporaryDir dir;
    ScriptedUi ui;
    Printers installed;
    QtPrintDevice device{[this] { return installed; }};

    explicit PdfRun(const QString& title)
    {
        ui.pdfFileReply = dir.filePath("printout.pdf");
        ui.promptReplies = {title};
    }
};

// Whether all ink on a page pictured at 150 dpi keeps 10 mm from the paper's edge, give or
// take the pixel the edge of the margin falls in.
bool insideTenMillimetres(const QImage& page)
{
    const int margin = int(10 * 150 / 25.4) - 1;
    const QRect ink = darkBounds(page, 0);
    return page.rect().adjusted(margin, margin, -margin, -margin).contains(ink);
}

}  // namespace

class PdfPrintoutsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The classes after this one talk to the machine's own CUPS again.
    void cleanupTestCase() { cupsSetServer(nullptr); }

    void printedTextMovesDownOneLineForEachOfItsLines()
    {
        PdfRun run({});
        run.device.setPdfFile(run.ui.pdfFileReply);
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
        QCOMPARE(PdfReading::text(run.ui.pdfFileReply), "First Second Third");
    }

    // Through the program's own commands: into PDF files on a machine with no printer, and
    // onto a real CUPS queue that writes PDF files. test.sh starts a private cupsd with a
    // landscape queue listed before a portrait one and names them here; the landscape one
    // listed first shows that each queue's default orientation is read.
    void printsTheThreePrintouts_data()
    {
        QTest::addColumn<bool>("cups");
        QTest::newRow("no printer: PDF files named") << false;
        QTest::newRow("CUPS: the first portrait queue") << true;
    }
    void printsTheThreePrintouts()
    {
        QFETCH(bool, cups);
        const QByteArray server = qgetenv("QUILLGRID_TEST_CUPS_SERVER");
        if (cups && server.isEmpty())
            QSKIP("no CUPS queue set up for this run: test.sh sets one up where cupsd can start");
        // libcups keeps the server it was first told of: it is told before anything prints.
        if (cups)
            cupsSetServer(server.constData());
        PdfRun run({});
        const QString folder =
            cups ? qEnvironmentVariable("QUILLGRID_CUPS_PORTRAIT_DIR") : run.dir.path();
        Main main(&run.ui);
        main.state() = TestCrosswords::sample();
        if (!cups)
            main.setPrintDevice(std::make_unique<QtPrintDevice>([] { return Printers(); }));
        run.ui.dialogActions <<
            [](QDialog& list) { list.findChild<QPushButton*>("Print")->click(); };
        const auto print = [&](void (Main::*command)(), const QString& title) {
            const QStringList before = pdfsIn(folder);
            run.ui.pdfFileReply = QDir(folder).filePath(title + ".pdf");
            run.ui.promptReplies = {title};
            (main.*command)();
            return cups ? nextPdf(folder, before) : run.ui.pdfFileReply;
        };
        const QString grid = print(&Main::mnuPrintGrid_Click, "Grid Title");
        const QString solution = print(&Main::mnuPrintSolution_Click, "Solution Title");
        const QString clues = print(&Main::mnuPrintClues_Click, "Clue Title");
        // The pages a setter sends go the same way.
        const QString puzzlePage = print(&Main::mnuPrintPuzzlePage_Click, "Puzzle Title");
        const QString solutionPage = print(&Main::mnuPrintSolutionPage_Click, "Answers");
        for (const char* printed : {"Puzzle Title", "1 Pet (3)", "2 Summit (3)"})
            QVERIFY(PdfReading::text(puzzlePage).simplified().contains(printed));
        QVERIFY(PdfReading::text(solutionPage).contains("Solution: Answers"));

        // Nothing to report, and nothing to answer on the way.
        QCOMPARE(run.ui.messages(), QStringList());
        QVERIFY(!cups || pdfsIn(qEnvironmentVariable("QUILLGRID_CUPS_LANDSCAPE_DIR")).isEmpty());
        QCOMPARE(PdfReading::sortedWords(grid), QStringList({"1", "2", "3", "Grid", "Title"}));
        QCOMPARE(PdfReading::sortedWords(solution),
                 QStringList({"1", "2", "3", "A", "C", "L", "O", "O", "P", "Solution", "T",
                              "Title", "W", "W"}));
        QCOMPARE(PdfReading::text(clues),
                 "Clue Title Across: 1. Pet 3. Night bird Down: 1. Dairy animal 2. Summit");

        // Black where a cell has no letter, white where it has, and the frame between two
        // letter cells black, as laid out from the page's printable corner.
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(cups ? qEnvironmentVariable("QUILLGRID_CUPS_PORTRAIT_QUEUE")
                                    : QString());
        // Never closer to the paper's edge than 10 mm, however close the driver would print.
        const QPointF driverMm = printer.pageLayout().paintRect(QPageLayout::Millimeter).topLeft();
        const QPointF cornerMm(std::max(driverMm.x(), 10.0), std::max(driverMm.y(), 10.0));
        const QPoint corner = (cornerMm * 150 / 25.4).toPoint() + QPoint(74, 207);
        for (const QString& pdf : {grid, solution, clues}) {
            QCOMPARE(PdfReading::pageCount(pdf), 1);
            QVERIFY(insideTenMillimetres(PdfReading::firstPage(pdf)));
        }
        for (const QString& pdf : {grid, solution}) {
            const QImage page = PdfReading::firstPage(pdf);
            QCOMPARE(PdfReading::cellPattern(page, corner, 5, 3),
                     QStringList({"...##", ".#...", ".#.##"}));
            // One dot wide: where it falls depends on where the margin puts the grid.
            QVERIFY(page.pixelColor(corner + QPoint(56, 20)) == QColor(Qt::black) ||
                    page.pixelColor(corner + QPoint(56 + 1, 20)) == QColor(Qt::black));
        }
    }

    // Too wide for the page at 150 dpi, so drawn smaller as a whole: every letter and
    // number lies inside its own cell on paper and reads as placed.
    void wideGridsKeepEachLetterInsideItsCell_data()
    {
        QTest::addColumn<QSize>("cells");
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
        QCOMPARE(run.ui.messages(), QStringList());
        QVERIFY(insideTenMillimetres(PdfReading::firstPage(run.ui.pdfFileReply)));

        // The grid is all that is dark below the title; its cells share it evenly.
        const QString pdf = run.ui.pdfFileReply;
        const QRectF grid =
            QRectF(darkBounds(PdfReading::firstPage(pdf), 150)).adjusted(0, 0, -1, -1);
        const QRectF points(grid.topLeft() * 72 / 150, grid.size() * 72 / 150);
        const QSizeF cell(points.width() / cells.width(), points.height() / cells.height());
        QStringList read;
        QStringList outside;
        for (const auto& [text, box] : PdfReading::words(pdf)) {
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

    // Read back: the number stands first before a clue in Hebrew; an emoji leaves ink, in
    // the outline emoji font, and letters stay in the font that stands for Arial.
    void printsEveryClueWhole()
    {
        PdfRun run(QStringLiteral("Title"));
        ClueTable clues{};
        clues[0] = {QStringLiteral("Hot drink \u2615"), "TEA", 0, 0, 1, true};
        clues[1] = {QStringLiteral("\u05e9\u05dc\u05d5\u05dd (5)"), "SHALOM", 0, 1, 26, true};
        printClueList(ClueListText::clueListText(clues, 2), run.device, run.ui);
        const QString pdf = run.ui.pdfFileReply;
        const auto words = PdfReading::words(pdf);
        const auto number = std::find_if(words.begin(), words.end(),
                                         [&](const auto& word) { return word.first == "26."; });
        QVERIFY(number != words.end());
        for (const auto& [text, box] : words) {
            if (qAbs(box.center().y() - number->second.center().y()) < 2)
                QVERIFY2(box.left() >= number->second.left(), qPrintable(text));
        }

        QRectF cup;
        for (const auto& [text, box] : words)
            cup = text == QStringLiteral("\u2615") ? box : cup;
        const QRect inked(cup.topLeft().toPoint() * 150 / 72, cup.size().toSize() * 150 / 72);
        QVERIFY(!cup.isEmpty() && darkBounds(PdfReading::firstPage(pdf).copy(inked)).isValid());
        QString fonts;
        for (const auto& font : Poppler::Document::load(pdf)->fonts())
            fonts += font.name() + u' ';
        QVERIFY2(fonts.contains("Symbola") &&
                     fonts.contains(QFontInfo(QFont("Arial")).family().remove(u' ')),
                 qPrintable(fonts));
    }

    // Written beside its place and renamed over it once whole: with room an earlier file
    // is replaced, and on a full disk it stays as it was and the message says why.
    void aPdfReplacesAnEarlierFileOnlyWhenWhole()
    {
        FullDisk disk;
        if (!disk.mounted)
            QSKIP(FullDisk::skipReason);
        PdfRun run(QStringLiteral("Room"));
        const QString pdf = run.ui.pdfFileReply = disk.filePath("grid.pdf");
        disk.write("grid.pdf", "earlier");
        printBlankGrid(TestCrosswords::sample(), run.device, run.ui);
        QVERIFY(PdfReading::sortedWords(pdf).contains("Room"));
        const QByteArray whole = disk.read("grid.pdf");
        disk.write("ballast", QByteArray(1024, 'x'), true);
        run.ui.promptReplies = {QStringLiteral("Full")};
        printBlankGrid(TestCrosswords::sample(), run.device, run.ui);
        QVERIFY(run.ui.messages().constLast().startsWith(
            "The file \"" + pdf + "\" could not be written: only part of it"));
        QCOMPARE(disk.read("grid.pdf"), whole);
        QCOMPARE(disk.files(), QStringList({"ballast", "grid.pdf"}));
    }

    // The job is given up with the reason, and the next print-out starts afresh.
    void reportsWhereAPrintoutCouldNotGo_data()
    {
        QTest::addColumn<Printers>("installed");
        QTest::addColumn<QString>("message");
        QTest::newRow("a file that cannot be written")
            << Printers{}
            << "The file \"/nonexistent-folder/grid.pdf\" could not be written: No such file or "
               "directory.";
        QTest::newRow("a queue that cannot start")
            << Printers{{"Wide", PageOrientation::Landscape},
                        {"No such queue", PageOrientation::Portrait}}
            << "The printer \"No such queue\" could not be started.";
    }
    void reportsWhereAPrintoutCouldNotGo()
    {
        QFETCH(Printers, installed);
        QFETCH(QString, message);
        PdfRun run(QStringLiteral("Title"));
        const QString pdf = run.ui.pdfFileReply;
        run.installed = installed;
        run.ui.pdfFileReply = QStringLiteral("/nonexistent-folder/grid.pdf");
        printBlankGrid(TestCrosswords::sample(), run.device, run.ui);
        // The only message: the grid is abandoned.
        QCOMPARE(run.ui.messages(), QStringList{message});

        run.installed.clear();
        run.ui.pdfFileReply = pdf;
        run.ui.promptReplies = {QStringLiteral("Again")};
        printBlankGrid(TestCrosswords::sample(), run.device, run.ui);
        QCOMPARE(run.ui.messages(), QStringList({message}));
        QVERIFY(PdfReading::sortedWords(pdf).contains("Again"));
    }
};

QUILLGRID_TEST(PdfPrintoutsTest);
#include "PdfPrintoutsTest.moc"
