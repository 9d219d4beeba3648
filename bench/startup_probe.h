#pragma once

// The start-up benchmark's end point: the first time the window has been
// painted, so that the time covers laying out, loading fonts and drawing the
// window, not only asking for it to be shown. A zero-time timer after show()
// is not enough: it fires before the first paint, at least on the offscreen
// platform. Both the calculator's probe build and the bare window use this,
// so their ratio compares like with like.

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QObject>
#include <QWidget>

namespace acpower::bench {

class FirstPaintQuitter : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            // Queued, so the paint finishes and reaches the screen first.
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool painted_ = false;
};

// Call before show(); the program then leaves its event loop right after the
// window's first paint.
inline void QuitAfterFirstPaint(QWidget& window)
{
    window.installEventFilter(new FirstPaintQuitter(&window));
}

}  // namespace acpower::bench
