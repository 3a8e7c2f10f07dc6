// Times each export of the largest crossword, 30 x 30 with 70 clues, from the crossword
// in memory to the file renamed into place (in a temporary folder), and writes the
// README's sample crossword in both formats into `folder`: bench_export [folder] [runs]
#include "../tests/exchange/ExchangeCrosswords.h"
#include "SampleCrossword.h"
#include "exchange/IpuzWriter.h"
#include "exchange/PuzWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSaveFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using Writer = ExportedFile (*)(const PuzzleState&, const QString&);

bool save(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

double medianMs(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void measure(const char* name, Writer writer, const PuzzleState& state, const QString& path,
             int runs)
{
    std::vector<double> whole;
    std::vector<double> writing;
    qsizetype size = 0;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        const ExportedFile file = writer(state, QStringLiteral("Full"));
        writing.push_back(timer.nsecsElapsed() / 1e6);
        if (!file.refusal.isEmpty() || !save(path, file.bytes)) {
            std::fprintf(stderr, "%s: not written: %s\n", name, qPrintable(file.refusal));
            return;
        }
        whole.push_back(timer.nsecsElapsed() / 1e6);
        size = file.bytes.size();
    }
    std::printf(
        "%-6s median %6.3f ms, of it %6.3f ms to build the bytes  (%d runs, %lld "
        "bytes)\n",
        name, medianMs(whole), medianMs(writing), runs, static_cast<long long>(size));
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir scratch;
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : scratch.path());
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 200;

    const PuzzleState full = ExchangeCrosswords::full();
    std::printf("30 x 30, 70 clues, written and renamed into place:\n");
    measure(".ipuz", ipuzFile, full, scratch.filePath("full.ipuz"), runs);
    measure(".puz", puzFile, full, scratch.filePath("full.puz"), runs);
    // What the disk alone costs: QSaveFile flushes to the disk before it renames.
    std::vector<double> floor;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        save(scratch.filePath("one-byte"), QByteArrayLiteral("x"));
        floor.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("one byte written and renamed the same way: median %6.3f ms\n", medianMs(floor));

    const PuzzleState state = sample();
    const QString title = QStringLiteral("Sample Crossword");
    const bool written = save(folder.filePath("sample.ipuz"), ipuzFile(state, title).bytes) &&
                         save(folder.filePath("sample.puz"), puzFile(state, title).bytes);
    std::printf("sample 9 x 5 %s in %s\n", written ? "written" : "NOT written",
                qPrintable(folder.path()));
    return written ? 0 : 1;
}
