#include "PdfReading.h"
#include "TestCrosswords.h"
#include "app/Main.h"
#include "printing/SystemPrinters.h"
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

const QString portraitQueue = QStringLiteral("QuillgridPortrait");
const QString landscapeQueue = QStringLiteral("QuillgridLandscape");

QStringList pdfsIn(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
}

int activeJobs()
{
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, nullptr, 0, CUPS_WHICHJOBS_ACTIVE);
    cupsFreeJobs(count, jobs);
    return count;
}

// The PDF that the queue wrote for the job just sent: it is complete once CUPS has no
// job left and the file has appeared.
QString nextPdf(const QString& folder, const QStringList& before)
{
    const QDeadlineTimer deadline(60000);
    while (!deadline.hasExpired()) {
        if (activeJobs() == 0) {
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
// names them here; without it there is nothing to print on.
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
        if (!serverSet_)
            cupsSetServer(server.constData());
        serverSet_ = true;
        portraitFolder_ = qEnvironmentVariable("QUILLGRID_CUPS_PORTRAIT_DIR");
        landscapeFolder_ = qEnvironmentVariable("QUILLGRID_CUPS_LANDSCAPE_DIR");
    }

    // The classes after this one talk to the machine's own CUPS again.
    void cleanupTestCase()
    {
        if (serverSet_)
            cupsSetServer(nullptr);
    }

    void listsTheQueuesWithTheirDefaultOrientation()
    {
        const QList<InstalledPrinter> expected = {{landscapeQueue, PageOrientation::Landscape},
                                                  {portraitQueue, PageOrientation::Portrait}};
        QCOMPARE(systemPrinters(), expected);
    }

    void printsTheThreePrintoutsOnTheFirstPortraitQueue()
    {
        ScriptedUi ui;
        Main main(&ui);
        main.state() = TestCrosswords::sample();

        QStringList before = pdfsIn(portraitFolder_);
        ui.promptReplies = {QStringLiteral("Grid Title")};
        main.mnuPrintGrid_Click();
        const QString grid = nextPdf(portraitFolder_, before);
        QVERIFY2(!grid.isEmpty(), "the blank grid never reached the queue");

        before = pdfsIn(portraitFolder_);
        ui.promptReplies = {QStringLiteral("Solution Title")};
        main.mnuPrintSolution_Click();
        const QString solution = nextPdf(portraitFolder_, before);
        QVERIFY2(!solution.isEmpty(), "the solution never reached the queue");

        before = pdfsIn(portraitFolder_);
        ui.dialogActions << [&ui](QDialog& dialog) {
            ui.promptReplies = {QStringLiteral("Clue Title")};
            dialog.findChild<QPushButton*>(QStringLiteral("Print"))->click();
        };
        main.mnuPrintClues_Click();
        const QString clues = nextPdf(portraitFolder_, before);
        QVERIFY2(!clues.isEmpty(), "the clue list never reached the queue");

        // The reference point at 150 dpi, and nothing else to report.
        QCOMPARE(ui.messages(), QStringList({" 59   177", " 59   177"}));
        QVERIFY(pdfsIn(landscapeFolder_).isEmpty());

        QStringList gridWords = PdfReading::words(grid);
        gridWords.sort();
        QCOMPARE(gridWords, QStringList({"1", "2", "3", "Grid", "Title"}));
        QStringList solutionWords = PdfReading::words(solution);
        QVERIFY(solutionWords.contains("Solution"));
        for (const char* letter : {"C", "A", "T", "O", "W", "L", "P"})
            QVERIFY2(solutionWords.contains(QLatin1String(letter)), letter);
        const QString clueText = PdfReading::text(clues);
        for (const char* line : {"Clue Title", "Across:", "1. Pet", "3. Night bird",
                                 "Down:", "1. Dairy animal", "2. Summit"})
            QVERIFY2(clueText.contains(QLatin1String(line)), line);

        // The page as the queue laid it out: its printable corner, one dot to a pixel.
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(portraitQueue);
        const QPointF cornerMm = printer.pageLayout().paintRect(QPageLayout::Millimeter).topLeft();
        const QPoint gridCorner = (cornerMm * 150 / 25.4).toPoint() + QPoint(74, 207);
        const QStringList cells = {"...##", ".#...", ".#.##"};
        for (const QString& pdf : {grid, solution}) {
            QCOMPARE(PdfReading::pageCount(pdf), 1);
            QCOMPARE(PdfReading::cellPattern(PdfReading::page(pdf, 1, 150), gridCorner, 5, 3),
                     cells);
        }
    }

private:
    QString portraitFolder_;
    QString landscapeFolder_;
    bool serverSet_ = false;
};

QUILLGRID_TEST(CupsEndToEndTest);
#include "CupsEndToEndTest.moc"
