#include "qt/internal/fonts.h"

#include <QString>
#include <QStringList>

namespace acpower {

namespace {

QString Latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<int>(text.size()));
}

}  // namespace

void RegisterFontFallbacks()
{
    // Microsoft Sans Serif is the named face's scalable twin on Windows;
    // Liberation Sans and Arimo share Arial's widths, which the captions' boxes
    // still hold; DejaVu Sans Condensed is the narrow last resort that most
    // Linux systems carry.
    QFont::insertSubstitutions(Latin1(form::NamedFace),
                               {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Liberation Sans"),
                                QStringLiteral("Arimo"), QStringLiteral("Arial"),
                                QStringLiteral("DejaVu Sans Condensed")});
}

QFont FontOf(const form::Font& font)
{
    QFont qtFont(Latin1(font.Face));
    qtFont.setPointSizeF(font.CentiPoints / 100.0);
    qtFont.setBold(font.Bold);
    return qtFont;
}

}  // namespace acpower
