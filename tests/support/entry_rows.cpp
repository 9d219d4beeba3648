#include "core/calculator.h"
#include "tests/support/example_room.h"
#include "tests/support/row_runner.h"
#include "tests/support/test_locales.h"

#include <algorithm>
#include <vector>

namespace acpower::test {
namespace {

// Stands in for an entry box: what it holds and how often that changed.
struct Box {
    std::u16string Text;
    int Changes = 0;
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
    if (outcome.ClearBox) {
        // An empty box asked to be emptied would not change, so a window
        // would never hear of it again.
        Check("emptying an empty box", !text.empty(), "never asked for", "asked for");
        SetText(calculator, field, box, std::u16string());
    }
}

// The box's texts in turn, as keys make them. What the box and the results
// show after each key is the behaviour table's; here, what no window shows:
// how often the text changed and the number kept.
struct TypingRow {
    const char* Name;
    EntryField Field;
    std::vector<std::u16string> Texts;
    int Changes;  // the box's text changes, the rule's emptying included
    float Stored;
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
    for (const std::u16string& text : row.Texts) {
        SetText(calculator, row.Field, box, text);
    }
    CheckEqual("changes", row.Changes, box.Changes);
    CheckEqual("stored", row.Stored, FieldOf(calculator.State(), row.Field));
}

// The texts a box held in turn, the last one emptied, and what that emptying
// offers back. The notice's own words are the hint rows'; here only the
// part that offers the number back.
struct RestoreRow {
    const char* Name;
    std::vector<std::u16string> Texts;
    std::u16string Restorable;
    std::u16string HintAfterNotice;
};

void CheckRestore(const RestoreRow& row)
{
    Calculator calculator = Office();
    Box box{std::u16string(u"25"), 0};
    for (std::size_t i = 0; i + 1 < row.Texts.size(); ++i) {
        SetText(calculator, EntryField::Area, box, row.Texts[i]);
    }
    const EntryOutcome outcome = calculator.AcceptNumericEntry(EntryField::Area, row.Texts.back());
    CheckEqual("emptied", true, outcome.ClearBox);
    CheckEqual("offered back", row.Restorable, outcome.Restorable);
    const std::size_t hint = std::min(outcome.Notice.find(u"; Ctrl+Z"), outcome.Notice.size());
    CheckEqual("notice's offer", row.HintAfterNotice, outcome.Notice.substr(hint));
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
        {"height 2,8 step by step", Field::CeilingHeight, {u"2", u"2,", u"2,8"}, 3, 2.8F},
        {"height with a point", Field::CeilingHeight, {u"2", u"2.", u"2.8"}, 3, 2.8F},
        {"letter after digits empties area, and the rule runs once more on the empty box", Field::Area,
         {u"1", u"12", u"12a"}, 4, 0.0F},
        {"minus first empties the box", Field::Area, {u"-"}, 2, 0.0F},
        {"deleting the last digit", Field::Area, {u"2", u"25", u"2", u""}, 4, 0.0F},
        {"fractional people", Field::PeopleCount, {u"2", u"2,", u"2,5"}, 3, 2.5F},
        {"number beyond single is refused", Field::AppliancePower, {Repeat(u"9", 40)}, 2, 0.0F},
        {"second separator empties", Field::ComputerCount, {u"1", u"1,", u"1,,"}, 4, 0.0F},
        {"pasted value, kept as pasted", Field::Area, {u"  30 "}, 1, 30.0F},
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
