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

// The text rewritten as "[-]digits[.digits]" for the converter, or empty when
// the text is not a number.
std::string ToAsciiDecimal(std::u16string_view text, const NumberLocale& locale)
{
    std::size_t begin = 0;
    while (begin < text.size() && IsOuterSpace(text[begin])) {
        ++begin;
    }
    std::size_t end = text.size();
    while (end > begin && IsOuterSpace(text[end - 1])) {
        --end;
    }
    text = text.substr(0, end);
    if (begin == end) {
        return {};
    }

    std::string ascii;
    const std::u16string_view MinusSign = MinusSignOf(locale);
    if (StartsWith(text, begin, MinusSign)) {
        ascii.push_back('-');
        begin += MinusSign.size();
    } else if (text[begin] == u'-') {
        ascii.push_back('-');
        ++begin;
    } else if (text[begin] == u'+') {
        ++begin;
    }

    // The interface is Russian, and its users write decimals with a comma
    // whatever the system's locale says, while a point is the key next to the
    // digits: both serve everywhere, and so does the locale's own separator.
    const std::u16string_view separator = DecimalSeparatorOf(locale);
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
        std::size_t length = 0;
        if (StartsWith(text, at, separator)) {
            length = separator.size();
        } else if (c == u',' || c == u'.') {
            length = 1;
        }
        if (length == 0 || separatorSeen) {
            return {};
        }
        separatorSeen = true;
        if (digits == 0) {
            ascii.push_back('0');
        }
        ascii.push_back('.');
        at += length;
    }
    if (digits == 0) {
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
