#include "qt/internal/form_controls.h"

#include "form/company_page.h"
#include "qt/internal/fonts.h"
#include "qt/internal/link_label.h"
#include "qt/internal/selector_box.h"

#include <QBrush>
#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QRect>

#include <cstdint>
#include <optional>
#include <string>

namespace acpower {
namespace {

constexpr int LayoutDotsPerInch = 96;

QRect RectOf(const form::Twips& rect)
{
    return QRect(PixelsOf(rect.Left), PixelsOf(rect.Top), PixelsOf(rect.Width), PixelsOf(rect.Height));
}

Qt::Alignment AlignmentOf(form::TextAlign align)
{
    return (align == form::TextAlign::Right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

form::Rgb RgbOf(const QColor& colour)
{
    return form::Rgb{static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
                     static_cast<std::uint8_t>(colour.blue())};
}

QColor ColourOf(const form::Rgb& colour)
{
    return QColor(colour.Red, colour.Green, colour.Blue);
}

// The form's own colour for a role, in the active and the inactive window

// alike; a disabled control keeps the theme's greyed colours.

void SetOwnColour(QPalette& palette, QPalette::ColorRole role, const std::optional<form::Rgb>& colour)
{
    if (colour) {
        const QBrush brush(ColourOf(*colour));
        palette.setBrush(QPalette::Active, role, brush);
        palette.setBrush(QPalette::Inactive, role, brush);
    }
}

QLabel* NewLink(QWidget* window)
{
    auto* link = new LinkLabel(window);
    link->SetTarget(ToQString(CompanyPageAddress));
    return link;
}

QWidget* NewControlWidget(const form::Control& control, QWidget* window)
{
    switch (control.Kind) {
    case form::ControlKind::Caption: {
        QLabel* caption = control.Link ? NewLink(window) : new QLabel(window);
        caption->setText(ToQString(control.Caption));
        caption->setAlignment(AlignmentOf(control.Align));
        caption->setWordWrap(control.WordWrap);
        return caption;
    }
    case form::ControlKind::EntryBox:
    case form::ControlKind::ResultBox: {
        auto* box = new QLineEdit(window);
        // Result boxes still take the focus, so that their text can be copied.
        box->setReadOnly(control.Kind == form::ControlKind::ResultBox);
        return box;
    }
    case form::ControlKind::Selector:
        break;
    }
    return new SelectorBox(window);
}

// A whole light palette around the classic colours, so that the entry boxes,

// the selector and its list match the captions.

}  // namespace

QString ToQString(std::u16string_view text)
{
    return QString::fromStdU16String(std::u16string(text));
}

QString Latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<int>(text.size()));
}

int PixelsOf(int twips)
{
    return form::TwipsToPixels(twips, LayoutDotsPerInch);
}

form::Theme ThemeOf(const QPalette& palette)
{
    return form::Theme{RgbOf(palette.color(QPalette::Window)), RgbOf(palette.color(QPalette::WindowText)),
                       RgbOf(palette.color(QPalette::Base)), RgbOf(palette.color(QPalette::Text))};
}

QWidget* NewControl(const form::Control& control, QWidget* window, const QCursor& linkCursor)
{
    QWidget* widget = NewControlWidget(control, window);
    widget->setObjectName(Latin1(control.Name));
    widget->setGeometry(RectOf(control.Rect));
    if (control.OwnFont) {
        widget->setFont(FontOf(*control.OwnFont));
    }
    if (control.TextColour || control.Background) {
        // Only the roles set here are the control's own; the rest, and any
        // later theme of the window, it inherits.
        QPalette palette;
        SetOwnColour(palette, QPalette::WindowText, control.TextColour);
        SetOwnColour(palette, QPalette::Base, control.Background);
        widget->setPalette(palette);
    }
    if (control.Link) {
        widget->setCursor(linkCursor);
    }
    return widget;
}

QPalette ClassicPalette()
{
    QPalette palette(ColourOf(form::ClassicLight.Window));
    palette.setColor(QPalette::Window, ColourOf(form::ClassicLight.Window));
    palette.setColor(QPalette::WindowText, ColourOf(form::ClassicLight.WindowText));
    palette.setColor(QPalette::Base, ColourOf(form::ClassicLight.Base));
    palette.setColor(QPalette::Text, ColourOf(form::ClassicLight.Text));
    palette.setColor(QPalette::ButtonText, ColourOf(form::ClassicLight.WindowText));
    // Notes and hover texts show beside the form, so they take its look.
    palette.setColor(QPalette::ToolTipBase, ColourOf(form::ClassicLight.Base));
    palette.setColor(QPalette::ToolTipText, ColourOf(form::ClassicLight.Text));
    return palette;
}

}  // namespace acpower
