#pragma once

#include "ImageSurface.h"
#include "model/PuzzleState.h"

#include <QMainWindow>

#include <memory>

class ClueForm;
class CrosswordDatabase;
class CrosswordName;
class GridView;
class PrintDevice;
class QAction;
class QMenu;
class QUndoStack;
class Ui;
struct EditingDesk;
class WordLists;

// The one top-level window: the menu bar, the grid's drawing area and the crossword
// being edited. Each handler hands its work to the subsystem that does it.
class Main final : public QMainWindow {
    Q_OBJECT
public:
    static const QString caption;

    // Without a Ui of its own the window talks to the user through Qt's dialogs. The
    // start-up dialog for the database file runs here, before the window is shown.
    explicit Main(Ui* ui = nullptr, QWidget* parent = nullptr);
    ~Main() override;

    PuzzleState& state() { return state_; }
    ImageSurface& surface() { return surface_; }
    const QString& databasePath() const { return databasePath_; }
    // The printer the print-outs go to; it keeps the current printer between them.
    void setPrintDevice(std::unique_ptr<PrintDevice> device);

    void enableCrosswordMenus();
    QUndoStack& history() { return *history_; }

    // Asks "Save changes to ... before <doing>?" when anything is unsaved, and saves when
    // told to. True when the crossword may now be set aside: nothing was unsaved, it was
    // saved, or the person discards it. New, Open, Import and Exit all ask here first.
    bool maySetAside(const QString& doing);

    void mnuNewCrossWord_Click();
    void mnuOpenCrossword_Click();
    void mnuSaveCrossword_Click();
    void mnuImportCrossword_Click();
    void mnuExportCrossword_Click();
    void mnuExportGridPicture_Click();
    void mnuCheckCrossword_Click();
    void mnuExit_Click();
    void mnuEditClue_Click();
    void mnuRemoveClue_Click();
    void mnuReadingOrder_Click();
    void mnuKeepReadingOrder_Click();
    void mnuViewClues_Click();
    void mnuPrintGrid_Click();
    void mnuPrintSolution_Click();
    void mnuPrintClues_Click();
    void mnuPrintPuzzlePage_Click();
    void mnuPrintSolutionPage_Click();
    void mnuWordLists_Click();
    void mnuAbout_Click();
    void Form_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint position);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    EditingDesk desk(QWidget* dialogParent);
    void editClue(int chosen, QWidget* dialogParent);
    bool save();
    void buildMenus();
    QAction* addCommand(QMenu* menu, const char* name, const QString& text,
                        const QKeySequence& shortcut, void (Main::*handler)());
    void setPrintMenuEnabled(bool enabled);

    PuzzleState state_;
    ImageSurface surface_;
    std::unique_ptr<Ui> ownUi_;
    Ui& ui_;
    QString databasePath_;
    std::unique_ptr<PrintDevice> printDevice_;
    std::unique_ptr<CrosswordDatabase> database_;
    // Read in the background from the start; the clue dialog offers their words.
    std::unique_ptr<WordLists> wordLists_;
    CrosswordName* nameDialog_ = nullptr;
    // Made once and only hidden, so it keeps what was typed; modal with no owner window.
    std::unique_ptr<ClueForm> clueForm_;
    GridView* view_ = nullptr;
    QUndoStack* history_ = nullptr;
    QMenu* mnuEdit_ = nullptr;
    QAction* mnuKeepReadingOrder_ = nullptr;
    QMenu* mnuPrint_ = nullptr;
    QAction* mnuSaveCrossword_ = nullptr;
    QAction* mnuExportCrossword_ = nullptr;
    QAction* mnuExportGridPicture_ = nullptr;
    QAction* mnuCheckCrossword_ = nullptr;
};
