#pragma once

#include "qt/main_window.h"

#include <QString>
#include <QTest>
#include <QWidget>

#include <memory>
#include <string>
#include <string_view>

// The form's names are plain ASCII.
inline QString Latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<int>(text.size()));
}

inline QString ToQString(std::u16string_view text)
{
    return QString::fromStdU16String(std::u16string(text));
}

// The window's controls are reached by the names the layout gives them, as a
// user's script or a screen reader would, not through the window's members.
template <typename Control = QWidget>
Control* ControlNamed(const QWidget& window, std::string_view name)
{
    return window.findChild<Control*>(Latin1(name), Qt::FindDirectChildrenOnly);
}

// Shown and active, so that the keyboard focus is where a user's keys go;
// nullptr when the platform never activates it.
inline std::unique_ptr<acpower::MainWindow> ActiveWindow()
{
    auto window = std::make_unique<acpower::MainWindow>();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) {
        return nullptr;
    }
    return window;
}
