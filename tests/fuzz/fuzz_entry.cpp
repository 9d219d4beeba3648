// libFuzzer target: arbitrary bytes become a session at the calculator, the
// way the window drives the engine, and every step is checked against what
// the user may rely on.
//
// Input layout (chosen so that seeds are readable text):
//   byte 0            the locale, by its value modulo 4 ('0' point, '1' comma,
//                     '2' comma with point groups, '3' comma with U+2212 minus)
//   then records separated by '\n'; the first byte of a record picks the
//   operation by its value modulo 8:
//     1..5      an entry box, '1'..'5' the first five of the inputs' table;
//               a byte b picks box (5 * (b / 8) + b % 8 - 1) modulo their
//               count, so that every box is reached however many there are.
//               The next byte '+' types the rest after the box's
//               text, '<' deletes the box's last character, '=' replaces the
//               text with the rest; any other byte starts the new text itself.
//     '6'       a pick in the selector: an odd next byte picks the sunny side,
//               anything else the shady side
//     '7'       a pick at the list position of the next byte, signed, which
//               may lie outside the list
//     '0'       the start-up choice of the shady side again
//   Text bytes: printable ASCII and control bytes stand for themselves, bytes
//   from 0x80 stand for characters that are likely to confuse a number reader
//   (see kSpecialUnits), 0xF0 and 0xF1 for the two selector entries, and 0xFF
//   followed by two bytes for any UTF-16 code unit, lone surrogates included.

#include "core/calculator.h"
#include "core/entry_rules.h"
#include "core/hints.h"
#include "numbers/number_locale.h"
#include "numbers/number_parse.h"
#include "tests/support/example_room.h"
#include "tests/support/test_locales.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

using namespace acpower;

void Require(bool condition, const char* what, const std::u16string& text = {})
{
    if (condition) {
        return;
    }
    std::fprintf(stderr, "invariant broken: %s", what);
    if (!text.empty()) {
        std::fprintf(stderr, " [text:");
        for (const char16_t unit : text) {
            std::fprintf(stderr, " U+%04X", static_cast<unsigned>(unit));
        }
        std::fprintf(stderr, "]");
    }
    std::fprintf(stderr, "\n");
    std::abort();
}

NumberLocale LocaleFor(std::uint8_t selector)
{
    const std::array<NumberLocale (*)(), 4> locales{test::PointLocale, test::CommaLocale, test::PointGroupingLocale,
                                                    test::TypographicMinusLocale};
    return locales[selector % locales.size()]();
}

// Characters that sit close to a number: other spaces, other minus signs and
// separators, digits of other scripts, look-alike letters, BOM, surrogates.
constexpr std::array<char16_t, 32> kSpecialUnits{
    u'\u00A0', u'\u2212', u'\u2009', u'\u202F', u'\u2007', u'\u3000', u'\uFEFF',        u'\u200B',
    u'\u066B', u'\u066C', u'\u060C', u'\u2024', u'\uFF0C', u'\uFF0E', u'\uFE52',        u'\u00B7',
    u'\u0660', u'\u0669', u'\u06F5', u'\u0966', u'\uFF10', u'\uFF15', u'\u00B2',        u'\u00BD',
    u'\u0435', u'\u0415', u'\u0437', u'\u041E', u'\u2013', u'\uFE63', char16_t{0xD800}, char16_t{0xDC00},
};

std::u16string DecodeText(std::string_view bytes)
{
    std::u16string text;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        const auto byte = static_cast<std::uint8_t>(bytes[at]);
        if (byte < 0x80) {
            text.push_back(static_cast<char16_t>(byte));
        } else if (byte == 0xF0 || byte == 0xF1) {
            text += WindowSides[byte - 0xF0].Text;
        } else if (byte == 0xFF && at + 2 < bytes.size()) {
            const auto high = static_cast<std::uint8_t>(bytes[at + 1]);
            const auto low = static_cast<std::uint8_t>(bytes[at + 2]);
            text.push_back(static_cast<char16_t>((high << 8) | low));
            at += 2;
        } else {
            text.push_back(kSpecialUnits[byte % kSpecialUnits.size()]);
        }
    }
    return text;
}

void RequireFinite(const CalculatorState& state)
{
    const std::array<float, 8> fields{state.Area,           state.CeilingHeight, state.PeopleCount, state.ComputerCount,
                                      state.AppliancePower, state.WindowFactor,  state.RoomVolume,  state.CoolingPower};
    for (const float field : fields) {
        Require(std::isfinite(field), "a stored field is not finite");
    }
}

bool IsDigit(char16_t unit)
{
    return unit >= u'0' && unit <= u'9';
}

// The general number format of the locale: an optional minus sign, whole
// digits without a superfluous leading zero, and at most one decimal
// separator followed by exactly one digit that is not 0; never "-0".
void RequireWellFormed(const std::u16string& text, const NumberLocale& locale)
{
    std::u16string_view rest(text);
    const bool negative = rest.substr(0, locale.MinusSign.size()) == locale.MinusSign;
    if (negative) {
        rest.remove_prefix(locale.MinusSign.size());
    }
    std::size_t wholeDigits = 0;
    while (wholeDigits < rest.size() && IsDigit(rest[wholeDigits])) {
        ++wholeDigits;
    }
    Require(wholeDigits > 0, "a result text has no whole digits", text);
    Require(wholeDigits == 1 || rest[0] != u'0', "a result text has a leading zero", text);
    std::u16string_view fraction = rest.substr(wholeDigits);
    if (!fraction.empty()) {
        const std::u16string_view separator = locale.DecimalSeparator;
        Require(fraction.substr(0, separator.size()) == separator, "a result text has a foreign character", text);
        fraction.remove_prefix(separator.size());
        Require(fraction.size() == 1 && IsDigit(fraction[0]), "a result text needs exactly one decimal digit", text);
        Require(fraction[0] != u'0', "a result text has a trailing zero", text);
    }
    const bool allZero = wholeDigits == 1 && rest[0] == u'0' && fraction.empty();
    Require(!(negative && allZero), "a result text reads -0", text);
}

// A shown text must read back, through the program's own parser, to the
// stored value within the rounding to tenths. Above 2^23 every single is
// whole and the text is its shortest exact form, so it must read back exact.
void RequireReadsBack(const std::u16string& text, float stored, const NumberLocale& locale)
{
    RequireWellFormed(text, locale);
    const ParsedNumber parsed = ParseNumber(text, locale);
    Require(parsed.Status == ParseStatus::Ok, "a result text does not parse", text);
    const double difference = std::fabs(static_cast<double>(parsed.Value) - static_cast<double>(stored));
    if (std::fabs(stored) >= 8388608.0F) {
        Require(parsed.Value == stored, "a large result text does not read back exactly", text);
    } else {
        // The text is within 0.05 of the stored value; reading it back
        // rounds once more, by at most half a unit in the last place.
        const double slack = 0.05 + std::ldexp(1.0, std::ilogb(std::fabs(stored) + 1.0F) - 23);
        Require(difference <= slack, "a result text does not read back to the stored value", text);
    }
}

// The midpoint between FLT_MAX and 2^128: from here on rounding to single
// overflows.
constexpr double kSingleOverflowsAt = 0x1.ffffffp127;

void RequireResults(const ResultTexts& texts, const CalculatorState& state, const NumberLocale& locale)
{
    RequireFinite(state);
    // The product of two singles is exact in double, so its rounding to
    // single is the volume, whatever the order of the steps inside.
    const double product = static_cast<double>(state.CeilingHeight) * static_cast<double>(state.Area);
    if (std::fabs(product) >= kSingleOverflowsAt) {
        Require(texts.Volume.empty() && texts.Power.empty(), "an overflowed volume was shown");
        return;
    }
    // With the volume in range the power cannot overflow: every term is at
    // most 300 times the largest single, and a thousandth of it is taken.
    Require(!texts.Volume.empty(), "the volume text is empty although nothing overflowed");
    // Clamped first, as a plain cast would be undefined for the sliver between
    // FLT_MAX and the overflow midpoint, which rounds to FLT_MAX.
    const float volume = static_cast<float>(std::clamp(product, -double{FLT_MAX}, double{FLT_MAX}));
    Require(state.RoomVolume == volume, "the stored volume is not the rounded product of height and area");
    RequireReadsBack(texts.Volume, state.RoomVolume, locale);

    // The formula in long double: the engine's double sums left to right err
    // by a few units in the last place of the largest term, the model less.
    long double sum = 0.0L;
    long double magnitudes = 0.0L;
    for (const long double term : test::ModelTerms(state, volume)) {
        sum += term;
        magnitudes += std::fabs(term);
    }
    const long double power = sum * static_cast<long double>(0.001);
    const long double tolerance = magnitudes * 0.001L * 0x1p-50L + std::fabs(power) * 0x1p-23L + 1e-40L;
    Require(std::fabs(static_cast<long double>(state.CoolingPower) - power) <= tolerance,
            "the stored power strays from the formula");

    const bool positive = state.RoomVolume > 0.0F;
    Require(texts.Power.empty() != positive, "a power shown without a positive volume, or missing with one");
    if (positive) {
        RequireReadsBack(texts.Power, state.CoolingPower, locale);
    }
}

// The quote, its marks and the longest reason, then the offer of the number
// with its quote: a note stays one short line whatever was pasted.
constexpr std::size_t kLongestNotice = NoticeQuoteLength + 3 + 40 + 20 + NoticeQuoteLength + 3;

// A comma and a point mean the same in every locale, and white space around
// a number is no part of it: either change must leave the reading as it is.
void RequireSameReading(const std::u16string& text, const NumberLocale& locale)
{
    const ParsedNumber parsed = ParseNumber(text, locale);
    std::u16string swapped = text;
    for (char16_t& unit : swapped) {
        unit = unit == u',' ? u'.' : (unit == u'.' ? u',' : unit);
    }
    const std::u16string padded = u"\t " + text + u"\r\n";
    for (const std::u16string& other : {swapped, padded}) {
        const ParsedNumber again = ParseNumber(other, locale);
        Require(again.Status == parsed.Status && again.Value == parsed.Value,
                "a separator swapped or white space around changed the reading", text);
    }
}

class Session {
public:
    explicit Session(NumberLocale locale)
        : calculator_(std::move(locale))
    {
        // The window's start-up: the shady side, empty boxes, zeros.
        StartUpChoice();
    }

    void Type(std::size_t box, std::u16string text)
    {
        const auto field = AllEntryFields[box];
        const float factorBefore = calculator_.State().WindowFactor;
        const EntryOutcome outcome = calculator_.AcceptNumericEntry(field, text);
        const ParsedNumber parsed = ParseNumber(text, calculator_.Locale());
        RequireSameReading(text, calculator_.Locale());
        Require(outcome.ClearBox == !outcome.Notice.empty(), "a note without an emptied box, or the other way", text);
        Require(outcome.Notice.size() <= kLongestNotice, "a note is longer than one short line", text);
        if (outcome.ClearBox) {
            Require(parsed.Status != ParseStatus::Ok, "a number was refused", text);
            const bool offersNumber = outcome.Restorable.empty()
                || ParseNumber(outcome.Restorable, calculator_.Locale()).Status == ParseStatus::Ok;
            Require(offersNumber, "the emptying offers back no number", text);
            // The window empties the box, and that change runs the rule again.
            text.clear();
            const EntryOutcome nested = calculator_.AcceptNumericEntry(field, text);
            Require(!nested.ClearBox, "an empty box asks to be emptied again");
            Require(nested.Results == outcome.Results, "the nested pass shows other results");
        } else {
            Require(parsed.Status == ParseStatus::Ok || text.empty(), "a non-number was kept in its box", text);
        }
        boxes_[box] = text;
        const CalculatorState state = calculator_.State();
        Require(state.WindowFactor == factorBefore, "typing changed the window factor");
        RequireBoxesMatch(state);
        RequireResults(outcome.Results, state, calculator_.Locale());
    }

    void Edit(std::size_t box, std::string_view rest)
    {
        const char mode = rest.empty() ? '\0' : rest[0];
        std::u16string text = DecodeText(mode == '+' || mode == '=' ? rest.substr(1) : rest);
        if (mode == '+') {
            text = boxes_[box] + text;
        } else if (mode == '<') {
            text = boxes_[box].substr(0, std::max<std::size_t>(boxes_[box].size(), 1) - 1);
        }
        Type(box, text);
    }

    // A position the list does not have is no pick, as the windows see it.
    void Pick(std::ptrdiff_t position)
    {
        const std::optional<WindowSide> side = SideAt(position);
        if (!side) {
            return;
        }
        const ResultTexts texts = calculator_.ApplyWindowSide(*side);
        const CalculatorState& state = calculator_.State();
        const float expected = position == 0 ? SunnySideFactor : ShadySideFactor;
        Require(state.WindowFactor == expected, "the selector set the wrong factor");
        RequireBoxesMatch(state);
        RequireResults(texts, state, calculator_.Locale());
    }

    void StartUpChoice()
    {
        Require(calculator_.SelectShadySide() == WindowSide::Shady, "the start-up choice is not shady");
        Require(calculator_.State().WindowFactor == ShadySideFactor, "the start-up factor is not 30");
    }

private:
    // Every field holds its box's value: picks and other boxes never touch it.
    void RequireBoxesMatch(CalculatorState state) const
    {
        for (std::size_t box = 0; box < boxes_.size(); ++box) {
            const ParsedNumber parsed = ParseNumber(boxes_[box], calculator_.Locale());
            const float expected = parsed.Status == ParseStatus::Ok ? parsed.Value : 0.0F;
            Require(FieldOf(state, AllEntryFields[box]) == expected, "a field does not hold its box's value",
                    boxes_[box]);
        }
    }

    Calculator calculator_;
    std::array<std::u16string, AllEntryFields.size()> boxes_;
};

}  // namespace

namespace {

std::size_t BoxOf(std::uint8_t operation)
{
    const std::size_t boxOperations = 5;
    return (boxOperations * (operation / 8U) + operation % 8U - 1U) % acpower::AllEntryFields.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) {
        return 0;
    }
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    Session session(LocaleFor(data[0]));

    for (std::size_t at = 1; at < input.size();) {
        const std::size_t end = std::min(input.find('\n', at), input.size());
        const std::string_view record = input.substr(at, end - at);
        at = end + 1;
        if (record.empty()) {
            continue;
        }
        const auto operation = static_cast<std::uint8_t>(record[0]) % 8;
        const std::string_view rest = record.substr(1);
        switch (operation) {
        case 0:
            session.StartUpChoice();
            break;
        case 6:
            session.Pick(!rest.empty() && static_cast<std::uint8_t>(rest[0]) % 2 == 1 ? 0 : 1);
            break;
        case 7:
            session.Pick(rest.empty() ? 0 : static_cast<std::int8_t>(rest[0]));
            break;
        default:
            session.Edit(BoxOf(static_cast<std::uint8_t>(record[0])), rest);
        }
    }
    return 0;
}
