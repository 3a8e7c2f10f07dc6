#include "editing/ClueForm.h"
#include "editing/WordListsDialog.h"
#include "fill/WordLists.h"
#include "model/PuzzleState.h"
#include "support/TestRegistry.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

class FillHelpTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        // The setter's own settings are never read or written here.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings_.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings_.path());
    }

    // Typed as a setter would: the clue, the answer's first letters, then Tab to the words
    // that fit, Down, Enter; the earlier clue chosen the same way. Update then hands over
    // just what the dialog without the fill help would, and the next showing starts in the
    // clue box, its text selected.
    void aChosenWordIsHandedOverByUpdate()
    {
        QTemporaryDir folder;
        QFile list(folder.filePath("list.txt"));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("SUNNY;90\nSUN;50\nSUNG;40\nSAND;60\nSUNDAE;99\n");
        list.close();
        WordLists lists;
        lists.load({{list.fileName()}, 0});
        QTRY_VERIFY(!lists.loading());

        PuzzleState state;
        state.reset(5, 5);
        state.gridLetters[2][1] = "N";
        ClueForm form(state);
        form.addFillHelp(lists, [](const QString& answer) {
            return answer == "SUN"
                       ? EarlierClues{{{"Spring", "Day star"}, {"Winter", "It rises"}}, {}}
                       : EarlierClues();
        });
        QVERIFY(form.fillHelpShown());
        form.startAt(QPoint(0, 1));

        auto* words = form.findChild<QAbstractItemView*>("fillWords");
        auto* earlier = form.findChild<QTreeWidget*>("earlierClues");
        QString run;
        QStringList offered;
        QTimer::singleShot(0, &form, [&] {
            QVERIFY(QTest::qWaitForWindowActive(&form));
            // No control of the panel lies over another.
            const QList<QWidget*> controls =
                form.findChild<QWidget*>("fillHelp")
                    ->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
            for (qsizetype i = 0; i < controls.size(); ++i) {
                for (qsizetype j = 0; j < i; ++j)
                    QVERIFY2(!controls[i]->geometry().intersects(controls[j]->geometry()),
                             qPrintable(controls[i]->objectName() + " on " +
                                        controls[j]->objectName()));
            }
            QTest::keyClicks(QApplication::focusWidget(), "Bright");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClicks(QApplication::focusWidget(), "su");
            run = form.findChild<QLabel*>("fillRun")->text();
            for (int i = 0; i < 4; ++i)  // direction, Update, Cancel, the pattern
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            for (int row = 0; row < words->model()->rowCount(); ++row)
                offered << words->model()->index(row, 0).data().toString();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QTRY_COMPARE(earlier->topLevelItemCount(), 2);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        QTimer::singleShot(5000, &form, [&] { form.done(QDialog::Rejected); });
        form.exec();
        QCOMPARE(run, "Across from row 2, column 1: ??N??");
        QCOMPARE(offered, QStringList({"SUNNY", "SUN", "SUNG"}));
        QCOMPARE(state.entryClue, "Bright");
        QCOMPARE(state.entryAnswer, "SUN");
        QVERIFY(state.entryAcross);

        // Shown again: the clue box has the focus and its text is selected.
        QString selected;
        QTimer::singleShot(0, &form, [&] {
            QVERIFY(QTest::qWaitForWindowActive(&form));
            selected = QApplication::focusWidget()->objectName() + ": " +
                       form.findChild<QLineEdit*>("clue")->selectedText();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        });
        form.exec();
        QCOMPARE(selected, "clue: Bright");

        // Hidden, the dialog is its own size again, and the setting outlives the dialog.
        const QSize own = ClueForm(state).size();
        form.setFillHelpShown(false);
        QCOMPARE(form.size(), own);
        ClueForm later(state);
        later.addFillHelp(lists, {});
        QVERIFY(!later.fillHelpShown());
        form.setFillHelpShown(true);
    }

    // The lists' dialog as a setter works it: Alt+H to the score, typed over; Alt+S to the
    // fill help's box, toggled; Enter. What it hands back is what was typed.
    void wordListsDialogTakesTypedChoices()
    {
        WordListsDialog dialog({{}, 0}, true);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTest::keyClick(&dialog, Qt::Key_H, Qt::AltModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), "40");
        // The shortcut clicks the box as a button does, a moment later.
        QTest::keyClick(&dialog, Qt::Key_S, Qt::AltModifier);
        QTRY_VERIFY(!dialog.fillHelpShown());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.choice(), (WordListChoice{{}, 40}));
    }

private:
    QTemporaryDir settings_;
};

QUILLGRID_TEST(FillHelpTest);
#include "FillHelpTest.moc"
