#pragma once

#include <QList>
#include <QString>

struct ClueEntry;
struct PuzzleState;

// The grid as solvers' apps see it: a cell with a letter is white, every other cell is a
// block, and two or more white cells in a line, bounded by blocks or the edge, are one
// entry. The apps number the entries themselves, in reading order.
struct EntryRun {
    int column = 0;  // of the first cell
    int row = 0;
    int length = 0;
    bool across = false;
    int number = 0;  // as the apps number it
};

// The letter in a cell, or "" for a block and for any cell outside the grid.
QString letterAt(const PuzzleState& state, int column, int row);

// The `length` letters from a cell onwards, across or down.
QString lettersFrom(const PuzzleState& state, int column, int row, bool across, int length);

// Every entry of the grid by number; at one number the across entry comes first.
QList<EntryRun> entryRuns(const PuzzleState& state);

// Whether the answer has a block or the edge at both ends, so that it is a whole run of
// white cells rather than part of a longer one.
bool fillsItsRun(const PuzzleState& state, const ClueEntry& clue);
