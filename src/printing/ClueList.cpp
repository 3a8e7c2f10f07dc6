#include "ClueList.h"

#include "ClueListPrintout.h"
#include "common/LayoutFont.h"
#include "seams/Ui.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QTextOption>
#include <QWindow>

#include <algorithm>

const QString ClueList::caption = QStringLiteral("List Of All Clues");

ClueList::ClueList(const PuzzleState& state, PrintDevice& device, Ui& ui, QWidget* parent,
                   EditClue editClue)
    : QDialog(parent), state_(state), device_(device), ui_(ui), editClue_(std::move(editClue))
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
    tbClues_->viewport()->installEventFilter(this);
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

void showClueList(const PuzzleState& state, PrintDevice& device, Ui& ui, QWidget* parent,
                  ClueList::EditClue editClue)
{
    ClueList dialog(state, device, ui, parent, std::move(editClue));
    ui.showModal(dialog);
}
