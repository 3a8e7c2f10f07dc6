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
#include <QLabel>
#include <QTemporaryDir>
#include <QMenuBar>
#include <QTest>

#include <algorithm>
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

// The caption's ink as the window shows it, in its parent's pixels: from a picture of the
// label alone, at the screen's own scale.
QRectF captionInk(QLabel& label)
{
    const QImage alone = label.grab().toImage();
    QRect ink;
    for (int y = 0; y < alone.height(); ++y) {
        for (int x = 0; x < alone.width(); ++x)
            ink |= qGray(alone.pixel(x, y)) < 128 ? QRect(x, y, 1, 1) : QRect();
    }
    const qreal scale = alone.devicePixelRatio();
    return QRectF(QPointF(ink.topLeft()) / scale,
                  QPointF(ink.bottomRight() + QPoint(1, 1)) / scale)
        .translated(label.pos());
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
            state.clueTable[0] = {QStringLiteral("Day star"), QStringLiteral("SUN"), 0, 0, 1,
                                  true};
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

    // No control hides any part of a caption, whatever the screen's density: the suite
    // runs this at 96, 100, 120 and 144 dots per inch.
    void everyCaptionShowsWhole_data() { everyControlHasAName_data(); }
    void everyCaptionShowsWhole()
    {
        using WithWindow = std::function<void(std::function<void(QWidget&)>)>;
        QFETCH(WithWindow, withWindow);
        QStringList hidden{QStringLiteral("window never checked")};
        withWindow([&](QWidget& window) {
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            hidden.clear();
            for (QLabel* label : window.findChildren<QLabel*>()) {
                if (label->window() != &window)
                    continue;
                const QRectF ink = captionInk(*label);
                // Later siblings are drawn over the label.
                const QObjectList& siblings = label->parentWidget()->children();
                const bool covered =
                    std::any_of(siblings.begin() + siblings.indexOf(label) + 1, siblings.end(),
                                [&](QObject* sibling) {
                                    auto* widget = qobject_cast<QWidget*>(sibling);
                                    return widget && widget->isVisible() &&
                                           QRectF(widget->geometry()).intersects(ink);
                                });
                if (covered || !QRectF(label->geometry()).contains(ink))
                    hidden << label->objectName();
            }
        });
        QVERIFY2(hidden.isEmpty(), qPrintable(hidden.join(QStringLiteral(", "))));
    }
};

QUILLGRID_TEST(AccessibilityTest);
#include "AccessibilityTest.moc"
