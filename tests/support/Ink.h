#pragma once

#include <QImage>
#include <QRect>

// The smallest rectangle holding every dark pixel of `image` from row `fromY` down: where
// a drawing, a caption or a printed page put its ink.
inline QRect darkBounds(const QImage& image, int fromY = 0)
{
    QRect bounds;
    for (int y = fromY; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}
