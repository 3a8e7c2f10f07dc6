// A second program on the crossword database, for what a test cannot do to itself: be
// killed in the middle of a save, or run as a user who may not write the file.
//
//   storage_helper loop DB     saves batches of clues until killed
//   storage_helper follow DB   answers "store NAME" (stores one new crossword, or says why
//                              not) and "names" read from its input, one line each, until
//                              its input ends

#include "model/ClueEntry.h"
#include "storage/CrosswordDatabase.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

namespace {

int say(const QString& text, int code)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
    return code;
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
    if (!names.ok())
        return say(names.error(), 1);
    const QString process = QString::number(QCoreApplication::applicationPid());
    // Earlier runs' crosswords too: appending to a stored crossword is a save of its own.
    QStringList mine = names.value();
    for (int i = 0;; ++i) {
        const QString key = process + QLatin1Char('.') + QString::number(i);
        const bool fresh = mine.isEmpty() || i % 3 == 0;
        const QString name = fresh ? QStringLiteral("p") + key : mine.at(i % mine.size());
        const auto stored = db.storeClues(name, fresh ? std::optional(QSize(5, 5)) : std::nullopt,
                                          batch(key, 1 + i % 5));
        if (stored.ok() && fresh)
            mine << name;
        say(stored.ok() ? QStringLiteral("saved") : stored.error(), 0);
    }
}

// One connection kept for the whole run, as the program keeps it, while the test changes
// the file between commands.
int follow(CrosswordDatabase& db)
{
    for (std::string line; std::getline(std::cin, line);) {
        const QString command = QString::fromStdString(line);
        if (command.startsWith(QLatin1String("store "))) {
            const auto stored =
                db.storeClues(command.mid(6), QSize(5, 5), batch(QStringLiteral("one"), 3));
            say(stored.ok() ? QStringLiteral("stored") : stored.error(), 0);
        } else {
            const auto names = db.names();
            say(names.ok() ? names.value().join(QLatin1Char(',')) : names.error(), 0);
        }
    }
    return 0;
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
    if (args.at(1) == QLatin1String("follow"))
        return follow(db);
    return 2;
}
