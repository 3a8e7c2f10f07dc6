#pragma once

#include "seams/Ui.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// A Ui that answers from a script and remembers everything it was asked, so a command's
// whole conversation with the user can be checked without a screen. An exhausted script
// ends the test run with a failure rather than looping: a command that keeps prompting is
// a fault.
class ScriptedUi final : public Ui {
public:
    struct Shown {
        QString kind;  // "message", "prompt", "save?" or "question"
        QString text;
        QString caption;
        QString proposed;  // prompts only
    };

    // Scripted answers, taken in order. std::nullopt stands for Cancel.
    QList<std::optional<QString>> promptReplies;
    // Answers to "Save changes ...?", in order; Cancel once they run out.
    QList<SaveChoice> saveChoices;
    QList<bool> questionReplies;  // true for Yes; No when none is left
    QString databaseFileReply;
    QString pdfFileReply;
    SaveFileChoice saveFileReply;
    QString proposedSaveName;  // as the last save dialog proposed it
    QString openFileReply;
    QStringList openFileFilters;  // as the last open dialog offered them
    // Acts on the real dialog in place of a person, then returns as exec() would. Dialogs
    // shown without a scripted action are closed untouched.
    QList<std::function<void(QDialog&)>> dialogActions;

    // What happened, in order.
    QList<Shown> shown;
    QStringList modalDialogs;      // object names
    std::optional<QString> title;  // as the title bar last showed it
    int menuEnables = 0;
    int databaseDialogs = 0;
    // Called when the database dialog is shown, for checks of what is on screen then.
    std::function<void()> onDatabaseDialog;

    QStringList messages() const;

    void message(const QString& text, const QString& caption) override;
    SaveChoice askToSave(const QString& text, const QString& caption) override;
    QString prompt(const QString& text, const QString& caption, const QString& proposed) override;
    bool confirm(const QString& text, const QString& caption) override;
    QString chooseDatabaseFile() override;
    QString choosePdfFile(const QString& proposedName) override;
    SaveFileChoice chooseSaveFile(const QString& caption, const QString& proposedName,
                                  const QStringList& filters) override;
    QString chooseOpenFile(const QString& caption, const QStringList& filters) override;
    void showModal(QDialog& dialog) override;
    void showTitle(const QString& crosswordTitle) override;
    void enableCrosswordMenus() override;
};
