#include "CluePlacement.h"

#include "ClueForm.h"
#include "GridDrawing.h"
#include "GridGeometry.h"
#include "model/ClueCells.h"
#include "model/ClueNumbers.h"
#include "model/NormalizeAnswer.h"
#include "model/PuzzleState.h"
#include "seams/Surface.h"
#include "seams/Ui.h"

#include <limits>
#include <optional>

namespace {

const QString clueErrorCaption = QStringLiteral("Clue error");

// Blanks only: what was typed is otherwise kept as it stands.
QString trimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text.at(first) == u' ')
        ++first;
    while (end > first && text.at(end - 1) == u' ')
        --end;
    return text.mid(first, end - first);
}

// The margins follow the drawing area as it is now, not the grid: the window may have
// been resized since the grid was drawn.
bool insideMargins(QSize area, QPoint position)
{
    using GridGeometry::marginX;
    using GridGeometry::marginY;
    return position.x() > marginX && position.x() < area.width() - marginX &&
           position.y() > marginY && position.y() < area.height() - marginY;
}

// What refuses a clue starting in `start` before anything is typed.
std::optional<ClueRefusal> startRefusal(const PuzzleState& state, QPoint start)
{
    if (state.clueCount >= Capacity::maxClues) {
        return ClueRefusal{
            QStringLiteral("This crossword already holds %1 clues, the most it can keep.")
                .arg(Capacity::maxClues),
            clueErrorCaption};
    }
    // Clue numbers are 16 bits wide: one more would wrap to a negative number that no
    // stored crossword may hold. A clue that shares an earlier start needs no new number.
    if (state.clueNumber >= std::numeric_limits<qint16>::max() &&
        !firstClueNumberAt(state, start.x(), start.y())) {
        return ClueRefusal{QStringLiteral("This crossword has reached clue number %1, the "
                                          "highest it can number; a new clue can only "
                                          "start where another one starts.")
                               .arg(state.clueNumber),
                           clueErrorCaption};
    }
    return std::nullopt;
}

}  // namespace

std::optional<ClueRefusal> tidyEntry(QString& clue, QString& answer)
{
    clue = trimBlanks(clue);
    // Before the empty check: an answer wholly in such letters is not an empty one.
    if (const QString letter = unfoldableLetter(answer); !letter.isEmpty()) {
        return ClueRefusal{QStringLiteral("The answer holds the letter %1, which has no form in "
                                          "the letters A to Z that a grid is written in.")
                               .arg(letter),
                           clueErrorCaption};
    }
    answer = NormalizeAnswer(trimBlanks(answer));
    if (clue.isEmpty() || answer.isEmpty())
        return ClueRefusal{QStringLiteral("Neither Clue nor Answer can be empty."),
                           clueErrorCaption};
    return std::nullopt;
}

std::optional<ClueRefusal> placementRefusal(const PuzzleState& state, const ClueEntry& placed)
{
    const bool startInside =
        placed.x >= 0 && placed.y >= 0 && placed.x < state.xGridSize && placed.y < state.yGridSize;
    if (!startInside)
        return ClueRefusal{QStringLiteral("Answer is too long to fit into the grid."),
                           clueErrorCaption};
    const qsizetype end = (placed.across ? placed.x : placed.y) + placed.answer.size();
    if (const qsizetype past = end - (placed.across ? state.xGridSize : state.yGridSize);
        past > 0) {
        return ClueRefusal{
            QStringLiteral("Answer is too long to fit into the grid.\n"
                           "%1 runs %2 past the grid's last %3.")
                .arg(placed.answer,
                     past == 1 ? QStringLiteral("1 letter")
                               : QStringLiteral("%1 letters").arg(past),
                     placed.across ? QStringLiteral("column") : QStringLiteral("row")),
            clueErrorCaption};
    }

    // Every cell is checked before the first letter is written: a refused answer must
    // leave no partial trace in the grid.
    const QList<QPoint> cells = clueCells(placed);
    for (qsizetype k = 0; k < cells.size(); ++k) {
        const QString& held = state.gridLetters[cells[k].x()][cells[k].y()];
        if (!held.isEmpty() && held != placed.answer.at(k)) {
            return ClueRefusal{QStringLiteral("Answers for clues are conflicting. Please check!\n"
                                              "Row %1, column %2 holds %3; %4 needs %5 there.")
                                   .arg(cells[k].y() + 1)
                                   .arg(cells[k].x() + 1)
                                   .arg(held, placed.answer, placed.answer.at(k)),
                               QStringLiteral("Clues are conflicting")};
        }
    }
    return std::nullopt;
}

std::optional<ClueRefusal> placeEntry(PuzzleState& state, QString clue, QString answer,
                                      QPoint start, bool across)
{
    if (auto refused = startRefusal(state, start))
        return refused;
    if (auto refused = tidyEntry(clue, answer))
        return refused;
    ClueEntry placed{clue, answer, qint16(start.x()), qint16(start.y()), 0, across};
    if (auto refused = placementRefusal(state, placed))
        return refused;

    // A clue starting where an earlier one starts shares its number; any other takes the
    // next one.
    placed.number =
        firstClueNumberAt(state, start.x(), start.y()).value_or(qint16(state.clueNumber + 1));
    state.fileClue(placed);
    return std::nullopt;
}

bool placeClue(PuzzleState& state, Surface& surface, Ui& ui, ClueForm& form,
               Qt::MouseButton button, QPoint position)
{
    if (button != Qt::LeftButton || !insideMargins(surface.size(), position))
        return false;
    // No grid, cells of no size, or a press beside or below the grid's last cell.
    const std::optional<QPoint> found = GridGeometry::cellAt(state, position);
    if (!found)
        return false;
    const QPoint start = *found;
    // Said before anything is typed, so no clue is written only to be turned away.
    if (const auto refused = startRefusal(state, start)) {
        ui.message(refused->text, refused->caption);
        return false;
    }

    state.entryClue.clear();
    state.entryAnswer.clear();
    form.startAt(start);
    ui.showModal(form);

    // Tidied where the dialog handed it over, as the specified hand-over fields hold it.
    if (const auto refused = tidyEntry(state.entryClue, state.entryAnswer)) {
        ui.message(refused->text, refused->caption);
        return false;
    }
    if (const auto refused =
            placeEntry(state, state.entryClue, state.entryAnswer, start, state.entryAcross)) {
        ui.message(refused->text, refused->caption);
        return false;
    }

    // Numbered first, so each cell is drawn whole: its letter, and its number where this
    // clue or an earlier one starts.
    for (const QPoint cell : clueCells(state.cluesInUse().back()))
        GridDrawing::drawCellContent(surface, state, cell.x(), cell.y());
    return true;
}
