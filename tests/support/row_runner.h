#pragma once

#include "tools/encoding/text_out.h"

#include <iomanip>
#include <limits>
#include <sstream>
#include <string>
#include <string_view>
#include <type_traits>

namespace acpower::test {

// The tables of rows, one function per layer of the engine.
void RunNumberRows();
void RunFormulaRows();
void RunEntryRows();
void RunHintRows();
void RunAccountRows();
void RunFormRows();

// A value in a failure message: numbers with every digit that tells two of
// them apart, texts as UTF-8 in quotes.
template <typename Number, typename = std::enable_if_t<std::is_arithmetic_v<Number>>>
std::string Shown(Number value)
{
    std::ostringstream out;
    out << std::boolalpha << std::setprecision(std::numeric_limits<Number>::max_digits10) << value;
    return out.str();
}
std::string Shown(std::string_view text);
std::string Shown(std::u16string_view text);

using encoding::Utf8;

// Checks made between these two count towards the row of that name; a row
// passes when it made checks and all of them held.
void StartRow(std::string_view table, std::string_view row);
void EndRow();

void Check(std::string_view what, bool holds, const std::string& expected, const std::string& seen);

template <typename Value>
void CheckEqual(std::string_view what, const Value& expected, const Value& seen)
{
    Check(what, seen == expected, Shown(expected), Shown(seen));
}

inline void CheckEqual(std::string_view what, std::u16string_view expected, std::u16string_view seen)
{
    Check(what, seen == expected, Shown(expected), Shown(seen));
}

template <typename Rows, typename Body>
void RunRows(std::string_view table, const Rows& rows, const Body& body)
{
    for (const auto& row : rows) {
        StartRow(table, row.Name);
        body(row);
        EndRow();
    }
}

// A check that is a row of its own, for suites that check as they go.
void Expect(bool holds, std::string_view what, std::u16string_view seen = {});
void ExpectText(std::string_view what, std::u16string_view seen, std::u16string_view expected);

int Failures();
// Prints "N passed, N failed", the last line of every runner, and gives the
// exit status: 0 when nothing failed.
int Summary();

// Texts too long to write out in a table.
std::u16string Repeat(std::u16string_view text, std::size_t times);

}  // namespace acpower::test
