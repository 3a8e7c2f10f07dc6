#pragma once

class CrosswordDatabase;
class CrosswordName;
class Ui;
struct PuzzleState;

// Stores the clues placed since the crossword was begun, opened or last saved; a
// crossword never stored before is named first. The save is whole or not at all: the
// crossword in memory counts as stored only once every row is in the file, and a failed
// save is reported with the file as it was.
void saveCrossword(PuzzleState& state, Ui& ui, CrosswordDatabase& database,
                   CrosswordName& nameDialog);
