#pragma once

#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>

struct PuzzleState;

// One thing worth a look before the crossword goes out, with the cells it concerns.
struct CheckFinding {
    QString text;
    QList<QPoint> cells;
};

struct CrosswordCheckReport {
    QList<CheckFinding> findings;
    QStringList summary;  // grid size, clues each way, letters, answer lengths
};

// What a setter checks before sending a crossword: runs of letters that are no clue's
// answer (answers touching end to end or side by side), answers that cross no other,
// letters in no answer, an answer or a clue text used twice, and characters a .puz file
// cannot hold. It only reads the crossword.
CrosswordCheckReport checkCrossword(const PuzzleState& state);
