// The baseline for start-up time and memory: the least a Qt Widgets program does to put
// one window on the screen. It runs until it is closed or killed.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.resize(400, 300);
    window.show();
    return app.exec();
}
