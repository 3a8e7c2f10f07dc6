#include "model/NormalizeAnswer.h"
#include "support/TestRegistry.h"

#include <QTest>

class NormalizeAnswerTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keepsAsciiLettersInCapitals_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("answer");
        QTest::newRow("blank inside") << "new york" << "NEWYORK";
        QTest::newRow("apostrophes") << "Rock'n'Roll" << "ROCKNROLL";
        QTest::newRow("digits and hyphen") << "R2-D2" << "RD";
        QTest::newRow("digits only") << "123" << "";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("lower case") << "sunflower" << "SUNFLOWER";
        QTest::newRow("upper case") << "SUNFLOWER" << "SUNFLOWER";
        QTest::newRow("accented letter dropped") << QString::fromUtf8("caf\u00e9") << "CAF";
        QTest::newRow("letters beyond ASCII dropped") << QString::fromUtf8("\u00c5se\u00df") << "SE";
        QTest::newRow("neighbours of the letter ranges") << "@[`{AZaz" << "AZAZ";
    }
    void keepsAsciiLettersInCapitals()
    {
        QFETCH(QString, typed);
        QFETCH(QString, answer);
        const QString before = typed;
        QCOMPARE(NormalizeAnswer(typed), answer);
        QCOMPARE(typed, before);
    }
};

QUILLGRID_TEST(NormalizeAnswerTest);
#include "NormalizeAnswerTest.moc"
