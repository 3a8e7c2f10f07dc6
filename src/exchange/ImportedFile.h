#pragma once

#include "model/ImportedCrossword.h"

// What a reader hands back: the crossword the file describes, or in words the user can
// act on why it cannot be brought in. Readers never talk to the user themselves.
struct ImportedFile {
    ImportedCrossword crossword;
    QString refusal;  // "" when read
};
