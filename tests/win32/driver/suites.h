#pragma once

#include "check_log.h"
#include "program_under_test.h"

#include <string>

namespace acpower::win32::test {

// What only the Windows window is checked for; the behaviour every window
// shares is the table in tests/support.
void CheckLayout(const ProgramUnderTest& program, CheckLog& log);
// Starts the program anew under white-on-black system colours and checks that
// every caption and result reads, from the drawn pixels.
void CheckHighContrast(const std::wstring& path, CheckLog& log);

}  // namespace acpower::win32::test
