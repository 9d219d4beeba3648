// Draws the program's icons from its pixel art and its scalable drawing: the
// build calls it for the Linux theme icons, scripts/regenerate-icon.sh for the
// committed Windows icon file.

#include "tools/icon_art.h"

#include <QBuffer>
#include <QSaveFile>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <optional>

namespace {

int usage()
{
    std::fputs("usage: acpower_icon_tool png SIZE OUT.png ART...\n"
               "       acpower_icon_tool ico OUT.ico ART...\n"
               "       acpower_icon_tool cur OUT.cur HOTX HOTY ART\n"
               "ART: the scalable drawing (.svg) and the pixel art, in any order\n",
               stderr);
    return 2;
}

int fail(const QString& message)
{
    std::fprintf(stderr, "acpower_icon_tool: %s\n", qPrintable(message));
    return 1;
}

bool write(const QString& path, const QByteArray& data, QString* error)
{
    // A half-written icon must never be left behind for the build to trust.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        args.append(QString::fromLocal8Bit(argv[i]));
    }
    if (args.size() < 3) {
        return usage();
    }

    const QString mode = args.takeFirst();
    QString error;
    if (mode == QLatin1String("png")) {
        bool ok = false;
        const int size = args.takeFirst().toInt(&ok);
        if (!ok || size <= 0 || args.size() < 2) {
            return usage();
        }
        const QString out = args.takeFirst();
        const std::optional<acpower::icons::IconArt> art = acpower::icons::loadArt(args, &error);
        if (!art) {
            return fail(error);
        }
        const QImage icon = acpower::icons::renderIcon(*art, size);
        QByteArray png;
        {
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            if (!icon.save(&buffer, "PNG")) {
                return fail(QStringLiteral("cannot encode PNG"));
            }
        }
        return write(out, png, &error) ? 0 : fail(error);
    }
    if (mode == QLatin1String("ico")) {
        const QString out = args.takeFirst();
        const std::optional<acpower::icons::IconArt> art = acpower::icons::loadArt(args, &error);
        if (!art) {
            return fail(error);
        }
        QList<QImage> images;
        for (const int size : acpower::icons::IcoSizes) {
            images.append(acpower::icons::renderIcon(*art, size));
        }
        return write(out, acpower::icons::encodeIco(images), &error) ? 0 : fail(error);
    }
    if (mode == QLatin1String("cur")) {
        const QString out = args.takeFirst();
        bool xOk = false;
        bool yOk = false;
        const int hotX = args.isEmpty() ? 0 : args.takeFirst().toInt(&xOk);
        const int hotY = args.isEmpty() ? 0 : args.takeFirst().toInt(&yOk);
        if (!xOk || !yOk || args.size() != 1) {
            return usage();
        }
        // The cursor has one size, drawn by hand: the pixel art as it is.
        const QImage cursor(args.first());
        if (cursor.isNull()) {
            return fail(QStringLiteral("%1: cannot read the image").arg(args.first()));
        }
        return write(out, acpower::icons::encodeCur(cursor, hotX, hotY), &error) ? 0 : fail(error);
    }
    return usage();
}
