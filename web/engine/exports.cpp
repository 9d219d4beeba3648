// The engine as the page's JavaScript sees it: plain functions over 32-bit
// integers, with texts as UTF-16 in the module's memory. Nothing here decides
// anything; each function hands a text to the engine and its answer back.

#include "core/calculator.h"
#include "core/window_side.h"
#include "form/account.h"
#include "form/bindings.h"
#include "web/engine/screen_texts.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <forward_list>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace {

// Between the fields of one reply; no number, notice or hint contains it,
// since notices show control characters as spaces.
constexpr char16_t FieldSeparator = u'\x1f';

// One calculator of the page, under the id its element holds.
struct Element {
    std::uint32_t Id;
    acpower::Calculator Engine;
    bool Touch = false;  // its notices name the notice's button, not a key
};

// A page holds a few elements, so a list walked from its front finds one as
// soon as a tree would, in 1.7 KB less of module than a std::map.
std::forward_list<Element>& Elements()
{
    static std::forward_list<Element> elements;
    return elements;
}

std::u16string& Input()
{
    static std::u16string input;
    return input;
}

std::u16string& Reply()
{
    static std::u16string reply;
    return reply;
}

const char16_t* Answer(std::initializer_list<std::u16string_view> fields)
{
    std::u16string& reply = Reply();
    reply.clear();
    bool first = true;
    for (const std::u16string_view field : fields) {
        if (!first) {
            reply += FieldSeparator;
        }
        reply += field;
        first = false;
    }
    return reply.c_str();
}

Element* FindElement(std::uint32_t id)
{
    std::forward_list<Element>& elements = Elements();
    const auto found
        = std::find_if(elements.begin(), elements.end(), [id](const Element& element) { return element.Id == id; });
    return found == elements.end() ? nullptr : &*found;
}

acpower::Calculator* Find(std::uint32_t id)
{
    Element* element = FindElement(id);
    return element == nullptr ? nullptr : &element->Engine;
}

const char16_t* ResultsOf(const acpower::Calculator& element)
{
    return Answer({element.Shown().Volume, element.Shown().Power});
}

}  // namespace

#define ACPOWER_EXPORT(name) extern "C" __attribute__((export_name(#name)))

ACPOWER_EXPORT(acpower_input) char16_t* acpower_input(std::uint32_t units)
{
    std::u16string& input = Input();
    if (input.size() < units) {
        input.resize(units);
    }
    return input.data();
}

ACPOWER_EXPORT(acpower_new) std::uint32_t acpower_new(std::uint32_t decimalSeparator)
{
    static std::uint32_t lastId = 0;
    ++lastId;
    const acpower::NumberLocale locale{std::u16string(1, static_cast<char16_t>(decimalSeparator)), u"-"};
    Elements().push_front(Element{lastId, acpower::Calculator(locale)});
    return lastId;
}

ACPOWER_EXPORT(acpower_delete) void acpower_delete(std::uint32_t id)
{
    Elements().remove_if([id](const Element& element) { return element.Id == id; });
}

ACPOWER_EXPORT(acpower_shady) std::uint32_t acpower_shady(std::uint32_t id)
{
    acpower::Calculator* element = Find(id);
    const acpower::WindowSide side = element == nullptr ? acpower::WindowSide::Shady : element->SelectShadySide();
    return static_cast<std::uint32_t>(acpower::IndexOf(side));
}

ACPOWER_EXPORT(acpower_touch) void acpower_touch(std::uint32_t id)
{
    Element* element = FindElement(id);
    if (element != nullptr) {
        element->Touch = true;
    }
}

ACPOWER_EXPORT(acpower_entry) const char16_t* acpower_entry(std::uint32_t id, std::uint32_t field, std::uint32_t units)
{
    Element* element = FindElement(id);
    if (element == nullptr || field >= acpower::AllEntryFields.size()) {
        return Answer({});
    }
    const std::u16string_view text = std::u16string_view(Input()).substr(0, units);
    const acpower::EntryOutcome outcome = element->Engine.AcceptNumericEntry(acpower::AllEntryFields[field], text);
    return Answer({outcome.ClearBox ? u"1" : u"",
                   element->Touch ? acpower::web::TouchNotice(outcome.Notice, outcome.Restorable) : outcome.Notice,
                   outcome.Restorable, outcome.Results.Volume, outcome.Results.Power});
}

ACPOWER_EXPORT(acpower_pick) const char16_t* acpower_pick(std::uint32_t id, std::uint32_t index)
{
    acpower::Calculator* element = Find(id);
    if (element == nullptr) {
        return Answer({});
    }
    const std::optional<acpower::WindowSide> side = acpower::SideAt(static_cast<std::ptrdiff_t>(index));
    if (side) {
        element->ApplyWindowSide(*side);
    }
    return ResultsOf(*element);
}

ACPOWER_EXPORT(acpower_hint) const char16_t* acpower_hint(std::uint32_t id, std::uint32_t result)
{
    const acpower::Calculator* element = Find(id);
    if (element == nullptr || result >= acpower::form::ResultBoxes.size()) {
        return Answer({});
    }
    return Answer({element->Hint(acpower::form::ResultBoxes[result].Shows)});
}

// The whole calculation as plain text, for the page's copy, share and print.
ACPOWER_EXPORT(acpower_account) const char16_t* acpower_account(std::uint32_t id)
{
    const acpower::Calculator* element = Find(id);
    return Answer({element == nullptr ? std::u16string() : acpower::form::Account(*element)});
}

ACPOWER_EXPORT(acpower_side) const char16_t* acpower_side(std::uint32_t index)
{
    const std::optional<acpower::WindowSide> side = acpower::SideAt(static_cast<std::ptrdiff_t>(index));
    return Answer({side ? acpower::EntryOf(*side).Text : std::u16string_view()});
}

ACPOWER_EXPORT(acpower_reply_units) std::uint32_t acpower_reply_units()
{
    return static_cast<std::uint32_t>(Reply().size());
}
