#include "OpenCrossword.h"

#include "CrosswordDatabase.h"
#include "CrosswordName.h"
#include "model/PuzzleState.h"
#include "seams/Ui.h"

#include <limits>

namespace {

const QString openCaption = QStringLiteral("Open Crossword");

bool onlyCapitals(const QString& answer)
{
    for (const QChar letter : answer) {
        if (letter < QLatin1Char('A') || letter > QLatin1Char('Z'))
            return false;
    }
    return !answer.isEmpty();
}

// Why a stored clue could not have come from the editor, or nothing when it could.
std::optional<QString> clueFault(const StoredClue& clue, qint64 columns, qint64 rows)
{
    if (clue.cluePos < 1 || clue.cluePos > std::numeric_limits<qint16>::max())
        return QStringLiteral("its number %1 is not between 1 and 32767").arg(clue.cluePos);
    if (!onlyCapitals(clue.answer)) {
        return QStringLiteral("its answer \"%1\" is not made of the letters A to Z")
            .arg(clue.answer);
    }
    // The start cell first, so that the end is computed only from small numbers.
    const bool startInside = clue.cluePosX >= 0 && clue.cluePosX < columns && clue.cluePosY >= 0 &&
                             clue.cluePosY < rows;
    const qint64 length = clue.answer.size();
    if (!startInside ||
        (clue.across ? clue.cluePosX + length > columns : clue.cluePosY + length > rows)) {
        return QStringLiteral(
                   "its answer \"%1\" at column %2, row %3 runs outside the "
                   "%4 x %5 grid")
            .arg(clue.answer)
            .arg(clue.cluePosX)
            .arg(clue.cluePosY)
            .arg(columns)
            .arg(rows);
    }
    return std::nullopt;
}

}  // namespace

Result<Done> loadCrossword(PuzzleState& loaded, const StoredCrossword& crossword,
                           const QList<StoredClue>& clues)
{
    const auto refuse = [&](const QString& reason) {
        return Result<Done>::failure(QStringLiteral("The crossword \"%1\" cannot be opened: %2.")
                                         .arg(crossword.name, reason));
    };
    if (const auto fault = CrosswordDatabase::crossIdFault(crossword.crossId))
        return refuse(QStringLiteral("its ") + *fault);
    const auto gridSizeOk = [](qint64 size) { return size >= 1 && size <= Capacity::maxGridSize; };
    if (!gridSizeOk(crossword.gridX) || !gridSizeOk(crossword.gridY)) {
        return refuse(QStringLiteral("its grid of %1 x %2 cells is not between 1 x 1 and "
                                     "%3 x %3")
                          .arg(crossword.gridX)
                          .arg(crossword.gridY)
                          .arg(Capacity::maxGridSize));
    }
    if (clues.size() > Capacity::maxClues) {
        return refuse(QStringLiteral("it has %1 clues, more than the %2 a crossword holds")
                          .arg(clues.size())
                          .arg(Capacity::maxClues));
    }
    for (qsizetype i = 0; i < clues.size(); ++i) {
        if (const auto fault = clueFault(clues.at(i), crossword.gridX, crossword.gridY))
            return refuse(QStringLiteral("clue %1 is damaged: %2").arg(i + 1).arg(*fault));
    }

    // Every check has passed; from here on nothing can fail.
    loaded.reset(qint16(crossword.gridX), qint16(crossword.gridY));
    // Where answers share a cell, the row stored later decides its letter.
    for (const StoredClue& stored : clues) {
        loaded.fileClue({stored.clue, stored.answer, qint16(stored.cluePosX),
                         qint16(stored.cluePosY), qint16(stored.cluePos), stored.across});
    }
    return Result<Done>::success({});
}

bool openCrossword(PuzzleState& state, Ui& ui, CrosswordDatabase& database,
                   CrosswordName& nameDialog)
{
    const auto chosen = nameDialog.ask(CrosswordName::Purpose::Open);
    if (!chosen.ok()) {
        ui.message(chosen.error(), openCaption);
        return false;
    }
    if (!chosen.value()) {
        // The crossword in memory stays as it is, unsaved clues included.
        if (state.crosswordTitle.isEmpty())
            ui.showTitle(QString());
        return false;
    }
    const QString& name = *chosen.value();

    const auto found = database.findCrossword(name);
    if (!found.ok()) {
        ui.message(found.error(), openCaption);
        return false;
    }
    if (!found.value()) {
        ui.message(QStringLiteral("No crossword named \"%1\" is stored in \"%2\" any more.")
                       .arg(name, database.path()),
                   openCaption);
        return false;
    }
    const auto clues = database.clueRows(*found.value());
    if (!clues.ok()) {
        ui.message(clues.error(), openCaption);
        return false;
    }

    PuzzleState loaded = state;
    if (const Result<Done> made = loadCrossword(loaded, *found.value(), clues.value());
        !made.ok()) {
        ui.message(made.error(), openCaption);
        return false;
    }
    loaded.savedClueCount = loaded.clueCount;
    loaded.crosswordStored = true;
    loaded.storedCrossId = qint16(found.value()->crossId);
    loaded.crosswordTitle = name;
    state = std::move(loaded);

    ui.showTitle(state.crosswordTitle);
    ui.enableCrosswordMenus();
    return true;
}
