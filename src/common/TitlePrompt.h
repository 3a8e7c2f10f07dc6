#pragma once

#include <QString>

class Ui;

// Asks for the title of a crossword that goes out without a stored one: the print-outs
// and the export ask in the same words, proposing the crossword's own title where it has
// one. A cancelled prompt answers "".
QString askCrosswordTitle(Ui& ui, const QString& ownTitle = {});
