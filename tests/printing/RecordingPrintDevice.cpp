#include "RecordingPrintDevice.h"

namespace {

constexpr qreal millimetresPerInch = 25.4;
constexpr qreal pointsPerInch = 72;

}  // namespace

RecordingPrintDevice::RecordingPrintDevice(int dotsPerInch, QSizeF printableMm)
    : dotsPerInch_(dotsPerInch), printableMm_(printableMm)
{}

QList<RecordingPrintDevice::Mark> RecordingPrintDevice::marksOf(const QString& kind) const
{
    QList<Mark> found;
    for (const Mark& each : marks) {
        if (each.kind == kind)
            found << each;
    }
    return found;
}

void RecordingPrintDevice::note(const QString& kind, const QString& text)
{
    Mark noted = mark(kind);
    noted.text = text;
    marks << noted;
}

void RecordingPrintDevice::setResolution(int dotsPerInch)
{
    if (!begun_)
        dotsPerInch_ = dotsPerInch;
}

QSizeF RecordingPrintDevice::printableSize()
{
    return printableMm_ * dotsPerInch_ / millimetresPerInch / dotsPerUnit();
}

qreal RecordingPrintDevice::textWidth(const QString& text)
{
    return text.size() * 0.5 * fontSize_ / pointsPerInch * dotsPerInch_ / dotsPerUnit();
}

qreal RecordingPrintDevice::lineHeight()
{
    return 1.2 * fontSize_ / pointsPerInch * dotsPerInch_ / dotsPerUnit();
}

QPointF RecordingPrintDevice::currentPoint() const
{
    return pointDots_ / dotsPerUnit();
}

void RecordingPrintDevice::setCurrentPoint(QPointF point)
{
    pointDots_ = point * dotsPerUnit();
}

void RecordingPrintDevice::printText(const QString& text)
{
    if (!started())
        return;
    Mark printed = mark(QStringLiteral("text"));
    printed.text = text;
    printed.rect = QRectF(pointDots_, QSizeF());
    marks << printed;
    pointDots_ = QPointF(0, pointDots_.y() + lineHeight() * dotsPerUnit());
}

void RecordingPrintDevice::drawBox(QPointF from, QPointF to)
{
    if (!started())
        return;
    Mark box = mark(QStringLiteral("box"));
    box.rect = QRectF(from * dotsPerUnit(), to * dotsPerUnit());
    box.colour = fillColour_;
    marks << box;
}

void RecordingPrintDevice::fillBox(QPointF from, QPointF to, const QColor& colour)
{
    if (!started())
        return;
    Mark box = mark(QStringLiteral("fill"));
    box.rect = QRectF(from * dotsPerUnit(), to * dotsPerUnit());
    box.colour = colour;
    marks << box;
}

void RecordingPrintDevice::newPage()
{
    if (!started())
        return;
    ++page_;
    pointDots_ = {};
    marks << mark(QStringLiteral("page"));
}

bool RecordingPrintDevice::endDocument()
{
    const bool sent = started();
    if (sent)
        marks << mark(QStringLiteral("end"));
    begun_ = false;
    page_ = 1;
    return sent;
}

bool RecordingPrintDevice::started()
{
    if (!startFailure.isEmpty()) {
        failure_ = startFailure;
        return false;
    }
    begun_ = true;
    return true;
}

RecordingPrintDevice::Mark RecordingPrintDevice::mark(const QString& kind) const
{
    Mark made;
    made.kind = kind;
    made.fontName = fontName_;
    made.fontSize = fontSize_;
    made.bold = bold_;
    made.transparent = transparent_;
    made.solidFill = solid_;
    made.page = page_;
    return made;
}

qreal RecordingPrintDevice::dotsPerUnit() const
{
    return unit_ == PrintUnit::Dots ? 1.0 : dotsPerInch_ / millimetresPerInch;
}
