// The brand's two halves and every close open the company page. Wine hands
// the address to winebrowser, whose browser the test set-up replaced with a
// stand-in that appends each address it gets to a log.

#include "suites.h"

#include "form/company_page.h"

#include <cstdlib>
#include <fstream>
#include <string>

namespace acpower::win32::test {
namespace {

constexpr DWORD BrowserTimeoutMs = 15000;
// How long a click that must not open the page is given to do so anyway.
constexpr DWORD QuietMs = 1500;

// The log's Unix path, as Wine's Z: drive shows it.
std::string BrowserLogPath()
{
    const char* unixPath = std::getenv("ACPOWER_BROWSER_LOG");
    std::string path = std::string("Z:") + (unixPath != nullptr ? unixPath : "");
    for (char& c : path) {
        if (c == '/') {
            c = '\\';
        }
    }
    return path;
}

// Opened pages, and whether each was the company's address.
struct Opened {
    int Pages = 0;
    bool AllCompanyPage = true;
};

Opened ReadLog()
{
    const std::u16string address16(CompanyPageAddress);
    const std::string address(address16.begin(), address16.end());
    Opened opened;
    std::ifstream log(BrowserLogPath());
    std::string line;
    while (std::getline(log, line)) {
        ++opened.Pages;
        opened.AllCompanyPage = opened.AllCompanyPage && line == address;
    }
    return opened;
}

// Waits until the log holds the expected number of pages, or the time is up.
Opened WaitForPages(int expected, DWORD timeoutMs)
{
    const DWORD started = GetTickCount();
    Opened opened = ReadLog();
    while (opened.Pages < expected && GetTickCount() - started < timeoutMs) {
        Sleep(50);
        opened = ReadLog();
    }
    return opened;
}

}  // namespace

void CheckLinksAndClose(ProgramUnderTest& program, CheckLog& log)
{
    struct ClickCase {
        const char* Name;
        std::string_view Control;
        int PagesAfter;
    };
    // clang-format off
    const ClickCase cases[] = {
        {"Компания is no link",       "Label57", 0},
        {"ОРНИК opens the page",      "Label55", 1},
        {"ВЕЙМ opens the page",       "Label56", 2},
        {"every click opens it again", "Label55", 3},
    };
    // clang-format on
    const int before = ReadLog().Pages;
    for (const ClickCase& row : cases) {
        program.Click(row.Control);
        const int expected = before + row.PagesAfter;
        // A click that must open nothing is given a moment to do so anyway;
        // an extra page after any other click shows in the next row's count.
        const Opened opened
            = row.PagesAfter == 0 ? WaitForPages(expected + 1, QuietMs) : WaitForPages(expected, BrowserTimeoutMs);
        log.Expect(opened.Pages == expected, row.Name);
    }

    DWORD exitCode = 1;
    log.Expect(program.CloseAndWait(&exitCode), "closing ends the program");
    log.Expect(exitCode == 0, "the program exits with status 0");
    const Opened opened = WaitForPages(before + 4, BrowserTimeoutMs);
    log.Expect(opened.Pages == before + 4, "closing opens the page");
    log.Expect(opened.AllCompanyPage, "every page opened is the company's");
}

}  // namespace acpower::win32::test
