#pragma once

#include "seams/Ui.h"

// A person who says nothing: every question is cancelled and every message goes unread.
// Each bench program overrides only the answers its figure needs.
class QuietUi : public Ui {
public:
    void message(const QString&, const QString&) override {}
    SaveChoice askToSave(const QString&, const QString&) override { return SaveChoice::Cancel; }
    QString prompt(const QString&, const QString&, const QString&) override { return {}; }
    bool confirm(const QString&, const QString&) override { return false; }
    QString chooseDatabaseFile() override { return {}; }
    QString choosePdfFile(const QString&) override { return {}; }
    SaveFileChoice chooseSaveFile(const QString&, const QString&, const QStringList&) override
    {
        return {};
    }
    QString chooseOpenFile(const QString&, const QStringList&) override { return {}; }
    void showModal(QDialog&) override {}
    void showTitle(const QString&) override {}
    void enableCrosswordMenus() override {}
};
