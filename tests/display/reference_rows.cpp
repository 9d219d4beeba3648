#include "tests/display/display_proof.h"
#include "tests/display/display_reference.h"
#include "tests/support/row_runner.h"

#include <cfloat>
#include <limits>

namespace acpower::test {
namespace {

struct SingleRow {
    const char* Name;
    float Value;
    std::u16string_view Text;
};

struct DoubleRow {
    const char* Name;
    double Value;
    int Decimals;
    std::u16string Text;
};

}  // namespace

void RunReferenceRows()
{
    // clang-format off
    constexpr SingleRow singles[] = {
        {"half to even, down", 2.25F, u"2,2"},
        {"half to even, up", 2.75F, u"2,8"},
        {"half below one", 0.25F, u"0,2"},
        {"negative half", -2.25F, u"\u22122,2"},
        {"the single above 0.05", 0.05F, u"0,1"},
        {"the single below 0.35", 0.35F, u"0,3"},
        {"whole", 70.0F, u"70"},
        {"negative that rounds to zero", -0.04F, u"0"},
        {"negative zero", -0.0F, u"0"},
        {"smallest subnormal", FLT_TRUE_MIN, u"0"},
        {"last with a fraction", 8388607.5F, u"8388607,5"},
        {"first whole-only", 8388608.0F, u"8388608"},
        {"fewest digits", 123456789.0F, u"123456790"},
        {"the gap below a power of two is half as wide", 33554432.0F, u"33554432"},
        {"power of two, digits padded", 0x1p90F, u"1237940100000000000000000000"},
        {"nearest of two as short", FLT_MAX, u"340282350000000000000000000000000000000"},
        {"most negative", -FLT_MAX, u"\u2212340282350000000000000000000000000000000"},
        {"infinity", std::numeric_limits<float>::infinity(), u""},
        {"nan", std::numeric_limits<float>::quiet_NaN(), u""},
    };
    const DoubleRow doubles[] = {
        {"half to even, down", 2.5, 0, u"2"},
        {"half to even, up", 3.5, 0, u"4"},
        {"negative half", -2.5, 0, u"\u22122"},
        {"half at two places", 0.125, 2, u"0,12"},
        {"half at three places", 0.0625, 3, u"0,062"},
        {"the double below 1.005", 1.005, 2, u"1"},
        {"rounded up into a new group", 999.996, 2, u"1\u202F000"},
        {"groups and a fraction", 11260.125, 2, u"11\u202F260,12"},
        {"negative that rounds to zero", -0.001, 2, u"0"},
        {"smallest subnormal, negative", -5e-324, 3, u"0"},
        {"last with a fraction", 999999999999999.9, 1, u"999\u202F999\u202F999\u202F999\u202F999,9"},
        {"from 10^15 whole, halves to even", 1e15 + 0.5, 2, u"1\u202F000\u202F000\u202F000\u202F000\u202F000"},
        {"from 10^15 whole, halves to even, up", 1e15 + 1.5, 0, u"1\u202F000\u202F000\u202F000\u202F000\u202F002"},
        {"fewest digits", 1e23, 0, u"100" + Repeat(u"\u202F000", 7)},
        {"2^63", 0x1p63, 0, u"9\u202F223\u202F372\u202F036\u202F854\u202F776\u202F000"},
        {"largest", DBL_MAX, 0, u"179\u202F769\u202F313\u202F486\u202F231\u202F570" + Repeat(u"\u202F000", 97)},
        {"infinity", -std::numeric_limits<double>::infinity(), 2, u""},
        {"nan", std::numeric_limits<double>::quiet_NaN(), 2, u""},
    };
    // clang-format on
    RunRows("reference singles", singles, [](const SingleRow& row) {
        CheckEqual("text", row.Text, ReferenceSingleText(BitsOf<std::uint32_t>(row.Value), ProofNotation));
    });
    RunRows("reference doubles", doubles, [](const DoubleRow& row) {
        CheckEqual("text", row.Text,
                   ReferenceDoubleText(BitsOf<std::uint64_t>(row.Value), row.Decimals, ProofNotation));
    });
}

}  // namespace acpower::test
