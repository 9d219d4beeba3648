#include "tools/page/page_markup.h"

#include "core/hints.h"
#include "form/bindings.h"
#include "form/colours.h"
#include "form/company_page.h"
#include "form/form1.h"
#include "tools/encoding/text_out.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace acpower::page {
namespace {

using encoding::HtmlEscaped;
using encoding::JsString;
using encoding::Utf8;

bool Overlaps(const form::Twips& a, const form::Twips& b)
{
    return a.Top < b.Top + b.Height && b.Top < a.Top + a.Height;
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

}  // namespace

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

std::string FormMarkup()
{
    const std::string_view powerBox = form::ResultBoxes[1].Box;
    // The layout is chosen by the width of what holds the form, which a
    // container query can only ask of an ancestor.
    std::string html = "<div class=\"acpower-form\">\n";
    for (const Group& group : Groups()) {
        const bool result = group.Focusable->Kind == form::ControlKind::ResultBox;
        html += group.Focusable->Link ? "<div class=\"acpower-group acpower-links\">"
            : result                  ? "<div class=\"acpower-group acpower-result\">"
                                      : "<div class=\"acpower-group\">";
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
    html += "<div id=\"Hint\" role=\"tooltip\" hidden></div>\n</div>\n";
    return html;
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
        + ",noticeMs:" + std::to_string(NoticeMilliseconds) + ",touch:" + JsString(TouchQuery)
        + ",restoreButton:" + JsString(Utf8(RestoreButtonCaption)) + ",title:" + JsString(Utf8(form::Form1.Title))
        + ",cursorMark:" + JsString(LinkCursorMark)
        + (withLook ? ",markup:" + JsString(FormMarkup()) + ",style:" + JsString(FormStyle(cursorHotSpot)) : "")
        + "};\n";
}

std::string ThemeColour()
{
    const form::Rgb& face = form::ClassicLight.Window;
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x", face.Red, face.Green, face.Blue);
    return hex;
}

std::string SiteManifest()
{
    const auto entry = [](std::string_view name, std::string_view size, std::string_view purpose) {
        return std::string(R"({"src":")") + std::string(name) + R"(","sizes":")" + std::string(size)
            + R"(","type":"image/png")" + std::string(purpose) + "}";
    };
    return std::string("{\n") + R"("name":)" + JsString(Utf8(form::Form1.Title)) + ",\n" + R"("short_name":)"
        + JsString(Utf8(ShortName)) + ",\n" + R"("lang":"ru","dir":"ltr","start_url":"./","scope":"./",)" + "\n"
        + R"("display":"standalone","theme_color":")" + ThemeColour() + R"(","background_color":")" + ThemeColour()
        + "\",\n" + R"("icons":[)" + entry("icon-192.png", "192x192", "") + "," + entry("icon-512.png", "512x512", "")
        + "," + entry("icon-maskable-512.png", "512x512", R"(,"purpose":"maskable")") + "]\n}\n";
}

std::string FormTitle()
{
    return HtmlEscaped(Utf8(form::Form1.Title));
}

}  // namespace acpower::page
