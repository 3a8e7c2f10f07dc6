#pragma once

#include "ClueListText.h"

#include <QDialog>

#include <functional>

class PrintDevice;
class QPlainTextEdit;
class QPushButton;
class Ui;
struct PuzzleState;

// Every clue under "Across:" and "Down:" in order of number, with a button that prints
// the list. A double-click on a clue's line hands it (its index in the clue table) to be
// edited, over this window, and the list is built afresh after.
class ClueList final : public QDialog {
    Q_OBJECT
public:
    static const QString caption;

    using EditClue = std::function<void(int clueIndex, QWidget* over)>;

    ClueList(const PuzzleState& state, PrintDevice& device, Ui& ui, QWidget* parent = nullptr,
             EditClue editClue = {});

    // The text as built at the last activation, line breaks and all.
    const QString& listing() const { return listing_; }

    void Form_Activate();
    void Print_Click();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitToScreen();

    const PuzzleState& state_;
    PrintDevice& device_;
    Ui& ui_;
    EditClue editClue_;
    ClueTable sortedClues{};
    QString listing_;
    QPlainTextEdit* tbClues_ = nullptr;
    QPushButton* print_ = nullptr;
};

// Shows the list modally over `parent` until it is closed.
void showClueList(const PuzzleState& state, PrintDevice& device, Ui& ui, QWidget* parent,
                  ClueList::EditClue editClue = {});
