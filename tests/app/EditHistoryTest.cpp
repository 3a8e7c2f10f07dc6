#include "AppWindow.h"
#include "editing/GridDrawing.h"
#include "editing/GridGeometry.h"
#include "support/TestRegistry.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTest>
#include <QTextBlock>
#include <QUndoStack>

namespace {

// "2d NAP@2,0 cNAP": number, direction, answer, start cell and clue text.
template <typename Clues>
QStringList described(const Clues& clues)
{
    QStringList lines;
    for (const ClueEntry& clue : clues) {
        lines << QStringLiteral("%1%2 %3@%4,%5 %6")
                     .arg(clue.number)
                     .arg(clue.across ? 'a' : 'd')
                     .arg(clue.answer)
                     .arg(clue.x)
                     .arg(clue.y)
                     .arg(clue.clue);
    }
    return lines;
}

QStringList storedRows(const QString& path)
{
    QList<ClueEntry> rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "peek");
        db.setDatabaseName(path);
        db.open();
        QSqlQuery query(
            "SELECT Clue, Answer, CluePosX, CluePosY, CluePos, Across FROM Clues "
            "ORDER BY rowid",
            db);
        while (query.next()) {
            rows << ClueEntry{query.value(0).toString(),      query.value(1).toString(),
                              qint16(query.value(2).toInt()), qint16(query.value(3).toInt()),
                              qint16(query.value(4).toInt()), query.value(5).toBool()};
        }
    }
    QSqlDatabase::removeDatabase("peek");
    return described(rows);
}

void typeOver(QDialog& dialog, const char* name, const QString& text)
{
    auto* box = dialog.findChild<QLineEdit*>(name);
    box->selectAll();
    QTest::keyClicks(box, text);
}

void chooseDirection(QDialog& dialog, const QString& way)
{
    dialog.findChild<QComboBox*>("direction")->setCurrentIndex(way == "a" ? 1 : 0);
}

// A press on the cell, then ANSWER typed with "c" + ANSWER for its clue, (a)cross or (d)own.
void place(AppWindow& app, QPoint cell, const QString& answer, const QString& way)
{
    app.ui.dialogActions << [=](QDialog& form) {
        typeOver(form, "clue", "c" + answer);
        typeOver(form, "answer", answer);
        chooseDirection(form, way);
        form.findChild<QPushButton*>("update")->click();
    };
    const PuzzleState& state = app.main->state();
    app.main->Form_MouseDown(
        Qt::LeftButton, {},
        {GridGeometry::left(state, cell.x()) + 3, GridGeometry::top(state, cell.y()) + 3});
}

// The name typed into the naming dialog at its next showing.
void willName(ScriptedUi& ui, const QString& name)
{
    ui.dialogActions << [name](QDialog& naming) {
        QTest::keyClicks(naming.findChild<QComboBox*>("xwordname")->lineEdit(), name);
        naming.findChild<QPushButton*>("OK")->click();
    };
}

}  // namespace

class EditHistoryTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QSettings().clear(); }

    // Sequences of steps on a 5 x 5 crossword, each word a step: "p x y a|d ANSWER"
    // places, "e i ANSWER a|d TEXT" edits clue i of the table, "r i" removes it, "n"
    // numbers in reading order, "k" switches Keep Reading Order, "u" and "y" undo and redo,
    // "s" saves (as "T" the first time), "o" opens T again, discarding what is unsaved.
    // The crossword, the screen and the stored rows are then compared with the clues
    // expected, placed afresh in a new crossword.
    void stepsUndoAndSaveAsIfFresh_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("clues");
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<bool>("unsaved");
        const QString sun = "1a SUN@0,0 cSUN";
        const QString nap = "2d NAP@2,0 cNAP";
        QTest::newRow("a new step after an undo drops the redo")
            << "p 0 0 a SUN; p 0 0 d SEA; u; p 2 0 d NAP; y" << QStringList{sun, nap}
            << QStringList() << true;
        QTest::newRow("a typo that blocks a crossing is undone")
            << "p 0 0 a SNU; p 2 0 d NAP; u; p 0 0 a SUN; p 2 0 d NAP" << QStringList{sun, nap}
            << QStringList() << true;
        QTest::newRow("text, then answer, edited, saved and opened again")
            << "p 0 0 a SUN; p 2 0 d NAP; s; e 0 SUN a Star; e 1 NIP d cNIP; s; o"
            << QStringList{"1a SUN@0,0 Star", "2d NIP@2,0 cNIP"}
            << QStringList{"1a SUN@0,0 Star", "2d NIP@2,0 cNIP"} << false;
        QTest::newRow("an edit that clashes or runs off changes nothing")
            << "p 0 0 a SUN; p 2 0 d NAP; e 1 TAP d cTAP; e 0 SUNDAY a cSUN"
            << QStringList{sun, nap} << QStringList() << true;
        QTest::newRow("a shared start keeps its number")
            << "p 0 0 a SUN; p 0 0 d SEA; p 2 0 d NAP; r 0" << QStringList{"1d SEA@0,0 cSEA", nap}
            << QStringList() << true;
        QTest::newRow("numbered as if never placed")
            << "p 2 0 d NAP; p 0 4 a TOP; p 0 0 a SUN; s; r 0; s"
            << QStringList{"1a TOP@0,4 cTOP", "2a SUN@0,0 cSUN"}
            << QStringList{"1a TOP@0,4 cTOP", "2a SUN@0,0 cSUN"} << false;
        QTest::newRow("reading order, undone and redone")
            << "p 2 0 d NAP; p 0 4 a TOP; p 0 0 a SUN; n; u; y"
            << QStringList{nap, "3a TOP@0,4 cTOP", sun} << QStringList() << true;
        QTest::newRow("undone past a save that replaced rows")
            << "p 0 0 a SUN; s; e 0 SUN a Sol; s; u" << QStringList{sun}
            << QStringList{"1a SUN@0,0 Sol"} << true;
        QTest::newRow("undone back to the save")
            << "p 0 0 a SUN; s; p 2 0 d NAP; u" << QStringList{sun} << QStringList{sun} << false;
        QTest::newRow("every clue removed, saved, opened")
            << "p 0 0 a SUN; s; r 0; s; o" << QStringList() << QStringList() << false;
        QTest::newRow("reading order kept") << "k; p 2 0 d NAP; p 0 0 a SUN; u; y"
                                            << QStringList{nap, sun} << QStringList() << true;
    }
    void stepsUndoAndSaveAsIfFresh()
    {
        QFETCH(QString, steps);
        QFETCH(QStringList, clues);
        QFETCH(QStringList, stored);
        QFETCH(bool, unsaved);
        AppWindow app;
        app.startCrossword(5, 5);
        ScriptedUi& ui = app.ui;
        Main& main = *app.main;
        PuzzleState& state = main.state();

        for (const QString& step : steps.split("; ")) {
            const QStringList word = step.split(' ');
            const QString what = word[0];
            if (what == "p") {
                place(app, {word[1].toInt(), word[2].toInt()}, word[4], word[3]);
            } else if (what == "e" || what == "r") {
                ui.dialogActions << [&](QDialog& editor) {
                    auto* choice = editor.findChild<QComboBox*>("chosenClue");
                    choice->setCurrentIndex(choice->findData(word[1].toInt()));
                    if (what == "e") {
                        typeOver(editor, "answer", word[2]);
                        chooseDirection(editor, word[3]);
                        typeOver(editor, "clue", word.mid(4).join(' '));
                    }
                    editor.findChild<QPushButton*>("OK")->click();
                };
                app.action(what == "e" ? "mnuEditClue" : "mnuRemoveClue")->trigger();
            } else if (what == "s" || what == "o") {
                if (what == "o")
                    ui.saveChoices << SaveChoice::Discard;
                if (state.crosswordTitle.isEmpty() || what == "o")
                    willName(ui, "T");
                app.action(what == "s" ? "mnuSaveCrossword" : "mnuOpenCrossword")->trigger();
                if (what == "s")  // stores what is shown
                    QCOMPARE(storedRows(ui.databaseFileReply), described(state.cluesInUse()));
            } else {
                const QHash<QString, const char*> names = {{"n", "mnuReadingOrder"},
                                                           {"k", "mnuKeepReadingOrder"},
                                                           {"u", "mnuUndo"},
                                                           {"y", "mnuRedo"}};
                app.action(names.value(what))->trigger();
            }
        }

        QCOMPARE(described(state.cluesInUse()), clues);
        QCOMPARE(storedRows(ui.databaseFileReply), stored);
        QCOMPARE(main.isWindowModified(), unsaved);
        QCOMPARE(!main.history().isClean(), unsaved);

        PuzzleState fresh;
        fresh.reset(5, 5);
        fresh.cellWidth = state.cellWidth;
        fresh.cellHeight = state.cellHeight;
        for (const ClueEntry& clue : state.cluesInUse())
            fresh.fileClue(clue);
        QCOMPARE(state.clueTable, fresh.clueTable);
        QCOMPARE(state.gridLetters, fresh.gridLetters);
        QCOMPARE(state.clueNumber, fresh.clueNumber);
        ImageSurface drawn(main.surface().size(), main.surface().image().devicePixelRatio());
        GridDrawing::drawGrid(drawn, fresh);
        QVERIFY(main.surface().image() == drawn.image());
    }

    // A double-click on a clue's line in the clue list edits that clue, over the list,
    // which then shows the new text.
    void clueListLineEditsItsClue()
    {
        AppWindow app;
        app.startCrossword(5, 5);
        Main& main = *app.main;
        // NAP first in the table: the first clue is edited like any other.
        for (const ClueEntry& clue :
             {ClueEntry{"Doze", "NAP", 2, 0, 2, false}, ClueEntry{"Star", "SUN", 0, 0, 1, true},
              ClueEntry{"Ocean", "SEA", 0, 0, 1, false}})
            main.state().fileClue(clue);
        QString listed;
        app.ui.dialogActions << [&](QDialog& list) {
            auto* text = list.findChild<QPlainTextEdit*>("tbClues");
            // Lines: "Across:", SUN, "", "Down:", SEA, NAP.
            const QTextBlock line = text->document()->findBlockByNumber(5);
            QTest::mouseDClick(text->viewport(), Qt::LeftButton, {},
                               text->cursorRect(QTextCursor(line)).center());
            listed = text->toPlainText();
        };
        app.ui.dialogActions << [](QDialog& editor) {
            typeOver(editor, "clue", "Short sleep");
            editor.findChild<QPushButton*>("OK")->click();
        };
        main.mnuViewClues_Click();
        QCOMPARE(main.state().clueTable[0].clue, "Short sleep");
        QVERIFY2(listed.contains(" 2. Short sleep"), qPrintable(listed));
        QCOMPARE(main.history().undoText(), "Edit NAP 2 Down");
    }

    // Closing the window (Exit, Ctrl+X, the close button) with a clue placed since the
    // last save asks first; so does New. Cancel, or a save that does not happen, keeps
    // the window and the crossword.
    void asksBeforeUnsavedWorkIsSetAside_data()
    {
        QTest::addColumn<bool>("placed");
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("closed");
        QTest::newRow("nothing unsaved") << false << int(SaveChoice::Cancel) << "" << true;
        QTest::newRow("cancel") << true << int(SaveChoice::Cancel) << "" << false;
        QTest::newRow("discard") << true << int(SaveChoice::Discard) << "" << true;
        QTest::newRow("save") << true << int(SaveChoice::Save) << "T" << true;
        QTest::newRow("save, naming cancelled") << true << int(SaveChoice::Save) << "" << false;
    }
    void asksBeforeUnsavedWorkIsSetAside()
    {
        QFETCH(bool, placed);
        QFETCH(int, choice);
        QFETCH(QString, name);
        QFETCH(bool, closed);
        AppWindow app;
        app.startCrossword(5, 5);
        ScriptedUi& ui = app.ui;
        Main& main = *app.main;
        if (placed) {
            place(app, {0, 0}, "SUN", "a");
            QCOMPARE(main.state().clueCount, 1);
            // New, cancelled, keeps the crossword as it is.
            ui.saveChoices << SaveChoice::Cancel;
            main.mnuNewCrossWord_Click();
            QCOMPARE(main.state().clueCount, 1);
        }
        ui.shown.clear();
        ui.saveChoices << SaveChoice(choice);
        if (!name.isEmpty())
            willName(ui, name);
        QCOMPARE(main.close(), closed);
        QCOMPARE(ui.shown.size(), placed ? 1 : 0);
        if (placed)
            QCOMPARE(ui.shown[0].text, "Save changes to the new crossword before closing?");
        QCOMPARE(main.state().clueCount, placed ? 1 : 0);
        QCOMPARE(storedRows(ui.databaseFileReply).size(), name.isEmpty() ? 0 : 1);
    }
};

QUILLGRID_TEST(EditHistoryTest);
#include "EditHistoryTest.moc"
