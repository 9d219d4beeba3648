#include "tests/support/behaviour_table.h"

#include "tests/support/behaviour_rows.h"
#include "tests/support/row_runner.h"

#include <utility>
#include <vector>

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
    case Reading::Clipboard:
        return "clipboard";
    case Reading::ExitStatus:
        return "exit status";
    case Reading::None:
    case Reading::Text:
        break;
    }
    return "";
}

// The parts of a text joined by the separator, into as many as are wanted:
// the last one keeps any parts left over, so that a row that expects more
// than it reads still fails.
std::vector<std::u16string> Split(const std::u16string& text, std::u16string_view separator, std::size_t wanted)
{
    std::vector<std::u16string> parts;
    std::size_t start = 0;
    for (std::size_t end = text.find(separator); end != std::u16string::npos && parts.size() + 1 < wanted;
         end = text.find(separator, start)) {
        parts.push_back(text.substr(start, end - start));
        start = end + separator.size();
    }
    parts.push_back(text.substr(start));
    parts.resize(wanted, u"(no text given)");
    return parts;
}

// What a step comes to, given the pages the rows before it opened.
void Lower(const Step& step, std::u16string& pages, std::vector<Step>& plain)
{
    if (step.What == Reading::EachKey) {
        const std::vector<std::u16string> each = Split(step.Expected, u"|", step.Input.size());
        for (std::size_t i = 0; i < step.Input.size(); ++i) {
            plain.push_back({Verb::Type, step.Control, step.Input.substr(i, 1), 0, Reading::Text, each[i], step.How});
        }
        return;
    }
    if (step.What == Reading::Results) {
        const std::vector<std::u16string> shown = Split(step.Expected, u" | ", form::ResultBoxes.size());
        for (std::size_t i = 0; i < shown.size(); ++i) {
            plain.push_back({Verb::Read, form::ResultBoxes[i].Box, {}, 0, Reading::Text, shown[i], step.How});
        }
        return;
    }
    Step same = step;
    if (step.What == Reading::Pages) {
        pages += step.Expected;
        same.Expected = pages;
    }
    plain.push_back(std::move(same));
}

class Runner {
public:
    explicit Runner(WindowAdapter& window)
        : window_(window)
    {
    }

    void Run()
    {
        for (const Row& row : PlainRows(true)) {
            StartRow("behaviour", row.Name);
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
            window_.Type(step.Control, step.Input);
            break;
        case Verb::Set:
            window_.Set(step.Control, step.Input, SetBy::Program);
            break;
        case Verb::Paste:
            window_.Set(step.Control, step.Input, SetBy::Paste);
            break;
        case Verb::UndoFromMenu:
            window_.UndoFromMenu(step.Control);
            break;
        case Verb::Pick:
            window_.Pick(step.Position);
            break;
        case Verb::Click:
            window_.Click(step.Control);
            break;
        case Verb::CopyByKeys:
            window_.CopyAccount(step.Control, CopyBy::Keys);
            break;
        case Verb::CopyFromMenu:
            window_.CopyAccount(step.Control, CopyBy::Menu);
            break;
        case Verb::Close:
            return Ascii(std::to_string(window_.Close()));
        case Verb::Read:
            break;
        }
        return step.What == Reading::None ? std::u16string() : window_.Read(step.What, step.Control);
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

std::vector<Row> PlainRows(bool withDesktopOnly)
{
    std::vector<Row> plain;
    std::u16string pages;
    for (const Row& row : BehaviourRows()) {
        Row lowered{row.Name, std::nullopt, {}, row.DesktopOnly};
        if (!row.DesktopOnly.empty() && !withDesktopOnly) {
            plain.push_back(std::move(lowered));
            continue;
        }
        if (row.Given) {
            for (std::size_t i = 0; i < row.Given->size(); ++i) {
                const std::u16string text((*row.Given)[i]);
                lowered.Steps.push_back({Verb::Set, BoxNames[i], text, 0, Reading::None, {}, Match::Whole});
            }
        }
        for (const Step& step : row.Steps) {
            Lower(step, pages, lowered.Steps);
        }
        plain.push_back(std::move(lowered));
    }
    return plain;
}

void RunBehaviourTable(WindowAdapter& window)
{
    Runner(window).Run();
}

}  // namespace acpower::test
