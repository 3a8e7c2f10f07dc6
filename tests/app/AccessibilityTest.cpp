#include "app/About.h"
#include "app/Main.h"
#include "editing/ClueForm.h"
#include "printing/ClueList.h"
#include "printing/QtPrintDevice.h"
#include "storage/CrosswordDatabase.h"
#include "storage/CrosswordName.h"
#include "support/ScriptedUi.h"
#include "support/TestRegistry.h"

#include <QAccessible>
#include <QTemporaryDir>
#include <QMenuBar>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// Roles a person operates or reads; each must tell a screen reader what it is.
bool needsName(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::MenuItem:
    case QAccessible::StaticText:
    case QAccessible::Client:
    case QAccessible::Dialog:
    case QAccessible::Window:
        return true;
    default:
        return false;
    }
}

void collectUnnamed(QAccessibleInterface* node, const QString& path, QStringList& unnamed)
{
    if (!node || !node->isValid())
        return;
    // Parts of a control (a list's items, a scroll bar's buttons) have no object of their own.
    const QString name = node->object() ? node->object()->objectName() : QStringLiteral("part");
    const QString here = path + QLatin1Char('/') + name +
                         QLatin1Char('(') + QString::number(node->role(), 16) +
                         QLatin1Char(')');
    // Qt's own scaffolding inside a control (a scroll area's viewport) is not ours to name.
    const bool scaffolding = name.startsWith(QLatin1String("qt_"));
    if (needsName(node->role()) && !scaffolding &&
        node->text(QAccessible::Name).trimmed().isEmpty() && !node->state().invisible)
        unnamed << here;
    for (int i = 0; i < node->childCount(); ++i)
        collectUnnamed(node->child(i), here, unnamed);
}

QStringList unnamedControls(QWidget& window)
{
    QStringList unnamed;
    collectUnnamed(QAccessible::queryAccessibleInterface(&window), {}, unnamed);
    return unnamed;
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyControlHasAName_data()
    {
        QTest::addColumn<std::function<void(std::function<void(QWidget&)>)>>("withWindow");
        QTest::newRow("Main") << std::function([](std::function<void(QWidget&)> check) {
            ScriptedUi ui;
            Main main(&ui);
            main.show();
            check(main);
        });
        QTest::newRow("About") << std::function([](std::function<void(QWidget&)> check) {
            About about;
            about.show();
            check(about);
        });
        QTest::newRow("ClueForm") << std::function([](std::function<void(QWidget&)> check) {
            PuzzleState state;
            ClueForm form(state);
            form.show();
            check(form);
        });
        QTest::newRow("CrosswordName") << std::function([](std::function<void(QWidget&)> check) {
            QTemporaryDir folder;
            CrosswordDatabase database(folder.filePath(QStringLiteral("xword.mdb")));
            ScriptedUi ui;
            CrosswordName dialog(database, ui);
            dialog.show();
            check(dialog);
        });
        QTest::newRow("ClueList") << std::function([](std::function<void(QWidget&)> check) {
            PuzzleState state;
            state.clueCount = 1;
            state.clueTable[0] = {QStringLiteral("Day star"), QStringLiteral("SUN"), 0, 0, 1, true};
            QtPrintDevice device;
            ScriptedUi ui;
            ClueList list(state, device, ui);
            list.show();
            check(list);
        });
    }
    void everyControlHasAName()
    {
        using WithWindow = std::function<void(std::function<void(QWidget&)>)>;
        QFETCH(WithWindow, withWindow);
        QStringList unnamed{QStringLiteral("window never checked")};
        withWindow([&](QWidget& window) {
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            unnamed = unnamedControls(window);
        });
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    }
};

QUILLGRID_TEST(AccessibilityTest);
#include "AccessibilityTest.moc"
