#include "ImportPlacement.h"

#include "CluePlacement.h"
#include "GridDrawing.h"
#include "model/ImportedCrossword.h"
#include "model/PuzzleState.h"
#include "seams/Ui.h"

#include <memory>

bool placeImported(PuzzleState& state, Surface& surface, Ui& ui, const ImportedCrossword& imported)
{
    const QString caption = QStringLiteral("Import Crossword");
    // Built aside and swapped in whole, so a refusal halfway leaves nothing behind.
    auto fresh = std::make_unique<PuzzleState>(state);
    fresh->reset(qint16(imported.columns), qint16(imported.rows));
    for (const ImportedClue& clue : imported.clues) {
        const auto refused = placeEntry(*fresh, clue.text, clue.answer, clue.start, clue.across);
        if (refused) {
            ui.message(QStringLiteral("The crossword was not imported: clue %1 %2 (\"%3\") "
                                      "cannot be placed.\n\n%4")
                           .arg(QString::number(clue.number),
                                clue.across ? QStringLiteral("across") : QStringLiteral("down"),
                                clue.text, refused->text),
                       caption);
            return false;
        }
    }
    fresh->proposedTitle = imported.title;
    const bool shown = GridDrawing::fitAndDrawGrid(surface, *fresh);
    state = std::move(*fresh);
    ui.showTitle(QString());
    ui.enableCrosswordMenus();
    if (!shown) {
        ui.message(QStringLiteral("The window is too small to show the %1 x %2 cells of the "
                                  "crossword. Enlarge the window to see it.")
                       .arg(state.xGridSize)
                       .arg(state.yGridSize),
                   caption);
    }
    if (!imported.leftOut.isEmpty()) {
        ui.message(QStringLiteral("Left out, as a crossword here has no place for them: %1.")
                       .arg(imported.leftOut.join(QStringLiteral(", "))),
                   caption);
    }
    return true;
}
