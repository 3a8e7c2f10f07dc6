#include "CluePrintout.h"

#include "PrintDevice.h"
#include "PrintLayout.h"

#include <QRegularExpression>
#include <QTextBoundaryFinder>

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

QStringList wrapLine(const QString& line, qreal width,
                     const std::function<qreal(const QString&)>& measure)
{
    QStringList pieces;
    QString rest = line;
    while (measure(rest) > width) {
        // The longest head of whole characters that fits, ending after a blank if there is
        // one in it. A character is never cut: its halves, or a letter without its accent,
        // would print as something else.
        QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, rest);
        const qsizetype firstCharacter = characters.toNextBoundary();
        qsizetype fitting = 0;
        for (qsizetype end = firstCharacter; end > 0 && measure(rest.left(end)) <= width;
             end = characters.toNextBoundary())
            fitting = end;
        const qsizetype blank = rest.lastIndexOf(u' ', fitting);
        const qsizetype cut = blank > 0 ? blank + 1 : fitting > 0 ? fitting : firstCharacter;
        QString piece = rest.left(cut);
        while (piece.endsWith(u' '))
            piece.chop(1);
        pieces << piece;
        rest = rest.mid(cut);
        if (rest.trimmed().isEmpty())
            return pieces;
    }
    pieces << rest;
    return pieces;
}

void printClueListing(const QString& listing, PrintDevice& device, Ui& ui)
{
    if (!PrintPageHeading(device, ui))
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
