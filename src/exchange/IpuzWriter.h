#pragma once

#include "ExportedFile.h"

struct PuzzleState;

// The crossword as an .ipuz file (JSON, UTF-8): the grid with the numbers the screen
// shows, the solution, and the clues in the order of the printed clue list. An answer
// that is only part of a run of white cells names its cells, so that a reader knows
// which ones it covers.
ExportedFile ipuzFile(const PuzzleState& state, const QString& title);
