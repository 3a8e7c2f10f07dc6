#pragma once

#include "PuzzleState.h"

#include <array>

using ClueTable = std::array<ClueEntry, Capacity::clueSlots>;

// Copies the clues in use into `sortedClues` and puts them in order of number: the order
// of the clue list on screen, on paper and in an exported file. The clue table itself
// keeps the order the clues were added in, which saving relies on. Returns how many
// entries of the copy are in use.
int sortClues(const PuzzleState& state, ClueTable& sortedClues);
