#include "CluePlacement.h"

#include "ClueForm.h"
#include "GridDrawing.h"
#include "GridGeometry.h"
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

QPoint letterCell(QPoint start, bool across, int k)
{
    return across ? QPoint(start.x() + k, start.y()) : QPoint(start.x(), start.y() + k);
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
    ui.showModal(form);

    state.entryClue = trimBlanks(state.entryClue);
    state.entryAnswer = NormalizeAnswer(trimBlanks(state.entryAnswer));
    if (state.entryClue.isEmpty() || state.entryAnswer.isEmpty()) {
        ui.message(QStringLiteral("Neither Clue nor Answer can be empty."), clueErrorCaption);
        return;
    }

    const QString answer = state.entryAnswer;
    const bool across = state.entryAcross;
    const qsizetype end = (across ? start.x() : start.y()) + answer.size();
    if (end > (across ? state.xGridSize : state.yGridSize)) {
        ui.message(QStringLiteral("Answer is too long to fit into the grid."), clueErrorCaption);
        return;
    }
    const int length = int(answer.size());

    // Every cell is checked before the first letter is written: a refused answer must
    // leave no partial trace in the grid.
    for (int k = 0; k < length; ++k) {
        const QPoint cell = letterCell(start, across, k);
        const QString& held = state.gridLetters[cell.x()][cell.y()];
        if (!held.isEmpty() && held != answer.at(k)) {
            ui.message(QStringLiteral("Answers for clues are conflicting. Please check!"),
                       QStringLiteral("Clues are conflicting"));
            return;
        }
    }

    for (int k = 0; k < length; ++k) {
        const QPoint cell = letterCell(start, across, k);
        state.gridLetters[cell.x()][cell.y()] = QString(answer.at(k));
    }

    const int index = state.clueCount;
    ClueEntry& entry = state.clueTable[index];
    entry = ClueEntry{state.entryClue, answer, qint16(start.x()), qint16(start.y()), 0, across};
    ++state.clueCount;

    // A clue starting where an earlier one starts shares its number; any other takes the
    // next one.
    ++state.clueNumber;
    entry.number = state.clueNumber;
    for (int i = 0; i < index; ++i) {
        const ClueEntry& earlier = state.clueTable[i];
        if (earlier.x == entry.x && earlier.y == entry.y) {
            --state.clueNumber;
            entry.number = earlier.number;
            break;
        }
    }

    // Numbered first, so each cell is drawn whole: its letter, and its number where this
    // clue or an earlier one starts.
    for (int k = 0; k < length; ++k) {
        const QPoint cell = letterCell(start, across, k);
        GridDrawing::drawCellContent(surface, state, cell.x(), cell.y());
    }
}
