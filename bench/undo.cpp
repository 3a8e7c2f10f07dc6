// Times Undo and Redo of one step in the heaviest crossword the program allows: a 30 x 30
// grid on a full-screen drawing area holding as many clues as a crossword holds, each way
// restoring the crossword and redrawing the cells it changes. The baseline is a redraw of
// the whole grid, which is what a step that changes every cell costs.
// Run with QT_QPA_PLATFORM=offscreen: bench_undo [runs]
#include "BenchTable.h"
#include "Letters.h"
#include "app/ImageSurface.h"
#include "editing/CrosswordStep.h"
#include "editing/GridDrawing.h"
#include "model/ClueNumbering.h"
#include "model/PuzzleState.h"

#include <QApplication>
#include <QUndoStack>

#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    PuzzleState state;
    state.reset(30, 30);
    ImageSurface surface(QSize(1920, 1000));
    GridDrawing::fitAndDrawGrid(surface, state);
    // Answers on rows and columns 0 to 28, ever shorter ones from later cells, all agreeing
    // where they cross; numbered by start cell, with gaps, as entry order leaves them.
    for (int i = 0; state.clueCount < Capacity::maxClues - 1; ++i) {
        const bool across = i % 2 == 0;
        const int line = across ? (i / 2) % 29 : (i / 2) % 30;
        const int from = across ? (i / 58) % 30 : (i / 60) % 29;
        const QPoint start = across ? QPoint(from, line) : QPoint(line, from);
        const int length = across ? 30 - from : 29 - from;
        state.fileClue({QStringLiteral("Clue %1").arg(i),
                        bench::agreeingLetters(line + from, length), qint16(start.x()),
                        qint16(start.y()), qint16(start.y() * 30 + start.x() + 1), across});
    }
    GridDrawing::drawGrid(surface, state);
    QUndoStack history;
    const auto push = [&](const CrosswordContent& before, const char* text) {
        auto* step = new CrosswordStep(state, surface, before, CrosswordContent::of(state), text);
        step->drawChanges();
        history.push(step);
    };
    // The typical step: the last clue, 30 letters along the empty bottom row.
    CrosswordContent before = CrosswordContent::of(state);
    state.fileClue({QStringLiteral("The last"), bench::agreeingLetters(29, 30), 0, 29, 871, true});
    push(before, "Place");
    // The heaviest: the number of nearly every start cell changes.
    before = CrosswordContent::of(state);
    ClueNumbering::numberInReadingOrder(state);
    push(before, "Number in Reading Order");

    std::vector<double> undo[2], redo[2], redraw;
    for (int i = 0; i < runs; ++i) {
        for (int step : {1, 0}) {
            bench::Stopwatch watch;
            history.undo();
            undo[step].push_back(watch.wallMs());
        }
        for (int step : {0, 1}) {
            bench::Stopwatch watch;
            history.redo();
            redo[step].push_back(watch.wallMs());
        }
        bench::Stopwatch watch;
        GridDrawing::drawGrid(surface, state);
        redraw.push_back(watch.wallMs());
    }
    if (state.clueCount != Capacity::maxClues) {
        std::fprintf(stderr, "the crossword holds %d clues\n", int(state.clueCount));
        return 1;
    }
    const double base = bench::median(redraw);
    const auto row = [&](const std::string& what, const std::vector<double>& times) {
        const double median = bench::median(times);
        bench::row(what + ", 30 x 30 grid of 999 clues (restored, changed cells redrawn)",
                   bench::format("%.2f ms", median), bench::format("%.2f ms whole redraw", base),
                   median / base, "< 2 ms", median < 2);
    };
    row("Undo of placing a 30-letter answer", undo[0]);
    row("Redo of placing a 30-letter answer", redo[0]);
    row("Undo of numbering in reading order (every start cell)", undo[1]);
    row("Redo of numbering in reading order (every start cell)", redo[1]);
    return 0;
}
