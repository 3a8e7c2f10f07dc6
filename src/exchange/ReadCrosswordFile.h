#pragma once

#include "model/ImportedCrossword.h"

#include <QByteArray>
#include <QString>

#include <optional>

class Ui;

// Files larger than this are refused unread: the largest crossword there can be, with
// long clues and notes, takes well under a megabyte in either format.
inline constexpr qint64 maxCrosswordFileBytes = 4 * 1024 * 1024;

// The crossword in `bytes`: a .puz file by its name or its signature, an .ipuz otherwise.
struct ImportedFile;
ImportedFile readCrosswordBytes(const QByteArray& bytes, const QString& fileName);

// Asks for an .ipuz or .puz file and reads the crossword it holds. A file that cannot be
// read or brought in is reported, naming it and the reason, and nothing is returned.
std::optional<ImportedCrossword> readCrosswordFile(Ui& ui);
