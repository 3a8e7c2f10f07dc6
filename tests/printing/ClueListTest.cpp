#include "RecordingPrintDevice.h"
#include "TestCrosswords.h"
#include "printing/ClueList.h"
#include "printing/WrapLine.h"
#include "support/TestRegistry.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

namespace {

// Clues as "7a Clue text" or "12d Clue text", in the order they were added.
PuzzleState withClues(const QStringList& clues)
{
    PuzzleState state = TestCrosswords::empty(15, 15);
    for (const QString& clue : clues) {
        const qsizetype split = clue.indexOf(u' ');
        const auto number = qint16(clue.left(split - 1).toInt());
        state.clueTable[state.clueCount++] = {clue.mid(split + 1),    "A", 0, 0, number,
                                              clue[split - 1] == u'a'};
    }
    return state;
}

struct Dialog : RecordedRun {
    PuzzleState state;
    ClueList list{state, device, ui};

    explicit Dialog(const PuzzleState& crossword) : state(crossword) {}
    QPlainTextEdit* tbClues() const { return list.findChild<QPlainTextEdit*>("tbClues"); }
    void print() { list.findChild<QPushButton*>("Print")->click(); }
};

}  // namespace

class ClueListTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void listsAcrossThenDownByNumber_data()
    {
        QTest::addColumn<QStringList>("clues");
        QTest::addColumn<QString>("listing");
        QTest::newRow("no clues") << QStringList{} << "Across:\r\n\r\nDown:\r\n\r\n";
        QTest::newRow("5 down, 1 across, 3 across, 2 down")
            << QStringList{"5d Five", "1a One", "3a Three", "2d Two"}
            << "Across:\r\n 1. One\r\n 3. Three\r\n\r\nDown:\r\n 2. Two\r\n 5. Five\r\n\r\n";
        QTest::newRow("two digits keep their blank")
            << QStringList{"12a Twelve", "9a Nine"}
            << "Across:\r\n 9. Nine\r\n 12. Twelve\r\n\r\nDown:\r\n\r\n";
        // The exchange procedure, not a stable sort, settles equal numbers.
        QTest::newRow("equal numbers in the exchange order")
            << QStringList{"5a A", "3a B", "3a C", "1a D"}
            << "Across:\r\n 1. D\r\n 3. C\r\n 3. B\r\n 5. A\r\n\r\nDown:\r\n\r\n";
        QTest::newRow("a clue running right to left, isolated")
            << QStringList{QStringLiteral("2d \u05e9\u05dc\u05d5\u05dd (5)")}
            << QStringLiteral(
                   "Across:\r\n\r\nDown:\r\n 2. \u2068\u05e9\u05dc\u05d5\u05dd (5)\u2069\r\n\r\n");
    }
    void listsAcrossThenDownByNumber()
    {
        QFETCH(QStringList, clues);
        QFETCH(QString, listing);
        Dialog dialog(withClues(clues));
        // Built again each time it is shown, and the same each time.
        dialog.list.show();
        dialog.list.hide();
        dialog.list.show();
        QCOMPARE(dialog.list.listing(), listing);
        QCOMPARE(dialog.tbClues()->toPlainText(), QString(listing).replace("\r\n", "\n"));
        QVERIFY(dialog.tbClues()->isReadOnly());
    }

    // At its own size where the screen has room; run again at a scale of 2, where the
    // offscreen screen has room for 400 x 400 only, wholly on it, Print below the list.
    // Each line runs left to right, the clue a run of its own: a long Arabic clue keeps its
    // number first, on one line.
    void showsEachLineWholeWithinTheScreen()
    {
        Dialog dialog(
            withClues({"26a " + QStringLiteral("\u0645\u0631\u062d\u0628\u0627 ").repeated(40)}));
        dialog.list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog.list));
        const QRect room = dialog.list.screen()->availableGeometry();
        const QRect print = dialog.list.findChild<QPushButton*>("Print")->geometry();
        QVERIFY(room.contains(dialog.list.frameGeometry()));
        QVERIFY(dialog.list.rect().contains(print));
        QVERIFY(print.top() > dialog.tbClues()->geometry().bottom());
        if (room.height() >= 523)
            QCOMPARE(dialog.list.size(), QSize(463, 523));
        // Enter in the list is no print command: nothing is asked, nothing printed.
        QTest::keyClick(dialog.tbClues(), Qt::Key_Return);
        QCOMPARE(dialog.ui.shown.size() + dialog.device.marks.size(), 0);

        const QTextBlock block = dialog.tbClues()->document()->findBlockByNumber(1);
        QVERIFY(block.layout() && block.layout()->lineCount() == 1);
        const QTextLine line = block.layout()->lineAt(0);
        // The cursor before the "2" of " 26. ", left of every later position.
        const qreal number = line.cursorToX(1);
        QVERIFY2(number < 20, qPrintable(QString::number(number)));
        for (int i = 2; i < block.length(); ++i)
            QVERIFY2(line.cursorToX(i) > number, qPrintable(QString::number(i)));
    }

    // A character no font has (from a private-use plane) would be a gap on paper: before
    // anything is printed, the setter is asked about the clue or title that holds it.
    void asksBeforePrintingWhatWouldLeaveGaps_data()
    {
        QTest::addColumn<QString>("clue");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QList<bool>>("replies");
        QTest::addColumn<QString>("asked");
        const QString odd = QStringLiteral("Odd \U000F0000");
        QTest::newRow("emoji joined and selected")
            << QStringLiteral("Owl \U0001F989\u200d\u2764\ufe0f") << "Title" << QList<bool>{}
            << "";
        QTest::newRow("a clue, declined")
            << odd << "Title" << QList<bool>{false} << "Across:  1. " + odd;
        QTest::newRow("the title, declined") << "Pet" << odd << QList<bool>{false} << odd;
    }
    void asksBeforePrintingWhatWouldLeaveGaps()
    {
        QFETCH(QString, clue);
        QFETCH(QString, title);
        QFETCH(QList<bool>, replies);
        QFETCH(QString, asked);
        Dialog dialog(withClues({"1a " + clue}));
        dialog.ui.promptReplies = {title};
        dialog.ui.questionReplies = replies;
        dialog.print();
        QString questions;
        for (const auto& shown : dialog.ui.shown)
            questions += shown.kind == "question" ? shown.text + u'\f' : QString();
        QCOMPARE(questions.count(u'\f'), replies.size());
        QVERIFY(questions.contains(asked));
        const bool printed = replies.isEmpty() || replies.constLast();
        QCOMPARE(dialog.device.marksOf("text").size(), printed ? 6 : 0);
    }

    // From 25 mm down in Arial 10, a line of 25 dots on the recording device; 75 mm below
    // that hold 17 lines: the 74 lines of 70 clues make five pages.
    void printsTheListOverAsManyPagesAsItNeeds_data()
    {
        QTest::addColumn<int>("clues");
        QTest::addColumn<int>("pages");
        QTest::newRow("70 clues") << 70 << 5;
        // The final empty line would be the only line of a second page.
        QTest::newRow("the last clue fills the page") << 14 << 1;
    }
    void printsTheListOverAsManyPagesAsItNeeds()
    {
        QFETCH(int, clues);
        QFETCH(int, pages);
        QStringList added;
        for (int n = 1; n <= clues; ++n)
            added << QStringLiteral("%1%2 Clue %1").arg(n).arg(n % 2 ? u'a' : u'd');
        Dialog dialog(withClues(added));
        dialog.device.printableMm = {203, 100};
        dialog.print();

        const QStringList lines = dialog.list.listing().split("\r\n");
        const auto texts = dialog.device.marksOf("text");
        QCOMPARE(texts.size(), 1 + std::min(clues + 4, 17 * pages));
        QCOMPARE(dialog.device.marksOf("page").size(), pages - 1);
        for (qsizetype i = 1; i < texts.size(); ++i) {
            QCOMPARE(texts[i].text + '@' + texts[i].style, lines[i - 1] + "@Arial 10");
            QCOMPARE(texts[i].page, int(1 + (i - 1) / 17));
            QCOMPARE(texts[i].rect.topLeft(), QPointF(0, 25 * 150 / 25.4 + (i - 1) % 17 * 25));
        }
    }

    void wrapsALineWiderThanThePage_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("pieces");
        // Ten characters to the line.
        QTest::newRow("exactly fits") << "aaaa bbbbb" << QStringList{"aaaa bbbbb"};
        QTest::newRow("breaks at the last blank that fits")
            << "aaaa bbbb cccc" << QStringList{"aaaa bbbb", "cccc"};
        QTest::newRow("keeps the blank before the number")
            << " 7. aaaa bbbb" << QStringList{" 7. aaaa", "bbbb"};
        QTest::newRow("a word wider than the page is cut, as often as needed")
            << "abcdefghijklmnopqrstuvwxy" << QStringList{"abcdefghij", "klmnopqrst", "uvwxy"};
        QTest::newRow("a character of two halves is never cut")
            << QStringLiteral("abcdefghi\U0001F989jk")
            << QStringList{"abcdefghi", QStringLiteral("\U0001F989jk")};
        QTest::newRow("nor beside a letter of a script whose breaks Qt tailors")
            << QStringLiteral("\U0001F989\u0989\U0001F989\u0989\U0001F989\u0989\U0001F989\u0989")
            << QStringList{QStringLiteral("\U0001F989\u0989\U0001F989\u0989\U0001F989\u0989"),
                           QStringLiteral("\U0001F989\u0989")};
    }
    void wrapsALineWiderThanThePage()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, pieces);
        QCOMPARE(wrapLine(line, 10, [](const QString& text) { return qreal(text.size()); }),
                 pieces);
    }
};

QUILLGRID_TEST(ClueListTest);
#include "ClueListTest.moc"
