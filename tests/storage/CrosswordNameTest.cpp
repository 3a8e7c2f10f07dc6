#include "StorageTestKit.h"
#include "storage/CrosswordDatabase.h"
#include "storage/CrosswordName.h"
#include "support/ScriptedUi.h"
#include "support/TestRegistry.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace StorageTestKit;
using Purpose = CrosswordName::Purpose;

Q_DECLARE_METATYPE(CrosswordName::Purpose)

namespace {

// The real dialog over a database holding "Alpha" and "beta", shown as a window.
struct NameDesk {
    QTemporaryDir dir;
    CrosswordDatabase db{dir.filePath(QStringLiteral("xword.mdb"))};
    ScriptedUi ui;
    CrosswordName dialog{db, ui};

    NameDesk()
    {
        for (const char* name : {"Alpha", "beta"})
            db.storeClues(QLatin1String(name), QSize(5, 5), {});
    }

    QComboBox* box() const { return dialog.findChild<QComboBox*>(QStringLiteral("xwordname")); }
    QPushButton* button(const char* name) const
    {
        return dialog.findChild<QPushButton*>(QLatin1String(name));
    }

    bool showFor(Purpose purpose)
    {
        if (!dialog.prepare(purpose).ok())
            return false;
        dialog.show();
        return QTest::qWaitForWindowExposed(&dialog);
    }
};

}  // namespace

class CrosswordNameTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void looksAsDesigned_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("text");
        QTest::newRow("label") << "Label1" << QRect(32, 16, 121, 17) << "Name of the Crossword :";
        QTest::newRow("names") << "xwordname" << QRect(152, 16, 113, 21) << "";
        QTest::newRow("ok") << "OK" << QRect(56, 48, 73, 25) << "Ok";
        QTest::newRow("cancel") << "Cancel" << QRect(160, 48, 73, 25) << "Cancel";
    }
    void looksAsDesigned()
    {
        QFETCH(QString, control);
        QFETCH(QRect, geometry);
        QFETCH(QString, text);
        NameDesk desk;
        QCOMPARE(desk.dialog.objectName(), QStringLiteral("CrosswordName"));
        QCOMPARE(desk.dialog.windowTitle(), QStringLiteral("Name of the Crossword"));
        QCOMPARE(desk.dialog.size(), QSize(307, 76));
        auto* widget = desk.dialog.findChild<QWidget*>(control);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), geometry);
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            QCOMPARE(label->text(), text);
            // The whole caption is readable in its place, not cut off by the name field.
            QVERIFY(label->fontMetrics().horizontalAdvance(text) <= geometry.width());
        }
        if (auto* button = qobject_cast<QPushButton*>(widget))
            QCOMPARE(button->text(), text);
        QVERIFY(desk.button("OK")->isDefault());
        QVERIFY(!desk.button("Cancel")->isDefault());
        QVERIFY(desk.box()->isEditable());
        QVERIFY(!desk.dialog.isVisible());
    }

    void tabsFromTheNameToOkToCancel()
    {
        NameDesk desk;
        QVERIFY(desk.showFor(Purpose::Open));
        desk.dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&desk.dialog));
        QTRY_VERIFY(desk.box()->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_VERIFY(desk.button("OK")->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTRY_VERIFY(desk.button("Cancel")->hasFocus());
    }

    // Stored: "Alpha", "beta". Open wants a listed name; Name wants a new, non-empty one.
    void confirmsOnlyWhatTheModeAllows_data()
    {
        QTest::addColumn<Purpose>("purpose");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("refusedAsTaken");
        QTest::newRow("open: a listed name") << Purpose::Open << "beta" << true << false;
        QTest::newRow("open: other letter case") << Purpose::Open << "alpha" << false << false;
        QTest::newRow("open: a trailing blank") << Purpose::Open << "Alpha " << false << false;
        QTest::newRow("open: not listed") << Purpose::Open << "Gamma" << false << false;
        QTest::newRow("open: empty") << Purpose::Open << "" << false << false;
        QTest::newRow("name: a listed name") << Purpose::Name << "Alpha" << false << true;
        QTest::newRow("name: other letter case") << Purpose::Name << "BETA" << true << false;
        QTest::newRow("name: a trailing blank") << Purpose::Name << "beta " << true << false;
        QTest::newRow("name: new") << Purpose::Name << "Gamma" << true << false;
        QTest::newRow("name: blanks only") << Purpose::Name << "  " << true << false;
        QTest::newRow("name: empty") << Purpose::Name << "" << false << false;
    }
    void confirmsOnlyWhatTheModeAllows()
    {
        QFETCH(Purpose, purpose);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        QFETCH(bool, refusedAsTaken);
        NameDesk desk;
        QVERIFY(desk.showFor(purpose));
        desk.box()->setEditText(typed);
        desk.button("OK")->click();

        QCOMPARE(desk.dialog.isVisible(), !accepted);
        QCOMPARE(desk.dialog.chosen().has_value(), accepted);
        if (accepted)
            QCOMPARE(*desk.dialog.chosen(), typed);
        if (refusedAsTaken) {
            QCOMPARE(desk.ui.shown.size(), 1);
            QCOMPARE(desk.ui.shown.constFirst().text,
                     QStringLiteral("Cannot replace the old Crossword with the new one. "
                                    "Give another name."));
            QCOMPARE(desk.ui.shown.constFirst().caption, QStringLiteral("Save Error"));
        } else {
            QVERIFY(desk.ui.shown.isEmpty());
        }
        desk.dialog.hide();
    }

    void enterConfirmsATypedName()
    {
        NameDesk desk;
        QVERIFY(desk.showFor(Purpose::Name));
        desk.dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&desk.dialog));
        QTest::keyClicks(desk.box()->lineEdit(), QStringLiteral("Gamma"));
        QTest::keyClick(desk.box()->lineEdit(), Qt::Key_Return);
        QCOMPARE(desk.dialog.chosen(), std::optional<QString>(QStringLiteral("Gamma")));
        QVERIFY(!desk.dialog.isVisible());
        // Confirming never adds to the list: only stored names belong there.
        QCOMPARE(desk.box()->count(), 2);
    }

    void leavingWithoutConfirmingHandsBackNothing_data()
    {
        QTest::addColumn<QString>("way");
        QTest::newRow("Cancel") << "cancel";
        QTest::newRow("Esc") << "escape";
        QTest::newRow("the close control") << "close";
    }
    void leavingWithoutConfirmingHandsBackNothing()
    {
        QFETCH(QString, way);
        NameDesk desk;
        QVERIFY(desk.showFor(Purpose::Name));
        desk.dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&desk.dialog));
        desk.box()->setEditText(QStringLiteral("Gamma"));
        if (way == QLatin1String("cancel"))
            desk.button("Cancel")->click();
        else if (way == QLatin1String("escape"))
            QTest::keyClick(desk.box()->lineEdit(), Qt::Key_Escape);
        else
            desk.dialog.close();
        QVERIFY(!desk.dialog.isVisible());
        QVERIFY(!desk.dialog.chosen());
        QCOMPARE(desk.dialog.result(), int(QDialog::Rejected));
    }

    void readsTheListAfreshAtEachShowing()
    {
        NameDesk desk;
        QStringList firstList;
        QStringList secondList;
        QString secondText;
        const auto listOf = [](QDialog& dialog) {
            auto* box = dialog.findChild<QComboBox*>(QStringLiteral("xwordname"));
            QStringList items;
            for (int i = 0; i < box->count(); ++i)
                items << box->itemText(i);
            return items;
        };
        desk.ui.dialogActions << [&](QDialog& dialog) {
            firstList = listOf(dialog);
            dialog.findChild<QComboBox*>(QStringLiteral("xwordname"))
                ->setEditText(QStringLiteral("typed, then cancelled"));
        };
        QVERIFY(!desk.dialog.ask(Purpose::Name).value());

        QVERIFY(desk.db.storeClues(QStringLiteral("Alpha "), QSize(5, 5), {}).ok());
        desk.ui.dialogActions << [&](QDialog& dialog) {
            secondList = listOf(dialog);
            secondText = dialog.findChild<QComboBox*>(QStringLiteral("xwordname"))->currentText();
        };
        QVERIFY(!desk.dialog.ask(Purpose::Open).value());
        QCOMPARE(firstList, QStringList({"Alpha", "beta"}));
        QCOMPARE(secondList, QStringList({"Alpha", "beta", "Alpha "}));
        QCOMPARE(secondText, QString());
        QCOMPARE(desk.ui.modalDialogs,
                 QStringList({QStringLiteral("CrosswordName"), QStringLiteral("CrosswordName")}));
    }
};

QUILLGRID_TEST(CrosswordNameTest);
#include "CrosswordNameTest.moc"
