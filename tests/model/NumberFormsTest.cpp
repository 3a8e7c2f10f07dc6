#include "model/NumberText.h"
#include "model/Rounding.h"
#include "support/TestRegistry.h"

#include <QTest>

class NumberFormsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void numberTextKeepsTheSignPlace_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0 << " 0";
        QTest::newRow("negative") << -7 << "-7";
        QTest::newRow("origin at 600 dpi") << 709 << " 709";
    }
    void numberTextKeepsTheSignPlace()
    {
        QFETCH(int, number);
        QFETCH(QString, text);
        QCOMPARE(numberText(number), text);
    }

    void roundsHalvesToEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<long long>("rounded");
        QTest::newRow("12.5 down to even") << 12.5 << 12LL;
        QTest::newRow("13.5 up to even") << 13.5 << 14LL;
        QTest::newRow("below half") << 23.2 << 23LL;
        QTest::newRow("above half") << 26.6 << 27LL;
        QTest::newRow("negative half to even") << -2.5 << -2LL;
        QTest::newRow("negative odd half") << -3.5 << -4LL;
    }
    void roundsHalvesToEven()
    {
        QFETCH(double, value);
        QFETCH(long long, rounded);
        QCOMPARE(roundHalfEven(value), rounded);
    }
};

QUILLGRID_TEST(NumberFormsTest);
#include "NumberFormsTest.moc"
