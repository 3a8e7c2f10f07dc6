#pragma once

#include "Result.h"
#include "StoredRows.h"

#include <QList>

class CrosswordDatabase;
class CrosswordName;
class Ui;
struct PuzzleState;

// Lets the user pick a stored crossword and replaces the crossword in memory by it;
// sizing its cells on the screen and drawing it are the caller's part. True when it was
// loaded. Leaving the name dialog without a name changes nothing; a crossword that cannot
// be read, or that the editor could not have made, is reported and the crossword in
// memory stays as it was.
bool openCrossword(PuzzleState& state, Ui& ui, CrosswordDatabase& database,
                   CrosswordName& nameDialog);

// Fills `loaded` from stored rows, or says why they cannot be a crossword of ours.
// Only the crossword's own fields of `loaded` are written, and only on success; the
// storage state is the caller's.
Result<Done> loadCrossword(PuzzleState& loaded, const StoredCrossword& crossword,
                           const QList<StoredClue>& clues);
