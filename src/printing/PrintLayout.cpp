#include "PrintLayout.h"

#include "DirectionRun.h"
#include "PrintableText.h"
#include "WrapLine.h"
#include "common/TitlePrompt.h"
#include "model/ProgramInfo.h"
#include "model/Rounding.h"
#include "seams/PrintDevice.h"
#include "seams/Ui.h"

#include <QLoggingCategory>
#include <QObject>

#include <algorithm>

namespace {

// Off unless asked for: QT_LOGGING_RULES="quillgrid.printing.debug=true".
Q_LOGGING_CATEGORY(layoutLog, "quillgrid.printing", QtInfoMsg)

constexpr QPointF titleTopMm(0, 10);
constexpr QPointF referencePointMm(10, 30);
constexpr int titlePointSize = 14;
constexpr qreal smallestTitlePointSize = 8;  // still read at arm's length
constexpr qreal titleSizeStep = 0.5;
constexpr int letterInset = 2;
// Between a title's last line and what follows it, where the title reaches that far down.
constexpr qreal belowTitleMm = 3;

}  // namespace

bool PrintLayout::choosePrinter(PrintDevice& device, Ui& ui)
{
    const QList<InstalledPrinter> installed = device.printers();
    if (installed.isEmpty()) {
        const QString path = ui.choosePdfFile(QStringLiteral("Crossword.pdf"));
        if (path.isEmpty())
            return false;
        device.setPdfFile(path);
        return true;
    }
    for (const InstalledPrinter& printer : installed) {
        if (printer.orientation == PageOrientation::Portrait) {
            device.setCurrentPrinter(printer.name);
            break;
        }
    }
    return true;
}

namespace {

// The whole title, centred: in the title font when it fits the printable width, else in
// the largest size down to the smallest that fits, and past that wrapped onto further
// lines. The font size is the title's own again afterwards.
void printTitle(PrintDevice& device, const QString& title)
{
    const qreal width = device.printableSize().width();
    for (qreal size = titlePointSize;
         size > smallestTitlePointSize && device.textWidth(title) > width;) {
        size = std::max(smallestTitlePointSize, size - titleSizeStep);
        device.setFontSize(size);
    }
    const auto measure = [&device](const QString& text) { return device.textWidth(text); };
    qreal top = titleTopMm.y();
    for (const QString& line : wrapLine(title, width, measure)) {
        const QString run = DirectionRun::ownDirectionRun(line);
        device.setCurrentPoint({(width - device.textWidth(run)) / 2, top});
        device.printText(run);
        top = device.currentPoint().y();
    }
    device.setFontSize(titlePointSize);
}

}  // namespace

namespace PrintLayout {

const QString applicationTitle = ProgramInfo::name;
const QString fontName = QStringLiteral("Arial");

QPoint cellTopLeft(QPoint origin, int column, int row)
{
    return {origin.x() + gridOffsetX + cellWidth * column,
            origin.y() + gridOffsetY + cellHeight * row};
}

qreal gridScale(QSize cells, QPoint origin, QSizeF printableDots)
{
    // The grid's extent from the reference point, offset included.
    const qreal width = gridOffsetX + cellWidth * cells.width();
    const qreal height = gridOffsetY + cellHeight * cells.height();
    const qreal room = std::min((printableDots.width() - origin.x()) / width,
                                (printableDots.height() - origin.y()) / height);
    return std::clamp(room, 0.0, 1.0);
}

bool jobGoesOn(PrintDevice& device, Ui& ui)
{
    if (device.failure().isEmpty())
        return true;
    const QString reason = device.failure();
    device.endDocument();
    ui.message(reason, applicationTitle);
    return false;
}

qreal contentTop(const PrintDevice& device, qreal usualTopMm)
{
    return std::max(usualTopMm, device.currentPoint().y() + belowTitleMm);
}

void EndPrintout(PrintDevice& device, Ui& ui)
{
    if (!device.endDocument())
        ui.message(device.failure(), applicationTitle);
}

}  // namespace PrintLayout

bool PrintPageHeading(PrintDevice& device, Ui& ui, const QString& ownTitle)
{
    if (!PrintLayout::choosePrinter(device, ui))
        return false;

    // Cancel gives an empty title, and the print-out goes on without one.
    const QString title = askCrosswordTitle(ui, ownTitle);
    if (!printDespiteGaps(ui, QObject::tr("The title holds"), {title})) {
        device.setPdfFile({});  // the file named is not written
        return false;
    }

    device.setFontName(PrintLayout::fontName);
    device.setUnit(PrintUnit::Millimetres);
    device.setFontSize(titlePointSize);
    device.setFontBold(true);
    printTitle(device, title);
    return PrintLayout::jobGoesOn(device, ui);
}

QPoint BeginGridLayout(PrintDevice& device, QSize cells)
{
    device.setCurrentPoint(
        {referencePointMm.x(), PrintLayout::contentTop(device, referencePointMm.y())});
    device.setUnit(PrintUnit::Dots);
    const QPointF reference = device.currentPoint();
    const QPoint origin(int(qint16(roundHalfEven(reference.x()))),
                        int(qint16(roundHalfEven(reference.y()))));
    // Kept for whoever debugs a layout; a setter has no use for printer dots.
    qCDebug(layoutLog).noquote() << "grid origin in printer dots:" << origin.x() << origin.y();
    device.setFillColour(QColor(0, 0, 0));
    device.setFillStyle(FillStyle::Solid);
    // Raising the resolution instead would shrink the cells under fonts of the same size,
    // and each row's boxes would cover the feet of the letters above.
    device.setScale(PrintLayout::gridScale(cells, origin, device.printableSize()), origin);
    return origin;
}

void DrawCellFrame(PrintDevice& device, int column, int row, QPoint origin, bool letterCell)
{
    const QPoint topLeft = PrintLayout::cellTopLeft(origin, column, row);
    const QPoint bottomRight = topLeft + QPoint(PrintLayout::cellWidth, PrintLayout::cellHeight);
    device.drawBox(topLeft, bottomRight);
    if (letterCell) {
        const QPoint inset(letterInset, letterInset);
        device.fillBox(topLeft + inset, bottomRight - inset, QColor(255, 255, 255));
    }
}
