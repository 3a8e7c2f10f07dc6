#include "PdfReading.h"
#include "TestCrosswords.h"
#include "app/Main.h"
#include "support/ScriptedUi.h"
#include "support/TestRegistry.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QPageLayout>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QThread>

#include <cups/cups.h>

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

}  // namespace

// Prints through the program's own commands onto a real CUPS queue that writes PDF files.
// test.sh starts a private cupsd with a landscape queue listed before a portrait one and
// names them here; without it there is nothing to print on. The landscape queue listed
// first shows that each queue's default orientation is read.
class CupsEndToEndTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Skipped test by test: a skip in initTestCase would carry over into the classes
    // that run after this one in the same executable.
    void init()
    {
        const QByteArray server = qgetenv("QUILLGRID_TEST_CUPS_SERVER");
        if (server.isEmpty())
            QSKIP("no CUPS queue set up for this run: test.sh sets one up where cupsd can start");
        if (!PdfReading::toolsInstalled())
            QSKIP("pdftotext and pdftoppm are missing: install poppler-utils");
        // Only this test talks to the private scheduler; libcups keeps the server it was
        // first told of, so it is told here, before the queues are listed.
        cupsSetServer(server.constData());
        portraitFolder_ = qEnvironmentVariable("QUILLGRID_CUPS_PORTRAIT_DIR");
        landscapeFolder_ = qEnvironmentVariable("QUILLGRID_CUPS_LANDSCAPE_DIR");
    }

    // The classes after this one talk to the machine's own CUPS again.
    void cleanupTestCase() { cupsSetServer(nullptr); }

    void printsTheThreePrintoutsOnTheFirstPortraitQueue()
    {
        ScriptedUi ui;
        Main main(&ui);
        main.state() = TestCrosswords::sample();
        ui.dialogActions << [](QDialog& list) { list.findChild<QPushButton*>("Print")->click(); };
        const auto print = [&](void (Main::*command)(), const QString& title) {
            const QStringList before = pdfsIn(portraitFolder_);
            ui.promptReplies = {title};
            (main.*command)();
            return nextPdf(portraitFolder_, before);
        };
        const QString grid = print(&Main::mnuPrintGrid_Click, "Grid Title");
        const QString solution = print(&Main::mnuPrintSolution_Click, "Solution Title");
        const QString clues = print(&Main::mnuPrintClues_Click, "Clue Title");
        QVERIFY2(!grid.isEmpty() && !solution.isEmpty() && !clues.isEmpty(),
                 "a print-out never reached the queue");

        // The reference point at 150 dpi, and nothing else to report.
        QCOMPARE(ui.messages(), QStringList({" 59   177", " 59   177"}));
        QVERIFY(pdfsIn(landscapeFolder_).isEmpty());
        QCOMPARE(PdfReading::sortedWords(grid), QStringList({"1", "2", "3", "Grid", "Title"}));
        QCOMPARE(PdfReading::sortedWords(solution),
                 QStringList({"1", "2", "3", "A", "C", "L", "O", "O", "P", "Solution", "T",
                              "Title", "W", "W"}));
        QCOMPARE(PdfReading::text(clues).simplified(),
                 "Clue Title Across: 1. Pet 3. Night bird Down: 1. Dairy animal 2. Summit");

        // The page as the queue laid it out: its printable corner, one dot to a pixel.
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(QStringLiteral("QuillgridPortrait"));
        const QPointF cornerMm = printer.pageLayout().paintRect(QPageLayout::Millimeter).topLeft();
        const QPoint gridCorner = (cornerMm * 150 / 25.4).toPoint() + QPoint(74, 207);
        for (const QString& pdf : {grid, solution}) {
            QCOMPARE(PdfReading::text(pdf).count(u'\f'), 1);
            QCOMPARE(PdfReading::cellPattern(PdfReading::firstPage(pdf), gridCorner, 5, 3),
                     QStringList({"...##", ".#...", ".#.##"}));
        }
    }

private:
    QString portraitFolder_;
    QString landscapeFolder_;
};

QUILLGRID_TEST(CupsEndToEndTest);
#include "CupsEndToEndTest.moc"
