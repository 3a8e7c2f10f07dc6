#pragma once

#include <QPoint>
#include <QSize>
#include <QSizeF>
#include <QString>

class PrintDevice;
class Ui;

// What the three print-outs share: the printer choice and the title line, the grid's
// reference point, and the boxes of one cell. Grid positions are printer dots, so a
// cell is 56 x 42 dots whatever the resolution.
namespace PrintLayout {

inline constexpr int cellWidth = 56;
inline constexpr int cellHeight = 42;
inline constexpr int gridOffsetX = 15;
inline constexpr int gridOffsetY = 30;

extern const QString applicationTitle;
extern const QString fontName;

// The top left corner of a cell's box.
QPoint cellTopLeft(QPoint origin, int column, int row);

// How much a grid of `cells` drawn from `origin` must shrink to end inside a printable
// area of `printableDots`: 1 when it fits as it is.
qreal gridScale(QSize cells, QPoint origin, QSizeF printableDots);

// Where the page goes: the first portrait printer, or the current one when none is
// portrait; with no printer at all, a PDF file the user names. False when none was named.
bool choosePrinter(PrintDevice& device, Ui& ui);
// Reports why the job failed and ends it; true when there was nothing to report.
bool jobGoesOn(PrintDevice& device, Ui& ui);
// Where the page's content starts, in millimetres: `usualTopMm`, or lower where the lines
// of a long title reach down to it. PrintPageHeading leaves the current point under them.
qreal contentTop(const PrintDevice& device, qreal usualTopMm);
// Sends the page and reports a printer that refused it.
void EndPrintout(PrintDevice& device, Ui& ui);

}  // namespace PrintLayout

// Chooses the printer, asks for the title (proposing the crossword's own) and prints it
// centred 10 mm down in Arial 14 bold; the unit is millimetres afterwards. False when the
// print-out is abandoned: no PDF file was named, the setter would rather not print a title
// that leaves gaps on paper, or the printer could not be started (reported).
bool PrintPageHeading(PrintDevice& device, Ui& ui, const QString& ownTitle = {});
// Fixes the grid's reference point 10 mm / 30 mm in (lower under a long title) and leaves
// the unit in dots with a solid black fill. A grid of `cells` too large for the page is then
// drawn smaller as a whole, towards the point. Returns the point.
QPoint BeginGridLayout(PrintDevice& device, QSize cells);
// The black cell box and, for a cell holding a letter, the white box inside it.
void DrawCellFrame(PrintDevice& device, int column, int row, QPoint origin, bool letterCell);
