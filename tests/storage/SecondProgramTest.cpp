#include "StorageTestKit.h"
#include "storage/CrosswordDatabase.h"
#include "support/TestRegistry.h"

#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace StorageTestKit;

namespace {

const QString helperPath = QStringLiteral(QUILLGRID_STORAGE_HELPER);

// Enough kills to land in every step of a save many times over, few enough to stay quick.
constexpr int kills = 200;

void setMode(const QString& path, QFile::Permissions permissions)
{
    QFile::setPermissions(path, permissions);
}

const QFile::Permissions readable =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
const QFile::Permissions everyoneWrites = readable | QFile::WriteGroup | QFile::WriteOther;
const QFile::Permissions folderReadable =
    readable | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;
const QFile::Permissions folderEveryoneWrites =
    everyoneWrites | QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther;

}  // namespace

class SecondProgramTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A program saving in a loop, killed at random moments: the file stays sound and
    // every crossword in it holds whole saves only.
    void killedMidSaveLeavesWholeSavesOnly()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("xword.mdb"));
        const quint32 seed = QRandomGenerator::global()->generate();
        qInfo("delays from seed %u", seed);
        QRandomGenerator random(seed);
        int killedWhileRunning = 0;
        for (int round = 0; round < kills; ++round) {
            QProcess saver;
            saver.start(helperPath, {QStringLiteral("loop"), path});
            QVERIFY2(saver.waitForStarted(), qPrintable(saver.errorString()));
            // One whole save first, so that every round proves progress; then the kill
            // falls somewhere in the saves that follow.
            QByteArray line;
            while (!line.startsWith("saved")) {
                if (!saver.canReadLine())
                    QVERIFY2(saver.waitForReadyRead(10000),
                             saver.readAllStandardError().constData());
                line = saver.readLine();
            }
            QTest::qSleep(int(random.bounded(8)));
            if (saver.state() == QProcess::Running)
                ++killedWhileRunning;
            saver.kill();  // SIGKILL: no chance to tidy up
            QVERIFY(saver.waitForFinished(10000));
            QCOMPARE(saver.exitStatus(), QProcess::CrashExit);
        }
        QCOMPARE(killedWhileRunning, kills);

        Peer peer(path);
        QCOMPARE(peer.rows(QStringLiteral("PRAGMA integrity_check")), QStringList{"ok"});
        struct Batch {
            qint64 crossId = 0;
            int size = 0;
            QList<int> places;
        };
        QHash<QString, Batch> batches;
        const QRegularExpression tag(QStringLiteral("^b([0-9.]+)k([0-9]+)/([0-9]+)$"));
        const QStringList rows =
            peer.rows(QStringLiteral("SELECT CrossID, Clue FROM Clues ORDER BY rowid"));
        for (const QString& row : rows) {
            const QString crossId = row.section(QLatin1Char('|'), 0, 0);
            const auto match = tag.match(row.section(QLatin1Char('|'), 1));
            QVERIFY2(match.hasMatch(), qPrintable(row));
            Batch& batch = batches[match.captured(1)];
            if (batch.places.isEmpty()) {
                batch.crossId = crossId.toLongLong();
                batch.size = match.captured(3).toInt();
            }
            QCOMPARE(crossId.toLongLong(), batch.crossId);
            batch.places << match.captured(2).toInt();
        }
        for (auto each = batches.cbegin(); each != batches.cend(); ++each) {
            QList<int> whole(each->size);
            std::iota(whole.begin(), whole.end(), 0);
            QVERIFY2(each->places == whole,
                     qPrintable(QStringLiteral("batch %1").arg(each.key())));
        }
        // A crossword's row and its first batch are one save.
        QCOMPARE(peer.count(QStringLiteral(
                     "CrosswordID WHERE CrossID NOT IN (SELECT CrossID FROM Clues)")),
                 0);
        QVERIFY(batches.size() >= kills);
        qInfo("%lld crosswords, %lld batches, %lld clue rows after %d kills",
              peer.count(QStringLiteral("CrosswordID")), qint64(batches.size()),
              qint64(rows.size()), kills);
    }

    // The file or its folder may not be written by the user: reading still works, a save
    // says why it cannot, and the file keeps every byte.
    void aFileThatMayNotBeWrittenIsReportedAndKept_data()
    {
        QTest::addColumn<bool>("fileExists");
        QTest::addColumn<QFile::Permissions>("fileMode");
        QTest::addColumn<QFile::Permissions>("folderMode");
        QTest::addColumn<QString>("reason");
        QTest::newRow("read-only file")
            << true << readable << folderEveryoneWrites << "the file is read-only";
        QTest::newRow("read-only folder")
            << true << everyoneWrites << folderReadable << "its folder is read-only";
        QTest::newRow("a new file in a read-only folder")
            << false << everyoneWrites << folderReadable << "cannot be opened";
    }
    void aFileThatMayNotBeWrittenIsReportedAndKept()
    {
        QFETCH(bool, fileExists);
        QFETCH(QFile::Permissions, fileMode);
        QFETCH(QFile::Permissions, folderMode);
        QFETCH(QString, reason);

        // Root writes whatever the permissions say; someone else has to try.
        QStringList asUser;
        if (geteuid() == 0) {
            const QString runuser = QStandardPaths::findExecutable(QStringLiteral("runuser"));
            if (runuser.isEmpty())
                QSKIP("running as root without runuser: no user to whom the file is read-only");
            asUser = {runuser, QStringLiteral("-u"), QStringLiteral("nobody"),
                      QStringLiteral("--")};
        }
        QTemporaryDir top;
        setMode(top.path(), folderReadable);
        const QString folder = top.filePath(QStringLiteral("puzzles"));
        QVERIFY(QDir().mkdir(folder));
        // The helper is copied where the other user may run it, whoever owns the build.
        const QString helper = top.filePath(QStringLiteral("storage_helper"));
        QVERIFY(QFile::copy(helperPath, helper));
        setMode(helper, folderReadable);

        const QString path = folder + QStringLiteral("/xword.mdb");
        if (fileExists) {
            CrosswordDatabase db(path);
            QVERIFY(db.storeClues(QStringLiteral("Old"), QSize(5, 5), {}).ok());
            setMode(path, fileMode);
        }
        setMode(folder, folderMode);
        const QByteArray before = fileBytes(path);

        const auto run = [&](const QStringList& arguments) {
            QProcess program;
            QStringList command = asUser;
            command << helper << arguments;
            program.start(command.takeFirst(), command);
            program.waitForFinished(20000);
            return std::pair(program.exitCode(),
                             QString::fromUtf8(program.readAllStandardOutput()));
        };
        const auto [storeCode, storeSaid] = run({QStringLiteral("store"), path, "New"});
        QCOMPARE(storeCode, 1);
        QVERIFY2(storeSaid.contains(reason), qPrintable(storeSaid));
        QVERIFY2(storeSaid.contains(path), qPrintable(storeSaid));
        QCOMPARE(fileBytes(path), before);
        QCOMPARE(QFile::exists(path), fileExists);
        if (fileExists) {
            const auto [namesCode, names] = run({QStringLiteral("names"), path});
            QCOMPARE(namesCode, 0);
            QCOMPARE(names.trimmed(), QStringLiteral("Old"));
            QCOMPARE(fileBytes(path), before);
        }
        setMode(folder, folderEveryoneWrites);
    }
};

QUILLGRID_TEST(SecondProgramTest);
#include "SecondProgramTest.moc"
