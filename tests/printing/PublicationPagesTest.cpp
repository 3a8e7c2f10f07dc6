#include "TestCrosswords.h"
#include "printing/PuzzlePage.h"
#include "printing/QtPrintDevice.h"
#include "support/Ink.h"
#include "support/ScriptedUi.h"
#include "support/TestRegistry.h"

#include <poppler-qt6.h>

#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <tuple>

namespace {

constexpr qreal pointsPerMm = 72 / 25.4;
constexpr int pixelsPerInch = 150;
constexpr qreal pixelsPerMm = pixelsPerInch / 25.4;

// A square crossword with every cell lettered, each row and column cut into answers of the
// lengths given (top rows first), each clue of ordinary length and its own text.
PuzzleState filled(int size, const QList<QList<int>>& cuts)
{
    static const QStringList words =
        QStringLiteral(
            "Old river crossing for a quiet cart that carries bread over the hill to town at dawn")
            .split(' ');
    PuzzleState state = TestCrosswords::empty(size, size);
    QMap<QPair<int, int>, int> numbers;
    const auto numberAt = [&](int x, int y) {
        return numbers.contains({y, x}) ? numbers[{y, x}] : numbers[{y, x}] = numbers.size() + 1;
    };
    for (const bool across : {true, false}) {
        for (int line = 0; line < size; ++line) {
            int at = 0;
            for (const int length : cuts[line % cuts.size()]) {
                const int x = across ? at : line;
                const int y = across ? line : at;
                QString answer;
                for (int k = 0; k < length; ++k)
                    answer += QChar(u'A' + (x + y + k) % 26);
                const int n = int(state.cluesInUse().size());
                const QString text =
                    words.mid(n % 9, 3 + n % 5).join(' ') + " #" + QString::number(n);
                TestCrosswords::place(state, text, answer, x, y, numberAt(x, y), across);
                at += length;
            }
        }
    }
    return state;
}

// The grid: the rows of the page whose longest dark run is over half the widest one.
QRectF gridOnPage(const QImage& page)
{
    QList<std::pair<int, int>> runs;  // the longest run of each row: start, length
    int widest = 0;
    for (int y = 0; y < page.height(); ++y) {
        std::pair<int, int> best{0, 0};
        for (int x = 0, start = 0; x <= page.width(); ++x) {
            if (x < page.width() && qGray(page.pixel(x, y)) < 128)
                continue;
            if (x - start > best.second)
                best = {start, x - start};
            start = x + 1;
        }
        runs << best;
        widest = std::max(widest, best.second);
    }
    QRectF grid;
    for (int y = 0; y < page.height(); ++y) {
        if (runs[y].second > widest / 2)
            grid |= QRectF(runs[y].first, y, runs[y].second, 1);
    }
    return QRectF(grid.topLeft() / pixelsPerMm, grid.size() / pixelsPerMm);
}

// The words below `topPt` column after column, each column line by line. A column is a
// stretch of the page's width that words cover, with white wider than 4 mm either side.
QString columnText(const std::vector<std::unique_ptr<Poppler::TextBox>>& boxes, qreal topPt)
{
    QList<QRectF> words;
    for (const auto& box : boxes) {
        if (box->boundingBox().top() > topPt)
            words << box->boundingBox();
    }
    QList<std::pair<qreal, qreal>> columns;
    for (const QRectF& word : words)
        columns.append({word.left(), word.right()});
    std::sort(columns.begin(), columns.end());
    for (qsizetype i = 1; i < columns.size();) {
        if (columns[i].first < columns[i - 1].second + 4 * pointsPerMm) {
            columns[i - 1].second = std::max(columns[i - 1].second, columns[i].second);
            columns.remove(i);
        } else {
            ++i;
        }
    }
    const auto column = [&](const QRectF& word) {
        return std::count_if(columns.begin(), columns.end(),
                             [&](const auto& c) { return c.second < word.left(); });
    };
    QList<std::tuple<qsizetype, int, qreal, QString>> order;
    for (const auto& box : boxes) {
        const QRectF word = box->boundingBox();
        if (word.top() > topPt)
            order.append({column(word), qRound(word.top()), word.left(), box->text()});
    }
    std::sort(order.begin(), order.end());
    QStringList text;
    for (const auto& each : order)
        text << std::get<3>(each);
    return text.join(u' ');
}

}  // namespace

class PublicationPagesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    void pagesReadBackWhole_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QSizeF>("paperMm");
        QTest::addColumn<int>("size");
        QTest::addColumn<QList<QList<int>>>("cuts");
        QTest::addColumn<int>("pages");  // of the puzzle; 0 where it may take more than one
        const QList<QList<int>> fifteen = {{5, 5, 5}, {5, 5, 5}, {5, 5, 5}, {7, 8}, {7, 8}};
        const QList<QList<int>> thirty = {{10, 10, 10}};
        const QSizeF a4(210, 297);
        const QSizeF letter(215.9, 279.4);
        QTest::newRow("A4, 15 x 15, 78 clues") << "en_GB" << a4 << 15 << fifteen << 1;
        QTest::newRow("Letter, 15 x 15, 78 clues") << "en_US" << letter << 15 << fifteen << 1;
        QTest::newRow("A4, 30 x 30, 180 clues") << "de_DE" << a4 << 30 << thirty << 0;
        QTest::newRow("Letter, 30 x 30, 180 clues") << "en_US" << letter << 30 << thirty << 0;
    }
    void pagesReadBackWhole()
    {
        QFETCH(QString, locale);
        QFETCH(QSizeF, paperMm);
        QFETCH(int, size);
        QFETCH(QList<QList<int>>, cuts);
        QFETCH(int, pages);
        QLocale::setDefault(QLocale(locale));
        const PuzzleState state = filled(size, cuts);

        for (const bool solution : {false, true}) {
            QTemporaryDir dir;
            ScriptedUi ui;
            ui.pdfFileReply = dir.filePath("page.pdf");
            ui.promptReplies = {QStringLiteral("Club Newsletter")};
            QtPrintDevice device([] { return QList<InstalledPrinter>(); });
            (solution ? printSolutionPage : printPuzzlePage)(state, device, ui);
            QCOMPARE(ui.messages(), QStringList());
            const auto document = Poppler::Document::load(ui.pdfFileReply);
            QVERIFY(document);
            QVERIFY(pages == 0 || solution || document->numPages() == pages);

            QString title;
            QString text;
            QStringList letters;
            for (int p = 0; p < document->numPages(); ++p) {
                const auto page = document->page(p);
                QVERIFY(qAbs(page->pageSizeF().width() / pointsPerMm - paperMm.width()) < 0.5);
                QVERIFY(qAbs(page->pageSizeF().height() / pointsPerMm - paperMm.height()) < 0.5);
                const QRectF inked = QRectF(QPointF(), paperMm).adjusted(15, 15, -15, -15);
                const auto boxes = page->textList();
                for (size_t i = 0; i < boxes.size(); ++i) {
                    const QRectF box(boxes[i]->boundingBox().topLeft() / pointsPerMm,
                                     boxes[i]->boundingBox().size() / pointsPerMm);
                    QVERIFY2(inked.contains(box), qPrintable(boxes[i]->text()));
                    for (size_t j = 0; j < i; ++j) {
                        const QRectF common = boxes[i]->boundingBox() & boxes[j]->boundingBox();
                        QVERIFY2(common.width() < 0.01 || common.height() < 0.01,
                                 qPrintable(boxes[i]->text() + " on " + boxes[j]->text()));
                    }
                    if (boxes[i]->text().size() == 1 && boxes[i]->text()[0].isUpper())
                        letters << boxes[i]->text();
                }
                if (p == 0)
                    title = page->text(QRectF()).simplified();
                // Ink too, the grid's lines included.
                const QImage picture = page->renderToImage(pixelsPerInch, pixelsPerInch);
                const QRect ink = darkBounds(picture);
                const QRectF inkMm(QPointF(ink.topLeft()) / pixelsPerMm,
                                   QSizeF(ink.size()) / pixelsPerMm);
                QVERIFY(inked.adjusted(-0.2, -0.2, 0.2, 0.2).contains(inkMm));
                qreal cluesTop = 0;
                if (p == 0) {
                    const QRectF grid = gridOnPage(picture);
                    cluesTop = grid.bottom() * pointsPerMm;
                    QVERIFY(qAbs(grid.width() - grid.height()) < 0.3);
                    QVERIFY(qAbs(grid.center().x() - paperMm.width() / 2) < 1);
                }
                text += columnText(boxes, cluesTop) + ' ';
            }

            text = text.simplified();
            QVERIFY(title.startsWith(solution ? "Solution: Club Newsletter" : "Club Newsletter"));
            if (solution) {
                QCOMPARE(letters.size(), size * size);
                continue;
            }
            for (const ClueEntry& clue : state.cluesInUse()) {
                const QString printed = QStringLiteral("%1 %2 (%3)")
                                            .arg(clue.number)
                                            .arg(clue.clue)
                                            .arg(clue.answer.size());
                QVERIFY2(text.count(printed) == 1, qPrintable(printed));
            }
        }
    }
};

QUILLGRID_TEST(PublicationPagesTest);
#include "PublicationPagesTest.moc"
