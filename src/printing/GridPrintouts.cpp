#include "GridPrintouts.h"

#include "PrintLayout.h"
#include "model/ClueNumbers.h"
#include "model/NumberText.h"
#include "model/PuzzleState.h"
#include "seams/PrintDevice.h"

#include <algorithm>

namespace {

constexpr int numberPointSize = 7;
constexpr int letterPointSize = 11;
constexpr QPoint blankNumberOffset(5, 5);
constexpr QPoint solutionNumberOffset(3, 3);
constexpr QPoint letterOffset(23, 16);

// Never more cells than the letter table holds, whatever the state says.
QSize printedCells(const PuzzleState& state)
{
    const auto clamp = [](int count) { return std::clamp(count, 0, Capacity::maxGridSize); };
    return {clamp(state.xGridSize), clamp(state.yGridSize)};
}

void printAt(PrintDevice& device, QPoint point, const QString& text)
{
    device.setCurrentPoint(point);
    device.printText(text);
}

}  // namespace

void printBlankGrid(const PuzzleState& state, PrintDevice& device, Ui& ui)
{
    const QSize cells = printedCells(state);
    if (!PrintPageHeading(device, ui, state.crosswordTitle))
        return;
    const QPoint origin = BeginGridLayout(device, cells);

    // Bold stays on from the title: the numbers of the blank grid print bold.
    device.setFontSize(numberPointSize);
    device.setTextTransparent(true);
    for (int c = 0; c < cells.width(); ++c) {
        for (int r = 0; r < cells.height(); ++r) {
            DrawCellFrame(device, c, r, origin, !state.gridLetters[c][r].isEmpty());
            if (const auto number = firstClueNumberAt(state, c, r)) {
                printAt(device, PrintLayout::cellTopLeft(origin, c, r) + blankNumberOffset,
                        numberText(*number));
            }
        }
    }
    PrintLayout::EndPrintout(device, ui);
}

void printSolutionGrid(const PuzzleState& state, PrintDevice& device, Ui& ui)
{
    const QSize cells = printedCells(state);
    if (!PrintPageHeading(device, ui, state.crosswordTitle))
        return;
    const QPoint origin = BeginGridLayout(device, cells);

    device.setTextTransparent(true);
    device.setFontSize(numberPointSize);
    device.setFontBold(false);
    for (int c = 0; c < cells.width(); ++c) {
        for (int r = 0; r < cells.height(); ++r) {
            const QString& letter = state.gridLetters[c][r];
            DrawCellFrame(device, c, r, origin, !letter.isEmpty());
            if (letter.isEmpty())
                continue;
            const QPoint topLeft = PrintLayout::cellTopLeft(origin, c, r);
            if (const auto number = firstClueNumberAt(state, c, r)) {
                device.setFontSize(numberPointSize);
                printAt(device, topLeft + solutionNumberOffset, numberText(*number));
            }
            device.setFontSize(letterPointSize);
            printAt(device, topLeft + letterOffset, letter);
        }
    }
    PrintLayout::EndPrintout(device, ui);
}
