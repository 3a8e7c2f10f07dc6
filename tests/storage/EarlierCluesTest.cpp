#include "StorageDesk.h"
#include "storage/EarlierCluesQuery.h"
#include "support/TestRegistry.h"

#include <QTest>

using namespace StorageTestKit;

class EarlierCluesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Two crosswords give SUN a clue each (the second two); newest crossword first, and
    // nothing of another answer, nor of a longer answer that starts alike. Neither the
    // database, nor a missing one, nor a stranger is made or changed; a stranger is named.
    void findsAnAnswersCluesAndNeverWrites()
    {
        Desk desk;
        const QList<ClueEntry> first = {{"Day star", "SUN", 0, 0, 1, true},
                                        {"Ray", "BEAM", 0, 0, 1, false}};
        const QList<ClueEntry> second = {{"It rises", "SUN", 0, 0, 1, true},
                                         {"Sunday paper", "SUNDAY", 0, 1, 2, true},
                                         {"Sol", "SUN", 0, 2, 3, true}};
        QVERIFY(desk.db.storeClues("Spring", QSize(6, 6), first).ok());
        QVERIFY(desk.db.storeClues("Autumn", QSize(6, 6), second).ok());
        const QByteArray before = fileBytes(desk.path);
        const EarlierClues sun = earlierCluesFor(desk.path, "SUN");
        QCOMPARE(sun.problem, QString());
        QStringList found;
        for (const EarlierClue& clue : sun.found)
            found << clue.title + ": " + clue.clue;
        QCOMPARE(found, QStringList({"Autumn: Sol", "Autumn: It rises", "Spring: Day star"}));
        QVERIFY(earlierCluesFor(desk.path, "MOON").found.isEmpty());
        QCOMPARE(fileBytes(desk.path), before);

        const QString missing = desk.dir.filePath("missing.mdb");
        const EarlierClues none = earlierCluesFor(missing, "SUN");
        QVERIFY(none.found.isEmpty() && none.problem.isEmpty());
        QVERIFY(!QFile::exists(missing));
        const QString stranger = desk.dir.filePath("notes.txt");
        QFile file(stranger);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a database");
        file.close();
        const EarlierClues problem = earlierCluesFor(stranger, "SUN");
        QVERIFY2(problem.problem.contains(stranger), qPrintable(problem.problem));
        QCOMPARE(fileBytes(stranger), QByteArray("not a database"));
    }
};

QUILLGRID_TEST(EarlierCluesTest);
#include "EarlierCluesTest.moc"
