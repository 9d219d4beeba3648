// The window as drawn at 96 DPI: its size, frame, place and Tab order, the
// selector's closed height, and for each control the font and colours its
// text is drawn in, read from the screen's pixels.

#include "suites.h"

#include "form/colours.h"
#include "form/form1.h"
#include "win32/internal/colour_ref.h"
#include "win32/internal/fonts.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace acpower::win32::test {
namespace {

using acpower::test::Reading;

constexpr int Dpi = 96;

std::string SizeText(SIZE size)
{
    return std::to_string(size.cx) + " x " + std::to_string(size.cy);
}

std::string RectText(const RECT& rect)
{
    return "(" + std::to_string(rect.left) + ", " + std::to_string(rect.top) + ", " + std::to_string(rect.right) + ", "
        + std::to_string(rect.bottom) + ")";
}

std::string Named(const form::Control& control, const std::string& what)
{
    return std::string(control.Name) + ": " + what;
}

RECT ClientRect(HWND window)
{
    RECT rect = {};
    GetClientRect(window, &rect);
    return rect;
}

using GdiObject = std::unique_ptr<void, decltype(&DeleteObject)>;

// A bitmap to draw into, or to copy the screen into, and read pixels from.
// The DC goes first, and with it the bitmap's selection.
class Canvas {
public:
    Canvas(int width, int height)
    {
        const HDC screen = GetDC(nullptr);
        bitmap_.reset(CreateCompatibleBitmap(screen, width, height));
        ReleaseDC(nullptr, screen);
        SelectObject(Dc(), bitmap_.get());
    }
    // The window's client area as drawn on the screen, with the focus on a
    // window of the driver's own, so that no caret or focus highlight is
    // drawn over the program's texts.
    explicit Canvas(HWND window)
        : Canvas(ClientRect(window).right, ClientRect(window).bottom)
    {
        const std::unique_ptr<HWND__, decltype(&DestroyWindow)> elsewhere(
            CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 1, 1, nullptr, nullptr,
                            nullptr, nullptr),
            &DestroyWindow);
        SetForegroundWindow(elsewhere.get());
        Sleep(300);
        POINT origin = {0, 0};
        ClientToScreen(window, &origin);
        const HDC screen = GetDC(nullptr);
        BitBlt(Dc(), 0, 0, ClientRect(window).right, ClientRect(window).bottom, screen, origin.x, origin.y, SRCCOPY);
        ReleaseDC(nullptr, screen);
    }

    HDC Dc() const
    {
        return dc_.get();
    }
    void ForEachPixel(const RECT& area, const std::function<void(int, int, COLORREF)>& visit) const
    {
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                visit(x, y, GetPixel(Dc(), x, y));
            }
        }
    }
    // How many pixels of the area have each colour.
    std::map<COLORREF, int> Colours(const RECT& area) const
    {
        std::map<COLORREF, int> counts;
        ForEachPixel(area, [&counts](int, int, COLORREF pixel) { ++counts[pixel]; });
        return counts;
    }

private:
    GdiObject bitmap_{nullptr, &DeleteObject};
    std::unique_ptr<HDC__, decltype(&DeleteDC)> dc_{CreateCompatibleDC(nullptr), &DeleteDC};
};

// The box around the area's ink: pixels nearer the text's colour than the
// background's, so that smoothed edges count as they look.
SIZE InkSize(const Canvas& canvas, const RECT& area, COLORREF text, COLORREF background)
{
    const auto distance = [](COLORREF a, COLORREF b) {
        return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b))
            + std::abs(GetBValue(a) - GetBValue(b));
    };
    RECT ink = {area.right, area.bottom, area.left, area.top};
    canvas.ForEachPixel(area, [&](int x, int y, COLORREF pixel) {
        if (distance(pixel, text) < distance(pixel, background)) {
            ink = {std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y), std::max<LONG>(ink.right, x + 1),
                   std::max<LONG>(ink.bottom, y + 1)};
        }
    });
    return {std::max<LONG>(0, ink.right - ink.left), std::max<LONG>(0, ink.bottom - ink.top)};
}

// Where a control's text is drawn: inside the sunken frame of a box, left
// of a selector's button. The brand's captions touch; each keeps to the part
// no neighbour draws on.
RECT TextArea(const ProgramUnderTest& program, const form::Control& described)
{
    RECT rect = program.Rect(described.Name);
    if (described.Kind == form::ControlKind::Caption) {
        for (const form::Control& other : form::Form1Controls) {
            const RECT theirs = program.Rect(other.Name);
            if (&other != &described) {
                SubtractRect(&rect, &rect, &theirs);
            }
        }
        return rect;
    }
    InflateRect(&rect, -2, -2);
    rect.right -= described.Kind == form::ControlKind::Selector ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    return rect;
}

COLORREF TextColourOf(const form::Control& described)
{
    return described.TextColour ? ColourOf(*described.TextColour) : GetSysColor(COLOR_WINDOWTEXT);
}

COLORREF BackgroundOf(const form::Control& described)
{
    const int system = described.Kind == form::ControlKind::Caption ? COLOR_BTNFACE : COLOR_WINDOW;
    return described.Background ? ColourOf(*described.Background) : GetSysColor(system);
}

// The same text drawn here in the font the table names (or the face the
// program stands in for it where the system's would not fit or not be bold), with the same
// alignment and wrapping, inside a bitmap of the area's size.
SIZE InkOfExpectedFont(const form::Control& described, const std::u16string& caption, const RECT& area)
{
    const UniqueFont gdiFont = CreateFormFont(described.OwnFont.value_or(form::Form1.DefaultFont), Dpi);
    RECT box = {0, 0, area.right - area.left, area.bottom - area.top};
    const Canvas canvas(box.right, box.bottom);
    SelectObject(canvas.Dc(), gdiFont.Get());
    SetDCBrushColor(canvas.Dc(), BackgroundOf(described));
    FillRect(canvas.Dc(), &box, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    SetTextColor(canvas.Dc(), TextColourOf(described));
    SetBkMode(canvas.Dc(), TRANSPARENT);
    const UINT align = described.Align == form::TextAlign::Right ? DT_RIGHT : DT_LEFT;
    DrawTextW(canvas.Dc(), reinterpret_cast<const wchar_t*>(caption.c_str()), -1, &box,
              DT_NOPREFIX | DT_EXPANDTABS | DT_NOCLIP | align | (described.WordWrap ? DT_WORDBREAK : 0));
    return InkSize(canvas, box, TextColourOf(described), BackgroundOf(described));
}

// Another process's GDI font cannot be read under Wine, so the font is
// judged by what it drew: the ink of the control's text must have the size
// the table's face, size and weight give that text. Then its colours, and a
// selector's height, which the window measures and corrects: the frame
// around the selection field differs between systems.
void CheckControl(ProgramUnderTest& program, const Canvas& shot, const form::Control& described)
{
    const RECT rect = program.Rect(described.Name);
    const RECT area = TextArea(program, described);
    const SIZE drawn = InkSize(shot, area, TextColourOf(described), BackgroundOf(described));
    const SIZE expected = InkOfExpectedFont(described, program.Read(Reading::Text, described.Name), area);
    // Two pixels of slack: the screen and a memory bitmap do not always end
    // a text's last letter alike. Another face, size or weight is further off.
    Expect(program.Control(described.Name) != nullptr && std::abs(drawn.cx - expected.cx) <= 2
               && std::abs(drawn.cy - expected.cy) <= 1 && expected.cx > 0,
           Named(described, "exists with its ID; font: text drawn ") + SizeText(drawn) + ", the table's font draws "
               + SizeText(expected));
    if (!described.Caption.empty()) {
        Expect(shot.Colours(rect).count(TextColourOf(described)) > 0, Named(described, "text colour"));
    }
    if (described.Background) {
        // Inside the sunken frame, right of any text.
        const COLORREF inside = GetPixel(shot.Dc(), rect.right - 4, (rect.top + rect.bottom) / 2);
        Expect(inside == ColourOf(*described.Background), Named(described, "background"));
    }
    if (described.Kind == form::ControlKind::Selector) {
        Expect(rect.bottom - rect.top == form::TwipsToPixels(described.Rect.Height, Dpi),
               Named(described, "closed height, at ") + RectText(rect));
    }
}

void CheckWindow(const ProgramUnderTest& program)
{
    const HWND window = program.Window();
    const RECT client = ClientRect(window);
    Expect(client.right == 577 && client.bottom == 222, "window: client area 577 x 222");
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    Expect((style & (WS_MAXIMIZEBOX | WS_THICKFRAME)) == 0, "window: fixed size, no maximise box");

    RECT frame = {};
    GetWindowRect(window, &frame);
    RECT work = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int dx = (frame.left - work.left) - (work.right - frame.right);
    const int dy = (frame.top - work.top) - (work.bottom - frame.bottom);
    Expect(dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1, "window: centred on the screen");
    Expect(frame.left >= work.left && frame.top >= work.top && frame.right <= work.right && frame.bottom <= work.bottom,
           "window: within the work area " + RectText(work) + ", at " + RectText(frame));

    HWND focus = program.Control(form::TabOrder().front()->Name);
    for (const form::Control* next : form::TabOrder()) {
        Expect(focus == program.Control(next->Name), Named(*next, "place in the Tab order"));
        focus = GetNextDlgTabItem(window, focus, FALSE);
    }
}

// The contrast of a text as drawn: its background is the area's commonest
// colour, its ink the pixel that stands out most from it (smoothed edges
// stand out less).
double DrawnContrast(const Canvas& shot, const RECT& area)
{
    const std::map<COLORREF, int> counts = shot.Colours(area);
    if (counts.empty()) {
        return 0;
    }
    const auto background = std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
                                return a.second < b.second;
                            })->first;
    double most = 1;
    for (const auto& [colour, count] : counts) {
        most = std::max(most, form::ContrastRatio(RgbOf(colour), RgbOf(background)));
    }
    return most;
}

// White on black, as Windows' high-contrast black scheme has them, in
// HKCU\Control Panel\Colors, which a program reads as its system colours
// when it starts; the old values are put back, or taken out, when done.
class HighContrastColours {
public:
    HighContrastColours()
    {
        for (Colour& colour : colours_) {
            DWORD bytes = sizeof(colour.Old);
            colour.Had = RegGetValueW(HKEY_CURRENT_USER, Key, colour.Name, RRF_RT_REG_SZ, nullptr, colour.Old, &bytes)
                == ERROR_SUCCESS;
            Write(colour.Name, colour.Scheme);
        }
    }
    ~HighContrastColours()
    {
        for (const Colour& colour : colours_) {
            if (colour.Had) {
                Write(colour.Name, colour.Old);
            } else {
                RegDeleteKeyValueW(HKEY_CURRENT_USER, Key, colour.Name);
            }
        }
    }
    HighContrastColours(const HighContrastColours&) = delete;
    HighContrastColours& operator=(const HighContrastColours&) = delete;

private:
    struct Colour {
        const wchar_t* Name;
        const wchar_t* Scheme;
        wchar_t Old[64];
        bool Had;
    };
    static constexpr const wchar_t* Key = L"Control Panel\\Colors";

    static void Write(const wchar_t* name, const wchar_t* value)
    {
        const auto bytes = static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t));
        RegSetKeyValueW(HKEY_CURRENT_USER, Key, name, REG_SZ, value, bytes);
    }

    Colour colours_[4] = {{L"ButtonFace", L"0 0 0", {}, false},
                          {L"ButtonText", L"255 255 255", {}, false},
                          {L"Window", L"0 0 0", {}, false},
                          {L"WindowText", L"255 255 255", {}, false}};
};

}  // namespace

void CheckHighContrast(const std::wstring& path)
{
    // The dark blue captions would not read on a black face.
    const HighContrastColours scheme;
    ProgramUnderTest program(path);
    if (!Started(program, "high contrast: the window appears")) {
        return;
    }
    // Every result box with a text to read.
    ShowExample(program);
    const Canvas shot(program.Window());
    for (const form::Control& described : form::Form1Controls) {
        if (described.Kind != form::ControlKind::Caption && described.Kind != form::ControlKind::ResultBox) {
            continue;
        }
        const double contrast = DrawnContrast(shot, TextArea(program, described));
        char figure[32];
        std::snprintf(figure, sizeof(figure), "%.2f", contrast);
        Expect(contrast >= form::LeastContrast,
               Named(described, "high contrast: text reads, contrast ") + figure + " : 1");
    }
    // The program is ended, not closed, so that it opens no page.
}

void CheckLayout(ProgramUnderTest& program)
{
    CheckWindow(program);
    const Canvas shot(program.Window());
    for (const form::Control& described : form::Form1Controls) {
        CheckControl(program, shot, described);
    }
}

}  // namespace acpower::win32::test
