#pragma once

#include <QString>

// The file types of the open and save dialogs, one wording for Import and Export.
namespace FileFilters {
inline const QString ipuz = QStringLiteral(".ipuz crossword (*.ipuz)");
inline const QString puz = QStringLiteral(".puz crossword (*.puz)");
inline const QString both = QStringLiteral("Crossword files (*.ipuz *.puz)");
}  // namespace FileFilters
