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

// Why a clue was not placed, in the words and under the caption the user is shown.
struct ClueRefusal {
    QString text;
    QString caption;
};

// A press on the grid. A left press inside the margins, on a cell of the grid, asks for a
// clue whose answer starts in that cell. When the answer fits the grid and agrees with
// every letter already in it, its letters are drawn in, the clue is filed and numbered;
// anything refused is reported and leaves the crossword as it was. `form` must hand its
// entry over into `state`. True when a clue was placed.
bool placeClue(PuzzleState& state, Surface& surface, Ui& ui, ClueForm& form,
               Qt::MouseButton button, QPoint position);

// Why an answer cannot stand in the grid as it is (it starts outside the grid or runs off
// it, or a cell holds another letter); nothing when it fits. Edits re-place a clue
// through the same checks.
std::optional<ClueRefusal> placementRefusal(const PuzzleState& state, const ClueEntry& placed);

// What the clue dialogs hand over, as the placement takes it: blanks around the clue
// trimmed, the answer made of capitals only. The refusal of an answer holding a letter
// with no A-Z form, or of an empty clue or answer; nothing when it can go on.
std::optional<ClueRefusal> tidyEntry(QString& clue, QString& answer);

// The rules a typed clue is placed by, without the dialog and the drawing: the entry
// tidied, then checked against the table's room, the grid's edge and the letters already
// there, and filed with the number it shares or the next one. Nothing changes when it is
// refused.
std::optional<ClueRefusal> placeEntry(PuzzleState& state, QString clue, QString answer,
                                      QPoint start, bool across);
