// Times the import of the largest crosswords each format can bring in, from the file's
// bytes to the grid redrawn on a full-screen drawing area: a 30 x 30 .ipuz with 999 clues
// and a 30 x 30 .puz with the most clues a .puz of that size can have, one to each run of
// white cells. Beside them, the redrawing alone. bench_import [runs]
#include "../tests/printing/TestCrosswords.h"
#include "BenchTable.h"
#include "QuietUi.h"
#include "app/ImageSurface.h"
#include "editing/GridDrawing.h"
#include "editing/ImportPlacement.h"
#include "exchange/EntryRuns.h"
#include "exchange/ImportedFile.h"
#include "exchange/IpuzWriter.h"
#include "exchange/PuzWriter.h"
#include "exchange/ReadCrosswordFile.h"

#include <QApplication>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int size = Capacity::maxGridSize;

QString letter(int column, int row)
{
    return QString(QChar(u'A' + (column * 7 + row * 11) % 26));
}

// Every cell white; an across clue from each cell to the row's end, and a down clue from
// each cell of the first rows to the column's end, until there are 999.
std::unique_ptr<PuzzleState> mostClues()
{
    auto state = std::make_unique<PuzzleState>(TestCrosswords::empty(size, size));
    for (int row = 0; row < size; ++row) {
        for (int column = 0; column < size; ++column)
            state->gridLetters[column][row] = letter(column, row);
    }
    for (int k = 0; state->clueCount < Capacity::maxClues; ++k) {
        const bool across = k < size * size;
        const int cell = across ? k : k - size * size;
        const int column = cell % size;
        const int row = cell / size;
        const int length = across ? size - column : size - row;
        TestCrosswords::place(*state, QStringLiteral("Clue %1, of a fair length").arg(k + 1),
                              lettersFrom(*state, column, row, across, length), column, row,
                              across ? k + 1 : row * size + column + 1, across);
    }
    return state;
}

// White where (column + row) % 3 is not 2: nearly every run is two cells long, so the
// grid has about as many runs, and a .puz as many clues, as 30 x 30 cells allow.
std::unique_ptr<PuzzleState> mostRuns()
{
    auto state = std::make_unique<PuzzleState>(TestCrosswords::empty(size, size));
    for (int row = 0; row < size; ++row) {
        for (int column = 0; column < size; ++column) {
            if ((column + row) % 3 != 2)
                state->gridLetters[column][row] = letter(column, row);
        }
    }
    for (const EntryRun& run : entryRuns(*state)) {
        TestCrosswords::place(*state, QStringLiteral("Clue %1, of a fair length").arg(run.number),
                              lettersFrom(*state, run.column, run.row, run.across, run.length),
                              run.column, run.row, run.number, run.across);
    }
    return state;
}

double measure(const std::string& figure, const QByteArray& bytes, const QString& name,
               ImageSurface& surface, int runs)
{
    QuietUi ui;
    std::vector<double> reading;
    for (int i = 0; i < runs; ++i) {
        const bench::Stopwatch watch;
        readCrosswordBytes(bytes, name);
        reading.push_back(watch.wallMs());
    }
    std::vector<double> times;
    std::vector<double> processor;
    int clues = 0;
    for (int i = 0; i < runs; ++i) {
        auto state = std::make_unique<PuzzleState>();
        const bench::Stopwatch watch;
        const ImportedFile read = readCrosswordBytes(bytes, name);
        const bool placed =
            read.refusal.isEmpty() && placeImported(*state, surface, ui, read.crossword);
        times.push_back(watch.wallMs());
        processor.push_back(watch.cpuMs());
        if (!placed) {
            std::fprintf(stderr, "%s: not imported: %s\n", figure.c_str(),
                         qPrintable(read.refusal));
            return 0;
        }
        clues = state->clueCount;
    }
    const double median = bench::median(times);
    bench::row(figure + bench::format(", %.0f clues, to the redrawn grid", clues),
               bench::format("%.2f ms", median) +
                   bench::format(" (processor %.2f ms;", bench::median(processor)) +
                   bench::format(" %.2f ms to read the file)", bench::median(reading)),
               "", 0, "< 20 ms", median < 20);
    return median;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    ImageSurface surface(QSize(1920, 1000));

    const auto ipuzState = mostClues();
    measure("import .ipuz of 30 x 30", ipuzFile(*ipuzState, QStringLiteral("Most")).bytes,
            QStringLiteral("most.ipuz"), surface, runs);
    const auto puzState = mostRuns();
    const ExportedFile puz = puzFile(*puzState, QStringLiteral("Most"));
    if (!puz.refusal.isEmpty())
        std::fprintf(stderr, ".puz not written: %s\n", qPrintable(puz.refusal));
    measure("import .puz of 30 x 30 (the most a .puz of that size holds)", puz.bytes,
            QStringLiteral("most.puz"), surface, runs);

    std::vector<double> drawing;
    std::vector<double> drawingProcessor;
    for (int i = 0; i < runs; ++i) {
        const bench::Stopwatch watch;
        GridDrawing::fitAndDrawGrid(surface, *ipuzState);
        drawing.push_back(watch.wallMs());
        drawingProcessor.push_back(watch.cpuMs());
    }
    bench::row("the 30 x 30 grid redrawn alone, as import ends",
               bench::format("%.2f ms", bench::median(drawing)) +
                   bench::format(" (processor %.2f ms)", bench::median(drawingProcessor)),
               "", 0, "", true);
    return 0;
}
