#include "Main.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillgrid"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLGRID_VERSION));

    Main window;
    window.showMaximized();
    return app.exec();
}
