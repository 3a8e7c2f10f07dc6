#include "Main.h"
#include "model/ProgramInfo.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(ProgramInfo::name);
    // Settings are kept under ~/.config/Quillgrid rather than an "Unknown Organization".
    QApplication::setOrganizationName(ProgramInfo::name);
    QApplication::setApplicationVersion(ProgramInfo::version);
    // Wayland shows the icon of the desktop entry named here, not the window's own.
    QGuiApplication::setDesktopFileName(ProgramInfo::desktopId);

    Main window;
    window.showMaximized();
    return app.exec();
}
