#pragma once

#include <QString>

class QDialog;

// Everything a command needs from the person at the screen. The real one shows Qt
// widgets over the main window; tests answer from a script and record what was said.
class Ui {
public:
    virtual ~Ui() = default;

    // A modal message box with one OK button.
    virtual void message(const QString& text, const QString& caption) = 0;
    // A modal input prompt; a cancelled prompt answers "".
    virtual QString prompt(const QString& text, const QString& caption,
                           const QString& proposed) = 0;
    // The start-up dialog for the database file: the chosen path, or "" when cancelled.
    virtual QString chooseDatabaseFile() = 0;
    // Where to write a print-out when no printer is installed; "" when cancelled.
    virtual QString choosePdfFile(const QString& proposedName) = 0;
    // Runs `dialog` modally and returns when it is hidden or closed.
    virtual void showModal(QDialog& dialog) = 0;

    // The main window's title bar.
    virtual void setCaption(const QString& caption) = 0;
    // Save Crossword and the Print menu, once a crossword exists; never disabled again.
    virtual void enableCrosswordMenus() = 0;
};
