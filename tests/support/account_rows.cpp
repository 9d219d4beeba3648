#include "core/calculator.h"
#include "form/account.h"
#include "tests/support/example_room.h"
#include "tests/support/row_runner.h"
#include "tests/support/test_locales.h"

#include <array>
#include <cstddef>

namespace acpower::test {
namespace {

struct AccountRow {
    const char* Name;
    std::array<std::u16string_view, Inputs.size()> Texts;  // left out: empty
    WindowSide Side;
    std::u16string_view Account;
};

void CheckAccount(const AccountRow& row)
{
    Calculator calculator(CommaLocale());
    calculator.SelectShadySide();
    for (std::size_t i = 0; i < row.Texts.size(); ++i) {
        const EntryOutcome outcome = calculator.AcceptNumericEntry(AllEntryFields.at(i), row.Texts.at(i));
        if (outcome.ClearBox) {
            calculator.AcceptNumericEntry(AllEntryFields.at(i), u"");
        }
    }
    calculator.ApplyWindowSide(row.Side);
    CheckEqual("account", row.Account, form::Account(calculator));
}

}  // namespace

void RunAccountRows()
{
    // clang-format off
    const AccountRow rows[] = {
        {"the office", ExampleRoomTexts, WindowSide::Shady,
         u"Предварительный расчет требуемой мощности кондиционера\n"
         u"Площадь, кв. м: 25\n"
         u"Высота потолка, м: 2,8\n"
         u"Кол-во человек: 3\n"
         u"Кол-во компьютеров: 2\n"
         u"Мощность эл. приборов, Вт: 1000\n"
         u"Окна выходят на теневую сторону\n"
         u"Объем помещения, куб. м: 70\n"
         u"Мощность кондиционера, кВт: 3,3\n"
         u"Из чего она складывается:\n"
         u"объем 70 куб. м × 30 Вт/куб. м = 2\u202F100 Вт\n"
         u"люди 3 × 100 Вт = 300 Вт\n"
         u"компьютеры 2 × 300 Вт = 600 Вт\n"
         u"эл. приборы 1\u202F000 Вт × 0,3 = 300 Вт\n"
         u"итого 3\u202F300 Вт\n"
         u"Это 11\u202F260 BTU/ч (1 кВт = 3\u202F412,14 BTU/ч)\n"
         u"Подойдет сплит-система класса 12 (3,52 кВт).\n"
         u"Страница компании: http://www.ornikveim.ru/sah1.htm\n"
         u"Версия программы 1.00\n"},
        {"a blank power gives its reason, a pasted cell one line", {u"\t25\n", u"2,8x", u"", u"", u""},
         WindowSide::Sunny,
         u"Предварительный расчет требуемой мощности кондиционера\n"
         u"Площадь, кв. м: 25\n"
         u"Высота потолка, м: —\n"
         u"Кол-во человек: —\n"
         u"Кол-во компьютеров: —\n"
         u"Мощность эл. приборов, Вт: —\n"
         u"Окна выходят на солнечную сторону\n"
         u"Объем помещения, куб. м: 0\n"
         u"Мощность кондиционера, кВт: —\n"
         u"Мощность не рассчитана: не указана высота потолка.\n"
         u"Страница компании: http://www.ornikveim.ru/sah1.htm\n"
         u"Версия программы 1.00\n"},
    };
    // clang-format on
    RunRows("account", rows, CheckAccount);
}

}  // namespace acpower::test
