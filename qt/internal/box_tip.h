#pragma once

#include <QLabel>
#include <QPointer>
#include <QTimer>

class QEvent;

namespace acpower {

// A note shown just under a box, in the theme's tool-tip colours, until the
// next key press or for a while. Qt's QToolTip cannot carry these notes: it
// hides on every key release and focus change, so the release of the very
// key that emptied a box, or of the Tab that reached a box, would take it
// away at once.
class BoxTip : public QLabel {
    Q_OBJECT

public:
    explicit BoxTip(QWidget* parent);

    // Shows the text under the box, kept on the box's screen. When `announce`
    // is set the box's accessible description carries the text while it is
    // shown, so a screen reader reads it out.
    void ShowAt(QWidget* box, const QString& text, int milliseconds, bool announce);
    void Dismiss();

    // The box the note is shown at, or nullptr when it is hidden.
    QWidget* Box() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QTimer timer_;
    QPointer<QWidget> box_;
    bool announced_ = false;
};

}  // namespace acpower
