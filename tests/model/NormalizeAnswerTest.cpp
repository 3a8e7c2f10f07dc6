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
        QTest::newRow("blank and apostrophe") << "new york's" << "NEWYORKS";
        QTest::newRow("digits and hyphen") << "R2-D2" << "RD";
        QTest::newRow("letters beyond ASCII") << QString::fromUtf8("caf\u00e9 \u00c5se\u00df")
                                              << "CAFSE";
        QTest::newRow("neighbours of the letter ranges") << "@[`{AZaz" << "AZAZ";
    }
    void keepsAsciiLettersInCapitals()
    {
        QFETCH(QString, typed);
        QFETCH(QString, answer);
        QCOMPARE(NormalizeAnswer(typed), answer);
    }
};

QUILLGRID_TEST(NormalizeAnswerTest);
#include "NormalizeAnswerTest.moc"
