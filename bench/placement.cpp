// How long one clue placement takes with the real dialog and the real drawing surface,
// for the heaviest crossword the program allows: a 30 x 30 grid on a full-screen drawing
// area with as many answers of 30 letters each as a crossword holds, all crossing. Run with
// QT_QPA_PLATFORM=offscreen.
#include "Letters.h"
#include "QuietUi.h"
#include "app/ImageSurface.h"
#include "editing/ClueForm.h"
#include "editing/CluePlacement.h"
#include "editing/GridGeometry.h"
#include "editing/NewCrossword.h"
#include "model/PuzzleState.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Stands in for the person: types the next entry and clicks Update.
class TypingUi final : public QuietUi {
public:
    QString clue, answer;
    bool across = true;
    int messages = 0;

    void message(const QString&, const QString&) override { ++messages; }
    QString prompt(const QString&, const QString&, const QString&) override
    {
        return QStringLiteral("30");
    }
    void showModal(QDialog& dialog) override
    {
        dialog.findChild<QLineEdit*>(QStringLiteral("clue"))->setText(clue);
        dialog.findChild<QLineEdit*>(QStringLiteral("answer"))->setText(answer);
        dialog.findChild<QComboBox*>(QStringLiteral("direction"))->setCurrentIndex(across ? 1 : 0);
        dialog.findChild<QPushButton*>(QStringLiteral("update"))->click();
    }
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    PuzzleState state;
    ImageSurface surface(QSize(1920, 1000));
    TypingUi ui;
    newCrossword(state, surface, ui);
    ClueForm form(state);

    std::vector<double> micros;
    for (int i = 0; i < Capacity::maxClues; ++i) {
        const int lineIndex = i % 30;
        ui.across = (i / 30) % 2 == 0;
        ui.clue = QStringLiteral("Clue %1").arg(i);
        ui.answer = bench::agreeingLetters(lineIndex, 30);
        const QPoint cell = ui.across ? QPoint(0, lineIndex) : QPoint(lineIndex, 0);
        const QPoint press(GridGeometry::left(state, cell.x()) + state.cellWidth / 2,
                           GridGeometry::top(state, cell.y()) + state.cellHeight / 2);
        QElapsedTimer timer;
        timer.start();
        placeClue(state, surface, ui, form, Qt::LeftButton, press);
        micros.push_back(timer.nsecsElapsed() / 1000.0);
    }
    if (state.clueCount != Capacity::maxClues || ui.messages != 0) {
        std::fprintf(stderr, "placed %d clues, %d messages\n", int(state.clueCount), ui.messages);
        return 1;
    }
    std::sort(micros.begin(), micros.end());
    double total = 0;
    for (double each : micros)
        total += each;
    std::printf("%d placements of 30 letters on a 30 x 30 grid (cells %d x %d)\n",
                Capacity::maxClues, int(state.cellWidth), int(state.cellHeight));
    std::printf("median %.0f us, slowest %.0f us, all %.1f ms\n", micros[micros.size() / 2],
                micros.back(), total / 1000.0);
    return 0;
}
