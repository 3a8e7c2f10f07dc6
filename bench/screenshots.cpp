// The pictures of the fill help in the README, drawn offscreen with the real fonts:
//   bench_screenshots FOLDER   writes fill-help.png and word-lists.png into FOLDER
// The clue dialog is shown as a setter sees it after clicking a cell of a 15 x 15 grid
// with two answers down, typing a clue and the answer's first letters, over the system's
// dictionary and a database of three stored crosswords.

#include "editing/ClueForm.h"
#include "editing/WordListsDialog.h"
#include "fill/WordLists.h"
#include "model/ClueEntry.h"
#include "model/PuzzleState.h"
#include "storage/CrosswordDatabase.h"
#include "storage/EarlierCluesQuery.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <cstdio>

namespace {

void waitUntil(const std::function<bool()>& done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 10000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
}

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_screenshots FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QTemporaryDir scratch;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, scratch.path());

    const QString database = scratch.filePath(QStringLiteral("crosswords.mdb"));
    {
        CrosswordDatabase db(database);
        db.storeClues(QStringLiteral("Spring Prize 12"), QSize(15, 15),
                      QList<ClueEntry>{{"Small change in Tokyo", "SEN", 0, 0, 1, true}});
        db.storeClues(QStringLiteral("Weekend 48"), QSize(15, 15),
                      QList<ClueEntry>{{"Coin worth a hundredth of a yen", "SEN", 2, 0, 1, true}});
        db.storeClues(QStringLiteral("Quick 301"), QSize(13, 13),
                      QList<ClueEntry>{{"Old Japanese coin", "SEN", 4, 4, 1, false}});
    }

    WordLists lists;
    lists.load(WordListChoice());
    waitUntil([&] { return !lists.loading(); });

    PuzzleState state;
    state.reset(15, 15);
    state.fileClue(ClueEntry{"Let off ___", "STEAM", 5, 0, 1, false});
    state.fileClue(ClueEntry{"Heron's cousin", "CRANE", 8, 0, 2, false});
    ClueForm form(state);
    form.addFillHelp(
        lists, [database](const QString& answer) { return earlierCluesFor(database, answer); });
    form.startAt(QPoint(4, 2));
    form.show();
    form.findChild<QLineEdit*>(QStringLiteral("clue"))->setText(QStringLiteral("Yen fraction"));
    form.findChild<QLineEdit*>(QStringLiteral("answer"))->setText(QStringLiteral("sen"));
    waitUntil([&] {
        return form.findChild<QTreeWidget*>(QStringLiteral("earlierClues"))->topLevelItemCount() >
               0;
    });
    QApplication::processEvents();
    const bool helpShot = form.grab().save(folder.filePath(QStringLiteral("fill-help.png")));

    WordListChoice choice;
    choice.files = {QStringLiteral("/home/setter/lists/scored.dict"),
                    QStringLiteral("/home/setter/lists/themes.txt")};
    choice.minimumScore = 40;
    WordListsDialog dialog(choice, true);
    dialog.show();
    QApplication::processEvents();
    const bool listsShot = dialog.grab().save(folder.filePath(QStringLiteral("word-lists.png")));
    return helpShot && listsShot ? 0 : 1;
}
