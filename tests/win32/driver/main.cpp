// Drives the Windows calculator from outside, as UI automation does, and
// ends with "N passed, N failed"; the exit status is the number of failures.
//
//   acpower_win32_driver PATH\acpower.exe
//   acpower_win32_driver --example SECONDS PATH\acpower.exe
//
// The second form only fills in README's example room and leaves the window
// up for so many seconds, for a screenshot.

#include "suites.h"

#include "core/hints.h"
#include "tests/support/example_room.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace acpower::win32::test {

using acpower::test::NoteReading;
using acpower::test::Reading;

bool Started(ProgramUnderTest& program, std::string_view what)
{
    const bool started = program.Start();
    Expect(started, what);
    return started;
}

void ShowExample(ProgramUnderTest& program)
{
    for (size_t i = 0; i < acpower::test::ExampleRoomTexts.size(); ++i) {
        program.Type(acpower::test::BoxNames[i], acpower::test::ExampleRoomTexts[i]);
    }
}

namespace {

// Reached with the keyboard, a result box shows its hover text under it until
// the focus moves on; the empty power box shows why it is empty.
void CheckFocusHints(ProgramUnderTest& program)
{
    for (const std::string_view box : {"Text6", "Text7"}) {
        program.Focus(box);
        const std::u16string hover = program.Read(Reading::Hover, box);
        const std::u16string note = program.Read(Reading::Tip, {});
        Expect(!hover.empty() && note == NoteReading(box, hover),
               std::string(box) + " on focus: its hover text under it", note);
        program.Focus("Text1");
        ExpectText(std::string(box) + ": the focus moved on", program.Read(Reading::Tip, {}), u"");
    }
    program.Set("Text1", u"", acpower::test::SetBy::Program);
    program.Focus("Text7");
    const std::u16string why = program.Read(Reading::Hover, "Text7");
    Expect(!why.empty(), "the empty power box has a hover text", why);
    ExpectText("the empty power box on focus", program.Read(Reading::Tip, {}), NoteReading("Text7", why));
}

void CheckNoticeTimesOut(ProgramUnderTest& program)
{
    program.Type("Text1", u"x");
    Expect(!program.Read(Reading::Tip, {}).empty(), "a notice is shown");
    Sleep(NoticeMilliseconds + 1000);
    ExpectText("the notice goes after its time", program.Read(Reading::Tip, {}), u"");
}

// One run of the program from its start to its close, through the table.
void RunTable(const std::wstring& path)
{
    ProgramUnderTest program(path);
    if (Started(program, "the window appears")) {
        acpower::test::RunBehaviourTable(program);
    }
}

// A second run for what only Windows is checked for, the layout once every
// box shows a text to measure.
void RunWindowsOnly(const std::wstring& path)
{
    ProgramUnderTest program(path);
    if (!Started(program, "the window appears again")) {
        return;
    }
    ShowExample(program);
    CheckLayout(program);
    CheckFocusHints(program);
    CheckNoticeTimesOut(program);
    CheckKeyboard(program);
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
    RunTable(argv[1]);
    RunWindowsOnly(argv[1]);
    CheckDpis(argv[1]);
    // Last: a run under high-contrast colours, once the others have ended.
    CheckHighContrast(argv[1]);
    return acpower::test::Summary();
}
