#include "win32/internal/form_look.h"

#include "win32/internal/colour_ref.h"
#include "win32/internal/fonts.h"
#include "win32/internal/resource_ids.h"
#include "win32/internal/wide_text.h"

#include <string>

namespace acpower::win32 {
namespace {

// The pixels kept free right of right-aligned captions.
constexpr int CaptionOverhang = 2;

// The system colours the controls are drawn with: captions in the button
// text colour on the dialog face, boxes in the window text colour on the
// window colour.
form::Theme SystemTheme()
{
    return form::Theme{RgbOf(GetSysColor(COLOR_BTNFACE)), RgbOf(GetSysColor(COLOR_BTNTEXT)),
                       RgbOf(GetSysColor(COLOR_WINDOW)), RgbOf(GetSysColor(COLOR_WINDOWTEXT))};
}

bool SameFont(const form::Font& left, const form::Font& right)
{
    return left.Face == right.Face && left.CentiPoints == right.CentiPoints && left.Bold == right.Bold;
}

const form::Control* Described(HWND control)
{
    return form::FindControl(GetDlgCtrlID(control));
}

// Puts the device context's previous object back, however the drawing ends.
class Selection {
public:
    explicit Selection(HDC dc, HGDIOBJ object)
        : dc_(dc)
        , previous_(SelectObject(dc, object))
    {
    }
    ~Selection()
    {
        SelectObject(dc_, previous_);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace

int ScreenDotsPerInch()
{
    const UniqueScreenDc screen(GetDC(nullptr));
    return GetDeviceCaps(screen.Get(), LOGPIXELSY);
}

FormLook::FormLook(HINSTANCE instance, int dotsPerInch)
    : instance_(instance)
    , dotsPerInch_(dotsPerInch)
    , windowFont_(CreateFormFont(form::Form1.DefaultFont, dotsPerInch))
    , resultBrush_(CreateSolidBrush(ColourOf(form::LightGrey)))
{
    FitToTheme();
}

// The form sets a few colours and leaves the rest to the system's, which
// works on the light desktops it was drawn for. Where the system's colours
// cannot carry the form's (a dark or a high-contrast scheme), every control
// and the window's face take the classic light look, on which every colour
// of the form reads.
void FormLook::FitToTheme()
{
    const form::Theme system = SystemTheme();
    theme_ = form::FormReadsOn(system) ? system : form::ClassicLight;
    faceBrush_.Reset(CreateSolidBrush(ColourOf(theme_.Window)));
    baseBrush_.Reset(CreateSolidBrush(ColourOf(theme_.Base)));
}

HFONT FormLook::FontFor(const std::optional<form::Font>& font)
{
    if (!font) {
        return windowFont_.Get();
    }
    for (const OwnFont& own : ownFonts_) {
        if (SameFont(own.Face, *font)) {
            return own.Gdi.Get();
        }
    }
    ownFonts_.push_back({*font, CreateFormFont(*font, dotsPerInch_)});
    return ownFonts_.back().Gdi.Get();
}

void FormLook::FillFace(HDC dc, const RECT& area) const
{
    FillRect(dc, &area, faceBrush_.Get());
}

HBRUSH FormLook::ColourControl(HDC dc, HWND control, UINT message) const
{
    // Read-only edits, the result boxes, ask with WM_CTLCOLORSTATIC.
    const form::Control* described = Described(control);
    if (described != nullptr && described->Background) {
        // The form's grey is light whatever the system's: its text is the
        // classic dark one unless the form names another.
        SetTextColor(dc, ColourOf(described->TextColour.value_or(form::ClassicLight.Text)));
        SetBkColor(dc, ColourOf(*described->Background));
        return resultBrush_.Get();
    }
    // The entry boxes, and the selector's field and list.
    if (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX) {
        SetTextColor(dc, ColourOf(theme_.Text));
        SetBkColor(dc, ColourOf(theme_.Base));
        return baseBrush_.Get();
    }
    SetTextColor(dc,
                 ColourOf(described != nullptr && described->TextColour ? *described->TextColour : theme_.WindowText));
    SetBkColor(dc, ColourOf(theme_.Window));
    return faceBrush_.Get();
}

void FormLook::DrawCaption(const DRAWITEMSTRUCT& item)
{
    const form::Control* described = form::FindControl(static_cast<int>(item.CtlID));
    if (described == nullptr) {
        return;
    }
    FillRect(item.hDC, &item.rcItem, faceBrush_.Get());
    SetTextColor(item.hDC, ColourOf(described->TextColour.value_or(theme_.WindowText)));
    SetBkMode(item.hDC, TRANSPARENT);
    const Selection font(item.hDC, FontFor(described->OwnFont));
    RECT area = item.rcItem;
    // DT_NOCLIP: a letter wider than its advance, as some faces draw the last
    // one, is not cut at the line's end; the control's edge still clips.
    UINT format = DT_NOPREFIX | DT_EXPANDTABS | DT_NOCLIP;
    if (described->WordWrap) {
        format |= DT_WORDBREAK;
    }
    if (described->Align == form::TextAlign::Right) {
        format |= DT_RIGHT;
        // A scalable face may draw its last letter past its advance width.
        area.right -= CaptionOverhang;
    }
    const std::u16string caption(described->Caption);
    DrawTextW(item.hDC, Wide(caption), -1, &area, format);
    // A static is never told it has the focus in the item's state.
    if (GetFocus() == item.hwndItem) {
        DrawFocusRect(item.hDC, &item.rcItem);
    }
}

HCURSOR FormLook::CursorOver(HWND control)
{
    const form::Control* described = Described(control);
    if (described == nullptr || !described->Link) {
        return nullptr;
    }
    // Loaded when first needed, not on the way to showing the window.
    if (linkCursor_.Get() == nullptr) {
        linkCursor_.Reset(static_cast<HCURSOR>(
            LoadImageW(instance_, MAKEINTRESOURCEW(LinkCursorId), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE)));
    }
    return linkCursor_.Get();
}

}  // namespace acpower::win32
