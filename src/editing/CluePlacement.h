#pragma once

#include <QPoint>
#include <Qt>

class ClueForm;
class Surface;
class Ui;
struct PuzzleState;

// A press on the grid. A left press inside the margins, on a cell of the grid, asks for a
// clue whose answer starts in that cell. When the answer fits the grid and agrees with
// every letter already in it, its letters are drawn in, the clue is filed and numbered;
// anything refused is reported and leaves the crossword as it was. `form` must hand its
// entry over into `state`.
void placeClue(PuzzleState& state, Surface& surface, Ui& ui, ClueForm& form,
               Qt::MouseButton button, QPoint position);
