#include "SaveCrossword.h"

#include "CrosswordDatabase.h"
#include "CrosswordName.h"
#include "model/PuzzleState.h"
#include "seams/Ui.h"

bool saveCrossword(PuzzleState& state, Ui& ui, CrosswordDatabase& database,
                   CrosswordName& nameDialog)
{
    const QString caption = QStringLiteral("Save Crossword");
    if (!state.hasGrid())
        return false;

    const std::span<const ClueEntry> clues = state.cluesInUse();
    QString name = state.crosswordTitle;
    Result<qint64> stored = Result<qint64>::failure({});
    if (state.crosswordStored && state.storedCrossId > 0) {
        stored = database.storeAgain(name, {state.storedCrossId, state.savedClueCount}, clues);
    } else {
        const auto chosen = nameDialog.ask(CrosswordName::Purpose::Name);
        if (!chosen.ok()) {
            ui.message(chosen.error(), caption);
            return false;
        }
        if (!chosen.value())
            return false;
        name = *chosen.value();
        stored = database.storeClues(name, QSize(state.xGridSize, state.yGridSize), clues);
    }
    if (!stored.ok()) {
        ui.message(stored.error(), caption);
        return false;
    }

    state.crosswordTitle = name;
    state.savedClueCount = state.clueCount;
    state.storedCrossId = qint16(stored.value());
    state.crosswordStored = true;
    ui.showTitle(state.crosswordTitle);
    return true;
}
