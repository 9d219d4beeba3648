#pragma once

#include "check_log.h"
#include "program_under_test.h"

#include <string>

namespace acpower::win32::test {

// Fills in README's example room and picks the sunny side.
void ShowExample(const ProgramUnderTest& program);

// Each suite drives the running program and records its checks.
void CheckStartUp(const ProgramUnderTest& program, CheckLog& log);
void CheckEntries(const ProgramUnderTest& program, CheckLog& log);
void CheckNoticeTimesOut(const ProgramUnderTest& program, CheckLog& log);
void CheckHints(const ProgramUnderTest& program, CheckLog& log);
void CheckSidePicks(const ProgramUnderTest& program, CheckLog& log);
void CheckLayout(const ProgramUnderTest& program, CheckLog& log);
// Clicks the brand, then closes the program: the last suite of a run.
void CheckLinksAndClose(ProgramUnderTest& program, CheckLog& log);
// Starts the program anew under white-on-black system colours and checks that
// every caption and result reads, from the drawn pixels.
void CheckHighContrast(const std::wstring& path, CheckLog& log);

}  // namespace acpower::win32::test
