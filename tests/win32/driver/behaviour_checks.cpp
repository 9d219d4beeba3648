// What the user sees the calculator do: start-up, typing, pasting, whole
// texts set at once, and picks of the window side. The room of most rows is
// the README's example (25 m², 2,8 m, 3 people, 2 computers, 1000 W), which
// needs 3,3 kW on the shady side and 4 kW on the sunny one. The program runs
// under the Russian regional settings, whose decimal separator is a comma.

#include "suites.h"

#include "core/entry_rules.h"
#include "core/hints.h"
#include "form/form1.h"

#include <array>
#include <string>
#include <vector>

namespace acpower::win32::test {
namespace {

constexpr std::array<std::string_view, 5> Boxes{"Text1", "Text2", "Text3", "Text4", "Text5"};
using Room = std::array<std::u16string_view, 5>;
const Room ExampleRoom{u"25", u"2,8", u"3", u"2", u"1000"};

enum class Entry {
    Typed,
    Pasted,
    Set,
};

struct EntryCase {
    const char* Name;
    Room Given;  // set first, box by box
    std::string_view Box;
    Entry How;
    std::u16string Input;
    std::u16string BoxAfter;
    std::u16string_view Volume;
    std::u16string_view Power;
    std::u16string_view Notice;  // the tip under the box afterwards; "" for none
};

const std::u16string Beyond = u"400000000000000000000000000000000000000";  // above the largest single
const std::u16string Huge = u"100000000000000000000";                      // 1e20: its square overflows a single

std::vector<EntryCase> EntryCases()
{
    const Room noArea{u"", u"2,8", u"3", u"2", u"1000"};
    const Room noHeight{u"25", u"", u"3", u"2", u"1000"};
    const Room noAppliances{u"25", u"2,8", u"3", u"2", u""};
    const std::u16string longNumber = u"1" + std::u16string(99999, u'0');
    const std::u16string longZeros = std::u16string(99998, u'0') + u"25";
    // clang-format off
    return {
        {"digits typed one by one",            noArea,       "Text1", Entry::Typed,  u"25",     u"25",    u"70",  u"3,3", u""},
        {"Backspace takes the last digit",     noArea,       "Text1", Entry::Typed,  u"25\b",   u"2",     u"5,6", u"1,4", u""},
        {"a letter after digits empties",      noArea,       "Text1", Entry::Typed,  u"12x",    u"",      u"0",   u"",    u"«12x» — не число; поле очищено"},
        {"the next key takes the notice away", noArea,       "Text1", Entry::Typed,  u"x2",     u"2",     u"5,6", u"1,4", u""},
        {"a lone minus sign empties",          noArea,       "Text1", Entry::Typed,  u"-",      u"",      u"0",   u"",    u"«-» — не число; поле очищено"},
        {"a second separator empties",         noHeight,     "Text2", Entry::Typed,  u"2,8,",   u"",      u"0",   u"",    u"«2,8,» — не число; поле очищено"},
        {"a point where the comma belongs",    noHeight,     "Text2", Entry::Typed,  u"2.8",    u"2.8",   u"70",  u"3,3", u""},
        {"the comma typed",                    noHeight,     "Text2", Entry::Typed,  u"2,8",    u"2,8",   u"70",  u"3,3", u""},
        {"thousands grouped key by key",       noAppliances, "Text5", Entry::Typed,  u"1 000",  u"1 000", u"70",  u"3,3", u""},
        {"pasted 100000 characters: too big",  noArea,       "Text1", Entry::Pasted, longNumber, u"",     u"0",   u"",    u"«100000000000000…» — слишком большое число; поле очищено"},
        {"pasted 100000 characters: zeros",    noArea,       "Text1", Entry::Pasted, longZeros, longZeros, u"70", u"3,3", u""},
        {"a pasted word",                      noArea,       "Text1", Entry::Pasted, u"двадцать", u"",    u"0",   u"",    u"«двадцать» — не число; поле очищено"},
        {"a whole number set",                 noArea,       "Text1", Entry::Set,    u"25",     u"25",    u"70",  u"3,3", u""},
        {"beyond single precision is refused", noAppliances, "Text5", Entry::Set,    Beyond,    u"",      u"70",  u"3",   u"«400000000000000…» — слишком большое число; поле очищено"},
        {"a volume overflow shows nothing",    {u"", Huge, u"", u"", u""}, "Text1", Entry::Set, Huge, Huge, u"", u"", u""},
    };
    // clang-format on
}

void Enter(const ProgramUnderTest& program, const EntryCase& row)
{
    switch (row.How) {
    case Entry::Typed:
        program.Type(row.Box, row.Input);
        return;
    case Entry::Pasted:
        program.Paste(row.Box, row.Input);
        return;
    case Entry::Set:
        program.SetText(row.Box, row.Input);
        return;
    }
}

void SetRoom(const ProgramUnderTest& program, const Room& room)
{
    for (size_t i = 0; i < Boxes.size(); ++i) {
        program.SetText(Boxes[i], room[i]);
    }
}

std::string Named(const char* row, const char* what)
{
    return std::string(row) + ": " + what;
}

}  // namespace

void ShowExample(const ProgramUnderTest& program)
{
    for (size_t i = 0; i < Boxes.size(); ++i) {
        program.Type(Boxes[i], ExampleRoom[i]);
    }
}

void CheckStartUp(const ProgramUnderTest& program, CheckLog& log)
{
    for (const std::string_view box : {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7"}) {
        log.ExpectText(std::string("start-up: ") + std::string(box) + " is empty", program.Text(box), u"");
    }
    log.ExpectText("start-up: the selector shows the shady side", program.Text("Combo1"), EntryOf(WindowSide::Shady).Text);
    // Typing right after start reaches the first box, as in any form.
    GUITHREADINFO focus = {sizeof(focus)};
    const DWORD thread = GetWindowThreadProcessId(program.Window(), nullptr);
    log.Expect(GetGUIThreadInfo(thread, &focus) && focus.hwndFocus == program.Control(form::TabOrder().front()->Name),
               "start-up: the first box in the tab order has the keyboard focus");
    const HWND selector = program.Control("Combo1");
    log.Expect(SendMessageW(selector, CB_GETCOUNT, 0, 0) == 2, "start-up: the selector holds two entries");
    for (int i = 0; i < 2; ++i) {
        std::u16string entry(32, u'\0');
        const auto length = SendMessageW(selector, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(entry.data()));
        entry.resize(length < 0 ? 0 : static_cast<size_t>(length));
        log.ExpectText("start-up: the selector's entries in order", entry, WindowSides[static_cast<size_t>(i)].Text);
    }
}

void CheckEntries(const ProgramUnderTest& program, CheckLog& log)
{
    for (const EntryCase& row : EntryCases()) {
        SetRoom(program, row.Given);
        Enter(program, row);
        log.ExpectText(Named(row.Name, "box"), program.Text(row.Box), row.BoxAfter);
        log.ExpectText(Named(row.Name, "volume"), program.Text("Text6"), row.Volume);
        log.ExpectText(Named(row.Name, "power"), program.Text("Text7"), row.Power);
        log.ExpectText(Named(row.Name, "notice"), program.ShownTipText(), row.Notice);
    }
}

void CheckNoticeTimesOut(const ProgramUnderTest& program, CheckLog& log)
{
    program.Type("Text1", u"x");
    log.Expect(!program.ShownTipText().empty(), "a notice is shown");
    Sleep(NoticeMilliseconds + 1000);
    log.ExpectText("the notice goes after its time", program.ShownTipText(), u"");
}

void CheckHints(const ProgramUnderTest& program, CheckLog& log)
{
    struct HintCase {
        const char* Name;
        Room Given;
        std::string_view Box;
        std::u16string_view Contains;  // "" for no hover text at all
    };
    const Room noArea{u"", u"2,8", u"3", u"2", u"1000"};
    // clang-format off
    const HintCase cases[] = {
        {"the power names the class to buy",     ExampleRoom, "Text7", u"Подойдет сплит-система класса 12 ("},
        {"the volume's whole text",              ExampleRoom, "Text6", u"Объем помещения: 70 куб. м"},
        {"nothing while the power box is empty", noArea,      "Text7", u""},
    };
    // clang-format on
    for (const HintCase& row : cases) {
        SetRoom(program, row.Given);
        const std::u16string hover = program.HoverText(row.Box);
        if (row.Contains.empty()) {
            log.ExpectText(Named(row.Name, "hover"), hover, u"");
        } else {
            log.Expect(hover.find(row.Contains) != std::u16string::npos, Named(row.Name, "hover"), hover);
        }
        // Reached with the keyboard: the same text under the box, until the
        // focus moves on.
        program.Focus(row.Box);
        log.ExpectText(Named(row.Name, "on focus"), program.ShownTipText(), hover);
        program.Focus("Text1");
        log.ExpectText(Named(row.Name, "focus moved on"), program.ShownTipText(), u"");
    }
}

void CheckSidePicks(const ProgramUnderTest& program, CheckLog& log)
{
    struct PickCase {
        const char* Name;
        int Moves;  // from the entry shown; the list holds sunny, then shady
        std::u16string_view Shown;
        std::u16string_view Power;
    };
    // clang-format off
    const PickCase cases[] = {
        {"pick the sunny side",          -1, WindowSides[0].Text, u"4"},
        {"pick the shady side",           1, WindowSides[1].Text, u"3,3"},
        {"pick the side already shown",   0, WindowSides[1].Text, u"3,3"},
    };
    // clang-format on
    SetRoom(program, ExampleRoom);
    for (const PickCase& row : cases) {
        // Only a recalculation can bring the power back, so the last row
        // shows that a pick without a change recalculates too.
        program.SetText("Text7", u"");
        program.Pick(row.Moves);
        log.ExpectText(Named(row.Name, "selector"), program.Text("Combo1"), row.Shown);
        log.ExpectText(Named(row.Name, "power"), program.Text("Text7"), row.Power);
    }
}

}  // namespace acpower::win32::test
