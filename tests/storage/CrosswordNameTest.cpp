#include "StorageDesk.h"
#include "support/TestRegistry.h"

#include <QLineEdit>
#include <QStringListModel>
#include <QTest>

using namespace StorageTestKit;
using Purpose = CrosswordName::Purpose;

Q_DECLARE_METATYPE(CrosswordName::Purpose)

namespace {

// The real dialog over a file of another program's holding "Alpha" and "beta", shown as
// a window.
struct NameDesk : Desk {
    NameDesk()
    {
        Peer(path).run(untypedTables +
                       "INSERT INTO CrosswordID VALUES (1, 'Alpha', 5, 5), (2, 'beta', 5, 5)");
    }
    QComboBox* box() const { return dialog.findChild<QComboBox*>("xwordname"); }
    QPushButton* button(const char* name) const { return dialog.findChild<QPushButton*>(name); }
    QStringList listed() const
    {
        return qobject_cast<QStringListModel*>(box()->model())->stringList();
    }
    bool showFor(Purpose purpose)
    {
        if (!dialog.prepare(purpose).ok())
            return false;
        dialog.show();
        dialog.activateWindow();
        return QTest::qWaitForWindowActive(&dialog);
    }
};

}  // namespace

class CrosswordNameTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Stored: "Alpha", "beta". Open wants a listed name; Name wants a new, non-empty one.
    // Only Ok and Enter confirm.
    void confirmsOnlyWhatTheModeAllows_data()
    {
        QTest::addColumn<Purpose>("purpose");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("refusedAsTaken");
        const auto row = [](const char* name, Purpose purpose, const char* typed, bool accepted,
                            bool taken = false, const char* way = "Ok") {
            QTest::newRow(name) << purpose << QString(typed) << QString(way) << accepted << taken;
        };
        row("open: a listed name", Purpose::Open, "beta", true);
        row("open: other letter case", Purpose::Open, "alpha", false);
        row("open: a trailing blank", Purpose::Open, "Alpha ", false);
        row("open: empty", Purpose::Open, "", false);
        row("name: a listed name", Purpose::Name, "Alpha", false, true);
        row("name: other letter case", Purpose::Name, "BETA", true);
        row("name: a trailing blank", Purpose::Name, "beta ", true);
        row("name: new", Purpose::Name, "Gamma", true);
        row("name: blanks only", Purpose::Name, "  ", true);
        row("name: empty", Purpose::Name, "", false);
        row("name: new, Enter", Purpose::Name, "Gamma", true, false, "Enter");
        // Enter lets the combo box's completion at the text: it must arrive as typed.
        row("open: other letter case, Enter", Purpose::Open, "alpha", false, false, "Enter");
        row("name: other letter case, Enter", Purpose::Name, "ALPHA", true, false, "Enter");
        row("name: new, Cancel", Purpose::Name, "Gamma", false, false, "Cancel");
    }
    void confirmsOnlyWhatTheModeAllows()
    {
        QFETCH(Purpose, purpose);
        QFETCH(QString, typed);
        QFETCH(QString, way);
        QFETCH(bool, accepted);
        QFETCH(bool, refusedAsTaken);
        NameDesk desk;
        QVERIFY(desk.showFor(purpose));
        QTRY_VERIFY(desk.box()->hasFocus());  // the name is typed straight away
        QTest::keyClicks(QApplication::focusWidget(), typed);
        if (way == "Ok")
            desk.button("OK")->click();
        else if (way == "Enter")
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        else
            desk.button("Cancel")->click();

        QCOMPARE(desk.dialog.isVisible(), !accepted && way != "Cancel");
        QCOMPARE(desk.dialog.chosen(), accepted ? std::optional(typed) : std::nullopt);
        QCOMPARE(desk.ui.messages(),
                 refusedAsTaken ? QStringList{"Cannot replace the old Crossword with the new "
                                              "one. Give another name."}
                                : QStringList());
        if (refusedAsTaken)
            QCOMPARE(desk.ui.shown[0].caption, "Save Error");
        // Confirming never adds to the list: only stored names belong there.
        QCOMPARE(desk.listed(), QStringList({"Alpha", "beta"}));
    }

    // Each showing reads the list afresh, in stored order, and starts empty, Tab running
    // from the name to Ok to Cancel. A row without a name cannot be asked for by name: it
    // is left out, and said so where a crossword is to be opened.
    void readsTheListAfreshAtEachShowing()
    {
        NameDesk desk;
        QCOMPARE(Peer(desk.path).run("INSERT INTO CrosswordID VALUES (7, NULL, 5, 5)"),
                 QStringList());
        QVERIFY(desk.showFor(Purpose::Name));
        QCOMPARE(desk.ui.messages(), QStringList());
        QTest::keyClicks(desk.box()->lineEdit(), "typed, then cancelled");
        desk.dialog.reject();
        QVERIFY(desk.db.storeClues("Alpha ", QSize(5, 5), {}).ok());
        QVERIFY(desk.showFor(Purpose::Open));
        QCOMPARE(desk.listed(), QStringList({"Alpha", "beta", "Alpha "}));
        QCOMPARE(desk.box()->currentText(), QString());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // from the name to Ok
        QTRY_VERIFY(desk.button("OK")->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);  // then to Cancel
        QTRY_VERIFY(desk.button("Cancel")->hasFocus());
        QCOMPARE(desk.ui.messages(),
                 QStringList{"Crosswords without a name cannot be opened and are left out of the "
                             "list: CrossID 7 in \"" +
                             desk.path + "\"."});
    }
};

QUILLGRID_TEST(CrosswordNameTest);
#include "CrosswordNameTest.moc"
