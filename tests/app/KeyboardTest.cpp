#include "app/Main.h"
#include "support/ScriptedUi.h"
#include "support/TestRegistry.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

class KeyboardTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Alt + the title's letter opens its menu; the command's letter then runs it.
    void accessLettersReachEveryCommand_data()
    {
        QTest::addColumn<Qt::Key>("menuLetter");
        QTest::addColumn<Qt::Key>("commandLetter");
        QTest::addColumn<QString>("command");
        QTest::newRow("File > New") << Qt::Key_F << Qt::Key_N << "mnuNewCrossWord";
        QTest::newRow("File > Open") << Qt::Key_F << Qt::Key_O << "mnuOpenCrossword";
        QTest::newRow("File > Save") << Qt::Key_F << Qt::Key_S << "mnuSaveCrossword";
        QTest::newRow("File > Export") << Qt::Key_F << Qt::Key_E << "mnuExportCrossword";
        QTest::newRow("File > Exit") << Qt::Key_F << Qt::Key_X << "mnuExit";
        QTest::newRow("Print > View Clues") << Qt::Key_P << Qt::Key_V << "mnuViewClues";
        QTest::newRow("Print > Print Grid") << Qt::Key_P << Qt::Key_G << "mnuPrintGrid";
        QTest::newRow("Print > Print Solution") << Qt::Key_P << Qt::Key_U << "mnuPrintSolution";
        QTest::newRow("Print > Print Clues") << Qt::Key_P << Qt::Key_C << "mnuPrintClues";
    }
    void accessLettersReachEveryCommand()
    {
        QFETCH(Qt::Key, menuLetter);
        QFETCH(Qt::Key, commandLetter);
        QFETCH(QString, command);

        ScriptedUi ui;
        Main main(&ui);
        main.enableCrosswordMenus();
        auto* action = main.findChild<QAction*>(command);
        QVERIFY(action);
        // Only the key path is under test here, not what the command does.
        action->disconnect();
        QSignalSpy triggered(action, &QAction::triggered);
        main.show();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));

        QTest::keyClick(&main, menuLetter, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), commandLetter);
        QTRY_COMPARE(triggered.count(), 1);
        QVERIFY(!QApplication::activePopupWidget());
    }

    void shortcutKeysRunTheirCommands_data()
    {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("command");
        QTest::newRow("Ctrl+N") << QKeySequence(Qt::CTRL | Qt::Key_N) << "mnuNewCrossWord";
        QTest::newRow("Ctrl+O") << QKeySequence(Qt::CTRL | Qt::Key_O) << "mnuOpenCrossword";
        QTest::newRow("F2") << QKeySequence(Qt::Key_F2) << "mnuSaveCrossword";
        QTest::newRow("Ctrl+X") << QKeySequence(Qt::CTRL | Qt::Key_X) << "mnuExit";
        QTest::newRow("Ctrl+V") << QKeySequence(Qt::CTRL | Qt::Key_V) << "mnuViewClues";
        QTest::newRow("Ctrl+G") << QKeySequence(Qt::CTRL | Qt::Key_G) << "mnuPrintGrid";
        QTest::newRow("Ctrl+U") << QKeySequence(Qt::CTRL | Qt::Key_U) << "mnuPrintSolution";
        QTest::newRow("Ctrl+C") << QKeySequence(Qt::CTRL | Qt::Key_C) << "mnuPrintClues";
        QTest::newRow("Ctrl+S is not Save") << QKeySequence(Qt::CTRL | Qt::Key_S) << "";
    }
    void shortcutKeysRunTheirCommands()
    {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, command);

        ScriptedUi ui;
        Main main(&ui);
        main.enableCrosswordMenus();
        QStringList triggered;
        for (QAction* action : main.findChildren<QAction*>()) {
            action->disconnect();
            connect(action, &QAction::triggered, this,
                    [&triggered, action] { triggered << action->objectName(); });
        }
        main.show();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));

        QTest::keySequence(&main, keys);
        QCOMPARE(triggered, command.isEmpty() ? QStringList() : QStringList{command});
    }

    void aboutOpensFromItsAccessLetter()
    {
        ScriptedUi ui;
        Main main(&ui);
        main.show();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QTest::keyClick(&main, Qt::Key_A, Qt::AltModifier);
        QTRY_COMPARE(ui.modalDialogs, QStringList{QStringLiteral("About")});
    }
};

QUILLGRID_TEST(KeyboardTest);
#include "KeyboardTest.moc"
