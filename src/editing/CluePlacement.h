#pragma once

#include <QPoint>
#include <QString>
#include <Qt>

#include <optional>

class ClueForm;
struct ClueEntry;
class Surface;
class Ui;
struct PuzzleState;

// A press on the grid. A left press inside the margins, on a cell of the grid, asks for a
// clue whose answer starts in that cell. When the answer fits the grid and agrees with
// every letter already in it, its letters are drawn in, the clue is filed and numbered;
// anything refused is reported and leaves the crossword as it was. `form` must hand its
// entry over into `state`. True when a clue was placed.
bool placeClue(PuzzleState& state, Surface& surface, Ui& ui, ClueForm& form,
               Qt::MouseButton button, QPoint position);

// Why an answer cannot stand in the grid as it is (it runs off the grid, or a cell holds
// another letter), in the words and under the caption a placement uses; nothing when it
// fits. Edits re-place a clue through the same checks.
struct ClueRefusal {
    QString text;
    QString caption;
};
std::optional<ClueRefusal> placementRefusal(const PuzzleState& state, const ClueEntry& placed);

// What the clue dialogs hand over, as the placement takes it: blanks around the clue
// trimmed, the answer made of capitals only. The refusal of an empty one, or nothing.
std::optional<ClueRefusal> tidyEntry(QString& clue, QString& answer);
