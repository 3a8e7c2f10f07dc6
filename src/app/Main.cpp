#include "Main.h"

#include "About.h"
#include "CheckWindow.h"
#include "GridView.h"
#include "QtUi.h"
#include "WindowCaption.h"
#include "editing/ClueForm.h"
#include "editing/ClueSteps.h"
#include "editing/GridDrawing.h"
#include "editing/ImportPlacement.h"
#include "editing/NewCrossword.h"
#include "editing/WordListsDialog.h"
#include "exchange/ExportCrossword.h"
#include "exchange/ReadCrosswordFile.h"
#include "fill/WordLists.h"
#include "model/ProgramInfo.h"
#include "printing/ClueList.h"
#include "printing/GridPicture.h"
#include "printing/GridPrintouts.h"
#include "printing/PuzzlePage.h"
#include "printing/QtPrintDevice.h"
#include "storage/CrosswordDatabase.h"
#include "storage/CrosswordName.h"
#include "storage/DatabaseLocation.h"
#include "storage/EarlierCluesQuery.h"
#include "storage/OpenCrossword.h"
#include "storage/SaveCrossword.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QSessionManager>
#include <QSettings>
#include <QUndoStack>

namespace {

const QString keepReadingOrderKey = QStringLiteral("editing/keepReadingOrder");

}  // namespace

const QString Main::caption = windowCaption(QString());

Main::Main(Ui* ui, QWidget* parent)
    : QMainWindow(parent),
      // Drawn at the screen's own density, so letters stay sharp on a scaled desktop.
      surface_(QSize(), qApp->devicePixelRatio()),
      ownUi_(ui ? nullptr : std::make_unique<QtUi>(*this)),
      ui_(ui ? *ui : *ownUi_),
      printDevice_(std::make_unique<QtPrintDevice>())
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
        [this] { GridDrawing::refitGrid(surface_, state_); }, this);
    setCentralWidget(view_);
    history_ = new QUndoStack(this);
    connect(history_, &QUndoStack::cleanChanged, this,
            [this](bool clean) { setWindowModified(!clean); });
    // The desktop session ending is one more way out; the person may still say Cancel.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        if (!history_->isClean() && manager.allowsInteraction()) {
            if (!maySetAside(tr("the session ends")))
                manager.cancel();
            manager.release();
        }
    });
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
    mnuExportGridPicture_->setEnabled(false);
    mnuCheckCrossword_->setEnabled(false);
    databasePath_ = locateDatabase(ui_);
    // The file itself is first touched by Open or Save, which report what they find.
    database_ = std::make_unique<CrosswordDatabase>(databasePath_);
    // Owned by the window, which it is modal over.
    nameDialog_ = new CrosswordName(*database_, ui_, this);
    wordLists_ = std::make_unique<WordLists>();
    wordLists_->load(WordListChoice::remembered());
    // Made after the database dialog, which it would only delay: its fonts are looked up
    // when it is built.
    clueForm_ = std::make_unique<ClueForm>(state_);
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
    addCommand(mnuFile, "mnuImportCrossword", tr("&Import Crossword..."),
               QKeySequence(tr("Ctrl+I")), &Main::mnuImportCrossword_Click);
    mnuExportCrossword_ = addCommand(mnuFile, "mnuExportCrossword", tr("&Export Crossword..."),
                                     QKeySequence(tr("Ctrl+E")), &Main::mnuExportCrossword_Click);
    mnuExportGridPicture_ =
        addCommand(mnuFile, "mnuExportGridPicture", tr("Export Grid &Picture..."), QKeySequence(),
                   &Main::mnuExportGridPicture_Click);
    mnuCheckCrossword_ = addCommand(mnuFile, "mnuCheckCrossword", tr("Chec&k Crossword"),
                                    QKeySequence(), &Main::mnuCheckCrossword_Click);
    mnuFile->addSeparator()->setObjectName(QStringLiteral("sep2"));
    addCommand(mnuFile, "mnuExit", tr("E&xit"), QKeySequence(tr("Ctrl+X")), &Main::mnuExit_Click);

    mnuEdit_ = menuBar()->addMenu(tr("&Edit"));
    mnuEdit_->setObjectName(QStringLiteral("mnuEdit"));
    mnuEdit_->menuAction()->setObjectName(QStringLiteral("mnuEdit"));
    // The stack keeps their texts ("Undo Place SUN 3 Across") and whether they can act.
    QAction* mnuUndo = history_->createUndoAction(this, tr("&Undo"));
    mnuUndo->setObjectName(QStringLiteral("mnuUndo"));
    mnuUndo->setShortcut(QKeySequence(tr("Ctrl+Z")));
    QAction* mnuRedo = history_->createRedoAction(this, tr("&Redo"));
    mnuRedo->setObjectName(QStringLiteral("mnuRedo"));
    mnuRedo->setShortcuts({QKeySequence(tr("Ctrl+Shift+Z")), QKeySequence(tr("Ctrl+Y"))});
    mnuEdit_->addActions({mnuUndo, mnuRedo});
    mnuEdit_->addSeparator()->setObjectName(QStringLiteral("sep5"));
    addCommand(mnuEdit_, "mnuEditClue", tr("&Edit Clue..."), {}, &Main::mnuEditClue_Click);
    addCommand(mnuEdit_, "mnuRemoveClue", tr("Re&move Clue..."), {}, &Main::mnuRemoveClue_Click);
    mnuEdit_->addSeparator()->setObjectName(QStringLiteral("sep6"));
    addCommand(mnuEdit_, "mnuReadingOrder", tr("&Number in Reading Order"), {},
               &Main::mnuReadingOrder_Click);
    mnuKeepReadingOrder_ = addCommand(mnuEdit_, "mnuKeepReadingOrder", tr("&Keep Reading Order"),
                                      {}, &Main::mnuKeepReadingOrder_Click);
    mnuKeepReadingOrder_->setCheckable(true);
    mnuKeepReadingOrder_->setChecked(QSettings().value(keepReadingOrderKey, false).toBool());
    mnuEdit_->addSeparator()->setObjectName(QStringLiteral("sep7"));
    addCommand(mnuEdit_, "mnuWordLists", tr("&Word Lists..."), {}, &Main::mnuWordLists_Click);

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
    mnuPrint_->addSeparator()->setObjectName(QStringLiteral("sep5"));
    addCommand(mnuPrint_, "mnuPrintPuzzlePage", tr("Print Puzzle &Page"),
               QKeySequence(tr("Ctrl+Shift+P")), &Main::mnuPrintPuzzlePage_Click);
    addCommand(mnuPrint_, "mnuPrintSolutionPage", tr("Print S&olution Page"),
               QKeySequence(tr("Ctrl+Shift+S")), &Main::mnuPrintSolutionPage_Click);

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
    // The edits need a crossword too; Undo, Redo and the option look after themselves.
    for (const char* name : {"mnuEditClue", "mnuRemoveClue", "mnuReadingOrder"})
        mnuEdit_->findChild<QAction*>(QLatin1String(name), Qt::FindDirectChildrenOnly)
            ->setEnabled(enabled);
}

void Main::enableCrosswordMenus()
{
    setPrintMenuEnabled(true);
    mnuSaveCrossword_->setEnabled(true);
    mnuExportCrossword_->setEnabled(true);
    mnuExportGridPicture_->setEnabled(true);
    mnuCheckCrossword_->setEnabled(true);
}

EditingDesk Main::desk(QWidget* dialogParent)
{
    return {state_, surface_, ui_, *history_, mnuKeepReadingOrder_->isChecked(), dialogParent};
}

bool Main::save()
{
    if (!saveCrossword(state_, ui_, *database_, *nameDialog_))
        return false;
    history_->setClean();
    return true;
}

bool Main::maySetAside(const QString& doing)
{
    if (history_->isClean())
        return true;
    const QString name =
        state_.crosswordTitle.isEmpty() ? tr("the new crossword") : state_.crosswordTitle;
    switch (
        ui_.askToSave(tr("Save changes to %1 before %2?").arg(name, doing), ProgramInfo::name)) {
        case SaveChoice::Save:
            return save();
        case SaveChoice::Discard:
            return true;
        case SaveChoice::Cancel:
            break;
    }
    return false;
}

void Main::closeEvent(QCloseEvent* event)
{
    if (maySetAside(tr("closing")))
        event->accept();
    else
        event->ignore();
}

void Main::mnuNewCrossWord_Click()
{
    if (maySetAside(tr("starting a new crossword")) && newCrossword(state_, surface_, ui_))
        history_->clear();
}

void Main::mnuOpenCrossword_Click()
{
    if (!maySetAside(tr("opening another crossword")) ||
        !openCrossword(state_, ui_, *database_, *nameDialog_))
        return;
    history_->clear();
    if (!GridDrawing::fitAndDrawGrid(surface_, state_)) {
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
    save();
}

void Main::mnuImportCrossword_Click()
{
    if (!maySetAside(tr("importing a crossword")))
        return;
    const auto imported = readCrosswordFile(ui_);
    if (!imported || !placeImported(state_, surface_, ui_, *imported))
        return;
    history_->clear();
    // Nothing of it is stored yet, though no step of this session made it.
    history_->resetClean();
}

void Main::mnuExportCrossword_Click()
{
    exportCrossword(state_, ui_);
}

void Main::mnuExportGridPicture_Click()
{
    exportGridPicture(state_, ui_);
}

void Main::mnuCheckCrossword_Click()
{
    showCrosswordCheck(
        state_, ui_,
        [this](const QList<QPoint>& cells) {
            GridDrawing::highlightCells(surface_, state_, cells);
        },
        this);
}

void Main::mnuExit_Click()
{
    close();
}

void Main::mnuEditClue_Click()
{
    editClue(-1, this);
}

void Main::editClue(int chosen, QWidget* dialogParent)
{
    EditingDesk editing = desk(dialogParent);
    editClueStep(editing, chosen < 0 ? std::nullopt : std::optional(chosen));
}

void Main::mnuRemoveClue_Click()
{
    EditingDesk editing = desk(this);
    removeClueStep(editing);
}

void Main::mnuReadingOrder_Click()
{
    EditingDesk editing = desk(this);
    readingOrderStep(editing);
}

void Main::mnuKeepReadingOrder_Click()
{
    QSettings().setValue(keepReadingOrderKey, mnuKeepReadingOrder_->isChecked());
}

void Main::mnuViewClues_Click()
{
    showClueList(state_, *printDevice_, ui_, this,
                 [this](int chosen, QWidget* list) { editClue(chosen, list); });
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
    mnuViewClues_Click();
}

void Main::mnuPrintPuzzlePage_Click()
{
    printPuzzlePage(state_, *printDevice_, ui_);
}

void Main::mnuPrintSolutionPage_Click()
{
    printSolutionPage(state_, *printDevice_, ui_);
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
    EditingDesk editing = desk(this);
    placeClueStep(editing, *clueForm_, button, position);
}
