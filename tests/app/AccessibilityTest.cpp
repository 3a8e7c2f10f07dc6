#include "app/About.h"
#include "app/Main.h"
#include "support/ScriptedUi.h"
#include "support/TestRegistry.h"

#include <QAccessible>
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
    const QString here = path + QLatin1Char('/') + node->object()->objectName() +
                         QLatin1Char('(') + QString::number(node->role(), 16) +
                         QLatin1Char(')');
    if (needsName(node->role()) && node->text(QAccessible::Name).trimmed().isEmpty() &&
        !node->state().invisible)
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
        QCOMPARE(unnamed, QStringList());
    }
};

QUILLGRID_TEST(AccessibilityTest);
#include "AccessibilityTest.moc"
