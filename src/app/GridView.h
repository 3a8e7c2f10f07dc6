#pragma once

#include <QWidget>

#include <functional>

class ImageSurface;

// The main window's client area: shows the backing image and reports mouse presses and
// changes of its size. It never draws the grid itself; what it shows is what was drawn on
// the surface.
class GridView final : public QWidget {
    Q_OBJECT
public:
    using PressHandler = std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, QPoint)>;

    using ResizeHandler = std::function<void()>;

    // `onResize` runs once the surface has the new size.
    GridView(ImageSurface& surface, PressHandler onPress, ResizeHandler onResize,
             QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    ImageSurface& surface_;
    PressHandler onPress_;
    ResizeHandler onResize_;
};
