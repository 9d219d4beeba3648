#include "tests/support/behaviour_table.h"

#include "tests/support/behaviour_rows.h"

#include <cstdio>

namespace acpower::test {
namespace {

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
    return Utf8(shown.substr(0, 40)) + "…" + Utf8(shown.substr(shown.size() - 20)) + " (" + std::to_string(text.size())
        + " characters)";
}

// What a failed check read, after the control's name.
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
    case Reading::None:
    case Reading::Text:
        break;
    }
    return "";
}

class Runner {
public:
    explicit Runner(WindowAdapter& window)
        : window_(window)
    {
    }

    Tally Run()
    {
        for (const Row& row : BehaviourRows()) {
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
