#include "app/Main.h"
#include "support/ScriptedUi.h"
#include "support/TestRegistry.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <memory>

class GridClickTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A real press on the window's drawing area reaches the placement, with the window's
    // own dialog, which keeps what was typed from one press to the next.
    void aPressOnTheGridPlacesAClue() {
        ScriptedUi ui;
        Main main(&ui);
        main.resize(800, 600);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        ui.promptReplies = {QStringLiteral("10"), QStringLiteral("10")};
        main.mnuNewCrossWord_Click();
        const PuzzleState& state = main.state();
        QWidget* view = main.centralWidget();
        const QPoint cell(1, 2);
        const QPoint inCell(10 + cell.x() * state.cellWidth + state.cellWidth / 2,
                            5 + cell.y() * state.cellHeight + state.cellHeight / 2);

        QPointer<QDialog> firstShown;
        bool ownerless = false;
        ui.dialogActions << [&](QDialog& dialog) {
            firstShown = &dialog;
            ownerless = !dialog.parentWidget();
            dialog.findChild<QLineEdit*>(QStringLiteral("clue"))
                ->setText(QStringLiteral("Day star"));
            dialog.findChild<QLineEdit*>(QStringLiteral("answer"))->setText(QStringLiteral("sun"));
            dialog.findChild<QPushButton*>(QStringLiteral("update"))->click();
        };
        QTest::mouseClick(view, Qt::RightButton, {}, inCell);
        QVERIFY(ui.modalDialogs.isEmpty());
        QTest::mouseClick(view, Qt::LeftButton, {}, inCell);

        QCOMPARE(ui.modalDialogs, QStringList{QStringLiteral("ClueForm")});
        QVERIFY(ownerless);
        QCOMPARE(state.clueCount, 1);
        QCOMPARE(state.clueTable[0].answer, QStringLiteral("SUN"));
        QCOMPARE(QPoint(state.clueTable[0].x, state.clueTable[0].y), cell);
        QCOMPARE(state.gridLetters[3][2], QStringLiteral("N"));
        const QPoint nearCorner(10 + 4 * state.cellWidth - 3, 5 + 3 * state.cellHeight - 3);
        QCOMPARE(view->grab().toImage().pixelColor(nearCorner), QColor(240, 240, 240));

        QString offeredAgain;
        ui.dialogActions << [&](QDialog& dialog) {
            QVERIFY(firstShown && &dialog == firstShown.data());
            offeredAgain = dialog.findChild<QLineEdit*>(QStringLiteral("clue"))->text();
        };
        QTest::mouseClick(view, Qt::LeftButton, {}, inCell + QPoint(0, state.cellHeight * 3));
        QCOMPARE(offeredAgain, QStringLiteral("Day star"));
        QCOMPARE(ui.messages(),
                 QStringList{QStringLiteral("Neither Clue nor Answer can be empty.")});
    }
};

QUILLGRID_TEST(GridClickTest);
#include "GridClickTest.moc"
