#include "Main.h"

#include "About.h"
#include "GridView.h"
#include "QtUi.h"
#include "editing/ClueForm.h"
#include "editing/CluePlacement.h"
#include "editing/NewCrossword.h"
#include "storage/DatabaseLocation.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

const QString Main::caption = QStringLiteral("Quillgrid");

Main::Main(Ui* ui, QWidget* parent)
    : QMainWindow(parent),
      ownUi_(ui ? nullptr : std::make_unique<QtUi>(*this)),
      ui_(ui ? *ui : *ownUi_),
      clueForm_(std::make_unique<ClueForm>(state_))
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(caption);
    view_ = new GridView(
        surface_,
        [this](Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint position) {
            Form_MouseDown(button, shift, position);
        },
        this);
    setCentralWidget(view_);
    // Used where no window manager maximizes the window.
    resize(1000, 750);
    buildMenus();
    Form_Load();
}

Main::~Main() = default;

void Main::Form_Load()
{
    state_.clueCount = 0;
    state_.clueNumber = 0;
    setPrintMenuEnabled(false);
    mnuSaveCrossword_->setEnabled(false);
    state_.crosswordTitle.clear();
    state_.savedClueCount = 0;
    databasePath_ = locateDatabase(ui_);
}

QAction* Main::addCommand(QMenu* menu, const char* name, const QString& text,
                          const QKeySequence& shortcut, void (Main::*handler)())
{
    QAction* action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    return action;
}

void Main::buildMenus()
{
    QMenu* mnuFile = menuBar()->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFile->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    addCommand(mnuFile, "mnuNewCrossWord", tr("&New Crossword"), QKeySequence(tr("Ctrl+N")),
               &Main::mnuNewCrossWord_Click);
    addCommand(mnuFile, "mnuOpenCrossword", tr("&Open Crossword"), QKeySequence(tr("Ctrl+O")),
               &Main::mnuOpenCrossword_Click);
    mnuFile->addSeparator()->setObjectName(QStringLiteral("sep1"));
    mnuSaveCrossword_ = addCommand(mnuFile, "mnuSaveCrossword", tr("&Save Crossword"),
                                   QKeySequence(Qt::Key_F2), &Main::mnuSaveCrossword_Click);
    mnuFile->addSeparator()->setObjectName(QStringLiteral("sep2"));
    addCommand(mnuFile, "mnuExit", tr("E&xit"), QKeySequence(tr("Ctrl+X")), &Main::mnuExit_Click);

    mnuPrint_ = menuBar()->addMenu(tr("&Print"));
    mnuPrint_->setObjectName(QStringLiteral("mnuPrint"));
    mnuPrint_->menuAction()->setObjectName(QStringLiteral("mnuPrint"));
    addCommand(mnuPrint_, "mnuViewClues", tr("&View Clues"), QKeySequence(tr("Ctrl+V")),
               &Main::mnuViewClues_Click);
    mnuPrint_->addSeparator()->setObjectName(QStringLiteral("sep4"));
    addCommand(mnuPrint_, "mnuPrintGrid", tr("Print &Grid"), QKeySequence(tr("Ctrl+G")),
               &Main::mnuPrintGrid_Click);
    addCommand(mnuPrint_, "mnuPrintSolution", tr("Print Sol&ution"), QKeySequence(tr("Ctrl+U")),
               &Main::mnuPrintSolution_Click);
    mnuPrint_->addSeparator()->setObjectName(QStringLiteral("sep3"));
    addCommand(mnuPrint_, "mnuPrintClues", tr("Print &Clues"), QKeySequence(tr("Ctrl+C")),
               &Main::mnuPrintClues_Click);

    QAction* mnuAbout = menuBar()->addAction(tr("&About"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    connect(mnuAbout, &QAction::triggered, this, [this] { mnuAbout_Click(); });
}

// The commands are switched with their title: a screen reader, or anything that triggers
// a command directly, sees the command and not the menu above it.
void Main::setPrintMenuEnabled(bool enabled)
{
    mnuPrint_->setEnabled(enabled);
    mnuPrint_->menuAction()->setEnabled(enabled);
    for (QAction* command : mnuPrint_->actions())
        command->setEnabled(enabled);
}

void Main::enableCrosswordMenus()
{
    setPrintMenuEnabled(true);
    mnuSaveCrossword_->setEnabled(true);
}

void Main::mnuNewCrossWord_Click()
{
    newCrossword(state_, surface_, ui_);
}

void Main::mnuOpenCrossword_Click() {}

void Main::mnuSaveCrossword_Click() {}

void Main::mnuExit_Click()
{
    close();
}

void Main::mnuViewClues_Click() {}

void Main::mnuPrintGrid_Click() {}

void Main::mnuPrintSolution_Click() {}

void Main::mnuPrintClues_Click() {}

void Main::mnuAbout_Click()
{
    About about(this);
    ui_.showModal(about);
}

void Main::Form_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, QPoint position)
{
    placeClue(state_, surface_, ui_, *clueForm_, button, position);
}
