#include "OpenCrossword.h"

#include "CrosswordDatabase.h"
#include "CrosswordName.h"
#include "WindowCaption.h"
#include "editing/GridGeometry.h"
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
    loaded.xGridSize = qint16(crossword.gridX);
    loaded.yGridSize = qint16(crossword.gridY);
    // The whole table, not just the new grid: no letter of the last crossword survives
    // anywhere, even outside the cells this one uses.
    for (auto& column : loaded.gridLetters)
        column.fill(QString());
    loaded.clueTable.fill(ClueEntry{});
    loaded.clueCount = 0;
    loaded.clueNumber = 0;
    for (const StoredClue& stored : clues) {
        ClueEntry& entry = loaded.clueTable[loaded.clueCount];
        entry.number = qint16(stored.cluePos);
        entry.across = stored.across;
        entry.clue = stored.clue;
        entry.x = qint16(stored.cluePosX);
        entry.y = qint16(stored.cluePosY);
        entry.answer = stored.answer;
        // Where answers share a cell, the row stored later decides its letter.
        for (qsizetype k = 0; k < entry.answer.size(); ++k) {
            const int c = entry.across ? entry.x + int(k) : entry.x;
            const int r = entry.across ? entry.y : entry.y + int(k);
            loaded.gridLetters[c][r] = entry.answer.at(k);
        }
        if (entry.number > loaded.clueNumber)
            loaded.clueNumber = entry.number;
        ++loaded.clueCount;
    }
    return Result<Done>::success({});
}

bool openCrossword(PuzzleState& state, QSize drawingArea, Ui& ui, CrosswordDatabase& database,
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
            ui.setCaption(windowCaption(QString()));
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
    const QSize cell = GridGeometry::fitCells(drawingArea, loaded.xGridSize, loaded.yGridSize);
    if (cell.width() < 1 || cell.height() < 1) {
        ui.message(QStringLiteral("The window is too small for the %1 x %2 cells of \"%3\". "
                                  "Enlarge the window and open the crossword again.")
                       .arg(loaded.xGridSize)
                       .arg(loaded.yGridSize)
                       .arg(name),
                   openCaption);
        return false;
    }
    loaded.cellWidth = qint16(cell.width());
    loaded.cellHeight = qint16(cell.height());
    loaded.savedClueCount = loaded.clueCount;
    loaded.crosswordStored = true;
    loaded.crosswordTitle = name;
    state = std::move(loaded);

    ui.setCaption(windowCaption(state.crosswordTitle));
    ui.enableCrosswordMenus();
    return true;
}
