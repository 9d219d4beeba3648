// The engine's share of one keystroke, measured without a window: what the
// calculator adds to each text change must stay far below anything a user
// could notice, and far below what Qt itself spends on the same keystroke.

#include "core/calculator.h"
#include "core/entry_rules.h"
#include "core/recalculate.h"
#include "numbers/number_format.h"
#include "numbers/number_locale.h"
#include "numbers/number_parse.h"
#include "tests/support/example_room.h"
#include "tests/support/test_locales.h"

#include <benchmark/benchmark.h>

#include <cfloat>
#include <iterator>
#include <string_view>

namespace {

using acpower::Calculator;
using acpower::EntryField;

// The room of the worked example: 25 m², 2,8 m, 3 people, 2 computers,
// 1000 W, shady side; it shows 70 and 3,3.
Calculator ExampleRoom()
{
    Calculator calculator(acpower::test::CommaLocale());
    calculator.SelectShadySide();
    for (const EntryField field : acpower::AllEntryFields) {
        calculator.AcceptNumericEntry(field, acpower::test::ExampleRoomTexts[static_cast<std::size_t>(field)]);
    }
    return calculator;
}

// The whole path of a keystroke that lands a number: numeric test,
// conversion, recalculation and both display texts.
void Keystroke(benchmark::State& state)
{
    Calculator calculator = ExampleRoom();
    for (auto _ : state) {
        acpower::EntryOutcome outcome = calculator.AcceptNumericEntry(EntryField::CeilingHeight, u"2,8");
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(Keystroke);

// Typing through a decimal, one text per keystroke, as a user does.
void KeystrokeTypingSequence(benchmark::State& state)
{
    Calculator calculator = ExampleRoom();
    constexpr std::u16string_view texts[] = {u"1", u"12", u"125", u"1250", u"1250,", u"1250,5"};
    for (auto _ : state) {
        for (const std::u16string_view text : texts) {
            acpower::EntryOutcome outcome = calculator.AcceptNumericEntry(EntryField::AppliancePower, text);
            benchmark::DoNotOptimize(outcome);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<benchmark::IterationCount>(std::size(texts)));
}
BENCHMARK(KeystrokeTypingSequence);

// A stray letter: the rule refuses the text, and the window's emptying of the
// box runs it a second time on the empty text.
void KeystrokeRefused(benchmark::State& state)
{
    Calculator calculator = ExampleRoom();
    for (auto _ : state) {
        acpower::EntryOutcome outcome = calculator.AcceptNumericEntry(EntryField::Area, u"25a");
        benchmark::DoNotOptimize(outcome);
        acpower::EntryOutcome nested = calculator.AcceptNumericEntry(EntryField::Area, u"");
        benchmark::DoNotOptimize(nested);
        calculator.AcceptNumericEntry(EntryField::Area, u"25");
    }
}
BENCHMARK(KeystrokeRefused);

void SelectorPick(benchmark::State& state)
{
    Calculator calculator = ExampleRoom();
    for (auto _ : state) {
        acpower::ResultTexts texts = calculator.ApplyWindowSide(acpower::WindowSide::Sunny);
        benchmark::DoNotOptimize(texts);
    }
}
BENCHMARK(SelectorPick);

void ParseNumber(benchmark::State& state, std::u16string_view text)
{
    const acpower::NumberLocale locale = acpower::test::CommaLocale();
    for (auto _ : state) {
        acpower::ParsedNumber parsed = acpower::ParseNumber(text, locale);
        benchmark::DoNotOptimize(parsed);
    }
}
BENCHMARK_CAPTURE(ParseNumber, Typical, std::u16string_view(u"2,8"));
BENCHMARK_CAPTURE(ParseNumber, Long, std::u16string_view(u"  -12345678,90123456789 "));

void DisplayText(benchmark::State& state, float value)
{
    const acpower::NumberLocale locale = acpower::test::CommaLocale();
    for (auto _ : state) {
        benchmark::DoNotOptimize(value);
        std::u16string text = acpower::DisplayText(value, locale);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK_CAPTURE(DisplayText, OneDecimal, 3.3F);
BENCHMARK_CAPTURE(DisplayText, Whole, 70.0F);
BENCHMARK_CAPTURE(DisplayText, Largest, FLT_MAX);

}  // namespace
