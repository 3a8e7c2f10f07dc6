#include "ClueForm.h"

#include "common/LayoutFont.h"
#include "model/PuzzleState.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QShowEvent>

#include <limits>

const QString ClueForm::caption = QStringLiteral("Enter the Clue and Answer");

namespace {

const QString fillHelpKey = QStringLiteral("fillHelp/shown");

enum Direction { Down = 0, Across = 1 };

// The layout is drawn in twips, 15 to a pixel at 96 dots per inch.
constexpr QRect twips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

constexpr QSize ownSize = twips(0, 0, 6945, 1950).size();
constexpr int fillHelpHeight = 270;

template <typename Control>
Control* place(Control* control, const char* name, const QRect& geometry)
{
    control->setObjectName(QLatin1String(name));
    control->setGeometry(geometry);
    return control;
}

}  // namespace

ClueForm::ClueForm(PuzzleState& state, QWidget* parent) : QDialog(parent), state_(state)
{
    setObjectName(QStringLiteral("ClueForm"));
    setWindowTitle(caption);
    setFixedSize(ownSize);
    // The layout is measured for 8-point Arial at 96 dots per inch; the desktop's larger
    // default would cut the captions short in these fixed places.
    setFont(layoutFont(QFont(QStringLiteral("Arial"), 8)));

    auto* clueLabel = place(new QLabel(tr("Clue :"), this), "Label1", twips(720, 360, 495, 255));
    clue_ = place(new QLineEdit(this), "clue", twips(1200, 240, 5655, 375));
    auto* answerLabel =
        place(new QLabel(tr("Answer :"), this), "Label2", twips(480, 840, 735, 255));
    answer_ = place(new QLineEdit(this), "answer", twips(1200, 720, 2535, 375));
    // A text box cuts at 32767 characters unless told otherwise; stored texts have no
    // limit, and a pasted clue must not lose its end unseen.
    clue_->setMaxLength(std::numeric_limits<int>::max());
    answer_->setMaxLength(std::numeric_limits<int>::max());
    auto* directionLabel =
        place(new QLabel(tr("Which way ?"), this), "Label3", twips(4080, 840, 1095, 255));
    direction_ = place(new QComboBox(this), "direction", twips(5280, 720, 1575, 315));
    update_ = place(new QPushButton(tr("Update Crossword"), this), "update",
                    twips(1560, 1440, 1575, 375));
    cancel_ = place(new QPushButton(tr("Cancel this Clue"), this), "Cancel",
                    twips(4320, 1440, 1575, 375));

    // The labels name their boxes for screen readers; they take no focus themselves.
    clueLabel->setBuddy(clue_);
    answerLabel->setBuddy(answer_);
    directionLabel->setBuddy(direction_);

    // Index 0 is Down: that is how a chosen direction is told apart from Across.
    direction_->insertItem(Down, tr("Down"));
    direction_->insertItem(Across, tr("Across"));

    setTabOrder(clue_, answer_);
    setTabOrder(answer_, direction_);
    setTabOrder(direction_, update_);
    setTabOrder(update_, cancel_);

    update_->setDefault(true);
    connect(update_, &QPushButton::clicked, this, [this] { update_Click(); });
    // Leaving without Update keeps what was typed, ready for the next click on the grid.
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    startAfresh();
}

void ClueForm::update_Click()
{
    state_.entryAcross = direction_->currentIndex() != Down;
    state_.entryAnswer = answer_->text();
    state_.entryClue = clue_->text();
    accept();
}

void ClueForm::addFillHelp(WordLists& lists, EarlierCluesLookup lookup)
{
    fillHelp_ = new FillHelp(state_, lists, std::move(lookup), this);
    fillHelp_->setGeometry(0, ownSize.height(), ownSize.width(), fillHelpHeight);
    connect(fillHelp_, &FillHelp::wordChosen, this, [this](const QString& word) {
        answer_->setText(word);
        answer_->setFocus();
    });
    connect(fillHelp_, &FillHelp::clueChosen, this, [this](const QString& clue) {
        clue_->setText(clue);
        clue_->setFocus();
    });
    connect(answer_, &QLineEdit::textChanged, this, [this] { showEntryInFillHelp(); });
    connect(direction_, &QComboBox::currentIndexChanged, this, [this] { showEntryInFillHelp(); });
    setFillHelpShown(QSettings().value(fillHelpKey, true).toBool());
}

bool ClueForm::fillHelpShown() const
{
    return fillHelp_ && !fillHelp_->isHidden();
}

void ClueForm::setFillHelpShown(bool shown)
{
    if (!fillHelp_)
        return;
    fillHelp_->setVisible(shown);
    setFixedSize(ownSize + QSize(0, shown ? fillHelpHeight : 0));
    if (QSettings().value(fillHelpKey, true).toBool() != shown)
        QSettings().setValue(fillHelpKey, shown);
}

void ClueForm::startAt(QPoint start)
{
    start_ = start;
}

void ClueForm::showEntryInFillHelp()
{
    if (fillHelp_ && !fillHelp_->isHidden())
        fillHelp_->showEntry(start_, direction_->currentIndex() != Down, answer_->text());
}

// Each time it opens the setter can type the next clue at once, over the last one.
void ClueForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    showEntryInFillHelp();
    clue_->setFocus();
    clue_->selectAll();
}

void ClueForm::closeEvent(QCloseEvent* event)
{
    startAfresh();
    QDialog::closeEvent(event);
}

// Enter anywhere but on a button (which takes its own Enter) is Update. QDialog clicks
// its default button only while that button is on screen; this does not depend on it.
void ClueForm::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        update_->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ClueForm::startAfresh()
{
    // setText rather than clear(): a discarded entry must not come back through undo.
    clue_->setText(QString());
    answer_->setText(QString());
    direction_->setCurrentIndex(Across);
    clue_->setFocus();
}
