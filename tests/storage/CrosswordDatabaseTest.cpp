#include "StorageTestKit.h"
#include "model/PuzzleState.h"
#include "storage/CrosswordDatabase.h"
#include "support/TestRegistry.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace StorageTestKit;

namespace {

const QList<ClueEntry> threeClues = {
    clue(QStringLiteral("Star of the day"), QStringLiteral("SUN"), 0, 0, 1, true),
    clue(QStringLiteral("Shines at night"), QStringLiteral("STAR"), 0, 0, 1, false),
    clue(QStringLiteral("Opposite of down"), QStringLiteral("UP"), 1, 0, 2, false),
};

}  // namespace

class CrosswordDatabaseTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void createsAMissingFileWithBothTables()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("xword.mdb"));
        CrosswordDatabase db(path);
        const auto names = db.names();
        QVERIFY2(names.ok(), qPrintable(names.error()));
        QVERIFY(names.value().isEmpty());
        QVERIFY(QFile::exists(path));

        Peer peer(path);
        QCOMPARE(peer.rows(QStringLiteral("SELECT name FROM pragma_table_info('CrosswordID')")),
                 QStringList({"CrossID", "Name", "GridX", "GridY"}));
        const QStringList clueFields =
            peer.rows(QStringLiteral("SELECT name FROM pragma_table_info('Clues')"));
        for (const char* field :
             {"CrossID", "CluePos", "Across", "Clue", "CluePosX", "CluePosY", "Answer"})
            QVERIFY2(clueFields.contains(QLatin1String(field)), field);
        // Unique names, and a crossword's clues found without reading the whole table.
        QCOMPARE(peer.rows(QStringLiteral("SELECT il.\"unique\", ii.name FROM "
                                          "pragma_index_list('CrosswordID') il, "
                                          "pragma_index_info(il.name) ii")),
                 QStringList{QStringLiteral("1|Name")});
        QCOMPARE(peer.rows(QStringLiteral("SELECT il.\"unique\", ii.name FROM "
                                          "pragma_index_list('Clues') il, "
                                          "pragma_index_info(il.name) ii")),
                 QStringList{QStringLiteral("0|CrossID")});
    }

    void reportsAMissingFolder()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("nowhere/xword.mdb"));
        CrosswordDatabase db(path);
        const auto names = db.names();
        QVERIFY(!names.ok());
        QVERIFY2(names.error().contains(path), qPrintable(names.error()));
        QVERIFY(!QFile::exists(path));
    }

    // Each row makes a file that is not a crossword database; it must be reported with
    // its name and the reason, and keep every byte.
    void refusesAndKeepsAFileThatIsNoCrosswordDatabase_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("statements");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a text file") << QByteArray("Dear diary,\nthe crossword is done.\n")
                                     << QStringList() << "it is not a database file";
        QTest::newRow("a text file as long as a database page")
            << QByteArray(8192, 'x') << QStringList() << "it is not a database file";
        QTest::newRow("an SQLite file of something else")
            << QByteArray() << QStringList{"CREATE TABLE Recipes (Title TEXT)"}
            << "it has no table CrosswordID";
        QTest::newRow("the clue table is missing")
            << QByteArray()
            << QStringList{"CREATE TABLE CrosswordID (CrossID INTEGER PRIMARY KEY, Name TEXT, "
                           "GridX INTEGER, GridY INTEGER)"}
            << "it has no table Clues";
        QTest::newRow("a clue field is missing")
            << QByteArray()
            << QStringList{"CREATE TABLE CrosswordID (CrossID INTEGER PRIMARY KEY, Name TEXT, "
                           "GridX INTEGER, GridY INTEGER)",
                           "CREATE TABLE Clues (CrossID, CluePos, Across, Clue, CluePosX, "
                           "CluePosY)"}
            << "its table Clues has no field Answer";
        QTest::newRow("a crossword field is missing")
            << QByteArray()
            << QStringList{"CREATE TABLE CrosswordID (CrossID INTEGER PRIMARY KEY, Title TEXT, "
                           "GridX INTEGER, GridY INTEGER)",
                           "CREATE TABLE Clues (CrossID, CluePos, Across, Clue, CluePosX, "
                           "CluePosY, Answer)"}
            << "its table CrosswordID has no field Name";
    }
    void refusesAndKeepsAFileThatIsNoCrosswordDatabase()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, statements);
        QFETCH(QString, reason);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("chosen.mdb"));
        if (statements.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(text);
        } else {
            Peer peer(path);
            for (const QString& statement : statements)
                QCOMPARE(peer.exec(statement), QString());
        }
        const QByteArray before = fileBytes(path);
        QVERIFY(!before.isEmpty());

        CrosswordDatabase db(path);
        const auto names = db.names();
        QVERIFY(!names.ok());
        QVERIFY2(names.error().contains(path), qPrintable(names.error()));
        QVERIFY2(names.error().contains(reason), qPrintable(names.error()));
        const auto stored = db.storeClues(QStringLiteral("Mine"), QSize(5, 5), threeClues);
        QVERIFY(!stored.ok());
        QVERIFY2(stored.error().contains(reason), qPrintable(stored.error()));
        QCOMPARE(fileBytes(path), before);
    }

    // Names are stored as given and found exactly: letter case and blanks count.
    void findsNamesExactly_data()
    {
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<int>("index");  // into the stored names; -1: not stored
        QTest::newRow("as stored") << "Sunday" << 0;
        QTest::newRow("lower case is another crossword") << "sunday" << 1;
        QTest::newRow("a trailing blank is another crossword") << "Sunday " << 2;
        QTest::newRow("blanks only") << "   " << 3;
        QTest::newRow("upper case was never stored") << "SUNDAY" << -1;
        QTest::newRow("a leading blank was never stored") << " Sunday" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("a quote cannot break the query") << "it's" << 4;
        QTest::newRow("a pattern is not a wildcard") << "Sun%" << -1;
    }
    void findsNamesExactly()
    {
        QFETCH(QString, wanted);
        QFETCH(int, index);

        QTemporaryDir dir;
        CrosswordDatabase db(dir.filePath(QStringLiteral("xword.mdb")));
        const QStringList stored = {"Sunday", "sunday", "Sunday ", "   ", "it's"};
        QList<qint64> ids;
        for (const QString& name : stored) {
            const auto id = db.storeClues(name, QSize(3 + int(ids.size()), 4), {});
            QVERIFY2(id.ok(), qPrintable(id.error()));
            ids << id.value();
        }
        QCOMPARE(db.names().value(), stored);

        const auto found = db.findCrossword(wanted);
        QVERIFY(found.ok());
        QCOMPARE(found.value().has_value(), index >= 0);
        if (index >= 0) {
            QCOMPARE(found.value()->crossId, ids.at(index));
            QCOMPARE(found.value()->gridX, 3 + index);
        }
    }

    void refusesASecondCrosswordOfTheSameName()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("xword.mdb"));
        CrosswordDatabase db(path);
        QVERIFY(db.storeClues(QStringLiteral("Twice"), QSize(5, 5), threeClues).ok());
        const auto again = db.storeClues(QStringLiteral("Twice"), QSize(6, 6), threeClues);
        QVERIFY(!again.ok());
        QVERIFY2(again.error().contains(QStringLiteral("already stored")),
                 qPrintable(again.error()));
        Peer peer(path);
        QCOMPARE(peer.count(QStringLiteral("CrosswordID")), 1);
        QCOMPARE(peer.count(QStringLiteral("Clues")), 3);
    }

    void readsCluesBackInStoredOrder()
    {
        QTemporaryDir dir;
        CrosswordDatabase db(dir.filePath(QStringLiteral("xword.mdb")));
        const auto first = db.storeClues(QStringLiteral("First"), QSize(5, 5), threeClues);
        QVERIFY(first.ok());
        // Another crossword's rows between the two batches of the first.
        QVERIFY(db.storeClues(QStringLiteral("Second"), QSize(5, 5), threeClues).ok());
        const QList<ClueEntry> later = {
            clue(QStringLiteral("Later"), QStringLiteral("NAP"), 2, 2, 3, true)};
        QCOMPARE(db.storeClues(QStringLiteral("First"), std::nullopt, later).value(),
                 first.value());

        const auto rows = db.clueRows(db.findCrossword(QStringLiteral("First")).value().value());
        QVERIFY(rows.ok());
        QStringList answers;
        for (const StoredClue& row : rows.value())
            answers << QStringLiteral("%1%2@%3,%4#%5")
                           .arg(row.answer, row.across ? "A" : "D")
                           .arg(row.cluePosX)
                           .arg(row.cluePosY)
                           .arg(row.cluePos);
        QCOMPARE(answers, QStringList({"SUNA@0,0#1", "STARD@0,0#1", "UPD@1,0#2", "NAPA@2,2#3"}));
        QCOMPARE(rows.value().constFirst().clue, QStringLiteral("Star of the day"));
    }

    void loadingACrosswordUsesTheIndex()
    {
        QTemporaryDir dir;
        CrosswordDatabase db(dir.filePath(QStringLiteral("xword.mdb")));
        const auto plan = db.clueQueryPlan();
        QVERIFY2(plan.ok(), qPrintable(plan.error()));
        const QString steps = plan.value().join(QLatin1Char('\n'));
        QVERIFY2(steps.contains(QStringLiteral("USING INDEX CluesCrossID (CrossID=?)")),
                 qPrintable(steps));
        // Neither a pass over every row nor a sort of the crossword's rows.
        QVERIFY2(!steps.contains(QStringLiteral("SCAN")), qPrintable(steps));
        QVERIFY2(!steps.contains(QStringLiteral("TEMP B-TREE")), qPrintable(steps));
    }

    // Values no program of ours writes into an integer field are reported, never read as 0.
    void reportsFieldsThatHoldNoNumber_data()
    {
        QTest::addColumn<QString>("tamper");
        QTest::addColumn<QString>("field");
        QTest::newRow("text in CluePosX") << "UPDATE Clues SET CluePosX = 'two'"
                                          << "CluePosX";
        QTest::newRow("a fraction in CluePos") << "UPDATE Clues SET CluePos = 1.5"
                                               << "CluePos";
        QTest::newRow("text in Across") << "UPDATE Clues SET Across = 'yes'"
                                        << "Across";
        QTest::newRow("text in CluePosY") << "UPDATE Clues SET CluePosY = ''"
                                          << "CluePosY";
    }
    void reportsFieldsThatHoldNoNumber()
    {
        QFETCH(QString, tamper);
        QFETCH(QString, field);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("xword.mdb"));
        CrosswordDatabase db(path);
        const auto id = db.storeClues(QStringLiteral("Tampered"), QSize(5, 5), threeClues);
        QVERIFY(id.ok());
        {
            Peer peer(path);
            QCOMPARE(peer.exec(tamper), QString());
        }
        const auto rows =
            db.clueRows(db.findCrossword(QStringLiteral("Tampered")).value().value());
        QVERIFY(!rows.ok());
        QVERIFY2(rows.error().contains(QStringLiteral("\"Tampered\"")), qPrintable(rows.error()));
        QVERIFY2(rows.error().contains(QStringLiteral("field %1").arg(field)),
                 qPrintable(rows.error()));
    }

    void reportsAGridSizeThatIsNoNumber()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("xword.mdb"));
        CrosswordDatabase db(path);
        QVERIFY(db.storeClues(QStringLiteral("Wide"), QSize(5, 5), {}).ok());
        {
            Peer peer(path);
            QCOMPARE(peer.exec(QStringLiteral("UPDATE CrosswordID SET GridX = 'wide'")),
                     QString());
        }
        const auto found = db.findCrossword(QStringLiteral("Wide"));
        QVERIFY(!found.ok());
        QVERIFY2(found.error().contains(QStringLiteral("GridX")), qPrintable(found.error()));
    }

    // Another program in the middle of writing: we wait a moment, then say so; once it
    // is done, everything works again and nothing was stored twice or half.
    void anotherProgramWritingIsReportedAndOutlived()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("xword.mdb"));
        CrosswordDatabase db(path);
        QVERIFY(db.storeClues(QStringLiteral("Before"), QSize(5, 5), threeClues).ok());

        Peer peer(path);
        QCOMPARE(peer.exec(QStringLiteral("BEGIN EXCLUSIVE")), QString());
        const auto names = db.names();
        QVERIFY(!names.ok());
        QVERIFY2(names.error().contains(QStringLiteral("another program")),
                 qPrintable(names.error()));
        const auto stored = db.storeClues(QStringLiteral("During"), QSize(5, 5), threeClues);
        QVERIFY(!stored.ok());
        QVERIFY2(stored.error().contains(QStringLiteral("another program")),
                 qPrintable(stored.error()));
        QCOMPARE(peer.exec(QStringLiteral("COMMIT")), QString());

        QCOMPARE(db.names().value(), QStringList{QStringLiteral("Before")});
        QCOMPARE(peer.count(QStringLiteral("Clues")), 3);
        QVERIFY(db.storeClues(QStringLiteral("After"), QSize(5, 5), threeClues).ok());
        QCOMPARE(peer.count(QStringLiteral("Clues")), 6);
    }
};

QUILLGRID_TEST(CrosswordDatabaseTest);
#include "CrosswordDatabaseTest.moc"
