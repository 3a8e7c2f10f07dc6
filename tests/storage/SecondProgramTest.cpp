#include "StorageDesk.h"
#include "support/TestRegistry.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTest>

#include <unistd.h>

using namespace StorageTestKit;

namespace {

const QString helperPath = QStringLiteral(QUILLGRID_STORAGE_HELPER);

// Enough kills to land in every step of a save many times over, few enough to stay quick.
constexpr int kills = 200;

const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther |
                                    QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
const QFile::Permissions everyoneWrites =
    readOnly | QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;

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
        for (int round = 0; round < kills; ++round) {
            QProcess saver;
            saver.start(helperPath, {"loop", path});
            QVERIFY2(saver.waitForStarted(), qPrintable(saver.errorString()));
            // One whole save first, so that every round proves progress; then the kill
            // falls somewhere in the saves that follow.
            QByteArray line;
            while (!line.startsWith("saved")) {
                if (!saver.canReadLine())
                    QVERIFY2(saver.waitForReadyRead(10000), line.constData());
                line = saver.readLine();
            }
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
        QVERIFY(peer.count("(" + batches + ")") >= kills);
        // A crossword's row and its first batch are one save.
        QCOMPARE(peer.count("CrosswordID WHERE CrossID NOT IN (SELECT CrossID FROM Clues)"), 0);
    }

    // The file or its folder may not be written by the user: reading still works, a save
    // says why it cannot, and the file keeps every byte.
    void aFileThatMayNotBeWrittenIsReportedAndKept_data()
    {
        QTest::addColumn<bool>("fileExists");
        QTest::addColumn<bool>("fileReadOnly");  // otherwise the folder is
        QTest::addColumn<QString>("reason");
        QTest::newRow("read-only file") << true << true << "the file is read-only";
        QTest::newRow("read-only folder") << true << false << "its folder is read-only";
        QTest::newRow("a new file in a read-only folder") << false << false << "cannot be opened";
    }
    void aFileThatMayNotBeWrittenIsReportedAndKept()
    {
        QFETCH(bool, fileExists);
        QFETCH(bool, fileReadOnly);
        QFETCH(QString, reason);
        // Root writes whatever the permissions say; someone else has to try.
        QStringList command;
        if (geteuid() == 0) {
            const QString runuser = QStandardPaths::findExecutable("runuser");
            if (runuser.isEmpty())
                QSKIP("running as root without runuser: no user to whom the file is read-only");
            command = {runuser, "-u", "nobody", "--"};
        }
        QTemporaryDir top;
        QFile::setPermissions(top.path(), readOnly | QFile::WriteOwner);
        const QString folder = top.filePath("puzzles");
        QVERIFY(QDir().mkdir(folder));
        // The helper is copied where the other user may run it, whoever owns the build.
        command << top.filePath("storage_helper");
        QVERIFY(QFile::copy(helperPath, command.last()));
        QFile::setPermissions(command.last(), readOnly);

        const QString path = folder + "/xword.mdb";
        if (fileExists) {
            QVERIFY(CrosswordDatabase(path).storeClues("Old", QSize(5, 5), {}).ok());
            QFile::setPermissions(path, fileReadOnly ? readOnly : everyoneWrites);
        }
        QFile::setPermissions(folder, fileReadOnly ? everyoneWrites : readOnly);
        const QByteArray before = fileBytes(path);
        // What the helper printed, after its exit code.
        const auto run = [&](const QStringList& arguments) {
            QProcess program;
            program.start(command.first(), command.mid(1) + arguments);
            program.waitForFinished(20000);
            return QString::number(program.exitCode()) + ": " + program.readAllStandardOutput();
        };
        const QString said = run({"store", path, "New"});
        QVERIFY2(said.startsWith("1: ") && said.contains(reason) && said.contains(path),
                 qPrintable(said));
        QCOMPARE(fileBytes(path), before);
        QCOMPARE(QFile::exists(path), fileExists);
        if (fileExists) {
            QCOMPARE(run({"names", path}), "0: Old\n");
            QCOMPARE(fileBytes(path), before);
        }
        QFile::setPermissions(folder, everyoneWrites);
    }
};

QUILLGRID_TEST(SecondProgramTest);
#include "SecondProgramTest.moc"
