// The floor for start-up time and memory: the least a Qt Widgets program does to put
// Quillgrid's first window on the screen, its file dialog for the database with the same
// caption, folder, filter and options, and then, once that is answered, a main window of
// the same build: a menu bar and a drawing area holding a 25 x 25 grid in a backing image.
// It links nothing but Qt Widgets, and runs until it is closed or killed.
#include <QApplication>
#include <QFileDialog>
#include <QImage>
#include <QMainWindow>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>

namespace {

// Destroyed on return, as Quillgrid's is: what the dialog frees is not counted twice.
void askForDatabase()
{
    QFileDialog dialog(nullptr, QStringLiteral("Locate the Database file containing Crosswords"),
                       QStringLiteral("."));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters({QStringLiteral("xword.mdb")});
    dialog.selectFile(QStringLiteral("xword.mdb"));
    dialog.exec();
}

// A backing image as large as the area, the grid drawn into it once and copied on paint.
class Drawing final : public QWidget {
public:
    Drawing()
    {
        setAttribute(Qt::WA_StaticContents);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        const qreal ratio = devicePixelRatio();
        image_ = QImage(event->size() * ratio, QImage::Format_RGB32);
        image_.setDevicePixelRatio(ratio);
        image_.fill(Qt::white);
        constexpr int cells = 25;
        const int width = std::max(1, (event->size().width() - 20) / cells);
        const int height = std::max(1, (event->size().height() - 10) / cells);
        QPainter painter(&image_);
        for (int column = 0; column < cells; ++column) {
            for (int row = 0; row < cells; ++row) {
                const QRect box(10 + column * width, 5 + row * height, width + 1, height + 1);
                painter.fillRect(box, Qt::black);
                painter.fillRect(box.adjusted(1, 1, -1, -1), QColor(240, 240, 240));
            }
        }
    }
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        painter.setClipRect(event->rect());
        painter.drawImage(QPoint(0, 0), image_);
    }

private:
    QImage image_;
};

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    askForDatabase();

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    const auto addMenu = [&](const QString& title, const QStringList& commands) {
        QMenu* menu = window.menuBar()->addMenu(title);
        for (const QString& command : commands) {
            const QKeySequence shortcut(QStringLiteral("Ctrl+") + command.at(0));
            menu->addAction(command)->setShortcut(shortcut);
        }
    };
    addMenu(QStringLiteral("&File"), {QStringLiteral("New"), QStringLiteral("Open"),
                                      QStringLiteral("Save"), QStringLiteral("Export"),
                                      QStringLiteral("Exit")});
    addMenu(QStringLiteral("&Print"), {QStringLiteral("View Clues"), QStringLiteral("Grid"),
                                       QStringLiteral("Solution"), QStringLiteral("Clues")});
    window.menuBar()->addAction(QStringLiteral("&About"));
    window.setCentralWidget(new Drawing);
    window.resize(1000, 750);
    window.showMaximized();
    return app.exec();
}
