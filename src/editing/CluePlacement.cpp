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

}  // namespace

void placeClue(PuzzleState& state, Surface& surface, Ui& ui, ClueForm& form,
               Qt::MouseButton button, QPoint position)
{
    if (button != Qt::LeftButton || !insideMargins(surface.size(), position))
        return;
    // No grid, cells of no size, or a press beside or below the grid's last cell.
    const std::optional<QPoint> found = GridGeometry::cellAt(state, position);
    if (!found)
        return;
    const QPoint start = *found;
    // Said before anything is typed, so no clue is written only to be turned away.
    if (state.clueCount >= Capacity::maxClues) {
        ui.message(QStringLiteral("This crossword already holds %1 clues, the most it can keep.")
                       .arg(Capacity::maxClues),
                   clueErrorCaption);
        return;
    }

    // Clue numbers are 16 bits wide: one more would wrap to a negative number that no
    // stored crossword may hold. A clue that shares an earlier start needs no new number.
    if (state.clueNumber >= std::numeric_limits<qint16>::max() &&
        !firstClueNumberAt(state, start.x(), start.y())) {
        ui.message(QStringLiteral("This crossword has reached clue number %1, the highest it "
                                  "can number; a new clue can only start where another "
                                  "one starts.")
                       .arg(state.clueNumber),
                   clueErrorCaption);
        return;
    }

    state.entryClue.clear();
    state.entryAnswer.clear();
    form.startAt(start);
    ui.showModal(form);

    state.entryClue = trimBlanks(state.entryClue);
    state.entryAnswer = NormalizeAnswer(trimBlanks(state.entryAnswer));
    if (state.entryClue.isEmpty() || state.entryAnswer.isEmpty()) {
        ui.message(QStringLiteral("Neither Clue nor Answer can be empty."), clueErrorCaption);
        return;
    }

    ClueEntry placed{state.entryClue,  state.entryAnswer, qint16(start.x()), qint16(start.y()), 0,
                     state.entryAcross};
    const qsizetype end = (placed.across ? start.x() : start.y()) + placed.answer.size();
    if (end > (placed.across ? state.xGridSize : state.yGridSize)) {
        ui.message(QStringLiteral("Answer is too long to fit into the grid."), clueErrorCaption);
        return;
    }

    // Every cell is checked before the first letter is written: a refused answer must
    // leave no partial trace in the grid.
    const QList<QPoint> cells = clueCells(placed);
    for (qsizetype k = 0; k < cells.size(); ++k) {
        const QString& held = state.gridLetters[cells[k].x()][cells[k].y()];
        if (!held.isEmpty() && held != placed.answer.at(k)) {
            ui.message(QStringLiteral("Answers for clues are conflicting. Please check!"),
                       QStringLiteral("Clues are conflicting"));
            return;
        }
    }

    // A clue starting where an earlier one starts shares its number; any other takes the
    // next one.
    placed.number =
        firstClueNumberAt(state, start.x(), start.y()).value_or(qint16(state.clueNumber + 1));
    state.fileClue(placed);

    // Numbered first, so each cell is drawn whole: its letter, and its number where this
    // clue or an earlier one starts.
    for (const QPoint cell : cells)
        GridDrawing::drawCellContent(surface, state, cell.x(), cell.y());
}
