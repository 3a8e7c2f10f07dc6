#include "PublicationGrid.h"

#include "PrintLayout.h"
#include "model/ClueNumbers.h"
#include "model/PuzzleState.h"
#include "seams/PrintDevice.h"

#include <algorithm>

namespace {

constexpr qreal pointsPerMm = 72 / 25.4;
// As a share of the cell: the number's font, the letter's, and the line between cells.
constexpr qreal numberShare = 0.27;
constexpr qreal largestNumberPoints = 7;
constexpr qreal letterShare = 0.45;
constexpr qreal lineShare = 0.05;
constexpr qreal thickestLineMm = 0.35;
// The number sits this far (as a share of the cell) from the cell's top left corner.
constexpr qreal numberInset = 0.06;

qreal lineWidth(qreal cellMm)
{
    return std::min(thickestLineMm, cellMm * lineShare);
}

}  // namespace

namespace PublicationGrid {

void draw(PrintDevice& device, const PuzzleState& state, QPointF topLeft, qreal cellMm,
          bool solution)
{
    const int columns = std::clamp(int(state.xGridSize), 0, Capacity::maxGridSize);
    const int rows = std::clamp(int(state.yGridSize), 0, Capacity::maxGridSize);
    device.setUnit(PrintUnit::Millimetres);
    device.setFontName(PrintLayout::fontName);
    device.setTextTransparent(true);
    device.setFontBold(false);

    // One black sheet, then the white cells laid on it leave the lines and the blocks.
    const qreal half = lineWidth(cellMm) / 2;
    const QPointF overhang(half, half);
    device.fillBox(topLeft - overhang,
                   topLeft + QPointF(columns * cellMm, rows * cellMm) + overhang, Qt::black);
    const auto corner = [&](int c, int r) { return topLeft + QPointF(c * cellMm, r * cellMm); };
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rows; ++r) {
            if (!state.gridLetters[c][r].isEmpty())
                device.fillBox(corner(c, r) + overhang, corner(c + 1, r + 1) - overhang,
                               Qt::white);
        }
    }

    const qreal inset = cellMm * numberInset + half;
    device.setFontSize(std::min(largestNumberPoints, cellMm * numberShare * pointsPerMm));
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rows; ++r) {
            if (state.gridLetters[c][r].isEmpty())
                continue;
            if (const auto number = firstClueNumberAt(state, c, r)) {
                device.setCurrentPoint(corner(c, r) + QPointF(inset, half));
                device.printText(QString::number(*number));
            }
        }
    }
    if (!solution)
        return;

    device.setFontSize(cellMm * letterShare * pointsPerMm);
    const qreal lineHeight = device.lineHeight();
    for (int c = 0; c < columns; ++c) {
        for (int r = 0; r < rows; ++r) {
            const QString& letter = state.gridLetters[c][r];
            if (letter.isEmpty())
                continue;
            // A little below the middle, clear of the number in the corner.
            const QPointF centre = corner(c, r) + QPointF(cellMm / 2, cellMm * 0.6);
            device.setCurrentPoint(centre - QPointF(device.textWidth(letter) / 2, lineHeight / 2));
            device.printText(letter);
        }
    }
}

}  // namespace PublicationGrid
