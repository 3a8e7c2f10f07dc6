#pragma once

#include "model/EarlierClue.h"

#include <QString>

// Every clue stored in the database at `path` for `answer` (compared exactly, as
// placement stores it), newest crossword first and within one the latest clue first.
// Only reads: the file is opened read-only on a connection of the calling thread's own,
// so a lookup may run on any thread. A file that does not exist yet holds no clues.
EarlierClues earlierCluesFor(const QString& path, const QString& answer);
