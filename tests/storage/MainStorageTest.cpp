#include "StorageDesk.h"
#include "app/Main.h"
#include "support/ScriptedUi.h"
#include "support/TestRegistry.h"

#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace StorageTestKit;

namespace {

// The real window on a database file, as after a start with that file chosen.
struct Session {
    ScriptedUi ui;
    std::unique_ptr<Main> main;

    explicit Session(const QString& path)
    {
        ui.databaseFileReply = path;
        main = std::make_unique<Main>(&ui);
        ui.captionSink = [this](const QString& text) { main->setWindowTitle(text); };
        ui.menuSink = [this] { main->enableCrosswordMenus(); };
        main->resize(700, 500);
        main->show();
        main->activateWindow();
    }
    void willName(const QString& name)
    {
        ui.dialogActions << [name](QDialog& shown) {
            shown.findChild<QComboBox*>(QStringLiteral("xwordname"))->setEditText(name);
            shown.findChild<QPushButton*>(QStringLiteral("OK"))->click();
        };
    }
};

}  // namespace

class MainStorageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Made, saved with F2, the program started again, opened with Ctrl+O: the same
    // crossword, the same picture.
    void aSavedCrosswordComesBackAfterARestart()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("xword.mdb"));
        PuzzleState made;
        QImage drawnThen;
        {
            Session first(path);
            QVERIFY(QTest::qWaitForWindowActive(first.main.get()));
            first.ui.promptReplies = {QStringLiteral("6"), QStringLiteral("4")};
            first.main->mnuNewCrossWord_Click();
            addClue(first.main->state(),
                    clue(QStringLiteral("Hot drink"), QStringLiteral("TEA"), 1, 1, 1, true));
            addClue(first.main->state(),
                    clue(QStringLiteral("Consume"), QStringLiteral("EAT"), 2, 1, 2, false));
            first.willName(QStringLiteral("Restarted"));
            QTest::keyClick(first.main.get(), Qt::Key_F2);
            QCOMPARE(first.main->windowTitle(), QStringLiteral("Quillgrid - Restarted"));
            QCOMPARE(first.ui.modalDialogs, QStringList{QStringLiteral("CrosswordName")});
            made = first.main->state();
            // Opening redraws from the stored rows, the same way for both windows.
            first.willName(QStringLiteral("Restarted"));
            first.main->mnuOpenCrossword_Click();
            drawnThen = first.main->surface().image();
        }
        Session second(path);
        QVERIFY(QTest::qWaitForWindowActive(second.main.get()));
        second.willName(QStringLiteral("Restarted"));
        QTest::keySequence(second.main.get(), QKeySequence(Qt::CTRL | Qt::Key_O));
        QVERIFY2(second.ui.messages().isEmpty(), qPrintable(second.ui.messages().join('\n')));
        const QString changed = difference(second.main->state(), made);
        QVERIFY2(changed.isEmpty(), qPrintable(changed));
        QCOMPARE(second.main->windowTitle(), QStringLiteral("Quillgrid - Restarted"));
        QCOMPARE(second.main->surface().image(), drawnThen);
        QVERIFY(second.main->findChild<QAction*>(QStringLiteral("mnuSaveCrossword"))->isEnabled());
        QVERIFY(second.main->findChild<QAction*>(QStringLiteral("mnuPrintGrid"))->isEnabled());
    }
};

QUILLGRID_TEST(MainStorageTest);
#include "MainStorageTest.moc"
