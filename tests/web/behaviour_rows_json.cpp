// Prints the behaviour table as JSON, so that the page's browser runner runs
// the very rows the desktop windows run rather than a copy of them.

#include "tests/support/behaviour_rows.h"
#include "tests/support/row_runner.h"

#include <cstdio>
#include <iterator>
#include <string>

namespace {

using acpower::test::Reading;
using acpower::test::Verb;

// In the enums' order; the asserts fail the build when an enum grows.
constexpr const char* VerbNames[] = {"Type", "Set", "Paste", "UndoFromMenu", "Pick", "Click", "Close", "Read"};
constexpr const char* ReadingNames[]
    = {"None", "Text", "FromFirstShown", "EachKey", "Results", "List", "Tip", "Hover", "Focus", "Pages", "ExitStatus"};
static_assert(std::size(VerbNames) == static_cast<std::size_t>(Verb::Read) + 1);
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
    std::string given;
    for (const std::u16string_view text : row.Given.value_or(acpower::test::RoomTexts{})) {
        given += (given.empty() ? "[" : ",") + Quoted(text);
    }
    std::string steps;
    for (const acpower::test::Step& step : row.Steps) {
        steps += (steps.empty() ? "[\n  " : ",\n  ") + Json(step);
    }
    return "{\"name\":" + Quoted(row.Name) + ",\"given\":" + (row.Given ? given + "]" : "null")
        + ",\"desktopOnly\":" + Quoted(row.DesktopOnly) + ",\"steps\":" + steps + "]}";
}

}  // namespace

int main()
{
    std::string out;
    for (const acpower::test::Row& row : acpower::test::BehaviourRows()) {
        out += (out.empty() ? "[\n" : ",\n") + Json(row);
    }
    out += "\n]\n";
    return std::fputs(out.c_str(), stdout) < 0 ? 1 : 0;
}
