#include "fill/WordListText.h"
#include "fill/WordLists.h"
#include "model/NormalizeAnswer.h"
#include "support/TestRegistry.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

// SUN's second line follows a longer word, whose letters a reader might carry over.
const QByteArray scoredList =
    "SON;80\nSIN;60\nsun;70\nSAND;40\nSUN;60\nSUNG\nAN;50\nA;90\n"
    "caf\xc3\xa9;30\nMAT\nBAT\nSTRAWBERRIES;40\nBLACKBERRIES;70\n";

// Every word a query found, in order; a word marked as meeting a letter ends in "*".
QStringList listed(WordMatches matches)
{
    QStringList words;
    for (const WordMatch& match : matches.next(1000))
        words << match.word + (match.runsOn ? QStringLiteral("*") : QString());
    if (matches.count() != words.size())
        words << QStringLiteral("count %1").arg(matches.count());
    return words;
}

}  // namespace

class WordIndexTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // `run` and `typed` ask for the words that fit a run of the grid; `pattern`, where
    // given, asks for the words of exactly its length instead.
    void findsTheWordsThatFit_data()
    {
        QTest::addColumn<QString>("run");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("minimumScore");
        QTest::addColumn<QStringList>("expected");
        const auto row = [](const char* name, const char* run, const char* typed,
                            const char* pattern, int minimum, const QStringList& expected) {
            QTest::newRow(name) << run << typed << pattern << minimum << expected;
        };
        row("pattern: best score first, a doubled word at its higher score", "", "", "S?N", 0,
            {"SON", "SUN", "SIN"});
        row("pattern of one letter", "", "", "?", 0, {"A"});
        row("pattern: equal scores alphabetically", "", "", "?AT", 0, {"BAT", "MAT"});
        row("pattern: longer words best first too", "", "", QByteArray(12, '?').constData(), 0,
            {"BLACKBERRIES", "STRAWBERRIES"});
        row("pattern longer than any grid", "", "", QByteArray(31, '?').constData(), 0, {});
        row("run: two letters up to the run's length, none beside a letter", "S???", "", "", 0,
            {"SON", "SUN", "SIN", "SUNG", "SAND"});
        row("run: words ending beside a letter are marked", "S??G", "", "", 0,
            {"SON*", "SUN*", "SIN*", "SUNG"});
        row("run: the grid's edge limits the length", "??", "", "", 0, {"AN"});
        row("run: typed letters start the word", "S???", "SU", "", 0, {"SUN", "SUNG"});
        row("run: typed letters clash with the grid", "S???", "T", "", 0, {});
        row("run: typed past the grid's edge", "??", "SUN", "", 0, {});
        row("minimum score hides weaker words", "S???", "", "", 55, {"SON", "SUN", "SIN"});
        row("accented letters folded", "", "", "CAF?", 0, {"CAFE"});
    }
    void findsTheWordsThatFit()
    {
        QFETCH(QString, run);
        QFETCH(QString, typed);
        QFETCH(QString, pattern);
        QFETCH(int, minimumScore);
        QFETCH(QStringList, expected);
        if (expected == QStringList{"CAFE"} && NormalizeAnswer(QStringLiteral("é")).isEmpty())
            QSKIP("NormalizeAnswer does not fold accents in this build");
        WordIndex::Builder builder;
        readWordList(scoredList, builder);
        const auto index = builder.finish(minimumScore);
        QCOMPARE(listed(pattern.isEmpty() ? index->fitting(run, typed) : index->matching(pattern)),
                 expected);
    }

    void skipsAndCountsLinesThatAreNotWords()
    {
        QTemporaryDir folder;
        const QString good = folder.filePath("good.txt");
        QFile file(good);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "ZEBRA;101\nYAK;ten\n;50\n123\n#note\n\n  spaced word ;  20 \r\n"
            "GNU\r\nGNU;-1\nlioness's\n" +
            QByteArray(31, 'Q') + "\n\xce\xb1\xce\xb2\nOKAPI;7\n");
        file.close();
        const QString missing = folder.filePath("missing.txt");
        const LoadedLists loaded = loadWordLists({{missing, good}, 0});
        QCOMPARE(loaded.skipped, 9);
        QCOMPARE(loaded.problems.size(), 1);
        QVERIFY2(loaded.problems.first().contains(missing), qPrintable(loaded.problems.first()));
        QCOMPARE(listed(loaded.index->matching(QStringLiteral("??????????"))),
                 QStringList{"SPACEDWORD"});
        QCOMPARE(listed(loaded.index->fitting(QStringLiteral("?????"), {})),
                 QStringList({"GNU", "OKAPI"}));
        QVERIFY2(loaded.summary().startsWith("3 words; 9 lines skipped. The word list"),
                 qPrintable(loaded.summary()));
    }
};

QUILLGRID_TEST(WordIndexTest);
#include "WordIndexTest.moc"
