// The yardsticks for the start-up benchmark: Qt Widgets programs that start
// like the calculator and quit the same way, after the first paint, so a ratio
// measures what the calculator adds. Built twice: an empty window, and one
// with a caption and an entry box (YARDSTICK_WITH_TEXT), which pays for Qt's
// font system and glyph drawing like any window with text.

#include "bench/startup_probe.h"
#include "qt/high_dpi.h"

#include <QApplication>
#include <QWidget>

#ifdef YARDSTICK_WITH_TEXT
#include <QLabel>
#include <QLineEdit>
#endif

int main(int argc, char* argv[])
{
    acpower::EnableHighDpiScaling();
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("yardstick"));
#ifdef YARDSTICK_WITH_TEXT
    QLabel caption(QStringLiteral("Площадь, кв. м"), &window);
    QLineEdit box(&window);
    box.move(120, 0);
#endif
    acpower::bench::QuitAfterFirstPaint(window);
    window.show();
    return QApplication::exec();
}
