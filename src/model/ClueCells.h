#pragma once

#include "ClueEntry.h"
#include "PuzzleState.h"

#include <QList>
#include <QPoint>

// Where an answer's letters stand: letter k of an answer starting at `start` is k cells
// to the right of it across, k cells below it down. Every walk over an answer's cells
// goes through here, so placement, the grid, the files and the checks agree on it.
inline QPoint letterCell(QPoint start, bool across, int k)
{
    return across ? QPoint(start.x() + k, start.y()) : QPoint(start.x(), start.y() + k);
}

inline QPoint letterCell(const ClueEntry& clue, int k)
{
    return letterCell(QPoint(clue.x, clue.y), clue.across, k);
}

// The cells a placed clue's answer covers, from its first letter to its last.
QList<QPoint> clueCells(const ClueEntry& clue);

// Letters the answer into its cells, over whatever they held. The caller has checked
// that every cell is inside the table.
void writeAnswer(LetterTable& letters, const ClueEntry& clue);
