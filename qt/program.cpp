#include "qt/program.h"

#include "app_info.h"
#include "qt/high_dpi.h"
#include "qt/internal/command_line.h"
#include "qt/main_window.h"

#include <QApplication>
#include <QIcon>
#include <QList>
#include <QMessageLogContext>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>

namespace acpower {

namespace {

// Exit status when there is no display to open the window on.
constexpr int NoDisplay = 1;

QStringList ArgumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

// Qt's platform plugin (xcb, when there is no X server to reach) gives up
// through qFatal, which aborts: a core dump and several lines of plugin
// lists, as if the program had crashed. While the application object is
// made, Qt's messages are held back; a fatal one ends the program with one
// plain line instead, and the held ones are passed on once the display is
// open.
QList<std::pair<QtMsgType, QString>> HeldMessages;

void HoldOrGiveUp(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtFatalMsg) {
        HeldMessages.append({type, message});
        return;
    }
    const QByteArray display = qgetenv("DISPLAY");
    const QString where = display.isEmpty() ? QStringLiteral("переменная DISPLAY не задана")
                                            : QStringLiteral("DISPLAY=%1").arg(QString::fromLocal8Bit(display));
    const QByteArray line = QStringLiteral("%1: нет доступа к графическому дисплею (%2); "
                                           "программа работает только в графическом сеансе\n")
                                .arg(QString::fromLatin1(app::Executable), where)
                                .toUtf8();
    std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stderr);
    std::fflush(stderr);
    // Nothing of Qt's is in a state to be torn down; leave at once.
    std::_Exit(NoDisplay);
}

std::unique_ptr<QApplication> OpenDisplay(int& argc, char** argv)
{
    const QtMessageHandler previous = qInstallMessageHandler(HoldOrGiveUp);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    const QMessageLogContext context;
    for (const auto& [type, message] : std::as_const(HeldMessages)) {
        if (previous) {
            previous(type, context, message);
        }
    }
    HeldMessages.clear();
    return app;
}

}  // namespace

int RunCalculator(int& argc, char** argv, const std::function<void(QWidget&)>& beforeShow)
{
    const QStringList arguments = ArgumentsOf(argc, argv);
    if (const std::optional<int> status = AnswerHelpOrVersion(arguments)) {
        return *status;
    }
    if (const std::optional<int> status = RefuseUnknownArguments(arguments)) {
        return *status;
    }

    EnableHighDpiScaling();
    const std::unique_ptr<QApplication> app = OpenDisplay(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(app::Executable));
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
