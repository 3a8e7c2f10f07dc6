#pragma once

#include <QColor>
#include <QPoint>
#include <QSize>
#include <QString>

// The main window's drawing area, in pixels, with (0, 0) at its top left corner.
// What is drawn stays until clear(); nothing is ever redrawn from the model.
// Box corners are both inclusive, so two cells that share a corner coordinate share
// their border line.
class Surface {
public:
    virtual ~Surface() = default;

    // The drawing area as it is now; the drawing itself may extend beyond it.
    virtual QSize size() const = 0;
    virtual void clear() = 0;
    // Outline in the drawing colour, inside in the surface's own fill.
    virtual void drawBox(QPoint from, QPoint to) = 0;
    // Outline and inside in `colour`.
    virtual void fillBox(QPoint from, QPoint to, const QColor& colour) = 0;
    virtual void setFont(int pointSize, bool bold) = 0;
    virtual int fontPointSize() const = 0;
    virtual bool fontBold() const = 0;
    // Places the text by the top left corner of its first character cell.
    virtual void drawText(QPoint topLeft, const QString& text) = 0;
};
