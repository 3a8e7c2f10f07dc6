#include "CrosswordReader.h"
#include "ExchangeCrosswords.h"
#include "exchange/IpuzWriter.h"
#include "printing/TestCrosswords.h"
#include "support/TestRegistry.h"

#include <QTest>

using TestCrosswords::place;

class IpuzWriterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsBackAsHeld_data()
    {
        QTest::addColumn<PuzzleState>("crossword");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<int>("cluesWithCells");

        QTest::newRow("no clues") << TestCrosswords::empty(3, 3) << "T"
                                  << "The crossword has no clues yet, so there is nothing to "
                                     "export."
                                  << 0;
        PuzzleState twice = TestCrosswords::sample();
        place(twice, "Feline", "CAT", 0, 0, 1, true);
        QTest::newRow("two across clues from one cell")
            << twice << "T"
            << "Clues 1 across (\"Pet\") and 1 across (\"Feline\") both start in row 1, column 1; "
               "a crossword file holds one clue each way from a cell."
            << 0;
        PuzzleState changed = TestCrosswords::sample();
        changed.gridLetters[2][0] = "X";
        QTest::newRow("grid no longer reads an answer")
            << changed << "T"
            << "Clue 1 across (\"Pet\") has the answer CAT, but the grid reads CAX there." << 0;

        PuzzleState texts = TestCrosswords::sample();
        texts.clueTable[0].clue = "Pet: \"cat\", not \\dog/ or %1";
        texts.clueTable[1].clue = QString::fromUtf8("Café crème\tau lait \u0001");
        texts.clueTable[2].clue = QString::fromUtf8("Gipfel 頂上 𝄞");
        QTest::newRow("shared number, texts that need escaping")
            << texts << QString::fromUtf8("Ünïcödé \"title\"") << "" << 0;
        // Row 1 reads CATU: CAT is part of a longer run, US fills its column.
        PuzzleState part = TestCrosswords::empty(4, 2);
        place(part, "Pet", "CAT", 0, 0, 1, true);
        place(part, "Pronoun", "US", 3, 0, 2, false);
        QTest::newRow("answer shorter than its run") << part << "T"
                                                     << "" << 1;
        QTest::newRow("30 x 30, 70 clues") << ExchangeCrosswords::full() << "Full"
                                           << "" << 0;
    }
    void readsBackAsHeld()
    {
        QFETCH(PuzzleState, crossword);
        QFETCH(QString, title);
        QFETCH(QString, refusal);
        QFETCH(int, cluesWithCells);

        const ExportedFile file = ipuzFile(crossword, title);
        QCOMPARE(file.refusal, refusal);
        QCOMPARE(file.bytes.isEmpty(), !refusal.isEmpty());
        if (!refusal.isEmpty())
            return;
        if (CrosswordReader::node().isEmpty())
            QSKIP("node is not installed, so no independent reader can read the file back");
        const QJsonObject seen = CrosswordReader::readBack(file.bytes, "crossword.ipuz");
        int withCells = 0;
        QCOMPARE(CrosswordReader::ipuzMismatch(seen, crossword, title, withCells), QString());
        QCOMPARE(withCells, cluesWithCells);
    }
};

QUILLGRID_TEST(IpuzWriterTest);
#include "IpuzWriterTest.moc"
