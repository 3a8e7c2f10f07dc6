// Times the three print-outs rendered into PDF files through the real printer device,
// and keeps the last PDF of each for a look: bench_printouts [folder] [runs]
#include "SampleCrossword.h"
#include "model/PuzzleState.h"
#include "printing/ClueListing.h"
#include "printing/CluePrintout.h"
#include "printing/GridPrintouts.h"
#include "printing/QtPrintDevice.h"
#include "seams/Ui.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Answers the title prompt and names the PDF file; the reference point goes unseen.
class BenchUi final : public Ui {
public:
    QString pdfFile;
    void message(const QString&, const QString&) override {}
    QString prompt(const QString&, const QString&, const QString&) override
    {
        return QStringLiteral("Sample Crossword");
    }
    QString chooseDatabaseFile() override { return {}; }
    QString choosePdfFile(const QString&) override { return pdfFile; }
    void showModal(QDialog&) override {}
    void setCaption(const QString&) override {}
    void enableCrosswordMenus() override {}
};

// The largest crossword there can be: 30 x 30 with 70 clues, 30 across and 40 down.
PuzzleState largest()
{
    PuzzleState state;
    state.xGridSize = 30;
    state.yGridSize = 30;
    int number = 0;
    for (int row = 0; row < 30; ++row)
        place(state, "An across clue long enough to fill a good part of the line", "ABCDEFGHIJ", 0,
              row, ++number, true);
    for (int column = 11; column < 30; ++column) {
        place(state, "A down clue", "KLMNOPQRST", column, 0, ++number, false);
        place(state, "A down clue further down", "UVWXYZ", column, 12, ++number, false);
    }
    place(state, "A down clue near the bottom", "ABCDE", 11, 20, ++number, false);
    place(state, "Another down clue near the bottom", "ABCDE", 12, 20, ++number, false);
    return state;
}

double medianMs(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void measure(const char* name, const QString& pdf, int runs,
             const std::function<void(PrintDevice&, Ui&)>& printout)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        BenchUi ui;
        ui.pdfFile = pdf;
        QtPrintDevice device([] { return QList<InstalledPrinter>(); });
        QElapsedTimer timer;
        timer.start();
        printout(device, ui);
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("%-28s median %7.2f ms  min %7.2f ms  (%d runs, %lld bytes)\n", name,
                medianMs(times), *std::min_element(times.begin(), times.end()), runs,
                static_cast<long long>(QFileInfo(pdf).size()));
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir scratch;
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : scratch.path());
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;

    for (const auto& [label, state] : {std::pair{"sample 9 x 5, 7 clues", sample()},
                                       std::pair{"largest 30 x 30, 70 clues", largest()}}) {
        std::printf("%s\n", label);
        const QString prefix =
            label[0] == 's' ? QStringLiteral("sample-") : QStringLiteral("largest-");
        measure("  blank grid", folder.filePath(prefix + "grid.pdf"), runs,
                [&](PrintDevice& device, Ui& ui) { printBlankGrid(state, device, ui); });
        measure("  solution", folder.filePath(prefix + "solution.pdf"), runs,
                [&](PrintDevice& device, Ui& ui) { printSolutionGrid(state, device, ui); });
        measure("  clue list", folder.filePath(prefix + "clues.pdf"), runs,
                [&](PrintDevice& device, Ui& ui) {
                    ClueTable sorted{};
                    const int count = sortClues(state, sorted);
                    printClueListing(ClueListing::listingText(sorted, count), device, ui);
                });
    }
    return 0;
}
