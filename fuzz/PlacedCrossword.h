#pragma once

#include "editing/ClueForm.h"
#include "editing/CluePlacement.h"
#include "editing/GridGeometry.h"
#include "editing/NewCrossword.h"
#include "exchange/EntryRuns.h"
#include "model/PuzzleState.h"
#include "seams/Surface.h"
#include "support/ScriptedUi.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QApplication>

#include <cstdint>

// Fontconfig keeps a little of its configuration out of reach once Qt has loaded it, and
// the leak checker would report that at every exit. (Defined here, as each export
// target includes this once.)
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

// Crosswords made as a person makes them: New Crossword with the replied size, then
// presses on cells answered through the clue dialog, every one through the real
// placement, which refuses what it always refuses. Only the drawing is left out.
namespace PlacedCrossword {

// Paints nothing: the drawing is not under test, and laying out text would take most of
// each run.
class BlankSurface final : public Surface {
public:
    QSize size() const override { return {900, 620}; }
    void clear() override {}
    void drawBox(QPoint, QPoint) override {}
    void fillBox(QPoint, QPoint, const QColor&) override {}
    void setFont(int pointSize, bool bold) override
    {
        pointSize_ = pointSize;
        bold_ = bold;
    }
    int fontPointSize() const override { return pointSize_; }
    bool fontBold() const override { return bold_; }
    void drawText(QPoint, const QString&) override {}

private:
    int pointSize_ = 12;
    bool bold_ = true;
};

// Either character set, so that Latin-1 texts and texts beyond it both come up.
inline QString text(FuzzedDataProvider& in, size_t most)
{
    const std::string bytes = in.ConsumeRandomLengthString(most);
    return in.ConsumeBool() ? QString::fromLatin1(bytes) : QString::fromStdString(bytes);
}

struct Board {
    PuzzleState state;
    BlankSurface surface;
    ScriptedUi ui;
    ClueForm form{state};

    // The entry as the dialog's Update hands it over, or nothing handed over when the
    // dialog is left by Cancel. Setting the dialog's text boxes would lay every text out
    // in fonts, which would take most of each run, and whatever they pass on the model
    // can hold anyway, as it comes from a stored crossword.
    void press(QPoint cell, const QString& clue, const QString& answer, bool across,
               bool update = true)
    {
        ui.dialogActions = {[=, this](QDialog& dialog) {
            if (update) {
                state.entryClue = clue;
                state.entryAnswer = answer;
                state.entryAcross = across;
            }
            dialog.done(update ? QDialog::Accepted : QDialog::Rejected);
        }};
        const QPoint centre(GridGeometry::left(state, cell.x()) + state.cellWidth / 2,
                            GridGeometry::top(state, cell.y()) + state.cellHeight / 2);
        placeClue(state, surface, ui, form, Qt::LeftButton, centre);
        // What the script remembers would otherwise grow for the whole run.
        ui.shown.clear();
        ui.modalDialogs.clear();
    }
};

// A fresh crossword of any size with up to a few more clues than fit, each answer typed
// freely or spelt from the letters already in its cells; then, if the data says so, a
// clue for every run of white cells that no clue covers exactly.
inline const PuzzleState& build(FuzzedDataProvider& in)
{
    static Board board;
    board.state = PuzzleState{};
    const int columns = in.ConsumeIntegralInRange(1, Capacity::maxGridSize);
    const int rows = in.ConsumeIntegralInRange(1, Capacity::maxGridSize);
    board.ui.promptReplies = {QString::number(columns), QString::number(rows)};
    newCrossword(board.state, board.surface, board.ui);
    const PuzzleState& state = board.state;

    for (int n = in.ConsumeIntegralInRange(0, Capacity::maxClues + 2); n > 0; --n) {
        const QPoint cell(in.ConsumeIntegralInRange(0, columns - 1),
                          in.ConsumeIntegralInRange(0, rows - 1));
        const bool across = in.ConsumeBool();
        QString answer;
        if (in.ConsumeBool()) {
            answer = text(in, 12);
        } else {
            for (int k = in.ConsumeIntegralInRange(1, Capacity::maxGridSize); k > 0; --k) {
                const int at = int(answer.size());
                const QString held =
                    letterAt(state, cell.x() + (across ? at : 0), cell.y() + (across ? 0 : at));
                answer +=
                    held.isEmpty() ? QChar(u'A' + in.ConsumeIntegralInRange(0, 25)) : held.at(0);
            }
        }
        const QString clue = text(in, 40);
        board.press(cell, clue, answer, across, in.ConsumeIntegralInRange(0, 15) != 0);
    }

    if (in.ConsumeBool()) {
        for (const EntryRun& run : entryRuns(state)) {
            bool covered = false;
            for (int i = 0; i < state.clueCount; ++i) {
                const ClueEntry& clue = state.clueTable[i];
                covered =
                    covered || (clue.x == run.column && clue.y == run.row &&
                                clue.across == run.across && clue.answer.size() == run.length);
            }
            if (!covered) {
                board.press({run.column, run.row}, text(in, 40),
                            lettersFrom(state, run.column, run.row, run.across, run.length),
                            run.across);
            }
        }
    }
    return state;
}

// Once per process: the dialog needs an application. A first crossword is made here, so
// that the fonts and caches Qt keeps for good are not taken for memory an input leaked.
inline void start()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    const char first[] = "A first crossword: CATS across, DOGS down, and their clues.";
    FuzzedDataProvider in(reinterpret_cast<const std::uint8_t*>(first), sizeof first);
    build(in);
}

}  // namespace PlacedCrossword
