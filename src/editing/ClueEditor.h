#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
struct PuzzleState;

// Chooses one placed clue, to edit or to remove. To edit, it also shows the clue's text,
// answer and direction, ready to be typed over; like the clue dialog it checks nothing,
// leaving every rule to the step that takes what it hands back.
class ClueEditor final : public QDialog {
    Q_OBJECT
public:
    enum class Purpose { Edit, Remove };

    // `chosen` is the table index of the clue offered first; the first one listed if none.
    ClueEditor(const PuzzleState& state, Purpose purpose, int chosen = -1,
               QWidget* parent = nullptr);

    int chosenIndex() const;
    QString clueText() const;
    QString answerText() const;
    bool across() const;

private:
    void showChosen();

    const PuzzleState& state_;
    QComboBox* choice_ = nullptr;
    QLineEdit* clue_ = nullptr;
    QLineEdit* answer_ = nullptr;
    QComboBox* direction_ = nullptr;
};
