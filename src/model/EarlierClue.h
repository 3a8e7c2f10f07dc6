#pragma once

#include <QList>
#include <QString>

// A clue the setter gave the same answer before, in a stored crossword.
struct EarlierClue {
    QString title;  // of the crossword it was stored in
    QString clue;
};

// What looking up an answer's earlier clues found, newest first, or why it could not.
struct EarlierClues {
    QList<EarlierClue> found;
    QString problem;  // empty when the lookup worked
};
