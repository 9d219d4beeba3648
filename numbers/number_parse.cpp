#include "numbers/number_parse.h"

#include "numbers/decimal_to_single.h"

#include <string>

namespace acpower {
namespace {

bool StartsWith(std::u16string_view text, std::size_t at, std::u16string_view prefix)
{
    return !prefix.empty() && text.substr(at, prefix.size()) == prefix;
}

bool PointAlsoSeparatesDecimals(const NumberLocale& locale)
{
    return locale.DecimalSeparator == u"," && locale.GroupSeparator != u".";
}

// The text rewritten as "[-]digits[.digits]" for the converter, or empty when
// the text is not a number.
std::string ToAsciiDecimal(std::u16string_view text, const NumberLocale& locale)
{
    std::size_t begin = text.find_first_not_of(u' ');
    if (begin == std::u16string_view::npos) {
        return {};
    }
    const std::size_t end = text.find_last_not_of(u' ') + 1;
    text = text.substr(0, end);

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

    const std::u16string_view separator = DecimalSeparatorOf(locale);
    const bool pointAlso = PointAlsoSeparatesDecimals(locale);
    bool separatorSeen = false;
    std::size_t digits = 0;
    std::size_t at = begin;
    while (at < text.size()) {
        const char16_t c = text[at];
        if (c >= u'0' && c <= u'9') {
            ascii.push_back(static_cast<char>('0' + (c - u'0')));
            ++digits;
            ++at;
            continue;
        }
        const bool isSeparator = StartsWith(text, at, separator);
        if (!isSeparator && !(pointAlso && c == u'.')) {
            return {};
        }
        if (separatorSeen) {
            return {};
        }
        separatorSeen = true;
        if (digits == 0) {
            ascii.push_back('0');
        }
        ascii.push_back('.');
        at += isSeparator ? separator.size() : 1;
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
