#pragma once

#include <QPointF>
#include <QtGlobal>

class PrintDevice;
struct PuzzleState;

// The grid as the puzzle and solution pages print it and the grid picture shows it:
// square cells, blocks black, each start cell's number in its corner sized to the cell,
// and for the solution the letters centred in their cells. Drawn in millimetres.
namespace PublicationGrid {

// Draws the grid with its first cell's top left corner at `topLeft`, its outer line half a
// line's width outside the cells; the unit is millimetres afterwards.
void draw(PrintDevice& device, const PuzzleState& state, QPointF topLeft, qreal cellMm,
          bool solution);

}  // namespace PublicationGrid
