#include "qt/internal/box_tip.h"

#include "form/placement.h"
#include "qt/internal/screen_rect.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QToolTip>

namespace acpower {

BoxTip::BoxTip(QWidget* parent)
    : QLabel(parent, Qt::ToolTip)
{
    setObjectName(QStringLiteral("BoxTip"));
    // The refused text is the user's: never read it as markup.
    setTextFormat(Qt::PlainText);
    setFont(QToolTip::font());
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setAutoFillBackground(true);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(3);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_QuitOnClose, false);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &BoxTip::Dismiss);
}

void BoxTip::ShowAt(QWidget* box, const QString& text, int milliseconds, bool announce)
{
    Dismiss();
    box_ = box;
    // The window fits the tool-tip palette to its look, which a new theme
    // may change between two notes.
    setPalette(QToolTip::palette());
    setText(text);
    adjustSize();
    const QPoint below = box->mapToGlobal(QPoint(0, box->height() + 1));
    const QScreen* screen = box->screen();
    QRect place(below, size());
    if (screen != nullptr) {
        const form::ScreenRect moved = form::MovedInto(ToScreenRect(place), ToScreenRect(screen->availableGeometry()));
        place.moveTopLeft(QPoint(moved.Left, moved.Top));
    }
    move(place.topLeft());
    show();
    raise();
    announced_ = announce;
    if (announce) {
        box->setAccessibleDescription(text);
    }
    QAccessibleEvent shown(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&shown);
    timer_.start(milliseconds);
    // Every key press is seen, wherever the focus is; the one that caused the
    // note has been delivered already.
    qApp->installEventFilter(this);
}

void BoxTip::Dismiss()
{
    qApp->removeEventFilter(this);
    timer_.stop();
    if (announced_ && box_ != nullptr) {
        box_->setAccessibleDescription(QString());
    }
    announced_ = false;
    box_ = nullptr;
    hide();
}

QWidget* BoxTip::Box() const
{
    return isVisible() ? box_.data() : nullptr;
}

bool BoxTip::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        // A modifier pressed alone only prepares the next key.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key < Qt::Key_Shift || key > Qt::Key_ScrollLock) {
            Dismiss();
        }
    }
    return QLabel::eventFilter(watched, event);
}

}  // namespace acpower
