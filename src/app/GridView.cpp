#include "GridView.h"

#include "ImageSurface.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

GridView::GridView(ImageSurface& surface, PressHandler onPress, ResizeHandler onResize,
                   QWidget* parent)
    : QWidget(parent),
      surface_(surface),
      onPress_(std::move(onPress)),
      onResize_(std::move(onResize))
{
    setObjectName(QStringLiteral("grid"));
    setAccessibleName(tr("Crossword grid"));
    setAccessibleDescription(tr("Click a cell to enter a clue whose answer starts there."));
    // The image holds everything; Qt need not clear or repaint what was not exposed.
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    surface_.setChangeListener([this](const QRect& rect) { update(rect.adjusted(-1, -1, 1, 1)); });
}

void GridView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    painter.setClipRect(dirty);
    painter.fillRect(dirty, ImageSurface::background);
    painter.drawImage(QPoint(0, 0), surface_.image());
}

void GridView::resizeEvent(QResizeEvent* event)
{
    surface_.setAreaSize(event->size());
    QWidget::resizeEvent(event);
    if (onResize_)
        onResize_();
}

void GridView::mousePressEvent(QMouseEvent* event)
{
    if (onPress_)
        onPress_(event->button(), event->modifiers(), event->position().toPoint());
}
