#include "form/account.h"

#include "form/bindings.h"
#include "form/company_page.h"

#include <string_view>

namespace acpower::form {
namespace {

// Where no number stands, as in a box left empty or refused.
constexpr std::u16string_view NoValue = u"—";

bool IsSpace(char16_t unit)
{
    return unit <= u' ' || unit == u'\u00A0' || unit == u'\u2009' || unit == u'\u202F';
}

// The entry rule ignores white space around a number, so a pasted cell's
// line break must not break the account's lines either.
std::u16string_view Trimmed(std::u16string_view text)
{
    while (!text.empty() && IsSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::u16string_view CaptionOf(std::string_view box)
{
    for (const Control& control : Form1Controls) {
        if (control.LabelFor == box) {
            return control.Caption;
        }
    }
    return {};
}

std::u16string Line(std::string_view box, std::u16string_view value)
{
    const std::u16string_view shown = value.empty() ? NoValue : value;
    return std::u16string(CaptionOf(box)) + u": " + std::u16string(shown) + u"\n";
}

// The version is ASCII digits and points, so each byte is its own unit.
std::u16string Widened(std::string_view ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

}  // namespace

std::u16string Account(const Calculator& calculator)
{
    std::u16string text = std::u16string(Form1.Title) + u"\n";
    for (const EntryBinding& binding : EntryBoxes) {
        text += Line(binding.Box, Trimmed(calculator.Text(binding.Field)));
    }
    text += u"Окна выходят на " + std::u16string(EntryOf(calculator.Side()).Text) + u" сторону\n";
    const ResultTexts& shown = calculator.Shown();
    for (const ResultBinding& binding : ResultBoxes) {
        text += Line(binding.Box, TextOf(shown, binding.Shows));
    }
    // The power's hover text opens with the power again, which the line
    // above has given; a blank power's is the reason alone.
    const std::u16string hint = calculator.Hint(Result::Power);
    const std::size_t firstBreak = hint.find(u'\n');
    const bool repeatsPower = !shown.Power.empty() && firstBreak != std::u16string::npos;
    text += repeatsPower ? hint.substr(firstBreak + 1) : hint;
    text += u"\nСтраница компании: " + std::u16string(CompanyPageAddress) + u"\n";
    text += u"Версия программы " + Widened(app::Version) + u"\n";
    return text;
}

}  // namespace acpower::form
