#pragma once

#include <QPoint>
#include <QString>
#include <Qt>

#include <optional>

class ClueForm;
class Surface;
class Ui;
struct PuzzleState;

// Why a clue was not placed, in the words and under the caption the user is shown.
struct PlacementRefusal {
    QString text;
    QString caption;
};

// A press on the grid. A left press inside the margins, on a cell of the grid, asks for a
// clue whose answer starts in that cell. When the answer fits the grid and agrees with
// every letter already in it, its letters are drawn in, the clue is filed and numbered;
// anything refused is reported and leaves the crossword as it was. `form` must hand its
// entry over into `state`.
void placeClue(PuzzleState& state, Surface& surface, Ui& ui, ClueForm& form,
               Qt::MouseButton button, QPoint position);

// The rules a typed clue is placed by, without the dialog and the drawing: the clue and
// answer trimmed of blanks and the answer reduced to its letters, then checked against the
// table's room, the grid's edge and the letters already there, and filed with the number
// it shares or the next one. Nothing changes when it is refused.
std::optional<PlacementRefusal> placeEntry(PuzzleState& state, const QString& clue,
                                           const QString& answer, QPoint start, bool across);
