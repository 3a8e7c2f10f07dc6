#include "CrosswordStep.h"

#include "GridDrawing.h"

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
    GridDrawing::drawGrid(surface_, state_);
}
