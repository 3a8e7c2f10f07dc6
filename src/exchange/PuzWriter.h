#pragma once

#include "ExportedFile.h"

struct PuzzleState;

// The crossword as a .puz file, the binary layout nearly every solving app opens. Its
// readers number the grid themselves and pair the clues with their own numbers, so the
// file is written only where every entry of the grid is exactly one clue's answer and
// every clue's answer is one entry, and where every text is Latin-1.
ExportedFile puzFile(const PuzzleState& state, const QString& title);
