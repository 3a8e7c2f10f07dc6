#include "Main.h"

#include "About.h"
#include "GridView.h"
#include "QtUi.h"
#include "WindowCaption.h"
#include "editing/ClueForm.h"
#include "editing/CluePlacement.h"
#include "editing/GridDrawing.h"
#include "editing/NewCrossword.h"
#include "editing/WordListsDialog.h"
#include "exchange/ExportCrossword.h"
#include "fill/WordLists.h"
#include "printing/ClueList.h"
#include "printing/GridPrintouts.h"
#include "printing/QtPrintDevice.h"
#include "storage/CrosswordDatabase.h"
#include "storage/CrosswordName.h"
#include "storage/DatabaseLocation.h"
#include "storage/EarlierCluesQuery.h"
#include "storage/OpenCrossword.h"
#include "storage/SaveCrossword.h"

#include <QAction>
#include <QGuiApplication>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>

const QString Main::caption = windowCaption(QString());

Main::Main(Ui* ui, QWidget* parent)
    : QMainWindow(parent),
      // Drawn at the screen's own density, so letters stay sharp on a scaled desktop.
      surface_(QSize(), qApp->devicePixelRatio()),
      ownUi_(ui ? nullptr : std::make_unique<QtUi>(*this)),
      ui_(ui ? *ui : *ownUi_),
      printDevice_(std::make_unique<QtPrintDevice>()),
      clueForm_(std::make_unique<ClueForm>(state_))
{
    setObjectName(QStringLiteral("Main"));
    setWindowTitle(caption);
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/org.quillgrid.Quillgrid-16.png"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/org.quillgrid.Quillgrid-32.png"), QSize(32, 32));
    setWindowIcon(icon);
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

void Main::setPrintDevice(std::unique_ptr<PrintDevice> device)
{
    printDevice_ = std::move(device);
}

void Main::Form_Load()
{
    state_.reset(0, 0);
    setPrintMenuEnabled(false);
    mnuSaveCrossword_->setEnabled(false);
    mnuExportCrossword_->setEnabled(false);
    databasePath_ = locateDatabase(ui_);
    // The file itself is first touched by Open or Save, which report what they find.
    database_ = std::make_unique<CrosswordDatabase>(databasePath_);
    // Owned by the window, which it is modal over.
    nameDialog_ = new CrosswordName(*database_, ui_, this);
    wordLists_ = std::make_unique<WordLists>();
    wordLists_->load(WordListChoice::remembered());
    clueForm_->addFillHelp(*wordLists_, [path = databasePath_](const QString& answer) {
        return earlierCluesFor(path, answer);
    });
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
    mnuExportCrossword_ = addCommand(mnuFile, "mnuExportCrossword", tr("&Export Crossword..."),
                                     QKeySequence(tr("Ctrl+E")), &Main::mnuExportCrossword_Click);
    mnuFile->addSeparator()->setObjectName(QStringLiteral("sep2"));
    addCommand(mnuFile, "mnuExit", tr("E&xit"), QKeySequence(tr("Ctrl+X")), &Main::mnuExit_Click);

    QMenu* mnuEdit = menuBar()->addMenu(tr("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuEdit->menuAction()->setObjectName(QStringLiteral("mnuEdit"));
    addCommand(mnuEdit, "mnuWordLists", tr("&Word Lists..."), QKeySequence(),
               &Main::mnuWordLists_Click);

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
    mnuExportCrossword_->setEnabled(true);
}

void Main::mnuNewCrossWord_Click()
{
    newCrossword(state_, surface_, ui_);
}

void Main::mnuOpenCrossword_Click()
{
    if (openCrossword(state_, ui_, *database_, *nameDialog_) &&
        !GridDrawing::fitAndDrawGrid(surface_, state_)) {
        ui_.message(tr("The window is too small to show the %1 x %2 cells of \"%3\". "
                       "Enlarge the window to see the crossword.")
                        .arg(state_.xGridSize)
                        .arg(state_.yGridSize)
                        .arg(state_.crosswordTitle),
                    tr("Open Crossword"));
    }
}

void Main::mnuSaveCrossword_Click()
{
    saveCrossword(state_, ui_, *database_, *nameDialog_);
}

void Main::mnuExportCrossword_Click()
{
    exportCrossword(state_, ui_);
}

void Main::mnuExit_Click()
{
    close();
}

void Main::mnuViewClues_Click()
{
    showClueList(state_, *printDevice_, ui_, this);
}

void Main::mnuPrintGrid_Click()
{
    printBlankGrid(state_, *printDevice_, ui_);
}

void Main::mnuPrintSolution_Click()
{
    printSolutionGrid(state_, *printDevice_, ui_);
}

void Main::mnuPrintClues_Click()
{
    showClueList(state_, *printDevice_, ui_, this);
}

void Main::mnuWordLists_Click()
{
    chooseWordLists(*wordLists_, *clueForm_, ui_);
}

void Main::mnuAbout_Click()
{
    About about(this);
    ui_.showModal(about);
}

void Main::Form_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers, QPoint position)
{
    placeClue(state_, surface_, ui_, *clueForm_, button, position);
}
