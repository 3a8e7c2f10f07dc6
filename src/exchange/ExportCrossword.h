#pragma once

class Ui;
struct PuzzleState;

// Writes the crossword to an .ipuz or .puz file the user names: the file's type, or the
// filter chosen, decides which. The file is replaced whole or not at all, and the
// crossword, its title and the database are left as they were.
void exportCrossword(const PuzzleState& state, Ui& ui);
