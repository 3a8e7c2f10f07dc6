#pragma once

#include <QString>

// The main window's title: the program's name, followed by the crossword's title once
// the crossword has been opened or saved.
QString windowCaption(const QString& crosswordTitle);
