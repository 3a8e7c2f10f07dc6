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
};

QUILLGRID_TEST(CrosswordDatabaseTest);
#include "CrosswordDatabaseTest.moc"
