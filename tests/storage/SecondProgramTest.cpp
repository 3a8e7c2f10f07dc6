#include "StorageDesk.h"
#include "support/TestRegistry.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTest>

#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

using namespace StorageTestKit;

namespace {

const QString helperPath = QStringLiteral(QUILLGRID_STORAGE_HELPER);

// The helper's next line of output, without its end.
QString nextLine(QProcess& helper)
{
    while (!helper.canReadLine()) {
        if (!helper.waitForReadyRead(10000))
            return "no answer: " + helper.errorString();
    }
    return QString(helper.readLine()).chopped(1);
}

}  // namespace

class SecondProgramTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A program saving in a loop, killed at random moments: the file stays sound and
    // every crossword in it holds whole saves only.
    void killedMidSaveLeavesWholeSavesOnly()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("xword.mdb");
        const quint32 seed = QRandomGenerator::global()->generate();
        qInfo("delays from seed %u", seed);
        QRandomGenerator random(seed);
        // Enough kills to land in every step of a save many times over, few enough to
        // stay quick.
        const int kills = 200;
        for (int round = 0; round < kills; ++round) {
            QProcess saver;
            saver.start(helperPath, {path});
            saver.write("loop\n");
            // One whole save first, so that every round proves progress; then the kill
            // falls somewhere in the saves that follow.
            QCOMPARE(nextLine(saver), "saved");
            QTest::qSleep(int(random.bounded(8)));
            QCOMPARE(saver.state(), QProcess::Running);
            saver.kill();  // SIGKILL: no chance to tidy up
            QVERIFY(saver.waitForFinished(10000));
            QCOMPARE(saver.exitStatus(), QProcess::CrashExit);
        }

        Peer peer(path);
        QCOMPARE(peer.rows("PRAGMA integrity_check"), QStringList{"ok"});
        // Each clue reads "b<batch>k<place>/<size>": a whole batch has every place once,
        // all under one CrossID.
        const QString batches =
            "SELECT substr(Clue, 1, instr(Clue, 'k')) AS batch, count(*) AS n, "
            "count(DISTINCT Clue) AS places, count(DISTINCT CrossID) AS ids, "
            "max(CAST(substr(Clue, instr(Clue, '/') + 1) AS INTEGER)) AS size "
            "FROM Clues GROUP BY batch";
        QCOMPARE(peer.rows("SELECT * FROM (" + batches +
                           ") WHERE n != size OR places != n OR ids != 1 OR batch NOT LIKE 'b%k'"),
                 QStringList());
        QVERIFY(peer.rows("SELECT count(*) FROM (" + batches + ")").value(0).toInt() >= kills);
        // A crossword's row and its first batch are one save.
        QCOMPARE(peer.rows("SELECT CrossID FROM CrosswordID "
                           "WHERE CrossID NOT IN (SELECT CrossID FROM Clues)"),
                 QStringList());
    }

    // The file changes while the program runs, or may not be written by the user: reading
    // still works, a save says why it cannot and keeps every byte of the file. Each step is
    // a command to the program with what its answer holds (names: is), or a change made to
    // the file or its folder meanwhile.
    void followsTheFileAsItChanges_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("read-only file, then writable")
            << QStringList{"store A|stored", "file read-only", "store B|the file is read-only",
                           "names|A",        "file writable",  "store B|stored",
                           "names|A,B"};
        QTest::newRow("read-only folder") << QStringList{
            "store A|stored", "folder read-only", "store B|its folder is read-only", "names|A"};
        QTest::newRow("a new file in a read-only folder") << QStringList{
            "folder read-only", "store A|cannot be opened: the file cannot be opened"};
        QTest::newRow("deleted, so created again as at start-up")
            << QStringList{"store A|stored", "delete", "names|", "store B|stored", "names|B"};
        QTest::newRow("replaced by another copy") << QStringList{
            "store A|stored", "replace", "names|Other", "store B|stored", "names|Other,B"};
    }
    void followsTheFileAsItChanges()
    {
        QFETCH(QStringList, steps);
        // Root writes whatever the permissions say: as root, a copy of the helper runs as
        // nobody, to whom they apply.
        QTemporaryDir top;
        const QString folder = top.filePath("puzzles");
        QStringList command{top.filePath("storage_helper"), folder + "/xword.mdb"};
        if (geteuid() == 0) {
            const QString runuser = QStandardPaths::findExecutable("runuser");
            if (runuser.isEmpty())
                QSKIP("running as root without runuser: no user to whom the file is read-only");
            command = QStringList{runuser, "-u", "nobody", "--"} + command;
        }
        QVERIFY(QFile::copy(helperPath, top.filePath("storage_helper")) && QDir().mkdir(folder));
        QCOMPARE(::chmod(qPrintable(top.path()), 0755) + ::chmod(qPrintable(folder), 0777), 0);
        const QString path = command.last();
        QProcess program;
        program.start(command.first(), command.mid(1));
        for (const QString& step : steps) {
            const QString change = step.section(' ', 1);
            const QString target = step.startsWith("folder") ? folder : path;
            if (step == "delete") {
                QVERIFY(QFile::remove(path));
            } else if (step == "replace") {
                const QString copy = folder + "/copy.mdb";
                QVERIFY(CrosswordDatabase(copy).storeClues("Other", QSize(5, 5), {}).ok());
                QCOMPARE(::chmod(qPrintable(copy), 0666), 0);
                QCOMPARE(::rename(qPrintable(copy), qPrintable(path)), 0);
            } else if (change == "read-only" || change == "writable") {
                QCOMPARE(::chmod(qPrintable(target), change == "writable" ? 0777 : 0555), 0);
            } else {
                const bool existed = QFile::exists(path);
                const QByteArray before = fileBytes(path);
                program.write((step.section('|', 0, 0) + "\n").toUtf8());
                const QString answer = nextLine(program);
                const QString expected = step.section('|', 1);
                if (step.startsWith("names") || expected == "stored") {
                    QCOMPARE(answer, expected);
                } else {
                    QVERIFY2(answer.contains(expected) && answer.contains(path),
                             qPrintable(answer));
                    QCOMPARE(fileBytes(path), before);
                    QCOMPARE(QFile::exists(path), existed);
                }
            }
        }
        program.closeWriteChannel();
        QVERIFY(program.waitForFinished(10000));
        ::chmod(qPrintable(folder), 0777);
    }
};

QUILLGRID_TEST(SecondProgramTest);
#include "SecondProgramTest.moc"
