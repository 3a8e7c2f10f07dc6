#include "NotingUi.h"
#include "RecordingPrintDevice.h"
#include "TestCrosswords.h"
#include "printing/GridPrintouts.h"
#include "support/ScriptedUi.h"
#include "support/TestRegistry.h"

#include <QTest>

namespace {

using Printout = void (*)(const PuzzleState&, PrintDevice&, Ui&);

// The crossword of a row: the small one, as placed or with entries the editor would not
// make, to show which entry a cell's number comes from.
PuzzleState crossword(const QString& name)
{
    PuzzleState state = TestCrosswords::small();
    if (name == QLatin1String("a clue named in a black cell"))
        state.clueTable[state.clueCount++] = {"Stray", "X", 2, 1, 2, true};
    if (name == QLatin1String("a later entry in the top left cell"))
        state.clueTable[state.clueCount++] = {"Later", "CAT", 0, 0, 7, true};
    if (name == QLatin1String("no clues"))
        state = TestCrosswords::empty(3, 2);
    return state;
}

Printout printoutNamed(const QString& name)
{
    return name == QLatin1String("blank") ? printBlankGrid : printSolutionGrid;
}

// Each text after the title as "text@x,y/points/b" (bold) or ".../r".
QStringList textsAfterTitle(const RecordingPrintDevice& device)
{
    QStringList texts;
    const auto marks = device.marksOf(QStringLiteral("text"));
    for (qsizetype i = 1; i < marks.size(); ++i) {
        const auto& mark = marks[i];
        texts << QStringLiteral("%1@%2,%3/%4/%5")
                     .arg(mark.text)
                     .arg(mark.rect.x())
                     .arg(mark.rect.y())
                     .arg(mark.fontSize)
                     .arg(mark.bold ? QStringLiteral("b") : QStringLiteral("r"));
        if (mark.fontName != QLatin1String("Arial") || !mark.transparent)
            texts << QStringLiteral("not transparent Arial");
    }
    return texts;
}

struct Run {
    RecordingPrintDevice device;
    ScriptedUi scripted;
    NotingUi ui{scripted, device};

    Run() { device.installed = {{QStringLiteral("Office"), PageOrientation::Portrait}}; }
};

}  // namespace

class GridPrintoutsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void printsNumbersAndLettersWhereTheyBelong_data()
    {
        QTest::addColumn<QString>("printout");
        QTest::addColumn<QString>("crossword");
        QTest::addColumn<QStringList>("texts");
        // At 150 dpi the grid starts at (74, 207); cells are 56 x 42 dots.
        QTest::newRow("blank: bold at +5,+5") << "blank"
                                              << "as placed" << QStringList{" 1@79,212/7/b"};
        QTest::newRow("blank: a black cell still gets its number")
            << "blank"
            << "a clue named in a black cell" << QStringList{" 1@79,212/7/b", " 2@191,254/7/b"};
        QTest::newRow("blank: the first entry's number")
            << "blank"
            << "a later entry in the top left cell" << QStringList{" 1@79,212/7/b"};
        QTest::newRow("blank: no clues, no numbers") << "blank"
                                                     << "no clues" << QStringList{};
        QTest::newRow("solution: regular at +3,+3, letters at +23,+16")
            << "solution"
            << "as placed"
            << QStringList{" 1@77,210/7/r", "C@97,223/11/r", "O@97,265/11/r", "A@153,223/11/r",
                           "T@209,223/11/r"};
        QTest::newRow("solution: a black cell never gets a number")
            << "solution"
            << "a clue named in a black cell"
            << QStringList{" 1@77,210/7/r", "C@97,223/11/r", "O@97,265/11/r", "A@153,223/11/r",
                           "T@209,223/11/r"};
        QTest::newRow("solution: the first entry's number")
            << "solution"
            << "a later entry in the top left cell"
            << QStringList{" 1@77,210/7/r", "C@97,223/11/r", "O@97,265/11/r", "A@153,223/11/r",
                           "T@209,223/11/r"};
        QTest::newRow("solution: no clues, nothing but boxes") << "solution"
                                                               << "no clues" << QStringList{};
    }
    void printsNumbersAndLettersWhereTheyBelong()
    {
        QFETCH(QString, printout);
        QFETCH(QString, crossword);
        QFETCH(QStringList, texts);
        Run run;
        run.scripted.promptReplies = {QStringLiteral("Title")};
        printoutNamed(printout)(::crossword(crossword), run.device, run.ui);
        QCOMPARE(textsAfterTitle(run.device), texts);
        // The reference point is shown once, after the title and before the first cell.
        QCOMPARE(run.device.marks.at(0).text, QStringLiteral("Title"));
        QCOMPARE(run.device.marks.at(1).kind, QStringLiteral("message"));
        QCOMPARE(run.device.marks.at(1).text, QStringLiteral(" 59   177"));
        QCOMPARE(run.device.marks.at(2).kind, QStringLiteral("box"));
        QCOMPARE(run.device.marksOf(QStringLiteral("message")).size(), 1);
        QCOMPARE(run.device.marksOf(QStringLiteral("end")).size(), 1);
    }

    // Both print-outs frame the cells alike, column by column.
    void drawsTheCellsColumnByColumn_data()
    {
        QTest::addColumn<QString>("printout");
        QTest::newRow("blank") << "blank";
        QTest::newRow("solution") << "solution";
    }
    void drawsTheCellsColumnByColumn()
    {
        QFETCH(QString, printout);
        Run run;
        run.scripted.promptReplies = {QStringLiteral("Title")};
        printoutNamed(printout)(TestCrosswords::small(), run.device, run.ui);

        QStringList boxes;
        for (const auto& mark : run.device.marks) {
            if (mark.kind == QLatin1String("box") || mark.kind == QLatin1String("fill")) {
                boxes << QStringLiteral("%1 %2,%3-%4,%5")
                             .arg(mark.kind)
                             .arg(mark.rect.left())
                             .arg(mark.rect.top())
                             .arg(mark.rect.right())
                             .arg(mark.rect.bottom());
            }
        }
        const QStringList expected = {
            "box 74,207-130,249",  "fill 76,209-128,247",   // C
            "box 74,249-130,291",  "fill 76,251-128,289",   // O
            "box 130,207-186,249", "fill 132,209-184,247",  // A
            "box 130,249-186,291",                          // black
            "box 186,207-242,249", "fill 188,209-240,247",  // T
            "box 186,249-242,291",                          // black
        };
        QCOMPARE(boxes, expected);
        for (const auto& box : run.device.marksOf(QStringLiteral("box"))) {
            QVERIFY(box.solidFill);
            QCOMPARE(box.colour, QColor(Qt::black));
        }
        for (const auto& fill : run.device.marksOf(QStringLiteral("fill")))
            QCOMPARE(fill.colour, QColor(Qt::white));
    }

    void cancelledTitlePrintsTheGridAnyway()
    {
        Run run;
        run.scripted.promptReplies = {std::nullopt};
        printBlankGrid(TestCrosswords::small(), run.device, run.ui);
        QCOMPARE(run.device.marks.at(0).text, QString());
        QCOMPARE(run.device.marksOf(QStringLiteral("box")).size(), 6);
        QCOMPARE(run.device.marksOf(QStringLiteral("end")).size(), 1);
    }

    void aLargeGridStillFitsThePage()
    {
        PuzzleState state = TestCrosswords::empty(30, 30);
        TestCrosswords::place(state, "Last", "Z", 29, 29, 1, true);
        Run run;
        run.scripted.promptReplies = {QStringLiteral("Title")};
        printSolutionGrid(state, run.device, run.ui);

        // 224 dpi on A4's 203 x 290 mm: the grid's right edge, 1783, within 1790.
        QCOMPARE(run.device.dotsPerInch(), 224);
        QCOMPARE(run.scripted.messages(), QStringList{" 88   265"});
        const auto last = run.device.marksOf(QStringLiteral("box")).constLast();
        QCOMPARE(last.rect.right(), 1783);
        QVERIFY(last.rect.right() <= run.device.printableSize().width() * 224 / 25.4);
        QVERIFY(last.rect.bottom() <= 290 * 224 / 25.4);
        QCOMPARE(run.device.marksOf(QStringLiteral("box")).size(), 900);
    }

    void abandonsWhenThePrinterCannotStart()
    {
        Run run;
        run.device.startFailure = QStringLiteral("The printer \"Office\" could not be started.");
        run.scripted.promptReplies = {QStringLiteral("Title")};
        printSolutionGrid(TestCrosswords::small(), run.device, run.ui);
        // The failure is the only message: no reference point, nothing drawn.
        QCOMPARE(run.scripted.messages(), QStringList{run.device.startFailure});
        QVERIFY(run.device.marksOf(QStringLiteral("box")).isEmpty());
    }
};

QUILLGRID_TEST(GridPrintoutsTest);
#include "GridPrintoutsTest.moc"
