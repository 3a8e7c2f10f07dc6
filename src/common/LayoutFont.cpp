#include "LayoutFont.h"

#include <QtMath>

QFont layoutFont(QFont font)
{
    constexpr qreal pixelsPerPointAt96Dpi = 96.0 / 72.0;
    if (font.pointSizeF() > 0)
        font.setPixelSize(qRound(font.pointSizeF() * pixelsPerPointAt96Dpi));
    return font;
}
