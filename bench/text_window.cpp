// A second yardstick: a bare window that shows one caption and one entry box.
// Against it the ratio leaves out what any window with text pays (Qt starting
// its font system and drawing glyphs) and shows what the calculator adds.

#include "bench/startup_probe.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char* argv[])
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("text"));
    QLabel caption(QStringLiteral("Площадь, кв. м"), &window);
    QLineEdit box(&window);
    box.move(120, 0);
    acpower::bench::QuitAfterFirstPaint(window);
    window.show();
    return QApplication::exec();
}
