#include "numbers/number_format.h"
#include "numbers/number_parse.h"
#include "numbers/single_precision.h"
#include "tests/support/row_runner.h"
#include "tests/support/test_locales.h"

#include <cfloat>
#include <cmath>
#include <limits>

namespace acpower::test {
namespace {

using LocaleMaker = NumberLocale (*)();

std::string_view StatusName(ParseStatus status)
{
    // In the order ParseStatus lists them.
    constexpr std::string_view names[] = {"NotNumeric", "OutOfRange", "Ok"};
    return names[static_cast<int>(status)];
}

struct ParseRow {
    const char* Name;
    LocaleMaker Locale;
    std::u16string Text;
    ParseStatus Status;
    float Value;  // 0 for every text that is refused
};

void RunParseRows()
{
    const auto ok = ParseStatus::Ok;
    const auto no = ParseStatus::NotNumeric;
    const auto big = ParseStatus::OutOfRange;
    const auto comma = CommaLocale;
    const auto point = PointLocale;
    const auto minus = TypographicMinusLocale;
    const std::u16string sixtyZeros = Repeat(u"0", 60);
    // clang-format off
    const ParseRow rows[] = {
        {"comma: digits", comma, u"25", ok, 25.0F},
        {"comma: decimal", comma, u"2,8", ok, 2.8F},
        {"comma: bare separator while typing", comma, u"2,", ok, 2.0F},
        {"comma: leading separator", comma, u",5", ok, 0.5F},
        {"comma: point typed instead", comma, u"2.8", ok, 2.8F},
        {"comma: point alone after digits", comma, u"2.", ok, 2.0F},
        {"comma: minus", comma, u"-3,5", ok, -3.5F},
        {"comma: plus", comma, u"+3", ok, 3.0F},
        {"comma: minus and leading separator", comma, u"-,5", ok, -0.5F},
        {"comma: spaces around", comma, u"  12 ", ok, 12.0F},
        {"comma: space before sign", comma, u" -1", ok, -1.0F},
        {"comma: leading zeros", comma, u"007", ok, 7.0F},
        {"comma: zero", comma, u"0", ok, 0.0F},
        {"comma: empty", comma, u"", no, 0.0F},
        {"comma: spaces only", comma, u"   ", no, 0.0F},
        {"comma: minus alone", comma, u"-", no, 0.0F},
        {"comma: plus alone", comma, u"+", no, 0.0F},
        {"comma: separator alone", comma, u",", no, 0.0F},
        {"comma: sign and separator", comma, u"-,", no, 0.0F},
        {"comma: two separators", comma, u"1,2,3", no, 0.0F},
        {"comma: comma then point", comma, u"1,2.3", no, 0.0F},
        {"comma: letter after digits", comma, u"12a", no, 0.0F},
        {"comma: Cyrillic letter", comma, u"12б", no, 0.0F},
        {"comma: exponent", comma, u"1e5", no, 0.0F},
        {"comma: group separator", comma, u"1\u00A0000", ok, 1000.0F},
        {"comma: inner space", comma, u"1 000", ok, 1000.0F},
        {"comma: thin space groups", comma, u"1\u2009000\u2009000", ok, 1e6F},
        {"comma: narrow no-break space groups", comma, u"-12\u202F345,5", ok, -12345.5F},
        {"point: narrow no-break space groups", point, u"11\u202F260.5", ok, 11260.5F},
        {"comma: groups typed so far", comma, u"1 0", ok, 10.0F},
        {"comma: space typed after digits", comma, u"1 ", ok, 1.0F},
        {"comma: two inner spaces", comma, u"1  000", no, 0.0F},
        {"comma: space in the fraction", comma, u"1,000 5", no, 0.0F},
        {"comma: space before the separator", comma, u"1 ,5", no, 0.0F},
        {"comma: tab between digits", comma, u"1\t000", no, 0.0F},
        {"comma: figure space", comma, u"1\u2007000", no, 0.0F},
        {"comma: two signs", comma, u"--1", no, 0.0F},
        {"comma: trailing sign", comma, u"1-", no, 0.0F},
        {"comma: space after sign", comma, u"- 1", no, 0.0F},
        {"comma: hex", comma, u"0x10", no, 0.0F},
        {"comma: infinity word", comma, u"inf", no, 0.0F},
        {"comma: nan word", comma, u"nan", no, 0.0F},
        {"comma: fullwidth digit", comma, u"１", no, 0.0F},
        {"comma: tab", comma, u"\t1", ok, 1.0F},
        {"comma: spreadsheet cell", comma, u"25\n", ok, 25.0F},
        {"comma: Windows line break and tabs", comma, u"\t2,8\t\r\n", ok, 2.8F},
        {"comma: minus among line breaks", comma, u"\n-\n", no, 0.0F},
        {"point: decimal", point, u"2.8", ok, 2.8F},
        {"point: bare separator", point, u"2.", ok, 2.0F},
        {"point: leading separator", point, u".5", ok, 0.5F},
        {"point: comma typed instead", point, u"2,8", ok, 2.8F},
        {"point: comma is a separator, not a group", point, u"1,000", ok, 1.0F},
        {"point: point then comma", point, u"1.2,3", no, 0.0F},
        {"point: space groups", point, u"1 000.5", ok, 1000.5F},
        {"point: minus alone", point, u"-", no, 0.0F},
        {"point groups: comma decimal", PointGroupingLocale, u"2,8", ok, 2.8F},
        {"point groups: point is a separator, not a group", PointGroupingLocale, u"2.8", ok, 2.8F},
        {"typographic minus", minus, u"\u22122,5", ok, -2.5F},
        {"typographic minus: hyphen too", minus, u"-2,5", ok, -2.5F},
        {"typographic minus alone", minus, u"\u2212", no, 0.0F},
        // Just above the midpoint between 1 and the next single: through a
        // double it would land on the midpoint and tie down to 1.
        {"above a midpoint", comma, u"1,0000000596046447753906251", ok, std::nextafter(1.0F, 2.0F)},
        {"exact midpoint ties to even", comma, u"1,000000059604644775390625", ok, 1.0F},
        {"below a midpoint", comma, u"1,0000000596046447753906249", ok, 1.0F},
        {"largest single", comma, u"340282346638528859811704183484516925440", ok, FLT_MAX},
        {"just under the overflow midpoint", comma, u"340282356779733661637539395458142568447", ok, FLT_MAX},
        {"far below the smallest single", comma, u"0," + sixtyZeros + u"1", ok, 0.0F},
        {"negative underflow", comma, u"-0," + sixtyZeros + u"1", ok, -0.0F},
        {"smallest subnormal", comma, u"0,000000000000000000000000000000000000000000001401298464324817", ok,
         std::numeric_limits<float>::denorm_min()},
        {"forty digits", comma, Repeat(u"9", 40), big, 0.0F},
        {"negative forty digits", comma, u"-" + Repeat(u"9", 40), big, 0.0F},
        {"exact overflow midpoint", comma, u"340282356779733661637539395458142568448", big, 0.0F},
        {"with a fraction", comma, Repeat(u"5", 39) + u",5", big, 0.0F},
        {"pasted page of digits", comma, Repeat(u"1", 5000) + u"," + Repeat(u"0", 5000), big, 0.0F},
    };
    // clang-format on
    RunRows("parse", rows, [](const ParseRow& row) {
        const ParsedNumber parsed = ParseNumber(row.Text, row.Locale());
        CheckEqual("status", StatusName(row.Status), StatusName(parsed.Status));
        CheckEqual("value", row.Value, parsed.Value);
        CheckEqual("sign", std::signbit(row.Value), std::signbit(parsed.Value));
    });
}

struct TenthsRow {
    const char* Name;
    float Value;
    double Tenths;
};

struct DisplayRow {
    const char* Name;
    float Value;
    std::u16string_view Comma;
    std::u16string_view Point;
};

struct GroupedRow {
    const char* Name;
    double Value;
    int Decimals;
    std::u16string Comma;
    std::u16string Point;
};

// What a locale shows the parser must read back to the value shown.
struct ReadBackRow {
    const char* Name;
    LocaleMaker Locale;
    float Value;
    std::u16string_view Text;
};

struct NarrowRow {
    const char* Name;
    double Value;
    bool Fits;
    float Single;  // when it fits
};

void RunFormatRows()
{
    // clang-format off
    constexpr TenthsRow tenths[] = {
        {"2.25 down to even", 2.25F, 22.0},
        {"2.75 up to even", 2.75F, 28.0},
        {"0.25 down to even", 0.25F, 2.0},
        {"0.35 is not a half in single", 0.35F, 3.0},
        {"-2.25 to even", -2.25F, -22.0},
        {"-2.75 to even", -2.75F, -28.0},
        {"0.05 is a hair above a half", 0.05F, 1.0},
        {"3.3 in single", 3.3F, 33.0},
        {"whole", 70.0F, 700.0},
        {"zero", 0.0F, 0.0},
        {"small negative", -0.04F, 0.0},
        {"largest single", FLT_MAX, static_cast<double>(FLT_MAX) * 10.0},
        {"last single with a fraction", 8388607.5F, 83886075.0},
    };
    constexpr float infinity = std::numeric_limits<float>::infinity();
    constexpr std::u16string_view largest = u"340282350000000000000000000000000000000";
    constexpr DisplayRow display[] = {
        {"whole without separator", 70.0F, u"70", u"70"},
        {"one decimal", 3.3F, u"3,3", u"3.3"},
        {"rounded away", 3.96F, u"4", u"4"},
        {"half to even", 2.25F, u"2,2", u"2.2"},
        {"below one", 0.5F, u"0,5", u"0.5"},
        {"negative", -1.5F, u"-1,5", u"-1.5"},
        {"negative that rounds to zero", -0.04F, u"0", u"0"},
        {"negative zero", -0.0F, u"0", u"0"},
        {"no grouping", 1234567.0F, u"1234567", u"1234567"},
        {"large with fraction", 1234567.25F, u"1234567,2", u"1234567.2"},
        {"first whole-only single", 8388608.0F, u"8388608", u"8388608"},
        {"single nearest 16777217", 16777217.0F, u"16777216", u"16777216"},
        {"no exponent", 1e20F, u"100000000000000000000", u"100000000000000000000"},
        {"shortest digits", 123456789.0F, u"123456790", u"123456790"},
        {"largest single", FLT_MAX, largest, largest},
        {"most negative single", -FLT_MAX, u"-340282350000000000000000000000000000000",
         u"-340282350000000000000000000000000000000"},
        {"tiny", 1e-30F, u"0", u"0"},
        {"infinity is never shown", infinity, u"", u""},
        {"nan is never shown", std::numeric_limits<float>::quiet_NaN(), u"", u""},
    };
    const GroupedRow grouped[] = {
        {"rounded up into a new group", 999.996, 2, u"1\u202F000", u"1\u202F000"},
        {"the locale's decimals, never its groups", 11260.125, 2, u"11\u202F260,12", u"11\u202F260.12"},
        // Past 10^12 a product by 10^decimals in doubles rounds before the figure does.
        {"large, below a half", 86493080007330.734375, 3, u"86\u202F493\u202F080\u202F007\u202F330,734",
         u"86\u202F493\u202F080\u202F007\u202F330.734"},
        {"large, every place kept", -274525204293057.125, 3, u"-274\u202F525\u202F204\u202F293\u202F057,125",
         u"-274\u202F525\u202F204\u202F293\u202F057.125"},
        {"negative that rounds to zero", -0.001, 2, u"0", u"0"},
        {"beyond 64-bit counts, no exponent", 1e39, 0, u"1" + Repeat(u"\u202F000", 13), u"1" + Repeat(u"\u202F000", 13)},
        {"not finite", std::numeric_limits<double>::infinity(), 2, u"", u""},
    };
    constexpr ReadBackRow readBack[] = {
        {"the locale's minus sign", TypographicMinusLocale, -2.5F, u"\u22122,5"},
        {"no locale: negative fraction", EmptyLocale, -2.5F, u"-2.5"},
        {"no locale: rounded fraction", EmptyLocale, 3.3F, u"3.3"},
        {"no locale: whole", EmptyLocale, 70.0F, u"70"},
    };
    const double max = FLT_MAX;
    const double midpoint = max + 0x1p103;
    const NarrowRow narrow[] = {
        {"ordinary", 3.3000000000000003, true, 3.3F},
        {"largest single", max, true, FLT_MAX},
        {"just above the largest single", std::nextafter(max, HUGE_VAL), true, FLT_MAX},
        {"just below the midpoint", std::nextafter(midpoint, 0.0), true, FLT_MAX},
        {"midpoint ties to infinity", midpoint, false, 0.0F},
        {"negative beyond", -1e39, false, 0.0F},
        {"negative just below the midpoint", -std::nextafter(midpoint, 0.0), true, -FLT_MAX},
        {"infinity", HUGE_VAL, false, 0.0F},
        {"nan", std::nan(""), false, 0.0F},
        {"underflow to zero", 1e-60, true, 0.0F},
    };
    // clang-format on
    RunRows("tenths", tenths, [](const TenthsRow& row) { CheckEqual("tenths", row.Tenths, RoundToTenths(row.Value)); });
    RunRows("display", display, [](const DisplayRow& row) {
        CheckEqual("comma", row.Comma, DisplayText(row.Value, CommaLocale()));
        CheckEqual("point", row.Point, DisplayText(row.Value, PointLocale()));
    });
    RunRows("grouped", grouped, [](const GroupedRow& row) {
        CheckEqual("comma", row.Comma, GroupedText(row.Value, row.Decimals, CommaLocale()));
        CheckEqual("point", row.Point, GroupedText(row.Value, row.Decimals, PointLocale()));
    });
    RunRows("read back", readBack, [](const ReadBackRow& row) {
        const std::u16string shown = DisplayText(row.Value, row.Locale());
        CheckEqual("shown", row.Text, shown);
        const ParsedNumber parsed = ParseNumber(shown, row.Locale());
        CheckEqual("status", StatusName(ParseStatus::Ok), StatusName(parsed.Status));
        CheckEqual("read", row.Value, parsed.Value);
    });
    RunRows("narrow", narrow, [](const NarrowRow& row) {
        const std::optional<float> narrowed = NarrowToSingle(row.Value);
        CheckEqual("fits", row.Fits, narrowed.has_value());
        if (narrowed) {
            CheckEqual("single", row.Single, *narrowed);
        }
    });
}

}  // namespace

void RunNumberRows()
{
    RunParseRows();
    RunFormatRows();
}

}  // namespace acpower::test
