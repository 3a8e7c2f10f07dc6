#include "editing/ClueForm.h"
#include "model/PuzzleState.h"
#include "support/TestRegistry.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

struct Form {
    PuzzleState state;
    ClueForm form{state};

    template <typename Control = QWidget>
    Control* child(const QString& name) const
    {
        return form.findChild<Control*>(name);
    }
};

}  // namespace

class ClueFormTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void isTheDialogTheRestOfTheProgramExpects()
    {
        Form f;
        QVERIFY(!f.child<QComboBox>("direction")->isEditable());
        QVERIFY(f.child<QPushButton>("update")->isDefault());
        // The captions must fit the fixed places the form gives them.
        for (const QWidget* control : f.form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            QVERIFY2(control->sizeHint().width() <= control->width(),
                     qPrintable(control->objectName()));
        }
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
        // A pasted clue is kept whole, however long: stored texts have no limit.
        QApplication::clipboard()->setText(QString(40000, u'x'));
        QTest::keySequence(f.child("clue"), QKeySequence::Paste);
        QCOMPARE(f.child<QLineEdit>("clue")->text().size(), 40000);
        f.form.hide();
    }

    // The entry is typed with blanks and lower case, which the dialog hands over untouched.
    void leavesTheDialog_data()
    {
        QTest::addColumn<QString>("control");  // clicked, or given the key; none: closed
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("handsOver");
        QTest::addColumn<bool>("keepsTheEntry");
        QTest::newRow("Update clicked") << "update" << 0 << true << true;
        QTest::newRow("Enter in the answer") << "answer" << int(Qt::Key_Return) << true << true;
        QTest::newRow("keypad Enter in the answer")
            << "answer" << int(Qt::Key_Enter) << true << true;
        QTest::newRow("Esc") << "answer" << int(Qt::Key_Escape) << false << true;
        QTest::newRow("Cancel clicked") << "Cancel" << 0 << false << true;
        QTest::newRow("close control") << "" << 0 << false << false;
    }
    void leavesTheDialog()
    {
        QFETCH(QString, control);
        QFETCH(int, key);
        QFETCH(bool, handsOver);
        QFETCH(bool, keepsTheEntry);
        const QString clue = QStringLiteral("  Bright flower ");
        const QString answer = QStringLiteral(" sun flower ");
        Form f;
        f.state.entryAcross = true;  // left there by the placement; Down must replace it
        QTimer::singleShot(0, &f.form, [&] {
            QTest::keyClicks(f.child("clue"), clue);
            QTest::keyClicks(f.child("answer"), answer);
            f.child<QComboBox>("direction")->setCurrentIndex(0);
            if (control.isEmpty())
                f.form.close();
            else if (key == 0)
                QTest::mouseClick(f.child(control), Qt::LeftButton);
            else
                QTest::keyClick(f.child(control), Qt::Key(key),
                                key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        });
        // A dialog left open fails on the test function's time limit.
        f.form.exec();
        QVERIFY(!f.form.isVisible());
        QCOMPARE(f.state.entryClue, handsOver ? clue : QString());
        QCOMPARE(f.state.entryAnswer, handsOver ? answer : QString());
        QCOMPARE(f.state.entryAcross, !handsOver);
        // What the next click on the grid will show.
        QCOMPARE(f.child<QLineEdit>("clue")->text(), keepsTheEntry ? clue : QString());
        QCOMPARE(f.child<QLineEdit>("answer")->text(), keepsTheEntry ? answer : QString());
        QCOMPARE(f.child<QComboBox>("direction")->currentText(),
                 keepsTheEntry ? "Down" : "Across");
    }
};

QUILLGRID_TEST(ClueFormTest);
#include "ClueFormTest.moc"
