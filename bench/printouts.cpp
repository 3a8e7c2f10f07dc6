// Times the three print-outs of the largest crossword, and the puzzle page of a 30 x 30
// crossword holding the most clues there may be, rendered into PDF files through the real
// printer device, with their size and memory, and keeps the last PDF of each for a look,
// with the print-outs and pages of the README's sample: bench_printouts [folder] [runs]
#include "BenchTable.h"
#include "Letters.h"
#include "QuietUi.h"
#include "SampleCrossword.h"
#include "model/ClueOrder.h"
#include "model/PuzzleState.h"
#include "printing/ClueListPrintout.h"
#include "printing/ClueListText.h"
#include "printing/GridPrintouts.h"
#include "printing/PuzzlePage.h"
#include "printing/QtPrintDevice.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Answers the title prompt and names the PDF file; the reference point goes unseen.
class BenchUi final : public QuietUi {
public:
    QString pdfFile;
    QString prompt(const QString&, const QString&, const QString&) override
    {
        return QStringLiteral("Sample Crossword");
    }
    QString choosePdfFile(const QString&) override { return pdfFile; }
};

// The largest crossword there can be: every cell of 30 x 30 lettered, 70 clues (30 across,
// 40 down), with letters chosen so that all answers agree where they cross.
PuzzleState largest()
{
    PuzzleState state;
    state.xGridSize = 30;
    state.yGridSize = 30;
    int number = 0;
    const auto add = [&](const char* clue, const QString& answer, int x, int y, bool across) {
        place(state, clue, answer.toLatin1().constData(), x, y, ++number, across);
    };
    for (int row = 0; row < 30; ++row)
        add("An across clue long enough to fill a good part of the line",
            bench::agreeingLetters(row, 30), 0, row, true);
    for (int column = 0; column < 30; ++column)
        add("A down clue that is a little shorter", bench::agreeingLetters(column, 30), column, 0,
            false);
    for (int column = 0; column < 30; column += 3)
        add("A down clue from halfway", bench::agreeingLetters(column + 15, 15), column, 15,
            false);
    return state;
}

// As many clues as a crossword may hold in a 30 x 30 grid of agreeing letters: an answer of
// three letters across from every cell that has room, then down until the table is full.
PuzzleState mostClues()
{
    PuzzleState state;
    state.xGridSize = 30;
    state.yGridSize = 30;
    QList<QPoint> starts;
    for (const bool across : {true, false}) {
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 28 && state.clueCount < Capacity::maxClues; ++x) {
                const QPoint at = across ? QPoint(x, y) : QPoint(y, x);
                if (!starts.contains(at))
                    starts << at;
                place(state, across ? "An across clue of ordinary length" : "A down clue",
                      bench::agreeingLetters(at.x() + at.y(), 3).toLatin1().constData(), at.x(),
                      at.y(), int(starts.indexOf(at)) + 1, across);
            }
        }
    }
    return state;
}

struct Goal {
    double ms;
    double kb;
};

// Each run starts from the memory the program holds at rest; the peak of the worst run is
// kept, which is the first, when fonts and the PDF engine are loaded.
void measure(const std::string& figure, const Goal& goal, const QString& pdf, int runs,
             const std::function<void(PrintDevice&, Ui&)>& printout)
{
    std::vector<double> times, cpu;
    long worstPeakKb = 0;
    for (int i = 0; i < runs; ++i) {
        BenchUi ui;
        ui.pdfFile = pdf;
        QtPrintDevice device([] { return QList<InstalledPrinter>(); });
        const long idleKb = bench::statusKb("VmRSS");
        bench::resetPeak();
        const bench::Stopwatch watch;
        printout(device, ui);
        times.push_back(watch.wallMs());
        cpu.push_back(watch.cpuMs());
        worstPeakKb = std::max(worstPeakKb, bench::statusKb("VmHWM") - idleKb);
    }
    const double ms = bench::median(times);
    const double kb = QFileInfo(pdf).size() / 1024.0;
    const double mb = worstPeakKb / 1024.0;
    bench::row(figure,
               bench::format("%.1f ms", ms) +
                   bench::format(" (processor %.1f ms)", bench::median(cpu)) +
                   bench::format(", %.1f KB", kb) + bench::format(", peak %.1f MB above idle", mb),
               "", 0,
               bench::format("< %.0f ms", goal.ms) + bench::format("; < %.0f KB", goal.kb) +
                   "; at most 15 MB above idle",
               ms < goal.ms && kb < goal.kb && mb <= 15);
}

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir scratch;
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : scratch.path());
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 21;

    const PuzzleState state = largest();
    const std::string printout = "print-out of 30 x 30, 70 clues, as PDF: ";
    const Goal printoutGoal{70, 60};
    measure(printout + "blank grid", printoutGoal,
            folder.filePath(QStringLiteral("largest-grid.pdf")), runs,
            [&](PrintDevice& device, Ui& ui) { printBlankGrid(state, device, ui); });
    measure(printout + "solution", printoutGoal,
            folder.filePath(QStringLiteral("largest-solution.pdf")), runs,
            [&](PrintDevice& device, Ui& ui) { printSolutionGrid(state, device, ui); });
    measure(printout + "clue list", printoutGoal,
            folder.filePath(QStringLiteral("largest-clues.pdf")), runs,
            [&](PrintDevice& device, Ui& ui) {
                ClueTable sorted{};
                const int count = sortClues(state, sorted);
                printClueList(ClueListText::clueListText(sorted, count), device, ui);
            });
    const PuzzleState full = mostClues();
    measure("puzzle page of 30 x 30, 999 clues, as PDF", {100, 100},
            folder.filePath(QStringLiteral("most-clues-puzzle-page.pdf")), runs,
            [&](PrintDevice& device, Ui& ui) { printPuzzlePage(full, device, ui); });

    // The pages the README shows, untimed.
    const PuzzleState readme = sample();
    const std::pair<const char*, std::function<void(PrintDevice&, Ui&)>> shown[] = {
        {"sample-grid.pdf", [&](PrintDevice& d, Ui& u) { printBlankGrid(readme, d, u); }},
        {"sample-solution.pdf", [&](PrintDevice& d, Ui& u) { printSolutionGrid(readme, d, u); }},
        {"sample-clues.pdf",
         [&](PrintDevice& d, Ui& u) {
             ClueTable sorted{};
             printClueList(ClueListText::clueListText(sorted, sortClues(readme, sorted)), d, u);
         }},
        {"sample-puzzle-page.pdf", [&](PrintDevice& d, Ui& u) { printPuzzlePage(readme, d, u); }},
        {"sample-solution-page.pdf",
         [&](PrintDevice& d, Ui& u) { printSolutionPage(readme, d, u); }},
    };
    for (const auto& [name, printout] : shown) {
        BenchUi ui;
        ui.pdfFile = folder.filePath(QString::fromLatin1(name));
        QtPrintDevice device([] { return QList<InstalledPrinter>(); });
        printout(device, ui);
    }
    return 0;
}
