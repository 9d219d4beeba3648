// The brand halves from the keyboard: reached with Tab after the results,
// marked while focused, and opening the company page on Enter and Space.

#include "suites.h"

#include "form/company_page.h"
#include "form/form1.h"

#include <string>
#include <vector>

namespace acpower::win32::test {
namespace {

using acpower::test::Reading;

std::u16string NameOf(const form::Control& control)
{
    return std::u16string(control.Name.begin(), control.Name.end());
}

// The control's pixels as the screen shows them once it has painted.
std::vector<COLORREF> Pixels(const ProgramUnderTest& program, std::string_view name)
{
    Sleep(300);
    RECT rect = {};
    GetWindowRect(program.Control(name), &rect);
    std::vector<COLORREF> pixels;
    const HDC screen = GetDC(nullptr);
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            pixels.push_back(GetPixel(screen, x, y));
        }
    }
    ReleaseDC(nullptr, screen);
    return pixels;
}

// Tab pressed as a user does, through the program's own message loop.
void CheckTabWalk(ProgramUnderTest& program)
{
    const auto order = form::TabOrder();
    program.Focus(order.front()->Name);
    for (std::size_t i = 1; i <= order.size(); ++i) {
        program.Press(VK_TAB);
        const form::Control& next = *order.at(i % order.size());
        ExpectText("Tab from " + std::string(order.at(i - 1)->Name), program.Read(Reading::Focus, {}), NameOf(next));
    }
}

void CheckLinkKeys(ProgramUnderTest& program)
{
    std::u16string expected;
    for (const form::Control& half : form::Form1Controls) {
        if (!half.Link) {
            continue;
        }
        const std::string name(half.Name);
        program.Focus("Text1");
        const std::vector<COLORREF> unfocused = Pixels(program, name);
        program.Focus(name);
        Expect(Pixels(program, name) != unfocused, name + ": a focus mark is drawn");
        for (const WORD key : {VK_RETURN, VK_SPACE}) {
            program.Focus(name);
            program.Press(key);
            expected += std::u16string(CompanyPageAddress) + u"\n";
            ExpectText(name + (key == VK_RETURN ? ": Enter" : ": Space") + " opens the page",
                       program.Read(Reading::Pages, {}), expected);
        }
    }
}

}  // namespace

void CheckKeyboard(ProgramUnderTest& program)
{
    CheckTabWalk(program);
    CheckLinkKeys(program);
}

}  // namespace acpower::win32::test
