#include "tests/support/row_runner.h"

#include <cstdio>

namespace acpower::test {
namespace {

// A row that goes wrong everywhere, such as the random rooms, would
// otherwise bury the rest of the report.
constexpr int FailuresShownPerRow = 5;

// A pasted page is quoted by its start.
constexpr std::size_t ShownUnits = 300;

std::string currentRow;
int checks = 0;
int rowFailures = 0;
int passed = 0;
int failed = 0;

void Fail(const std::string& message)
{
    if (++rowFailures <= FailuresShownPerRow) {
        std::printf("FAIL %s: %s\n", currentRow.c_str(), message.c_str());
        std::fflush(stdout);
    }
}

}  // namespace

std::string Shown(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

// Line breaks written as escapes keep a multi-line hint on one line.
std::string Shown(std::u16string_view text)
{
    std::string shown = "\"";
    for (const char c : Utf8(text.substr(0, ShownUnits))) {
        shown += c == '\n' ? std::string("\\n") : std::string(1, c);
    }
    return shown + (text.size() > ShownUnits ? "…\"" : "\"");
}

void StartRow(std::string_view table, std::string_view row)
{
    currentRow = std::string(table) + " / " + std::string(row);
    checks = 0;
    rowFailures = 0;
}

void EndRow()
{
    if (checks == 0) {
        Fail("checked nothing");
    }
    if (rowFailures > FailuresShownPerRow) {
        std::printf("FAIL %s: %d failures in all\n", currentRow.c_str(), rowFailures);
    }
    ++(rowFailures == 0 ? passed : failed);
}

void Check(std::string_view what, bool holds, const std::string& expected, const std::string& seen)
{
    ++checks;
    if (!holds) {
        Fail(std::string(what) + ": expected " + expected + ", saw " + seen);
    }
}

std::u16string Repeat(std::u16string_view text, std::size_t times)
{
    std::u16string out;
    for (std::size_t i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}

void Expect(bool holds, std::string_view what, std::u16string_view seen)
{
    StartRow("check", what);
    ++checks;
    if (!holds) {
        Fail(seen.empty() ? std::string("does not hold") : "saw " + Shown(seen));
    }
    EndRow();
}

void ExpectText(std::string_view what, std::u16string_view seen, std::u16string_view expected)
{
    StartRow("check", what);
    CheckEqual("text", expected, seen);
    EndRow();
}

int Failures()
{
    return failed;
}

int Summary()
{
    std::printf("%d passed, %d failed\n", passed, failed);
    std::fflush(stdout);
    return failed == 0 ? 0 : 1;
}

}  // namespace acpower::test
