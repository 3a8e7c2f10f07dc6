#pragma once

#include <QPoint>
#include <Qt>

#include <optional>

class ClueForm;
class QUndoStack;
class QWidget;
class Surface;
class Ui;
struct PuzzleState;

// What every change to the crossword works on: the crossword, the grid on screen, the
// person, and the history each change becomes one undoable step of.
struct EditingDesk {
    PuzzleState& state;
    Surface& surface;
    Ui& ui;
    QUndoStack& history;
    bool keepReadingOrder = false;  // renumber in reading order as part of every step
    QWidget* dialogParent = nullptr;
};

// A press on the grid, placed as placeClue places it, as one step.
void placeClueStep(EditingDesk& desk, ClueForm& form, Qt::MouseButton button, QPoint position);
// Lets the person choose a clue (`chosen`, a table index, offered first) and change its
// text, answer or direction. A new answer or direction is checked as a new placement at
// the same start cell; a refusal is reported and changes nothing.
void editClueStep(EditingDesk& desk, std::optional<int> chosen = std::nullopt);
// Lets the person choose a clue and removes it by ClueNumbering::removeClue.
void removeClueStep(EditingDesk& desk);
// Numbers the crossword in reading order as one step; nothing when it already is.
void readingOrderStep(EditingDesk& desk);
