#include "form/bindings.h"
#include "form/company_page.h"
#include "form/form1.h"
#include "tests/support/row_runner.h"
#include "tools/encoding/base64.h"
#include "tools/encoding/little_endian.h"
#include "tools/encoding/text_out.h"
#include "tools/page/binary_files.h"
#include "tools/page/page_markup.h"

#include <optional>
#include <string>
#include <string_view>

namespace acpower::test {
namespace {

using encoding::Base64;
using encoding::PutU16;

std::string IdOf(std::string_view name)
{
    return "id=\"" + std::string(name) + "\"";
}

void RunBase64Rows()
{
    struct Row {
        const char* Name;
        std::string Bytes;
        std::string Text;
    };
    // The published vectors: every padding length, and bytes above 0x7F.
    const Row rows[] = {
        {"empty", "", ""},
        {"one byte", "f", "Zg=="},
        {"two bytes", "fo", "Zm8="},
        {"three bytes", "foo", "Zm9v"},
        {"four bytes", "foob", "Zm9vYg=="},
        {"six bytes", "foobar", "Zm9vYmFy"},
        {"high bytes", std::string("\xFF\x00\xFE", 3), "/wD+"},
    };
    RunRows("base64", rows, [](const Row& row) { CheckEqual<std::string>("text", row.Text, Base64(row.Bytes)); });
}

// A policy's hash comes from CMake in hex.
void RunHexRows()
{
    struct Row {
        const char* Name;
        std::string_view Digits;
        std::optional<std::string> Bytes;
    };
    const Row rows[] = {
        {"either case", "ff00Fe", std::string("\xFF\x00\xFE", 3)},
        {"a digit left over", "ff0", std::nullopt},
        {"not a digit", "fg", std::nullopt},
    };
    RunRows("hex", rows, [](const Row& row) {
        const std::optional<std::string> bytes = encoding::FromHex(row.Digits);
        Check("bytes", bytes == row.Bytes, row.Bytes ? Base64(*row.Bytes) : "none", bytes ? Base64(*bytes) : "none");
    });
}

// A directory of the given type with one image a side, each image's bytes
// one letter repeated.
std::string Directory(unsigned type, std::initializer_list<int> sides)
{
    std::string head;
    std::string images;
    PutU16(head, 0);
    PutU16(head, type);
    PutU16(head, static_cast<unsigned>(sides.size()));
    unsigned offset = 6 + 16 * static_cast<unsigned>(sides.size());
    char letter = 'a';
    for (const int side : sides) {
        head += static_cast<char>(side % 256);
        head += static_cast<char>(side % 256);
        head += std::string(2, '\0');
        PutU16(head, 12);  // a cursor's hot spot; an icon's planes
        PutU16(head, 1);
        const unsigned size = 4 + static_cast<unsigned>(side % 7);
        PutU16(head, size);
        PutU16(head, 0);
        PutU16(head, offset);
        PutU16(head, 0);
        images += std::string(size, letter++);
        offset += size;
    }
    return head + images;
}

void RunIconRows()
{
    struct Row {
        const char* Name;
        std::string File;
        std::string Expected;  // "" for no icon
    };
    const std::string all = Directory(1, {16, 32, 256});
    const Row rows[] = {
        {"the images a tab shows are kept", all, Directory(1, {16, 32})},
        {"none small enough", Directory(1, {48, 256}), ""},
        {"a cursor is no icon", Directory(2, {16}), ""},
        {"a cut file", all.substr(0, all.size() - 1), ""},
        {"a header alone", all.substr(0, 6), ""},
    };
    RunRows("small icons", rows, [](const Row& row) {
        const auto kept = page::SmallIcons(row.File, 32);
        CheckEqual<std::string>("icon", row.Expected, kept.value_or(""));
    });
    StartRow("cursor", "the hot spot stands where an icon keeps planes and bits");
    const auto spot = page::CursorHotSpot(Directory(2, {32}));
    Check("a hot spot", spot.has_value(), "12 1", spot ? std::to_string(spot->X) + " " + std::to_string(spot->Y) : "");
    Check("an icon has none", !page::CursorHotSpot(all).has_value(), "none", "one");
    EndRow();
}

void RunTextRows()
{
    StartRow("text", "user-visible texts are escaped for HTML and scripts");
    CheckEqual<std::string>("html", "&lt;a href=&quot;x&quot;&gt;&amp;", encoding::HtmlEscaped("<a href=\"x\">&"));
    CheckEqual<std::string>("script", "\"<\\/script>\\u001f\\\"\\\\\"", encoding::JsString("</script>\x1F\"\\"));
    EndRow();
    struct Row {
        const char* Name;
        std::u16string Text;
        std::string Utf8;
    };
    // A lone surrogate becomes U+FFFD, as the browser's TextEncoder has it.
    const Row rows[] = {
        {"two and four bytes", u"О\U0001F600", "\xD0\x9E\xF0\x9F\x98\x80"},
        {"a high surrogate last", u"1\xD83D", "1\xEF\xBF\xBD"},
        {"a high surrogate before a digit",
         u"\xD83D"
         u"1",
         "\xEF\xBF\xBD"
         "1"},
        {"a low surrogate alone", u"\xDE00\xDE00", "\xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    RunRows("utf-8", rows,
            [](const Row& row) { CheckEqual<std::string>("bytes", row.Utf8, encoding::Utf8(row.Text)); });
}

// A control's place in the form's layout, in the form's pixels, as the
// style writes it: "#Name{left:calc(N*var(--u));top:…;width:…;height:…".
struct Place {
    double Left = -1;
    double Top = -1;
    double Width = -1;
    double Height = -1;
};

Place PlaceIn(const std::string& style, std::string_view name)
{
    Place place;
    double* parts[] = {&place.Left, &place.Top, &place.Width, &place.Height};
    std::size_t at = style.find("#" + std::string(name) + "{left:calc(");
    for (double* part : parts) {
        at = style.find("calc(", at);
        if (at == std::string::npos) {
            return Place{};
        }
        at += 5;
        *part = std::stod(style.substr(at, style.find('*', at) - at));
    }
    return place;
}

// Every place is offset by the margin round the form.
constexpr int MarginPx = 8;

void CheckPlace(const form::Control& control, const Place& place, const Place& box)
{
    const auto px = [](int twips) { return static_cast<double>(form::TwipsToPixels(twips, 96)); };
    const std::string name(control.Name);
    CheckEqual(name + " left", px(control.Rect.Left) + MarginPx, place.Left);
    CheckEqual(name + " width", px(control.Rect.Width), place.Width);
    CheckEqual(name + " height", px(control.Rect.Height), place.Height);
    const double centre = place.Top + place.Height / 2;
    const double boxCentre = box.Top + box.Height / 2;
    Check(name + " centred", centre >= boxCentre - 1 && centre <= boxCentre + 1, Shown(boxCentre), Shown(centre));
    if (&place == &box) {
        CheckEqual(name + " top", px(control.Rect.Top) + MarginPx, place.Top);
    }
}

void RunMarkupRows()
{
    const std::string markup = page::FormMarkup();
    const std::string style = page::FormStyle("12 1");
    StartRow("markup", "every control once, under its form name");
    for (const form::Control& control : form::Form1Controls) {
        const std::string id = IdOf(control.Name);
        const std::size_t first = markup.find(id);
        Check(id, first != std::string::npos && markup.find(id, first + 1) == std::string::npos, "once", "");
    }
    EndRow();
    StartRow("markup", "the focusable controls come in the keyboard's order");
    std::size_t last = 0;
    for (const form::Control* control : form::TabOrder()) {
        const std::size_t at = markup.find(IdOf(control->Name));
        Check(std::string(control->Name), at != std::string::npos && at >= last, "after the one before", "");
        last = at;
    }
    EndRow();
    StartRow("markup", "a caption names its box and comes before it");
    for (const form::Control& control : form::Form1Controls) {
        if (!control.LabelFor.empty()) {
            const std::size_t caption = markup.find(IdOf(control.Name));
            const std::string label = "for=\"" + std::string(control.LabelFor) + "\"";
            Check(std::string(control.Name), markup.find(label, caption) < markup.find(IdOf(control.LabelFor)), label,
                  "");
        }
    }
    EndRow();
    StartRow("markup", "each control's kind");
    for (const form::Control& control : form::Form1Controls) {
        const std::size_t at = markup.find(IdOf(control.Name));
        const std::string element = markup.substr(at, markup.find('>', at) - at);
        const bool entry = element.find("inputmode=\"decimal\"") != std::string::npos;
        const bool readOnly = element.find("readonly") != std::string::npos;
        const std::string link
            = "href=\"" + encoding::Utf8(CompanyPageAddress) + "\" target=\"_blank\" rel=\"noopener\"";
        Check(std::string(control.Name) + " decimal keys", entry == (control.Kind == form::ControlKind::EntryBox),
              "entry boxes only", element);
        Check(std::string(control.Name) + " read-only", readOnly == (control.Kind == form::ControlKind::ResultBox),
              "result boxes only", element);
        Check(std::string(control.Name) + " link", (element.find(link) != std::string::npos) == control.Link,
              "links only", element);
    }
    EndRow();
    StartRow("style", "each control where the form draws it, fifteen twips a pixel, each caption centred on its box");
    for (const page::Group& group : page::Groups()) {
        const Place box = PlaceIn(style, group.Focusable->Name);
        CheckPlace(*group.Focusable, box, box);
        for (const auto* captions : {&group.Before, &group.After}) {
            for (const form::Control* caption : *captions) {
                CheckPlace(*caption, PlaceIn(style, caption->Name), box);
            }
        }
    }
    EndRow();
    struct PlaceRow {
        const char* Name;
        std::string_view Rule;
    };
    // clang-format off
    const PlaceRow places[] = {
        {"the first box", "#Text1{left:calc(216*var(--u));top:calc(40*var(--u));width:calc(45*var(--u));height:calc(19*var(--u));"},
        {"the power's two-line caption", "#Label9{left:calc(332*var(--u));top:calc(138*var(--u));width:calc(129*var(--u));height:calc(33*var(--u));"},
        {"the power's box", "#Text7{left:calc(476*var(--u));top:calc(144*var(--u));width:calc(65*var(--u));height:calc(20*var(--u));"},
    };
    // clang-format on
    RunRows("style: where the form draws it", places, [&style](const PlaceRow& row) {
        Check("rule", style.find(row.Rule) != std::string::npos, std::string(row.Rule), "");
    });
}

// Under a request for more contrast a colour darkens just enough.
void RunShadeRows()
{
    struct Row {
        const char* Name;
        form::Rgb Colour;
        form::Rgb Ground;
        form::Rgb Expected;
    };
    const form::Rgb face{240, 240, 240};
    const Row rows[] = {
        {"the form's red on the window's face", {255, 0, 0}, face, {221, 0, 0}},
        {"a colour that already reads is kept", {0, 0, 192}, face, {0, 0, 192}},
        {"a mixed colour keeps its hue", {255, 128, 0}, face, {172, 86, 0}},
        {"on a dark ground no shade reaches it: black", {128, 0, 0}, {20, 20, 20}, {0, 0, 0}},
    };
    RunRows("shade", rows, [](const Row& row) {
        const form::Rgb shade = page::DarkenedFor(row.Colour, row.Ground, 4.5);
        const auto text = [](const form::Rgb& c) {
            return std::to_string(c.Red) + "," + std::to_string(c.Green) + "," + std::to_string(c.Blue);
        };
        CheckEqual<std::string>("shade", text(row.Expected), text(shade));
    });
}

}  // namespace
}  // namespace acpower::test

int main()
{
    acpower::test::RunBase64Rows();
    acpower::test::RunHexRows();
    acpower::test::RunIconRows();
    acpower::test::RunTextRows();
    acpower::test::RunMarkupRows();
    acpower::test::RunShadeRows();
    return acpower::test::Summary();
}
