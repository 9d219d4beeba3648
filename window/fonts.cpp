#include "window/fonts.h"

#include <QString>
#include <QStringList>

namespace acpower {

void RegisterFontFallbacks()
{
    // Microsoft Sans Serif is the named face's scalable twin on Windows;
    // Liberation Sans and Arimo share Arial's widths, which the captions' boxes
    // still hold; DejaVu Sans Condensed is the narrow last resort that most
    // Linux systems carry.
    QFont::insertSubstitutions(QString::fromLatin1(NamedFace),
                               {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
                                QStringLiteral("Arimo"), QStringLiteral("Arial"),
                                QStringLiteral("DejaVu Sans Condensed")});
}

QFont NamedFont(bool bold)
{
    QFont font(QString::fromLatin1(NamedFace));
    font.setPointSizeF(NamedFontPointSize);
    font.setBold(bold);
    return font;
}

}  // namespace acpower
