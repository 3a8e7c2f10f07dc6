#pragma once

#include "seams/Surface.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QRect>
#include <QStaticText>

#include <functional>

// The real drawing area: a backing image that the main window paints. It needs no
// display, so tests draw on it and read its pixels.
//
// The image only ever grows: shrinking the window and widening it again shows the
// drawing as it was, since the grid is never redrawn from the model.
class ImageSurface final : public Surface {
public:
    static const QColor background;  // the window's own colour
    static const QColor outline;     // the drawing colour of boxes and text
    static const QColor emptyCellFill;

    explicit ImageSurface(QSize areaSize = {}, qreal devicePixelRatio = 1.0);

    void setAreaSize(QSize areaSize);
    const QImage& image() const { return image_; }
    // Called with the logical rectangle that changed, so a widget repaints only that.
    void setChangeListener(std::function<void(const QRect&)> listener);

    QSize size() const override { return area_; }
    void clear() override;
    void drawBox(QPoint from, QPoint to) override;
    void fillBox(QPoint from, QPoint to, const QColor& colour) override;
    void setFont(int pointSize, bool bold) override;
    int fontPointSize() const override { return font_.pointSize(); }
    bool fontBold() const override { return font_.bold(); }
    void drawText(QPoint topLeft, const QString& text) override;

private:
    void growTo(QSize logicalSize);
    void changed(const QRect& rect);

    QSize area_;
    qreal ratio_;
    QImage image_;
    QFont font_;
    // Laid out once per text, size and weight: a grid repeats the same few letters and
    // numbers hundreds of times, and laying text out costs far more than drawing it.
    QHash<QString, QStaticText> laidOut_;
    std::function<void(const QRect&)> onChange_;
};
