#include "form/bindings.h"
#include "form/colours.h"
#include "form/form1.h"
#include "tools/page/page_markup.h"

#include <algorithm>
#include <cstdio>

namespace acpower::page {
namespace {

// Twips at 96 DPI, which browsers call CSS pixels.
constexpr int CssDotsPerInch = 96;

// The stand-in the Linux window uses for the named face: Arial's widths, so
// the captions fit the boxes the form gives them.
constexpr std::string_view FaceStack = R"("Liberation Sans", Arial, sans-serif)";

// What the form was drawn on; the page keeps that look whatever the browser's
// theme, as the desktop window does on a dark desktop.
constexpr form::Rgb WindowFace = form::ClassicLight.Window;

// A margin round the form, so that «Компания» does not touch the edge of
// what holds it.
constexpr int MarginPx = 8;

// WCAG's least contrast for text of the form's sizes.
constexpr double TextContrast = 4.5;

// The form's layout scales by the width it is given, never past twice.
constexpr int LargestScale = 2;

int Pixels(int twips)
{
    return form::TwipsToPixels(twips, CssDotsPerInch);
}

std::string Number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string shown = text;
    shown.erase(shown.find_last_not_of('0') + 1);
    if (shown.back() == '.') {
        shown.pop_back();
    }
    return shown;
}

// A length of the form's layout: pixels of the form as drawn, times the
// scale the width gives.
std::string Scaled(double pixels)
{
    return "calc(" + Number(pixels) + "*var(--u))";
}

std::string Css(const form::Rgb& colour)
{
    return "rgb(" + std::to_string(colour.Red) + "," + std::to_string(colour.Green) + "," + std::to_string(colour.Blue)
        + ")";
}

double FontPixels(const form::Font& font)
{
    return font.CentiPoints * CssDotsPerInch / 7200.0;
}

// Where a control stands in the form's layout. A caption is centred on the
// box it travels with, so that its text lines up with the box's text.
std::string Place(const form::Control& control, const form::Control& box)
{
    const form::Twips& rect = control.Rect;
    const int top = &control == &box ? rect.Top : box.Rect.Top + (box.Rect.Height - rect.Height) / 2;
    return "left:" + Scaled(Pixels(rect.Left) + MarginPx) + ";top:" + Scaled(Pixels(top) + MarginPx)
        + ";width:" + Scaled(Pixels(rect.Width)) + ";height:" + Scaled(Pixels(rect.Height)) + ";";
}

// The form's layout for one control; the table's order stacks them, as on
// the desktop: of two neighbours that touch, the later one is drawn on top.
std::string WideRule(const form::Control& control, const form::Control& box)
{
    const std::size_t stacking = static_cast<std::size_t>(&control - form::Form1Controls.data()) + 1;
    std::string rule
        = "#" + std::string(control.Name) + "{" + Place(control, box) + "z-index:" + std::to_string(stacking) + ";";
    if (control.OwnFont) {
        rule += "font-size:" + Scaled(FontPixels(*control.OwnFont)) + ";";
    }
    if (control.Kind == form::ControlKind::Caption) {
        const bool right = control.Align == form::TextAlign::Right;
        rule += std::string("justify-content:") + (right ? "flex-end" : "flex-start")
            + ";text-align:" + (right ? "right" : "left") + ";";
        rule += control.WordWrap ? "white-space:normal;" : "white-space:nowrap;";
    }
    return rule + "}";
}

// The form as drawn, scaled so that it fills the width it is given.
std::string WideLayout()
{
    const int formWidth = Pixels(form::Form1.ClientWidth) + 2 * MarginPx;
    const int formHeight = Pixels(form::Form1.ClientHeight) + 2 * MarginPx;
    std::string css
        = "@media not " + std::string(TouchQuery) + "{@container (min-width:" + std::to_string(WideFromPx) + "px){";
    css += ".acpower-form{--u:min(100cqw/" + std::to_string(formWidth) + "," + std::to_string(LargestScale)
        + "px);display:block;position:relative;padding:0;margin:0 auto;width:" + Scaled(formWidth)
        + ";height:" + Scaled(formHeight) + ";font-size:" + Scaled(FontPixels(form::Form1.DefaultFont)) + "}";
    css += ".acpower-group{display:contents}.acpower-group>*{position:absolute}#PowerClass,#NoticeUndo{display:none}";
    css += ".acpower-live{position:absolute;left:0;top:0;right:0;height:0;margin:0}#Hint{margin:0}";
    // What the one column sets for fingers, undone.
    css += ".acpower a,.acpower input,.acpower select,.acpower-caption{min-height:0;min-width:0}";
    // Notes go where the form has nothing: right of the entry boxes, above
    // the results; the explanation, too long for that, under the form, below
    // the results.
    const int left = Pixels(form::FindControl("Label7")->Rect.Left) + MarginPx;
    css += "#Notice,#Hint{position:absolute;width:max-content}#Notice{left:" + Scaled(left) + ";top:" + Scaled(MarginPx)
        + ";max-width:" + Scaled(formWidth - left - MarginPx) + "}";
    css += "#Hint{right:" + Scaled(MarginPx) + ";top:" + Scaled(formHeight) + "}";
    for (const Group& group : Groups()) {
        for (const auto* captions : {&group.Before, &group.After}) {
            for (const form::Control* caption : *captions) {
                css += WideRule(*caption, *group.Focusable);
            }
        }
        css += WideRule(*group.Focusable, *group.Focusable);
    }
    return css + "}}\n";
}

// The order of the one column: the results first, pinned to the top while
// the rest scrolls under them, then the groups in the keyboard's order, each
// note right after the box it speaks of.
std::string ColumnOrder()
{
    std::string css;
    int order = 10;
    int result = 1;
    for (const Group& group : Groups()) {
        const std::string name(group.Focusable->Name);
        const bool isResult = group.Focusable->Kind == form::ControlKind::ResultBox;
        css += ".acpower-group:has(>#" + name + "){order:" + std::to_string(isResult ? result++ : order) + "}";
        if (group.Focusable->Kind == form::ControlKind::EntryBox) {
            css += ".acpower-form:has(#Notice[data-box=" + name + "]) .acpower-live{order:" + std::to_string(order + 1)
                + "}";
        }
        order += 2;
    }
    return css + "#Hint{order:" + std::to_string(result) + "}#PowerClass{order:" + std::to_string(result + 1) + "}";
}

// A phone, or a narrow column: the controls one under the other, captions
// above their boxes, text big enough that the phone does not zoom into a
// focused box, targets a finger can hit.
std::string ColumnLayout()
{
    std::string css
        = ".acpower-form{display:flex;flex-wrap:wrap;align-items:flex-end;gap:0 12px;padding:8px;font-size:16px}"
          ".acpower-group{flex:1 1 100%;display:flex;flex-direction:column;align-items:stretch;margin-bottom:12px}"
          ".acpower-links{flex:0 0 auto;flex-direction:row;align-items:center;gap:6px}"
          ".acpower-caption{justify-content:flex-start;text-align:left;white-space:normal;min-height:24px}"
          ".acpower a{min-height:44px;min-width:44px}"
          ".acpower input,.acpower select{width:100%;min-height:44px}"
          ".acpower input:not([readonly]),.acpower select{scroll-margin-top:120px}"
          "#PowerClass,.acpower-live,#Hint{flex:1 1 100%;margin-bottom:12px}"
          ".acpower-live{order:99}";
    // Both results side by side on one line that stays in view while a box
    // low on the screen has the focus and the keyboard covers the bottom.
    // The shadows fill the gap between them, which would show what scrolls by.
    css += ".acpower-result{flex:1 1 40%;position:sticky;top:0;z-index:2;padding-top:4px;background:" + Css(WindowFace)
        + ";box-shadow:6px 0 " + Css(WindowFace) + ",-6px 0 " + Css(WindowFace) + "}";
    return css + ColumnOrder() + "\n";
}

std::string ControlColours()
{
    std::string css;
    for (const form::Control& control : form::Form1Controls) {
        std::string look;
        if (control.TextColour) {
            look += "color:" + Css(*control.TextColour) + ";";
        }
        if (control.Background) {
            look += "background:" + Css(*control.Background) + ";";
        }
        if (control.OwnFont && control.OwnFont->Bold) {
            look += "font-weight:bold;";
        }
        css += look.empty() ? "" : "#" + std::string(control.Name) + "{" + look + "}";
    }
    return css + "\n";
}

// Under a request for more contrast, and on paper, the captions whose colour
// does not reach it on the window's face take the nearest darker shade.
std::string MoreContrast()
{
    std::string css;
    for (const form::Control& control : form::Form1Controls) {
        if (control.TextColour && form::ContrastRatio(*control.TextColour, WindowFace) < TextContrast) {
            css += "#" + std::string(control.Name)
                + "{color:" + Css(DarkenedFor(*control.TextColour, WindowFace, TextContrast)) + "}";
        }
    }
    return css.empty() ? "" : "@media (prefers-contrast:more),print{" + css + "}\n";
}

std::string Notes()
{
    std::string css = "#Notice,#Hint{z-index:100;max-width:100%;padding:2px 4px;border:1px solid "
        + Css(form::ClassicLight.Text) + ";background:" + Css(form::ClassicLight.Base)
        + ";color:" + Css(form::ClassicLight.Text) + ";white-space:pre-line;width:max-content}\n";
    css += "#Notice[hidden],#Hint[hidden]{display:none}\n";
    // A note over a box must not keep the mouse from it.
    css += "#Notice,#Hint{pointer-events:none}#NoticeUndo{pointer-events:auto}\n";
    css += "#NoticeUndo{display:block;margin-top:6px;min-height:44px;min-width:44px;padding:0 12px;border:1px solid "
           "rgb(122,122,122);background:"
        + Css(WindowFace) + ";color:" + Css(form::ClassicLight.Text) + "}\n";
    return css;
}

}  // namespace

form::Rgb DarkenedFor(const form::Rgb& colour, const form::Rgb& ground, double ratio)
{
    const int strongest = std::max({colour.Red, colour.Green, colour.Blue});
    for (int top = strongest; top > 0; --top) {
        const auto part = [&](std::uint8_t channel) { return static_cast<std::uint8_t>(channel * top / strongest); };
        const form::Rgb shade{part(colour.Red), part(colour.Green), part(colour.Blue)};
        if (form::ContrastRatio(shade, ground) >= ratio) {
            return shade;
        }
    }
    return form::Rgb{0, 0, 0};
}

std::string FormStyle(std::string_view cursorHotSpot)
{
    std::string css = ":host{display:block}";
    // all:initial first: nothing of a host page's styles reaches into the
    // form. The form's layout follows this box's width.
    css += ".acpower{all:initial;display:block;container-type:inline-size;box-sizing:border-box;background:"
        + Css(WindowFace) + ";color:" + Css(form::ClassicLight.WindowText)
        + ";font:" + Number(FontPixels(form::Form1.DefaultFont)) + "px " + std::string(FaceStack)
        + ";line-height:normal;text-align:left;white-space:normal;cursor:default}\n";
    css += ".acpower *{box-sizing:border-box;margin:0;font:inherit;letter-spacing:normal}\n";
    css += ".acpower-caption{display:flex;align-items:center;overflow:visible;text-decoration:none;color:inherit}\n";
    css += ".acpower a{cursor:url(" + std::string(LinkCursorMark) + ") " + std::string(cursorHotSpot) + ",pointer}\n";
    // A focus mark that can be seen: 2 px, black on the window's face.
    css += ".acpower a:focus-visible{outline:2px solid " + Css(form::ClassicLight.WindowText)
        + ";outline-offset:1px}\n";
    css += ".acpower input,.acpower select{display:block;padding:0 2px;border:1px solid "
           "rgb(122,122,122);border-radius:0;"
           "background:"
        + Css(form::ClassicLight.Base) + ";color:" + Css(form::ClassicLight.Text) + ";min-width:0}\n";
    css += ".acpower-live{position:relative}\n";
    css += Notes() + ControlColours() + ColumnLayout() + WideLayout() + MoreContrast();
    return css;
}

}  // namespace acpower::page
