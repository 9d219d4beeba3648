#pragma once

#include "check_log.h"
#include "program_under_test.h"

namespace acpower::win32::test {

// Fills in README's example room and picks the sunny side.
void ShowExample(const ProgramUnderTest& program);

// Each suite drives the running program and records its checks.
void CheckStartUp(const ProgramUnderTest& program, CheckLog& log);
void CheckEntries(const ProgramUnderTest& program, CheckLog& log);
void CheckSidePicks(const ProgramUnderTest& program, CheckLog& log);
void CheckLayout(const ProgramUnderTest& program, CheckLog& log);
// Clicks the brand, then closes the program: the last suite of a run.
void CheckLinksAndClose(ProgramUnderTest& program, CheckLog& log);

}  // namespace acpower::win32::test
