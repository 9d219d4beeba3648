#include "core/recalculate.h"
#include "tests/support/example_room.h"
#include "tests/support/row_runner.h"
#include "tests/support/test_locales.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace acpower::test {
namespace {

// Each room starts from results no row expects, so a room that leaves an
// earlier room's results behind, as an overflow might, is caught.
struct ShownRow {
    const char* Name;
    NumberLocale (*Locale)();
    CalculatorState Room;
    std::u16string_view Volume;
    std::u16string_view Power;
    float KeptVolume;
    float KeptPower;
};

struct ModelRow {
    const char* Name;
    std::uint32_t Seed;
    int Rooms;
};

// Written independently of the program's formatter: printf's fixed notation
// of the value rounded half-even to tenths, without a trailing ",0".
std::string ModelText(float value)
{
    // Adding zero turns a -0 into a 0.
    const double tenths = std::nearbyint(static_cast<double>(value) * 10.0) + 0.0;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, std::fmod(tenths, 10.0) == 0.0 ? "%.0f" : "%.1f", tenths / 10.0);
    std::string text = buffer;
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

// Whole singles past 2^23 may be written with fewer significant digits than
// their binary value has; they must still read back to the same single.
void CheckDisplay(const char* what, const std::u16string& shown, float value)
{
    const std::string text = Utf8(shown);
    if (std::fabs(value) < 8388608.0F) {
        CheckEqual(what, ModelText(value), text);
        return;
    }
    Check(what, text.find_first_of(",e") == std::string::npos, "plain digits", Shown(text));
    CheckEqual(what, value, std::strtof(text.c_str(), nullptr));
}

float RandomValue(std::mt19937_64& random, double low, double high, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    const double unit = static_cast<double>(random() >> 11) * 0x1p-53;
    const double raw = low + unit * (high - low);
    return static_cast<float>(std::round(raw * scale) / scale);
}

// Random rooms against the long-double model: the program's double sums
// may differ from it by a double's rounding, which can move the single
// result by one step only when the exact value sits on a midpoint.
void CheckAgainstModel(const ModelRow& row)
{
    std::mt19937_64 random(row.Seed);
    int exact = 0;
    for (int i = 0; i < row.Rooms; ++i) {
        const bool wild = (i % 10) == 0;
        CalculatorState state = Room({RandomValue(random, wild ? -1e6 : 0.0, wild ? 1e6 : 500.0, 2),
                                      RandomValue(random, wild ? -100.0 : 0.0, wild ? 100.0 : 5.0, 2),
                                      RandomValue(random, wild ? -1e4 : 0.0, wild ? 1e4 : 50.0, wild ? 3 : 0),
                                      RandomValue(random, 0.0, wild ? 1e4 : 20.0, wild ? 1 : 0),
                                      RandomValue(random, wild ? -1e7 : 0.0, wild ? 1e7 : 10000.0, 1)},
                                     (i % 2) == 0 ? 30.0F : 40.0F);
        const ResultTexts texts = Recalculate(state, CommaLocale());

        const float volume = static_cast<float>(static_cast<long double>(state.CeilingHeight) * state.Area);
        CheckEqual("kept volume", volume, state.RoomVolume);
        CheckDisplay("volume", texts.Volume, volume);

        const float power = ModelPower(state, volume);
        const float step = std::nextafter(std::fabs(power), HUGE_VALF) - std::fabs(power);
        Check("kept power within a step", std::fabs(state.CoolingPower - power) <= step,
              "room " + std::to_string(i) + ": " + Shown(power), Shown(state.CoolingPower));
        if (state.CoolingPower != power) {
            continue;
        }
        ++exact;
        if (volume > 0.0F) {
            CheckDisplay("power", texts.Power, power);
        } else {
            CheckEqual("power", std::u16string_view(), texts.Power);
        }
    }
    Check("rooms where kept power is exact", exact > row.Rooms * 99 / 100, "over 99 %",
          std::to_string(exact) + " of " + std::to_string(row.Rooms));
}

}  // namespace

void RunFormulaRows()
{
    const auto comma = CommaLocale;
    // clang-format off
    const ShownRow shown[] = {
        {"office, shady", comma, Room({25.0F, 2.8F, 3.0F, 2.0F, 1000.0F}, 30.0F), u"70", u"3,3", 70.0F, 3.3F},
        {"office, sunny: only power follows the factor", comma, Room({25.0F, 2.8F, 3.0F, 2.0F, 1000.0F}, 40.0F),
         u"70", u"4", 70.0F, 4.0F},
        {"point locale writes points", PointLocale, Room({25.0F, 2.8F, 3.0F, 2.0F, 1000.0F}, 30.0F), u"70", u"3.3",
         70.0F, 3.3F},
        {"volume exactly 2.25", comma, Room({1.5F, 1.5F, 0.0F, 0.0F, 0.0F}, 30.0F), u"2,2", u"0,1", 2.25F, 0.0675F},
        {"zero area hides power", comma, Room({0.0F, 2.8F, 3.0F, 2.0F, 1000.0F}, 30.0F), u"0", u"", 0.0F, 1.2F},
        {"zero height hides power", comma, Room({25.0F, 0.0F, 50.0F, 0.0F, 0.0F}, 30.0F), u"0", u"", 0.0F, 5.0F},
        {"negative area", comma, Room({-25.0F, 2.8F, 3.0F, 2.0F, 1000.0F}, 30.0F), u"-70", u"", -70.0F, -0.9F},
        {"fractional people", comma, Room({10.0F, 2.0F, 2.5F, 0.0F, 0.0F}, 30.0F), u"20", u"0,9", 20.0F, 0.85F},
        {"negative computers", comma, Room({10.0F, 2.0F, 0.0F, -1.0F, 0.0F}, 30.0F), u"20", u"0,3", 20.0F, 0.3F},
        {"tiny volume still positive", comma, Room({0.01F, 0.01F, 0.0F, 0.0F, 0.0F}, 30.0F), u"0", u"0", 1e-4F,
         2.99999988e-6F},
        {"crowd beyond single, power fits", comma, Room({1.0F, 1.0F, 1e37F, 0.0F, 0.0F}, 30.0F), u"1",
         u"1000000000000000000000000000000000000", 1.0F, 1e36F},
        {"largest volume still shows", comma, Room({FLT_MAX, 1.0F, 0.0F, 0.0F, 0.0F}, 40.0F),
         u"340282350000000000000000000000000000000", u"13611294000000000000000000000000000000", FLT_MAX,
         1.3611294e37F},
        {"overflow: area and height of 1e20", comma, Room({1e20F, 1e20F, 3.0F, 2.0F, 1000.0F}, 30.0F), u"", u"",
         0.0F, 0.0F},
        {"overflow: negative", comma, Room({-1e20F, 1e20F, 3.0F, 2.0F, 1000.0F}, 30.0F), u"", u"", 0.0F, 0.0F},
        {"overflow: largest singles", comma, Room({FLT_MAX, FLT_MAX, 3.0F, 2.0F, 1000.0F}, 30.0F), u"", u"", 0.0F,
         0.0F},
        {"overflow: just past the largest single", comma, Room({FLT_MAX, 1.0000001F, 3.0F, 2.0F, 1000.0F}, 30.0F),
         u"", u"", 0.0F, 0.0F},
    };
    constexpr ModelRow model[] = {
        {"random rooms, one in ten wild, agree with the long-double model", 20261208, 20000},
    };
    // clang-format on
    RunRows("formula", shown, [](const ShownRow& row) {
        CalculatorState state = row.Room;
        state.RoomVolume = -1.0F;
        state.CoolingPower = -1.0F;
        const ResultTexts texts = Recalculate(state, row.Locale());
        CheckEqual("volume", row.Volume, texts.Volume);
        CheckEqual("power", row.Power, texts.Power);
        CheckEqual("kept volume", row.KeptVolume, state.RoomVolume);
        CheckEqual("kept power", row.KeptPower, state.CoolingPower);
    });
    RunRows("formula", model, CheckAgainstModel);
}

}  // namespace acpower::test
