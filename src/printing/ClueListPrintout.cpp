#include "ClueListPrintout.h"

#include "PrintLayout.h"
#include "WrapLine.h"
#include "seams/PrintDevice.h"

#include <QRegularExpression>

namespace {

constexpr int listingPointSize = 10;
constexpr qreal listingTopMm = 25;

// The listing's lines as printed: its final line break ends the last line and does not
// start another.
QStringList listingLines(const QString& listing)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n|\r"));
    QStringList lines = listing.split(lineBreak);
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

}  // namespace

void printClueList(const QString& listing, PrintDevice& device, Ui& ui, const QString& ownTitle)
{
    if (!PrintPageHeading(device, ui, ownTitle))
        return;
    device.setFontSize(listingPointSize);
    device.setFontBold(false);
    device.setCurrentPoint({0, listingTopMm});

    const qreal width = device.printableSize().width();
    const qreal height = device.printableSize().height();
    const auto measure = [&device](const QString& text) { return device.textWidth(text); };
    for (const QString& line : listingLines(listing)) {
        for (const QString& piece : wrapLine(line, width, measure)) {
            const qreal y = device.currentPoint().y();
            if (y > listingTopMm && y + device.lineHeight() > height) {
                device.newPage();
                device.setCurrentPoint({0, listingTopMm});
            }
            device.printText(piece);
        }
    }
    PrintLayout::EndPrintout(device, ui);
}
