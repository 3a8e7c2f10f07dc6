#pragma once

#include "ClueListText.h"

#include <QDialog>

class PrintDevice;
class QPlainTextEdit;
class QPushButton;
class Ui;
struct PuzzleState;

// Every clue under "Across:" and "Down:" in order of number, with a button that prints
// the list. It only reads the crossword, which cannot change while it is open.
class ClueList final : public QDialog {
    Q_OBJECT
public:
    static const QString caption;

    ClueList(const PuzzleState& state, PrintDevice& device, Ui& ui, QWidget* parent = nullptr);

    // The text as built at the last activation, line breaks and all.
    const QString& listing() const { return listing_; }

    void Form_Activate();
    void Print_Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fitToScreen();

    const PuzzleState& state_;
    PrintDevice& device_;
    Ui& ui_;
    ClueTable sortedClues{};
    QString listing_;
    QPlainTextEdit* tbClues_ = nullptr;
    QPushButton* print_ = nullptr;
};

// Shows the list modally over `parent` until it is closed.
void showClueList(const PuzzleState& state, PrintDevice& device, Ui& ui, QWidget* parent);
