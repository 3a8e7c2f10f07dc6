#include "RecordingPrintDevice.h"
#include "TestCrosswords.h"
#include "printing/ClueListPrintout.h"
#include "printing/GridPrintouts.h"
#include "printing/PrintLayout.h"
#include "printing/PuzzlePage.h"
#include "printing/QtPrintDevice.h"
#include "support/TestRegistry.h"

#include <QTest>

using Printers = QList<InstalledPrinter>;
using Replies = QList<std::optional<QString>>;

namespace {

constexpr auto portrait = PageOrientation::Portrait;
constexpr auto landscape = PageOrientation::Landscape;

// 3 x 2: C A T / O . . with 1 across and 1 down in the top left cell. Two entries the
// editor would not make show which entry gives a cell its number: one named in the black
// cell at column 2, row 1, and a later one in the top left cell.
PuzzleState crossword()
{
    PuzzleState state = TestCrosswords::empty(3, 2);
    TestCrosswords::place(state, "Pet", "CAT", 0, 0, 1, true);
    TestCrosswords::place(state, "Firm, briefly", "CO", 0, 0, 1, false);
    state.clueTable[state.clueCount++] = {"Stray", "X", 2, 1, 2, true};
    state.clueTable[state.clueCount++] = {"Later", "CAT", 0, 0, 7, true};
    return state;
}

}  // namespace

class PrintLayoutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Found in printer dots.
    void fixesTheReferencePointInPrinterDots_data()
    {
        QTest::addColumn<int>("dotsPerInch");
        QTest::addColumn<QPoint>("origin");
        QTest::newRow("300 dpi") << 300 << QPoint(118, 354);
        QTest::newRow("600 dpi: 708.66 rounds up") << 600 << QPoint(236, 709);
    }
    void fixesTheReferencePointInPrinterDots()
    {
        QFETCH(int, dotsPerInch);
        QFETCH(QPoint, origin);
        // The real printer, so that its own millimetres become the dots.
        QtPrintDevice real([] { return Printers(); });
        real.setResolution(dotsPerInch);
        real.setUnit(PrintUnit::Millimetres);
        real.setCurrentPoint({0, 16});  // under a title of one line
        QCOMPARE(BeginGridLayout(real, {}), origin);
    }

    // From the reference point (59, 177) at 150 dpi; A4's printable area is 1199 x 1713.
    void shrinksOnlyAGridTooLargeForThePage_data()
    {
        QTest::addColumn<QSize>("cells");
        QTest::addColumn<QSizeF>("printable");
        QTest::addColumn<qreal>("scale");
        QTest::newRow("15 x 15 on A4: as it is") << QSize(15, 15) << QSizeF(1199, 1713) << 1.0;
        QTest::newRow("20 wide ends 5 dots inside") << QSize(20, 5) << QSizeF(1199, 1713) << 1.0;
        QTest::newRow("21 wide: 1140 dots for 1191")
            << QSize(21, 5) << QSizeF(1199, 1713) << 1140.0 / 1191;
        QTest::newRow("30 x 30 on A5: the width decides")
            << QSize(30, 30) << QSizeF(833, 1199) << 774.0 / 1695;
        QTest::newRow("5 x 30 on a short page: the height decides")
            << QSize(5, 30) << QSizeF(1199, 886) << 709.0 / 1290;
    }
    void shrinksOnlyAGridTooLargeForThePage()
    {
        QFETCH(QSize, cells);
        QFETCH(QSizeF, printable);
        QFETCH(qreal, scale);
        QCOMPARE(PrintLayout::gridScale(cells, QPoint(59, 177), printable), scale);
    }

    // The title is the heading's only mark, described as the recording device sees it:
    // 203 mm at 150 dpi are 1198.82 dots, and a character is half of 14 pt, 14.583 dots.
    void choosesThePrinterThenPrintsTheTitleCentred_data()
    {
        QTest::addColumn<Printers>("installed");
        QTest::addColumn<QString>("pdfReply");
        QTest::addColumn<Replies>("typed");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("printed");
        QTest::newRow("landscape first: the first portrait one")
            << Printers{{"Wide", landscape}, {"Office", portrait}, {"Hall", portrait}} << ""
            << Replies{"Sunday Puzzle"} << "Office"
            << QStringList{"Sunday Puzzle@504.618,59.0551 Arial 14 bold"};
        QTest::newRow("two portrait: the first; cancel prints an empty title")
            << Printers{{"Hall", portrait}, {"Office", portrait}} << "" << Replies{std::nullopt}
            << "Hall" << QStringList{"@599.409,59.0551 Arial 14 bold"};
        QTest::newRow("none portrait: the current one stays")
            << Printers{{"Wide", landscape}, {"Plotter", landscape}} << "" << Replies{"Title"}
            << "Kept" << QStringList{"Title@562.951,59.0551 Arial 14 bold"};
        // Too wide even at 8 pt, where a character is 8.333 dots and 143 fit the width.
        const QString words = QStringLiteral("Crossword ").repeated(16).trimmed();
        QTest::newRow("a long title: as small as it may be, then wrapped")
            << Printers{{"Office", portrait}} << "" << Replies{words} << "Office"
            << QStringList{words.left(139) + "@20.2428,59.0551 Arial 8 bold",
                           words.mid(140) + "@520.243,79.0551 Arial 8 bold"};
        // 90 characters are too wide at 13 pt (13.54 dots each) and fit at 12.5 pt.
        const QString ninety = QStringLiteral("Crosswords").repeated(9);
        QTest::newRow("a wide title: a half point at a time until it fits")
            << Printers{{"Office", portrait}} << "" << Replies{ninety} << "Office"
            << QStringList{ninety + "@13.4719,59.0551 Arial 12.5 bold"};
        QTest::newRow("no printer: the PDF file named")
            << Printers{} << "/tmp/grid.pdf" << Replies{"Title"} << "Kept"
            << QStringList{"Title@562.951,59.0551 Arial 14 bold"};
        QTest::newRow("no printer, no file named: abandoned before the title")
            << Printers{} << "" << Replies{"Title"} << "Kept" << QStringList{};
    }
    void choosesThePrinterThenPrintsTheTitleCentred()
    {
        QFETCH(Printers, installed);
        QFETCH(QString, pdfReply);
        QFETCH(Replies, typed);
        QFETCH(QString, chosen);
        QFETCH(QStringList, printed);
        RecordedRun run;
        run.device.installed = installed;
        run.ui.pdfFileReply = pdfReply;
        run.ui.promptReplies = typed;
        QCOMPARE(PrintPageHeading(run.device, run.ui), !printed.isEmpty());
        QCOMPARE(run.device.current, chosen);
        QCOMPARE(run.device.pdfFile, pdfReply);
        QCOMPARE(run.device.drawn("text box fill page end"), printed);
        QCOMPARE(run.ui.shown.size(), printed.isEmpty() ? 0 : 1);
    }

    void printsTheGridInPrinterDots_data()
    {
        QTest::addColumn<bool>("solution");
        QTest::addColumn<QStringList>("texts");
        // At 150 dpi the grid starts at (74, 207); cells are 56 x 42 dots.
        QTest::newRow("blank: bold numbers at +5,+5, in a black cell too")
            << false
            << QStringList{" 1@79,212 Arial 7 bold see-through",
                           " 2@191,254 Arial 7 bold see-through"};
        QTest::newRow("solution: numbers at +3,+3 in letter cells only, letters at +23,+16")
            << true
            << QStringList{" 1@77,210 Arial 7 see-through", "C@97,223 Arial 11 see-through",
                           "O@97,265 Arial 11 see-through", "A@153,223 Arial 11 see-through",
                           "T@209,223 Arial 11 see-through"};
    }
    void printsTheGridInPrinterDots()
    {
        QFETCH(bool, solution);
        QFETCH(QStringList, texts);
        RecordedRun run;
        (solution ? printSolutionGrid : printBlankGrid)(crossword(), run.device, run.ui);

        QCOMPARE(run.device.drawn("text").mid(1), texts);
        // Column by column; a letter cell's white box sits 2 dots inside its frame.
        const QStringList frames = {
            "box 74,207-130,249 #000000",  "fill 76,209-128,247 #ffffff",   // C
            "box 74,249-130,291 #000000",  "fill 76,251-128,289 #ffffff",   // O
            "box 130,207-186,249 #000000", "fill 132,209-184,247 #ffffff",  // A
            "box 130,249-186,291 #000000",                                  // black
            "box 186,207-242,249 #000000", "fill 188,209-240,247 #ffffff",  // T
            "box 186,249-242,291 #000000",                                  // black
        };
        QCOMPARE(run.device.drawn("box fill"), frames);
        // Only the title is asked for: the print-out never stops for a message.
        QCOMPARE(run.ui.messages(), QStringList());
    }

    // Every print-out proposes the crossword's own title where it has one. Seven lines of
    // title at 8 pt, each 1.2 em or 20 dots high, reach below 30 mm: the grid, or the clue
    // list, starts below the last of them instead of printing over it.
    void proposesTheTitleAndStartsBelowIt_data()
    {
        QTest::addColumn<QString>("own");
        QTest::addColumn<QString>("proposed");
        QTest::newRow("untitled") << QString() << QStringLiteral("Crossword");
        QTest::newRow("titled") << QStringLiteral("Sunday Prize")
                                << QStringLiteral("Sunday Prize");
    }
    void proposesTheTitleAndStartsBelowIt()
    {
        QFETCH(QString, own);
        QFETCH(QString, proposed);
        PuzzleState state = TestCrosswords::sample();
        state.crosswordTitle = own;
        const auto clues = [](const PuzzleState& state, PrintDevice& device, Ui& ui) {
            printClueList("Across:\r\n 1. Pet\r\n", device, ui, state.crosswordTitle);
        };
        for (const auto printout :
             {printBlankGrid, printSolutionGrid, +clues, printPuzzlePage, printSolutionPage}) {
            RecordedRun run;
            run.ui.promptReplies = {QStringLiteral("Crossword ").repeated(100).trimmed()};
            printout(state, run.device, run.ui);
            QCOMPARE(run.ui.shown.at(0).proposed, proposed);
            if (printout == printPuzzlePage || printout == printSolutionPage)
                continue;  // their own heading, read back whole from the PDF
            qreal titleBottom = 0, contentTop = 1e9;
            for (const auto& mark : run.device.marksOf("text box")) {
                if (mark.style == "Arial 8 bold")
                    titleBottom = std::max(titleBottom, mark.rect.top() + 20);
                else
                    contentTop = std::min(contentTop, mark.rect.top());
            }
            QVERIFY(titleBottom > 30 * 150 / 25.4 && contentTop >= titleBottom);
        }
    }
};

QUILLGRID_TEST(PrintLayoutTest);
#include "PrintLayoutTest.moc"
