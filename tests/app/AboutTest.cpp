#include "app/About.h"
#include "support/TestRegistry.h"

#include <QLabel>
#include <QTest>

class AboutTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void showsEachPartOnALineOfItsOwnInOrder()
    {
        About about;
        const auto* label = about.findChild<QLabel*>(QStringLiteral("Label1"));
        QVERIFY(label);
        const QStringList lines = label->text().split(u'\n');
        QVERIFY(lines.size() >= 4);
        QCOMPARE(lines.at(0), QStringLiteral("Name Of the Software : Quillgrid V1.0.0"));
        QCOMPARE(lines.at(1), QStringLiteral("Purpose of the Software:"));
        QVERIFY(lines.at(2).startsWith(QStringLiteral("To facilitate easy preparation")));
        QVERIFY(lines.at(2).endsWith(
            QStringLiteral("A print-out containing all the clues can also be taken.")));
        QVERIFY(lines.at(2).contains(QStringLiteral("a maximum size of 30x30")));
        QCOMPARE(lines.size(), 7);
        QVERIFY(lines.at(3).contains(QStringLiteral("Quillgrid developers")));
    }

    void theWholeTextFitsTheBox()
    {
        About about;
        const auto* label = about.findChild<QLabel*>(QStringLiteral("Label1"));
        QVERIFY(label->height() >= label->heightForWidth(label->width()));
        QVERIFY(about.height() >= label->geometry().bottom());
        QCOMPARE(label->width(), 225);
        QCOMPARE(label->pos(), QPoint(40, 8));
    }
};

QUILLGRID_TEST(AboutTest);
#include "AboutTest.moc"
