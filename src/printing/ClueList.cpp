#include "ClueList.h"

#include "ClueListPrintout.h"
#include "common/LayoutFont.h"
#include "seams/Ui.h"

#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QTextOption>
#include <QWindow>

#include <algorithm>

const QString ClueList::caption = QStringLiteral("List Of All Clues");

ClueList::ClueList(const PuzzleState& state, PrintDevice& device, Ui& ui, QWidget* parent)
    : QDialog(parent), state_(state), device_(device), ui_(ui)
{
    setObjectName(QStringLiteral("ClueList"));
    setWindowTitle(caption);
    setFont(layoutFont(font()));

    tbClues_ = new QPlainTextEdit(this);
    tbClues_->setObjectName(QStringLiteral("tbClues"));
    tbClues_->setAccessibleName(tr("All clues, across and down"));
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
    // Enter in the list must not start a print job.
    print_->setAutoDefault(false);
    connect(print_, &QPushButton::clicked, this, [this] { Print_Click(); });
    setTabOrder(tbClues_, print_);
    fitToScreen();

    // Built now as well, so the dialog is complete before it is first shown.
    Form_Activate();
}

// The window's own size where the screen has room for it with its frame. On a smaller
// or more scaled screen it takes what room there is: the list shrinks and the Print
// button stays below it, centred, where it can be reached. Fitted again once shown, when
// the window's own frame may be known.
void ClueList::fitToScreen()
{
    const QSize design(463, 523);
    const auto frameOf = [](const QWidget* widget) {
        const QWindow* window = widget ? widget->window()->windowHandle() : nullptr;
        return window ? window->frameMargins() : QMargins();
    };
    const QMargins own = frameOf(this);
    const QMargins owner = frameOf(parentWidget());
    const QMargins frame(std::max(own.left(), owner.left()), std::max(own.top(), owner.top()),
                         std::max(own.right(), owner.right()),
                         std::max(own.bottom(), owner.bottom()));
    const QScreen* shownOn = screen() ? screen() : QGuiApplication::primaryScreen();
    const QSize room = shownOn ? shownOn->availableGeometry().size().shrunkBy(frame) : design;
    const QSize size = design.boundedTo(room).expandedTo(QSize(160, 120));
    setFixedSize(size);
    tbClues_->setGeometry(0, 0, size.width() + 2, size.height() - 50);
    print_->setGeometry((size.width() - design.width()) / 2 + 192, size.height() - 35, 81, 25);
}

void ClueList::Form_Activate()
{
    const int count = sortClues(state_, sortedClues);
    listing_ = ClueListText::clueListText(sortedClues, count);
    tbClues_->setPlainText(listing_);
}

void ClueList::Print_Click()
{
    printClueList(listing_, device_, ui_, state_.crosswordTitle);
}

// Rebuilt each time the window is shown rather than each time it regains the focus: the
// crossword cannot change while it is open, and a rebuild would throw away the reader's
// place in the list whenever the title prompt of a print-out closes.
void ClueList::showEvent(QShowEvent* event)
{
    fitToScreen();
    Form_Activate();
    QDialog::showEvent(event);
}

void showClueList(const PuzzleState& state, PrintDevice& device, Ui& ui, QWidget* parent)
{
    ClueList dialog(state, device, ui, parent);
    ui.showModal(dialog);
}
