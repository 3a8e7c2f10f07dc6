#include "CrosswordReader.h"
#include "ExchangeCrosswords.h"
#include "exchange/PuzWriter.h"
#include "printing/TestCrosswords.h"
#include "support/TestRegistry.h"

#include <QTest>

using TestCrosswords::place;

class PuzWriterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsBackAsHeld_data()
    {
        QTest::addColumn<PuzzleState>("crossword");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QByteArray>("fileHex");  // the whole file, where worked out by hand

        const QString runs = "; a .puz file needs exactly one clue for each run of white cells.";
        PuzzleState unclued = TestCrosswords::sample();
        unclued.clueCount = 3;  // OWL stays in the grid without its clue
        QTest::newRow("run that is no clue's answer")
            << unclued << "T"
            << "Row 2, columns 3 to 5 read OWL, which is not one across clue's answer" + runs
            << QByteArray();
        PuzzleState down = TestCrosswords::sample();
        down.clueTable[2].answer = "TO";  // the grid still reads TOP
        QTest::newRow("down run that is no clue's answer")
            << down << "T"
            << "Column 3, rows 1 to 3 read TOP, which is not one down clue's answer" + runs
            << QByteArray();
        PuzzleState part = TestCrosswords::empty(4, 1);
        place(part, "Felines", "CATS", 0, 0, 1, true);
        place(part, "Rodents", "ATS", 1, 0, 2, true);
        QTest::newRow("clue that is part of a run")
            << part << "T"
            << "Clue 2 across (\"Rodents\") is only part of a run of white cells, and a .puz "
               "file gives every clue a whole run."
            << QByteArray();
        PuzzleState single = TestCrosswords::empty(2, 2);
        place(single, "Article", "A", 0, 0, 1, true);
        QTest::newRow("one-letter answer")
            << single << "T"
            << "Clue 1 across (\"Article\") has a one-letter answer, which a .puz file cannot "
               "hold: its readers give clues to runs of two or more cells."
            << QByteArray();
        PuzzleState euro = TestCrosswords::sample();
        euro.clueTable[1].clue = QString::fromUtf8("Costs 5 €");
        QTest::newRow("clue outside Latin-1")
            << euro << "T"
            << QString::fromUtf8(
                   "Clue 1 down (\"Costs 5 €\") has the character €, which a .puz "
                   "file cannot hold: it holds Latin-1 (ISO-8859-1) text only.")
            << QByteArray();
        QTest::newRow("title outside Latin-1")
            << TestCrosswords::sample() << QString::fromUtf8("Ωmega")
            << QString::fromUtf8(
                   "The title \"Ωmega\" has the character Ω, which a .puz file "
                   "cannot hold: it holds Latin-1 (ISO-8859-1) text only.")
            << QByteArray();

        // The entries of the 5 x 3 sample in another order: the file numbers them as the
        // grid reads, CAT and COW 1, TOP 2, OWL 3, whatever the screen shows.
        PuzzleState reordered = TestCrosswords::empty(5, 3);
        place(reordered, QString::fromUtf8("Nachtvogel, übrigens"), "OWL", 2, 1, 1, true);
        place(reordered, QString::fromUtf8("Sommet × 2"), "TOP", 2, 0, 2, false);
        place(reordered, QString::fromUtf8("Chat, ça"), "CAT", 0, 0, 3, true);
        place(reordered, "Dairy animal", "COW", 0, 0, 3, false);
        QTest::newRow("Latin-1 texts, entries out of grid order")
            << reordered << QString::fromUtf8("Café") << "" << QByteArray();
        QTest::newRow("30 x 30, 70 clues") << ExchangeCrosswords::full() << "Full"
                                           << "" << QByteArray();

        // 2 x 1, HI, one clue "Hi", title "T". Each step of a checksum rotates the sum
        // right by one bit and adds the byte; the sums after each byte:
        //   CIB over 02 01 01 00 01 00 00 00: 0002 0002 0002 0001 8001 C000 6000 3000
        //   solution "HI" from 0: 0048 006D; player "--" from 0: 002D 8043
        //   texts from 0: "T" and its NUL 0054 002A, then "Hi" 005D 8097
        //   file: "HI" from 3000: 1848 0C6D; "--" 8663 C35E; "T\0" 6203 B101; "Hi" D8C8 6CCD
        //   masked, low: I^00 C^6D H^43 E^97; high: A^30 T^00 E^80 D^80
        PuzzleState tiny = TestCrosswords::empty(2, 1);
        place(tiny, "Hi", "HI", 0, 0, 1, true);
        const QByteArray tinyFile =
            "cd6c4143524f535326444f574e000030492e0bd27154c5c4312e3300"  // sums, magic, 1.3
            "00000000000000000000000000000000"                          // reserved
            "0201010001000000"   // width, height, one clue, ordinary, not scrambled
            "48492d2d"           // solution, player
            "5400000048690000";  // title, author, copyright, the clue, notes
        QTest::newRow("checksums of a 2 x 1 grid") << tiny << "T"
                                                   << "" << tinyFile;
    }
    void readsBackAsHeld()
    {
        QFETCH(PuzzleState, crossword);
        QFETCH(QString, title);
        QFETCH(QString, refusal);
        QFETCH(QByteArray, fileHex);

        const ExportedFile file = puzFile(crossword, title);
        QCOMPARE(file.refusal, refusal);
        QCOMPARE(file.bytes.isEmpty(), !refusal.isEmpty());
        if (!fileHex.isEmpty())
            QCOMPARE(file.bytes.toHex(), fileHex);
        if (!refusal.isEmpty())
            return;
        if (CrosswordReader::node().isEmpty())
            QSKIP("node is not installed, so no independent reader can read the file back");

        const QJsonObject seen = CrosswordReader::readBack(file.bytes, "crossword.puz");
        QCOMPARE(CrosswordReader::puzMismatch(seen, crossword, title), QString());
    }
};

QUILLGRID_TEST(PuzWriterTest);
#include "PuzWriterTest.moc"
