#pragma once

#include "model/PuzzleState.h"

#include <QList>
#include <QUndoCommand>

class Surface;

// The crossword's content at one moment: its clues, the next number and its letters.
// The title and the storage state are left out on purpose: they describe the file, and
// undoing a step must not make a saved crossword look unsaved to the save, or the reverse.
struct CrosswordContent {
    QList<ClueEntry> clues;
    qint16 clueNumber = 0;
    LetterTable letters{};

    static CrosswordContent of(const PuzzleState& state);
    void restore(PuzzleState& state) const;
    friend bool operator==(const CrosswordContent&, const CrosswordContent&) = default;
};

// One undoable change to the crossword: its content before and after, and the grid
// redrawn whole from the model each way, so the screen is always what a fresh drawing of
// the crossword shows. The change itself is made (and drawn) before the step is pushed;
// the first redo, which QUndoStack::push calls, finds it done.
class CrosswordStep final : public QUndoCommand {
public:
    CrosswordStep(PuzzleState& state, Surface& surface, CrosswordContent before,
                  CrosswordContent after, const QString& text);

    void undo() override;
    void redo() override;

private:
    void show(const CrosswordContent& content);

    PuzzleState& state_;
    Surface& surface_;
    CrosswordContent before_;
    CrosswordContent after_;
    bool done_ = true;
};
