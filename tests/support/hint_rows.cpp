#include "core/calculator.h"
#include "core/hints.h"
#include "tests/support/row_runner.h"
#include "tests/support/test_locales.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace acpower::test {
namespace {

struct NoticeRow {
    const char* Name;
    std::u16string Text;
    std::u16string Notice;  // empty where the box keeps its text
};

struct ClassRow {
    const char* Name;
    float Kilowatts;
    std::u16string_view Class;  // empty where no class covers the power
};

// The hover texts of the result boxes. Of the power's, the first and last
// lines must match and every other line given must be among its lines.
struct HintRow {
    const char* Name;
    std::array<std::u16string_view, Inputs.size()> Texts;  // left out: empty
    WindowSide Side;
    std::u16string_view Volume;
    std::u16string_view Power;
};

std::vector<std::u16string_view> Lines(std::u16string_view text)
{
    std::vector<std::u16string_view> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find(u'\n'); end != std::u16string_view::npos; end = text.find(u'\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    lines.push_back(text.substr(start));
    return lines;
}

void CheckHints(const HintRow& row)
{
    Calculator calculator(CommaLocale());
    calculator.SelectShadySide();
    for (std::size_t i = 0; i < row.Texts.size(); ++i) {
        calculator.AcceptNumericEntry(AllEntryFields.at(i), row.Texts.at(i));
    }
    calculator.ApplyWindowSide(row.Side);
    CheckEqual("volume", row.Volume, calculator.Hint(Result::Volume));
    const std::u16string power = calculator.Hint(Result::Power);
    if (row.Power.empty()) {
        CheckEqual("power", row.Power, power);
        return;
    }
    const std::vector<std::u16string_view> expected = Lines(row.Power);
    const std::vector<std::u16string_view> shown = Lines(power);
    CheckEqual("power's first line", expected.front(), shown.front());
    CheckEqual("power's last line", expected.back(), shown.back());
    for (const std::u16string_view line : expected) {
        const bool found = std::find(shown.begin(), shown.end(), line) != shown.end();
        Check("power's lines", found, Shown(line), Shown(power));
    }
}

}  // namespace

void RunHintRows()
{
    const std::u16string notNumber = u" — не число; поле очищено";
    // clang-format off
    const NoticeRow notices[] = {
        {"a number", u"2,8", u""},
        {"letter after digits", u"2,8x", u"«2,8x»" + notNumber},
        {"sixteen characters quoted whole", u"1234567890abcdef", u"«1234567890abcdef»" + notNumber},
        {"a pasted page makes one short line", u"1\n2\t" + Repeat(u"x", 100000), u"«1 2 xxxxxxxxxxx…»" + notNumber},
        {"a character of two units is not split", Repeat(u"a", 14) + u"😀b", u"«aaaaaaaaaaaaaa…»" + notNumber},
        {"direction marks cannot reorder the note", u"1\u202E2\u20663", u"«1 2 3»" + notNumber},
        {"beyond single precision", Repeat(u"9", 40), u"«999999999999999…» — слишком большое число; поле очищено"},
    };
    const ClassRow classes[] = {
        {"07 exactly", 2.05F, u"07"},
        {"just above 07", std::nextafter(2.05F, 3.0F), u"09"},
        {"the office", 3.3F, u"12"},
        {"36 exactly", 10.55F, u"36"},
        {"just above 36", std::nextafter(10.55F, 11.0F), u""},
    };
    const HintRow hints[] = {
        {"the office", {u"25", u"2,8", u"3", u"2", u"1000"}, WindowSide::Shady,
         u"Объем помещения: 70 куб. м\n25 кв. м × 2,8 м",
         u"Мощность кондиционера: 3,3 кВт\n"
         u"Из чего она складывается:\n"
         u"объем 70 куб. м × 30 Вт/куб. м = 2\u202F100 Вт\n"
         u"люди 3 × 100 Вт = 300 Вт\n"
         u"компьютеры 2 × 300 Вт = 600 Вт\n"
         u"эл. приборы 1\u202F000 Вт × 0,3 = 300 Вт\n"
         u"итого 3\u202F300 Вт\n"
         u"Это 11\u202F260 BTU/ч (1 кВт = 3\u202F412,14 BTU/ч)\n"
         u"Подойдет сплит-система класса 12 (3,52 кВт)."},
        {"a hall beyond class 36", {u"100", u"3", u"20", u"10", u"5000"}, WindowSide::Sunny,
         u"Объем помещения: 300 куб. м\n100 кв. м × 3 м",
         u"Мощность кондиционера: 18,5 кВт\n"
         u"Это больше, чем дает бытовая сплит-система самого мощного класса 36 (10,55 кВт): "
         u"нужно несколько кондиционеров или система большей мощности."},
        {"heat taken away", {u"10", u"2,5", u"", u"", u"-10000"}, WindowSide::Shady,
         u"Объем помещения: 25 куб. м\n10 кв. м × 2,5 м",
         u"Мощность кондиционера: -2,2 кВт\n"
         u"Тепла в помещение не поступает: кондиционер не нужен."},
        {"the height still missing", {u"25", u"", u"3", u"2", u"1000"}, WindowSide::Shady,
         u"Объем помещения: 0 куб. м\n25 кв. м × 0 м",
         u"Мощность не рассчитана: не указана высота потолка."},
        {"an area below zero", {u"-5", u"2,8", u"", u"", u""}, WindowSide::Sunny,
         u"Объем помещения: -14 куб. м\n-5 кв. м × 2,8 м",
         u"Мощность не рассчитана: площадь меньше нуля."},
        {"an overflowed volume shows only why", {u"100000000000000000000", u"100000000000000000000", u"", u"", u""},
         WindowSide::Shady, u"", u"Мощность не рассчитана: числа слишком велики для расчета."},
        {"a volume too small to hold", {u"0,0000000000000000000000001", u"0,0000000000000000000000001", u"", u"", u""},
         WindowSide::Shady, u"Объем помещения: 0 куб. м\n0 кв. м × 0 м",
         u"Мощность не рассчитана: объем помещения слишком мал."},
    };
    // clang-format on
    RunRows("notice", notices, [](const NoticeRow& row) {
        Calculator calculator(CommaLocale());
        const EntryOutcome outcome = calculator.AcceptNumericEntry(EntryField::Area, row.Text);
        CheckEqual("emptied", !row.Notice.empty(), outcome.ClearBox);
        CheckEqual("notice", row.Notice, outcome.Notice);
    });
    RunRows("split-system class", classes, [](const ClassRow& row) {
        const SplitSystemClass* found = SmallestCoveringClass(row.Kilowatts);
        CheckEqual("class", row.Class, found == nullptr ? std::u16string_view() : found->Name);
    });
    RunRows("hint", hints, CheckHints);
}

}  // namespace acpower::test
