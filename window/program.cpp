#include "window/program.h"

#include "app_info.h"
#include "window/high_dpi.h"
#include "window/main_window.h"

#include <QApplication>
#include <QIcon>
#include <QString>

namespace acpower {

int RunCalculator(int& argc, char** argv, const std::function<void(QWidget&)>& beforeShow)
{
    EnableHighDpiScaling();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("acpower"));
    QApplication::setApplicationVersion(QString::fromLatin1(app::Version));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(app::Id));

    MainWindow window;
    // The window has decoded the icon already; the application shares it.
    QApplication::setWindowIcon(window.windowIcon());
    if (beforeShow) {
        beforeShow(window);
    }
    window.show();
    return QApplication::exec();
}

}  // namespace acpower
