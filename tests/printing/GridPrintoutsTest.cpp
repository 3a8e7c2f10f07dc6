#include "RecordingPrintDevice.h"
#include "TestCrosswords.h"
#include "printing/GridPrintouts.h"
#include "support/TestRegistry.h"

#include <QTest>

namespace {

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

class GridPrintoutsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
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
};

QUILLGRID_TEST(GridPrintoutsTest);
#include "GridPrintoutsTest.moc"
