#pragma once

#include <functional>

class QWidget;

namespace acpower {

// The whole program: the application object, the font fallbacks, the icon
// and the one window, then the event loop until the window closes. What
// `beforeShow` is given sees the window just before it first appears; the
// start-up benchmark hooks in there.
int RunCalculator(int& argc, char** argv, const std::function<void(QWidget&)>& beforeShow = {});

}  // namespace acpower
