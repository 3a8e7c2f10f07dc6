#pragma once

#include "seams/Ui.h"

class Main;

// The user-facing side of every command: Qt's own dialogs, modal over the main window.
class QtUi final : public Ui {
public:
    explicit QtUi(Main& window) : window_(window) {}

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

private:
    Main& window_;
};
