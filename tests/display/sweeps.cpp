#include "numbers/number_format.h"
#include "tests/display/display_proof.h"
#include "tests/display/display_reference.h"
#include "tests/support/row_runner.h"
#include "tests/support/test_locales.h"

#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <mutex>
#include <random>
#include <thread>
#include <vector>

namespace acpower::test {
namespace {

// The program's locale for the reference's notation.
const NumberLocale Locale = TypographicMinusLocale();

constexpr std::uint32_t SignBit = 0x80000000U;

float SingleOf(std::uint32_t bits)
{
    float value = 0.0F;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

double DoubleOf(std::uint64_t bits)
{
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::string Hex(std::uint64_t bits, int width)
{
    char hex[24];
    std::snprintf(hex, sizeof hex, "%0*llX", width, static_cast<unsigned long long>(bits));
    return hex;
}

struct SweepResult {
    std::uint64_t Visited = 0;
    std::uint64_t Differing = 0;
    std::string First;
};

void ReportSweep(std::string_view table, std::string_view row, std::uint64_t expected, const SweepResult& result)
{
    StartRow(table, row);
    CheckEqual("values visited", expected, result.Visited);
    Check("texts that differ", result.Differing == 0, "none",
          std::to_string(result.Differing) + ", first " + result.First);
    EndRow();
}

using Visit = std::function<void(std::uint32_t)>;

struct SweepRow {
    std::string Name;
    std::uint64_t Expected;  // how many values the sweep must visit
    std::function<void(const Visit&)> Sweep;
};

SweepResult Compare(const SweepRow& row)
{
    SweepResult result;
    row.Sweep([&result](std::uint32_t bits) {
        ++result.Visited;
        const float value = SingleOf(bits);
        const std::u16string seen = DisplayText(value, Locale);
        const std::u16string expected = ReferenceSingleText(bits, ProofNotation);
        if (seen != expected && result.Differing++ == 0) {
            result.First = Hex(bits, 8) + " (" + Shown(value) + ") shows " + Shown(seen) + ", not " + Shown(expected);
        }
    });
    return result;
}

// The rows are shared out to the threads; the runner, which is not made for
// threads, then hears of them one by one in their order.
void Report(const std::vector<SweepRow>& rows, int jobs)
{
    std::vector<SweepResult> results(rows.size());
    std::atomic<std::size_t> next{0};
    std::mutex progress;
    const auto work = [&]() {
        for (std::size_t at = next++; at < rows.size(); at = next++) {
            results[at] = Compare(rows[at]);
            // A run of hours tells how far it is.
            const std::lock_guard<std::mutex> lock(progress);
            std::fprintf(stderr, "%s: %llu differ\n", rows[at].Name.c_str(),
                         static_cast<unsigned long long>(results[at].Differing));
        }
    };
    std::vector<std::thread> threads;
    for (int i = 1; i < jobs; ++i) {
        threads.emplace_back(work);
    }
    work();
    for (std::thread& thread : threads) {
        thread.join();
    }
    for (std::size_t at = 0; at < rows.size(); ++at) {
        ReportSweep("singles", rows[at].Name, rows[at].Expected, results[at]);
    }
}

// One row per exponent field and sign, 2^23 singles each; the whole numbers
// from field 150 on take longest, so they come last.
std::vector<SweepRow> EverySingle()
{
    std::vector<SweepRow> rows;
    for (std::uint32_t field = 0; field < 256; ++field) {
        for (const std::uint32_t sign : {0U, SignBit}) {
            const std::uint32_t first = sign | field << 23;
            const std::string name = (sign != 0 ? "negative" : "positive") + std::string(", exponent field ");
            rows.push_back({name + std::to_string(field), std::uint64_t{1} << 23, [first](const Visit& visit) {
                                for (std::uint32_t low = 0; low < (1U << 23); ++low) {
                                    visit(first | low);
                                }
                            }});
        }
    }
    return rows;
}

// The singles within three steps of a positive number, the number itself
// when it is a single, and the same with the minus sign.
void VisitAround(double number, const Visit& visit)
{
    const float nearest = static_cast<float>(number);
    const std::uint32_t bits = BitsOf<std::uint32_t>(nearest);
    const double exact = nearest;
    const std::uint32_t lowest = exact < number ? bits - 2 : bits - 3;
    const std::uint32_t highest = exact > number ? bits + 2 : bits + 3;
    for (std::uint32_t each = lowest; each <= highest; ++each) {
        visit(each);
        visit(each | SignBit);
    }
}

std::vector<SweepRow> Slice()
{
    constexpr std::uint32_t DecimalHalves = 1000000;  // 0.05 to 99999.95
    constexpr std::uint32_t QuarterWholes = 1U << 22;
    return {
        {"every 4096th", std::uint64_t{1} << 20,
         [](const Visit& visit) {
             for (std::uint64_t bits = 0; bits < (std::uint64_t{1} << 32); bits += 4096) {
                 visit(static_cast<std::uint32_t>(bits));
             }
         }},
        // Two in ten of them, the quarters, are singles themselves.
        {"three each side of every d.d5 below 10^5", std::uint64_t{DecimalHalves} * 12 + DecimalHalves / 5 * 2,
         [](const Visit& visit) {
             for (std::uint32_t t = 0; t < DecimalHalves; ++t) {
                 VisitAround((2.0 * t + 1.0) / 20.0, visit);
             }
         }},
        {"three each side of every .25 and .75 below 2^22", std::uint64_t{QuarterWholes} * 28,
         [](const Visit& visit) {
             for (std::uint32_t whole = 0; whole < QuarterWholes; ++whole) {
                 VisitAround(whole + 0.25, visit);
                 VisitAround(whole + 0.75, visit);
             }
         }},
    };
}

void CompareDouble(std::uint64_t bits, int decimals, SweepResult& result)
{
    ++result.Visited;
    const double value = DoubleOf(bits);
    const std::u16string seen = GroupedText(value, decimals, Locale);
    const std::u16string expected = ReferenceDoubleText(bits, decimals, ProofNotation);
    if (seen != expected && result.Differing++ == 0) {
        result.First = Hex(bits, 16) + " (" + Shown(value) + ") at " + std::to_string(decimals) + " places shows "
            + Shown(seen) + ", not " + Shown(expected);
    }
}

constexpr std::uint64_t DoubleSignBit = std::uint64_t{1} << 63;
constexpr int MostDecimals = 3;

// The double nearest each power of ten from 10^-323 to 10^308 and the three
// on each side, both signs, at every count of places; 10^-323 has only two
// doubles below it.
void ComparePowersOfTen()
{
    constexpr int Powers = 308 + 323 + 1;
    SweepResult result;
    for (int power = -323; power <= 308; ++power) {
        const std::string text = "1e" + std::to_string(power);
        const auto nearest = BitsOf<std::uint64_t>(std::strtod(text.c_str(), nullptr));
        for (int step = -3; step <= 3; ++step) {
            if (step < 0 && nearest < static_cast<std::uint64_t>(-step)) {
                continue;
            }
            for (int decimals = 0; decimals <= MostDecimals; ++decimals) {
                CompareDouble(nearest + step, decimals, result);
                CompareDouble((nearest + step) | DoubleSignBit, decimals, result);
            }
        }
    }
    ReportSweep("doubles", "powers of ten and their neighbours", (Powers * 7 - 1) * 8, result);
}

// Fixed seeds, so that a failure comes back on the next run.
void CompareRandomDoubles(int count)
{
    std::mt19937_64 bitsOf(20240601);
    SweepResult any;
    SweepResult hoverRange;
    SweepResult nearHalves;
    for (int i = 0; i < count; ++i) {
        CompareDouble(bitsOf(), static_cast<int>(bitsOf() % 4), any);
        // 2^-20 to 2^71: watts, kilowatts and BTU/h of rooms small and vast.
        const std::uint64_t field = 1003 + bitsOf() % 91;
        const std::uint64_t sign = bitsOf() & DoubleSignBit;
        CompareDouble(sign | field << 52 | (bitsOf() >> 12), static_cast<int>(bitsOf() % 4), hoverRange);
        // An odd n / 2^(d + 1) lies halfway between two figures of d places;
        // it and the doubles next to it, whole parts of up to 53 bits.
        const int decimals = static_cast<int>(bitsOf() % 4);
        const int width = 1 + static_cast<int>(bitsOf() % 53);
        const std::uint64_t odd = (bitsOf() >> (64 - width)) | 1U;
        const auto half = BitsOf<std::uint64_t>(std::ldexp(static_cast<double>(odd), -(decimals + 1)));
        const int step = static_cast<int>(bitsOf() % 5) - 2;
        CompareDouble(sign | (half + step), decimals, nearHalves);
    }
    const auto expected = static_cast<std::uint64_t>(count);
    ReportSweep("doubles", "random bits", expected, any);
    ReportSweep("doubles", "random in the hover texts' range", expected, hoverRange);
    ReportSweep("doubles", "random at and next to exact halves", expected, nearHalves);
}

}  // namespace

void RunDoubleSweeps(int randomCount)
{
    ComparePowersOfTen();
    CompareRandomDoubles(randomCount);
}

void RunSingleSweeps(bool everySingle, int jobs)
{
    Report(everySingle ? EverySingle() : Slice(), jobs);
}

}  // namespace acpower::test
