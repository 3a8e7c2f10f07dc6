#include "model/ReplyNumber.h"
#include "support/TestRegistry.h"

#include <QTest>

Q_DECLARE_METATYPE(std::optional<qint16>)

class ReplyNumberTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsLikeTheGridPrompts_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<std::optional<qint16>>("value");
        const auto v = [](int n) { return std::optional<qint16>(qint16(n)); };
        const std::optional<qint16> tooLarge;

        QTest::newRow("blanks around and between digits") << " 2 5 " << v(25);
        QTest::newRow("tab and newline ignored") << "\t2\n5" << v(25);
        QTest::newRow("fraction rounded down") << "25.9" << v(25);
        QTest::newRow("negative fraction rounds down") << "-0.5" << v(-1);
        QTest::newRow("plus sign") << "+7" << v(7);
        QTest::newRow("empty") << "" << v(0);
        QTest::newRow("stops at a letter") << "12abc" << v(12);
        QTest::newRow("stops at a second point") << "1.2.3" << v(1);
        QTest::newRow("leading point") << ".5" << v(0);
        QTest::newRow("lone sign") << "-" << v(0);
        QTest::newRow("exponent") << "2e1" << v(20);
        QTest::newRow("exponent without digits, then a letter") << "3ex" << v(3);
        QTest::newRow("largest 16-bit") << "32767" << v(32767);
        QTest::newRow("smallest 16-bit") << "-32768" << v(-32768);
        QTest::newRow("past 16 bits") << "32768" << tooLarge;
        QTest::newRow("below 16 bits") << "-32769" << tooLarge;
        QTest::newRow("past double") << "1e999" << tooLarge;
    }
    void readsLikeTheGridPrompts()
    {
        QFETCH(QString, reply);
        QFETCH(std::optional<qint16>, value);
        QCOMPARE(readReplyNumber(reply), value);
    }
};

QUILLGRID_TEST(ReplyNumberTest);
#include "ReplyNumberTest.moc"
