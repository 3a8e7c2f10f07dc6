#pragma once

#include "model/ImportedCrossword.h"

#include <QPoint>
#include <QString>

#include <optional>

// What both readers refuse or note alike, in the same words.

// "row 3, column 5", counted from 1 as the user counts.
QString cellName(QPoint cell);

// The one letter A-Z a solution cell holds once accents are folded (é to E) and case is
// raised, or nothing where it holds anything else: a block, several letters, a digit.
std::optional<QChar> solutionLetter(const QString& cell);

// Why a grid of that size cannot come in, or "".
QString gridSizeRefusal(qint64 columns, qint64 rows);
// Why that many clues cannot come in, or "".
QString clueCountRefusal(qint64 count);

// Puts the clues in the order they are placed in, number by number with across first at
// one number, and says why the crossword cannot come in, or "": two clues going the same
// way from one cell. `letters` are the solution's rows, a blank for a block; a letter
// that no clue covers is noted as left out.
QString finishImport(ImportedCrossword& crossword, const QList<QString>& letters);

// How a refusal names a clue of the file: 12 across ("River").
QString importedClueName(const ImportedClue& clue);
