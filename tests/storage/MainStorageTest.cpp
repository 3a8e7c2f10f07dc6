#include "StorageDesk.h"
#include "app/Main.h"
#include "support/TestRegistry.h"

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
};

}  // namespace

class MainStorageTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Made, saved with F2, the program started again, opened with Ctrl+O: the same
    // crossword.
    void aSavedCrosswordComesBackAfterARestart()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("xword.mdb");
        PuzzleState made;
        {
            Session first(path);
            QVERIFY(QTest::qWaitForWindowActive(first.main.get()));
            first.ui.promptReplies = {"6", "4"};
            first.main->mnuNewCrossWord_Click();
            addClue(first.main->state(), ClueEntry{"Hot drink", "TEA", 1, 1, 1, true});
            addClue(first.main->state(), ClueEntry{"Consume", "EAT", 2, 1, 2, false});
            willName(first.ui, "Restarted");
            QTest::keyClick(first.main.get(), Qt::Key_F2);
            QCOMPARE(first.main->windowTitle(), "Quillgrid - Restarted");
            QCOMPARE(first.ui.modalDialogs, QStringList{"CrosswordName"});
            made = first.main->state();
        }
        Session second(path);
        QVERIFY(QTest::qWaitForWindowActive(second.main.get()));
        willName(second.ui, "Restarted");
        QTest::keySequence(second.main.get(), QKeySequence(Qt::CTRL | Qt::Key_O));
        QCOMPARE(second.ui.messages(), QStringList());
        QVERIFY(same(second.main->state(), made));
        QCOMPARE(second.main->windowTitle(), "Quillgrid - Restarted");
        QVERIFY(second.main->findChild<QAction*>("mnuSaveCrossword")->isEnabled());
        QVERIFY(second.main->findChild<QAction*>("mnuPrintGrid")->isEnabled());
    }
};

QUILLGRID_TEST(MainStorageTest);
#include "MainStorageTest.moc"
