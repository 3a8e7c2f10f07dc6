#pragma once

#include "FillHelp.h"

#include <QDialog>
#include <QPoint>

class QCloseEvent;
class QComboBox;
class QKeyEvent;
class QShowEvent;
class QLineEdit;
class QPushButton;
class WordLists;
struct PuzzleState;

// The modal dialog in which one clue, its answer and its direction are typed. It is made
// once and only hidden afterwards, so a refused clue is offered again for correction at
// the next click. It checks nothing: trimming and every check belong to the placement.
class ClueForm final : public QDialog {
    Q_OBJECT
public:
    static const QString caption;

    // Update hands the entry over into `state`, the crossword the placement works on.
    explicit ClueForm(PuzzleState& state, QWidget* parent = nullptr);

    void update_Click();

    // Adds the fill help below the dialog's own controls, shown unless the setter hid it.
    void addFillHelp(WordLists& lists, EarlierCluesLookup lookup);
    bool fillHelpShown() const;
    // Hidden, the dialog is exactly as it is without the fill help. Remembered.
    void setFillHelpShown(bool shown);
    // The cell the answer is to start in, for the fill help.
    void startAt(QPoint start);

protected:
    // The close control throws the entry away; Update, Cancel and Esc only hide it.
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void startAfresh();
    void showEntryInFillHelp();

    PuzzleState& state_;
    QLineEdit* clue_ = nullptr;
    QLineEdit* answer_ = nullptr;
    QComboBox* direction_ = nullptr;
    QPushButton* update_ = nullptr;
    QPushButton* cancel_ = nullptr;
    FillHelp* fillHelp_ = nullptr;
    QPoint start_{-1, -1};
};
