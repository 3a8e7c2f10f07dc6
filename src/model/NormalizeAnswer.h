#pragma once

#include <QString>

// Keeps the ASCII letters of what was typed as an answer, upper-cased, in order.
// Accented letters are dropped, not folded: the grid and the database hold A-Z only.
QString NormalizeAnswer(const QString& typed);
