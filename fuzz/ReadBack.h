#pragma once

#include "FuzzCheck.h"
#include "exchange/CrosswordReader.h"
#include "exchange/ExportedFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

// Every written file read back by the reader the export tests use, one node process kept
// running for the whole fuzzing run.
namespace ReadBack {

// Skips where there is no node, as the export tests do; a reader that does not answer
// ends the run as a failure. Its folder goes when the run ends.
struct Reader {
    QTemporaryDir folder;
    CrosswordReader::Session session;

    Reader()
    {
        if (CrosswordReader::node().isEmpty()) {
            std::fprintf(stderr,
                         "Skipped: node is not installed, so no independent reader can read "
                         "the written files back.\n");
            folder.remove();
            std::exit(QUILLGRID_NO_READER_EXIT);  // counted as skipped
        }
        // A working reader answers even for a file that is not there.
        const QString error =
            session.read(folder.filePath(QStringLiteral("none")))[QStringLiteral("error")]
                .toString();
        if (!error.contains(QLatin1String("ENOENT"))) {
            std::fprintf(stderr, "The reader %s does not answer: %s\n",
                         qPrintable(CrosswordReader::script()), qPrintable(error));
            std::abort();
        }
    }
};

inline Reader& reader()
{
    static Reader running;
    return running;
}

// The reader's view of the written file.
inline QJsonObject seen(const ExportedFile& file, const QString& fileName)
{
    Reader& running = reader();
    const QString path = running.folder.filePath(fileName);
    QFile out(path);
    FUZZ_CHECK(out.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               out.write(file.bytes) == file.bytes.size());
    out.close();
    return running.session.read(path);
}

// A mismatch, said in full before the run ends on it.
inline void require(const QString& mismatch)
{
    if (!mismatch.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(mismatch));
    FUZZ_CHECK(mismatch.isEmpty());
}

// A refusal comes with words and without bytes; anything written is not empty.
inline bool refused(const ExportedFile& file)
{
    FUZZ_CHECK(file.refusal.isEmpty() != file.bytes.isEmpty());
    return !file.refusal.isEmpty();
}

}  // namespace ReadBack
