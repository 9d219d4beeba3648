#pragma once

#include "program_under_test.h"
#include "tests/support/row_runner.h"

#include <string>
#include <string_view>

namespace acpower::win32::test {

using acpower::test::Expect;
using acpower::test::ExpectText;

// Starts the program, a check of its own; false when its window did not show.
bool Started(ProgramUnderTest& program, std::string_view what);
// Types README's example room into the entry boxes, so that every box shows
// a text.
void ShowExample(ProgramUnderTest& program);

// What only the Windows window is checked for; the behaviour every window
// shares is the table in tests/support.
void CheckLayout(ProgramUnderTest& program);
// Tab, Enter and Space as a user presses them, with the brand halves.
void CheckKeyboard(ProgramUnderTest& program);
// Starts the program at 96, 120 and 144 DPI and checks, from the drawn
// pixels, that captions fit and the power is drawn bold.
void CheckDpis(const std::wstring& path);
// Starts the program anew under white-on-black system colours and checks that
// every caption and result reads, from the drawn pixels.
void CheckHighContrast(const std::wstring& path);

}  // namespace acpower::win32::test
