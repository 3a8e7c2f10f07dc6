#pragma once

#include <QPoint>
#include <QSize>
#include <QtGlobal>

#include <optional>

struct PuzzleState;

// Where the grid sits on the main window's drawing area, in pixels. Every drawing of
// the grid and every click on it goes through these.
namespace GridGeometry {

inline constexpr int marginX = 10;
inline constexpr int marginY = 5;

int left(const PuzzleState& state, int column);
int top(const PuzzleState& state, int row);

// One cell's size for `pixels` shared among `count` cells, rounded half to even.
// Computed in single precision, as the grid has always been sized.
int fitCellSize(int pixels, int count);
// The cell sizes that fill `area` with a columns x rows grid, by that rounding but never
// so large that the grid's closing lines fall outside the area; both may come out 0 or
// less when the area is too small.
QSize fitCells(QSize area, int columns, int rows);

// The grid cell under a point, or nothing when the point is outside the grid or no
// grid can take a clue.
std::optional<QPoint> cellAt(const PuzzleState& state, QPoint position);

}  // namespace GridGeometry
