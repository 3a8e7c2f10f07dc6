#include "model/ClueNumbering.h"
#include "model/ClueNumbers.h"
#include "model/NormalizeAnswer.h"
#include "model/NumberText.h"
#include "model/PuzzleState.h"
#include "model/ReplyNumber.h"
#include "model/Rounding.h"
#include "support/TestRegistry.h"

#include <QTest>

using Number = std::optional<qint16>;
Q_DECLARE_METATYPE(Number)

class ModelTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsRepliesLikeTheGridPrompts_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<Number>("value");  // none: out of 16 bits
        QTest::newRow("blanks around and between digits") << " 2 5 " << Number(25);
        QTest::newRow("tab and newline ignored") << "\t2\n5" << Number(25);
        QTest::newRow("fraction rounded down") << "25.9" << Number(25);
        QTest::newRow("negative fraction rounds down") << "-0.5" << Number(-1);
        QTest::newRow("plus sign") << "+7" << Number(7);
        QTest::newRow("empty") << "" << Number(0);
        QTest::newRow("stops at a letter") << "12abc" << Number(12);
        QTest::newRow("stops at a second point") << "1.2.3" << Number(1);
        QTest::newRow("leading point") << ".5" << Number(0);
        QTest::newRow("lone sign") << "-" << Number(0);
        QTest::newRow("exponent") << "2e1" << Number(20);
        QTest::newRow("exponent with a sign") << "25E-1" << Number(2);
        QTest::newRow("exponent without digits, then a letter") << "3ex" << Number(3);
        QTest::newRow("largest 16-bit") << "32767" << Number(32767);
        QTest::newRow("smallest 16-bit") << "-32768" << Number(-32768);
        QTest::newRow("past 16 bits") << "32768" << Number();
        QTest::newRow("below 16 bits") << "-32769" << Number();
        QTest::newRow("past double") << "1e999" << Number();
    }
    void readsRepliesLikeTheGridPrompts()
    {
        QFETCH(QString, reply);
        QFETCH(Number, value);
        QCOMPARE(readReplyNumber(reply), value);
    }

    void foldsTheLettersOfAnAnswerToCapitals_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("refused");  // the letter named, "" when none
        const auto row = [](const char* name, const char* typed, const char* answer,
                            const char* refused = "") {
            QTest::newRow(name) << QString::fromUtf8(typed) << answer
                                << QString::fromUtf8(refused);
        };
        row("blank and apostrophe", "new york's", "NEWYORKS");
        row("digits and hyphen", "R2-D2", "RD");
        row("neighbours of the letter ranges", "@[`{AZaz", "AZAZ");
        row("accents, composed", "caf\u00e9 na\u00efve \u00c5SE", "CAFENAIVEASE");
        row("accents, typed as separate marks", "cafe\u0301 nai\u0308ve", "CAFENAIVE");
        row("by hand", "Stra\u00dfe \u00e6on \u0152uvre s\u00f8 \u00fe\u00f0\u0142\u0131",
            "STRASSEAEONOEUVRESOTHDLI");
        row("compatibility forms; emoji dropped", "\ufb01n \uff21 \u02bcn\U0001F31E", "FINAN");
        row("Greek", "caf\u00e9 \u03a9mega", "CAFEMEGA", "\u03a9");
        row("Cyrillic after a fold", "\u00e9\u0436\u0443\u043a", "E", "\u0436");
        row("CJK beyond 16 bits", "a\U00020000b", "AB", "\U00020000");
    }
    void foldsTheLettersOfAnAnswerToCapitals()
    {
        QFETCH(QString, typed);
        QFETCH(QString, answer);
        QFETCH(QString, refused);
        QCOMPARE(NormalizeAnswer(typed), answer);
        QCOMPARE(unfoldableLetter(typed), refused);
    }

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

    // Only filed clues count: a table left from an earlier crossword numbers no cell.
    void theFirstFiledClueStartingInTheCellNumbersIt()
    {
        PuzzleState state;
        state.clueTable[0] = ClueEntry{"Old", "OLD", 2, 3, 7, true};
        QCOMPARE(firstClueNumberAt(state, 2, 3), Number());
        state.clueTable[1] = ClueEntry{"New", "NEW", 2, 3, 8, false};
        state.clueCount = 2;
        QCOMPARE(firstClueNumberAt(state, 2, 3), Number(7));
        QCOMPARE(firstClueNumberAt(state, 3, 2), Number());
    }

    // Whether anything changed decides whether the window redraws the numbers.
    void numbersInReadingOrderSayingWhetherAnyChanged()
    {
        PuzzleState state;
        state.reset(5, 5);
        state.fileClue({"Doze", "NAP", 2, 0, 1, false});
        state.fileClue({"Star", "SUN", 0, 0, 2, true});
        QVERIFY(ClueNumbering::numberInReadingOrder(state));
        QCOMPARE(state.clueTable[1].number, 1);
        QVERIFY(!ClueNumbering::numberInReadingOrder(state));
    }
};

QUILLGRID_TEST(ModelTest);
#include "ModelTest.moc"
