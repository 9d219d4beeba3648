#pragma once

#include <QString>
#include <QWidget>

// The window's controls are reached by the names the layout gives them, as a
// user's script or a screen reader would, not through the window's members.
template <typename Control = QWidget>
Control* ControlNamed(const QWidget& window, const QString& name)
{
    return window.findChild<Control*>(name, Qt::FindDirectChildrenOnly);
}
