#include "CrosswordName.h"

#include "CrosswordDatabase.h"
#include "common/LayoutFont.h"
#include "seams/Ui.h"

#include <QComboBox>
#include <QCompleter>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringListModel>

const QString CrosswordName::nameTakenText =
    QStringLiteral("Cannot replace the old Crossword with the new one. Give another name.");
const QString CrosswordName::nameTakenCaption = QStringLiteral("Save Error");

CrosswordName::CrosswordName(CrosswordDatabase& database, Ui& ui, QWidget* parent)
    : QDialog(parent), database_(database), ui_(ui)
{
    setObjectName(QStringLiteral("CrosswordName"));
    setWindowTitle(QStringLiteral("Name of the Crossword"));
    setFixedSize(307, 76);
    // The controls keep their pixel places; at 8 points "Name of the Crossword :" fills
    // its 121 pixels exactly, where the desktop's larger font would cut it off.
    setFont(layoutFont(QFont(QStringLiteral("Arial"), 8)));

    Label1 = new QLabel(QStringLiteral("Name of the Crossword :"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(32, 16, 121, 17);

    xwordname = new QComboBox(this);
    xwordname->setObjectName(QStringLiteral("xwordname"));
    xwordname->setGeometry(152, 16, 113, 21);
    storedNames_ = new QStringListModel(xwordname);
    xwordname->setModel(storedNames_);
    xwordname->setEditable(true);
    // Typing a name and pressing Enter confirms it; it must not join the list of stored
    // names, which only the database fills.
    xwordname->setInsertPolicy(QComboBox::NoInsert);
    xwordname->setDuplicatesEnabled(true);
    // Names differing only in letter case are different crosswords: completion may
    // finish what is typed, never change the case of what was typed already.
    xwordname->completer()->setCaseSensitivity(Qt::CaseSensitive);
    Label1->setBuddy(xwordname);
    // The colon ends where the combo box begins: on a screen scaled by a fraction the
    // box's edge would be drawn over it, so the caption lies above the box.
    Label1->raise();
    Label1->setAttribute(Qt::WA_TransparentForMouseEvents);
    // The combo box's own text field has no label of its own to lend it a name.
    xwordname->lineEdit()->setAccessibleName(tr("Name of the Crossword"));

    OK = new QPushButton(QStringLiteral("Ok"), this);
    OK->setObjectName(QStringLiteral("OK"));
    OK->setGeometry(56, 48, 73, 25);
    OK->setDefault(true);

    Cancel = new QPushButton(QStringLiteral("Cancel"), this);
    Cancel->setObjectName(QStringLiteral("Cancel"));
    Cancel->setGeometry(160, 48, 73, 25);

    setTabOrder(xwordname, OK);
    setTabOrder(OK, Cancel);

    connect(OK, &QPushButton::clicked, this, [this] { OK_Click(); });
    // Esc and the window's close control end up in reject() as well.
    connect(Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

Result<Done> CrosswordName::prepare(Purpose purpose, const QString& proposed)
{
    purpose_ = purpose;
    chosen_.reset();
    xwordname->clear();
    xwordname->setEditText(QString());
    QStringList unnamed;
    const Result<QStringList> names = database_.names(&unnamed);
    if (!names.ok())
        return Result<Done>::failure(names.error());
    // A crossword is opened by its name: one without cannot be picked, so it is said why.
    if (purpose == Purpose::Open && !unnamed.isEmpty()) {
        ui_.message(QStringLiteral("Crosswords without a name cannot be opened and are left "
                                   "out of the list: CrossID %1 in \"%2\".")
                        .arg(unnamed.join(QStringLiteral(", ")), database_.path()),
                    windowTitle());
    }
    // Stored order, duplicates and all: the list shows the table as it stands.
    storedNames_->setStringList(names.value());
    xwordname->setEditText(proposed);
    xwordname->lineEdit()->selectAll();
    xwordname->setFocus();
    return Result<Done>::success({});
}

Result<std::optional<QString>> CrosswordName::ask(Purpose purpose, const QString& proposed)
{
    using Answer = Result<std::optional<QString>>;
    if (const Result<Done> filled = prepare(purpose, proposed); !filled.ok())
        return Answer::failure(filled.error());
    ui_.showModal(*this);
    return Answer::success(chosen_);
}

void CrosswordName::OK_Click()
{
    // Exactly as typed: blanks count, letter case counts.
    const QString name = xwordname->currentText();
    // Searched in the list itself, not item by item through the combo box, which is many
    // times slower with tens of thousands of names.
    if (storedNames_->stringList().contains(name)) {
        if (purpose_ == Purpose::Name) {
            ui_.message(nameTakenText, nameTakenCaption);
            return;
        }
        chosen_ = name;
        accept();
        return;
    }
    if (purpose_ == Purpose::Name && !name.isEmpty()) {
        chosen_ = name;
        accept();
    }
}
