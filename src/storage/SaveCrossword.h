#pragma once

class CrosswordDatabase;
class CrosswordName;
class Ui;
struct PuzzleState;

// Stores the crossword as it is in memory; a crossword never stored before is named
// first. A crossword opened or saved before goes to the row it was stored as: where only
// clues were added since, they are appended; otherwise its clue rows are replaced. The
// save is whole or not at all: the crossword in memory counts as stored only once every
// row is in the file, and a failed save is reported with the file as it was. True when
// the crossword was stored.
bool saveCrossword(PuzzleState& state, Ui& ui, CrosswordDatabase& database,
                   CrosswordName& nameDialog);
