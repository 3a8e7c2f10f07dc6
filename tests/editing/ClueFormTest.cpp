#include "editing/ClueForm.h"
#include "model/PuzzleState.h"
#include "support/ScriptedUi.h"
#include "support/TestRegistry.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

enum class Way {
    UpdateClick,
    EnterInClue,
    EnterInAnswer,
    KeypadEnter,
    Escape,
    CancelClick,
    CloseControl
};
enum class Run { Exec, Scripted };

struct Form {
    PuzzleState state;
    ClueForm form{state};

    QLineEdit* clue() const { return form.findChild<QLineEdit*>(QStringLiteral("clue")); }
    QLineEdit* answer() const { return form.findChild<QLineEdit*>(QStringLiteral("answer")); }
    QComboBox* direction() const {
        return form.findChild<QComboBox*>(QStringLiteral("direction"));
    }
    QPushButton* button(const char* name) const {
        return form.findChild<QPushButton*>(QLatin1String(name));
    }

    void leave(Way way) {
        switch (way) {
            case Way::UpdateClick:
                QTest::mouseClick(button("update"), Qt::LeftButton);
                break;
            case Way::EnterInClue:
                QTest::keyClick(clue(), Qt::Key_Return);
                break;
            case Way::EnterInAnswer:
                QTest::keyClick(answer(), Qt::Key_Return);
                break;
            case Way::KeypadEnter:
                QTest::keyClick(answer(), Qt::Key_Enter, Qt::KeypadModifier);
                break;
            case Way::Escape:
                QTest::keyClick(answer(), Qt::Key_Escape);
                break;
            case Way::CancelClick:
                QTest::mouseClick(button("Cancel"), Qt::LeftButton);
                break;
            case Way::CloseControl:
                form.close();
                break;
        }
    }

    // Shows the dialog the way the program does, or the way the scripted Ui stands in for
    // it, with `act` playing the person at the keyboard. Returns false when the dialog was
    // still open after the person had finished.
    bool show(Run run, const std::function<void()>& act) {
        if (run == Run::Scripted) {
            ScriptedUi ui;
            ui.dialogActions << [&](QDialog&) { act(); };
            ui.showModal(form);
            return true;
        }
        bool leftOpen = false;
        QTimer::singleShot(0, &form, act);
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &form, [&] {
            leftOpen = form.isVisible();
            form.done(QDialog::Rejected);
        });
        guard.start(5000);
        form.exec();
        guard.stop();
        return !leftOpen;
    }
};

}  // namespace

Q_DECLARE_METATYPE(Way)
Q_DECLARE_METATYPE(Run)

class ClueFormTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void placesEachControlByItsTwipsWithRoomForItsText_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        QTest::newRow("Label1") << "Label1"
                                << "QLabel" << QRect(48, 24, 33, 17) << "Clue :";
        QTest::newRow("clue") << "clue"
                              << "QLineEdit" << QRect(80, 16, 377, 25) << "";
        QTest::newRow("Label2") << "Label2"
                                << "QLabel" << QRect(32, 56, 49, 17) << "Answer :";
        QTest::newRow("answer") << "answer"
                                << "QLineEdit" << QRect(80, 48, 169, 25) << "";
        QTest::newRow("Label3") << "Label3"
                                << "QLabel" << QRect(272, 56, 73, 17) << "Which way ?";
        QTest::newRow("direction") << "direction"
                                   << "QComboBox" << QRect(352, 48, 105, 21) << "Across";
        QTest::newRow("update") << "update"
                                << "QPushButton" << QRect(104, 96, 105, 25) << "Update Crossword";
        QTest::newRow("Cancel") << "Cancel"
                                << "QPushButton" << QRect(288, 96, 105, 25) << "Cancel this Clue";
    }
    void placesEachControlByItsTwipsWithRoomForItsText() {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        Form f;
        const auto* control = f.form.findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->metaObject()->className(), kind);
        QCOMPARE(control->geometry(), geometry);
        const QByteArray textProperty =
            kind == QLatin1String("QComboBox") ? "currentText" : "text";
        QCOMPARE(control->property(textProperty).toString(), text);
        // Room for the whole caption, as the style would lay it out.
        QVERIFY2(control->sizeHint().width() <= geometry.width(),
                 qPrintable(QStringLiteral("wants %1 pixels").arg(control->sizeHint().width())));
    }

    void isTheDialogTheRestOfTheProgramExpects() {
        Form f;
        QCOMPARE(f.form.objectName(), QStringLiteral("ClueForm"));
        QCOMPARE(f.form.windowTitle(), QStringLiteral("Enter the Clue and Answer"));
        QCOMPARE(f.form.size(), QSize(463, 130));
        QVERIFY(!f.form.parentWidget());
        QComboBox* direction = f.direction();
        QCOMPARE(direction->count(), 2);
        QCOMPARE(direction->itemText(0), QStringLiteral("Down"));
        QCOMPARE(direction->itemText(1), QStringLiteral("Across"));
        QVERIFY(!direction->isEditable());
        QVERIFY(f.button("update")->isDefault());
        QVERIFY(!f.button("Cancel")->isDefault());
    }

    void tabsThroughTheControlsInOrder() {
        Form f;
        f.form.show();
        f.form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.form));
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited,
                 QStringList({"clue", "answer", "direction", "update", "Cancel", "clue"}));
        f.form.hide();
    }

    // Each way out, both inside a real modal loop and under the scripted Ui that tests of
    // the placement use. The entry is typed with blanks and lower case, which the dialog
    // must hand over untouched.
    void leavesTheDialog_data() {
        QTest::addColumn<Run>("run");
        QTest::addColumn<Way>("way");
        QTest::addColumn<bool>("handsOver");
        QTest::addColumn<bool>("keepsTheEntry");
        const struct {
            const char* name;
            Way way;
            bool handsOver;
            bool keeps;
        } ways[] = {
            {"Update clicked", Way::UpdateClick, true, true},
            {"Enter in the clue", Way::EnterInClue, true, true},
            {"Enter in the answer", Way::EnterInAnswer, true, true},
            {"keypad Enter in the answer", Way::KeypadEnter, true, true},
            {"Esc", Way::Escape, false, true},
            {"Cancel clicked", Way::CancelClick, false, true},
            {"close control", Way::CloseControl, false, false},
        };
        for (Run run : {Run::Exec, Run::Scripted}) {
            for (const auto& each : ways) {
                QTest::addRow("%s, %s", run == Run::Exec ? "modal loop" : "scripted", each.name)
                    << run << each.way << each.handsOver << each.keeps;
            }
        }
    }
    void leavesTheDialog() {
        QFETCH(Run, run);
        QFETCH(Way, way);
        QFETCH(bool, handsOver);
        QFETCH(bool, keepsTheEntry);
        const QString clue = QStringLiteral("  Bright flower ");
        const QString answer = QStringLiteral(" sun flower ");

        Form f;
        f.state.entryAcross = true;  // what the placement left there; Down must replace it
        const bool closed = f.show(run, [&] {
            QTest::keyClicks(f.clue(), clue);
            QTest::keyClicks(f.answer(), answer);
            f.direction()->setCurrentIndex(0);
            f.leave(way);
        });
        QVERIFY(closed);
        QVERIFY(!f.form.isVisible());

        QCOMPARE(f.state.entryClue, handsOver ? clue : QString());
        QCOMPARE(f.state.entryAnswer, handsOver ? answer : QString());
        QCOMPARE(f.state.entryAcross, !handsOver);

        // What the next click on the grid will show.
        QCOMPARE(f.clue()->text(), keepsTheEntry ? clue : QString());
        QCOMPARE(f.answer()->text(), keepsTheEntry ? answer : QString());
        QCOMPARE(f.direction()->currentText(), keepsTheEntry ? "Down" : "Across");
    }
};

QUILLGRID_TEST(ClueFormTest);
#include "ClueFormTest.moc"
