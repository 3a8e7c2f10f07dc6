// Times each export of the largest crossword, 30 x 30 with 70 clues, from the crossword
// in memory to the file renamed into place (in a temporary folder), and writes the
// README's sample crossword in both formats into `folder`: bench_export [folder] [runs]
#include "../tests/exchange/ExchangeCrosswords.h"
#include "BenchTable.h"
#include "SampleCrossword.h"
#include "exchange/IpuzWriter.h"
#include "exchange/PuzWriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Writer = ExportedFile (*)(const PuzzleState&, const QString&);

bool save(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

// One row of the table per format: from the crossword in memory to the file renamed into
// place, which is what a person waits for; the bytes alone beside it.
void measure(const char* name, Writer writer, const PuzzleState& state, const QString& path,
             int runs)
{
    std::vector<double> whole;
    std::vector<double> building;
    for (int i = 0; i < runs; ++i) {
        const bench::Stopwatch watch;
        const ExportedFile file = writer(state, QStringLiteral("Full"));
        building.push_back(watch.wallMs());
        if (!file.refusal.isEmpty() || !save(path, file.bytes)) {
            std::fprintf(stderr, "%s: not written: %s\n", name, qPrintable(file.refusal));
            return;
        }
        whole.push_back(watch.wallMs());
    }
    const double median = bench::median(whole);
    bench::row(std::string("export ") + name +
                   " of the 30 x 30 crossword, 70 clues (written "
                   "and renamed into place)",
               bench::format("%.2f ms", median) +
                   bench::format(" (%.2f ms to build the bytes)", bench::median(building)),
               "", 0, "< 5 ms", median < 5);
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir scratch;
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : scratch.path());
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 200;

    const PuzzleState full = ExchangeCrosswords::full();
    measure(".ipuz", ipuzFile, full, scratch.filePath("full.ipuz"), runs);
    measure(".puz", puzFile, full, scratch.filePath("full.puz"), runs);
    // What the disk alone costs: QSaveFile flushes to the disk before it renames.
    std::vector<double> floor;
    for (int i = 0; i < runs; ++i) {
        const bench::Stopwatch watch;
        save(scratch.filePath("one-byte"), QByteArrayLiteral("x"));
        floor.push_back(watch.wallMs());
    }
    bench::row("one byte written and renamed the same way",
               bench::format("%.2f ms", bench::median(floor)), "", 0, "", true);

    const PuzzleState state = sample();
    const QString title = QStringLiteral("Sample Crossword");
    const bool written = save(folder.filePath("sample.ipuz"), ipuzFile(state, title).bytes) &&
                         save(folder.filePath("sample.puz"), puzFile(state, title).bytes);
    if (!written)
        std::fprintf(stderr, "the sample was not written into %s\n", qPrintable(folder.path()));
    return written ? 0 : 1;
}
