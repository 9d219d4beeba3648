#pragma once

#include <QComboBox>
#include <QRect>

class QPaintEvent;

namespace acpower {

// The window-side selector keeps the width it was laid out with, for a
// narrower face than most systems have; styles such as Fusion pad the shown
// entry so generously that "солнечную" would lose its last letter there. The
// box draws its entry into the style's left padding when, and only as far
// as, the entry needs the room. A per-widget proxy style would do the same
// but costs a second style instance, a megabyte and milliseconds at start.
class SelectorBox : public QComboBox {
    Q_OBJECT

public:
    explicit SelectorBox(QWidget* parent = nullptr);

    // Where the shown entry is drawn, in the box's coordinates.
    QRect EntryRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace acpower
