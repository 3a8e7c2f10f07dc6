#include "GridGeometry.h"

#include "model/PuzzleState.h"
#include "model/Rounding.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace GridGeometry {

int left(const PuzzleState& state, int column)
{
    return marginX + column * state.cellWidth;
}

int top(const PuzzleState& state, int row)
{
    return marginY + row * state.cellHeight;
}

int fitCellSize(int pixels, int count)
{
    const float share = static_cast<float>(pixels) / static_cast<float>(count);
    const long long size = roundHalfEven(share);
    return static_cast<int>(std::clamp<long long>(size, std::numeric_limits<qint16>::min(),
                                                  std::numeric_limits<qint16>::max()));
}

QSize fitCells(QSize area, int columns, int rows)
{
    return {fitCellSize(area.width() - 2 * marginX, columns),
            fitCellSize(area.height() - 2 * marginY, rows)};
}

std::optional<QPoint> cellAt(const PuzzleState& state, QPoint position)
{
    if (!state.hasGrid() || state.cellWidth <= 0 || state.cellHeight <= 0)
        return std::nullopt;
    const auto column =
        static_cast<int>(std::floor(double(position.x() - marginX) / state.cellWidth));
    const auto row =
        static_cast<int>(std::floor(double(position.y() - marginY) / state.cellHeight));
    if (column < 0 || row < 0 || column >= state.xGridSize || row >= state.yGridSize)
        return std::nullopt;
    return QPoint(column, row);
}

}  // namespace GridGeometry
