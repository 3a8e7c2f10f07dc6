#include "app/Main.h"
#include "printing/TestCrosswords.h"
#include "support/ScriptedUi.h"
#include "support/TestRegistry.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// The real window, talking through a script. Caption and menu changes reach the window
// itself, as they do through the real Ui.
struct Scripted {
    ScriptedUi ui;
    std::unique_ptr<Main> main;

    explicit Scripted(const QString& databaseReply = {})
    {
        ui.databaseFileReply = databaseReply;
        main = std::make_unique<Main>(&ui);
        ui.captionSink = [this](const QString& text) { main->setWindowTitle(text); };
        ui.menuSink = [this] { main->enableCrosswordMenus(); };
    }

    QAction* action(const char* name) const
    {
        return main->findChild<QAction*>(QLatin1String(name));
    }

    void showActive()
    {
        main->resize(800, 600);
        main->show();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
    }
};

// "name|caption|shortcut" for every entry of a menu, separators included, in order.
QStringList describe(const QList<QAction*>& actions)
{
    QStringList entries;
    for (const QAction* action : actions) {
        entries << QStringLiteral("%1|%2|%3")
                       .arg(action->objectName(),
                            action->isSeparator() ? QStringLiteral("-") : action->text(),
                            action->shortcut().toString());
        if (action->menu())
            entries << describe(action->menu()->actions());
    }
    return entries;
}

}  // namespace

class MainTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void asksForTheDatabaseBeforeTheWindowAppears()
    {
        bool windowVisible = true;
        bool saveEnabled = true;
        ScriptedUi ui;
        ui.onDatabaseDialog = [&] {
            windowVisible = false;
            saveEnabled = false;
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* main = qobject_cast<Main*>(widget)) {
                    windowVisible = main->isVisible();
                    saveEnabled = main->findChild<QAction*>(QStringLiteral("mnuSaveCrossword"))
                                      ->isEnabled();
                }
            }
        };
        Main main(&ui);
        QCOMPARE(ui.databaseDialogs, 1);
        QVERIFY(!windowVisible);
        QVERIFY(!saveEnabled);  // the menus are switched off before the dialog
        QCOMPARE(main.windowTitle(), QStringLiteral("Quillgrid"));
        QCOMPARE(main.state().clueCount, 0);
        QCOMPARE(main.state().xGridSize, 0);
    }

    void keepsTheChosenDatabasePath_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("path");
        QTest::newRow("cancelled") << "" << QDir::current().absoluteFilePath("xword.mdb");
        QTest::newRow("absolute path") << "/tmp/puzzles/mine.db" << "/tmp/puzzles/mine.db";
        QTest::newRow("relative name") << "other.mdb" << QDir::current().absoluteFilePath("other.mdb");
    }
    void keepsTheChosenDatabasePath()
    {
        QFETCH(QString, reply);
        QFETCH(QString, path);
        Scripted app(reply);
        QCOMPARE(app.main->databasePath(), path);
    }

    void hasTheWholeMenuTreeInOrder()
    {
        Scripted app;
        const QStringList expected = {
            "mnuFile|&File|",
            "mnuNewCrossWord|&New Crossword|Ctrl+N",
            "mnuOpenCrossword|&Open Crossword|Ctrl+O",
            "sep1|-|",
            "mnuSaveCrossword|&Save Crossword|F2",
            "mnuExportCrossword|&Export Crossword...|Ctrl+E",
            "sep2|-|",
            "mnuExit|E&xit|Ctrl+X",
            "mnuPrint|&Print|",
            "mnuViewClues|&View Clues|Ctrl+V",
            "sep4|-|",
            "mnuPrintGrid|Print &Grid|Ctrl+G",
            "mnuPrintSolution|Print Sol&ution|Ctrl+U",
            "sep3|-|",
            "mnuPrintClues|Print &Clues|Ctrl+C",
            "mnuAbout|&About|",
        };
        QCOMPARE(describe(app.main->menuBar()->actions()), expected);
    }

    void disabledCommandsIgnoreTheirShortcutKeys_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QKeySequence>("keys");
        QTest::newRow("Save, F2") << "mnuSaveCrossword" << QKeySequence(Qt::Key_F2);
        QTest::newRow("Export, Ctrl+E")
            << "mnuExportCrossword" << QKeySequence(Qt::CTRL | Qt::Key_E);
        QTest::newRow("View Clues, Ctrl+V") << "mnuViewClues" << QKeySequence(Qt::CTRL | Qt::Key_V);
        QTest::newRow("Print Grid, Ctrl+G") << "mnuPrintGrid" << QKeySequence(Qt::CTRL | Qt::Key_G);
        QTest::newRow("Print Solution, Ctrl+U")
            << "mnuPrintSolution" << QKeySequence(Qt::CTRL | Qt::Key_U);
        QTest::newRow("Print Clues, Ctrl+C") << "mnuPrintClues" << QKeySequence(Qt::CTRL | Qt::Key_C);
    }
    void disabledCommandsIgnoreTheirShortcutKeys()
    {
        QFETCH(QString, command);
        QFETCH(QKeySequence, keys);
        Scripted app;
        app.showActive();
        QAction* action = app.action(qPrintable(command));
        // Only whether the key reaches the command is under test: a print-out must not
        // reach for whatever printer this machine has.
        action->disconnect();
        QSignalSpy triggered(action, &QAction::triggered);

        QVERIFY(!action->isEnabled());
        QTest::keySequence(app.main.get(), keys);
        QCOMPARE(triggered.count(), 0);

        // New Crossword through its own shortcut switches them on for good.
        app.ui.promptReplies = {QStringLiteral("10"), QStringLiteral("10")};
        QTest::keySequence(app.main.get(), QKeySequence(Qt::CTRL | Qt::Key_N));
        QCOMPARE(app.main->state().xGridSize, 10);
        QVERIFY(action->isEnabled());
        QVERIFY(app.action("mnuPrint")->isEnabled());
        QTest::keySequence(app.main.get(), keys);
        QCOMPARE(triggered.count(), 1);
    }

    void newCrosswordLeavesTheCaptionAndKeepsMenusOn()
    {
        Scripted app;
        app.showActive();
        app.ui.promptReplies = {QStringLiteral("25"), QStringLiteral("25"), QStringLiteral("5"),
                                QStringLiteral("5")};
        app.main->mnuNewCrossWord_Click();
        app.main->mnuNewCrossWord_Click();
        QCOMPARE(app.main->windowTitle(), QStringLiteral("Quillgrid"));
        QVERIFY(app.action("mnuSaveCrossword")->isEnabled());
        QVERIFY(app.action("mnuPrintClues")->isEnabled());
        QCOMPARE(app.main->state().xGridSize, 5);
    }

    void theDrawingOutlivesResizing()
    {
        Scripted app;
        app.showActive();
        app.ui.promptReplies = {QStringLiteral("10"), QStringLiteral("10")};
        app.main->mnuNewCrossWord_Click();
        auto* view = app.main->centralWidget();
        const int right = 10 + 10 * app.main->state().cellWidth;
        const QPoint corner(right, 5);
        QCOMPARE(view->grab().toImage().pixelColor(corner), QColor(Qt::black));

        app.main->resize(200, 150);
        QTRY_COMPARE(view->width() < right, true);
        app.main->resize(800, 600);
        QTRY_COMPARE(view->width() > right, true);
        QCOMPARE(view->grab().toImage().pixelColor(corner), QColor(Qt::black));
        QCOMPARE(app.main->state().xGridSize, 10);
    }

    void exportWritesOrLeavesTheFileAsItWas()
    {
        Scripted app;
        app.showActive();
        app.ui.promptReplies = {QStringLiteral("5"), QStringLiteral("3")};
        app.main->mnuNewCrossWord_Click();
        app.main->state() = TestCrosswords::sample();
        QTemporaryDir folder;
        const QString path = folder.filePath("mine.puz");
        const auto exportTo = [&](const QString& typed, const QString& filter) {
            app.ui.promptReplies = {QStringLiteral("My/Crossword")};
            app.ui.saveFileReply = {typed, filter};
            app.action("mnuExportCrossword")->trigger();
        };

        // The filter decides where no extension is typed.
        exportTo(folder.filePath("mine"), QStringLiteral(".puz crossword (*.puz)"));
        QCOMPARE(app.ui.proposedSaveName, QStringLiteral("My Crossword"));
        QVERIFY(app.ui.messages().isEmpty());
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray before = written.readAll();
        written.close();
        QCOMPARE(before.mid(2, 12), QByteArray("ACROSS&DOWN\0", 12));

        // A one-letter answer: the typed extension wins over the filter, and the .puz
        // refuses it without touching the file.
        TestCrosswords::place(app.main->state(), "Article", "A", 4, 2, 4, true);
        exportTo(path, QStringLiteral(".ipuz crossword (*.ipuz)"));
        QCOMPARE(app.ui.messages().size(), 1);
        QVERIFY(app.ui.messages().constLast().startsWith(path + " was not written."));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), before);
        written.close();

        const QString missing = folder.filePath("gone/mine.ipuz");
        exportTo(missing, QStringLiteral(".puz crossword (*.puz)"));
        QCOMPARE(app.ui.messages().size(), 2);
        QVERIFY(app.ui.messages().constLast().startsWith(missing + " could not be written: "));
        QCOMPARE(app.main->state().clueCount, 5);
        QCOMPARE(app.main->state().crosswordTitle, QString());
    }

    void aboutIsModalAndWorksBeforeAnyCrossword()
    {
        Scripted app;
        QString caption;
        app.ui.dialogActions << [&](QDialog& dialog) { caption = dialog.windowTitle(); };
        app.main->mnuAbout_Click();
        QCOMPARE(app.ui.modalDialogs, QStringList{QStringLiteral("About")});
        QCOMPARE(caption, QStringLiteral("About Quillgrid V1.0.0"));
    }
};

QUILLGRID_TEST(MainTest);
#include "MainTest.moc"
