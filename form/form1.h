#pragma once

// The calculator's one window, described once for every window toolkit: the
// Qt and the Win32 window both build their controls straight from this
// table. Positions and sizes are in twips, 1440 to the inch, so each toolkit
// scales them to its display.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace acpower::form {

enum class ControlKind {
    Caption,
    EntryBox,
    ResultBox,  // read-only; every recalculation rewrites it
    Selector,   // a drop-down list that takes no typed text
};

enum class TextAlign {
    Left,
    Right,
};

struct Twips {
    int Left;
    int Top;
    int Width;
    int Height;
};

struct Rgb {
    std::uint8_t Red;
    std::uint8_t Green;
    std::uint8_t Blue;

    constexpr bool operator==(const Rgb& other) const
    {
        return Red == other.Red && Green == other.Green && Blue == other.Blue;
    }
};

struct Font {
    std::string_view Face;
    int CentiPoints;  // 975 is 9.75 pt
    bool Bold;
};

// Cyrillic, as every face of the form is asked for on Windows.
inline constexpr int FontCharset = 204;

struct Control {
    std::string_view Name;  // public: scripts and screen readers find controls by it
    int Id;                 // the Win32 control ID
    ControlKind Kind;
    std::u16string_view Caption;
    Twips Rect;
    TextAlign Align;
    std::optional<Rgb> TextColour;  // none: the platform's default
    std::optional<Rgb> Background;  // none: the platform's default
    std::optional<Font> OwnFont;    // none: the window's font
    bool WordWrap;
    bool Link;                  // opens the company page on a click, under the link cursor
    std::string_view LabelFor;  // the box a caption names, for screen readers
};

struct Window {
    std::string_view Name;
    std::u16string_view Title;
    int ClientWidth;   // twips
    int ClientHeight;  // twips
    Font DefaultFont;
};

inline constexpr Rgb DarkBlue{0, 0, 192};
inline constexpr Rgb Red{255, 0, 0};
inline constexpr Rgb LightGrey{224, 224, 224};

inline constexpr std::string_view NamedFace = "MS Sans Serif";
inline constexpr Font WindowFont{NamedFace, 800, false};
inline constexpr Font PowerCaptionFont{NamedFace, 975, false};
inline constexpr Font PowerResultFont{NamedFace, 975, true};

inline constexpr Window Form1{
    "Form1", u"Предварительный расчет требуемой мощности кондиционера", 8655, 3330, WindowFont,
};

inline constexpr std::optional<Rgb> Default;
inline constexpr std::optional<Font> InheritedFont;

// clang-format off
inline constexpr std::array<Control, 20> Form1Controls{{
    // Name       Id   Kind                    Caption                        Left  Top   Width Height Align             Text      Background Font              Wrap   Link   Caption for
    {"Label57",   257, ControlKind::Caption,   u"Компания",                   {0,    60,   855,  195}, TextAlign::Left,  Default,  Default,   InheritedFont,      false, false, {}       },
    {"Label55",   255, ControlKind::Caption,   u"ОРНИК",                      {840,  60,   615,  195}, TextAlign::Left,  DarkBlue, Default,   InheritedFont,      false, true, {}       },
    {"Label56",   256, ControlKind::Caption,   u"ВЕЙМ",                       {1440, 60,   555,  195}, TextAlign::Left,  Red,      Default,   InheritedFont,      false, true, {}       },
    {"Label2",    202, ControlKind::Caption,   u"Площадь, кв. м",             {1680, 480,  1335, 255}, TextAlign::Right, Default,  Default,   InheritedFont,      false, false, "Text1"  },
    {"Text1",     101, ControlKind::EntryBox,  u"",                           {3120, 480,  675,  285}, TextAlign::Left,  Default,  Default,   InheritedFont,      false, false, {}       },
    {"Label3",    203, ControlKind::Caption,   u"Высота потолка, м",          {1440, 900,  1515, 255}, TextAlign::Right, Default,  Default,   InheritedFont,      false, false, "Text2"  },
    {"Text2",     102, ControlKind::EntryBox,  u"",                           {3120, 900,  675,  285}, TextAlign::Left,  Default,  Default,   InheritedFont,      false, false, {}       },
    {"Label4",    204, ControlKind::Caption,   u"Кол-во человек",             {1740, 1320, 1275, 255}, TextAlign::Right, Default,  Default,   InheritedFont,      false, false, "Text3"  },
    {"Text3",     103, ControlKind::EntryBox,  u"",                           {3120, 1320, 675,  285}, TextAlign::Left,  Default,  Default,   InheritedFont,      false, false, {}       },
    {"Label8",    208, ControlKind::Caption,   u"Объем помещения, куб. м",    {4800, 1500, 2055, 255}, TextAlign::Right, DarkBlue, Default,   InheritedFont,      false, false, "Text6"  },
    {"Text6",     106, ControlKind::ResultBox, u"",                           {7020, 1500, 975,  285}, TextAlign::Left,  Default,  LightGrey, InheritedFont,      false, false, {}       },
    {"Label5",    205, ControlKind::Caption,   u"Кол-во компьютеров",         {1320, 1740, 1635, 255}, TextAlign::Right, Default,  Default,   InheritedFont,      false, false, "Text4"  },
    {"Text4",     104, ControlKind::EntryBox,  u"",                           {3120, 1740, 675,  285}, TextAlign::Left,  Default,  Default,   InheritedFont,      false, false, {}       },
    {"Label9",    209, ControlKind::Caption,   u"Мощность кондиционера, кВт", {4860, 1920, 1935, 495}, TextAlign::Right, Red,      Default,   PowerCaptionFont, true,  false, "Text7"  },
    {"Text7",     107, ControlKind::ResultBox, u"",                           {7020, 2040, 975,  300}, TextAlign::Left,  Default,  LightGrey, PowerResultFont,  false, false, {}       },
    {"Label10",   210, ControlKind::Caption,   u"Мощность эл. приборов, Вт",  {840,  2160, 2175, 255}, TextAlign::Right, Default,  Default,   InheritedFont,      false, false, "Text5"  },
    {"Text5",     105, ControlKind::EntryBox,  u"",                           {3120, 2160, 675,  285}, TextAlign::Left,  Default,  Default,   InheritedFont,      false, false, {}       },
    {"Combo1",    111, ControlKind::Selector,  u"",                           {2640, 2640, 1215, 315}, TextAlign::Left,  Default,  Default,   InheritedFont,      false, false, {}       },
    {"Label6",    206, ControlKind::Caption,   u"Окна выходят на",            {1260, 2700, 1335, 255}, TextAlign::Right, Default,  Default,   InheritedFont,      false, false, "Combo1" },
    {"Label7",    207, ControlKind::Caption,   u"сторону",                    {3900, 2700, 855,  195}, TextAlign::Left,  Default,  Default,   InheritedFont,      false, false, {}       },
}};
// clang-format on

// The control of that name or Win32 ID, or nullptr. Usable in constant
// expressions, so that a misspelt name in a binding fails the build.
constexpr const Control* FindControl(std::string_view name)
{
    for (const Control& control : Form1Controls) {
        if (control.Name == name) {
            return &control;
        }
    }
    return nullptr;
}

constexpr const Control* FindControl(int id)
{
    for (const Control& control : Form1Controls) {
        if (control.Id == id) {
            return &control;
        }
    }
    return nullptr;
}

constexpr bool NamesA(std::string_view name, ControlKind kind)
{
    const Control* control = FindControl(name);
    return control != nullptr && control->Kind == kind;
}

// Twips to device pixels at the given dots per inch, rounded to nearest:
// at 96 DPI fifteen twips make one pixel.
int TwipsToPixels(int twips, int dotsPerInch);

// A caption is passed over by Tab unless it is a link, which the keyboard
// must be able to follow as the mouse can.
constexpr bool TakesFocus(const Control& control)
{
    return control.Kind != ControlKind::Caption || control.Link;
}

constexpr std::size_t CountFocusable()
{
    std::size_t count = 0;
    for (const Control& control : Form1Controls) {
        count += TakesFocus(control) ? 1 : 0;
    }
    return count;
}

inline constexpr std::size_t FocusableCount = CountFocusable();

// The order Tab visits the controls that take the focus in; every window and
// test takes it from here, through TabOrder().
inline constexpr std::array<std::string_view, FocusableCount> KeyboardOrder{
    "Text1", "Text2", "Text3", "Text4", "Text5", "Combo1", "Text6", "Text7", "Label55", "Label56",
};

constexpr bool KeyboardOrderComplete()
{
    for (std::size_t i = 0; i < KeyboardOrder.size(); ++i) {
        const Control* control = FindControl(KeyboardOrder[i]);
        if (control == nullptr || !TakesFocus(*control)) {
            return false;
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (KeyboardOrder[j] == KeyboardOrder[i]) {
                return false;
            }
        }
    }
    return true;
}

static_assert(KeyboardOrderComplete(), "the keyboard order names each control that takes the focus once");

// The controls that take the keyboard focus, in the order Tab visits them.
std::array<const Control*, FocusableCount> TabOrder();

}  // namespace acpower::form
