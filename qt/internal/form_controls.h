#pragma once

#include "form/colours.h"
#include "form/form1.h"

#include <QCursor>
#include <QPalette>
#include <QString>
#include <QWidget>

#include <string_view>

namespace acpower {

QString ToQString(std::u16string_view text);
QString Latin1(std::string_view text);

// Twips in the logical pixels the window is laid out in, at 96 dots per
// inch; Qt's own scaling fits them to the screen.
int PixelsOf(int twips);

// The widget for a row of the form table, named, placed, with its font and
// colours, a child of the window.
QWidget* NewControl(const form::Control& control, QWidget* window, const QCursor& linkCursor);

// A whole light palette around the classic colours, so that the entry boxes,
// the selector and its list match the captions.
QPalette ClassicPalette();
form::Theme ThemeOf(const QPalette& palette);

}  // namespace acpower
