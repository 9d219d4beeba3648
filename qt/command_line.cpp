#include "qt/internal/command_line.h"

#include "app_info.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>

#include <algorithm>
#include <cstdio>

namespace acpower {

namespace {

// Usage errors get a status of their own, as with most command-line tools.
constexpr int UsageError = 2;

QString Executable()
{
    return QString::fromLatin1(app::Executable);
}

QCommandLineOption HelpOption()
{
    return QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                              QStringLiteral("Показать эту справку и выйти."));
}

QCommandLineOption VersionOption()
{
    return QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")},
                              QStringLiteral("Показать версию программы и выйти."));
}

// Qt's own help text has English headings and no way to change them without
// Qt's translations installed, so the help is laid out here from the same
// options the parser reads.
QString HelpText(const QList<QCommandLineOption>& options)
{
    QStringList names;
    int width = 0;
    for (const QCommandLineOption& option : options) {
        QStringList spelled;
        for (const QString& name : option.names()) {
            spelled.append((name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name);
        }
        names.append(spelled.join(QStringLiteral(", ")));
        width = std::max(width, static_cast<int>(names.last().size()));
    }

    QString text = QStringLiteral("Использование: %1 [параметры]\n\n").arg(Executable());
    text += QString::fromUtf8(app::Description);
    text += QStringLiteral(".\n\n"
                           "По площади и высоте помещения, числу людей и компьютеров, мощности\n"
                           "электроприборов и стороне, на которую выходят окна, программа показывает\n"
                           "объем помещения и требуемую мощность кондиционера в кВт.\n\n"
                           "Параметры:\n");
    for (int i = 0; i < options.size(); ++i) {
        text += QStringLiteral("  %1  %2\n").arg(names[i].leftJustified(width), options[i].description());
    }
    text += QStringLiteral("\nПринимаются и общие параметры Qt, например -platform и -style.\n");
    return text;
}

// Russian texts go out as UTF-8 whatever the locale says, as Qt 6 does; Qt
// 5 would turn them into question marks under the C locale.
void Print(std::FILE* stream, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

// The options every Qt program takes, as QGuiApplication and QApplication
// document them: those that take a value, then those that stand alone.
// Known here, they are told apart from mistakes before the display is opened,
// which Qt alone would only do once it is open.
QList<QCommandLineOption> QtOptions()
{
    const char* const withValue[] = {"platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
                                     "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
                                     "style",       "stylesheet",         "qmljsdebugger", "dialogs", "fontengine"};
    const char* const alone[] = {"reverse", "widgetcount"};
    QList<QCommandLineOption> options;
    for (const char* name : withValue) {
        options.append(QCommandLineOption(QString::fromLatin1(name), QString(), QStringLiteral("value")));
    }
    for (const char* name : alone) {
        options.append(QCommandLineOption(QString::fromLatin1(name)));
    }
    return options;
}

// Qt's single-dash options are whole words (-platform, -reverse); read as
// bundles of letters, -reverse would hold -v and -stylesheet -h.
void SetUp(QCommandLineParser& parser, const QList<QCommandLineOption>& options)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions(options);
    parser.addOptions(QtOptions());
}

}  // namespace

std::optional<int> AnswerHelpOrVersion(const QStringList& arguments)
{
    const QList<QCommandLineOption> options{HelpOption(), VersionOption()};
    QCommandLineParser parser;
    SetUp(parser, options);
    // What is unknown is refused once neither help nor the version is asked.
    parser.parse(arguments);
    if (parser.isSet(options[0])) {
        Print(stdout, HelpText(options));
        return 0;
    }
    if (parser.isSet(options[1])) {
        Print(stdout, QStringLiteral("%1 %2\n").arg(Executable(), QString::fromLatin1(app::Version)));
        return 0;
    }
    return std::nullopt;
}

std::optional<int> RefuseUnknownArguments(const QStringList& arguments)
{
    QCommandLineParser parser;
    SetUp(parser, {HelpOption(), VersionOption()});
    parser.parse(arguments);
    QString refused;
    if (!parser.unknownOptionNames().isEmpty()) {
        refused = QStringLiteral("неизвестный параметр «%1»").arg(parser.unknownOptionNames().constFirst());
    } else if (!parser.positionalArguments().isEmpty()) {
        refused = QStringLiteral("лишний аргумент «%1»").arg(parser.positionalArguments().constFirst());
    } else {
        return std::nullopt;
    }
    Print(stderr, QStringLiteral("%1: %2; справка: %1 --help\n").arg(Executable(), refused));
    return UsageError;
}

}  // namespace acpower
