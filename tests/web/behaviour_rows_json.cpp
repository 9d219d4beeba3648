// Prints the behaviour table as JSON, so that the page's browser runner runs
// the very rows the desktop windows run rather than a copy of them; with
// "facts FILE", into that file the form's and the inputs' facts the scripted tests need, so that
// none of them keeps its own list of the controls.

#include "core/calculator.h"
#include "core/inputs.h"
#include "form/account.h"
#include "form/bindings.h"
#include "form/form1.h"
#include "tests/support/behaviour_rows.h"
#include "tests/support/row_runner.h"
#include "tests/support/test_locales.h"

#include <cstdio>
#include <iterator>
#include <string>
#include <string_view>

namespace {

using acpower::test::Reading;
using acpower::test::Verb;

// In the enums' order; the asserts fail the build when an enum grows.
constexpr const char* VerbNames[]
    = {"Type", "Set", "Paste", "UndoFromMenu", "Pick", "Click", "Close", "CopyByKeys", "CopyFromMenu", "Read"};
constexpr const char* KindNames[] = {"Caption", "EntryBox", "ResultBox", "Selector"};
constexpr const char* ReadingNames[] = {"None", "Text",  "FromFirstShown", "EachKey", "Results",   "List",
                                        "Tip",  "Hover", "Focus",          "Pages",   "Clipboard", "ExitStatus"};
static_assert(std::size(VerbNames) == static_cast<std::size_t>(Verb::Read) + 1);
static_assert(std::size(KindNames) == static_cast<std::size_t>(acpower::form::ControlKind::Selector) + 1);
static_assert(std::size(ReadingNames) == static_cast<std::size_t>(Reading::ExitStatus) + 1);

// Control characters (Backspace, Ctrl+Z) come out escaped.
std::string Quoted(std::string_view utf8)
{
    return acpower::encoding::JsString(utf8);
}

std::string Quoted(std::u16string_view text)
{
    return Quoted(acpower::test::Utf8(text));
}

std::string Json(const acpower::test::Step& step)
{
    return "{\"do\":" + Quoted(VerbNames[static_cast<int>(step.Do)]) + ",\"control\":" + Quoted(step.Control)
        + ",\"input\":" + Quoted(step.Input) + ",\"position\":" + std::to_string(step.Position)
        + ",\"what\":" + Quoted(ReadingNames[static_cast<int>(step.What)]) + ",\"expected\":" + Quoted(step.Expected)
        + ",\"part\":" + (step.How == acpower::test::Match::Part ? "true" : "false") + "}";
}

std::string Json(const acpower::test::Row& row)
{
    std::string steps;
    for (const acpower::test::Step& step : row.Steps) {
        steps += (steps.empty() ? "\n  " : ",\n  ") + Json(step);
    }
    return "{\"name\":" + Quoted(row.Name) + ",\"desktopOnly\":" + Quoted(row.DesktopOnly) + ",\"steps\":[" + steps
        + "]}";
}

template <typename Items, typename Each>
std::string List(const Items& items, Each each)
{
    std::string out;
    for (const auto& item : items) {
        out += (out.empty() ? "[" : ",") + each(item);
    }
    return out.empty() ? "[]" : out + "]";
}

std::string Json(const acpower::form::Control& control)
{
    return "{\"name\":" + Quoted(control.Name) + ",\"kind\":" + Quoted(KindNames[static_cast<int>(control.Kind)])
        + ",\"caption\":" + Quoted(control.Caption) + ",\"link\":" + (control.Link ? "true" : "false")
        + ",\"labelFor\":" + Quoted(control.LabelFor) + "}";
}

// The example room by box, in the inputs' order.
std::string ExampleRoom()
{
    std::string out;
    for (std::size_t i = 0; i < acpower::form::EntryBoxes.size(); ++i) {
        out += (out.empty() ? "{" : ",") + Quoted(acpower::form::EntryBoxes[i].Box) + ":"
            + Quoted(acpower::Inputs[i].Example);
    }
    return out + "}";
}

// What the engine's account of the example room says under Russian
// settings: the text the page's copy must hand on, before its link.
std::string ExampleAccount()
{
    acpower::Calculator calculator(acpower::test::CommaLocale());
    calculator.SelectShadySide();
    for (std::size_t i = 0; i < acpower::Inputs.size(); ++i) {
        calculator.AcceptNumericEntry(acpower::AllEntryFields.at(i), acpower::Inputs.at(i).Example);
    }
    return Quoted(acpower::form::Account(calculator));
}

std::string Facts()
{
    namespace form = acpower::form;
    const auto name = [](std::string_view box) { return Quoted(box); };
    return "{\"controls\":" + List(form::Form1Controls, [](const form::Control& c) { return Json(c); })
        + ",\n\"keyboardOrder\":" + List(form::KeyboardOrder, name)
        + ",\n\"entryBoxes\":" + List(form::EntryBoxes, [](const form::EntryBinding& b) { return Quoted(b.Box); })
        + ",\n\"resultBoxes\":" + List(form::ResultBoxes, [](const form::ResultBinding& b) { return Quoted(b.Box); })
        + ",\n\"selector\":" + Quoted(form::SideSelector) + ",\n\"exampleRoom\":" + ExampleRoom()
        + ",\n\"exampleAccount\":" + ExampleAccount() + "}\n";
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 2 && std::string_view(argv[1]) == "facts") {
        std::FILE* file = std::fopen(argv[2], "wb");
        const bool written = file != nullptr && std::fputs(Facts().c_str(), file) >= 0;
        const bool closed = file != nullptr && std::fclose(file) == 0;
        return written && closed ? 0 : 1;
    }
    std::string out;
    for (const acpower::test::Row& row : acpower::test::PlainRows(false)) {
        out += (out.empty() ? "[\n" : ",\n") + Json(row);
    }
    out += "\n]\n";
    return std::fputs(out.c_str(), stdout) < 0 ? 1 : 0;
}
