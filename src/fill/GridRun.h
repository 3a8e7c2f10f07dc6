#pragma once

#include <QPoint>
#include <QString>

struct PuzzleState;

// The cells from `start` to the grid's edge going across or down: the letter each holds,
// or `?` where it is open. Empty when `start` is outside the grid.
QString gridRun(const PuzzleState& state, QPoint start, bool across);
