#include "../printing/TestCrosswords.h"
#include "exchange/CrosswordCheck.h"
#include "support/TestRegistry.h"

#include <QTest>

#include <functional>

using Change = std::function<void(PuzzleState&)>;
Q_DECLARE_METATYPE(Change)

namespace {

using TestCrosswords::place;

QString cellList(const QList<QPoint>& cells)
{
    QStringList names;
    for (const QPoint cell : cells)
        names << QStringLiteral("%1,%2").arg(cell.x()).arg(cell.y());
    return names.join(u' ');
}

}  // namespace

class CrosswordCheckTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void findsWhatASetterChecks_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<QString>("found");  // part of the one finding looked at
        QTest::addColumn<QString>("cells");  // its cells
        QTest::addColumn<int>("findings");
        QTest::newRow("nothing wrong") << Change([](PuzzleState&) {}) << ""
                                       << "" << 0;
        QTest::newRow("answers touching end to end")
            << Change([](PuzzleState& s) { place(s, "Whichever", "ANY", 3, 0, 4, true); })
            << "Row 1, columns 1 to 6 read CATANY"
            << "0,0 1,0 2,0 3,0 4,0 5,0" << 4;
        QTest::newRow("answers side by side")
            << Change([](PuzzleState& s) { place(s, "Pod seed", "PEA", 2, 2, 4, true); })
            << "Column 4, rows 2 to 3 read WE"
            << "3,1 3,2" << 2;
        QTest::newRow("an answer crossing no other")
            << Change([](PuzzleState& s) { place(s, "Ocean", "SEA", 4, 3, 4, true); })
            << "4 across (\"Ocean\") crosses no other answer"
            << "4,3 5,3 6,3" << 1;
        QTest::newRow("the same answer twice")
            << Change([](PuzzleState& s) { place(s, "Feline", "CAT", 4, 3, 4, true); })
            << "have the same answer, CAT"
            << "0,0 1,0 2,0 4,3 5,3 6,3" << 2;
        QTest::newRow("the same clue, spaced and cased otherwise")
            << Change([](PuzzleState& s) { s.clueTable[3].clue = QStringLiteral(" pet "); })
            << "have the same clue"
            << "0,0 1,0 2,0 2,1 3,1 4,1" << 1;
        QTest::newRow("a clue a .puz cannot hold")
            << Change([](PuzzleState& s) { s.clueTable[2].clue = QStringLiteral("€ peak"); })
            << "2 down (\"€ peak\") has the character €"
            << "2,0 2,1 2,2" << 1;
        QTest::newRow("a title a .puz cannot hold")
            << Change([](PuzzleState& s) { s.crosswordTitle = QStringLiteral("Ωmega"); })
            << "The title has the character Ω"
            << "" << 1;
    }
    void findsWhatASetterChecks()
    {
        QFETCH(Change, change);
        QFETCH(QString, found);
        QFETCH(QString, cells);
        QFETCH(int, findings);
        // The sample with room to its right and below for the answers the rows add.
        PuzzleState state = TestCrosswords::sample();
        state.xGridSize = 7;
        state.yGridSize = 4;
        change(state);
        const CrosswordCheckReport report = checkCrossword(state);
        QStringList texts;
        for (const CheckFinding& finding : report.findings) {
            texts << finding.text;
            if (!found.isEmpty() && finding.text.contains(found))
                QCOMPARE(cellList(finding.cells), cells);
        }
        QCOMPARE(report.findings.size(), findings);
        QVERIFY2(found.isEmpty() || texts.join('\n').contains(found),
                 qPrintable(texts.join('\n')));
        if (findings == 0)
            QCOMPARE(report.summary,
                     QStringList({"Grid: 7 x 4", "Clues: 2 across, 2 down",
                                  "Letters: 9 of 28 cells", "Answer lengths: 3 letters: 4"}));
    }
};

QUILLGRID_TEST(CrosswordCheckTest);
#include "CrosswordCheckTest.moc"
