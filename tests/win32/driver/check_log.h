#pragma once

#include "tests/support/behaviour_table.h"

#include <string>
#include <string_view>

namespace acpower::win32::test {

// Counts the driver's checks and prints each failure with what was seen.
class CheckLog {
public:
    void Expect(bool passed, std::string_view what, const std::u16string& seen = {});
    void ExpectText(std::string_view what, const std::u16string& seen, std::u16string_view expected);
    // A run of the behaviour table, which printed its own failures.
    void Add(const acpower::test::Tally& tally);
    int Failed() const;
    // "N passed, N failed", the last line of the driver's output.
    void PrintSummary() const;

private:
    int passed_ = 0;
    int failed_ = 0;
};

}  // namespace acpower::win32::test
