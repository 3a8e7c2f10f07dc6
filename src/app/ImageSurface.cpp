#include "ImageSurface.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

const QColor ImageSurface::background = Qt::white;
const QColor ImageSurface::outline = Qt::black;
const QColor ImageSurface::emptyCellFill = QColor(128, 128, 128);

namespace {

// Point sizes are meant at the usual 96 dots per inch of a desktop screen, whatever
// the image's default (72) would make of them.
constexpr int dotsPerMeterAt96Dpi = 3780;

// Enough for every letter and clue number at the few sizes the grid uses.
constexpr qsizetype laidOutLimit = 512;

QRect boxBetween(QPoint from, QPoint to)
{
    return QRect(from, to).normalized();
}

}  // namespace

ImageSurface::ImageSurface(QSize areaSize, qreal devicePixelRatio)
    : ratio_(devicePixelRatio > 0 ? devicePixelRatio : 1.0),
      font_(QStringLiteral("Arial"), 12, QFont::Bold)
{
    setAreaSize(areaSize);
}

void ImageSurface::setAreaSize(QSize areaSize)
{
    area_ = areaSize.expandedTo(QSize(0, 0));
    growTo(area_);
}

void ImageSurface::setChangeListener(std::function<void(const QRect&)> listener)
{
    onChange_ = std::move(listener);
}

void ImageSurface::growTo(QSize logicalSize)
{
    const QSize current = image_.isNull() ? QSize(0, 0) : image_.deviceIndependentSize().toSize();
    const QSize wanted = current.expandedTo(logicalSize);
    if (wanted == current && !image_.isNull())
        return;
    if (wanted.isEmpty())
        return;

    QImage grown(std::ceil(wanted.width() * ratio_), std::ceil(wanted.height() * ratio_),
                 QImage::Format_RGB32);
    grown.setDevicePixelRatio(ratio_);
    // Logical dots: the painter scales by the pixel ratio on top of them.
    grown.setDotsPerMeterX(dotsPerMeterAt96Dpi);
    grown.setDotsPerMeterY(dotsPerMeterAt96Dpi);
    grown.fill(background);
    if (!image_.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(QPoint(0, 0), image_);
    }
    image_ = std::move(grown);
}

void ImageSurface::changed(const QRect& rect)
{
    if (onChange_)
        onChange_(rect);
}

void ImageSurface::clear()
{
    if (image_.isNull())
        return;
    image_.fill(background);
    changed(QRect(QPoint(0, 0), image_.deviceIndependentSize().toSize()));
}

void ImageSurface::drawBox(QPoint from, QPoint to)
{
    const QRect box = boxBetween(from, to);
    growTo(QSize(box.right() + 1, box.bottom() + 1));
    QPainter painter(&image_);
    // The outline is the box's own edge pixels, filled rather than stroked: filling is
    // many times faster, and a full grid is 900 boxes.
    painter.fillRect(box, outline);
    painter.fillRect(box.adjusted(1, 1, -1, -1), emptyCellFill);
    changed(box);
}

void ImageSurface::fillBox(QPoint from, QPoint to, const QColor& colour)
{
    const QRect box = boxBetween(from, to);
    growTo(QSize(box.right() + 1, box.bottom() + 1));
    QPainter painter(&image_);
    painter.fillRect(box, colour);
    changed(box);
}

void ImageSurface::setFont(int pointSize, bool bold)
{
    font_.setPointSize(std::max(1, pointSize));
    font_.setBold(bold);
}

void ImageSurface::drawText(QPoint topLeft, const QString& text)
{
    if (text.isEmpty() || image_.isNull())
        return;
    const QString key =
        QStringLiteral("%1%2 ").arg(font_.pointSize()).arg(font_.bold() ? 'b' : 'n') + text;
    auto laidOut = laidOut_.constFind(key);
    if (laidOut == laidOut_.constEnd()) {
        if (laidOut_.size() >= laidOutLimit)
            laidOut_.clear();
        QStaticText fresh(text);
        fresh.setTextFormat(Qt::PlainText);
        laidOut = laidOut_.insert(key, fresh);
    }
    QPainter painter(&image_);
    painter.setFont(font_);
    painter.setPen(outline);
    painter.drawStaticText(topLeft, *laidOut);
    changed(QRectF(topLeft, laidOut->size()).toAlignedRect());
}
