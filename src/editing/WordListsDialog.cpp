#include "WordListsDialog.h"

#include "ClueForm.h"
#include "fill/WordIndex.h"
#include "fill/WordLists.h"
#include "seams/Ui.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

const QString WordListsDialog::caption = QStringLiteral("Word Lists");

WordListsDialog::WordListsDialog(const WordListChoice& choice, bool fillHelpShown, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("WordListsDialog"));
    setWindowTitle(caption);
    auto* explanation = new QLabel(
        tr("Each file holds one word a line, or WORD;SCORE lines with scores from 0 to 100 "
           "(higher is better). Without a file of your own, the system's dictionary (%1) is "
           "used.")
            .arg(WordListChoice::systemList),
        this);
    explanation->setWordWrap(true);
    files_ = new QListWidget(this);
    files_->setObjectName(QStringLiteral("wordListFiles"));
    files_->setAccessibleName(tr("Word list files"));
    files_->addItems(choice.files);
    auto* add = new QPushButton(tr("&Add..."), this);
    add->setObjectName(QStringLiteral("addWordLists"));
    auto* remove = new QPushButton(tr("&Remove"), this);
    remove->setObjectName(QStringLiteral("removeWordList"));
    minimumScore_ = new QSpinBox(this);
    minimumScore_->setObjectName(QStringLiteral("minimumScore"));
    minimumScore_->setRange(0, WordIndex::bestScore);
    minimumScore_->setValue(choice.minimumScore);
    showFillHelp_ = new QCheckBox(tr("&Show the fill help in the clue dialog"), this);
    showFillHelp_->setObjectName(QStringLiteral("showFillHelp"));
    showFillHelp_->setChecked(fillHelpShown);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto* fileButtons = new QVBoxLayout;
    fileButtons->addWidget(add);
    fileButtons->addWidget(remove);
    fileButtons->addStretch();
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(files_);
    fileRow->addLayout(fileButtons);
    auto* form = new QFormLayout;
    form->addRow(tr("&Hide words scored below:"), minimumScore_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addLayout(fileRow);
    layout->addLayout(form);
    layout->addWidget(showFillHelp_);
    layout->addWidget(buttons);
    resize(480, 320);

    connect(add, &QPushButton::clicked, this, [this] { addFiles(); });
    connect(remove, &QPushButton::clicked, this, [this] { delete files_->currentItem(); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void WordListsDialog::addFiles()
{
    const QStringList chosen =
        QFileDialog::getOpenFileNames(this, tr("Add Word Lists"), QString(),
                                      tr("Word lists (*.txt *.dict *.lst);;All files (*)"));
    for (const QString& file : chosen) {
        if (files_->findItems(file, Qt::MatchExactly).isEmpty())
            files_->addItem(file);
    }
}

WordListChoice WordListsDialog::choice() const
{
    WordListChoice choice;
    for (int row = 0; row < files_->count(); ++row)
        choice.files << files_->item(row)->text();
    choice.minimumScore = minimumScore_->value();
    return choice;
}

bool WordListsDialog::fillHelpShown() const
{
    return showFillHelp_->isChecked();
}

void chooseWordLists(WordLists& lists, ClueForm& form, Ui& ui)
{
    WordListsDialog dialog(lists.choice(), form.fillHelpShown());
    ui.showModal(dialog);
    if (dialog.result() != QDialog::Accepted)
        return;
    form.setFillHelpShown(dialog.fillHelpShown());
    const WordListChoice choice = dialog.choice();
    if (choice == lists.choice())
        return;
    choice.remember();
    lists.load(choice);
}
