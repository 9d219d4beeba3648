#pragma once

#include "form/colours.h"
#include "form/form1.h"
#include "win32/internal/unique_handle.h"

#include <optional>
#include <vector>

namespace acpower::win32 {

// How the form's controls are drawn: its fonts at the display's DPI, its
// colours or the classic light look where the system's would not carry them,
// and the pointing hand over its links.
class FormLook {
public:
    explicit FormLook(HINSTANCE instance, int dotsPerInch);

    // Judges the system's colours afresh and remakes the brushes of the
    // window's face and of the boxes. The caller redraws.
    void FitToTheme();

    HFONT FontFor(const std::optional<form::Font>& font);
    void FillFace(HDC dc, const RECT& area) const;
    // The answer to WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT and
    // WM_CTLCOLORLISTBOX: the colours are set in `dc`, the brush returned.
    HBRUSH ColourControl(HDC dc, HWND control, UINT message) const;
    void DrawCaption(const DRAWITEMSTRUCT& item);
    // Null where the control is no link or the cursor cannot be loaded.
    HCURSOR CursorOver(HWND control);

private:
    HINSTANCE instance_;
    int dotsPerInch_;
    UniqueFont windowFont_;
    struct OwnFont {
        form::Font Face;
        UniqueFont Gdi;
    };
    std::vector<OwnFont> ownFonts_;
    UniqueBrush resultBrush_;
    form::Theme theme_ = form::ClassicLight;
    UniqueBrush faceBrush_;
    UniqueBrush baseBrush_;
    UniqueCursor linkCursor_;
};

// The DPI the display draws at, for the form's twips and points.
int ScreenDotsPerInch();

}  // namespace acpower::win32
