// Prints, one JSON line per step, rooms typed from a fixed seed and every text
// the native engine gives for them: results, notices, restorable numbers and
// the hover texts of both result boxes. compare_rooms.mjs replays each step on
// acpower.wasm through its exports and wants the same texts.

#include "core/calculator.h"
#include "core/window_side.h"
#include "form/bindings.h"
#include "tests/support/row_runner.h"

#include <array>
#include <cstdint>
#include <iostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

using acpower::Calculator;

std::string Json(std::u16string_view text)
{
    return acpower::encoding::JsString(acpower::test::Utf8(text));
}

std::string Json(std::initializer_list<std::u16string_view> texts)
{
    std::string json;
    for (const std::u16string_view text : texts) {
        json += (json.empty() ? "[" : ",") + Json(text);
    }
    return json + "]";
}

class Rooms {
public:
    void Print(int count)
    {
        for (std::uint32_t index = 0; index < 3; ++index) {
            const auto side = acpower::SideAt(index);
            Line("side", 0, std::to_string(index), Json({side ? acpower::EntryOf(*side).Text : u""}));
        }
        for (int room = 0; room < count; room += 2) {
            PrintTwoRooms();
        }
    }

private:
    std::mt19937 random_{20261209};

    std::size_t Below(std::size_t bound)
    {
        return random_() % bound;
    }

    template <typename List>
    auto Any(const List& list)
    {
        return list[Below(list.size())];
    }

    std::u16string Digits(std::size_t count)
    {
        std::u16string digits;
        while (digits.size() < count) {
            digits += static_cast<char16_t>(u'0' + Below(10));
        }
        return digits;
    }

    std::u16string Number()
    {
        static constexpr std::array<std::u16string_view, 6> signs{u"", u"", u"", u"-", u"+", u"\u2212"};
        static constexpr std::array<std::u16string_view, 5> groups{u" ", u"\u00A0", u"\u2009", u"\u202F", u""};
        static constexpr std::array<std::u16string_view, 5> blanks{u"", u"", u" ", u"\t", u"\n"};
        std::u16string text = std::u16string(Any(blanks)) + std::u16string(Any(signs)) + Digits(1 + Below(3));
        if (Below(4) == 0) {
            text += std::u16string(Any(groups)) + Digits(3);
        }
        if (Below(2) == 0) {
            text += (Below(2) == 0 ? u"," : u".") + Digits(Below(4));
        }
        return text + std::u16string(Any(blanks));
    }

    // A number spoilt the ways users spoil them, or too large for single precision.
    std::u16string Junk()
    {
        static constexpr std::array<std::u16string_view, 12> strays{
            u"x", u"е", u",", u".", u"-", u"  ", u"\x1f", u"\u200F", u"\U0001F600", u"e5", u"1,2,3", u"Вт"};
        std::u16string text = Number();
        if (Below(4) == 0) {
            return Digits(39 + Below(8));
        }
        if (Below(6) == 0) {
            return text + u" пусть будет двадцать пять метров" + text;
        }
        return text.insert(Below(text.size() + 1), Any(strays));
    }

    // One calculator of the page, with the results its boxes show, which a
    // pick of no side leaves as they are.
    struct Room {
        Calculator Engine;
        acpower::ResultTexts Shown;
        std::size_t Steps = 0;
    };

    void Line(std::string_view op, std::size_t slot, const std::string& arguments, const std::string& texts)
    {
        std::cout << "[\"" << op << "\"," << slot << "," << arguments << (arguments.empty() ? "" : ",") << texts
                  << "]\n";
    }

    std::string Texts(Room& room, std::initializer_list<std::u16string_view> replied)
    {
        std::string texts = Json(replied);
        texts.pop_back();
        return texts + "," + Json(room.Engine.Hint(acpower::Result::Volume)) + ","
            + Json(room.Engine.Hint(acpower::Result::Power)) + "]";
    }

    void Entry(Room& room, std::size_t slot, std::uint32_t field, std::u16string_view text)
    {
        const acpower::EntryOutcome outcome = room.Engine.AcceptNumericEntry(acpower::AllEntryFields.at(field), text);
        room.Shown = outcome.Results;
        Line("entry", slot, std::to_string(field) + "," + Json(text),
             Texts(room,
                   {outcome.ClearBox ? u"1" : u"", outcome.Notice, outcome.Restorable, outcome.Results.Volume,
                    outcome.Results.Power}));
    }

    void Step(Room& room, std::size_t slot)
    {
        // Area and height first, so that most rooms have a volume and a power.
        const std::size_t step = room.Steps++;
        const auto field = static_cast<std::uint32_t>(step < 2 ? step : Below(acpower::AllEntryFields.size()));
        const std::size_t kind = step < 2 ? 2 : Below(10);
        if (kind < 2) {
            static constexpr std::array<std::uint32_t, 5> picks{0, 1, 0, 2, UINT32_MAX};
            const std::uint32_t index = Any(picks);
            const auto side = acpower::SideAt(static_cast<std::int32_t>(index));
            room.Shown = side ? room.Engine.ApplyWindowSide(*side) : room.Shown;
            Line("pick", slot, std::to_string(index), Texts(room, {room.Shown.Volume, room.Shown.Power}));
            return;
        }
        const std::u16string text = kind < 6 ? Number() : kind < 8 ? Junk() : u"";
        // Typed key by key half of the time, as the page sends every input
        // event; a key gives both halves of a character beyond 16 bits.
        for (std::size_t units = Below(2) == 0 ? 1 : text.size(); units < text.size(); ++units) {
            if (text[units - 1] < 0xD800 || text[units - 1] > 0xDBFF) {
                Entry(room, slot, field, std::u16string_view(text).substr(0, units));
            }
        }
        Entry(room, slot, field, text);
    }

    // Two rooms at a time, as two elements on one page, their steps mixed.
    void PrintTwoRooms()
    {
        std::vector<Room> rooms;
        for (std::size_t slot = 0; slot < 2; ++slot) {
            const char16_t separator = Below(2) == 0 ? u',' : u'.';
            rooms.push_back({Calculator(acpower::NumberLocale{std::u16string(1, separator), u"-"}), {}});
            Line("new", slot, std::to_string(separator), "null");
            Line("shady", slot, "", "[" + std::to_string(acpower::IndexOf(rooms[slot].Engine.SelectShadySide())) + "]");
        }
        for (std::size_t steps = 2 * (6 + Below(5)); steps > 0; --steps) {
            const std::size_t slot = Below(2);
            Step(rooms[slot], slot);
        }
        Line("delete", 0, "", "null");
        Line("delete", 1, "", "null");
    }
};

}  // namespace

int main()
{
    std::ios::sync_with_stdio(false);
    Rooms().Print(10000);
    return std::cout.good() ? 0 : 1;
}
