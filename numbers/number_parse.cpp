#include "numbers/number_parse.h"

#include "numbers/internal/decimal_to_single.h"

#include <string>

namespace acpower {
namespace {

bool StartsWith(std::u16string_view text, std::size_t at, std::u16string_view prefix)
{
    return !prefix.empty() && text.substr(at, prefix.size()) == prefix;
}

bool IsDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

// What Russians put between groups of thousands: a space, typed or set by a
// word processor as a no-break, thin or narrow no-break space.
bool IsGroupSpace(char16_t c)
{
    return c == u' ' || c == u'\u00A0' || c == u'\u2009' || c == u'\u202F';
}

// Around the number also tabs and line breaks: a spreadsheet cell is pasted
// with its line break.
bool IsOuterSpace(char16_t c)
{
    return IsGroupSpace(c) || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

// The number's place in the text once the spaces around it are cut.
struct Span {
    std::size_t Begin;
    std::size_t End;
};

Span WithoutOuterSpaces(std::u16string_view text)
{
    std::size_t begin = 0;
    while (begin < text.size() && IsOuterSpace(text[begin])) {
        ++begin;
    }
    std::size_t end = text.size();
    while (end > begin && IsOuterSpace(text[end - 1])) {
        --end;
    }
    return Span{begin, end};
}

// How many units the sign at `at` takes; a minus goes into `ascii`.
std::size_t ReadSign(std::u16string_view text, std::size_t at, const NumberLocale& locale, std::string& ascii)
{
    const std::u16string_view minusSign = MinusSignOf(locale);
    if (StartsWith(text, at, minusSign)) {
        ascii.push_back('-');
        return minusSign.size();
    }
    if (text[at] == u'-') {
        ascii.push_back('-');
        return 1;
    }
    return text[at] == u'+' ? 1 : 0;
}

// The interface is Russian, and its users write decimals with a comma
// whatever the system's locale says, while a point is the key next to the
// digits: both serve everywhere, and so does the locale's own separator.
std::size_t SeparatorLength(std::u16string_view text, std::size_t at, const NumberLocale& locale)
{
    const std::u16string_view separator = DecimalSeparatorOf(locale);
    if (StartsWith(text, at, separator)) {
        return separator.size();
    }
    return text[at] == u',' || text[at] == u'.' ? 1 : 0;
}

// The digits from `begin` on, with their group spaces dropped and one
// decimal separator made a point, go into `ascii`; false where anything else
// stands or no digit does.
bool ReadDigits(std::u16string_view text, std::size_t begin, const NumberLocale& locale, std::string& ascii)
{
    bool separatorSeen = false;
    std::size_t digits = 0;
    std::size_t at = begin;
    while (at < text.size()) {
        const char16_t c = text[at];
        if (IsDigit(c)) {
            ascii.push_back(static_cast<char>('0' + (c - u'0')));
            ++digits;
            ++at;
            continue;
        }
        // A group space only between two digits of the whole part; the outer
        // spaces are already cut, so a digit always follows it here.
        const bool afterDigit = at > begin && IsDigit(text[at - 1]);
        if (IsGroupSpace(c) && !separatorSeen && afterDigit && at + 1 < text.size() && IsDigit(text[at + 1])) {
            ++at;
            continue;
        }
        const std::size_t length = SeparatorLength(text, at, locale);
        if (length == 0 || separatorSeen) {
            return false;
        }
        separatorSeen = true;
        if (digits == 0) {
            ascii.push_back('0');
        }
        ascii.push_back('.');
        at += length;
    }
    return digits > 0;
}

// The text rewritten as "[-]digits[.digits]" for the converter, or empty when
// the text is not a number.
std::string ToAsciiDecimal(std::u16string_view text, const NumberLocale& locale)
{
    const Span number = WithoutOuterSpaces(text);
    if (number.Begin == number.End) {
        return {};
    }
    text = text.substr(0, number.End);
    std::string ascii;
    const std::size_t begin = number.Begin + ReadSign(text, number.Begin, locale, ascii);
    if (!ReadDigits(text, begin, locale, ascii)) {
        return {};
    }
    if (ascii.back() == '.') {
        ascii.pop_back();
    }
    return ascii;
}

}  // namespace

ParsedNumber ParseNumber(std::u16string_view text, const NumberLocale& locale)
{
    const std::string ascii = ToAsciiDecimal(text, locale);
    if (ascii.empty()) {
        return {};
    }
    float value = 0.0F;
    const std::errc ec = DecimalToSingle(ascii, value);
    if (ec == std::errc::result_out_of_range) {
        return ParsedNumber{ParseStatus::OutOfRange, 0.0F};
    }
    if (ec != std::errc()) {
        return {};
    }
    return ParsedNumber{ParseStatus::Ok, value};
}

}  // namespace acpower
