#pragma once

#include "fill/WordListChoice.h"

#include <QDialog>

class ClueForm;
class QCheckBox;
class QListWidget;
class QSpinBox;
class Ui;
class WordLists;

// Where the setter chooses the word lists the fill help offers words from, the weakest
// score it shows, and whether the clue dialog shows the fill help at all.
class WordListsDialog final : public QDialog {
    Q_OBJECT
public:
    static const QString caption;

    WordListsDialog(const WordListChoice& choice, bool fillHelpShown, QWidget* parent = nullptr);

    WordListChoice choice() const;
    bool fillHelpShown() const;

private:
    void addFiles();

    QListWidget* files_ = nullptr;
    QSpinBox* minimumScore_ = nullptr;
    QCheckBox* showFillHelp_ = nullptr;
};

// Edit > Word Lists: a new choice is remembered and read in the background.
void chooseWordLists(WordLists& lists, ClueForm& form, Ui& ui);
