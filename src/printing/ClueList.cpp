#include "ClueList.h"

#include "ClueListPrintout.h"
#include "common/LayoutFont.h"
#include "seams/Ui.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTextOption>

const QString ClueList::caption = QStringLiteral("List Of All Clues");

ClueList::ClueList(const PuzzleState& state, PrintDevice& device, Ui& ui, QWidget* parent)
    : QDialog(parent), state_(state), device_(device), ui_(ui)
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
    // Every line reads from its number on, whatever the direction of the clue after it.
    QTextOption lines = tbClues_->document()->defaultTextOption();
    lines.setTextDirection(Qt::LeftToRight);
    tbClues_->document()->setDefaultTextOption(lines);

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

void showClueList(const PuzzleState& state, PrintDevice& device, Ui& ui, QWidget* parent)
{
    ClueList dialog(state, device, ui, parent);
    ui.showModal(dialog);
}
