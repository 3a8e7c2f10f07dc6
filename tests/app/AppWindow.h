#pragma once

#include "app/Main.h"
#include "support/ScriptedUi.h"

#include <QAction>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// The real window on screen with the focus, talking through a script, its database a file
// of its own folder.
struct AppWindow {
    QTemporaryDir folder;
    ScriptedUi ui;
    std::unique_ptr<Main> main;

    AppWindow()
    {
        ui.databaseFileReply = folder.filePath(QStringLiteral("xword.mdb"));
        main = std::make_unique<Main>(&ui);
        main->resize(800, 600);
        main->show();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
    }

    QAction* action(const QString& name) const { return main->findChild<QAction*>(name); }

    // A new crossword of that size, its menus on as the real Ui turns them on.
    void startCrossword(int columns, int rows)
    {
        ui.promptReplies = {QString::number(columns), QString::number(rows)};
        main->mnuNewCrossWord_Click();
        main->enableCrosswordMenus();
    }
};
