// The yardstick for the start-up benchmark: a Qt Widgets program that shows
// one empty window and quits the same way the calculator's probe build does,
// so the ratio measures what the calculator adds and nothing else.

#include "bench/startup_probe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    acpower::bench::QuitAfterFirstPaint(window);
    window.show();
    return QApplication::exec();
}
