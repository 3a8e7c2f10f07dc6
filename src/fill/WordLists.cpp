#include "WordLists.h"

#include "WordListText.h"

#include <QFile>
#include <QLocale>
#include <QtConcurrent/QtConcurrentRun>

namespace {

QString counted(qsizetype number)
{
    return QLocale(QLocale::English).toString(number);
}

}  // namespace

QString LoadedLists::summary() const
{
    QStringList parts;
    const qsizetype words = index ? index->size() : 0;
    parts << (words == 1 ? QStringLiteral("1 word")
                         : QStringLiteral("%1 words").arg(counted(words)));
    if (skipped > 0) {
        parts << (skipped == 1 ? QStringLiteral("1 line skipped")
                               : QStringLiteral("%1 lines skipped").arg(counted(skipped)));
    }
    return parts.join(QStringLiteral("; ")) +
           (problems.isEmpty() ? QString() : QStringLiteral(". ") + problems.join(u' '));
}

LoadedLists loadWordLists(const WordListChoice& choice)
{
    LoadedLists loaded;
    WordIndex::Builder builder;
    for (const QString& path : choice.filesToRead()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            loaded.problems << QStringLiteral("The word list \"%1\" cannot be read: %2.")
                                   .arg(path, file.errorString());
            continue;
        }
        const QByteArray text = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            loaded.problems << QStringLiteral("The word list \"%1\" cannot be read: %2.")
                                   .arg(path, file.errorString());
            continue;
        }
        loaded.skipped += readWordList(text, builder).skipped;
    }
    loaded.index = builder.finish(choice.minimumScore);
    return loaded;
}

WordLists::WordLists(QObject* parent) : QObject(parent)
{
    connect(&watcher_, &QFutureWatcher<LoadedLists>::finished, this, [this] {
        // A choice made while an earlier one was read is read now; the earlier is dropped.
        if (reloadWhenDone_) {
            reloadWhenDone_ = false;
            load(choice_);
            return;
        }
        loaded_ = watcher_.result();
        Q_EMIT changed();
    });
}

WordLists::~WordLists()
{
    watcher_.waitForFinished();
}

void WordLists::load(const WordListChoice& choice)
{
    choice_ = choice;
    if (watcher_.isRunning()) {
        reloadWhenDone_ = true;
        return;
    }
    watcher_.setFuture(QtConcurrent::run(loadWordLists, choice));
    Q_EMIT changed();
}

QString WordLists::status() const
{
    if (loading())
        return QStringLiteral("Reading the word lists...");
    return loaded_.summary();
}
