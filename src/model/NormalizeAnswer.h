#pragma once

#include <QString>

// The answer as the grid and the database hold it: the letters of what was typed, folded
// to the capitals A-Z (é to E, ß to SS, æ to AE), in order. Blanks, digits, punctuation
// and symbols are dropped, and so is a letter with no A-Z form (see unfoldableLetter).
QString NormalizeAnswer(const QString& typed);

// The first letter of `typed` that has no A-Z form (Greek, Cyrillic, CJK...), as typed;
// "" when every letter folds. Dropping such a letter would place another word.
QString unfoldableLetter(const QString& typed);
