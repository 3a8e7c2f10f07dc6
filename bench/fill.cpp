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
    for (int i = 0; i < listSize; ++i) {
        const int size = length(random);
        for (int k = 0; k < size; ++k)
            text += letters[random() % letterCount];
        text += ';' + QByteArray::number(int(random() % 101)) + '\n';
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

void measureList(const QString& path, int runs)
{
    const WordListChoice choice{{path}, 0};
    std::vector<double> loads, lines;
    long peakRise = 0, heldRise = 0, lineRise = 0;
    qsizetype words = 0;
    for (int i = 0; i < runs; ++i) {
        const long before = bench::statusKb("VmRSS");
        bench::resetPeak();
        QElapsedTimer timer;
        timer.start();
        LoadedLists loaded = loadWordLists(choice);
        loads.push_back(timer.nsecsElapsed() / 1e6);
        peakRise = std::max(peakRise, bench::statusKb("VmHWM") - before);
        heldRise = std::max(heldRise, bench::statusKb("VmRSS") - before);
        words = loaded.index->size();
    }
    for (int i = 0; i < runs; ++i) {
        const long before = bench::statusKb("VmRSS");
        bench::resetPeak();
        QElapsedTimer timer;
        timer.start();
        QStringList read;
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        QTextStream stream(&file);
        QString line;
        while (stream.readLineInto(&line))
            read << line;
        lines.push_back(timer.nsecsElapsed() / 1e6);
        lineRise = std::max(lineRise, bench::statusKb("VmHWM") - before);
    }
    const double load = bench::median(loads);
    const double baseline = bench::median(lines);
    bench::row(
        bench::format("load a scored list of 500,000 lines (%.0f distinct words)", double(words)),
        ms(load) + bench::format(", peak %.1f MB above idle", mb(peakRise)) +
            bench::format(" (%.1f MB held)", mb(heldRise)),
        ms(baseline) + bench::format(" (lines into a QStringList, peak %.1f MB)", mb(lineRise)),
        load / baseline, "< 400 ms; < 60 MB", load < 400 && mb(peakRise) < 60);
}

void measureQueries(const QString& path, int runs)
{
    const LoadedLists loaded = loadWordLists({{path}, 0});
    const QStringList words = wordsOf(path);
    const std::vector<Pattern> made = patterns(words);
    std::vector<double> times;
    double worst = 0;
    QString worstPattern;
    for (int i = 0; i < runs; ++i) {
        for (const Pattern& pattern : made) {
            QElapsedTimer timer;
            timer.start();
            WordMatches matches = loaded.index->matching(pattern.text);
            const auto first = matches.next(300);  // what the list shows at once
            const double took = timer.nsecsElapsed() / 1e6;
            times.push_back(took);
            if (took > worst) {
                worst = took;
                worstPattern = pattern.text;
            }
            if (pattern.kind == u"all" && first.empty())
                std::fprintf(stderr, "no match for %s\n", qPrintable(pattern.text));
        }
    }
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
    const double median = bench::median(times);
    bench::row(
        "pattern query over 500,000 words, lengths 3 to 30, none, some or all letters "
        "fixed (count and first 300)",
        ms(median) + ", worst " + ms(worst) + " (" + worstPattern.toStdString() + ")",
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
    bench::row(bench::format("earlier clues for one answer, 30,000 crosswords, 2.1 million "
                             "clue rows (%.0f clues an answer on average)",
                             double(found) / indexed.size()),
               ms(median) + ", worst " + ms(worst) + " (connection opened and closed)",
               ms(bench::median(unindexed)) + " (the same file without the index)",
               median / bench::median(unindexed), "< 5 ms", median < 5);
}

// Each key press and release sent to the focused answer box, and everything it set off
// (the words listed, the list and the dialog painted) done before the clock stops.
std::vector<double> typeInto(ClueForm& form, const QString& letters)
{
    auto* answer = form.findChild<QLineEdit*>(QStringLiteral("answer"));
    std::vector<double> times;
    const auto press = [&](Qt::Key key, const QString& text) {
        QElapsedTimer timer;
        timer.start();
        QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(answer, &down);
        QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(answer, &up);
        QApplication::processEvents();
        form.repaint();
        times.push_back(timer.nsecsElapsed() / 1e6);
    };
    for (const QChar letter : letters)
        press(Qt::Key(letter.toUpper().unicode()), letter);
    for (qsizetype k = 0; k < letters.size(); ++k)
        press(Qt::Key_Backspace, QString());
    return times;
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
    std::vector<double> withHelp, without;
    for (ClueForm* form : {&plain, &helped}) {
        form->show();
        form->findChild<QLineEdit*>(QStringLiteral("answer"))->setFocus();
        QApplication::processEvents();
        for (int i = 0; i < runs; ++i) {
            const std::vector<double> times = typeInto(*form, QStringLiteral("stationery"));
            (form == &helped ? withHelp : without)
                .insert((form == &helped ? withHelp : without).end(), times.begin(), times.end());
        }
        form->hide();
    }
    const double worst = *std::max_element(withHelp.begin(), withHelp.end());
    bench::row(
        "key press in the answer box, fill help open, 500,000 words, 30-cell run, "
        "earlier clues from a file without the index",
        ms(bench::median(withHelp)) + ", worst " + ms(worst),
        ms(bench::median(without)) + " (the dialog without the fill help)",
        bench::median(withHelp) / bench::median(without), "never over 16 ms", worst < 16);
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
