#include "SaveCrossword.h"

#include "CrosswordDatabase.h"
#include "CrosswordName.h"
#include "model/PuzzleState.h"
#include "seams/Ui.h"

#include <algorithm>
#include <span>

void saveCrossword(PuzzleState& state, Ui& ui, CrosswordDatabase& database,
                   CrosswordName& nameDialog)
{
    const QString caption = QStringLiteral("Save Crossword");
    if (!state.hasGrid())
        return;

    QString name = state.crosswordTitle;
    std::optional<QSize> newGrid;
    if (name.isEmpty()) {
        const auto chosen = nameDialog.ask(CrosswordName::Purpose::Name, state.proposedTitle);
        if (!chosen.ok()) {
            ui.message(chosen.error(), caption);
            return;
        }
        if (!chosen.value())
            return;
        name = *chosen.value();
        newGrid = QSize(state.xGridSize, state.yGridSize);
    }

    const std::span<const ClueEntry> clues = state.cluesInUse();
    const size_t saved = size_t(std::max<int>(state.savedClueCount, 0));
    const std::span<const ClueEntry> unsaved = clues.subspan(std::min(saved, clues.size()));
    const Result<qint64> stored = database.storeClues(name, newGrid, unsaved);
    if (!stored.ok()) {
        ui.message(stored.error(), caption);
        return;
    }

    state.crosswordTitle = name;
    state.savedClueCount = state.clueCount;
    state.crosswordStored = true;
    ui.showTitle(state.crosswordTitle);
}
