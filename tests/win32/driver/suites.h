#pragma once

#include "program_under_test.h"
#include "tests/support/row_runner.h"

#include <string>

namespace acpower::win32::test {

using acpower::test::Expect;
using acpower::test::ExpectText;

// What only the Windows window is checked for; the behaviour every window
// shares is the table in tests/support.
void CheckLayout(const ProgramUnderTest& program);
// Starts the program anew under white-on-black system colours and checks that
// every caption and result reads, from the drawn pixels.
void CheckHighContrast(const std::wstring& path);

}  // namespace acpower::win32::test
