#pragma once

#include <QProxyStyle>

namespace acpower {

// The window-side selector keeps its laid-out width, which was drawn for a
// narrower face; styles such as Fusion pad the shown entry so generously
// that "солнечную" loses its last letter there. This style trims the left
// padding of a drop-down's shown entry and leaves everything else to the
// application's style.
class CompactComboStyle : public QProxyStyle {
    Q_OBJECT

public:
    explicit CompactComboStyle(QObject* parent);

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl subControl,
                         const QWidget* widget) const override;
};

}  // namespace acpower
