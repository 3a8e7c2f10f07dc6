#pragma once

#include "ImportedFile.h"

#include <QByteArray>

// The crossword an .ipuz file holds (a crossword of ipuz version 1 or 2, JSON, possibly
// wrapped as ipuz(...)). Each clue's answer is read from the solution along its cells:
// those the clue names, or the run of white cells from its numbered cell. A file without
// a solution is refused.
ImportedFile ipuzCrossword(const QByteArray& bytes);
