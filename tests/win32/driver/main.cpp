// Drives the Windows calculator from outside, as UI automation does, and
// ends with "N passed, N failed"; the exit status is the number of failures.
//
//   acpower_win32_driver PATH\acpower.exe
//   acpower_win32_driver --example SECONDS PATH\acpower.exe
//
// The second form only fills in README's example room and leaves the window
// up for so many seconds, for a screenshot.

#include "program_under_test.h"
#include "suites.h"
#include "tests/support/row_runner.h"

#include "core/hints.h"
#include "tests/support/example_room.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace acpower::win32::test {
namespace {

void ShowExample(ProgramUnderTest& program)
{
    for (size_t i = 0; i < acpower::test::ExampleRoomTexts.size(); ++i) {
        program.Type(acpower::test::BoxNames[i], acpower::test::ExampleRoomTexts[i]);
    }
}

// Reached with the keyboard, a result box shows its hover text under it until
// the focus moves on; the empty power box shows none.
void CheckFocusHints(const ProgramUnderTest& program)
{
    for (const std::string_view box : {"Text6", "Text7"}) {
        program.Focus(box);
        const std::u16string hover = program.HoverText(box);
        Expect(!hover.empty() && program.ShownTipText() == hover,
               std::string(box) + " on focus: its hover text under it", program.ShownTipText());
        program.Focus("Text1");
        ExpectText(std::string(box) + ": the focus moved on", program.ShownTipText(), u"");
    }
    program.SetText("Text1", u"");
    program.Focus("Text7");
    ExpectText("the empty power box on focus", program.ShownTipText(), u"");
}

void CheckNoticeTimesOut(ProgramUnderTest& program)
{
    program.Type("Text1", u"x");
    Expect(!program.ShownTipText().empty(), "a notice is shown");
    Sleep(NoticeMilliseconds + 1000);
    ExpectText("the notice goes after its time", program.ShownTipText(), u"");
}

// One run of the program from its start to its close, through the table.
void RunTable(const std::wstring& path)
{
    ProgramUnderTest program(path);
    Expect(program.Start(), "the window appears");
    if (program.Window() != nullptr) {
        acpower::test::RunBehaviourTable(program);
    }
}

// A second run for what only Windows is checked for, the layout once every
// box shows a text to measure.
void RunWindowsOnly(const std::wstring& path)
{
    ProgramUnderTest program(path);
    Expect(program.Start(), "the window appears again");
    if (program.Window() == nullptr) {
        return;
    }
    ShowExample(program);
    CheckLayout(program);
    CheckFocusHints(program);
    CheckNoticeTimesOut(program);
    Expect(program.Close() == 0, "the second run ends");
}

}  // namespace
}  // namespace acpower::win32::test

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
        return program.Close();
    }
    if (argc != 2) {
        std::fputs("usage: acpower_win32_driver [--example SECONDS] PATH\\acpower.exe\n", stderr);
        return 2;
    }
    const DWORD started = GetTickCount();
    RunTable(argv[1]);
    const DWORD tabled = GetTickCount();
    RunWindowsOnly(argv[1]);
    std::printf("table %lu ms, layout, hints and notice %lu ms\n", tabled - started, GetTickCount() - tabled);
    // Last: a run under high-contrast colours, once the others have ended.
    CheckHighContrast(argv[1]);
    return acpower::test::Summary();
}
