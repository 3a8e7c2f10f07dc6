#pragma once

#include <QDialog>

class QCloseEvent;
class QComboBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;
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

protected:
    // The close control throws the entry away; Update, Cancel and Esc only hide it.
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void startAfresh();

    PuzzleState& state_;
    QLineEdit* clue_ = nullptr;
    QLineEdit* answer_ = nullptr;
    QComboBox* direction_ = nullptr;
    QPushButton* update_ = nullptr;
    QPushButton* cancel_ = nullptr;
};
