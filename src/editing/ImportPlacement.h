#pragma once

class Surface;
class Ui;
struct ImportedCrossword;
struct PuzzleState;

// Makes the crossword a file describes the crossword in memory, new and unsaved, as if
// the setter had typed it: a fresh grid of its size, and every clue placed in turn by the
// rules a typed clue is placed by. Its title is only proposed, for the first save. A clue
// those rules refuse is reported and the crossword in memory stays as it was. What the
// file held beyond the crossword is told in one message. True when it was imported.
bool placeImported(PuzzleState& state, Surface& surface, Ui& ui,
                   const ImportedCrossword& imported);
