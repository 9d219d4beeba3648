#include "form/account.h"

#include "form/bindings.h"
#include "form/company_page.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string_view>
#include <tuple>

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

constexpr std::u16string_view CaptionOf(std::string_view box)
{
    for (const Control& control : Form1Controls) {
        if (control.LabelFor == box) {
            return control.Caption;
        }
    }
    return {};
}

// Found as the program is compiled, so that only the captions themselves,
// not the whole form table, are kept in the web's module.
template <typename Bindings>
constexpr std::array<std::u16string_view, std::tuple_size_v<Bindings>> CaptionsOf(const Bindings& bindings)
{
    std::array<std::u16string_view, std::tuple_size_v<Bindings>> captions{};
    for (std::size_t i = 0; i < captions.size(); ++i) {
        captions[i] = CaptionOf(bindings[i].Box);
    }
    return captions;
}

constexpr auto EntryCaptions = CaptionsOf(EntryBoxes);
constexpr auto ResultCaptions = CaptionsOf(ResultBoxes);
constexpr std::u16string_view Title = Form1.Title;
constexpr std::u16string_view VersionText = u"" ACPOWER_VERSION;

// Appended piece by piece: the web's module keeps one loop, not a chain of
// temporary strings for every line.
void Append(std::u16string& text, std::initializer_list<std::u16string_view> pieces)
{
    for (const std::u16string_view piece : pieces) {
        text.append(piece.data(), piece.size());
    }
}

void AppendLine(std::u16string& text, std::u16string_view caption, std::u16string_view value)
{
    Append(text, {caption, u": ", value.empty() ? NoValue : value, u"\n"});
}

}  // namespace

std::u16string Account(const Calculator& calculator)
{
    std::u16string text;
    Append(text, {Title, u"\n"});
    for (std::size_t i = 0; i < EntryBoxes.size(); ++i) {
        AppendLine(text, EntryCaptions[i], Trimmed(calculator.Text(EntryBoxes[i].Field)));
    }
    Append(text, {u"Окна выходят на ", EntryOf(calculator.Side()).Text, u" сторону\n"});
    const ResultTexts& shown = calculator.Shown();
    for (std::size_t i = 0; i < ResultBoxes.size(); ++i) {
        AppendLine(text, ResultCaptions[i], TextOf(shown, ResultBoxes[i].Shows));
    }
    // The power's hover text opens with the power again, which the line
    // above has given; a blank power's is the reason alone.
    const std::u16string hint = calculator.Hint(Result::Power);
    const std::size_t firstBreak = hint.find(u'\n');
    const bool repeatsPower = !shown.Power.empty() && firstBreak != std::u16string::npos;
    const std::u16string_view explained(hint);
    Append(text,
           {repeatsPower ? explained.substr(firstBreak + 1) : explained, u"\nСтраница компании: ", CompanyPageAddress,
            u"\nВерсия программы ", VersionText, u"\n"});
    return text;
}

}  // namespace acpower::form
