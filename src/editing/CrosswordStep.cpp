#include "CrosswordStep.h"

#include "GridDrawing.h"
#include "seams/Surface.h"

#include <limits>

namespace {

using NumberTable =
    std::array<std::array<int, Capacity::letterTableSize>, Capacity::letterTableSize>;

// The number each cell shows: that of the first clue in the table starting there.
NumberTable shownNumbers(const QList<ClueEntry>& clues)
{
    constexpr int none = std::numeric_limits<int>::min();
    NumberTable numbers;
    for (auto& column : numbers)
        column.fill(none);
    for (const ClueEntry& clue : clues) {
        int& shown = numbers[size_t(clue.x)][size_t(clue.y)];
        if (shown == none)
            shown = clue.number;
    }
    return numbers;
}

}  // namespace

CrosswordContent CrosswordContent::of(const PuzzleState& state)
{
    const std::span<const ClueEntry> clues = state.cluesInUse();
    return {QList<ClueEntry>(clues.begin(), clues.end()), state.clueNumber, state.gridLetters};
}

void CrosswordContent::restore(PuzzleState& state) const
{
    // The slots past the clues are emptied too, so the table is exactly what placing these
    // clues afresh would have made of it.
    const qsizetype stale = std::max<qsizetype>(state.clueCount, clues.size());
    for (qsizetype i = 0; i < stale && i < Capacity::clueSlots; ++i)
        state.clueTable[size_t(i)] = i < clues.size() ? clues.at(i) : ClueEntry{};
    state.clueCount = qint16(clues.size());
    state.clueNumber = clueNumber;
    state.gridLetters = letters;
}

CrosswordStep::CrosswordStep(PuzzleState& state, Surface& surface, CrosswordContent before,
                             CrosswordContent after, const QString& text)
    : QUndoCommand(text),
      state_(state),
      surface_(surface),
      before_(std::move(before)),
      after_(std::move(after))
{
    const NumberTable numbersBefore = shownNumbers(before_.clues);
    const NumberTable numbersAfter = shownNumbers(after_.clues);
    for (int c = 0; c < state.xGridSize; ++c) {
        for (int r = 0; r < state.yGridSize; ++r) {
            if (before_.letters[c][r] != after_.letters[c][r] ||
                numbersBefore[c][r] != numbersAfter[c][r])
                changed_ << QPoint(c, r);
        }
    }
}

void CrosswordStep::undo()
{
    show(before_);
}

void CrosswordStep::redo()
{
    if (done_) {
        done_ = false;
        return;
    }
    show(after_);
}

void CrosswordStep::show(const CrosswordContent& content)
{
    content.restore(state_);
    drawChanges();
}

void CrosswordStep::drawChanges()
{
    // Cells without a size are not on screen (the window is too small for them).
    if (state_.cellWidth < 1 || state_.cellHeight < 1)
        return;
    // The letters' font, as a fresh drawing of the grid leaves it.
    surface_.setFont(GridDrawing::letterPointSize, true);
    for (const QPoint cell : changed_) {
        GridDrawing::drawCellBox(surface_, state_, cell.x(), cell.y());
        if (!state_.gridLetters[cell.x()][cell.y()].isEmpty())
            GridDrawing::drawCellContent(surface_, state_, cell.x(), cell.y());
    }
}
