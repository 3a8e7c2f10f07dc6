#include "app/About.h"
#include "app/Main.h"
#include "editing/ClueForm.h"
#include "printing/ClueList.h"
#include "printing/QtPrintDevice.h"
#include "printing/TestCrosswords.h"
#include "storage/CrosswordDatabase.h"
#include "storage/CrosswordName.h"
#include "support/Ink.h"
#include "support/ScriptedUi.h"
#include "support/TestRegistry.h"

#include <QAccessible>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

// Roles a person operates or reads; each must tell a screen reader what it is.
const QList<QAccessible::Role> namedRoles = {QAccessible::PushButton, QAccessible::EditableText,
                                             QAccessible::ComboBox,   QAccessible::MenuItem,
                                             QAccessible::StaticText, QAccessible::Client,
                                             QAccessible::Dialog,     QAccessible::Window};

void collectUnnamed(QAccessibleInterface* node, const QString& path, QStringList& unnamed)
{
    if (!node || !node->isValid())
        return;
    // Parts of a control (a list's items, a scroll bar's buttons) have no object of their own.
    const QString name = node->object() ? node->object()->objectName() : QStringLiteral("part");
    const QString here =
        QStringLiteral("%1/%2(%3)").arg(path, name, QString::number(node->role(), 16));
    // Qt's own scaffolding inside a control (a scroll area's viewport) is not ours to name.
    const bool scaffolding = name.startsWith(QLatin1String("qt_"));
    if (namedRoles.contains(node->role()) && !scaffolding &&
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
    const QRect ink = darkBounds(alone);
    const qreal scale = alone.devicePixelRatio();
    return QRectF(QPointF(ink.topLeft()) / scale,
                  QPointF(ink.bottomRight() + QPoint(1, 1)) / scale)
        .translated(label.pos());
}

// Cut off by the label's own edge, or drawn over by a later sibling.
bool partlyHidden(QLabel& label)
{
    const QRectF ink = captionInk(label);
    const QObjectList& siblings = label.parentWidget()->children();
    return !QRectF(label.geometry()).contains(ink) ||
           std::any_of(siblings.begin() + siblings.indexOf(&label) + 1, siblings.end(),
                       [&](QObject* sibling) {
                           auto* widget = qobject_cast<QWidget*>(sibling);
                           return widget && widget->isVisible() &&
                                  QRectF(widget->geometry()).intersects(ink);
                       });
}

// Every window a person meets, the clue list over a crossword of clues.
struct Windows {
    ScriptedUi ui;
    PuzzleState state = TestCrosswords::sample();
    QTemporaryDir folder;
    CrosswordDatabase database{folder.filePath(QStringLiteral("xword.mdb"))};
    QtPrintDevice device;
    Main main{&ui};
    About about;
    ClueForm form{state};
    CrosswordName name{database, ui};
    ClueList list{state, device, ui};
};

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Every control tells a screen reader what it is, and no control hides any part of a
    // caption, whatever the screen's density: the suite runs this at 96, 100, 120 and 144
    // dots per inch.
    void everyControlIsNamedAndEveryCaptionWhole()
    {
        Windows w;
        for (QWidget* window : QList<QWidget*>{&w.main, &w.about, &w.form, &w.name, &w.list}) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            QStringList faults;
            collectUnnamed(QAccessible::queryAccessibleInterface(window), {}, faults);
            for (QLabel* label : window->findChildren<QLabel*>()) {
                if (label->window() == window && partlyHidden(*label))
                    faults << QStringLiteral("caption ") + label->objectName();
            }
            QVERIFY2(faults.isEmpty(),
                     qPrintable(window->objectName() + ": " + faults.join(", ")));
            window->hide();
        }
    }
};

QUILLGRID_TEST(AccessibilityTest);
#include "AccessibilityTest.moc"
