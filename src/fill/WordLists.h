#pragma once

#include "WordIndex.h"
#include "WordListChoice.h"

#include <QFutureWatcher>
#include <QObject>
#include <QStringList>

#include <memory>

// What reading a choice of lists gave: the words, and what to tell the setter about it.
struct LoadedLists {
    std::shared_ptr<const WordIndex> index;
    qsizetype skipped = 0;
    QStringList problems;  // one sentence per file that could not be read
    QString summary() const;
};

// Reads every file of `choice`; a file that cannot be read is named in the problems and
// the others are used.
LoadedLists loadWordLists(const WordListChoice& choice);

// The words the fill help offers. Lists are read on a thread of their own, so the window
// never waits for them; until they are in, `index()` is what was there before (or none).
class WordLists final : public QObject {
    Q_OBJECT
public:
    explicit WordLists(QObject* parent = nullptr);
    ~WordLists() override;

    void load(const WordListChoice& choice);
    const WordListChoice& choice() const { return choice_; }
    bool loading() const { return watcher_.isRunning(); }
    std::shared_ptr<const WordIndex> index() const { return loaded_.index; }
    // One line for the panel: loading, or how many words, and what went wrong.
    QString status() const;

Q_SIGNALS:
    void changed();

private:
    WordListChoice choice_;
    LoadedLists loaded_;
    QFutureWatcher<LoadedLists> watcher_;
    bool reloadWhenDone_ = false;
};
