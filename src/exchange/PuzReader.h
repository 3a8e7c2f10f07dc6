#pragma once

#include "ImportedFile.h"

#include <QByteArray>

// The crossword a .puz file holds. Every checksum is verified; a scrambled solution and
// rebus squares are refused, and what else the file's extra sections hold (circles,
// timers) is noted as left out. The file names no numbers: its entries are numbered as
// its readers number them, in reading order, and take its clues in that order.
ImportedFile puzCrossword(const QByteArray& bytes);
