#include "RecordingPrintDevice.h"
#include "TestCrosswords.h"
#include "app/Main.h"
#include "printing/ClueList.h"
#include "printing/CluePrintout.h"
#include "support/ScriptedUi.h"
#include "support/TestRegistry.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace {

// Clues as "7a Clue text" or "12d Clue text", in the order they were added.
PuzzleState withClues(const QStringList& clues)
{
    PuzzleState state = TestCrosswords::empty(15, 15);
    for (const QString& clue : clues) {
        const qsizetype split = clue.indexOf(u' ');
        const bool across = clue.at(split - 1) == u'a';
        state.clueTable[state.clueCount++] = {clue.mid(split + 1),
                                              QStringLiteral("A"),
                                              0,
                                              0,
                                              qint16(clue.left(split - 1).toInt()),
                                              across};
    }
    return state;
}

QString listingOf(const PuzzleState& state)
{
    ClueTable sortedClues{};
    const int count = ClueListing::sortClues(state, sortedClues);
    return ClueListing::listingText(sortedClues, count);
}

struct Dialog {
    PuzzleState state;
    RecordingPrintDevice device{150, {203, 290}};
    ScriptedUi ui;
    ClueList list{state, device, ui};

    explicit Dialog(const PuzzleState& crossword) : state(crossword)
    {
        device.installed = {{QStringLiteral("Office"), PageOrientation::Portrait}};
        list.Form_Activate();
    }
    QPlainTextEdit* tbClues() const { return list.findChild<QPlainTextEdit*>("tbClues"); }
    QPushButton* print() const { return list.findChild<QPushButton*>("Print"); }
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
        QTest::newRow("one number across and down")
            << QStringList{"1a Sideways", "1d Falling"}
            << "Across:\r\n 1. Sideways\r\n\r\nDown:\r\n 1. Falling\r\n\r\n";
        QTest::newRow("two digits keep their blank")
            << QStringList{"12a Twelve", "9a Nine"}
            << "Across:\r\n 9. Nine\r\n 12. Twelve\r\n\r\nDown:\r\n\r\n";
        QTest::newRow("only down clues") << QStringList{"2d Two", "1d One"}
                                         << "Across:\r\n\r\nDown:\r\n 1. One\r\n 2. Two\r\n\r\n";
        // The exchange procedure, not a stable sort, settles equal numbers.
        QTest::newRow("equal numbers in the exchange order")
            << QStringList{"5a A", "3a B", "3a C", "1a D"}
            << "Across:\r\n 1. D\r\n 3. C\r\n 3. B\r\n 5. A\r\n\r\nDown:\r\n\r\n";
    }
    void listsAcrossThenDownByNumber()
    {
        QFETCH(QStringList, clues);
        QFETCH(QString, listing);
        const PuzzleState state = withClues(clues);
        QCOMPARE(listingOf(state), listing);

        Dialog dialog(state);
        QCOMPARE(dialog.list.listing(), listing);
        QCOMPARE(dialog.tbClues()->toPlainText(),
                 QString(listing).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }

    void showingAgainGivesTheSameTextAndKeepsTheTableOrder()
    {
        const PuzzleState state = withClues({"5d Five", "1a One", "3a Three", "2d Two"});
        const auto tableBefore = state.clueTable;
        Dialog dialog(state);
        const QString first = dialog.tbClues()->toPlainText();
        dialog.list.show();
        dialog.list.hide();
        dialog.list.show();
        QCOMPARE(dialog.tbClues()->toPlainText(), first);
        QCOMPARE(dialog.list.listing(),
                 "Across:\r\n 1. One\r\n 3. Three\r\n\r\nDown:\r\n 2. Two\r\n 5. Five\r\n\r\n");
        dialog.ui.promptReplies = {QStringLiteral("Title")};
        dialog.print()->click();
        QCOMPARE(dialog.state.clueTable, tableBefore);
        QCOMPARE(state.clueTable, tableBefore);
    }

    void looksAsLaidOut()
    {
        Dialog dialog(TestCrosswords::small());
        dialog.list.show();
        QCOMPARE(dialog.list.windowTitle(), QStringLiteral("List Of All Clues"));
        QCOMPARE(dialog.list.objectName(), QStringLiteral("ClueList"));
        QCOMPARE(dialog.list.size(), QSize(463, 523));
        QCOMPARE(dialog.tbClues()->geometry(), QRect(0, 0, 465, 473));
        QVERIFY(dialog.tbClues()->isReadOnly());
        QVERIFY(dialog.tbClues()->verticalScrollBar()->isVisible());
        QVERIFY(dialog.tbClues()->horizontalScrollBar()->isVisible());
        QCOMPARE(dialog.print()->text(), QStringLiteral("Print"));
        QCOMPARE(dialog.print()->geometry(), QRect(192, 488, 81, 25));
        QWidget* next = dialog.tbClues()->nextInFocusChain();
        while (dialog.tbClues()->isAncestorOf(next))
            next = next->nextInFocusChain();
        QCOMPARE(next, dialog.print());
    }

    void printsTheHeadingThenTheListFrom25mm()
    {
        Dialog dialog(withClues({"5d Five", "1a One"}));
        dialog.ui.promptReplies = {std::nullopt};
        dialog.print()->click();

        const auto texts = dialog.device.marksOf(QStringLiteral("text"));
        QStringList lines;
        for (const auto& mark : texts)
            lines << mark.text;
        QCOMPARE(lines, QStringList({"", "Across:", " 1. One", "", "Down:", " 5. Five", ""}));
        QCOMPARE(texts[0].fontSize, 14);
        QVERIFY(texts[0].bold);
        const qreal dotsPerMm = 150 / 25.4;
        const qreal lineHeight = 1.2 * 10 / 72 * 150;  // the recording device's line
        for (qsizetype i = 1; i < texts.size(); ++i) {
            QCOMPARE(texts[i].fontName, QStringLiteral("Arial"));
            QCOMPARE(texts[i].fontSize, 10);
            QVERIFY(!texts[i].bold);
            QCOMPARE(texts[i].rect.x(), 0);
            QCOMPARE(texts[i].rect.y(), 25 * dotsPerMm + (i - 1) * lineHeight);
        }
        QCOMPARE(dialog.device.marksOf(QStringLiteral("end")).size(), 1);
        QVERIFY(dialog.device.marksOf(QStringLiteral("page")).isEmpty());
        // Printing can be repeated; the window stays.
        dialog.ui.promptReplies = {QStringLiteral("Again")};
        dialog.print()->click();
        QCOMPARE(dialog.device.marksOf(QStringLiteral("end")).size(), 2);
    }

    void aLongListGoesOnOverFurtherPages()
    {
        QStringList clues;
        for (int n = 1; n <= 70; ++n)
            clues << QStringLiteral("%1%2 Clue %1").arg(n).arg(n % 2 ? u'a' : u'd');
        Dialog dialog(withClues(clues));
        dialog.device = RecordingPrintDevice(150, {203, 100});
        dialog.device.installed = {{QStringLiteral("Office"), PageOrientation::Portrait}};
        dialog.ui.promptReplies = {QStringLiteral("Title")};
        dialog.print()->click();

        // 75 mm below 25 mm hold 17 lines of 4.23 mm: 74 lines make five pages.
        const auto texts = dialog.device.marksOf(QStringLiteral("text"));
        QCOMPARE(texts.size(), 1 + 74);
        QCOMPARE(texts.constLast().page, 5);
        QCOMPARE(dialog.device.marksOf(QStringLiteral("page")).size(), 4);
        const qreal top = 25 * 150 / 25.4;
        const qreal bottom = 100 * 150 / 25.4;
        for (qsizetype i = 1; i < texts.size(); ++i) {
            QVERIFY(texts[i].rect.y() >= top - 0.01);
            QVERIFY(texts[i].rect.y() + 1.2 * 10 / 72 * 150 <= bottom + 0.01);
            if (texts[i].page != texts[i - 1].page)
                QCOMPARE(texts[i].rect.y(), top);
        }
        QCOMPARE(texts[18].page, 2);
        QCOMPARE(texts[17].page, 1);
    }

    void wrapsALineWiderThanThePage_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QStringList>("pieces");
        // Ten characters to the line.
        QTest::newRow("fits") << "short" << QStringList{"short"};
        QTest::newRow("exactly fits") << "aaaa bbbbb" << QStringList{"aaaa bbbbb"};
        QTest::newRow("breaks at the last blank that fits")
            << "aaaa bbbb cccc" << QStringList{"aaaa bbbb", "cccc"};
        QTest::newRow("keeps the blank before the number")
            << " 7. aaaa bbbb" << QStringList{" 7. aaaa", "bbbb"};
        QTest::newRow("a word wider than the page is cut")
            << "abcdefghijklmno" << QStringList{"abcdefghij", "klmno"};
        QTest::newRow("three pieces")
            << "aaa bbb ccc ddd eee fff" << QStringList{"aaa bbb", "ccc ddd", "eee fff"};
        QTest::newRow("empty line") << "" << QStringList{""};
    }
    void wrapsALineWiderThanThePage()
    {
        QFETCH(QString, line);
        QFETCH(QStringList, pieces);
        const auto measure = [](const QString& text) { return qreal(text.size()); };
        QCOMPARE(wrapLine(line, 10, measure), pieces);
    }

    void bothCommandsShowTheList()
    {
        ScriptedUi ui;
        Main main(&ui);
        auto device = std::make_unique<RecordingPrintDevice>();
        device->installed = {{QStringLiteral("Office"), PageOrientation::Portrait}};
        RecordingPrintDevice& printed = *device;
        main.setPrintDevice(std::move(device));
        main.state() = withClues({"2a Two", "1d One"});
        QString shownText;
        ui.dialogActions <<
            [&](QDialog& dialog) { shownText = static_cast<ClueList&>(dialog).listing(); };
        ui.dialogActions << [&](QDialog& dialog) {
            ui.promptReplies = {QStringLiteral("Title")};
            dialog.findChild<QPushButton*>("Print")->click();
        };
        main.mnuViewClues_Click();
        main.mnuPrintClues_Click();
        QCOMPARE(ui.modalDialogs, QStringList({"ClueList", "ClueList"}));
        QCOMPARE(shownText, "Across:\r\n 2. Two\r\n\r\nDown:\r\n 1. One\r\n\r\n");
        QCOMPARE(ui.shown.size(), 1);
        QCOMPARE(ui.shown[0].text, QStringLiteral("Enter Title for the Crossword:"));
        QCOMPARE(printed.marksOf(QStringLiteral("text")).at(2).text, QStringLiteral(" 2. Two"));
    }
};

QUILLGRID_TEST(ClueListTest);
#include "ClueListTest.moc"
