// The fill help at the size of the largest scored lists: reading 500,000 words, pattern
// queries over them, earlier clues in a database of 30,000 crosswords (2.1 million clue
// rows), and a key press in the answer box with the fill help open.
//   bench_fill FOLDER [RUNS]   the table rows; the list and the databases are made once
//                              in FOLDER

#include "BenchTable.h"
#include "editing/ClueForm.h"
#include "fill/WordLists.h"
#include "model/PuzzleState.h"
#include "storage/CrosswordDatabase.h"
#include "storage/EarlierCluesQuery.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>
#include <cstring>
#include <random>
#include <vector>

namespace {

constexpr int listSize = 500000;
constexpr int crosswords = 30000;
constexpr int cluesEach = 70;

std::string ms(double value)
{
    return bench::format(value < 0.1 ? "%.4f ms" : "%.2f ms", value);
}

double mb(long kb)
{
    return kb / 1024.0;
}

struct Runs {
    std::vector<double> wall, cpu;
    void add(const bench::Stopwatch& watch)
    {
        wall.push_back(watch.wallMs());
        cpu.push_back(watch.cpuMs());
    }
};

// Lower-case words of 3 to 30 letters, most of them short as in real lists, letters
// drawn by their frequency in English, scores spread over 0..100. The same every time.
QString makeList(const QDir& folder)
{
    const QString path = folder.filePath(QStringLiteral("words-500000.txt"));
    if (QFileInfo(path).size() > 0)
        return path;
    std::mt19937 random(20);
    const char* letters =
        "eeeeeeeeeeeetttttttttaaaaaaaaooooooooiiiiiiinnnnnnnsssssshhhhhhrrrrrr"
        "ddddllllcccuuummwwffggyyppbbvkjxqz";
    const int letterCount = int(std::strlen(letters));
    std::discrete_distribution<int> length({0, 0, 0, 6, 10, 14, 15, 14, 12, 10, 8, 6, 5, 4, 3, 3,
                                            2, 2, 1, 1, 1,  1,  1,  1,  1,  1,  1, 1, 1, 1, 1});
    QFile file(path + QStringLiteral(".part"));
    if (!file.open(QIODevice::WriteOnly))
        return {};
    QByteArray text;
    QSet<QByteArray> made;
    while (made.size() < listSize) {
        const int size = length(random);
        QByteArray word;
        for (int k = 0; k < size; ++k)
            word += letters[random() % letterCount];
        if (made.contains(word))
            continue;
        made.insert(word);
        text += word + ';' + QByteArray::number(int(random() % 101)) + '\n';
    }
    file.write(text);
    file.close();
    QFile::rename(file.fileName(), path);
    return path;
}

struct Pattern {
    QString text;  // A-Z or ?
    QString kind;
};

// For every length from 3 to 30: nothing fixed, every other letter of a listed word
// fixed, and all of its letters fixed.
std::vector<Pattern> patterns(const QStringList& words)
{
    std::vector<Pattern> made;
    for (int length = 3; length <= 30; ++length) {
        QString word;
        for (const QString& listed : words) {
            if (listed.size() == length) {
                word = listed;
                break;
            }
        }
        QString some = word;
        for (int k = 1; k < some.size(); k += 2)
            some[k] = u'?';
        made.push_back({QString(length, u'?'), QStringLiteral("none")});
        made.push_back({some, QStringLiteral("some")});
        made.push_back({word, QStringLiteral("all")});
    }
    return made;
}

QStringList wordsOf(const QString& path)
{
    QStringList words;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return words;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        words << QString::fromLatin1(line.left(line.indexOf(';'))).toUpper();
    }
    return words;
}

QStringList linesOf(const QString& path)
{
    QStringList read;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return read;
    QTextStream stream(&file);
    QString line;
    while (stream.readLineInto(&line))
        read << line;
    return read;
}

// In a process of its own, which has only started: what reading the list once costs in
// memory, as "peak held" in kilobytes above the process before it.
int loadOnce(const QString& mode, const QString& path)
{
    const long idle = bench::statusKb("VmRSS");
    bench::resetPeak();
    LoadedLists loaded;
    QStringList lines;
    if (mode == u"--load-once")
        loaded = loadWordLists({{path}, 0});
    else
        lines = linesOf(path);
    std::printf("%ld %ld\n", bench::statusKb("VmHWM") - idle, bench::statusKb("VmRSS") - idle);
    return 0;
}

std::pair<double, double> memoryOf(const char* mode, const QString& path)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(mode), path});
    child.waitForFinished(-1);
    const QList<QByteArray> kb = child.readAllStandardOutput().trimmed().split(' ');
    return {mb(kb.value(0).toLong()), mb(kb.value(1).toLong())};
}

void measureList(const QString& path, int runs)
{
    const WordListChoice choice{{path}, 0};
    Runs loads, lines;
    qsizetype words = 0;
    for (int i = 0; i < runs; ++i) {
        const bench::Stopwatch watch;
        const LoadedLists loaded = loadWordLists(choice);
        loads.add(watch);
        words = loaded.index->size();
    }
    for (int i = 0; i < runs; ++i) {
        const bench::Stopwatch watch;
        const QStringList read = linesOf(path);
        lines.add(watch);
    }
    const auto [peak, held] = memoryOf("--load-once", path);
    const auto [linesPeak, linesHeld] = memoryOf("--lines-once", path);
    const double load = bench::median(loads.wall);
    const double baseline = bench::median(lines.wall);
    bench::row(
        "load a scored list of 500,000 words (" + bench::format("%.0f", double(words)) + " kept)",
        ms(load) + " (processor " + ms(bench::median(loads.cpu)) + "), peak " +
            bench::format("%.1f MB above idle, ", peak) + bench::format("%.1f MB held", held),
        ms(baseline) + " (processor " + ms(bench::median(lines.cpu)) +
            bench::format("), peak %.1f MB, ", linesPeak) +
            bench::format("%.1f MB held (lines into a QStringList)", linesHeld),
        load / baseline, "< 400 ms; < 60 MB", load < 400 && peak < 60);
}

void measureQueries(const QString& path, int runs)
{
    const LoadedLists loaded = loadWordLists({{path}, 0});
    const QStringList words = wordsOf(path);
    const std::vector<Pattern> made = patterns(words);
    // Each pattern's own median; the worst is the slowest pattern's, so that a moment
    // in which another program had the processor counts against no pattern.
    std::vector<std::vector<double>> times(made.size());
    for (int i = 0; i < runs; ++i) {
        for (std::size_t p = 0; p < made.size(); ++p) {
            QElapsedTimer timer;
            timer.start();
            WordMatches matches = loaded.index->matching(made[p].text);
            const auto first = matches.next(300);  // what the list shows at once
            times[p].push_back(timer.nsecsElapsed() / 1e6);
            if (made[p].kind == u"all" && first.empty())
                std::fprintf(stderr, "no match for %s\n", qPrintable(made[p].text));
        }
    }
    std::vector<double> all;
    double worst = 0;
    QString worstPattern;
    for (std::size_t p = 0; p < made.size(); ++p) {
        const double median = bench::median(times[p]);
        all.insert(all.end(), times[p].begin(), times[p].end());
        if (median > worst) {
            worst = median;
            worstPattern = made[p].text;
        }
    }
    const double slowestRun = *std::max_element(all.begin(), all.end());
    // The baselines, once over every pattern: a regular expression over the same words,
    // and grep over the same file.
    std::vector<double> scans, greps;
    for (const Pattern& pattern : made) {
        const QString expression = QString(pattern.text).replace(u'?', u'.');
        const QRegularExpression regex(u'^' + expression + u'$',
                                       QRegularExpression::CaseInsensitiveOption);
        QElapsedTimer timer;
        timer.start();
        qsizetype found = 0;
        for (const QString& word : words)
            found += regex.match(word).hasMatch() ? 1 : 0;
        scans.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        QProcess grep;
        grep.start(QStringLiteral("grep"),
                   {QStringLiteral("-c"), QStringLiteral("-i"), QStringLiteral("-E"),
                    u'^' + expression + QStringLiteral(";"), path});
        grep.waitForFinished(-1);
        greps.push_back(timer.nsecsElapsed() / 1e6);
        if (grep.readAllStandardOutput().trimmed().toLongLong() !=
            loaded.index->matching(pattern.text).count())
            std::fprintf(stderr, "grep counts %s otherwise\n", qPrintable(pattern.text));
        (void)found;
    }
    const double median = bench::median(all);
    bench::row(
        "pattern query over 500,000 words, lengths 3 to 30, none, some or all letters "
        "fixed (count and first 300)",
        ms(median) + ", worst pattern " + ms(worst) + " (" + worstPattern.toStdString() +
            "), slowest single run " + ms(slowestRun),
        ms(bench::median(scans)) + " (QRegularExpression scan); " + ms(bench::median(greps)) +
            " (grep -c -E, process included)",
        median / bench::median(scans), "median < 1 ms, worst < 5 ms", median < 1 && worst < 5);
}

class Connection {
public:
    explicit Connection(const QString& path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path);
        db.open();
    }
    ~Connection() { QSqlDatabase::removeDatabase(name_); }
    bool run(const QString& statement) const
    {
        QSqlQuery query(QSqlDatabase::database(name_));
        if (query.exec(statement))
            return true;
        std::fprintf(stderr, "%s: %s\n", qPrintable(statement),
                     qPrintable(query.lastError().text()));
        return false;
    }

private:
    const QString name_ = QStringLiteral("bench-fill");
};

// Answer number k: four letters, 40,000 of them, so each has about 52 clues.
QString answerSql(const QString& number)
{
    return QStringLiteral(
               "char(65 + (%1) %% 26, 65 + (%1) / 26 %% 26, 65 + (%1) / 676 %% 26, "
               "65 + (%1) / 17576 %% 26)")
        .arg(number)
        .replace(QStringLiteral("%%"), QStringLiteral("%"));
}

QString answerNumber(int k)
{
    QString answer;
    for (int place = 1; place <= 17576; place *= 26)
        answer += QChar(u'A' + (k / place) % 26);
    return answer;
}

// Made by Quillgrid's own database code, so it has the index on answers; a copy without
// the index stands for a file another program made.
std::pair<QString, QString> makeDatabases(const QDir& folder)
{
    const QString path = folder.filePath(QStringLiteral("earlier-clues-30000.mdb"));
    const QString bare = folder.filePath(QStringLiteral("earlier-clues-30000-no-index.mdb"));
    if (QFile::exists(path) && QFile::exists(bare))
        return {path, bare};
    const QString building = path + QStringLiteral(".building");
    QFile::remove(building);
    QElapsedTimer timer;
    timer.start();
    {
        CrosswordDatabase db(building);
        db.names();
    }
    {
        const Connection connection(building);
        connection.run(QStringLiteral("BEGIN"));
        connection.run(
            QStringLiteral("INSERT INTO CrosswordID (Name, GridX, GridY) WITH RECURSIVE "
                           "n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                           "SELECT 'Crossword ' || i, 15, 15 FROM n")
                .arg(crosswords));
        connection.run(
            QStringLiteral("INSERT INTO Clues (CrossID, CluePos, Across, Clue, CluePosX, "
                           "CluePosY, Answer) WITH RECURSIVE k(j) AS (SELECT 0 UNION ALL "
                           "SELECT j + 1 FROM k WHERE j < %1) SELECT w.CrossID, j + 1, j % 2, "
                           "'Clue ' || j || ' of crossword ' || w.CrossID, j % 15, j % 15, %2 "
                           "FROM CrosswordID w, k ORDER BY w.CrossID, j")
                .arg(cluesEach - 1)
                .arg(answerSql(QStringLiteral("(w.CrossID * 70 + j) * 7919 % 40000"))));
        connection.run(QStringLiteral("COMMIT"));
    }
    QFile::remove(bare);
    QFile::copy(building, bare);
    {
        const Connection connection(bare);
        connection.run(QStringLiteral("DROP INDEX CluesAnswer"));
    }
    QFile::rename(building, path);
    std::fprintf(stderr, "built %s in %.1f s\n", qPrintable(path), timer.elapsed() / 1e3);
    return {path, bare};
}

void measureEarlierClues(const QString& path, const QString& bare, int runs)
{
    std::vector<double> indexed, unindexed;
    double worst = 0;
    qsizetype found = 0;
    for (int i = 0; i < runs * 5; ++i) {
        const QString answer = answerNumber((i * 7001) % 40000);
        QElapsedTimer timer;
        timer.start();
        const EarlierClues clues = earlierCluesFor(path, answer);
        const double took = timer.nsecsElapsed() / 1e6;
        indexed.push_back(took);
        worst = std::max(worst, took);
        found += clues.found.size();
        if (!clues.problem.isEmpty())
            std::fprintf(stderr, "%s\n", qPrintable(clues.problem));
    }
    for (int i = 0; i < std::min(runs, 5); ++i) {
        QElapsedTimer timer;
        timer.start();
        earlierCluesFor(bare, answerNumber((i * 7001) % 40000));
        unindexed.push_back(timer.nsecsElapsed() / 1e6);
    }
    const double median = bench::median(indexed);
    bench::row("earlier clues for one answer, 30,000 crosswords, 2.1 million clue rows (" +
                   bench::format("%.0f", double(found) / indexed.size()) +
                   " clues an answer on average)",
               ms(median) + ", worst " + ms(worst) + " (connection opened and closed)",
               ms(bench::median(unindexed)) + " (the same file without the index)",
               median / bench::median(unindexed), "< 5 ms", median < 5);
}

// Each key press and release sent to the focused answer box, and everything it set off
// (the words listed, the list and the dialog painted) done before the clock stops. One
// row of times per run, one time per key.
struct Presses {
    std::vector<std::vector<double>> wall, cpu;
};

void typeInto(ClueForm& form, const QString& letters, Presses& presses)
{
    auto* answer = form.findChild<QLineEdit*>(QStringLiteral("answer"));
    presses.wall.emplace_back();
    presses.cpu.emplace_back();
    const auto press = [&](Qt::Key key, const QString& text) {
        const bench::Stopwatch watch;
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(answer, &down);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(answer, &up);
        QApplication::processEvents();
        form.repaint();
        presses.wall.back().push_back(watch.wallMs());
        presses.cpu.back().push_back(watch.cpuMs());
    };
    for (const QChar letter : letters)
        press(Qt::Key(letter.toUpper().unicode()), letter);
    for (qsizetype k = 0; k < letters.size(); ++k)
        press(Qt::Key_Backspace, QString());
}

std::vector<double> flat(const std::vector<std::vector<double>>& runs)
{
    std::vector<double> all;
    for (const auto& run : runs)
        all.insert(all.end(), run.begin(), run.end());
    return all;
}

// The slowest key's median over the runs.
double slowestKey(const std::vector<std::vector<double>>& runs)
{
    double slowest = 0;
    for (std::size_t key = 0; key < runs.front().size(); ++key) {
        std::vector<double> times;
        for (const auto& run : runs)
            times.push_back(run[key]);
        slowest = std::max(slowest, bench::median(times));
    }
    return slowest;
}

void measureKeyPresses(const QString& list, const QString& bare, int runs)
{
    WordLists lists;
    lists.load({{list}, 0});
    while (lists.loading())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    PuzzleState state;
    state.reset(30, 30);
    state.gridLetters[5][0] = QStringLiteral("E");
    ClueForm plain(state);
    ClueForm helped(state);
    // The slowest lookup there is: a file without the index, scanned at every key press.
    helped.addFillHelp(lists,
                       [bare](const QString& answer) { return earlierCluesFor(bare, answer); });
    helped.startAt(QPoint(0, 0));
    Presses withHelp, without;
    for (ClueForm* form : {&plain, &helped}) {
        form->show();
        form->findChild<QLineEdit*>(QStringLiteral("answer"))->setFocus();
        QApplication::processEvents();
        for (int i = 0; i < runs; ++i)
            typeInto(*form, QStringLiteral("stationery"), form == &helped ? withHelp : without);
        form->hide();
    }
    const std::vector<double> wall = flat(withHelp.wall);
    const std::vector<double> cpu = flat(withHelp.cpu);
    const double slowestCpu = *std::max_element(cpu.begin(), cpu.end());
    const double median = bench::median(wall);
    bench::row(
        "key press in the answer box, fill help open, 500,000 words, 30-cell run, "
        "earlier clues from a file without the index",
        ms(median) + "; slowest key " + ms(slowestKey(withHelp.wall)) + "; slowest single press " +
            ms(*std::max_element(wall.begin(), wall.end())) + " (processor " + ms(slowestCpu) +
            ")",
        ms(bench::median(flat(without.wall))) + " (the dialog without the fill help)",
        median / bench::median(flat(without.wall)),
        "never over 16 ms (slowest press, processor time; slowest key, clock)",
        slowestCpu < 16 && slowestKey(withHelp.wall) < 16);
}

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The fill help reads whether it is shown from the settings: not the user's own.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: bench_fill FOLDER [RUNS]\n");
        return 2;
    }
    if (args.at(1).endsWith(QStringLiteral("-once")))
        return loadOnce(args.at(1), args.value(2));
    QDir folder(args.at(1));
    folder.mkpath(QStringLiteral("."));
    const int runs = args.size() > 2 ? std::max(3, args.at(2).toInt()) : 21;
    const QString list = makeList(folder);
    measureList(list, std::min(runs, 9));
    measureQueries(list, runs);
    const auto [indexed, bare] = makeDatabases(folder);
    measureEarlierClues(indexed, bare, runs);
    measureKeyPresses(list, bare, std::max(3, runs / 4));
    return 0;
}
