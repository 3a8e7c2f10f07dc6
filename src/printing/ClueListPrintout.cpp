#include "ClueListPrintout.h"

#include "DirectionRun.h"
#include "PrintLayout.h"
#include "PrintableText.h"
#include "WrapLine.h"
#include "seams/PrintDevice.h"

#include <QObject>
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

// A clue wrapped inside its isolated run goes on in a run of its own direction on the
// next line as well.
bool leavesRunOpen(const QString& piece)
{
    return piece.count(DirectionRun::isolateStart) > piece.count(DirectionRun::isolateEnd);
}

// Each clue's line under the heading of its group ("Down:  5. Summit"), for naming it.
QStringList namedClues(const QStringList& lines)
{
    QStringList named;
    QString group;
    for (const QString& line : lines) {
        if (line.startsWith(u' '))
            named << group + u' ' + line;
        else if (!line.isEmpty())
            group = line;
    }
    return named;
}

}  // namespace

void printClueList(const QString& listing, PrintDevice& device, Ui& ui, const QString& ownTitle)
{
    const QStringList lines = listingLines(listing);
    if (!printDespiteGaps(ui, QObject::tr("These clues hold"), namedClues(lines)))
        return;
    if (!PrintPageHeading(device, ui, ownTitle))
        return;
    device.setFontSize(listingPointSize);
    device.setFontBold(false);
    // Only the first page has a title to keep clear of.
    qreal pageTop = PrintLayout::contentTop(device, listingTopMm);
    device.setCurrentPoint({0, pageTop});

    const qreal width = device.printableSize().width();
    const qreal height = device.printableSize().height();
    // A wrapped clue's next line opens its isolate again after wrapping: the isolates
    // must not count, or that line would come out wider than the page.
    const auto measure = [&device](const QString& text) {
        return device.textWidth(DirectionRun::withoutIsolates(text));
    };
    for (const QString& line : lines) {
        bool runOpen = false;
        for (QString piece : wrapLine(line, width, measure)) {
            if (runOpen)
                piece.prepend(DirectionRun::isolateStart);
            runOpen = leavesRunOpen(piece);
            const qreal y = device.currentPoint().y();
            if (y > pageTop && y + device.lineHeight() > height) {
                // An empty line that would open a page would leave it without ink (the
                // last one when the last clue fills its page exactly).
                if (piece.trimmed().isEmpty())
                    continue;
                device.newPage();
                pageTop = listingTopMm;
                device.setCurrentPoint({0, pageTop});
            }
            device.printText(piece);
        }
    }
    PrintLayout::EndPrintout(device, ui);
}
