#pragma once

#include "model/EarlierClue.h"

#include <QFutureWatcher>
#include <QPoint>
#include <QThreadPool>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QListView;
class QTreeWidget;
class WordListModel;
class WordLists;
struct PuzzleState;

// Looks up the clues an answer had in the setter's stored crosswords. It may be slow (a
// database without an index on answers), so the panel calls it off the window's thread.
using EarlierCluesLookup = std::function<EarlierClues(const QString& answer)>;

// The fill help below the clue dialog's own controls: the run from the clicked cell, the
// words of the setter's lists that fit it, and the clues the answer had before.
class FillHelp final : public QWidget {
    Q_OBJECT
public:
    FillHelp(const PuzzleState& state, WordLists& lists, EarlierCluesLookup lookup,
             QWidget* parent = nullptr);
    ~FillHelp() override;

    // What the dialog shows now: the clicked cell, the direction and the typed answer.
    void showEntry(QPoint start, bool across, const QString& typedAnswer);

Q_SIGNALS:
    void wordChosen(const QString& word);
    void clueChosen(const QString& clue);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void listWords();
    void lookUpEarlierClues();
    void showEarlierClues(const EarlierClues& clues);
    void chooseWord();
    void chooseClue();

    const PuzzleState& state_;
    WordLists& lists_;
    EarlierCluesLookup lookup_;
    QPoint start_{-1, -1};
    bool across_ = true;
    QString typed_;  // normalised

    QLabel* run_ = nullptr;
    QLineEdit* pattern_ = nullptr;
    QLabel* count_ = nullptr;
    QListView* words_ = nullptr;
    WordListModel* model_ = nullptr;
    QTreeWidget* earlier_ = nullptr;
    QLabel* status_ = nullptr;

    // One lookup at a time, on a thread of its own; the answer typed meanwhile is looked
    // up when it ends, and the ones in between never are.
    QThreadPool pool_;
    QFutureWatcher<EarlierClues> lookingUp_;
    QString lookedUp_;
    bool lookupWanted_ = false;
};
