#include "ClueList.h"

#include "ClueListPrintout.h"
#include "common/LayoutFont.h"
#include "seams/Ui.h"

#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

const QString ClueList::caption = QStringLiteral("List Of All Clues");

ClueList::ClueList(const PuzzleState& state, PrintDevice& device, Ui& ui, QWidget* parent,
                   EditClue editClue)
    : QDialog(parent), state_(state), device_(device), ui_(ui), editClue_(std::move(editClue))
{
    setObjectName(QStringLiteral("ClueList"));
    setWindowTitle(caption);
    setFixedSize(463, 523);
    setFont(layoutFont(font()));

    tbClues_ = new QPlainTextEdit(this);
    tbClues_->setObjectName(QStringLiteral("tbClues"));
    tbClues_->setAccessibleName(tr("All clues, across and down"));
    tbClues_->setGeometry(0, 0, 465, 473);
    tbClues_->setReadOnly(true);
    tbClues_->setLineWrapMode(QPlainTextEdit::NoWrap);
    tbClues_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    tbClues_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Read-only text still takes the focus, so the list can be scrolled from the keyboard.
    tbClues_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    tbClues_->viewport()->installEventFilter(this);

    print_ = new QPushButton(tr("Print"), this);
    print_->setObjectName(QStringLiteral("Print"));
    print_->setGeometry(192, 488, 81, 25);
    // Enter in the list must not start a print job.
    print_->setAutoDefault(false);
    connect(print_, &QPushButton::clicked, this, [this] { Print_Click(); });
    setTabOrder(tbClues_, print_);

    // Built now as well, so the dialog is complete before it is first shown.
    Form_Activate();
}

void ClueList::Form_Activate()
{
    const int count = sortClues(state_, sortedClues);
    listing_ = ClueListText::clueListText(sortedClues, count);
    tbClues_->setPlainText(listing_);
}

bool ClueList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != tbClues_->viewport() || event->type() != QEvent::MouseButtonDblClick ||
        !editClue_)
        return QDialog::eventFilter(watched, event);
    const auto* click = static_cast<QMouseEvent*>(event);
    const int line = tbClues_->cursorForPosition(click->position().toPoint()).blockNumber();
    // The lines as the text lays them out: "Across:", its clues, an empty line, "Down:".
    QList<const ClueEntry*> listed;
    for (const bool across : {true, false}) {
        listed << nullptr;
        for (size_t i = 0; i < state_.cluesInUse().size(); ++i) {
            if (sortedClues[i].across == across)
                listed << &sortedClues[i];
        }
        listed << nullptr;
    }
    listed.removeAt(listed.size() - 1);
    const ClueEntry* chosen = listed.value(line);
    if (!chosen)
        return true;
    const std::span<const ClueEntry> clues = state_.cluesInUse();
    const auto found = std::find(clues.begin(), clues.end(), *chosen);
    if (found != clues.end()) {
        editClue_(int(found - clues.begin()), this);
        Form_Activate();
    }
    return true;
}

void ClueList::Print_Click()
{
    printClueList(listing_, device_, ui_);
}

// Rebuilt each time the window is shown rather than each time it regains the focus: the
// crossword cannot change while it is open, and a rebuild would throw away the reader's
// place in the list whenever the title prompt of a print-out closes.
void ClueList::showEvent(QShowEvent* event)
{
    Form_Activate();
    QDialog::showEvent(event);
}

void showClueList(const PuzzleState& state, PrintDevice& device, Ui& ui, QWidget* parent,
                  ClueList::EditClue editClue)
{
    ClueList dialog(state, device, ui, parent, std::move(editClue));
    ui.showModal(dialog);
}
