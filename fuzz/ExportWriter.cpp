#include "FuzzCheck.h"
#include "OffscreenApplication.h"
#include "editing/ClueForm.h"
#include "editing/CluePlacement.h"
#include "editing/GridGeometry.h"
#include "editing/NewCrossword.h"
#include "exchange/CrosswordReader.h"
#include "exchange/EntryRuns.h"
#include "exchange/ExportChecks.h"
#include "exchange/IpuzWriter.h"
#include "exchange/PuzWriter.h"
#include "model/ClueCells.h"
#include "seams/Surface.h"
#include "support/ScriptedUi.h"

#include <QApplication>
#include <QSet>

// Built twice, as the .ipuz target and as the .puz target (FUZZ_PUZ), over crosswords
// made as a person makes them: New Crossword with the replied size, then presses on cells
// answered through the clue dialog, every one through the real placement, which refuses
// what it always refuses. Only the drawing is left out.

namespace {

// Paints nothing: the drawing is not under test, and laying out text would take most of
// each run.
class BlankSurface final : public Surface {
public:
    QSize size() const override { return {900, 620}; }
    void clear() override {}
    void drawBox(QPoint, QPoint) override {}
    void fillBox(QPoint, QPoint, const QColor&) override {}
    void setFont(int, bool) override {}
    int fontPointSize() const override { return 12; }
    bool fontBold() const override { return true; }
    void drawText(QPoint, const QString&) override {}
};

// Either character set, so that Latin-1 texts and texts beyond it both come up.
QString text(FuzzedDataProvider& in, size_t most)
{
    const std::string bytes = in.ConsumeRandomLengthString(most);
    return in.ConsumeBool() ? QString::fromLatin1(bytes) : QString::fromStdString(bytes);
}

// A fresh crossword of any size with up to a few more clues than fit, each answer typed
// freely or spelt from the letters already in its cells; then, if the data says so, a
// clue for every run of white cells that no clue covers exactly.
const PuzzleState& build(FuzzedDataProvider& in)
{
    static PuzzleState state;
    static BlankSurface surface;
    static ScriptedUi ui;
    static ClueForm form{state};
    // The entry as the dialog's Update hands it over, or nothing when it is left by Cancel:
    // typing into its boxes would lay every text out in fonts, taking most of each run, and
    // whatever they pass on the model holds anyway, as it comes from a stored crossword.
    const auto press = [](QPoint cell, const QString& clue, const QString& answer, bool across,
                          bool update) {
        ui.dialogActions = {[=](QDialog& dialog) {
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
    };

    state = PuzzleState{};
    const int columns = in.ConsumeIntegralInRange(1, Capacity::maxGridSize);
    const int rows = in.ConsumeIntegralInRange(1, Capacity::maxGridSize);
    ui.promptReplies = {QString::number(columns), QString::number(rows)};
    newCrossword(state, surface, ui);
    for (int n = in.ConsumeIntegralInRange(0, Capacity::maxClues + 2); n > 0; --n) {
        const QPoint cell(in.ConsumeIntegralInRange(0, columns - 1),
                          in.ConsumeIntegralInRange(0, rows - 1));
        const bool across = in.ConsumeBool();
        QString answer;
        if (in.ConsumeBool()) {
            answer = text(in, 12);
        } else {
            for (int k = in.ConsumeIntegralInRange(1, Capacity::maxGridSize); k > 0; --k) {
                const QPoint next = letterCell(cell, across, int(answer.size()));
                const QString held = letterAt(state, next.x(), next.y());
                answer +=
                    held.isEmpty() ? QChar(u'A' + in.ConsumeIntegralInRange(0, 25)) : held.at(0);
            }
        }
        const QString clue = text(in, 40);
        press(cell, clue, answer, across, in.ConsumeIntegralInRange(0, 15) != 0);
    }
    if (in.ConsumeBool()) {
        for (const EntryRun& run : entryRuns(state)) {
            const auto covers = [&](const ClueEntry& clue) {
                return clue.x == run.column && clue.y == run.row && clue.across == run.across &&
                       clue.answer.size() == run.length;
            };
            if (std::ranges::none_of(state.cluesInUse(), covers)) {
                press({run.column, run.row}, text(in, 40),
                      lettersFrom(state, run.column, run.row, run.across, run.length), run.across,
                      true);
            }
        }
    }
    return state;
}

}  // namespace

// Once per process: the dialog needs an application. A first crossword is made here, so
// that the fonts and caches Qt keeps for good are not taken for memory an input leaked.
// Without node the run is skipped, as the export tests are; a reader that does not answer
// ends the run at the first file written, as a file that reads back unreadable.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    offscreenApplication<QApplication>();
    const char first[] = "A first crossword: CATS across, DOGS down, and their clues.";
    FuzzedDataProvider in(reinterpret_cast<const std::uint8_t*>(first), sizeof first);
    build(in);

    if (CrosswordReader::node().isEmpty()) {
        std::fprintf(stderr,
                     "Skipped: node is not installed, so no independent reader can "
                     "read the written files back.\n");
        std::exit(QUILLGRID_NO_READER_EXIT);  // counted as skipped
    }
    return 0;
}

// Any crossword the placement lets a person make, with any title: a refusal says why and
// writes nothing, an .ipuz file is refused only when there are no clues or two go the same
// way from one cell, and a written file reads back as the crossword holds it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const QString title = text(in, 40);
    const PuzzleState& state = build(in);
    const ExportedFile file = FUZZ_PUZ ? puzFile(state, title) : ipuzFile(state, title);
    FUZZ_CHECK(file.refusal.isEmpty() != file.bytes.isEmpty());
    QSet<int> ways;
    for (int i = 0; i < state.clueCount; ++i) {
        const ClueEntry& clue = state.clueTable[i];
        ways.insert((clue.x * 64 + clue.y) * 2 + clue.across);
    }
    FUZZ_CHECK(FUZZ_PUZ ||
               file.bytes.isEmpty() == (ways.isEmpty() || ways.size() < state.clueCount));
    if (file.bytes.isEmpty())
        return 0;
    // The reader the export tests use, one node process for the whole run.
    static CrosswordReader::Reader reader;
    const QString mismatch = CrosswordReader::mismatch(
        reader.read(file.bytes, FUZZ_PUZ ? "crossword.puz" : "crossword.ipuz"), state, title,
        FUZZ_PUZ);
    if (!mismatch.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(mismatch));
    FUZZ_CHECK(mismatch.isEmpty());
    return 0;
}
