#pragma once

#include "model/PuzzleState.h"

#include <QString>

#include <array>

using ClueTable = std::array<ClueEntry, Capacity::clueSlots>;

// The clue list as the window shows it and the clue print-out prints it.
namespace ClueListing {

// Copies the clues in use into `sortedClues` and puts them in order of number; the
// clue table itself keeps the order the clues were added in, which saving relies on.
// Returns how many entries of the copy are in use.
int sortClues(const PuzzleState& state, ClueTable& sortedClues);

// "Across:", its clues, an empty line, "Down:", its clues and a final empty line, every
// line ending in CR LF; a clue reads " 7. " and its text.
QString listingText(const ClueTable& sortedClues, int count);

}  // namespace ClueListing
