#pragma once

#include <QString>
#include <QStringList>

class QDialog;

// What a save dialog hands back: the path typed or picked ("" when cancelled) and the
// file type filter in use then.
struct SaveFileChoice {
    QString path;
    QString filter;
};

// The answers to "Save changes before ...?".
enum class SaveChoice { Save, Discard, Cancel };

// Everything a command needs from the person at the screen. The real one shows Qt
// widgets over the main window; tests answer from a script and record what was said.
class Ui {
public:
    virtual ~Ui() = default;

    // A modal message box with one OK button.
    virtual void message(const QString& text, const QString& caption) = 0;
    // A modal question with Save, Discard and Cancel; closing it is Cancel.
    virtual SaveChoice askToSave(const QString& text, const QString& caption) = 0;
    // A modal input prompt; a cancelled prompt answers "".
    virtual QString prompt(const QString& text, const QString& caption,
                           const QString& proposed) = 0;
    // A modal question with Yes and No; true only for Yes.
    virtual bool confirm(const QString& text, const QString& caption) = 0;
    // The start-up dialog for the database file: the chosen path, or "" when cancelled.
    virtual QString chooseDatabaseFile() = 0;
    // Where to write a print-out when no printer is installed; "" when cancelled.
    virtual QString choosePdfFile(const QString& proposedName) = 0;
    // A save dialog offering `filters`, the first one chosen.
    virtual SaveFileChoice chooseSaveFile(const QString& caption, const QString& proposedName,
                                          const QStringList& filters) = 0;
    // An open dialog offering `filters`, the first one chosen: the path picked, or ""
    // when cancelled.
    virtual QString chooseOpenFile(const QString& caption, const QStringList& filters) = 0;
    // Runs `dialog` modally and returns when it is hidden or closed.
    virtual void showModal(QDialog& dialog) = 0;

    // Puts the crossword's title in the main window's title bar; "" for none.
    virtual void showTitle(const QString& crosswordTitle) = 0;
    // Save Crossword and the Print menu, once a crossword exists; never disabled again.
    virtual void enableCrosswordMenus() = 0;
};
