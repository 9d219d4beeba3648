#include "tests/support/behaviour_table.h"

#include "form/company_page.h"
#include "tests/support/example_room.h"

#include <cstdio>
#include <utility>

namespace acpower::test {
namespace {

enum class Verb {
    Type,
    Set,
    Paste,
    Pick,
    Click,
    Close,
    Read,
};

enum class Match {
    Whole,
    Part,  // the seen text holds the expected one
};

// One thing done to the window, and what is read from it right after.
struct Step {
    Verb Do;
    std::string_view Control;
    std::u16string Input;  // the keys typed, or the whole text set or pasted
    int Position;          // of the selector's entry picked
    Reading What;          // None: nothing is read
    std::u16string Expected;
    Match How;
};

using Room = std::array<std::u16string_view, 5>;

struct Row {
    const char* Name;
    std::optional<Room> Given;  // set into Text1 to Text5 first; none keeps the window as it is
    std::vector<Step> Steps;
};

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

Room Without(std::size_t box)
{
    Room room = ExampleRoomTexts;
    room[box] = u"";
    return room;
}

const std::u16string Beyond = u"400000000000000000000000000000000000000";  // above the largest single
const std::u16string Huge = u"100000000000000000000";                      // 1e20: its square overflows a single
const std::u16string NotNumber = u" — не число; поле очищено";
const std::u16string TooBig = u" — слишком большое число; поле очищено";

std::vector<Row> Rows()
{
    const Room noArea = Without(0);
    const Room noHeight = Without(1);
    const Room empty{u"", u"", u"", u"", u""};
    const Room floorAndHeight{u"25", u"2,8", u"", u"", u""};
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
        {"a point where the comma belongs", noHeight, {Type("Text2", u"2.8"), Sees("Text2", u"2.8"), Shows(u"70", u"3,3")}},
        {"a second separator empties the box", noHeight, {
            Type("Text2", u"2,8,"), Sees("Text2", u""), Shows(u"0", u""), Note("Text2", u"«2,8,»" + NotNumber)}},
        {"a lone minus empties the box; the next key takes the note away", noArea, {
            Type("Text1", u"-"), Sees("Text1", u""), Shows(u"0", u""), Note("Text1", u"«-»" + NotNumber),
            Type("Text1", u"5"), Sees("Text1", u"5"), NoNote(), Shows(u"14", u"1,6")}},
        {"a Latin letter after digits empties the box", noArea, {
            TypeSeeing("Text1", u"12x", u"1|12|"), Shows(u"0", u""), Note("Text1", u"«12x»" + NotNumber)}},
        {"a Cyrillic letter after digits empties the box", noArea, {
            TypeSeeing("Text1", u"12ж", u"1|12|"), Shows(u"0", u""), Note("Text1", u"«12ж»" + NotNumber)}},
        {"a fractional count of people", Room{u"25", u"2,8", u"", u"", u"100"}, {
            Type("Text3", u"2,5"), Sees("Text3", u"2,5"), Shows(u"70", u"2,4")}},
        {"computers", floorAndHeight, {Type("Text4", u"2"), Shows(u"70", u"2,7")}},
        {"appliances", floorAndHeight, {TypeSeeing("Text5", u"1000", u"1|10|100|1000"), Shows(u"70", u"2,4")}},
        {"thousands grouped key by key", Without(4), {Type("Text5", u"1 000"), Sees("Text5", u"1 000"), Shows(u"70", u"3,3")}},
        {"a number set by the program", noArea, {Set("Text1", u"25"), Sees("Text1", u"25"), Shows(u"70", u"3,3")}},
        {"a word set by the program empties the box", noArea, {Set("Text1", u"abc"), Sees("Text1", u""), Shows(u"0", u"")}},
        {"a pasted number", noArea, {Paste("Text1", u"25"), Sees("Text1", u"25"), Shows(u"70", u"3,3")}},
        {"a pasted fraction", noArea, {Paste("Text1", u"10,5"), Sees("Text1", u"10,5"), Shows(u"29,4", u"2,1")}},
        {"a pasted negative area: no power", noArea, {Paste("Text1", u"-25"), Sees("Text1", u"-25"), Shows(u"-70", u"")}},
        {"a pasted word", noArea, {
            Paste("Text1", u"двадцать"), Sees("Text1", u""), Shows(u"0", u""), Note("Text1", u"«двадцать»" + NotNumber)}},
        {"100000 characters pasted: too big", noArea, {
            Paste("Text1", longNumber), Sees("Text1", u""), Shows(u"0", u""),
            Note("Text1", u"«100000000000000…»" + TooBig)}},
        {"100000 characters pasted: leading zeros", noArea, {
            Paste("Text1", longZeros), Sees("Text1", longZeros), Shows(u"70", u"3,3")}},
        {"beyond single precision is refused", Without(4), {
            Set("Text5", Beyond), Sees("Text5", u""), Shows(u"70", u"3"), Note("Text5", u"«400000000000000…»" + TooBig)}},
        {"a volume overflow shows nothing", Room{u"", Huge, u"", u"", u""}, {
            Set("Text1", Huge), Sees("Text1", Huge), Shows(u"", u"")}},
        {"pick the sunny side", ExampleRoomTexts, {Pick(0), Sees("Combo1", u"солнечную"), Shows(u"70", u"4")}},
        // Only a recalculation can mend the spoilt power box.
        {"pick the side shown: it recalculates all the same", ExampleRoomTexts, {
            Pick(0), Set("Text7", u"spoilt"), Pick(0), Sees("Combo1", u"солнечную"), Sees("Text7", u"4")}},
        {"pick the shady side", ExampleRoomTexts, {Pick(1), Sees("Combo1", u"теневую"), Shows(u"70", u"3,3")}},
        {"the power's hover text: the sum and the class to buy", ExampleRoomTexts, {
            Hover("Text7", u"Мощность кондиционера: 3,3 кВт\n"),
            Hover("Text7", u"\nПодойдет сплит-система класса 12 (3,52 кВт).")}},
        {"the volume's hover text", ExampleRoomTexts, {Hover("Text6", u"Объем помещения: 70 куб. м")}},
        {"no hover text while the power box is empty", noArea, {Hover("Text7", u"")}},
        {"Компания is no link", std::nullopt, {Click("Label57"), Click("Label57"), Opens(0)}},
        {"other captions are no links", std::nullopt, {Click("Label9"), Opens(0)}},
        {"ОРНИК opens the company page", std::nullopt, {Click("Label55"), Opens(1)}},
        {"ВЕЙМ opens the company page", std::nullopt, {Click("Label56"), Opens(1)}},
        {"every click opens it again", std::nullopt, {Click("Label55"), Click("Label55"), Click("Label55"), Opens(3)}},
        {"closing opens the company page and ends the program", std::nullopt, {CloseEndingWith(u"0"), Opens(1)}},
    };
    // clang-format on
}

std::u16string Ascii(std::string_view text)
{
    return std::u16string(text.begin(), text.end());
}

// One line however long the text: line breaks shown as " ¶ ", and a long
// text as its start, its end and its length.
std::string Printable(std::u16string_view text)
{
    constexpr std::size_t Longest = 100;
    std::u16string shown;
    for (const char16_t c : text) {
        shown += c == u'\n' ? std::u16string(u" ¶ ") : std::u16string(1, c);
    }
    if (text.size() <= Longest) {
        return Utf8(shown);
    }
    return Utf8(shown.substr(0, 40)) + "…" + Utf8(shown.substr(shown.size() - 20)) + " ("
        + std::to_string(text.size()) + " characters)";
}

const char* Described(Reading what)
{
    switch (what) {
    case Reading::EachKey:
        return " after each key";
    case Reading::Results:
        return "volume | power";
    case Reading::List:
        return " list";
    case Reading::Tip:
        return "note under a box";
    case Reading::Hover:
        return " hover text";
    case Reading::Focus:
        return "keyboard focus";
    case Reading::Pages:
        return "pages opened";
    case Reading::ExitStatus:
        return "exit status";
    default:
        return "";
    }
}

class Runner {
public:
    explicit Runner(WindowAdapter& window)
        : window_(window)
    {
    }

    Tally Run()
    {
        for (const Row& row : Rows()) {
            if (row.Given) {
                for (std::size_t i = 0; i < row.Given->size(); ++i) {
                    window_.Set(BoxNames[i], (*row.Given)[i], SetBy::Program);
                }
            }
            for (const Step& step : row.Steps) {
                Check(row.Name, step, Do(step));
            }
        }
        return tally_;
    }

private:
    std::u16string Do(const Step& step)
    {
        switch (step.Do) {
        case Verb::Type:
            return Typed(step);
        case Verb::Set:
            window_.Set(step.Control, step.Input, SetBy::Program);
            return {};
        case Verb::Paste:
            window_.Set(step.Control, step.Input, SetBy::Paste);
            return {};
        case Verb::Pick:
            window_.Pick(step.Position);
            return {};
        case Verb::Click:
            window_.Click(step.Control);
            return {};
        case Verb::Close:
            return Ascii(std::to_string(window_.Close()));
        case Verb::Read:
            return Seen(step);
        }
        return {};
    }

    std::u16string Typed(const Step& step)
    {
        if (step.What != Reading::EachKey) {
            window_.Type(step.Control, step.Input);
            return {};
        }
        std::u16string seen;
        for (std::size_t i = 0; i < step.Input.size(); ++i) {
            window_.Type(step.Control, step.Input.substr(i, 1));
            seen += (i == 0 ? u"" : u"|") + window_.Read(Reading::Text, step.Control);
        }
        return seen;
    }

    std::u16string Seen(const Step& step)
    {
        if (step.What == Reading::Results) {
            return window_.Read(Reading::Text, "Text6") + u" | " + window_.Read(Reading::Text, "Text7");
        }
        if (step.What != Reading::Pages) {
            return window_.Read(step.What, step.Control);
        }
        // Only the pages opened since the last look; the first look counts
        // from the window's start.
        const std::u16string all = window_.Read(Reading::Pages, {});
        const bool onward = all.compare(0, pagesSeen_.size(), pagesSeen_) == 0;
        std::u16string opened = onward ? all.substr(pagesSeen_.size()) : u"(pages gone) " + all;
        pagesSeen_ = all;
        return opened;
    }

    void Check(const char* row, const Step& step, const std::u16string& seen)
    {
        if (step.What == Reading::None) {
            return;
        }
        const bool passed
            = step.How == Match::Whole ? seen == step.Expected : seen.find(step.Expected) != std::u16string::npos;
        if (passed) {
            ++tally_.Passed;
            return;
        }
        ++tally_.Failed;
        std::printf("FAIL: %s: %.*s%s: expected %s\"%s\", saw \"%s\"\n", row, static_cast<int>(step.Control.size()),
                    step.Control.data(), Described(step.What), step.How == Match::Part ? "a text holding " : "",
                    Printable(step.Expected).c_str(), Printable(seen).c_str());
        std::fflush(stdout);
    }

    WindowAdapter& window_;
    Tally tally_;
    std::u16string pagesSeen_;
};

}  // namespace

std::string_view BoxAboveNote(const Place& note, const std::vector<BoxPlace>& boxes)
{
    // Both windows put a note a pixel or two under its box, and move a wide
    // one sideways to keep it on the screen.
    constexpr int Slack = 4;
    for (const BoxPlace& box : boxes) {
        const bool below = note.Top >= box.At.Bottom && note.Top - box.At.Bottom <= Slack;
        const bool across = note.Left < box.At.Right && note.Right > box.At.Left;
        if (below && across) {
            return box.Name;
        }
    }
    return {};
}

std::u16string NoteReading(std::string_view box, std::u16string_view text)
{
    if (text.empty()) {
        return {};
    }
    return (box.empty() ? u"(under no box)" : Ascii(box)) + u": " + std::u16string(text);
}

Tally RunBehaviourTable(WindowAdapter& window)
{
    return Runner(window).Run();
}

std::string Utf8(std::u16string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        const bool paired = c >= 0xD800 && c < 0xDC00 && i + 1 < text.size();
        if (paired) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

}  // namespace acpower::test
