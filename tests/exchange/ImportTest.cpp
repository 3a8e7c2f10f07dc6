#include "CrosswordReader.h"
#include "ExchangeCrosswords.h"
#include "app/ImageSurface.h"
#include "editing/ImportPlacement.h"
#include "exchange/ImportedFile.h"
#include "exchange/IpuzWriter.h"
#include "exchange/PuzChecksums.h"
#include "exchange/PuzWriter.h"
#include "exchange/ReadCrosswordFile.h"
#include "support/ScriptedUi.h"
#include "support/TestRegistry.h"

#include <QTest>
#include <QtEndian>

#include <functional>

#include <memory>

namespace {

// The description a reader gives, one line: size, title, each clue as number, A or D,
// column and row from 1, answer and text; then what was left out.
QString described(const ImportedFile& read)
{
    if (!read.refusal.isEmpty())
        return read.refusal;
    const ImportedCrossword& crossword = read.crossword;
    QStringList parts{QStringLiteral("%1x%2 %3")
                          .arg(crossword.columns)
                          .arg(crossword.rows)
                          .arg(crossword.title)};
    for (const ImportedClue& clue : crossword.clues) {
        parts << QStringLiteral("%1%2 %3,%4 %5 %6")
                     .arg(clue.number)
                     .arg(QChar(clue.across ? u'A' : u'D'))
                     .arg(clue.start.x() + 1)
                     .arg(clue.start.y() + 1)
                     .arg(clue.answer, clue.text);
    }
    if (!crossword.leftOut.isEmpty())
        parts << "left out: " + crossword.leftOut.join(u';');
    return parts.join(QStringLiteral(" | "));
}

// A .puz file of the sample (CAT, COW, TOP, OWL) changed by `edit`, its checksums stamped
// afresh so that only the change itself can be refused.
QByteArray changedPuz(const std::function<void(QByteArray&)>& edit)
{
    QByteArray file = puzFile(TestCrosswords::sample(), "T").bytes;
    edit(file);
    const int cells = quint8(file[0x2C]) * quint8(file[0x2D]);
    const int clues = qFromLittleEndian<quint16>(file.data() + 0x2E);
    const QList<QByteArray> texts = file.mid(puzHeaderSize + 2 * cells).split('\0');
    const PuzSums sums =
        puzSums(QByteArrayView(file).sliced(0x2C, 8), file.mid(puzHeaderSize, cells),
                file.mid(puzHeaderSize + cells, cells),
                {texts.value(0), texts.value(1), texts.value(2), texts.mid(3, clues),
                 texts.value(3 + clues)},
                file.mid(0x18, 3) != "1.2");
    qToLittleEndian(sums.file, file.data());
    qToLittleEndian(sums.cib, file.data() + 0x0E);
    file.replace(0x10, 8, sums.masked);
    return file;
}

QByteArray section(const char* name, const QByteArray& data)
{
    QByteArray bytes(name, 4);
    bytes.append(8 - 4, '\0');
    qToLittleEndian(quint16(data.size()), bytes.data() + 4);
    qToLittleEndian(puzChecksum(data, 0), bytes.data() + 6);
    return bytes + data + '\0';
}

// The sample as an .ipuz, with `change` made to the text of its JSON.
QByteArray changedIpuz(const QString& from, const QString& to)
{
    QByteArray json = ipuzFile(TestCrosswords::sample(), "T").bytes;
    return json.replace(from.toUtf8(), to.toUtf8());
}

}  // namespace

// A crossword from a file is placed as if typed, and refusals leave the crossword in
// memory as it was.
class ImportTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Files made by hand from the formats' published layouts, with what Quillgrid leaves
    // out of them.
    void readsFilesMadeByHand_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("seen");
        // The 2 x 1 file whose every byte the export test works out.
        QTest::newRow(".puz, 2 x 1")
            << QByteArray::fromHex(ExchangeCrosswords::exportCases().constLast().puzHex) << "a.puz"
            << "2x1 T | 1A 1,1 HI Hi";
        // Version 1.2 (notes outside the checksum), Windows-1252 quotes, an accented
        // letter, a circle, a timer and an author.
        QTest::newRow(".puz, sections")
            << changedPuz([](QByteArray& file) {
                   file.replace(0x18, 3, "1.2");
                   file[0x34] = char(0xC7);  // CAT's C as Ç
                   file.replace(file.indexOf("Pet"), 3, "\x93Pet\x94 caf\xE9");
                   file.replace(file.size() - 1, 1, QByteArray("notes\0", 6));
                   file.replace(file.indexOf('\0', 0x34 + 30), 1, QByteArray("\0Ann", 4));
                   file += section("GEXT", QByteArray("\x80", 1) + QByteArray(14, '\0'));
                   file += section("LTIM", "12,0");
               })
            << "a.puz"
            << QString::fromUtf8(
                   "5x3 T | 1A 1,1 CAT “Pet” café | 1D 1,1 COW Dairy animal | "
                   "2D 3,1 TOP Summit | 3A 3,2 OWL Night bird | left out: "
                   "circled squares;the timer;the author;the notes");
        // C A #     block "X", empty "_", an omitted cell, cells as objects, a lower-case
        // O W L     and an accented letter; clues as pairs, objects, a plain string and a
        // # E Y     numbered string, under headings with a colon; a direction with no place.
        // Quoted with ' for legibility.
        QTest::newRow(".ipuz")
            << QByteArray(
                   "ipuz({'version': 'http://ipuz.org/v1', 'title': 'Hand-made', "
                   "'kind': ['http://ipuz.org/crossword#1'], 'block': 'X', 'empty': '_', "
                   "'dimensions': {'width': 3, 'height': 3}, "
                   "'puzzle': [[1, {'cell': 2, 'style': {'shapebg': 'circle'}}, 'X'], "
                   "[3, '_', 4], [null, 5, '_']], "
                   "'solution': [['c', {'value': 'A'}, 'X'], ['O', 'W', 'L'], [null, 'É', 'Y']], "
                   "'clues': {'Across:Across': [[1, 'Taxi'], {'number': 3, 'clue': 'Night bird'}, "
                   "'Yes, in Texas'], "
                   "'Diagonal': [[1, 'Slant']], "
                   "'Down': [[1, 'Firm'], ['2', 'Wonder'], "
                   "{'number': 4, 'clue': 'Adverb ending', 'cells': [[3, 2], [3, 3]]}]}})")
                   .replace('\'', '"')
            << "a.ipuz"
            << "3x3 Hand-made | 1A 1,1 CA Taxi | 1D 1,1 CO Firm | 2D 2,1 AWE Wonder | "
               "3A 1,2 OWL Night bird | 4D 3,2 LY Adverb ending | 5A 2,3 EY Yes, in Texas | "
               "left out: the cells' styles (circles, shading);the Diagonal clues";
        // Typographic punctuation goes into .puz plainly and comes back so; the .ipuz keeps it.
        PuzzleState typed = TestCrosswords::sample();
        typed.clueTable[3].clue = QString::fromUtf8("It’s ‘so’ “quoted” – or — so…");
        const QString title = QString::fromUtf8("Nature’s Notes");
        const QString clues =
            " | 1A 1,1 CAT Pet | 1D 1,1 COW Dairy animal | 2D 3,1 TOP Summit"
            " | 3A 3,2 OWL ";
        QTest::newRow("typographic .puz")
            << puzFile(typed, title).bytes << "a.puz"
            << "5x3 Nature's Notes" + clues + "It's 'so' \"quoted\" - or - so...";
        QTest::newRow("typographic .ipuz") << ipuzFile(typed, title).bytes << "a.ipuz"
                                           << "5x3 " + title + clues + typed.clueTable[3].clue;
    }
    void readsFilesMadeByHand()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, name);
        QFETCH(QString, seen);
        QCOMPARE(described(readCrosswordBytes(file, name)), seen);
    }

    // A file written by another program's .puz writer, with the Latin-1 and typographic
    // texts it converts as it writes.
    void readsAnotherWritersPuz()
    {
        if (CrosswordReader::node().isEmpty())
            QSKIP("node is not installed, so the other program's writer cannot run");
        QTemporaryDir folder;
        QProcess writer;
        writer.start(CrosswordReader::node(),
                     {QStringLiteral(QUILLGRID_PUZ_WRITER), folder.filePath("other.puz")});
        writer.write(QString::fromUtf8(R"json({"title": "Elsewhere", "author": "A. Setter",
            "copyright": "© 2026", "note": "For testing", "width": 5, "height": 3,
            "solution": "CAT..O.OWLW.P..", "clues": ["Pet", "Dairy animal", "Summit",
            "Night bird’s café"]})json")
                         .toUtf8());
        writer.closeWriteChannel();
        QVERIFY(writer.waitForFinished(30000));
        QCOMPARE(writer.readAllStandardError(), QByteArray());
        QFile file(folder.filePath("other.puz"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(described(readCrosswordBytes(file.readAll(), file.fileName())),
                 QString::fromUtf8("5x3 Elsewhere | 1A 1,1 CAT Pet | 1D 1,1 COW Dairy animal | "
                                   "2D 3,1 TOP Summit | 3A 3,2 OWL Night bird's café | left out: "
                                   "the author;the copyright;the notes"));
    }

    // Each refusal, in the reader or in the placement, names what does not fit, and
    // leaves the crossword in memory as it was.
    void refusesWhatDoesNotFit_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("refusal");
        const auto puz = [](const char* row, const QByteArray& file, const QString& why) {
            QTest::newRow(row) << file << "x.puz" << why;
        };
        const QString damaged =
            "The file is damaged: its checksums do not agree with what it holds.";
        QByteArray good = puzFile(TestCrosswords::sample(), "T").bytes;
        puz("not a .puz", "ACROSS", "The file is not a .puz crossword.");
        puz("truncated grid", good.left(0x34 + 20),
            "The file is truncated: it ends before its grid.");
        puz("truncated texts", good.chopped(2),
            "The file is truncated: it ends before its texts.");
        puz("a clue changed", QByteArray(good).replace("Pet", "Pat"), damaged);
        puz("scrambled", changedPuz([](QByteArray& f) { f[0x32] = 4; }),
            "The solution is scrambled (the puzzle is locked); unlock it in the program that "
            "locked it first.");
        puz("rebus", changedPuz([](QByteArray& f) {
                f += section("GRBS", QByteArray(7, '\0') + '\x02' + QByteArray(7, '\0'));
            }),
            "The square in row 2, column 3 holds several letters (a rebus), which a crossword "
            "here cannot hold.");
        puz("section checksum", good + section("LTIM", "1,0").replace("1,0", "2,0"), damaged);
        puz("section past the end", good + section("LTIM", "1,0").chopped(2),
            "The file is truncated: it ends before its section LTIM.");
        puz("31 columns", changedPuz([](QByteArray& f) { f[0x2C] = 31; }),
            "The grid is 31 x 3 cells; a crossword here has at most 30 x 30.");
        puz("1000 clues",
            changedPuz([](QByteArray& f) { qToLittleEndian(quint16(1000), f.data() + 0x2E); }),
            "The file has 1000 clues; a crossword here holds at most 999.");
        puz("digit in the solution", changedPuz([](QByteArray& f) { f[0x34 + 7] = '7'; }),
            "The solution in row 2, column 3 is \"7\", which is not a letter A-Z.");
        puz("clue missing", changedPuz([](QByteArray& f) {
                f[0x2E] = 3;
                f.remove(f.indexOf("Night bird"), 11);
            }),
            "The file has 3 clues, but its grid has 4 entries of two or more cells: the grid "
            "does not read its clues' answers.");

        const auto ipuz = [](const char* row, const QByteArray& file, const QString& why) {
            QTest::newRow(row) << file << "x.ipuz" << why;
        };
        ipuz("not JSON", "{\"version\": ",
             "The file is not JSON, as an .ipuz file is: unterminated object at byte 11.");
        ipuz("version 3", changedIpuz("ipuz.org/v2", "ipuz.org/v3"),
             "The file is not an .ipuz file of version 1 or 2.");
        ipuz("a sudoku", changedIpuz("crossword#1", "sudoku#1"),
             "The .ipuz file holds a puzzle other than a crossword.");
        ipuz("no solution", changedIpuz("\"solution\"", "\"answers\""),
             "The file has no solution; a crossword is brought in with its answers, and this one "
             "has none.");
        ipuz("31 rows", changedIpuz("\"height\": 3", "\"height\": 31"),
             "The grid is 5 x 31 cells; a crossword here has at most 30 x 30.");
        ipuz("short row", changedIpuz("\"width\": 5", "\"width\": 6"),
             "The file's puzzle or solution is not 3 rows of 6 cells, as its dimensions say.");
        ipuz("digit in the solution", changedIpuz("\"L\"", "\"7\""),
             "The solution in row 2, column 5 is \"7\", which is not a letter A-Z.");
        ipuz("number not in the grid",
             changedIpuz("[\n                3,", "[\n                9,"),
             "Clue 9 across (\"Night bird\") has no cell numbered 9 in the grid.");
        ipuz("cells off the line",
             changedIpuz("[\n                3,\n                \"Night bird\"\n            ]",
                         "{\"number\": 3, \"clue\": \"Night bird\", \"cells\": [[3, 2], [4, 3]]}"),
             "Clue 3 across (\"Night bird\") does not run across along white cells of the grid, "
             "so the grid does not read its answer.");
        ipuz("clash", changedIpuz("[\n                3,", "[\n                1,"),
             "Clues 1 across (\"Pet\") and 1 across (\"Night bird\") both start in row 1, column "
             "1 and go the same way; a crossword holds one clue each way from a cell.");
        ipuz("clue without a number",
             changedIpuz("[\n                3,", "[\n                \"three\","),
             "The across clue \"Night bird\" has no number.");
        QByteArray many =
            changedIpuz("\"Down\": [", "\"Down\": [" + QString("[1, \"x\"],").repeated(997));
        ipuz("1000 clues", many, "The file has 1001 clues; a crossword here holds at most 999.");
        ipuz("empty clue text", changedIpuz("\"Pet\"", "\"  \""),
             "The crossword was not imported: clue 1 across (\"  \") cannot be placed.\n\nNeither "
             "Clue nor Answer can be empty.");
    }
    void refusesWhatDoesNotFit()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, name);
        QFETCH(QString, refusal);
        auto state = std::make_unique<PuzzleState>(TestCrosswords::sample());
        const auto before = std::make_unique<PuzzleState>(*state);
        ImageSurface surface(QSize(800, 600));
        ScriptedUi ui;
        const ImportedFile read = readCrosswordBytes(file, name);
        if (read.refusal.isEmpty())
            QVERIFY(!placeImported(*state, surface, ui, read.crossword));
        QCOMPARE(read.refusal.isEmpty() ? ui.messages().value(0) : read.refusal, refusal);
        QVERIFY(before->clueTable == state->clueTable &&
                before->gridLetters == state->gridLetters);
    }

    // The file named: one too large is refused unread, one that is not there is reported.
    void reportsFilesItCannotRead()
    {
        QTemporaryDir folder;
        QFile large(folder.filePath("large.ipuz"));
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(maxCrosswordFileBytes + 1));
        large.close();
        ScriptedUi ui;
        for (const QString name : {"large.ipuz", "missing.puz"}) {
            ui.openFileReply = folder.filePath(name);
            QVERIFY(!readCrosswordFile(ui));
        }
        QCOMPARE(ui.messages().size(), 2);
        QVERIFY(ui.messages()[0].endsWith("far larger than any crossword file."));
        QVERIFY(
            ui.messages()[1].startsWith(folder.filePath("missing.puz") + " could not be read"));
    }
};

QUILLGRID_TEST(ImportTest);
#include "ImportTest.moc"
