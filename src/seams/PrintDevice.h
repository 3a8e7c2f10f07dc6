#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>

// The codes the print-outs compare against: 1 is portrait.
enum class PageOrientation { Portrait = 1, Landscape = 2 };

struct InstalledPrinter {
    QString name;
    PageOrientation orientation = PageOrientation::Portrait;

    friend bool operator==(const InstalledPrinter&, const InstalledPrinter&) = default;
};

enum class PrintUnit { Millimetres, Dots };
enum class FillStyle { Transparent, Solid };

// The printer as the print-outs drive it. Positions are measured from the top left
// corner of the printable area, x to the right and y downwards, in the current unit.
//
// The printable area keeps at least 10 mm from the paper's edge, however close to it a
// driver would print.
//
// A job begins with its first output (text or box) and ends with endDocument(); the
// settings made before the first output (printer, PDF file, resolution) belong to that
// job, while the current printer outlasts it.
class PrintDevice {
public:
    virtual ~PrintDevice() = default;

    // In the order the system lists them; empty when no printer is installed.
    virtual QList<InstalledPrinter> printers() = 0;
    virtual void setCurrentPrinter(const QString& name) = 0;
    // Sends the next job to a PDF file instead of a printer.
    virtual void setPdfFile(const QString& path) = 0;
    // Printer dots per inch for the next job; ignored once it has begun.
    virtual void setResolution(int dotsPerInch) = 0;

    virtual void setFontName(const QString& name) = 0;
    virtual void setFontSize(qreal points) = 0;
    virtual void setFontBold(bool bold) = 0;
    // The current point stays on the same spot of paper and is re-expressed.
    virtual void setUnit(PrintUnit unit) = 0;
    // Draws what follows `factor` times its size, fonts and lines with it, towards
    // `anchor` (current unit): what is placed at p lands at anchor + (p - anchor) *
    // factor. Positions are still given unscaled; 1 draws them as given.
    virtual void setScale(qreal factor, QPointF anchor) = 0;

    virtual QSizeF printableSize() = 0;
    // The whole sheet, and where on it the printable area's top left corner lies: a page
    // that keeps its own margins from the paper's edge reads them from these.
    virtual QSizeF paperSize() = 0;
    virtual QPointF printableCorner() = 0;
    virtual qreal textWidth(const QString& text) = 0;
    // How far printText() moves down for one line in the current font.
    virtual qreal lineHeight() = 0;

    virtual QPointF currentPoint() const = 0;
    virtual void setCurrentPoint(QPointF point) = 0;
    // Places the text by the top left corner of its first character cell at the current
    // point, then moves the current point to the start of the next line.
    virtual void printText(const QString& text) = 0;

    virtual void setFillStyle(FillStyle style) = 0;
    virtual void setFillColour(const QColor& colour) = 0;
    // On: characters are drawn without painting their background.
    virtual void setTextTransparent(bool transparent) = 0;
    // Outlined in black and filled with the fill style and colour.
    virtual void drawBox(QPointF from, QPointF to) = 0;
    // Outline and interior in `colour`.
    virtual void fillBox(QPointF from, QPointF to, const QColor& colour) = 0;

    // The current point starts again at the top left corner of the new page.
    virtual void newPage() = 0;
    // Sends the job to the printer; false when it could not be started or finished,
    // with failure() telling why.
    virtual bool endDocument() = 0;
    // Why the job in hand failed; empty while nothing has gone wrong.
    virtual QString failure() const = 0;
};
