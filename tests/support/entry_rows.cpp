#include "core/calculator.h"
#include "tests/support/example_room.h"
#include "tests/support/row_runner.h"
#include "tests/support/test_locales.h"

#include <vector>

namespace acpower::test {
namespace {

// Stands in for an entry box: what it holds, how often that changed and the
// results the last change brought.
struct Box {
    std::u16string Text;
    int Changes = 0;
    ResultTexts Results;
};

// Like a real box, runs the rule again when the rule's verdict empties it.
void SetText(Calculator& calculator, EntryField field, Box& box, const std::u16string& text)
{
    if (text == box.Text) {
        return;
    }
    box.Text = text;
    ++box.Changes;
    const EntryOutcome outcome = calculator.AcceptNumericEntry(field, text);
    box.Results = outcome.Results;
    if (outcome.ClearBox) {
        // An empty box asked to be emptied would not change, so a window
        // would never hear of it again.
        Check("emptying an empty box", !text.empty(), "never asked for", "asked for");
        SetText(calculator, field, box, std::u16string());
    }
}

struct Keystroke {
    std::u16string Typed;
    std::u16string_view Box;  // what the box holds afterwards
};

struct TypingRow {
    const char* Name;
    EntryField Field;
    std::vector<Keystroke> Keystrokes;
    int Changes;  // the box's text changes, the rule's emptying included
    float Stored;
    std::u16string_view Volume;
    std::u16string_view Power;
};

// The selector's list positions picked in turn; one outside the list is no
// pick. What the selector shows is the side last picked, or the start-up one.
struct PickRow {
    const char* Name;
    std::vector<int> Picks;
    std::u16string_view Shows;
    float Factor;
    std::u16string_view Power;
};

Calculator Office()
{
    Calculator calculator(CommaLocale());
    calculator.SelectShadySide();
    for (const EntryField field : AllEntryFields) {
        calculator.AcceptNumericEntry(field, ExampleRoomTexts[static_cast<std::size_t>(field)]);
    }
    return calculator;
}

// Types one box keystroke by keystroke into the office, after emptying that
// box.
void CheckTyping(const TypingRow& row)
{
    Calculator calculator = Office();
    calculator.AcceptNumericEntry(row.Field, u"");
    Box box;
    for (const Keystroke& keystroke : row.Keystrokes) {
        SetText(calculator, row.Field, box, keystroke.Typed);
        CheckEqual("box after " + Utf8(keystroke.Typed), keystroke.Box, box.Text);
    }
    CalculatorState state = calculator.State();
    CheckEqual("changes", row.Changes, box.Changes);
    CheckEqual("stored", row.Stored, FieldOf(state, row.Field));
    CheckEqual("volume", row.Volume, box.Results.Volume);
    CheckEqual("power", row.Power, box.Results.Power);
}

// The texts a box held in turn, the last one emptied, and what that emptying
// offers back.
struct RestoreRow {
    const char* Name;
    std::vector<std::u16string> Texts;
    std::u16string Restorable;
    std::u16string HintAfterNotice;
};

void CheckRestore(const RestoreRow& row)
{
    Calculator calculator = Office();
    Box box{std::u16string(u"25"), 0, {}};
    for (std::size_t i = 0; i + 1 < row.Texts.size(); ++i) {
        SetText(calculator, EntryField::Area, box, row.Texts[i]);
    }
    const EntryOutcome outcome = calculator.AcceptNumericEntry(EntryField::Area, row.Texts.back());
    CheckEqual("emptied", true, outcome.ClearBox);
    CheckEqual("offered back", row.Restorable, outcome.Restorable);
    const std::u16string notice = u"«" + row.Texts.back() + u"» — не число; поле очищено" + row.HintAfterNotice;
    CheckEqual("notice", notice, outcome.Notice);
}

void CheckPicks(const PickRow& row)
{
    Calculator calculator = Office();
    std::u16string_view shows = EntryOf(calculator.SelectShadySide()).Text;
    std::u16string power;
    for (const int pick : row.Picks) {
        if (const auto side = SideAt(pick)) {
            const ResultTexts texts = calculator.ApplyWindowSide(*side);
            CheckEqual("volume", std::u16string_view(u"70"), texts.Volume);
            shows = EntryOf(*side).Text;
            power = texts.Power;
        }
    }
    CheckEqual("selector shows", row.Shows, shows);
    CheckEqual("factor", row.Factor, calculator.State().WindowFactor);
    CheckEqual("power", row.Power, power);
}

}  // namespace

void RunEntryRows()
{
    using Field = EntryField;
    // clang-format off
    const TypingRow typing[] = {
        {"height 2,8 step by step", Field::CeilingHeight, {{u"2", u"2"}, {u"2,", u"2,"}, {u"2,8", u"2,8"}}, 3, 2.8F,
         u"70", u"3,3"},
        {"height with a point", Field::CeilingHeight, {{u"2", u"2"}, {u"2.", u"2."}, {u"2.8", u"2.8"}}, 3, 2.8F,
         u"70", u"3,3"},
        {"letter after digits empties area, and the rule runs once more on the empty box", Field::Area,
         {{u"1", u"1"}, {u"12", u"12"}, {u"12a", u""}}, 4, 0.0F, u"0", u""},
        {"minus first empties the box", Field::Area, {{u"-", u""}}, 2, 0.0F, u"0", u""},
        {"deleting the last digit", Field::Area, {{u"2", u"2"}, {u"25", u"25"}, {u"2", u"2"}, {u"", u""}}, 4, 0.0F,
         u"0", u""},
        {"fractional people", Field::PeopleCount, {{u"2", u"2"}, {u"2,", u"2,"}, {u"2,5", u"2,5"}}, 3, 2.5F, u"70",
         u"3,2"},
        {"number beyond single is refused", Field::AppliancePower, {{Repeat(u"9", 40), u""}}, 2, 0.0F, u"70", u"3"},
        {"second separator empties", Field::ComputerCount, {{u"1", u"1"}, {u"1,", u"1,"}, {u"1,,", u""}}, 4, 0.0F,
         u"70", u"2,7"},
        {"pasted value", Field::Area, {{u"  30 ", u"  30 "}}, 1, 30.0F, u"84", u"3,7"},
    };
    const RestoreRow restores[] = {
        {"a wrong key offers the number back", {u"2,8", u"2,8x"}, u"2,8", u"; Ctrl+Z — вернуть «2,8»"},
        {"the last number, not an earlier one", {u"2", u"2,", u"2,5", u"2,5a"}, u"2,5", u"; Ctrl+Z — вернуть «2,5»"},
        {"a second wrong key still offers it", {u"2,8", u"2,8x", u"y"}, u"2,8", u"; Ctrl+Z — вернуть «2,8»"},
        {"a box emptied by hand forgets it", {u"2", u"", u"x"}, u"", u""},
    };
    // The list is the sunny side, then the shady one, and no more.
    const PickRow picks[] = {
        {"start-up is shady", {}, u"теневую", 30.0F, u""},
        {"sunny", {0}, u"солнечную", 40.0F, u"4"},
        {"sunny then shady", {0, 1}, u"теневую", 30.0F, u"3,3"},
        {"shady again", {1}, u"теневую", 30.0F, u"3,3"},
        {"no selection keeps sunny", {0, -1}, u"солнечную", 40.0F, u"4"},
        {"past the list keeps sunny", {0, 2}, u"солнечную", 40.0F, u"4"},
    };
    // clang-format on
    RunRows("typing", typing, CheckTyping);
    RunRows("window side", picks, CheckPicks);
    RunRows("restore", restores, CheckRestore);
}

}  // namespace acpower::test
