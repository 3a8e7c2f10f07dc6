#include "model/ClueNumbers.h"
#include "model/PuzzleState.h"
#include "support/TestRegistry.h"

#include <QTest>

class ClueNumbersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Only filed clues count: a table left from an earlier crossword numbers no cell.
    void theFirstFiledClueStartingInTheCellNumbersIt()
    {
        using Number = std::optional<qint16>;
        PuzzleState state;
        state.clueTable[0] = ClueEntry{"Old", "OLD", 2, 3, 7, true};
        QCOMPARE(firstClueNumberAt(state, 2, 3), Number());
        state.clueTable[1] = ClueEntry{"New", "NEW", 2, 3, 8, false};
        state.clueCount = 2;
        QCOMPARE(firstClueNumberAt(state, 2, 3), Number(7));
        QCOMPARE(firstClueNumberAt(state, 3, 2), Number());
    }
};

QUILLGRID_TEST(ClueNumbersTest);
#include "ClueNumbersTest.moc"
