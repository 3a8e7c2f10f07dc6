#include "CrosswordReader.h"
#include "ExchangeCrosswords.h"
#include "exchange/IpuzWriter.h"
#include "exchange/PuzWriter.h"
#include "support/TestRegistry.h"

#include <QTest>

Q_DECLARE_METATYPE(PuzzleState)

// Each crossword goes through both writers: a refusal is exact and writes nothing, and a
// written file reads back with the independent reader as the crossword holds it.
class ExportedFileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsBackAsHeld_data()
    {
        QTest::addColumn<PuzzleState>("crossword");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("ipuzRefusal");
        QTest::addColumn<QString>("puzRefusal");
        QTest::addColumn<QByteArray>("puzHex");  // the whole file, where worked out by hand
        for (const ExchangeCrosswords::Case& each : ExchangeCrosswords::exportCases()) {
            QTest::newRow(each.name) << each.crossword << each.title << each.ipuzRefusal
                                     << each.puzRefusal << each.puzHex;
        }
    }
    void readsBackAsHeld()
    {
        QFETCH(PuzzleState, crossword);
        QFETCH(QString, title);
        QFETCH(QString, ipuzRefusal);
        QFETCH(QString, puzRefusal);
        QFETCH(QByteArray, puzHex);

        const ExportedFile files[] = {ipuzFile(crossword, title), puzFile(crossword, title)};
        for (const bool puz : {false, true}) {
            QCOMPARE(files[puz].refusal, puz ? puzRefusal : ipuzRefusal);
            QCOMPARE(files[puz].bytes.isEmpty(), !files[puz].refusal.isEmpty());
        }
        if (!puzHex.isEmpty())
            QCOMPARE(files[1].bytes.toHex(), puzHex);
        if (CrosswordReader::node().isEmpty())
            QSKIP("node is not installed, so no independent reader can read the files back");
        for (const bool puz : {false, true}) {
            if (files[puz].bytes.isEmpty())
                continue;
            const QJsonObject seen =
                reader_.read(files[puz].bytes, puz ? "crossword.puz" : "crossword.ipuz");
            QCOMPARE(CrosswordReader::mismatch(seen, crossword, title, puz), QString());
        }
    }

private:
    CrosswordReader::Reader reader_;
};

QUILLGRID_TEST(ExportedFileTest);
#include "ExportedFileTest.moc"
