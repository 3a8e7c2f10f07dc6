#include "editing/ClueForm.h"
#include "editing/CluePlacement.h"
#include "editing/GridGeometry.h"
#include "editing/NewCrossword.h"
#include "model/PuzzleState.h"
#include "seams/ImageSurface.h"
#include "support/ScriptedUi.h"
#include "support/TestRegistry.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

struct Placement {
    QPoint cell;
    QString clue;
    QString answer;
    bool across = true;
};
using Placements = QList<Placement>;

// A fresh crossword drawn on a real surface, with the real dialog driven by the script.
// A 10 x 10 grid on 600 x 400 pixels has cells of 58 x 39 from (10, 5) to (590, 395).
struct Board {
    PuzzleState state;
    ImageSurface surface;
    ScriptedUi ui;
    ClueForm form{state};

    explicit Board(int columns = 10, int rows = 10, QSize area = QSize(600, 400)) : surface(area) {
        ui.promptReplies = {QString::number(columns), QString::number(rows)};
        newCrossword(state, surface, ui);
        ui.shown.clear();
    }

    QPoint centre(QPoint cell) const {
        return {GridGeometry::left(state, cell.x()) + state.cellWidth / 2,
                GridGeometry::top(state, cell.y()) + state.cellHeight / 2};
    }

    // The person types the entry and clicks Update at the next showing of the dialog.
    void willType(const Placement& entry) {
        ui.dialogActions << [this, entry](QDialog&) {
            form.findChild<QLineEdit*>(QStringLiteral("clue"))->setText(entry.clue);
            form.findChild<QLineEdit*>(QStringLiteral("answer"))->setText(entry.answer);
            form.findChild<QComboBox*>(QStringLiteral("direction"))
                ->setCurrentIndex(entry.across ? 1 : 0);
            form.findChild<QPushButton*>(QStringLiteral("update"))->click();
        };
    }

    void press(QPoint position, Qt::MouseButton button = Qt::LeftButton) {
        placeClue(state, surface, ui, form, button, position);
    }

    void place(const Placement& entry) {
        willType(entry);
        press(centre(entry.cell));
    }

    // The letters of the grid, one text per row, '.' for an empty cell.
    QStringList picture() const {
        QStringList rows;
        for (int r = 0; r < state.yGridSize; ++r) {
            QString row;
            for (int c = 0; c < state.xGridSize; ++c) {
                const QString& letter = state.gridLetters[c][r];
                row += letter.isEmpty() ? QStringLiteral(".") : letter;
            }
            rows << row;
        }
        return rows;
    }
};

// Everything a refused placement must leave as it was.
struct Snapshot {
    explicit Snapshot(const Board& board)
        : clueTable(board.state.clueTable),
          clueCount(board.state.clueCount),
          clueNumber(board.state.clueNumber),
          gridLetters(board.state.gridLetters),
          image(board.surface.image().copy()) {}
    bool operator==(const Snapshot&) const = default;

    decltype(PuzzleState::clueTable) clueTable;
    qint16 clueCount;
    qint16 clueNumber;
    LetterTable gridLetters;
    QImage image;
};

const Placement sunAcross{{2, 3}, QStringLiteral("Star of the day"), QStringLiteral("sun"), true};

// Records each drawing operation, with the font it is drawn in, and draws it as well.
class RecordingSurface final : public Surface {
public:
    explicit RecordingSurface(QSize area) : real_(area) {}

    QStringList operations;

    QSize size() const override { return real_.size(); }
    void clear() override { real_.clear(); }
    void drawBox(QPoint from, QPoint to) override { real_.drawBox(from, to); }
    void fillBox(QPoint from, QPoint to, const QColor& colour) override {
        operations << QStringLiteral("fill %1,%2 %3,%4 %5")
                          .arg(from.x())
                          .arg(from.y())
                          .arg(to.x())
                          .arg(to.y())
                          .arg(colour.name());
        real_.fillBox(from, to, colour);
    }
    void setFont(int pointSize, bool bold) override {
        operations << QStringLiteral("font %1 %2").arg(pointSize).arg(bold ? "bold" : "plain");
        real_.setFont(pointSize, bold);
    }
    int fontPointSize() const override { return real_.fontPointSize(); }
    bool fontBold() const override { return real_.fontBold(); }
    void drawText(QPoint topLeft, const QString& text) override {
        operations
            << QStringLiteral("text %1,%2 '%3'").arg(topLeft.x()).arg(topLeft.y()).arg(text);
        real_.drawText(topLeft, text);
    }

private:
    ImageSurface real_;
};

}  // namespace

Q_DECLARE_METATYPE(Placement)
Q_DECLARE_METATYPE(Qt::MouseButton)

class CluePlacementTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fitsAnswersUpToTheGridsEdge_data() {
        QTest::addColumn<QSize>("grid");  // columns x rows
        QTest::addColumn<Placement>("entry");
        QTest::addColumn<QString>("placed");  // empty when refused as too long
        auto row = [](const char* name, QSize grid, QPoint cell, const char* answer, bool across,
                      const char* placed) {
            QTest::newRow(name) << grid
                                << Placement{cell, QStringLiteral("A clue"),
                                             QString::fromLatin1(answer), across}
                                << QString::fromLatin1(placed);
        };
        const QSize square(10, 10);
        const QSize wide(12, 8);
        row("across 4 at column 6 ends on the edge", square, {6, 0}, "MOON", true, "MOON");
        row("across 4 at column 7 runs past", square, {7, 0}, "MOON", true, "");
        row("down 4 at row 6 ends on the edge", square, {0, 6}, "MOON", false, "MOON");
        row("down 4 at row 7 runs past", square, {0, 7}, "MOON", false, "");
        row("one letter in the last cell", square, {9, 9}, "x", true, "X");
        row("sun flower is nine letters", square, {1, 5}, "sun flower", true, "SUNFLOWER");
        row("sun flower one column further runs past", square, {2, 5}, "sun flower", true, "");
        row("only letters count towards the length", square, {0, 6}, "m-o'o n!", false, "MOON");
        row("across the full width of a wide grid", wide, {0, 7}, "ABCDEFGHIJKL", true,
            "ABCDEFGHIJKL");
        row("across measured against the columns", wide, {0, 0}, "ABCDEFGHIJKLM", true, "");
        row("down the full height of a wide grid", wide, {11, 0}, "ABCDEFGH", false, "ABCDEFGH");
        row("down measured against the rows", wide, {0, 0}, "ABCDEFGHI", false, "");
    }
    void fitsAnswersUpToTheGridsEdge() {
        QFETCH(QSize, grid);
        QFETCH(Placement, entry);
        QFETCH(QString, placed);
        Board board(grid.width(), grid.height());
        const Snapshot before(board);
        board.place(entry);

        if (placed.isEmpty()) {
            QCOMPARE(board.ui.messages(),
                     QStringList{QStringLiteral("Answer is too long to fit into the grid.")});
            QCOMPARE(board.ui.shown.constFirst().caption, QStringLiteral("Clue error"));
            QVERIFY(Snapshot(board) == before);
            return;
        }
        QCOMPARE(board.ui.messages(), QStringList());
        QCOMPARE(board.state.clueCount, 1);
        const ClueEntry& filed = board.state.clueTable[0];
        QCOMPARE(filed.answer, placed);
        QCOMPARE(QPoint(filed.x, filed.y), entry.cell);
        QCOMPARE(filed.across, entry.across);
        QString path;
        for (int k = 0; k < placed.size(); ++k) {
            const QPoint cell = entry.cell + (entry.across ? QPoint(k, 0) : QPoint(0, k));
            path += board.state.gridLetters[cell.x()][cell.y()];
        }
        QCOMPARE(path, placed);
    }

    void numbersByStartCell_data() {
        QTest::addColumn<Placements>("entries");
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<int>("clueNumber");
        QTest::addColumn<QStringList>("picture");  // rows 2 to 6
        const Placement starDown{{2, 3}, "Twinkler", "STAR", false};
        const Placement upDown{{3, 3}, "Not down", "up", false};
        QTest::newRow("across and down from one cell share a number")
            << Placements{sunAcross, starDown} << QList<int>{1, 1} << 1
            << QStringList{"..........", "..SUN.....", "..T.......", "..A.......", "..R......."};
        QTest::newRow("down from the middle of an across takes the next")
            << Placements{sunAcross, upDown} << QList<int>{1, 2} << 2
            << QStringList{"..........", "..SUN.....", "...P......", "..........", ".........."};
        QTest::newRow("the same clue twice")
            << Placements{sunAcross, sunAcross} << QList<int>{1, 1} << 1
            << QStringList{"..........", "..SUN.....", "..........", "..........", ".........."};
        QTest::newRow("a shared start found further back than the last clue")
            << Placements{sunAcross, upDown, starDown, {{6, 2}, "Cold", "ice", false}, upDown}
            << QList<int>{1, 2, 1, 3, 2} << 3
            << QStringList{"......I...", "..SUN.C...", "..TP..E...", "..A.......", "..R......."};
    }
    void numbersByStartCell() {
        QFETCH(Placements, entries);
        QFETCH(QList<int>, numbers);
        QFETCH(int, clueNumber);
        QFETCH(QStringList, picture);
        Board board;
        for (const Placement& entry : entries)
            board.place(entry);

        QCOMPARE(board.ui.messages(), QStringList());
        QCOMPARE(board.state.clueCount, entries.size());
        QList<int> given;
        for (int i = 0; i < board.state.clueCount; ++i) {
            const ClueEntry& filed = board.state.clueTable[i];
            QCOMPARE(filed.clue, entries[i].clue);
            QCOMPARE(QPoint(filed.x, filed.y), entries[i].cell);
            given << filed.number;
        }
        QCOMPARE(given, numbers);
        QCOMPARE(board.state.clueNumber, clueNumber);
        QCOMPARE(board.picture().mid(2, 5), picture);
        QCOMPARE(board.picture().mid(7), QStringList(3, QStringLiteral("..........")));
    }

    void filesTheClueTrimmedAndTheAnswerInCapitals() {
        Board board;
        board.place(
            {{0, 0}, QStringLiteral("  \tBig Apple  "), QStringLiteral("  new york "), true});
        const ClueEntry expected{
            QStringLiteral("\tBig Apple"), QStringLiteral("NEWYORK"), 0, 0, 1, true};
        QCOMPARE(board.state.clueTable[0], expected);
        QCOMPARE(board.state.entryClue, expected.clue);
        QCOMPARE(board.state.entryAnswer, expected.answer);
    }

    // After SUN across at (2, 3), each of these is refused and leaves the letters, the
    // clues, the counters and every pixel as they were.
    void refusalsChangeNothing_data() {
        QTest::addColumn<Placement>("entry");
        QTest::addColumn<QString>("leave");  // how the dialog is left
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("caption");
        const QString empty = QStringLiteral("Neither Clue nor Answer can be empty.");
        const QString conflicting =
            QStringLiteral("Answers for clues are conflicting. Please check!");
        QTest::newRow("MOON down on the N of SUN")
            << Placement{{4, 2}, "Night light", "moon", false} << "update" << conflicting
            << "Clues are conflicting";
        QTest::newRow("conflict on the last letter only")
            << Placement{{2, 2}, "Be present", "AT", false} << "update" << conflicting
            << "Clues are conflicting";
        QTest::newRow("same start, different letters")
            << Placement{{2, 3}, "Boy", "son", true} << "update" << conflicting
            << "Clues are conflicting";
        QTest::newRow("blank clue")
            << Placement{{5, 5}, "   ", "moon", true} << "update" << empty << "Clue error";
        QTest::newRow("empty answer")
            << Placement{{5, 5}, "Night light", "", true} << "update" << empty << "Clue error";
        QTest::newRow("answer without letters")
            << Placement{{5, 5}, "Night light", " 12-3! ", true} << "update" << empty
            << "Clue error";
        QTest::newRow("too long") << Placement{{5, 5}, "Night light", "moonlight", true}
                                  << "update"
                                  << "Answer is too long to fit into the grid."
                                  << "Clue error";
        // The hand-over fields still hold SUN from the first clue unless they are emptied
        // before the dialog is shown.
        QTest::newRow("closed with the close control")
            << Placement{{5, 5}, "Night light", "moon", true} << "close" << empty << "Clue error";
        QTest::newRow("Cancel this Clue")
            << Placement{{5, 5}, "Night light", "moon", true} << "Cancel" << empty << "Clue error";
    }
    void refusalsChangeNothing() {
        QFETCH(Placement, entry);
        QFETCH(QString, leave);
        QFETCH(QString, message);
        QFETCH(QString, caption);
        Board board;
        board.place(sunAcross);
        QCOMPARE(board.state.clueCount, 1);
        const Snapshot before(board);

        if (leave == QLatin1String("update")) {
            board.willType(entry);
        } else {
            board.ui.dialogActions << [&](QDialog& dialog) {
                dialog.findChild<QLineEdit*>(QStringLiteral("answer"))->setText(entry.answer);
                if (leave == QLatin1String("close"))
                    dialog.close();
                else
                    dialog.findChild<QPushButton*>(leave)->click();
            };
        }
        board.press(board.centre(entry.cell));

        QCOMPARE(board.ui.messages(), QStringList{message});
        QCOMPARE(board.ui.shown.constLast().caption, caption);
        QVERIFY(board.state.gridLetters == before.gridLetters);
        QCOMPARE(board.state.clueCount, before.clueCount);
        QCOMPARE(board.state.clueNumber, before.clueNumber);
        QVERIFY(board.state.clueTable == before.clueTable);
        QVERIFY(board.surface.image() == before.image);
    }

    // 10 x 10 cells of 58 x 39 from (10, 5); the area may have been resized since.
    void actsOnlyOnALeftPressOnACell_data() {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<QSize>("area");
        QTest::addColumn<QPoint>("cell");  // (-1, -1): the press is ignored
        const QSize drawn(600, 400);
        const QPoint none(-1, -1);
        QTest::newRow("left in a cell")
            << Qt::LeftButton << QPoint(100, 100) << drawn << QPoint(1, 2);
        QTest::newRow("right") << Qt::RightButton << QPoint(100, 100) << drawn << none;
        QTest::newRow("middle") << Qt::MiddleButton << QPoint(100, 100) << drawn << none;
        QTest::newRow("on the left margin") << Qt::LeftButton << QPoint(10, 100) << drawn << none;
        QTest::newRow("just inside the left margin")
            << Qt::LeftButton << QPoint(11, 100) << drawn << QPoint(0, 2);
        QTest::newRow("on the right margin")
            << Qt::LeftButton << QPoint(590, 100) << drawn << none;
        QTest::newRow("just inside the right margin")
            << Qt::LeftButton << QPoint(589, 100) << drawn << QPoint(9, 2);
        QTest::newRow("on the top margin") << Qt::LeftButton << QPoint(100, 5) << drawn << none;
        QTest::newRow("just inside the top margin")
            << Qt::LeftButton << QPoint(100, 6) << drawn << QPoint(1, 0);
        QTest::newRow("on the bottom margin")
            << Qt::LeftButton << QPoint(100, 395) << drawn << none;
        QTest::newRow("just inside the bottom margin")
            << Qt::LeftButton << QPoint(100, 394) << drawn << QPoint(1, 9);
        QTest::newRow("last pixel of a cell belongs to it")
            << Qt::LeftButton << QPoint(67, 82) << drawn << QPoint(0, 1);
        QTest::newRow("first pixel of the next cell")
            << Qt::LeftButton << QPoint(68, 83) << drawn << QPoint(1, 2);
        QTest::newRow("margins follow a shrunk area, not the grid")
            << Qt::LeftButton << QPoint(495, 100) << QSize(500, 400) << none;
        QTest::newRow("the same press before shrinking")
            << Qt::LeftButton << QPoint(495, 100) << drawn << QPoint(8, 2);
        QTest::newRow("beside the grid in a widened area")
            << Qt::LeftButton << QPoint(700, 100) << QSize(800, 600) << none;
        QTest::newRow("below the grid in a heightened area")
            << Qt::LeftButton << QPoint(100, 500) << QSize(800, 600) << none;
    }
    void actsOnlyOnALeftPressOnACell() {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, position);
        QFETCH(QSize, area);
        QFETCH(QPoint, cell);
        Board board;
        QCOMPARE(board.state.cellWidth, 58);
        QCOMPARE(board.state.cellHeight, 39);
        board.surface.setAreaSize(area);
        const Snapshot before(board);
        board.willType({{}, QStringLiteral("Article"), QStringLiteral("a"), true});
        board.press(position, button);

        QCOMPARE(board.ui.messages(), QStringList());
        if (cell == QPoint(-1, -1)) {
            QCOMPARE(board.ui.modalDialogs, QStringList());
            QVERIFY(Snapshot(board) == before);
            return;
        }
        QCOMPARE(board.ui.modalDialogs, QStringList{QStringLiteral("ClueForm")});
        QCOMPARE(board.state.clueCount, 1);
        QCOMPARE(QPoint(board.state.clueTable[0].x, board.state.clueTable[0].y), cell);
    }

    void ignoresPressesWhileNoCellCanTakeAClue_data() {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("cellWidth");
        QTest::addColumn<int>("cellHeight");
        QTest::newRow("before any grid") << 0 << 0 << 0;
        QTest::newRow("cells of no width") << 5 << 0 << 20;
        QTest::newRow("cells of negative height") << 5 << 20 << -3;
    }
    void ignoresPressesWhileNoCellCanTakeAClue() {
        QFETCH(int, columns);
        QFETCH(int, cellWidth);
        QFETCH(int, cellHeight);
        PuzzleState state;
        state.xGridSize = qint16(columns);
        state.yGridSize = qint16(columns);
        state.cellWidth = qint16(cellWidth);
        state.cellHeight = qint16(cellHeight);
        ImageSurface surface(QSize(600, 400));
        ScriptedUi ui;
        ClueForm form(state);
        for (QPoint position : {QPoint(50, 50), QPoint(300, 200), QPoint(589, 394)})
            placeClue(state, surface, ui, form, Qt::LeftButton, position);
        QCOMPARE(ui.modalDialogs, QStringList());
        QCOMPARE(ui.messages(), QStringList());
        QCOMPARE(state.clueCount, 0);
    }

    // 25 x 10 cells of 23 x 39: half a cell is 11.5 x 19.5, so the letter positions
    // land on halves and show which way they are rounded. Whatever the font was before,
    // it is left at its size and bold.
    void drawsLettersThenTheNumberInTheirFonts_data() {
        QTest::addColumn<int>("pointSize");
        QTest::addColumn<bool>("bold");
        QTest::newRow("the window's own 12 bold") << 12 << true;
        QTest::newRow("16, not bold") << 16 << false;
    }
    void drawsLettersThenTheNumberInTheirFonts() {
        QFETCH(int, pointSize);
        QFETCH(bool, bold);
        PuzzleState state;
        RecordingSurface surface(QSize(600, 400));
        ScriptedUi ui;
        ui.promptReplies = {QStringLiteral("25"), QStringLiteral("10")};
        newCrossword(state, surface, ui);
        QCOMPARE(state.cellWidth, 23);
        QCOMPARE(state.cellHeight, 39);
        ClueForm form(state);
        ui.dialogActions << [&](QDialog&) {
            form.findChild<QLineEdit*>(QStringLiteral("clue"))
                ->setText(QStringLiteral("Day star"));
            form.findChild<QLineEdit*>(QStringLiteral("answer"))->setText(QStringLiteral("sun"));
            form.findChild<QPushButton*>(QStringLiteral("update"))->click();
        };
        surface.setFont(pointSize, bold);
        surface.operations.clear();
        placeClue(state, surface, ui, form, Qt::LeftButton, QPoint(20, 60));  // cell (0, 1)

        QCOMPARE(surface.operations, QStringList({
                                         "fill 11,45 32,82 #f0f0f0",
                                         "text 16,54 'S'",
                                         "fill 34,45 55,82 #f0f0f0",
                                         "text 40,54 'U'",
                                         "fill 57,45 78,82 #f0f0f0",
                                         "text 62,54 'N'",
                                         "font 5 plain",
                                         "text 10,44 ' 1'",
                                         QStringLiteral("font %1 bold").arg(pointSize),
                                     }));
    }

    void refusesTheSeventyFirstClue() {
        Board board;
        for (int i = 0; i < Capacity::maxClues; ++i)
            board.place({{i % 10, i / 10}, QStringLiteral("Letter"), QStringLiteral("a"), true});
        QCOMPARE(board.ui.messages(), QStringList());
        QCOMPARE(board.state.clueCount, 70);
        QCOMPARE(board.state.clueNumber, 70);
        const Snapshot before(board);

        for (QPoint cell : {QPoint(5, 8), QPoint(0, 0)}) {
            board.willType({cell, QStringLiteral("One too many"), QStringLiteral("b"), true});
            board.press(board.centre(cell));
        }
        const QString full =
            QStringLiteral("This crossword already holds 70 clues, the most it can keep.");
        QCOMPARE(board.ui.messages(), QStringList({full, full}));
        QCOMPARE(board.ui.shown.constLast().caption, QStringLiteral("Clue error"));
        QCOMPARE(board.ui.modalDialogs.size(), 70);
        QVERIFY(Snapshot(board) == before);
        QCOMPARE(board.state.clueTable[70], ClueEntry{});
    }
};

QUILLGRID_TEST(CluePlacementTest);
#include "CluePlacementTest.moc"
