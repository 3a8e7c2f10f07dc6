#include "NewCrossword.h"

#include "GridDrawing.h"
#include "GridGeometry.h"
#include "model/PuzzleState.h"
#include "model/ReplyNumber.h"
#include "seams/Surface.h"
#include "seams/Ui.h"

namespace {

const QString gridSizeCaption = QStringLiteral("Grid Size");
const QString proposedGridSize = QStringLiteral("25");

// Prompts until the reply is a whole number of cells the grid can have. Cancel answers
// "" and so is just another invalid reply: the command ends only with a valid size.
int askGridSize(Ui& ui, const QString& promptText, const QString& invalidText)
{
    for (;;) {
        const auto value =
            readReplyNumber(ui.prompt(promptText, gridSizeCaption, proposedGridSize));
        if (value && *value >= 1 && *value <= Capacity::maxGridSize)
            return *value;
        ui.message(invalidText, QStringLiteral("Error"));
    }
}

}  // namespace

bool newCrossword(PuzzleState& state, Surface& surface, Ui& ui)
{
    const int columns = askGridSize(ui, QStringLiteral("Enter Grid size - X"),
                                    QStringLiteral("Not a valid value for xGridSize! Re-enter"));
    const int rows = askGridSize(ui, QStringLiteral("Enter Grid size - Y"),
                                 QStringLiteral("Not a valid value for yGridSize! Re-enter"));

    // A grid whose cells would be empty could never take a clue; say so while the
    // crossword in memory is still there.
    const QSize cell = GridGeometry::fitCells(surface.size(), columns, rows);
    if (cell.width() < 1 || cell.height() < 1) {
        ui.message(QStringLiteral("The window is too small for a grid of %1 x %2 cells. "
                                  "Enlarge the window and start the crossword again.")
                       .arg(columns)
                       .arg(rows),
                   gridSizeCaption);
        return false;
    }

    state.reset(qint16(columns), qint16(rows));
    state.cellWidth = qint16(cell.width());
    state.cellHeight = qint16(cell.height());
    GridDrawing::drawGrid(surface, state);
    // The title bar must not go on naming the crossword just set aside.
    ui.showTitle(QString());
    ui.enableCrosswordMenus();
    return true;
}
