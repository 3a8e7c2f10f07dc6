#include "QtUi.h"

#include "Main.h"
#include "WindowCaption.h"

#include <QDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace {

// Dialogs go over the main window once it is on screen; before that (at start-up) they
// stand on their own.
QWidget* dialogParent(Main& window)
{
    return window.isVisible() ? &window : nullptr;
}

}  // namespace

void QtUi::message(const QString& text, const QString& caption)
{
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, dialogParent(window_));
    box.exec();
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
    dialog.setNameFilters({QStringLiteral("xword.mdb")});
    dialog.selectFile(QStringLiteral("xword.mdb"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
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
