// A second program on the crossword database, for what a test cannot do to itself: be
// killed in the middle of a save, or run as a user who may not write the file. It answers
// each line of its input with one line:
//   store NAME   "stored" one new crossword, or why not
//   names        the stored names, joined by ","
//   loop         "saved" for each batch of clues saved, until killed

#include "model/ClueEntry.h"
#include "storage/CrosswordDatabase.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <iostream>
#include <string>
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

void loop(CrosswordDatabase& db)
{
    const auto names = db.names();
    if (!names.ok())
        return say(names.error());
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
        say(stored.ok() ? QStringLiteral("saved") : stored.error());
    }
}

}  // namespace

// One connection kept for the whole run, as the program keeps it, while the test changes
// the file between commands.
int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    CrosswordDatabase db(app.arguments().at(1));
    for (std::string line; std::getline(std::cin, line);) {
        const QString command = QString::fromStdString(line);
        if (command.startsWith(QLatin1String("store "))) {
            const auto stored =
                db.storeClues(command.mid(6), QSize(5, 5), batch(QStringLiteral("one"), 3));
            say(stored.ok() ? QStringLiteral("stored") : stored.error());
        } else if (command == QLatin1String("names")) {
            const auto names = db.names();
            say(names.ok() ? names.value().join(QLatin1Char(',')) : names.error());
        } else {
            loop(db);
        }
    }
    return 0;
}
