#pragma once

#include "model/PuzzleState.h"

#include <QList>
#include <QPoint>
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

// One undoable change to the crossword: its content before and after. Each way, the
// cells whose letter or number differs are drawn afresh from the model: the rest of the
// grid already shows what a fresh drawing shows, and redrawing all of a large grid would
// take many times as long. The change itself is made before the step is pushed; the
// first redo, which QUndoStack::push calls, finds it done.
class CrosswordStep final : public QUndoCommand {
public:
    CrosswordStep(PuzzleState& state, Surface& surface, CrosswordContent before,
                  CrosswordContent after, const QString& text);

    void undo() override;
    void redo() override;
    // Draws the cells the step changes, as the crossword in memory now holds them.
    void drawChanges();

private:
    void show(const CrosswordContent& content);

    PuzzleState& state_;
    Surface& surface_;
    CrosswordContent before_;
    CrosswordContent after_;
    QList<QPoint> changed_;  // cells whose letter or number differs
    bool done_ = true;
};
