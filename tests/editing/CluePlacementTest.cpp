#include "app/ImageSurface.h"
#include "editing/ClueForm.h"
#include "editing/CluePlacement.h"
#include "editing/GridDrawing.h"
#include "editing/GridGeometry.h"
#include "editing/NewCrossword.h"
#include "model/ClueCells.h"
#include "model/PuzzleState.h"
#include "support/ScriptedUi.h"
#include "support/TestRegistry.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <tuple>

namespace {

struct Placement {
    QPoint cell;
    QString clue;
    QString answer;
    bool across = true;
    QString leaveWith = QStringLiteral("update");
};
using Placements = QList<Placement>;

// A fresh crossword with the real dialog driven by the script. A 10 x 10 grid on 600 x 400
// pixels has cells of 58 x 39 from (10, 5) to (590, 395).
struct Board {
    PuzzleState state;
    ImageSurface surface;
    ScriptedUi ui;
    ClueForm form{state};

    explicit Board(int columns = 10, int rows = 10) : surface(QSize(600, 400))
    {
        ui.promptReplies = {QString::number(columns), QString::number(rows)};
        newCrossword(state, surface, ui);
    }

    QPoint centre(QPoint cell) const
    {
        return {GridGeometry::left(state, cell.x()) + state.cellWidth / 2,
                GridGeometry::top(state, cell.y()) + state.cellHeight / 2};
    }

    // The person types the entry and leaves the dialog at its next showing.
    void willType(const Placement& entry)
    {
        ui.dialogActions << [this, entry](QDialog&) {
            form.findChild<QLineEdit*>(QStringLiteral("clue"))->setText(entry.clue);
            form.findChild<QLineEdit*>(QStringLiteral("answer"))->setText(entry.answer);
            form.findChild<QComboBox*>(QStringLiteral("direction"))
                ->setCurrentIndex(entry.across ? 1 : 0);
            form.findChild<QPushButton*>(entry.leaveWith)->click();
        };
    }

    void place(const Placement& entry)
    {
        willType(entry);
        placeClue(state, surface, ui, form, Qt::LeftButton, centre(entry.cell));
    }
};

// Everything a refused or ignored press must leave as it was.
auto snapshot(const Board& board)
{
    const PuzzleState& state = board.state;
    return std::tuple(state.clueTable, state.clueCount, state.clueNumber, state.gridLetters,
                      board.surface.image().copy());
}

const Placement sunAcross{{2, 3}, QStringLiteral("Star of the day"), QStringLiteral("sun"), true};
const QString clueError = QStringLiteral("Clue error");
const QPoint none(-1, -1);
const QString tooLong = QStringLiteral("Answer is too long to fit into the grid.");
const QString conflicting = QStringLiteral("Answers for clues are conflicting. Please check!");

}  // namespace

Q_DECLARE_METATYPE(Placement)
Q_DECLARE_METATYPE(Qt::MouseButton)

class CluePlacementTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // After SUN across at (2, 3), the entry is placed, or refused with a message that
    // leaves the model and every pixel as they were.
    void placesOrRefusesAnEntry_data()
    {
        QTest::addColumn<QSize>("grid");  // columns x rows
        QTest::addColumn<Placement>("entry");
        QTest::addColumn<QString>("placed");
        QTest::addColumn<QString>("message");  // empty when placed
        // `placed` is empty where the answer runs off the grid; `past` the message's end.
        auto row = [](const char* name, QSize grid, QPoint cell, const char* answer, bool across,
                      const char* placed, const char* past = "") {
            QTest::newRow(name) << grid << Placement{cell, "  \tA clue  ", answer, across}
                                << QString::fromUtf8(placed)
                                << (*placed ? QString() : tooLong + '\n' + past);
        };
        row("across 4 at column 6 ends on the edge", {10, 10}, {6, 0}, "MOON", true, "MOON");
        row("across 4 at column 7 runs past", {10, 10}, {7, 0}, "MOON", true, "",
            "MOON runs 1 letter past the grid's last column.");
        row("down 4 at row 6 ends on the edge", {10, 10}, {0, 6}, "MOON", false, "MOON");
        row("down 4 at row 7 runs past", {10, 10}, {0, 7}, "MOON", false, "");
        row("sun flower is nine letters", {10, 10}, {1, 5}, " sun flower ", true, "SUNFLOWER");
        row("nine letters from column 5 run four past", {10, 10}, {5, 5}, "sunflower", true, "",
            "SUNFLOWER runs 4 letters past the grid's last column.");
        // A grid wider than high shows which size each direction is measured against.
        row("across the full width", {12, 8}, {0, 7}, "ABCDEFGHIJKL", true, "ABCDEFGHIJKL");
        row("down past the rows", {12, 8}, {0, 0}, "ABCDEFGHI", false, "");
        row("down 2 at row 28 of 30 ends on the edge", {30, 30}, {29, 28}, "UP", false, "UP");
        row("down 2 at row 29 of 30 runs past", {30, 30}, {29, 29}, "UP", false, "",
            "UP runs 1 letter past the grid's last row.");
        auto refused = [](const char* name, Placement entry, const QString& message) {
            QTest::newRow(name) << QSize(10, 10) << entry << QString() << message;
        };
        const QString empty = QStringLiteral("Neither Clue nor Answer can be empty.");
        refused("MOON down on the N of SUN", {{4, 2}, "Night light", "moon", false},
                conflicting + "\nRow 4, column 5 holds N; MOON needs O there.");
        refused("conflict on the last letter only", {{2, 2}, "Be present", "AT", false},
                conflicting + "\nRow 4, column 3 holds S; AT needs T there.");
        // Not "the answer is empty", and not OMEGA without its first letter either.
        refused("a letter with no A-Z form", {{5, 5}, "Last", "\u03a9 omega", true},
                "The answer holds the letter \u03a9, which has no form in the letters A to Z "
                "that a grid is written in.");
        refused("blank clue", {{5, 5}, "   ", "moon", true}, empty);
        refused("empty answer", {{5, 5}, "Night light", "", true}, empty);
        refused("answer without letters", {{5, 5}, "Night light", " 12-3! ", true}, empty);
        // The hand-over fields still hold SUN unless emptied before the dialog is shown.
        refused("Cancel this Clue", {{5, 5}, "Night light", "moon", true, "Cancel"}, empty);
    }
    void placesOrRefusesAnEntry()
    {
        QFETCH(QSize, grid);
        QFETCH(Placement, entry);
        QFETCH(QString, placed);
        QFETCH(QString, message);
        Board board(grid.width(), grid.height());
        board.place(sunAcross);
        const auto before = snapshot(board);
        board.place(entry);

        if (!message.isEmpty()) {
            QCOMPARE(board.ui.messages().value(0).left(message.size()), message);
            QCOMPARE(board.ui.shown.constLast().caption,
                     message.startsWith(conflicting) ? "Clues are conflicting" : clueError);
            QVERIFY(snapshot(board) == before);
            return;
        }
        QCOMPARE(board.ui.messages(), QStringList());
        QCOMPARE(board.state.clueCount, 2);
        // Blanks around the clue go, nothing else; the answer keeps only its letters.
        const ClueEntry filed{
            "\tA clue", placed, qint16(entry.cell.x()), qint16(entry.cell.y()), 2, entry.across};
        QCOMPARE(board.state.clueTable[1], filed);
        QString path;
        for (const QPoint cell : clueCells(filed))
            path += board.state.gridLetters[cell.x()][cell.y()];
        QCOMPARE(path, placed);
    }

    // The screen shows what the redraw of the same crossword after Open shows.
    void numbersByStartCell_data()
    {
        QTest::addColumn<Placements>("entries");
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<int>("clueNumber");
        const Placement starDown{{2, 3}, "Twinkler", "STAR", false};
        const Placement upDown{{3, 3}, "Not down", "up", false};
        QTest::newRow("across and down from one cell share a number")
            << Placements{sunAcross, starDown} << QList<int>{1, 1} << 1;
        QTest::newRow("down from the middle of an across takes the next")
            << Placements{sunAcross, upDown} << QList<int>{1, 2} << 2;
        QTest::newRow("the same clue twice")
            << Placements{sunAcross, sunAcross} << QList<int>{1, 1} << 1;
        QTest::newRow("a shared start found further back than the last clue")
            << Placements{sunAcross, upDown, starDown, {{6, 2}, "Cold", "ice", false}, upDown}
            << QList<int>{1, 2, 1, 3, 2} << 3;
        // ESUN runs through the start cells of SUN and UP: they keep their numbers.
        QTest::newRow("through earlier starts")
            << Placements{sunAcross, upDown, {{1, 3}, "Sun, east", "esun", true}}
            << QList<int>{1, 2, 3} << 3;
    }
    void numbersByStartCell()
    {
        QFETCH(Placements, entries);
        QFETCH(QList<int>, numbers);
        QFETCH(int, clueNumber);
        Board board;
        for (const Placement& entry : entries)
            board.place(entry);

        QCOMPARE(board.ui.messages(), QStringList());
        QList<int> given;
        for (int i = 0; i < board.state.clueCount; ++i)
            given << board.state.clueTable[i].number;
        QCOMPARE(given, numbers);
        QCOMPARE(board.state.clueNumber, clueNumber);
        ImageSurface redrawn(board.surface.size());
        GridDrawing::drawGrid(redrawn, board.state);
        QCOMPARE(board.surface.image(), redrawn.image());
    }

    // 10 x 10 cells of 58 x 39 from (10, 5), unless a row says otherwise.
    void actsOnlyOnALeftPressOnACell_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<QPoint>("cell");  // (-1, -1): the press is ignored
        QTest::addColumn<QSize>("area");
        QTest::addColumn<QSize>("grid");
        QTest::addColumn<QSize>("cells");
        auto row = [&](const char* name, QPoint position, QPoint cell, QSize area = {600, 400},
                       QSize grid = {10, 10}, QSize cells = {58, 39},
                       Qt::MouseButton button = Qt::LeftButton) {
            QTest::newRow(name) << button << position << cell << area << grid << cells;
        };
        row("right", {100, 100}, none, {600, 400}, {10, 10}, {58, 39}, Qt::RightButton);
        row("on the left margin", {10, 100}, none);
        row("just inside the left margin", {11, 100}, {0, 2});
        // The area has shrunk since the grid was drawn, so the margin, not the grid's edge,
        // is what turns the press away.
        row("on the right margin", {490, 100}, none, {500, 400});
        row("just inside the right margin", {489, 100}, {8, 2}, {500, 400});
        row("on the top margin", {100, 5}, none);
        row("just inside the top margin", {100, 6}, {1, 0});
        row("on the bottom margin", {100, 295}, none, {600, 300});
        row("just inside the bottom margin", {100, 294}, {1, 7}, {600, 300});
        row("last pixel of a cell belongs to it", {67, 82}, {0, 1});
        row("first pixel of the next cell", {68, 83}, {1, 2});
        row("beside the grid in a widened area", {700, 100}, none, {800, 600});
        row("below the grid in a heightened area", {100, 500}, none, {800, 600});
        row("before any grid", {300, 200}, none, {600, 400}, {0, 0}, {0, 0});
        row("cells of no width", {300, 200}, none, {600, 400}, {5, 5}, {0, 20});
        row("cells of negative height", {300, 200}, none, {600, 400}, {5, 5}, {20, -3});
    }
    void actsOnlyOnALeftPressOnACell()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, position);
        QFETCH(QPoint, cell);
        QFETCH(QSize, area);
        QFETCH(QSize, grid);
        QFETCH(QSize, cells);
        Board board;
        board.surface.setAreaSize(area);
        board.state.xGridSize = qint16(grid.width());
        board.state.yGridSize = qint16(grid.height());
        board.state.cellWidth = qint16(cells.width());
        board.state.cellHeight = qint16(cells.height());
        const auto before = snapshot(board);
        board.willType({{}, "Article", "a", true});
        placeClue(board.state, board.surface, board.ui, board.form, button, position);

        QCOMPARE(board.ui.messages(), QStringList());
        if (cell == none) {
            QCOMPARE(board.ui.modalDialogs, QStringList());
            QVERIFY(snapshot(board) == before);
            return;
        }
        QCOMPARE(board.state.clueCount, 1);
        QCOMPARE(QPoint(board.state.clueTable[0].x, board.state.clueTable[0].y), cell);
    }

    // Cells of 23 x 39 put the letters on half pixels, showing which way they are
    // rounded. The font before is 16 and plain: the number is drawn 5 plain, the letters
    // 16 bold.
    void drawsEachCellWholeInItsFonts()
    {
        Board board(25, 10);
        ImageSurface expected(board.surface.size());
        GridDrawing::drawGrid(expected, board.state);
        board.surface.setFont(16, false);
        board.place({{0, 1}, "Day star", "sun", true});

        const QColor letterFill(240, 240, 240);
        expected.fillBox({11, 45}, {32, 82}, letterFill);
        expected.setFont(5, false);
        expected.drawText({10, 44}, QStringLiteral(" 1"));
        expected.setFont(16, true);
        expected.drawText({16, 54}, QStringLiteral("S"));
        expected.fillBox({34, 45}, {55, 82}, letterFill);
        expected.drawText({40, 54}, QStringLiteral("U"));
        expected.fillBox({57, 45}, {78, 82}, letterFill);
        expected.drawText({62, 54}, QStringLiteral("N"));
        QCOMPARE(board.surface.image(), expected.image());
    }

    // Numbers are 16 bits: at 32767 only a clue sharing an earlier start may be placed,
    // and the refusal comes before anything is typed.
    void refusesANumberPast32767()
    {
        Board board;
        board.place(sunAcross);
        board.state.clueNumber = 32767;  // as opened from a file that came that far
        const auto before = snapshot(board);
        placeClue(board.state, board.surface, board.ui, board.form, Qt::LeftButton,
                  board.centre({5, 5}));
        QCOMPARE(board.ui.messages().size(), 1);
        QVERIFY(board.ui.messages()[0].contains("clue number 32767"));
        QCOMPARE(board.ui.modalDialogs.size(), 1);
        QVERIFY(snapshot(board) == before);
        board.place({{2, 3}, "Day star", "sun", false});
        QCOMPARE(board.state.clueTable[1].number, 1);
    }

    void refusesTheClueBeyondTheLimit()
    {
        Board board;
        // More clues than cells: the later ones repeat earlier ones, as a setter may.
        for (int i = 0; i < Capacity::maxClues; ++i)
            board.place({{i % 10, i / 10 % 10}, "Letter", "a", true});
        const auto before = snapshot(board);

        // Also where it would share a number and need no new one.
        for (QPoint cell : {QPoint(5, 8), QPoint(0, 0)})
            board.place({cell, "One too many", "b", true});
        const QString full =
            QStringLiteral("This crossword already holds 999 clues, the most it can keep.");
        QCOMPARE(board.ui.messages(), QStringList({full, full}));
        QCOMPARE(board.ui.shown.constLast().caption, clueError);
        QCOMPARE(board.ui.modalDialogs.size(), Capacity::maxClues);
        QVERIFY(snapshot(board) == before);
        QCOMPARE(board.state.clueTable[Capacity::maxClues], ClueEntry{});
    }
};

QUILLGRID_TEST(CluePlacementTest);
#include "CluePlacementTest.moc"
