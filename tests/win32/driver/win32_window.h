#pragma once

#include "program_under_test.h"
#include "tests/support/behaviour_table.h"

#include <string>
#include <vector>

namespace acpower::win32::test {

// The running Windows program as the behaviour table drives it. Pages the
// program opens reach a stand-in browser under Wine, which logs each address.
class Win32Window : public acpower::test::WindowAdapter {
public:
    // Made before the program starts, so that a page opened at start counts.
    explicit Win32Window(ProgramUnderTest& program);

    void Type(std::string_view box, std::u16string_view keys) override;
    void Set(std::string_view box, std::u16string_view text, acpower::test::SetBy how) override;
    void Pick(int position) override;
    void Click(std::string_view control) override;
    int Close() override;
    std::u16string Read(acpower::test::Reading what, std::string_view control) override;

private:
    std::u16string Entries() const;
    std::u16string Note() const;
    std::u16string Focused() const;
    std::u16string Pages() const;

    ProgramUnderTest& program_;
    std::size_t pagesBefore_;  // in the browser's log when the program started
    // How many pages the clicks and closes so far should have opened, by the
    // form's links: only how long to wait for them, never what is expected.
    std::size_t pagesAwaited_ = 0;
};

}  // namespace acpower::win32::test
