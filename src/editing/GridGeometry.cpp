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
    // Rounding up may carry the grid into the far margin, never past the area's last
    // pixel: the last column and row keep their closing line and can be clicked.
    const auto capped = [](int pixels, int margin, int count) {
        return std::min(fitCellSize(pixels - 2 * margin, count), (pixels - margin - 1) / count);
    };
    return {capped(area.width(), marginX, columns), capped(area.height(), marginY, rows)};
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
