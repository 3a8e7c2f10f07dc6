#include "ScriptedUi.h"

#include <cstdio>
#include <cstdlib>

QStringList ScriptedUi::messages() const
{
    QStringList texts;
    for (const Shown& each : shown) {
        if (each.kind == QLatin1String("message"))
            texts << each.text;
    }
    return texts;
}

void ScriptedUi::message(const QString& text, const QString& caption)
{
    shown.append({QStringLiteral("message"), text, caption, {}});
}

SaveChoice ScriptedUi::askToSave(const QString& text, const QString& caption)
{
    shown.append({QStringLiteral("save?"), text, caption, {}});
    return saveChoices.isEmpty() ? SaveChoice::Cancel : saveChoices.takeFirst();
}

QString ScriptedUi::prompt(const QString& text, const QString& caption, const QString& proposed)
{
    shown.append({QStringLiteral("prompt"), text, caption, proposed});
    if (promptReplies.isEmpty()) {
        // A command that keeps prompting would loop for ever; end the whole run at once,
        // since an exception through the test library aborts it without end here.
        std::fprintf(stderr, "FAIL! a prompt was shown with no scripted reply left: %s\n",
                     qPrintable(text));
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);
    }
    const std::optional<QString> reply = promptReplies.takeFirst();
    return reply.value_or(QString());
}

bool ScriptedUi::confirm(const QString& text, const QString& caption)
{
    shown.append({QStringLiteral("question"), text, caption, {}});
    return !questionReplies.isEmpty() && questionReplies.takeFirst();
}

QString ScriptedUi::chooseDatabaseFile()
{
    ++databaseDialogs;
    if (onDatabaseDialog)
        onDatabaseDialog();
    return databaseFileReply;
}

QString ScriptedUi::choosePdfFile(const QString&)
{
    return pdfFileReply;
}

SaveFileChoice ScriptedUi::chooseSaveFile(const QString&, const QString& proposedName,
                                          const QStringList&)
{
    proposedSaveName = proposedName;
    return saveFileReply;
}

QString ScriptedUi::chooseOpenFile(const QString&, const QStringList& filters)
{
    openFileFilters = filters;
    return openFileReply;
}

void ScriptedUi::showModal(QDialog& dialog)
{
    modalDialogs << dialog.objectName();
    if (!dialogActions.isEmpty())
        dialogActions.takeFirst()(dialog);
    dialog.hide();
}

void ScriptedUi::showTitle(const QString& crosswordTitle)
{
    title = crosswordTitle;
}

void ScriptedUi::enableCrosswordMenus()
{
    ++menuEnables;
}
