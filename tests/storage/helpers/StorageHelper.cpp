// A second program on the crossword database, for what a test cannot do to itself: be
// killed in the middle of a save, or run as a user who may not write the file.
//
//   storage_helper loop  DB   saves batches of clues until killed
//   storage_helper store DB NAME   stores one new crossword; prints why not
//   storage_helper names DB        prints the stored names, one a line

#include "model/ClueEntry.h"
#include "storage/CrosswordDatabase.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QStringList>

#include <cstdio>
#include <vector>

namespace {

void say(const QString& text)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

// Each clue names its batch and its place in it, so a reader can tell a whole batch
// from a torn one: "b<batch>k<k>/<size>".
std::vector<ClueEntry> batch(const QString& key, int size)
{
    std::vector<ClueEntry> clues;
    for (int k = 0; k < size; ++k) {
        clues.push_back(ClueEntry{QStringLiteral("b%1k%2/%3").arg(key).arg(k).arg(size),
                                  QStringLiteral("ABC"), 0, qint16(k % 5), qint16(k + 1), true});
    }
    return clues;
}

int loop(CrosswordDatabase& db)
{
    const auto names = db.names();
    if (!names.ok()) {
        say(names.error());
        return 1;
    }
    say(QStringLiteral("ready"));
    const QString process = QString::number(QCoreApplication::applicationPid());
    // Earlier runs' crosswords too: appending to a stored crossword is a save of its own.
    QStringList mine = names.value();
    auto& random = *QRandomGenerator::global();
    for (int i = 0;; ++i) {
        const QString key = process + QLatin1Char('.') + QString::number(i);
        const auto clues = batch(key, 1 + int(random.bounded(6)));
        const bool fresh = mine.isEmpty() || random.bounded(3) == 0;
        const QString name =
            fresh ? QStringLiteral("p") + key : mine.at(int(random.bounded(mine.size())));
        const auto stored =
            db.storeClues(name, fresh ? std::optional<QSize>(QSize(5, 5)) : std::nullopt, clues);
        if (!stored.ok()) {
            std::fputs(qPrintable(stored.error() + QLatin1Char('\n')), stderr);
            continue;
        }
        if (fresh)
            mine << name;
        say(QStringLiteral("saved"));
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return 2;
    CrosswordDatabase db(args.at(2));
    if (args.at(1) == QLatin1String("loop"))
        return loop(db);
    if (args.at(1) == QLatin1String("store") && args.size() == 4) {
        const auto clues = batch(QStringLiteral("one"), 3);
        const auto stored = db.storeClues(args.at(3), QSize(5, 5), clues);
        say(stored.ok() ? QStringLiteral("stored") : stored.error());
        return stored.ok() ? 0 : 1;
    }
    if (args.at(1) == QLatin1String("names")) {
        const auto names = db.names();
        say(names.ok() ? names.value().join(QLatin1Char('\n')) : names.error());
        return names.ok() ? 0 : 1;
    }
    return 2;
}
