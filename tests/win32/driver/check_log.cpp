#include "check_log.h"

#include <cstdio>

namespace acpower::win32::test {

using acpower::test::Utf8;

void CheckLog::Expect(bool passed, std::string_view what, const std::u16string& seen)
{
    if (passed) {
        ++passed_;
        return;
    }
    ++failed_;
    std::printf("FAIL: %.*s", static_cast<int>(what.size()), what.data());
    if (!seen.empty()) {
        // A pasted text can be long; the start says enough.
        std::printf(" (saw \"%s\")", Utf8(seen.substr(0, 60)).c_str());
    }
    std::printf("\n");
    std::fflush(stdout);
}

void CheckLog::ExpectText(std::string_view what, const std::u16string& seen, std::u16string_view expected)
{
    if (seen == expected) {
        ++passed_;
        return;
    }
    ++failed_;
    std::printf("FAIL: %.*s: saw \"%s\", expected \"%s\"\n", static_cast<int>(what.size()), what.data(),
                Utf8(std::u16string_view(seen).substr(0, 60)).c_str(), Utf8(expected.substr(0, 60)).c_str());
    std::fflush(stdout);
}

void CheckLog::Add(const acpower::test::Tally& tally)
{
    passed_ += tally.Passed;
    failed_ += tally.Failed;
}

int CheckLog::Failed() const
{
    return failed_;
}

void CheckLog::PrintSummary() const
{
    std::printf("%d passed, %d failed\n", passed_, failed_);
    std::fflush(stdout);
}

}  // namespace acpower::win32::test
