#pragma once

#include <QtGlobal>

#include <optional>

struct PuzzleState;

// The number of the first clue in the table that starts in the cell. Later clues that
// start there share its number, so the screen and the paper show just this one.
std::optional<qint16> firstClueNumberAt(const PuzzleState& state, int column, int row);
