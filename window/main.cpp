#include "app_info.h"
#include "window/high_dpi.h"
#include "window/main_window.h"

#include <QApplication>
#include <QIcon>
#include <QString>

#ifdef ACPOWER_STARTUP_PROBE
#include "bench/startup_probe.h"
#endif

int main(int argc, char* argv[])
{
    acpower::EnableHighDpiScaling();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("acpower"));
    QApplication::setApplicationVersion(QString::fromLatin1(acpower::app::Version));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(acpower::app::Id));

    acpower::MainWindow window;
    // The window has decoded the icon already; the application shares it.
    QApplication::setWindowIcon(window.windowIcon());
#ifdef ACPOWER_STARTUP_PROBE
    // The start-up benchmark builds this file again with the probe on: the
    // program quits right after the window's first paint.
    acpower::bench::QuitAfterFirstPaint(window);
#endif
    window.show();
    return QApplication::exec();
}
