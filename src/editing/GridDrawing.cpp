#include "GridDrawing.h"

#include "GridGeometry.h"
#include "model/ClueNumbers.h"
#include "model/NumberText.h"
#include "model/PuzzleState.h"
#include "model/Rounding.h"
#include "seams/Surface.h"

namespace GridDrawing {

using GridGeometry::left;
using GridGeometry::top;

const QColor& letterCellFill()
{
    static const QColor lightGrey(240, 240, 240);
    return lightGrey;
}

void drawCellBox(Surface& surface, const PuzzleState& state, int column, int row)
{
    surface.drawBox({left(state, column), top(state, row)},
                    {left(state, column + 1), top(state, row + 1)});
}

void drawCellContent(Surface& surface, const PuzzleState& state, int column, int row,
                     const QColor& fill)
{
    // The window may have shrunk under the clue dialog until no cell had a pixel; the
    // letter is drawn when the grid is refitted.
    if (state.cellWidth < 1 || state.cellHeight < 1)
        return;
    const int windowPointSize = surface.fontPointSize();
    surface.fillBox({left(state, column) + 1, top(state, row) + 1},
                    {left(state, column + 1) - 1, top(state, row + 1) - 1}, fill);
    if (const auto number = firstClueNumberAt(state, column, row)) {
        surface.setFont(numberPointSize, false);
        surface.drawText({left(state, column), top(state, row)}, numberText(*number));
    }
    surface.setFont(windowPointSize, true);
    const double x = left(state, column) + state.cellWidth / 2.0 - 5;
    const double y = top(state, row) + state.cellHeight / 2.0 - 10;
    surface.drawText(QPoint(int(roundHalfEven(x)), int(roundHalfEven(y))),
                     state.gridLetters[column][row]);
}

void drawGrid(Surface& surface, const PuzzleState& state)
{
    surface.clear();
    surface.setFont(letterPointSize, true);
    for (int c = 0; c < state.xGridSize; ++c) {
        for (int r = 0; r < state.yGridSize; ++r) {
            drawCellBox(surface, state, c, r);
            if (!state.gridLetters[c][r].isEmpty())
                drawCellContent(surface, state, c, r);
        }
    }
}

void highlightCells(Surface& surface, const PuzzleState& state, const QList<QPoint>& cells)
{
    static const QColor highlight(255, 214, 102);
    drawGrid(surface, state);
    for (const QPoint cell : cells) {
        if (cell.x() >= 0 && cell.y() >= 0 && cell.x() < state.xGridSize &&
            cell.y() < state.yGridSize && cell.x() < Capacity::maxGridSize &&
            cell.y() < Capacity::maxGridSize)
            drawCellContent(surface, state, cell.x(), cell.y(), highlight);
    }
}

bool fitAndDrawGrid(Surface& surface, PuzzleState& state)
{
    const QSize cell = GridGeometry::fitCells(surface.size(), state.xGridSize, state.yGridSize);
    const bool fits = cell.width() >= 1 && cell.height() >= 1;
    state.cellWidth = fits ? qint16(cell.width()) : qint16(0);
    state.cellHeight = fits ? qint16(cell.height()) : qint16(0);
    if (!fits) {
        surface.clear();
        return false;
    }
    drawGrid(surface, state);
    return true;
}

void refitGrid(Surface& surface, PuzzleState& state)
{
    if (!state.hasGrid())
        return;
    const QSize cell = GridGeometry::fitCells(surface.size(), state.xGridSize, state.yGridSize);
    // Unchanged cells: what is drawn is still right, and a redraw would only flicker.
    if (cell == QSize(state.cellWidth, state.cellHeight))
        return;
    fitAndDrawGrid(surface, state);
}

}  // namespace GridDrawing
