#include "ClueSteps.h"

#include "ClueEditor.h"
#include "CluePlacement.h"
#include "CrosswordStep.h"
#include "model/ClueNumbering.h"
#include "model/PuzzleState.h"
#include "seams/Ui.h"

#include <QObject>
#include <QUndoStack>

#include <functional>

namespace {

QString named(const QString& verb, const ClueEntry& clue)
{
    return QObject::tr("%1 %2 %3 %4")
        .arg(verb, clue.answer)
        .arg(clue.number)
        .arg(clue.across ? QObject::tr("Across") : QObject::tr("Down"));
}

// Ends a step whose change is made: renumbered where the person keeps reading order,
// drawn afresh unless `drawn` already shows it, and pushed. Nothing is pushed when the
// crossword is as it was.
void finish(EditingDesk& desk, const CrosswordContent& before, bool drawn,
            const std::function<QString()>& text)
{
    if (desk.keepReadingOrder && ClueNumbering::numberInReadingOrder(desk.state))
        drawn = false;
    CrosswordContent after = CrosswordContent::of(desk.state);
    if (after == before)
        return;
    auto* step = new CrosswordStep(desk.state, desk.surface, before, std::move(after), text());
    if (!drawn)
        step->drawChanges();
    desk.history.push(step);
}

bool haveClues(EditingDesk& desk, const QString& caption)
{
    if (desk.state.clueCount > 0)
        return true;
    desk.ui.message(QObject::tr("This crossword has no clues yet."), caption);
    return false;
}

}  // namespace

void placeClueStep(EditingDesk& desk, ClueForm& form, Qt::MouseButton button, QPoint position)
{
    const CrosswordContent before = CrosswordContent::of(desk.state);
    if (!placeClue(desk.state, desk.surface, desk.ui, form, button, position))
        return;
    const int placed = desk.state.clueCount - 1;
    finish(desk, before, true,
           [&] { return named(QObject::tr("Place"), desk.state.clueTable[size_t(placed)]); });
}

void editClueStep(EditingDesk& desk, std::optional<int> chosen)
{
    const QString caption = QObject::tr("Edit Clue");
    if (!haveClues(desk, caption))
        return;
    ClueEditor editor(desk.state, ClueEditor::Purpose::Edit, chosen.value_or(-1),
                      desk.dialogParent);
    desk.ui.showModal(editor);
    const int index = editor.chosenIndex();
    if (editor.result() != QDialog::Accepted || index < 0 || index >= desk.state.clueCount)
        return;

    QString clue = editor.clueText();
    QString answer = editor.answerText();
    if (const auto refusal = tidyEntry(clue, answer)) {
        desk.ui.message(refusal->text, refusal->caption);
        return;
    }
    PuzzleState& state = desk.state;
    ClueEntry edited = state.clueTable[size_t(index)];
    const bool moved = answer != edited.answer || editor.across() != edited.across;
    edited.clue = clue;
    edited.answer = answer;
    edited.across = editor.across();
    if (moved) {
        // Checked against the grid as the other clues alone letter it: the clue's own old
        // letters are no obstacle to its new ones.
        PuzzleState others = state;
        ClueNumbering::removeClue(others, index);
        if (const auto refusal = placementRefusal(others, edited)) {
            desk.ui.message(refusal->text, refusal->caption);
            return;
        }
    }
    const CrosswordContent before = CrosswordContent::of(state);
    state.clueTable[size_t(index)] = edited;
    if (moved)
        state.reletter();
    finish(desk, before, false,
           [&] { return named(QObject::tr("Edit"), state.clueTable[size_t(index)]); });
}

void removeClueStep(EditingDesk& desk)
{
    const QString caption = QObject::tr("Remove Clue");
    if (!haveClues(desk, caption))
        return;
    ClueEditor chooser(desk.state, ClueEditor::Purpose::Remove, -1, desk.dialogParent);
    desk.ui.showModal(chooser);
    const int index = chooser.chosenIndex();
    if (chooser.result() != QDialog::Accepted || index < 0 || index >= desk.state.clueCount)
        return;
    const ClueEntry removed = desk.state.clueTable[size_t(index)];
    const CrosswordContent before = CrosswordContent::of(desk.state);
    ClueNumbering::removeClue(desk.state, index);
    finish(desk, before, false, [&] { return named(QObject::tr("Remove"), removed); });
}

void readingOrderStep(EditingDesk& desk)
{
    const CrosswordContent before = CrosswordContent::of(desk.state);
    ClueNumbering::numberInReadingOrder(desk.state);
    finish(desk, before, false, [] { return QObject::tr("Number in Reading Order"); });
}
