#include "tests/support/behaviour_table.h"

#include "tests/support/behaviour_rows.h"
#include "tests/support/row_runner.h"

namespace acpower::test {
namespace {

std::u16string Ascii(std::string_view text)
{
    return std::u16string(text.begin(), text.end());
}

// What a failed check read, after the control's name.
const char* Described(Reading what)
{
    switch (what) {
    case Reading::EachKey:
        return " after each key";
    case Reading::FromFirstShown:
        return " from its first character shown";
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

    void Run()
    {
        for (const Row& row : BehaviourRows()) {
            StartRow("behaviour", row.Name);
            if (row.Given) {
                for (std::size_t i = 0; i < row.Given->size(); ++i) {
                    window_.Set(BoxNames[i], (*row.Given)[i], SetBy::Program);
                }
            }
            for (const Step& step : row.Steps) {
                Verify(step, Do(step));
            }
            EndRow();
        }
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
        case Verb::UndoFromMenu:
            window_.UndoFromMenu(step.Control);
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

    static void Verify(const Step& step, const std::u16string& seen)
    {
        if (step.What == Reading::None) {
            return;
        }
        const bool passed
            = step.How == Match::Whole ? seen == step.Expected : seen.find(step.Expected) != std::u16string::npos;
        Check(std::string(step.Control) + Described(step.What), passed,
              (step.How == Match::Part ? "a text holding " : "") + Shown(step.Expected), Shown(seen));
    }

    WindowAdapter& window_;
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

void RunBehaviourTable(WindowAdapter& window)
{
    Runner(window).Run();
}

}  // namespace acpower::test
