#include "window/compact_combo_style.h"

#include <QStyleOptionComplex>

namespace acpower {

namespace {

// Enough for the frame line, with one pixel of air before the text.
constexpr int EntryLeftPadding = 2;

}  // namespace

CompactComboStyle::CompactComboStyle(QObject* parent)
{
    setParent(parent);
}

QRect CompactComboStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                        SubControl subControl, const QWidget* widget) const
{
    QRect rect = QProxyStyle::subControlRect(control, option, subControl, widget);
    if (control == CC_ComboBox && subControl == SC_ComboBoxEditField) {
        rect.setLeft(qMin(rect.left(), option->rect.left() + EntryLeftPadding));
    }
    return rect;
}

}  // namespace acpower
