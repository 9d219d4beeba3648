#pragma once

// Included before every source of the Windows program (cmake/CodeSize.cmake).
// libstdc++ declares std::string and std::wstring as instantiated in the
// library, whose archive members for them weigh about 40 KB and bring in the
// exception classes and their copy-on-write strings (another 30 KB); -1 is
// libstdc++'s own setting for compiling them in place, which it uses for its
// assertions, here without the assertions.
#include <bits/c++config.h>

#undef _GLIBCXX_EXTERN_TEMPLATE
#define _GLIBCXX_EXTERN_TEMPLATE -1
