#include "qt/internal/link_label.h"

#include <QMouseEvent>

namespace acpower {

namespace {

QPoint PositionOf(const QMouseEvent* event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event->position().toPoint();
#else
    return event->pos();
#endif
}

}  // namespace

LinkLabel::LinkLabel(QWidget* parent)
    : QLabel(parent)
{
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    // Like a button: the click counts only where it began and ended on the
    // caption, so a press that is dragged away can still be taken back.
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(PositionOf(event));
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click) {
        emit clicked();
    }
}

}  // namespace acpower
