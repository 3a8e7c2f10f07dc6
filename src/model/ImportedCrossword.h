#pragma once

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

// A crossword as a file from elsewhere describes it, before anything of it is placed: the
// readers of the file formats fill it, and the placement puts it into a fresh crossword
// clue by clue, as if the setter typed it.
struct ImportedClue {
    int number = 0;  // as the file numbers it
    bool across = false;
    QString text;
    QString answer;  // letters A-Z, read from the file's solution
    QPoint start;    // column and row of the first letter, from 0
};

struct ImportedCrossword {
    int columns = 0;
    int rows = 0;
    QString title;
    QList<ImportedClue> clues;  // in the file's number order, across first at one number
    QStringList leftOut;        // what the file holds that a crossword here has no place for
};
