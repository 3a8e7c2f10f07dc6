#pragma once

#include "model/ClueOrder.h"

#include <QString>

// The clue list as the window shows it and the clue print-out prints it.
namespace ClueListText {

// "Across:", its clues, an empty line, "Down:", its clues and a final empty line, every
// line ending in CR LF; a clue reads " 7. " and its text, isolated where it runs right to
// left.
QString clueListText(const ClueTable& sortedClues, int count);

}  // namespace ClueListText
