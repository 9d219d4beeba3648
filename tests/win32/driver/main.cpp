// Drives the Windows calculator from outside, as UI automation does, and
// ends with "N passed, N failed"; the exit status is the number of failures.
//
//   acpower_win32_driver PATH\acpower.exe
//   acpower_win32_driver --example SECONDS PATH\acpower.exe
//
// The second form only fills in README's example room and leaves the window
// up for so many seconds, for a screenshot.

#include "check_log.h"
#include "program_under_test.h"
#include "suites.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

int wmain(int argc, wchar_t* argv[])
{
    using namespace acpower::win32::test;
    if (argc == 4 && std::wstring(argv[1]) == L"--example") {
        ProgramUnderTest program(argv[3]);
        if (!program.Start()) {
            return 1;
        }
        ShowExample(program);
        Sleep(static_cast<DWORD>(_wtoi(argv[2])) * 1000);
        DWORD exitCode = 1;
        return program.CloseAndWait(&exitCode) ? static_cast<int>(exitCode) : 1;
    }
    if (argc != 2) {
        std::fputs("usage: acpower_win32_driver [--example SECONDS] PATH\\acpower.exe\n", stderr);
        return 2;
    }
    ProgramUnderTest program(argv[1]);
    CheckLog log;
    log.Expect(program.Start(), "the window appears");
    if (log.Failed() == 0) {
        // Start-up first, while nothing has been entered; the layout once
        // every box shows a text to measure; the close last.
        const DWORD started = GetTickCount();
        CheckStartUp(program, log);
        CheckEntries(program, log);
        CheckNoticeTimesOut(program, log);
        const DWORD entered = GetTickCount();
        CheckHints(program, log);
        CheckSidePicks(program, log);
        CheckLayout(program, log);
        const DWORD laidOut = GetTickCount();
        CheckLinksAndClose(program, log);
        std::printf("entries %lu ms, picks and layout %lu ms, links and close %lu ms\n", entered - started,
                    laidOut - entered, GetTickCount() - laidOut);
        // Last: a second run of the program, once the first has ended.
        CheckHighContrast(argv[1], log);
    }
    log.PrintSummary();
    return log.Failed();
}
