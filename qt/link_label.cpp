#include "qt/internal/link_label.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>

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

// QLabel's own interface calls every label static text, even one that
// opens a page; this one reports a link that a screen reader can follow.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(LinkLabel* label)
        : QAccessibleWidget(label, QAccessible::Link)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        const auto* label = static_cast<const LinkLabel*>(widget());
        switch (kind) {
        case QAccessible::Name:
            return label->text();
        case QAccessible::Description:
            return label->Target();
        default:
            return QAccessibleWidget::text(kind);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State linkState = QAccessibleWidget::state();
        linkState.linked = true;
        return linkState;
    }

    QStringList actionNames() const override
    {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction()) {
            emit static_cast<LinkLabel*>(widget())->clicked();
            return;
        }
        QAccessibleWidget::doAction(actionName);
    }
};

QAccessibleInterface* LinkAccessibleFor(const QString& className, QObject* object)
{
    auto* label = qobject_cast<LinkLabel*>(object);
    if (label == nullptr || className != QLatin1String(LinkLabel::staticMetaObject.className())) {
        return nullptr;
    }
    return new LinkAccessible(label);
}

}  // namespace

LinkLabel::LinkLabel(QWidget* parent)
    : QLabel(parent)
{
    // Qt keeps one copy of a factory however often it is installed.
    QAccessible::installFactory(LinkAccessibleFor);
    // Tab only: a click follows the link and needs no focus first.
    setFocusPolicy(Qt::TabFocus);
}

void LinkLabel::SetTarget(const QString& address)
{
    target_ = address;
}

QString LinkLabel::Target() const
{
    return target_;
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

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool follows = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    // The keypad's Enter comes with the keypad's modifier; any other
    // modifier makes it another shortcut.
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (!follows || !plain) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    // A key held down opens one page, not one per repeat.
    if (!event->isAutoRepeat()) {
        emit clicked();
    }
}

void LinkLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    // The classic dotted frame, in the caption's own colour, which reads on
    // whatever the caption is drawn on; the text itself stays as it was.
    QPainter painter(this);
    QPen pen(palette().color(foregroundRole()));
    pen.setStyle(Qt::DotLine);
    pen.setWidth(1);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace acpower
