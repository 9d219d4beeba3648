#include "qt/internal/selector_box.h"

#include <QFontMetrics>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace acpower {

namespace {

// Styles draw the entry one pixel inside its field on either side, and the
// box's frame needs one pixel more on the left.
constexpr int TextInset = 1;
constexpr int FrameWidth = 1;

// The style's own field for the shown entry.
QRect StyleField(const QStyleOptionComboBox& option, const QWidget* box)
{
    return box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
}

// How far left of the style's own field the entry must start to show whole.
int LeftShift(const QStyleOptionComboBox& option, const QRect& field, const QFontMetrics& metrics)
{
    const int textWidth = metrics.horizontalAdvance(option.currentText);
    const int shortfall = textWidth + 2 * TextInset - field.width();
    const int padding = field.left() - option.rect.left() - FrameWidth - TextInset;
    return qBound(0, shortfall, qMax(0, padding));
}

}  // namespace

SelectorBox::SelectorBox(QWidget* parent)
    : QComboBox(parent)
{
}

QRect SelectorBox::EntryRect() const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    QRect field = StyleField(option, this);
    field.setLeft(field.left() - LeftShift(option, field, fontMetrics()));
    return field;
}

void SelectorBox::paintEvent(QPaintEvent* /*event*/)
{
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    // The style lays the entry out from the option's rectangle; widening that
    // rectangle to the left moves the entry's field exactly as far.
    option.rect.setLeft(option.rect.left() - LeftShift(option, StyleField(option, this), fontMetrics()));
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

}  // namespace acpower
