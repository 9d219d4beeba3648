#include "tests/support/behaviour_rows.h"

#include "core/calculator.h"
#include "form/account.h"
#include "form/company_page.h"
#include "tests/support/example_room.h"
#include "tests/support/test_locales.h"

#include <utility>

namespace acpower::test {
namespace {

Step Act(Verb verb, std::string_view control, std::u16string input)
{
    return Step{verb, control, std::move(input), 0, Reading::None, {}, Match::Whole};
}

Step Look(Reading what, std::string_view control, std::u16string expected, Match how = Match::Whole)
{
    return Step{Verb::Read, control, {}, 0, what, std::move(expected), how};
}

Step Type(std::string_view box, std::u16string keys)
{
    return Act(Verb::Type, box, std::move(keys));
}

// The box's text after each key, joined by '|': "2|2,|2,8".
Step TypeSeeing(std::string_view box, std::u16string keys, std::u16string afterEachKey)
{
    return Step{Verb::Type, box, std::move(keys), 0, Reading::EachKey, std::move(afterEachKey), Match::Whole};
}

Step Set(std::string_view box, std::u16string text)
{
    return Act(Verb::Set, box, std::move(text));
}

Step Paste(std::string_view box, std::u16string text)
{
    return Act(Verb::Paste, box, std::move(text));
}

Step UndoFromMenu(std::string_view box)
{
    return Act(Verb::UndoFromMenu, box, {});
}

Step Pick(int position)
{
    return Step{Verb::Pick, "Combo1", {}, position, Reading::None, {}, Match::Whole};
}

Step Click(std::string_view control)
{
    return Act(Verb::Click, control, {});
}

Step CloseEndingWith(std::u16string status)
{
    return Step{Verb::Close, {}, {}, 0, Reading::ExitStatus, std::move(status), Match::Whole};
}

Step Sees(std::string_view control, std::u16string text)
{
    return Look(Reading::Text, control, std::move(text));
}

Step Shows(std::u16string_view volume, std::u16string_view power)
{
    return Look(Reading::Results, {}, std::u16string(volume) + u" | " + std::u16string(power));
}

Step Note(std::string_view box, std::u16string_view text)
{
    return Look(Reading::Tip, {}, NoteReading(box, text));
}

// The note under the box, known by its quote of the refused text; its
// wording is the engine's, which the hint rows check, and one row here reads
// it whole.
Step NoteQuoting(std::string_view box, std::u16string_view quote)
{
    return Look(Reading::Tip, {}, NoteReading(box, quote), Match::Part);
}

Step NoNote()
{
    return Look(Reading::Tip, {}, {});
}

// A part of the hover text; "" for no hover text at all.
Step Hover(std::string_view box, std::u16string part)
{
    const Match how = part.empty() ? Match::Whole : Match::Part;
    return Look(Reading::Hover, box, std::move(part), how);
}

Step Opens(int pages)
{
    std::u16string lines;
    for (int i = 0; i < pages; ++i) {
        lines += std::u16string(CompanyPageAddress) + u"\n";
    }
    return Look(Reading::Pages, {}, lines);
}

// The engine's account of a room on the shady side, whose wording the
// account rows check; a window only has to hand it on whole.
std::u16string AccountOf(const RoomTexts& room)
{
    Calculator calculator(CommaLocale());
    calculator.SelectShadySide();
    for (std::size_t i = 0; i < room.size(); ++i) {
        calculator.AcceptNumericEntry(AllEntryFields.at(i), room.at(i));
    }
    calculator.ApplyWindowSide(WindowSide::Shady);
    return form::Account(calculator);
}

Step Copy(Verb how, std::string_view box)
{
    return Act(how, box, {});
}

RoomTexts Without(std::size_t box)
{
    RoomTexts room = ExampleRoomTexts;
    room[box] = u"";
    return room;
}

const std::u16string Beyond = u"400000000000000000000000000000000000000";  // above the largest single
const std::u16string Huge = u"100000000000000000000";                      // 1e20: its square overflows a single
const std::u16string NotNumber = u" — не число; поле очищено";

}  // namespace

std::vector<Row> BehaviourRows()
{
    const RoomTexts noArea = Without(0);
    const RoomTexts noHeight = Without(1);
    const RoomTexts empty{u"", u"", u"", u"", u""};
    const RoomTexts floorAndHeight{u"25", u"2,8", u"", u"", u""};
    const std::u16string longNumber = u"1" + std::u16string(99999, u'0');
    const std::u16string longZeros = std::u16string(99998, u'0') + u"25";
    // clang-format off
    return {
        {"start-up: empty boxes, the shady side shown, nothing calculated", std::nullopt, {
            Sees("Text1", u""), Sees("Text2", u""), Sees("Text3", u""), Sees("Text4", u""), Sees("Text5", u""),
            Sees("Text6", u""), Sees("Text7", u""), Look(Reading::List, "Combo1", u"солнечную\nтеневую"),
            Sees("Combo1", u"теневую"), Look(Reading::Focus, {}, u"Text1"), Opens(0)}},
        {"a pick before any typing calculates", std::nullopt, {Pick(1), Shows(u"0", u"")}},
        {"digits typed one by one count at once", noArea, {TypeSeeing("Text1", u"25", u"2|25"), Shows(u"70", u"3,3")}},
        {"Backspace takes the last key back", noArea, {
            TypeSeeing("Text1", u"25\b", u"2|25|2"), Shows(u"5,6", u"1,4"),
            TypeSeeing("Text1", u"\b", u""), Shows(u"0", u"")}},
        {"a digit before any height: volume 0, no power", empty, {Type("Text1", u"5"), Shows(u"0", u"")}},
        {"the decimal comma typed", noHeight, {TypeSeeing("Text2", u"2,8", u"2|2,|2,8"), Shows(u"70", u"3,3")}},
        {"a point where the comma belongs", noHeight, {Type("Text2", u"2.8"), Sees("Text2", u"2.8"), Shows(u"70", u"3,3"), NoNote()}},
        {"a second separator empties the box", noHeight, {
            Type("Text2", u"2,8,"), Sees("Text2", u""), Shows(u"0", u""), NoteQuoting("Text2", u"«2,8,»")}},
        {"a lone minus empties the box; the next key takes the note away", noArea, {
            Type("Text1", u"-"), Sees("Text1", u""), Shows(u"0", u""), NoteQuoting("Text1", u"«-»"),
            Type("Text1", u"5"), Sees("Text1", u"5"), NoNote(), Shows(u"14", u"1,6")}},
        {"a Latin letter after digits empties the box", noArea, {
            TypeSeeing("Text1", u"12x", u"1|12|"), Shows(u"0", u""), NoteQuoting("Text1", u"«12x»")}},
        {"a Cyrillic letter after digits empties the box", noArea, {
            TypeSeeing("Text1", u"12ж", u"1|12|"), Shows(u"0", u""), NoteQuoting("Text1", u"«12ж»")}},
        {"Ctrl+Z brings back the number a wrong key emptied", noHeight, {
            Type("Text2", u"2,8x"), Note("Text2", u"«2,8x»" + NotNumber + u"; Ctrl+Z — вернуть «2,8»"),
            Type("Text2", u"\x1A"), Sees("Text2", u"2,8"), Shows(u"70", u"3,3"), NoNote()}},
        {"the context menu's Undo brings it back too", noArea, {
            Type("Text1", u"25-"), Sees("Text1", u""), UndoFromMenu("Text1"), Sees("Text1", u"25"), Shows(u"70", u"3,3")}},
        {"Ctrl+Z with nothing emptied keeps a number set", noArea, {
            Set("Text1", u"25"), Type("Text1", u"\x1A"), Sees("Text1", u"25"), Shows(u"70", u"3,3")}},
        {"a fractional count of people", RoomTexts{u"25", u"2,8", u"", u"", u"100"}, {
            Type("Text3", u"2,5"), Sees("Text3", u"2,5"), Shows(u"70", u"2,4")}},
        {"computers", floorAndHeight, {Type("Text4", u"2"), Shows(u"70", u"2,7")}},
        {"appliances", floorAndHeight, {TypeSeeing("Text5", u"1000", u"1|10|100|1000"), Shows(u"70", u"2,4")}},
        {"thousands grouped key by key", Without(4), {Type("Text5", u"1 000"), Sees("Text5", u"1 000"), Shows(u"70", u"3,3"), NoNote()}},
        {"a number set by the program", noArea, {Set("Text1", u"25"), Sees("Text1", u"25"), Shows(u"70", u"3,3")}},
        {"a word set by the program empties the box", noArea, {Set("Text1", u"abc"), Sees("Text1", u""), Shows(u"0", u"")}},
        {"a pasted number", noArea, {Paste("Text1", u"25"), Sees("Text1", u"25"), Shows(u"70", u"3,3")}},
        {"a pasted fraction", noArea, {Paste("Text1", u"10,5"), Sees("Text1", u"10,5"), Shows(u"29,4", u"2,1")}},
        {"a pasted negative area: no power", noArea, {Paste("Text1", u"-25"), Sees("Text1", u"-25"), Shows(u"-70", u"")}},
        {"a pasted word", noArea, {
            Paste("Text1", u"двадцать"), Sees("Text1", u""), Shows(u"0", u""), NoteQuoting("Text1", u"«двадцать»")}},
        {"100000 characters pasted: too big", noArea, {
            Paste("Text1", longNumber), Sees("Text1", u""), Shows(u"0", u""),
            NoteQuoting("Text1", u"«100000000000000…»")}},
        {"100000 characters pasted: leading zeros", noArea, {
            Paste("Text1", longZeros), Sees("Text1", longZeros), Shows(u"70", u"3,3"), NoNote()}},
        {"beyond single precision is refused", Without(4), {
            Set("Text5", Beyond), Sees("Text5", u""), Shows(u"70", u"3"), NoteQuoting("Text5", u"«400000000000000…»")}},
        // The leading digits say how large a number is; a box too narrow
        // for it keeps them in sight and lets the tail go.
        {"long results show from their first digit", RoomTexts{u"", u"", u"", u"", u""}, {
            Set("Text1", u"100000"), Set("Text2", u"100000"), Shows(u"10000000000", u"300000000"),
            Look(Reading::FromFirstShown, "Text6", u"10000000000"),
            Look(Reading::FromFirstShown, "Text7", u"300000000")}},
        {"a volume overflow shows nothing", RoomTexts{u"", Huge, u"", u"", u""}, {
            Set("Text1", Huge), Sees("Text1", Huge), Shows(u"", u"")}},
        {"the result boxes take no typing", ExampleRoomTexts, {
            TypeSeeing("Text6", u"9\b", u"70|70"), TypeSeeing("Text7", u"9\b", u"3,3|3,3")}},
        {"pick the sunny side", ExampleRoomTexts, {Pick(0), Sees("Combo1", u"солнечную"), Shows(u"70", u"4")}},
        // Only a recalculation can mend the spoilt power box.
        {"pick the side shown: it recalculates all the same", ExampleRoomTexts, {
            Pick(0), Set("Text7", u"spoilt"), Pick(0), Sees("Combo1", u"солнечную"), Sees("Text7", u"4")}},
        {"pick the shady side", ExampleRoomTexts, {Pick(1), Sees("Combo1", u"теневую"), Shows(u"70", u"3,3")}},
        {"the power's hover text: the sum and the class to buy", ExampleRoomTexts, {
            Hover("Text7", u"Мощность кондиционера: 3,3 кВт\n"),
            Hover("Text7", u"\nПодойдет сплит-система класса 12 (3,52 кВт).")}},
        {"the volume's hover text", ExampleRoomTexts, {Hover("Text6", u"Объем помещения: 70 куб. м")}},
        {"the empty power box says why on hover", noArea, {
            Hover("Text7", u"Мощность не рассчитана: не указана площадь.")}},
        {"the account copied by Ctrl+Shift+C and from the result box's menu", ExampleRoomTexts, {
            Copy(Verb::CopyByKeys, "Text1"), Look(Reading::Clipboard, {}, AccountOf(ExampleRoomTexts)),
            Type("Text3", u"\b"), Copy(Verb::CopyFromMenu, "Text7"), Look(Reading::Clipboard, {}, AccountOf(Without(2)))},
         "the page copies by its own buttons: browsers keep Ctrl+Shift+C for their tools"},
        {"Компания is no link", std::nullopt, {Click("Label57"), Click("Label57"), Opens(0)}},
        {"other captions are no links", std::nullopt, {Click("Label9"), Opens(0)}},
        {"ОРНИК opens the company page", std::nullopt, {Click("Label55"), Opens(1)}},
        {"ВЕЙМ opens the company page", std::nullopt, {Click("Label56"), Opens(1)}},
        {"every click opens it again", std::nullopt, {Click("Label55"), Click("Label55"), Click("Label55"), Opens(3)}},
        {"closing opens the company page and ends the program", std::nullopt, {CloseEndingWith(u"0"), Opens(1)},
         "a page cannot open another page as it closes, nor end with a status"},
    };
    // clang-format on
}

}  // namespace acpower::test
