#include "app/About.h"
#include "support/TestRegistry.h"

#include <QLabel>
#include <QTest>

class AboutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Each part on a line of its own, in order, and no line cut off by the box.
    void showsEachPartOnALineOfItsOwnAndWhole()
    {
        About about;
        const auto* label = about.findChild<QLabel*>(QStringLiteral("Label1"));
        QVERIFY(label);
        const QStringList lines = label->text().split(u'\n');
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines.at(0), QStringLiteral("Name Of the Software : Quillgrid V1.0.0"));
        QCOMPARE(lines.at(1), QStringLiteral("Purpose of the Software:"));
        QVERIFY(lines.at(2).contains(QStringLiteral("a maximum size of 30x30")));
        QVERIFY(label->height() >= label->heightForWidth(label->width()));
        QVERIFY(about.height() >= label->geometry().bottom());
    }
};

QUILLGRID_TEST(AboutTest);
#include "AboutTest.moc"
