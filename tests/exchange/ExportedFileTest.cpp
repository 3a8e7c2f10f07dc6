#include "CrosswordReader.h"
#include "ExchangeCrosswords.h"
#include "app/ImageSurface.h"
#include "editing/ImportPlacement.h"
#include "exchange/ImportedFile.h"
#include "exchange/IpuzWriter.h"
#include "exchange/PuzWriter.h"
#include "exchange/ReadCrosswordFile.h"
#include "support/ScriptedUi.h"
#include "support/TestRegistry.h"

#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(ExchangeCrosswords::Case)

// Each crossword goes through both writers: a refusal is exact and writes nothing, and a
// written file reads back with the independent reader as the crossword holds it. Imported
// and placed as if typed, a written file is written again the same: the same bytes in
// .puz, the same JSON in .ipuz.
class ExportedFileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readsBackAsHeld_data()
    {
        QTest::addColumn<ExchangeCrosswords::Case>("each");
        for (const ExchangeCrosswords::Case& each : ExchangeCrosswords::exportCases())
            QTest::newRow(each.name) << each;
    }
    void readsBackAsHeld()
    {
        QFETCH(ExchangeCrosswords::Case, each);
        // Two were made with letters that no clue covers, as only a damaged database gives:
        // those letters are told as left out, since a clue is what puts a letter into the grid.
        const QHash<QString, QString> stray{
            {"run that is no clue's answer", "the letters of 2 cells no clue covers"},
            {"down answer shorter than its run", "the letter of 1 cell no clue covers"}};
        const QString leftOut = stray.value(each.name);
        const bool reader = !CrosswordReader::node().isEmpty();
        const ExportedFile files[] = {ipuzFile(each.crossword, each.title),
                                      puzFile(each.crossword, each.title)};
        for (const bool puz : {false, true}) {
            const ExportedFile& file = files[puz];
            QCOMPARE(file.refusal, puz ? each.puzRefusal : each.ipuzRefusal);
            QCOMPARE(file.bytes.isEmpty(), !file.refusal.isEmpty());
            if (file.bytes.isEmpty())
                continue;
            if (reader) {
                const QJsonObject seen =
                    reader_.read(file.bytes, puz ? "crossword.puz" : "crossword.ipuz");
                QCOMPARE(CrosswordReader::mismatch(seen, each.crossword, each.title, puz),
                         QString());
            }
            const ImportedFile read = readCrosswordBytes(file.bytes, puz ? "a.puz" : "a.ipuz");
            QCOMPARE(read.refusal, QString());
            auto state = std::make_unique<PuzzleState>();
            ImageSurface surface(QSize(800, 600));
            ScriptedUi ui;
            QVERIFY(placeImported(*state, surface, ui, read.crossword));
            if (!leftOut.isEmpty()) {
                QCOMPARE(
                    ui.messages(),
                    {"Left out, as a crossword here has no place for them: " + leftOut + "."});
                continue;
            }
            QCOMPARE(ui.messages(), QStringList());
            const ExportedFile again = puz ? puzFile(*state, state->proposedTitle)
                                           : ipuzFile(*state, state->proposedTitle);
            if (puz)
                QCOMPARE(again.bytes.toHex(), file.bytes.toHex());
            else
                QCOMPARE(QJsonDocument::fromJson(again.bytes),
                         QJsonDocument::fromJson(file.bytes));
        }
        if (!each.puzHex.isEmpty())
            QCOMPARE(files[1].bytes.toHex(), each.puzHex);
        if (!reader)
            QSKIP("node is not installed, so no independent reader could read the files back");
    }

private:
    CrosswordReader::Reader reader_;
};

QUILLGRID_TEST(ExportedFileTest);
#include "ExportedFileTest.moc"
