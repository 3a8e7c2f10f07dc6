#include "AppWindow.h"
#include "exchange/IpuzWriter.h"
#include "printing/TestCrosswords.h"
#include "support/FullDisk.h"
#include "support/ScriptedUi.h"
#include "support/TestRegistry.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>

class MainTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void asksForTheDatabaseBeforeTheWindowAppears_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("path");
        QTest::newRow("cancelled") << "" << QDir::current().absoluteFilePath("xword.mdb");
        QTest::newRow("absolute path") << "/tmp/puzzles/mine.db"
                                       << "/tmp/puzzles/mine.db";
        QTest::newRow("relative name")
            << "other.mdb" << QDir::current().absoluteFilePath("other.mdb");
    }
    void asksForTheDatabaseBeforeTheWindowAppears()
    {
        QFETCH(QString, reply);
        QFETCH(QString, path);
        bool windowVisible = true;
        bool crosswordCommandOn = true;
        ScriptedUi ui;
        ui.databaseFileReply = reply;
        // Left true where the window cannot be found.
        ui.onDatabaseDialog = [&] {
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* main = qobject_cast<Main*>(widget)) {
                    windowVisible = main->isVisible();
                    crosswordCommandOn = false;
                    for (const char* command : {"mnuSaveCrossword", "mnuExportCrossword",
                                                "mnuExportGridPicture", "mnuCheckCrossword"})
                        crosswordCommandOn |= main->findChild<QAction*>(command)->isEnabled();
                }
            }
        };
        Main main(&ui);
        QCOMPARE(ui.databaseDialogs, 1);
        QVERIFY(!windowVisible);
        QVERIFY(!crosswordCommandOn);  // the menus are switched off before the dialog
        QCOMPARE(main.databasePath(), path);
        QCOMPARE(main.windowTitle(), QStringLiteral("Quillgrid[*]"));
    }

    // Alt + the title's letter opens its menu and the command's letter runs it, as does its
    // one shortcut key, which a command that needs a crossword ignores until there is one.
    void keysReachEveryCommand_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::addColumn<Qt::Key>("menuLetter");
        QTest::addColumn<Qt::Key>("commandLetter");
        QTest::addColumn<bool>("needsACrossword");
        const auto row = [](const char* command, QKeySequence shortcut, Qt::Key menu,
                            Qt::Key letter, bool needs) {
            QTest::newRow(command)
                << QString::fromLatin1(command) << shortcut << menu << letter << needs;
        };
        row("mnuNewCrossWord", Qt::CTRL | Qt::Key_N, Qt::Key_F, Qt::Key_N, false);
        row("mnuOpenCrossword", Qt::CTRL | Qt::Key_O, Qt::Key_F, Qt::Key_O, false);
        row("mnuSaveCrossword", Qt::Key_F2, Qt::Key_F, Qt::Key_S, true);
        row("mnuImportCrossword", Qt::CTRL | Qt::Key_I, Qt::Key_F, Qt::Key_I, false);
        row("mnuExportCrossword", Qt::CTRL | Qt::Key_E, Qt::Key_F, Qt::Key_E, true);
        row("mnuExit", Qt::CTRL | Qt::Key_X, Qt::Key_F, Qt::Key_X, false);
        row("mnuViewClues", Qt::CTRL | Qt::Key_V, Qt::Key_P, Qt::Key_V, true);
        row("mnuPrintGrid", Qt::CTRL | Qt::Key_G, Qt::Key_P, Qt::Key_G, true);
        row("mnuPrintSolution", Qt::CTRL | Qt::Key_U, Qt::Key_P, Qt::Key_U, true);
        row("mnuPrintClues", Qt::CTRL | Qt::Key_C, Qt::Key_P, Qt::Key_C, true);
        row("mnuPrintPuzzlePage", Qt::CTRL | Qt::SHIFT | Qt::Key_P, Qt::Key_P, Qt::Key_P, true);
        row("mnuPrintSolutionPage", Qt::CTRL | Qt::SHIFT | Qt::Key_S, Qt::Key_P, Qt::Key_O, true);
    }
    void keysReachEveryCommand()
    {
        QFETCH(QString, command);
        QFETCH(QKeySequence, shortcut);
        QFETCH(Qt::Key, menuLetter);
        QFETCH(Qt::Key, commandLetter);
        QFETCH(bool, needsACrossword);
        AppWindow app;
        // Only whether the keys reach the command is under test: a print-out must not
        // reach for whatever printer this machine has.
        QStringList triggered;
        for (QAction* action : app.main->findChildren<QAction*>()) {
            if (action->objectName().startsWith(u"mnu") && !action->menu()) {
                action->disconnect();
                connect(action, &QAction::triggered, this,
                        [&triggered, action] { triggered << action->objectName(); });
            }
        }
        QCOMPARE(app.action(command)->shortcuts(), QList<QKeySequence>{shortcut});
        QTest::keySequence(app.main.get(), shortcut);
        if (needsACrossword) {
            QCOMPARE(triggered, QStringList());
            app.main->enableCrosswordMenus();
            QTest::keySequence(app.main.get(), shortcut);
        }
        QTest::keyClick(app.main.get(), menuLetter, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QTest::keyClick(QApplication::activePopupWidget(), commandLetter);
        QTRY_COMPARE(triggered, QStringList({command, command}));
        QVERIFY(!QApplication::activePopupWidget());
    }

    // Before any crossword, a modal dialog of its own, and no line of its text cut off by
    // the label or the box: a label's picture alone shows no cut.
    void aboutOpensFromItsAccessLetter()
    {
        AppWindow app;
        app.ui.dialogActions << [](QDialog& about) {
            const auto* label = about.findChild<QLabel*>(QStringLiteral("Label1"));
            QVERIFY(label);
            QVERIFY(label->height() >= label->heightForWidth(label->width()));
            QVERIFY(about.height() >= label->geometry().bottom());
        };
        QTest::keyClick(app.main.get(), Qt::Key_A, Qt::AltModifier);
        QTRY_COMPARE(app.ui.modalDialogs, QStringList{QStringLiteral("About")});
    }

    // A real press on the window's drawing area reaches the placement, with the window's
    // own dialog, which keeps what was typed from one press to the next.
    void aPressOnTheGridPlacesAClue()
    {
        AppWindow app;
        app.ui.promptReplies = {QStringLiteral("10"), QStringLiteral("10")};
        app.main->mnuNewCrossWord_Click();
        const PuzzleState& state = app.main->state();
        QWidget* view = app.main->centralWidget();
        const QPoint cell(1, 2);
        const QPoint inCell(10 + cell.x() * state.cellWidth + state.cellWidth / 2,
                            5 + cell.y() * state.cellHeight + state.cellHeight / 2);

        QPointer<QDialog> firstShown;
        bool ownerless = false;
        app.ui.dialogActions << [&](QDialog& dialog) {
            firstShown = &dialog;
            ownerless = !dialog.parentWidget();
            dialog.findChild<QLineEdit*>(QStringLiteral("clue"))
                ->setText(QStringLiteral("Day star"));
            dialog.findChild<QLineEdit*>(QStringLiteral("answer"))->setText(QStringLiteral("sun"));
            dialog.findChild<QPushButton*>(QStringLiteral("update"))->click();
        };
        QTest::mouseClick(view, Qt::RightButton, {}, inCell);
        QVERIFY(app.ui.modalDialogs.isEmpty());
        QTest::mouseClick(view, Qt::LeftButton, {}, inCell);

        QCOMPARE(app.ui.modalDialogs, QStringList{QStringLiteral("ClueForm")});
        QVERIFY(ownerless);
        QCOMPARE(state.clueCount, 1);
        QCOMPARE(QPoint(state.clueTable[0].x, state.clueTable[0].y), cell);
        const QImage drawn = app.main->surface().image();
        QCOMPARE(view->grab().toImage().convertToFormat(drawn.format()), drawn);

        QString offeredAgain;
        app.ui.dialogActions << [&](QDialog& dialog) {
            QVERIFY(firstShown && &dialog == firstShown.data());
            offeredAgain = dialog.findChild<QLineEdit*>(QStringLiteral("clue"))->text();
        };
        QTest::mouseClick(view, Qt::LeftButton, {}, inCell + QPoint(0, state.cellHeight * 3));
        QCOMPARE(offeredAgain, QStringLiteral("Day star"));
        QCOMPARE(app.ui.messages(),
                 QStringList{QStringLiteral("Neither Clue nor Answer can be empty.")});
    }

    void exportWritesOrLeavesTheFileAsItWas()
    {
        AppWindow app;
        app.main->enableCrosswordMenus();
        app.main->state() = TestCrosswords::sample();
        const QTemporaryDir& folder = app.folder;
        const QString path = folder.filePath("mine.puz");
        const auto exportTo = [&](const QString& typed, const QString& filter) {
            app.ui.promptReplies = {QStringLiteral("Notes No. 1/2")};
            app.ui.saveFileReply = {typed, filter};
            app.action("mnuExportCrossword")->trigger();
        };

        // The filter decides where no extension is typed.
        exportTo(folder.filePath("mine"), QStringLiteral(".puz crossword (*.puz)"));
        // The whole title, with the first type's ending: its own dots are no ending.
        QCOMPARE(app.ui.proposedSaveName, QStringLiteral("Notes No. 1 2.ipuz"));
        QVERIFY(app.ui.messages().isEmpty());
        const auto written = [&] {
            QFile file(path);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        const QByteArray before = written();
        QCOMPARE(before.mid(2, 12), QByteArray("ACROSS&DOWN\0", 12));

        // A one-letter answer: the typed extension wins over the filter, and the .puz
        // refuses it without touching the file.
        TestCrosswords::place(app.main->state(), "Article", "A", 4, 2, 4, true);
        exportTo(path, QStringLiteral(".ipuz crossword (*.ipuz)"));
        QCOMPARE(app.ui.messages().size(), 1);
        QVERIFY(app.ui.messages().constLast().startsWith(path + " was not written."));
        QCOMPARE(written(), before);

        const QString missing = folder.filePath("gone/mine.ipuz");
        exportTo(missing, QStringLiteral(".puz crossword (*.puz)"));
        QCOMPARE(app.ui.messages().size(), 2);
        QVERIFY(app.ui.messages().constLast().startsWith(missing + " could not be written: "));
        QCOMPARE(app.main->state().clueCount, 5);
        QCOMPARE(app.main->state().crosswordTitle, QString());

        // The write fails only when the buffer goes to the disk, and Qt commits even then.
        FullDisk disk;
        if (!disk.mounted)
            QSKIP(FullDisk::skipReason);
        disk.write("mine.ipuz", "earlier");
        disk.write("ballast", QByteArray(1024, 'x'), true);
        exportTo(disk.filePath("mine.ipuz"), QStringLiteral(".ipuz crossword (*.ipuz)"));
        QCOMPARE(app.ui.messages().constLast(),
                 disk.filePath("mine.ipuz") + " could not be written: No space left on device");
        QCOMPARE(disk.read("mine.ipuz"), "earlier");
        QCOMPARE(disk.files(), QStringList({"ballast", "mine.ipuz"}));
    }

    // An imported crossword is new and unsaved; its title is offered, all of it selected,
    // when it is first saved, and what is typed over it is the name it is stored under.
    void importedTitleIsProposedAtTheFirstSave()
    {
        QTemporaryDir folder;
        ScriptedUi ui;
        ui.databaseFileReply = folder.filePath("xword.mdb");
        Main main(&ui);
        main.resize(800, 600);
        main.show();
        QFile file(folder.filePath("nature.ipuz"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(ipuzFile(TestCrosswords::sample(), "Nature Notes No. 1").bytes);
        file.close();
        ui.openFileReply = file.fileName();
        main.findChild<QAction*>("mnuImportCrossword")->trigger();
        QCOMPARE(ui.messages(), QStringList());
        QCOMPARE(main.state().clueCount, 4);
        QVERIFY(main.state().crosswordTitle.isEmpty() && !main.state().crosswordStored);
        QCOMPARE(ui.menuEnables, 1);
        main.enableCrosswordMenus();  // as the real Ui does
        QString offered;
        ui.dialogActions << [&offered](QDialog& dialog) {
            dialog.show();
            dialog.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&dialog));
            offered = dialog.findChild<QLineEdit*>()->selectedText();
            QTest::keyClicks(QApplication::focusWidget(), "Nature, revised");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        };
        main.findChild<QAction*>("mnuSaveCrossword")->trigger();
        QCOMPARE(offered, QStringLiteral("Nature Notes No. 1"));
        QCOMPARE(main.state().crosswordTitle, QStringLiteral("Nature, revised"));
        QVERIFY(main.state().crosswordStored);
    }
};

QUILLGRID_TEST(MainTest);
#include "MainTest.moc"
