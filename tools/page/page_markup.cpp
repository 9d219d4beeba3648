#include "tools/page/page_markup.h"

#include "core/hints.h"
#include "form/bindings.h"
#include "form/colours.h"
#include "form/company_page.h"
#include "form/form1.h"
#include "tools/encoding/text_out.h"

#include <cstdlib>
#include <string_view>
#include <vector>

namespace acpower::page {
namespace {

using encoding::HtmlEscaped;
using encoding::JsString;
using encoding::Utf8;

// Twips at 96 DPI, which browsers call CSS pixels.
constexpr int CssDotsPerInch = 96;

// The stand-in the Linux window uses for the named face: Arial's widths, so
// the captions fit the boxes the form gives them.
constexpr std::string_view FaceStack = R"("Liberation Sans", Arial, sans-serif)";

// What the form was drawn on; the page keeps that look whatever the browser's
// theme, as the desktop window does on a dark desktop.
constexpr form::Rgb WindowFace = form::ClassicLight.Window;

std::string Px(int twips)
{
    return std::to_string(form::TwipsToPixels(twips, CssDotsPerInch)) + "px";
}

std::string Css(const form::Rgb& colour)
{
    return "rgb(" + std::to_string(colour.Red) + "," + std::to_string(colour.Green) + "," + std::to_string(colour.Blue)
        + ")";
}

std::string Points(const form::Font& font)
{
    const std::string whole = std::to_string(font.CentiPoints / 100);
    const int hundredths = font.CentiPoints % 100;
    if (hundredths == 0) {
        return whole + "pt";
    }
    const std::string digits = (hundredths < 10 ? "0" : "") + std::to_string(hundredths);
    return whole + "." + (digits.back() == '0' ? digits.substr(0, 1) : digits) + "pt";
}

std::string FontCss(const form::Font& font)
{
    return std::string(font.Bold ? "bold " : "") + Points(font) + " " + std::string(FaceStack);
}

// Below the form's own width the page lays the controls out in one column.
std::string NarrowQuery()
{
    return "(max-width: " + std::to_string(form::TwipsToPixels(form::Form1.ClientWidth, CssDotsPerInch) - 1) + ".98px)";
}

std::string WideQuery()
{
    return "(min-width: " + Px(form::Form1.ClientWidth) + ")";
}

bool Overlaps(const form::Twips& a, const form::Twips& b)
{
    return a.Top < b.Top + b.Height && b.Top < a.Top + a.Height;
}

struct Group {
    const form::Control* Focusable;
    std::vector<const form::Control*> Before;
    std::vector<const form::Control*> After;
};

// A caption that names a box goes just before it. One that names none goes
// with the nearest control on its row, on the side it is drawn, so "Компания"
// stays before the brand and "сторону" after the selector.
std::vector<Group> Groups()
{
    std::vector<Group> groups;
    for (const form::Control* control : form::TabOrder()) {
        groups.push_back(Group{control, {}, {}});
    }
    for (const form::Control& caption : form::Form1Controls) {
        if (form::TakesFocus(caption)) {
            continue;
        }
        Group* nearest = nullptr;
        int distance = 0;
        for (Group& group : groups) {
            const form::Twips& box = group.Focusable->Rect;
            const int gap = std::abs(box.Left - caption.Rect.Left);
            const bool named = caption.LabelFor == group.Focusable->Name;
            const bool candidate = caption.LabelFor.empty() && Overlaps(box, caption.Rect);
            if (named || (candidate && (nearest == nullptr || gap < distance))) {
                nearest = &group;
                distance = named ? -1 : gap;
            }
        }
        if (nearest == nullptr) {
            continue;
        }
        auto& side = caption.Rect.Left < nearest->Focusable->Rect.Left ? nearest->Before : nearest->After;
        side.push_back(&caption);
    }
    return groups;
}

std::string CaptionMarkup(const form::Control& caption)
{
    const std::string id = std::string(caption.Name);
    const std::string text = HtmlEscaped(Utf8(caption.Caption));
    if (caption.Link) {
        return "<a id=\"" + id + "\" class=\"acpower-caption\" href=\"" + HtmlEscaped(Utf8(CompanyPageAddress))
            + "\" target=\"_blank\" rel=\"noopener\">" + text + "</a>";
    }
    if (!caption.LabelFor.empty()) {
        return "<label id=\"" + id + "\" class=\"acpower-caption\" for=\"" + std::string(caption.LabelFor) + "\">"
            + text + "</label>";
    }
    return "<span id=\"" + id + "\" class=\"acpower-caption\">" + text + "</span>";
}

std::string ControlMarkup(const form::Control& control)
{
    const std::string id = std::string(control.Name);
    switch (control.Kind) {
    case form::ControlKind::EntryBox:
        return "<input id=\"" + id
            + "\" type=\"text\" inputmode=\"decimal\" autocomplete=\"off\" autocapitalize=\"off\" "
              "spellcheck=\"false\">";
    case form::ControlKind::ResultBox:
        return "<input id=\"" + id + "\" type=\"text\" readonly>";
    case form::ControlKind::Selector:
        return "<select id=\"" + id + "\"></select>";
    case form::ControlKind::Caption:
        break;
    }
    return CaptionMarkup(control);
}

std::string ControlStyle(const form::Control& control, std::size_t stacking)
{
    std::string look;
    if (control.TextColour) {
        look += "color:" + Css(*control.TextColour) + ";";
    }
    if (control.Background) {
        look += "background:" + Css(*control.Background) + ";";
    }
    if (control.OwnFont) {
        look += "font:" + FontCss(*control.OwnFont) + ";";
    }
    std::string rule = look.empty() ? "" : "#" + std::string(control.Name) + "{" + look + "}\n";
    // The table's order stacks them, as on the desktop: of two neighbours that
    // touch, the later one is drawn on top.
    rule += "@media " + WideQuery() + "{#" + std::string(control.Name) + "{left:" + Px(control.Rect.Left)
        + ";top:" + Px(control.Rect.Top) + ";width:" + Px(control.Rect.Width) + ";height:" + Px(control.Rect.Height)
        + ";z-index:" + std::to_string(stacking + 1) + ";";
    if (control.Kind == form::ControlKind::Caption) {
        rule += "justify-content:" + std::string(control.Align == form::TextAlign::Right ? "flex-end" : "flex-start")
            + ";text-align:" + (control.Align == form::TextAlign::Right ? "right" : "left") + ";";
        rule += control.WordWrap ? "white-space:normal;" : "white-space:nowrap;";
    }
    return rule + "}}\n";
}

}  // namespace

std::string FormMarkup()
{
    const std::string_view powerBox = form::ResultBoxes[1].Box;
    std::string html;
    for (const Group& group : Groups()) {
        html += group.Focusable->Link ? "<div class=\"acpower-group acpower-links\">" : "<div class=\"acpower-group\">";
        for (const form::Control* caption : group.Before) {
            html += CaptionMarkup(*caption);
        }
        html += ControlMarkup(*group.Focusable);
        for (const form::Control* caption : group.After) {
            html += CaptionMarkup(*caption);
        }
        html += "</div>\n";
        if (group.Focusable->Name == powerBox) {
            html += "<p id=\"PowerClass\"></p>\n";
        }
    }
    html += "<div class=\"acpower-live\" role=\"status\" aria-live=\"polite\"><div id=\"Notice\" hidden></div></div>\n";
    html += "<div id=\"Hint\" role=\"tooltip\" hidden></div>\n";
    return html;
}

std::string FormStyle(std::string_view cursorHotSpot)
{
    const std::string narrow = NarrowQuery();
    std::string css;
    // all:initial first: nothing of a host page's styles reaches into the form.
    css += ".acpower{all:initial;display:block;position:relative;box-sizing:border-box;background:" + Css(WindowFace)
        + ";color:" + Css(form::ClassicLight.WindowText) + ";font:" + FontCss(form::Form1.DefaultFont)
        + ";line-height:normal;text-align:left;white-space:normal;cursor:default}\n";
    css += ".acpower *{box-sizing:border-box;margin:0;font:inherit;letter-spacing:normal}\n";
    css += ".acpower-caption{display:flex;align-items:center;overflow:visible;text-decoration:none;color:inherit}\n";
    css += ".acpower a{cursor:url(" + std::string(LinkCursorMark) + ") " + std::string(cursorHotSpot) + ",pointer}\n";
    css += ".acpower a:focus-visible{outline:1px dotted currentColor;outline-offset:0}\n";
    css += ".acpower input,.acpower select{display:block;padding:0 2px;border:1px solid "
           "rgb(122,122,122);border-radius:0;"
           "background:"
        + Css(form::ClassicLight.Base) + ";color:" + Css(form::ClassicLight.Text) + ";min-width:0}\n";
    css += ".acpower .acpower-live{position:absolute;left:0;top:0;right:0;height:0}#Hint,#Notice{position:absolute}\n";
    css += "#Notice,#Hint{z-index:100;max-width:100%;padding:2px 4px;border:1px solid " + Css(form::ClassicLight.Text)
        + ";background:" + Css(form::ClassicLight.Base) + ";color:" + Css(form::ClassicLight.Text)
        + ";white-space:pre-line;width:max-content}\n";
    css += "#Notice[hidden],#Hint[hidden]{display:none}\n";
    // A note over a box must not keep the mouse from it.
    css += "#Notice,#Hint{pointer-events:none}#NoticeUndo{pointer-events:auto}\n";
    css += "#NoticeUndo{display:block;margin-top:6px;min-height:44px;min-width:44px;padding:0 12px;border:1px solid "
           "rgb(122,122,122);background:"
        + Css(WindowFace) + ";color:" + Css(form::ClassicLight.Text) + "}\n";
    for (std::size_t i = 0; i < form::Form1Controls.size(); ++i) {
        css += ControlStyle(form::Form1Controls[i], i);
    }
    css += "@media " + WideQuery() + "{.acpower{width:" + Px(form::Form1.ClientWidth)
        + ";height:" + Px(form::Form1.ClientHeight)
        + "}.acpower-group{display:contents}.acpower-group>*{position:absolute}#PowerClass{display:none}}\n";
    // A phone: one column in the keyboard's order, captions above their boxes,
    // text big enough that the phone does not zoom into a focused box, and
    // targets a finger can hit.
    css += "@media " + narrow
        + "{.acpower{display:flex;flex-wrap:wrap;align-items:center;padding:8px;width:100%}"
          ".acpower *{font-size:16px!important}"
          ".acpower-group{flex:1 1 100%;display:flex;flex-direction:column;align-items:stretch;margin-bottom:12px}"
          ".acpower-links{flex:0 0 auto;flex-direction:row;align-items:center;gap:6px;margin-right:12px}"
          ".acpower-caption{justify-content:flex-start;text-align:left;white-space:normal;min-height:24px}"
          ".acpower a{min-height:44px;min-width:44px}"
          ".acpower input,.acpower select{width:100%;min-height:44px}"
          "#PowerClass{flex:1 1 100%;margin-bottom:12px}"
          "#Notice,#Hint{max-width:calc(100% - 16px)}}\n";
    return css;
}

std::string FormFacts(std::string_view cursorHotSpot, bool withLook)
{
    std::string entries;
    for (const form::EntryBinding& binding : form::EntryBoxes) {
        entries += (entries.empty() ? "" : ",") + JsString(binding.Box);
    }
    std::string results;
    for (const form::ResultBinding& binding : form::ResultBoxes) {
        results += (results.empty() ? "" : ",") + JsString(binding.Box);
    }
    return "const ACPOWER_FORM={entries:[" + entries + "],results:[" + results
        + "],selector:" + JsString(form::SideSelector) + ",first:" + JsString(form::TabOrder().front()->Name)
        + ",noticeMs:" + std::to_string(NoticeMilliseconds) + ",title:" + JsString(Utf8(form::Form1.Title))
        + ",narrow:" + JsString(NarrowQuery()) + ",cursorMark:" + JsString(LinkCursorMark)
        + (withLook ? ",markup:" + JsString(FormMarkup()) + ",style:" + JsString(FormStyle(cursorHotSpot)) : "")
        + "};\n";
}

std::string FormTitle()
{
    return HtmlEscaped(Utf8(form::Form1.Title));
}

}  // namespace acpower::page
