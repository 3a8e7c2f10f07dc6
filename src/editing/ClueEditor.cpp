#include "ClueEditor.h"

#include "model/NumberText.h"
#include "model/PuzzleState.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <limits>

namespace {

// The clue dialog's order of directions: index 0 is Down.
enum Direction { Down = 0, Across = 1 };

QString directionName(bool across)
{
    return across ? QObject::tr("Across") : QObject::tr("Down");
}

}  // namespace

ClueEditor::ClueEditor(const PuzzleState& state, Purpose purpose, int chosen, QWidget* parent)
    : QDialog(parent), state_(state)
{
    const bool editing = purpose == Purpose::Edit;
    setObjectName(editing ? QStringLiteral("EditClue") : QStringLiteral("RemoveClue"));
    setWindowTitle(editing ? tr("Edit Clue") : tr("Remove Clue"));
    auto* form = new QFormLayout(this);

    // Listed as the clue list shows them: across, then down, each in order of number.
    const std::span<const ClueEntry> clues = state.cluesInUse();
    QList<int> order;
    for (int i = 0; i < int(clues.size()); ++i)
        order << i;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const ClueEntry& left = clues[size_t(a)];
        const ClueEntry& right = clues[size_t(b)];
        return left.across != right.across ? left.across : left.number < right.number;
    });
    choice_ = new QComboBox(this);
    choice_->setObjectName(QStringLiteral("chosenClue"));
    for (const int i : order) {
        const ClueEntry& clue = clues[size_t(i)];
        choice_->addItem(QStringLiteral("%1 %2: %3 (%4)")
                             .arg(numberText(clue.number).trimmed(), directionName(clue.across),
                                  clue.clue, clue.answer),
                         i);
    }
    choice_->setCurrentIndex(std::max(0, choice_->findData(chosen)));
    form->addRow(tr("C&hoose the clue:"), choice_);

    if (editing) {
        clue_ = new QLineEdit(this);
        clue_->setObjectName(QStringLiteral("clue"));
        answer_ = new QLineEdit(this);
        answer_->setObjectName(QStringLiteral("answer"));
        // As in the clue dialog: a pasted text must not lose its end unseen.
        clue_->setMaxLength(std::numeric_limits<int>::max());
        answer_->setMaxLength(std::numeric_limits<int>::max());
        direction_ = new QComboBox(this);
        direction_->setObjectName(QStringLiteral("direction"));
        direction_->insertItem(Down, directionName(false));
        direction_->insertItem(Across, directionName(true));
        form->addRow(tr("&Clue :"), clue_);
        form->addRow(tr("&Answer :"), answer_);
        form->addRow(tr("&Which way ?"), direction_);
        connect(choice_, &QComboBox::currentIndexChanged, this, [this] { showChosen(); });
        showChosen();
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setObjectName(QStringLiteral("OK"));
    ok->setText(editing ? tr("&Edit Clue") : tr("&Remove Clue"));
    ok->setEnabled(choice_->count() > 0);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
    if (clue_)
        clue_->setFocus();
}

void ClueEditor::showChosen()
{
    const int index = chosenIndex();
    if (index < 0)
        return;
    const ClueEntry& clue = state_.clueTable[size_t(index)];
    clue_->setText(clue.clue);
    answer_->setText(clue.answer);
    direction_->setCurrentIndex(clue.across ? Across : Down);
}

int ClueEditor::chosenIndex() const
{
    return choice_->count() > 0 ? choice_->currentData().toInt() : -1;
}

QString ClueEditor::clueText() const
{
    return clue_ ? clue_->text() : QString();
}

QString ClueEditor::answerText() const
{
    return answer_ ? answer_->text() : QString();
}

bool ClueEditor::across() const
{
    return direction_ && direction_->currentIndex() == Across;
}
