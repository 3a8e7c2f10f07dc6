#include "PuzzlePage.h"

#include "ClueColumns.h"
#include "PrintLayout.h"
#include "PublicationGrid.h"
#include "WrapLine.h"
#include "common/TitlePrompt.h"
#include "model/ClueOrder.h"
#include "model/PuzzleState.h"
#include "seams/PrintDevice.h"

#include <QCoreApplication>
#include <QRectF>

#include <algorithm>
#include <functional>
#include <optional>

namespace {

// At least 15 mm clear on every side: the extra millimetre holds the part of a line's box
// that PDF readers draw above its characters, which the font's ascent leaves out.
constexpr qreal marginMm = 16;
constexpr qreal titlePointSize = 16;
constexpr qreal cluePointSize = 9;
constexpr qreal headingPointSize = 10.5;
constexpr qreal gapMm = 6;         // under the title and under the grid
constexpr qreal gutterMm = 6;      // between columns of clues
constexpr qreal clueGapMm = 0.8;   // between two clues
constexpr qreal headingGapMm = 3;  // above Down, when it follows Across in a column
constexpr qreal numberGapMm = 1.5;
// Three columns from this width on; a narrower page takes two.
constexpr qreal threeColumnsFromMm = 165;
constexpr qreal largestCellMm = 10;
constexpr qreal smallestCellMm = 4.5;
constexpr qreal cellStepMm = 0.25;
// When the clues go on over further pages whatever the grid, the grid keeps at most this
// share of the first page's height below the title.
constexpr qreal gridShareWhenFlowing = 2.0 / 3;

QString tr(const char* text)
{
    return QCoreApplication::translate("PuzzlePage", text);
}

// Where ink may go, relative to the printable corner: inside the margins,
// and never outside what the printer prints.
QRectF inkArea(PrintDevice& device)
{
    const QRectF paper(QPointF(), device.paperSize());
    const QRectF printable(device.printableCorner(), device.printableSize());
    return paper.adjusted(marginMm, marginMm, -marginMm, -marginMm)
        .intersected(printable)
        .translated(-device.printableCorner());
}

// The title centred in bold, wrapped where it is wider than the area; returns its foot.
qreal printTitle(PrintDevice& device, const QString& title, const QRectF& area)
{
    if (title.isEmpty())
        return area.top();
    device.setFontSize(titlePointSize);
    device.setFontBold(true);
    const auto measure = [&device](const QString& text) { return device.textWidth(text); };
    qreal y = area.top();
    for (const QString& line : wrapLine(title, area.width(), measure)) {
        device.setCurrentPoint({area.center().x() - device.textWidth(line) / 2, y});
        device.printText(line);
        y = device.currentPoint().y();
    }
    return y + gapMm;
}

// How far a clue's text stands in from its column's edge: past the widest number.
qreal textIndent(PrintDevice& device)
{
    device.setFontSize(cluePointSize);
    device.setFontBold(true);
    return device.textWidth(QStringLiteral("999")) + numberGapMm;
}

// The text in lines no wider than `width`, broken at blanks; a word wider than the whole
// width is broken inside by wrapLine. Each word is measured once and a line's width is the
// sum of its words and blanks, which keeps a page of a thousand clues quick.
QStringList wrapAtBlanks(const QString& text, qreal width,
                         const std::function<qreal(const QString&)>& measure)
{
    const qreal blank = measure(QStringLiteral(" "));
    QStringList lines;
    QString line;
    qreal lineWidth = 0;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        const qreal wordWidth = measure(word);
        if (!line.isEmpty() && lineWidth + blank + wordWidth <= width) {
            line += u' ' + word;
            lineWidth += blank + wordWidth;
            continue;
        }
        if (!line.isEmpty())
            lines << wrapLine(line, width, measure);
        line = word;
        lineWidth = wordWidth;
    }
    if (!line.isEmpty())
        lines << wrapLine(line, width, measure);
    return lines;
}

// "Across", its clues, "Down", its clues, each clue as its text and enumeration wrapped
// to the column.
QList<ClueBlock> clueBlocks(const PuzzleState& state, PrintDevice& device, qreal columnWidth)
{
    ClueTable sorted{};
    const int count = sortClues(state, sorted);
    const qreal indent = textIndent(device);
    const auto measure = [&device](const QString& text) { return device.textWidth(text); };
    QList<ClueBlock> blocks;
    for (const bool across : {true, false}) {
        device.setFontSize(headingPointSize);
        device.setFontBold(true);
        const qreal gapAbove = blocks.isEmpty() ? 0 : headingGapMm;
        blocks.append({{},
                       {across ? tr("Across") : tr("Down")},
                       gapAbove + device.lineHeight() + clueGapMm,
                       true});
        device.setFontSize(cluePointSize);
        device.setFontBold(false);
        for (int i = 0; i < count; ++i) {
            const ClueEntry& clue = sorted[size_t(i)];
            if (clue.across != across)
                continue;
            const QString text =
                QStringLiteral("%1 (%2)").arg(clue.clue.simplified()).arg(clue.answer.size());
            const QStringList lines = wrapAtBlanks(text, columnWidth - indent, measure);
            blocks.append({QString::number(clue.number), lines,
                           lines.size() * device.lineHeight() + clueGapMm, false});
        }
    }
    return blocks;
}

void printBlocks(PrintDevice& device, const QList<ClueBlock>& blocks,
                 const QList<PlacedBlock>& placed, qreal indent)
{
    int page = 0;
    for (qsizetype i = 0; i < blocks.size(); ++i) {
        const ClueBlock& block = blocks[i];
        for (; page < placed[i].page; ++page)
            device.newPage();
        QPointF at = placed[i].topLeft;
        if (block.heading) {
            // Down sits apart from the Across clues above it in the same column.
            if (i > 0 && placed[i - 1].page == page && placed[i - 1].topLeft.x() == at.x())
                at.ry() += headingGapMm;
            device.setFontSize(headingPointSize);
            device.setFontBold(true);
            device.setCurrentPoint(at);
            device.printText(block.lines.constFirst());
            continue;
        }
        device.setFontSize(cluePointSize);
        device.setFontBold(true);
        device.setCurrentPoint(at +
                               QPointF(indent - numberGapMm - device.textWidth(block.number), 0));
        device.printText(block.number);
        device.setFontBold(false);
        for (const QString& line : block.lines) {
            device.setCurrentPoint(at + QPointF(indent, 0));
            device.printText(line);
            at.ry() += device.lineHeight();
        }
    }
}

// Starts the page: the printer, the title asked for and printed. Returns the title's
// foot, or nothing when the page is abandoned.
std::optional<qreal> beginPage(const PuzzleState& state, PrintDevice& device, Ui& ui,
                               const QString& solutionWording, QRectF& area)
{
    if (!PrintLayout::choosePrinter(device, ui))
        return std::nullopt;
    // Cancel gives an empty title, and the page goes on without one.
    QString title = askCrosswordTitle(ui, state.crosswordTitle);
    if (!solutionWording.isEmpty())
        title = title.isEmpty() ? solutionWording : solutionWording + QStringLiteral(" ") + title;
    device.setFontName(PrintLayout::fontName);
    device.setUnit(PrintUnit::Millimetres);
    area = inkArea(device);
    const qreal foot = printTitle(device, title, area);
    if (!PrintLayout::jobGoesOn(device, ui))
        return std::nullopt;
    return foot;
}

QSize gridCells(const PuzzleState& state)
{
    const auto clamp = [](int count) { return std::clamp(count, 0, Capacity::maxGridSize); };
    return {clamp(state.xGridSize), clamp(state.yGridSize)};
}

qreal gridLeft(const QRectF& area, QSize cells, qreal cellMm)
{
    return area.center().x() - cells.width() * cellMm / 2;
}

}  // namespace

void printPuzzlePage(const PuzzleState& state, PrintDevice& device, Ui& ui)
{
    QRectF area;
    const auto gridTop = beginPage(state, device, ui, {}, area);
    if (!gridTop)
        return;
    const QSize cells = gridCells(state);
    const int columns = area.width() >= threeColumnsFromMm ? 3 : 2;
    ColumnFrame frame;
    frame.left = area.left();
    frame.gutter = gutterMm;
    frame.columns = columns;
    frame.width = (area.width() - (columns - 1) * gutterMm) / columns;
    frame.top = area.top();
    frame.bottom = area.bottom();
    const QList<ClueBlock> blocks = clueBlocks(state, device, frame.width);

    // The largest cells that leave the clues room on this page; where none do, the grid
    // takes its share and the clues go on over the next.
    const qreal widest = std::min(largestCellMm, area.width() / std::max(1, cells.width()));
    const auto clueTop = [&](qreal cellMm) { return *gridTop + cells.height() * cellMm + gapMm; };
    qreal cellMm = std::min(
        widest, (area.bottom() - *gridTop) * gridShareWhenFlowing / std::max(1, cells.height()));
    for (qreal tried = widest; tried >= smallestCellMm; tried -= cellStepMm) {
        frame.firstTop = clueTop(tried);
        const QList<PlacedBlock> placed = flowColumns(blocks, frame);
        if (placed.isEmpty() || placed.constLast().page == 0) {
            cellMm = tried;
            break;
        }
    }
    frame.firstTop = clueTop(cellMm);
    PublicationGrid::draw(device, state, {gridLeft(area, cells, cellMm), *gridTop}, cellMm, false);
    printBlocks(device, blocks, flowColumns(blocks, frame), textIndent(device));
    PrintLayout::EndPrintout(device, ui);
}

void printSolutionPage(const PuzzleState& state, PrintDevice& device, Ui& ui)
{
    QRectF area;
    const auto gridTop = beginPage(state, device, ui, tr("Solution:"), area);
    if (!gridTop)
        return;
    const QSize cells = gridCells(state);
    const qreal cellMm = std::min({largestCellMm, area.width() / std::max(1, cells.width()),
                                   (area.bottom() - *gridTop) / std::max(1, cells.height())});
    PublicationGrid::draw(device, state, {gridLeft(area, cells, cellMm), *gridTop}, cellMm, true);
    PrintLayout::EndPrintout(device, ui);
}
