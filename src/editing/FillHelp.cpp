#include "FillHelp.h"

#include "WordListModel.h"
#include "fill/GridRun.h"
#include "fill/WordLists.h"
#include "model/NormalizeAnswer.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QTreeWidget>
#include <QtConcurrent/QtConcurrentRun>

namespace {

// `?` and `.` stand for any letter; everything else is normalised as an answer is.
QString patternOf(const QString& typed)
{
    QString pattern;
    for (const QChar ch : typed)
        pattern += ch == u'?' || ch == u'.' ? QStringLiteral("?") : NormalizeAnswer(ch);
    return pattern;
}

QLabel* captionFor(QWidget* control, const QString& text, QWidget* parent)
{
    auto* caption = new QLabel(text, parent);
    caption->setBuddy(control);
    control->setAccessibleName(QString(text).remove(u'&').remove(u':'));
    return caption;
}

}  // namespace

FillHelp::FillHelp(const PuzzleState& state, WordLists& lists, EarlierCluesLookup lookup,
                   QWidget* parent)
    : QWidget(parent), state_(state), lists_(lists), lookup_(std::move(lookup))
{
    setObjectName(QStringLiteral("fillHelp"));
    run_ = new QLabel(this);
    run_->setObjectName(QStringLiteral("fillRun"));
    run_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    pattern_ = new QLineEdit(this);
    pattern_->setObjectName(QStringLiteral("fillPattern"));
    pattern_->setPlaceholderText(tr("e.g. S?N"));
    pattern_->setMaxLength(60);
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("fillCount"));
    words_ = new QListView(this);
    words_->setObjectName(QStringLiteral("fillWords"));
    model_ = new WordListModel(this);
    words_->setModel(model_);
    words_->setUniformItemSizes(true);
    earlier_ = new QTreeWidget(this);
    earlier_->setObjectName(QStringLiteral("earlierClues"));
    earlier_->setColumnCount(2);
    earlier_->setHeaderLabels({tr("Clue"), tr("Crossword")});
    earlier_->setRootIsDecorated(false);
    earlier_->header()->setStretchLastSection(true);
    earlier_->setColumnWidth(0, 170);
    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("fillStatus"));
    status_->setWordWrap(true);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 0, 8, 6);
    grid->addWidget(run_, 0, 0, 1, 3);
    grid->addWidget(captionFor(pattern_, tr("&Pattern:"), this), 1, 0);
    grid->addWidget(pattern_, 1, 1);
    grid->addWidget(count_, 1, 2);
    grid->addWidget(captionFor(words_, tr("&Words that fit:"), this), 2, 0, 1, 2);
    grid->addWidget(captionFor(earlier_, tr("Your &earlier clues:"), this), 2, 2);
    grid->addWidget(words_, 3, 0, 1, 2);
    grid->addWidget(earlier_, 3, 2);
    grid->addWidget(status_, 4, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 2);

    words_->installEventFilter(this);
    earlier_->installEventFilter(this);
    pattern_->installEventFilter(this);
    connect(words_, &QListView::doubleClicked, this, [this] { chooseWord(); });
    connect(earlier_, &QTreeWidget::itemDoubleClicked, this, [this] { chooseClue(); });
    connect(pattern_, &QLineEdit::textChanged, this, [this] { listWords(); });
    connect(&lists_, &WordLists::changed, this, [this] { listWords(); });

    pool_.setMaxThreadCount(1);
    connect(&lookingUp_, &QFutureWatcher<EarlierClues>::finished, this, [this] {
        // An answer typed past meanwhile is not worth showing for a moment.
        if (!lookupWanted_ || lookedUp_ == typed_)
            showEarlierClues(lookingUp_.result());
        if (lookupWanted_)
            lookUpEarlierClues();
    });
    listWords();
}

FillHelp::~FillHelp()
{
    pool_.waitForDone();
}

void FillHelp::showEntry(QPoint start, bool across, const QString& typedAnswer)
{
    // Listed afresh even for the same entry: the grid may have changed since.
    start_ = start;
    across_ = across;
    typed_ = NormalizeAnswer(typedAnswer);
    listWords();
    lookUpEarlierClues();
}

void FillHelp::listWords()
{
    const QString run = gridRun(state_, start_, across_);
    run_->setText(run.isEmpty() ? QString()
                                : tr("%1 from row %2, column %3: %4")
                                      .arg(across_ ? tr("Across") : tr("Down"))
                                      .arg(start_.y() + 1)
                                      .arg(start_.x() + 1)
                                      .arg(run));
    status_->setText(lists_.status());
    const auto index = lists_.index();
    const QString pattern = patternOf(pattern_->text());
    if (!index) {
        model_->show({});
        count_->setText(QString());
        return;
    }
    model_->show(pattern.isEmpty() ? index->fitting(run, typed_) : index->matching(pattern));
    const qsizetype found = model_->count();
    count_->setText(found == 1 ? tr("1 word")
                               : tr("%1 words").arg(QLocale(QLocale::English).toString(found)));
}

void FillHelp::lookUpEarlierClues()
{
    if (!lookup_)
        return;
    if (lookingUp_.isRunning()) {
        lookupWanted_ = true;
        return;
    }
    lookupWanted_ = false;
    if (typed_ == lookedUp_)
        return;
    lookedUp_ = typed_;
    if (typed_.isEmpty()) {
        showEarlierClues({});
        return;
    }
    lookingUp_.setFuture(QtConcurrent::run(&pool_, lookup_, typed_));
}

void FillHelp::showEarlierClues(const EarlierClues& clues)
{
    earlier_->clear();
    for (const EarlierClue& earlier : clues.found)
        earlier_->addTopLevelItem(new QTreeWidgetItem({earlier.clue, earlier.title}));
    if (earlier_->topLevelItemCount() > 0)
        earlier_->setCurrentItem(earlier_->topLevelItem(0));
    status_->setText(clues.problem.isEmpty() ? lists_.status() : clues.problem);
}

void FillHelp::chooseWord()
{
    const QModelIndex current = words_->currentIndex();
    if (current.isValid())
        Q_EMIT wordChosen(current.data(WordListModel::wordRole).toString());
}

void FillHelp::chooseClue()
{
    if (const QTreeWidgetItem* item = earlier_->currentItem())
        Q_EMIT clueChosen(item->text(0));
}

// Enter in a list chooses its current entry, and Enter in the pattern goes to the words
// it found; anywhere else in the dialog Enter is still Update.
bool FillHelp::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            if (watched == words_)
                chooseWord();
            else if (watched == earlier_)
                chooseClue();
            else if (watched == pattern_) {
                words_->setFocus();
                if (!words_->currentIndex().isValid() && model_->rowCount() > 0)
                    words_->setCurrentIndex(model_->index(0));
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
