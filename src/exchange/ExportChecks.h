#pragma once

#include "model/PuzzleState.h"

#include <QString>

#include <optional>

// The first character a .puz file cannot hold, or nothing: it holds Latin-1 text only and
// ends each text at a NUL.
std::optional<QString> firstNonLatin1(const QString& text);

// How a refusal names a clue: its number as the screen shows it, its direction and text,
// as in 3 across ("Pet").
QString clueName(const ClueEntry& clue);

// Why no crossword file can hold the crossword, or "" when one can: it has no clues, two
// clues go the same way from one cell, or the grid no longer reads a clue's answer.
QString commonRefusal(const PuzzleState& state);
