#include "QtUi.h"

#include "Main.h"
#include "WindowCaption.h"
#include "model/ProgramInfo.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

namespace {

// Dialogs go over the main window once it is on screen; before that (at start-up) they
// stand on their own.
QWidget* dialogParent(Main& window)
{
    return window.isVisible() ? &window : nullptr;
}

const char* const databaseFilter = "Database files (*.mdb *.db *.sqlite *.sqlite3)";
const QString databaseKey = QStringLiteral("startup/database");

// "Name (*.a *.b)" lists *.a and *.b; a filter without brackets is its own pattern.
QStringList filterPatterns(const QString& filter)
{
    const qsizetype open = filter.indexOf(u'(');
    const QString inside = open < 0 ? filter : filter.mid(open + 1).section(u')', 0, 0);
    return inside.split(u' ', Qt::SkipEmptyParts);
}

QSettings rememberedDatabase()
{
    return QSettings(ProgramInfo::name, ProgramInfo::name);
}

}  // namespace

void QtUi::message(const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, dialogParent(window_));
    box.exec();
}

SaveChoice QtUi::askToSave(const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::Warning, caption, text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    dialogParent(window_));
    box.setObjectName(QStringLiteral("SaveChanges"));
    // Letters to press, for the keyboard and for screen readers.
    box.button(QMessageBox::Save)->setText(QObject::tr("&Save"));
    box.button(QMessageBox::Discard)->setText(QObject::tr("&Discard"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
        case QMessageBox::Save:
            return SaveChoice::Save;
        case QMessageBox::Discard:
            return SaveChoice::Discard;
        default:
            return SaveChoice::Cancel;
    }
}

QString QtUi::prompt(const QString& text, const QString& caption, const QString& proposed)
{
    QInputDialog dialog(dialogParent(window_));
    dialog.setWindowTitle(caption);
    dialog.setLabelText(text);
    dialog.setTextValue(proposed);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

bool QtUi::confirm(const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::Warning, caption, text, QMessageBox::Yes | QMessageBox::No,
                    dialogParent(window_));
    // Enter alone must not agree to what the question warns of.
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString QtUi::chooseDatabaseFile()
{
    QFileDialog dialog(dialogParent(window_),
                       QStringLiteral("Locate the Database file containing Crosswords"),
                       QStringLiteral("."));
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    // The user may pick an existing file or type the name of one to be created.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    const QStringList filters = {QStringLiteral("xword.mdb"), QObject::tr(databaseFilter),
                                 QObject::tr("All files (*)")};
    dialog.setNameFilters(filters);
    dialog.selectFile(QStringLiteral("xword.mdb"));
    // The file used last time, where it still exists, under the first filter that lists it.
    const QFileInfo last(rememberedDatabase().value(databaseKey).toString());
    if (!last.filePath().isEmpty() && last.isFile()) {
        dialog.setDirectory(last.absolutePath());
        dialog.selectFile(last.fileName());
        for (const QString& filter : filters) {
            if (QDir::match(filterPatterns(filter), last.fileName())) {
                dialog.selectNameFilter(filter);
                break;
            }
        }
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        // Cancel uses xword.mdb in the current folder, which is then the one to propose.
        rememberedDatabase().remove(databaseKey);
        return {};
    }
    const QString chosen = dialog.selectedFiles().constFirst();
    rememberedDatabase().setValue(databaseKey, QFileInfo(chosen).absoluteFilePath());
    return chosen;
}

QString QtUi::choosePdfFile(const QString& proposedName)
{
    return QFileDialog::getSaveFileName(
        dialogParent(window_), QObject::tr("No printer is installed: save the print-out as PDF"),
        proposedName, QObject::tr("PDF documents (*.pdf)"));
}

SaveFileChoice QtUi::chooseSaveFile(const QString& caption, const QString& proposedName,
                                    const QStringList& filters)
{
    QFileDialog dialog(dialogParent(window_), caption, QString(),
                       filters.join(QStringLiteral(";;")));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an ending takes the chosen type's, before the dialog asks
    // whether to replace a file: the one asked about is the one written.
    const auto ending = [](const QString& filter) {
        return filter.section(QStringLiteral("*."), 1).section(u')', 0, 0);
    };
    dialog.setDefaultSuffix(ending(filters.value(0)));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&](const QString& filter) { dialog.setDefaultSuffix(ending(filter)); });
    dialog.selectFile(proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return {dialog.selectedFiles().constFirst(), dialog.selectedNameFilter()};
}

QString QtUi::chooseOpenFile(const QString& caption, const QStringList& filters)
{
    QFileDialog dialog(dialogParent(window_), caption, QString(),
                       filters.join(QStringLiteral(";;")));
    dialog.setObjectName(QStringLiteral("ImportDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void QtUi::showModal(QDialog& dialog)
{
    dialog.exec();
}

void QtUi::showTitle(const QString& crosswordTitle)
{
    window_.setWindowTitle(windowCaption(crosswordTitle));
}

void QtUi::enableCrosswordMenus()
{
    window_.enableCrosswordMenus();
}
