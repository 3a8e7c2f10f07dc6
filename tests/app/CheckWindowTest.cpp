#include "AppWindow.h"
#include "editing/GridDrawing.h"
#include "editing/GridGeometry.h"
#include "printing/TestCrosswords.h"
#include "support/TestRegistry.h"

#include <QListWidget>
#include <QTest>

class CheckWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The line of a stray letter picks out its cell in the grid; closing the window puts
    // the grid back as it was, and the check changes nothing.
    void choosingALineShowsItsCells()
    {
        AppWindow app;
        ScriptedUi& ui = app.ui;
        Main& main = *app.main;
        PuzzleState& state = main.state();
        state = TestCrosswords::sample();
        state.xGridSize = 7;
        state.gridLetters[6][0] = QStringLiteral("Q");
        QVERIFY(GridDrawing::fitAndDrawGrid(main.surface(), state));
        const PuzzleState before = state;
        const auto colourOf = [&](int c, int r) {
            return main.surface().image().pixelColor(GridGeometry::left(state, c) + 3,
                                                     GridGeometry::top(state, r + 1) - 3);
        };
        const QColor plain = colourOf(6, 0);

        // The first line is the stray letter's: choosing it lights that cell.
        QColor chosen;
        ui.dialogActions << [&](QDialog& window) {
            window.show();
            auto* lines = window.findChild<QListWidget*>(QStringLiteral("lines"));
            QTest::mouseClick(lines->viewport(), Qt::LeftButton, {},
                              lines->visualItemRect(lines->item(0)).center());
            chosen = colourOf(6, 0);
        };
        main.mnuCheckCrossword_Click();
        QCOMPARE(ui.modalDialogs, QStringList{QStringLiteral("CheckWindow")});
        QVERIFY(chosen != plain);
        QCOMPARE(colourOf(6, 0), plain);
        QCOMPARE(state.cluesInUse().size(), before.cluesInUse().size());
        QCOMPARE(state.gridLetters, before.gridLetters);
    }
};

QUILLGRID_TEST(CheckWindowTest);
#include "CheckWindowTest.moc"
