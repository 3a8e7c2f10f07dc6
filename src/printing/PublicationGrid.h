#pragma once

#include <QPointF>
#include <QtGlobal>

class PrintDevice;
struct PuzzleState;

// The grid as the puzzle and solution pages print it and the grid picture shows it:
// square cells, blocks black, each start cell's number in its corner sized to the cell,
// and for the solution the letters centred in their cells. Drawn in millimetres.
namespace PublicationGrid {

// How far the frame reaches beyond the cells on each side, for cells of `cellMm`.
qreal frameOverhang(qreal cellMm);

// Draws the grid with its first cell's top left corner at `topLeft`; the unit is
// millimetres afterwards.
void draw(PrintDevice& device, const PuzzleState& state, QPointF topLeft, qreal cellMm,
          bool solution);

}  // namespace PublicationGrid
