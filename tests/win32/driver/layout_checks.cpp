// The window as drawn at 96 DPI: its size, frame, place and Tab order, the
// selector's closed height, and for each control the font and colours its
// text is drawn in, read from the screen's pixels.

#include "suites.h"

#include "form/colours.h"
#include "form/form1.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace acpower::win32::test {
namespace {

constexpr int Dpi = 96;

RECT ExpectedRect(const form::Control& control)
{
    const int left = form::TwipsToPixels(control.Rect.Left, Dpi);
    const int top = form::TwipsToPixels(control.Rect.Top, Dpi);
    return {left, top, left + form::TwipsToPixels(control.Rect.Width, Dpi),
            top + form::TwipsToPixels(control.Rect.Height, Dpi)};
}

std::string SizeText(SIZE size)
{
    return std::to_string(size.cx) + " x " + std::to_string(size.cy);
}

std::string RectText(const RECT& rect)
{
    return "(" + std::to_string(rect.left) + ", " + std::to_string(rect.top) + ", " + std::to_string(rect.right) + ", "
        + std::to_string(rect.bottom) + ")";
}

RECT RectInClient(HWND window, HWND control)
{
    RECT rect = {};
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The window's client area as drawn on the screen.
class ScreenShot {
public:
    explicit ScreenShot(HWND window)
    {
        RECT client = {};
        GetClientRect(window, &client);
        POINT origin = {0, 0};
        ClientToScreen(window, &origin);
        const HDC screen = GetDC(nullptr);
        memory_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, client.right, client.bottom);
        previous_ = SelectObject(memory_, bitmap_);
        BitBlt(memory_, 0, 0, client.right, client.bottom, screen, origin.x, origin.y, SRCCOPY);
        ReleaseDC(nullptr, screen);
    }
    ~ScreenShot()
    {
        SelectObject(memory_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(memory_);
    }
    ScreenShot(const ScreenShot&) = delete;
    ScreenShot& operator=(const ScreenShot&) = delete;

    COLORREF Pixel(int x, int y) const
    {
        return GetPixel(memory_, x, y);
    }
    bool Contains(const RECT& area, COLORREF colour) const
    {
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                if (Pixel(x, y) == colour) {
                    return true;
                }
            }
        }
        return false;
    }

private:
    HDC memory_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

COLORREF ColourOf(const form::Rgb& colour)
{
    return RGB(colour.Red, colour.Green, colour.Blue);
}

// Ink: nearer the text's colour than the background's, so that smoothed
// edges count as they look.
bool IsInk(COLORREF pixel, COLORREF text, COLORREF background)
{
    const auto distance = [](COLORREF a, COLORREF b) {
        return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b))
            + std::abs(GetBValue(a) - GetBValue(b));
    };
    return distance(pixel, text) < distance(pixel, background);
}

template <typename PixelAt>
SIZE InkSize(const RECT& area, COLORREF text, COLORREF background, PixelAt pixelAt)
{
    RECT ink = {area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (IsInk(pixelAt(x, y), text, background)) {
                ink = {std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y), std::max<LONG>(ink.right, x + 1),
                       std::max<LONG>(ink.bottom, y + 1)};
            }
        }
    }
    return {std::max<LONG>(0, ink.right - ink.left), std::max<LONG>(0, ink.bottom - ink.top)};
}

std::string Named(const form::Control& control, const char* what)
{
    return std::string(control.Name) + ": " + what;
}

// Where a control's text is drawn: inside the sunken frame of a box, left
// of a selector's button.
RECT TextArea(const form::Control& described, RECT rect)
{
    if (described.Kind == form::ControlKind::Caption) {
        // The brand's captions touch; each keeps to the part no neighbour
        // draws on.
        for (const form::Control& other : form::Form1Controls) {
            const RECT theirs = ExpectedRect(other);
            RECT common = {};
            if (&other == &described || !IntersectRect(&common, &rect, &theirs)) {
                continue;
            }
            if (theirs.left > rect.left) {
                rect.right = std::min(rect.right, theirs.left);
            } else {
                rect.left = std::max(rect.left, theirs.right);
            }
        }
        return rect;
    }
    InflateRect(&rect, -2, -2);
    if (described.Kind == form::ControlKind::Selector) {
        rect.right -= GetSystemMetrics(SM_CXVSCROLL);
    }
    return rect;
}

COLORREF TextColourOf(const form::Control& described)
{
    return described.TextColour ? ColourOf(*described.TextColour) : GetSysColor(COLOR_WINDOWTEXT);
}

COLORREF BackgroundOf(const form::Control& described)
{
    if (described.Background) {
        return ColourOf(*described.Background);
    }
    return GetSysColor(described.Kind == form::ControlKind::Caption ? COLOR_BTNFACE : COLOR_WINDOW);
}

// The same text drawn here in the font the table names, with the same
// alignment and wrapping, inside a bitmap of the control's size.
SIZE InkOfExpectedFont(const form::Control& described, const std::u16string& caption, const RECT& area, COLORREF text,
                       COLORREF background)
{
    const form::Font font = described.OwnFont.value_or(form::Form1.DefaultFont);
    const std::u16string face(font.Face.begin(), font.Face.end());
    const HFONT gdiFont
        = CreateFontW(-MulDiv(font.CentiPoints, Dpi, 7200), 0, 0, 0, font.Bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                      FALSE, form::FontCharset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                      DEFAULT_PITCH | FF_DONTCARE, reinterpret_cast<const wchar_t*>(face.c_str()));
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    const HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    const HGDIOBJ oldFont = SelectObject(memory, gdiFont);
    RECT box = {0, 0, width, height};
    const HBRUSH backgroundBrush = CreateSolidBrush(background);
    FillRect(memory, &box, backgroundBrush);
    DeleteObject(backgroundBrush);
    SetTextColor(memory, text);
    SetBkMode(memory, TRANSPARENT);
    UINT format = DT_NOPREFIX | DT_EXPANDTABS | DT_NOCLIP;
    format |= described.Align == form::TextAlign::Right ? DT_RIGHT : DT_LEFT;
    if (described.WordWrap) {
        format |= DT_WORDBREAK;
    }
    DrawTextW(memory, reinterpret_cast<const wchar_t*>(caption.c_str()), -1, &box, format);
    const SIZE ink = InkSize(box, text, background, [memory](int x, int y) { return GetPixel(memory, x, y); });
    SelectObject(memory, oldFont);
    SelectObject(memory, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    DeleteObject(gdiFont);
    return ink;
}

// Another process's GDI font cannot be read under Wine, so the font is
// judged by what it drew: the ink of the control's text must have the size
// the table's face, size and weight give that text.
void CheckFont(const ScreenShot& shot, const RECT& rect, const form::Control& described, const std::u16string& text)
{
    const RECT area = TextArea(described, rect);
    const COLORREF ink = TextColourOf(described);
    const COLORREF background = BackgroundOf(described);
    const SIZE drawn = InkSize(area, ink, background, [&shot](int x, int y) { return shot.Pixel(x, y); });
    const SIZE expected = InkOfExpectedFont(described, text, area, ink, background);
    // Two pixels of slack: the screen and a memory bitmap do not always end
    // a text's last letter alike. Another face, size or weight is further off.
    Expect(std::abs(drawn.cx - expected.cx) <= 2 && std::abs(drawn.cy - expected.cy) <= 1 && expected.cx > 0,
           Named(described, "font: text drawn ") + SizeText(drawn) + ", the table's font draws " + SizeText(expected));
}

void CheckColours(const ScreenShot& shot, const RECT& rect, const form::Control& described)
{
    if (!described.Caption.empty()) {
        Expect(shot.Contains(rect, TextColourOf(described)), Named(described, "text colour"));
    }
    if (described.Background) {
        // Inside the sunken frame, right of any text.
        const COLORREF inside = shot.Pixel(rect.right - 4, (rect.top + rect.bottom) / 2);
        Expect(inside == ColourOf(*described.Background), Named(described, "background"));
    }
}

void CheckWindow(const ProgramUnderTest& program)
{
    const HWND window = program.Window();
    RECT client = {};
    GetClientRect(window, &client);
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

form::Rgb RgbOf(COLORREF colour)
{
    return form::Rgb{GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

// The contrast of a text as drawn: its background is the area's commonest
// colour, its ink the pixel that stands out most from it (smoothed edges
// stand out less).
double DrawnContrast(const ScreenShot& shot, const RECT& area)
{
    std::map<COLORREF, int> counts;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            ++counts[shot.Pixel(x, y)];
        }
    }
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

// Sets some of HKCU\Control Panel\Colors, which a program reads as its
// system colours when it starts, and puts the old values back when done.
class SystemColours {
public:
    struct Setting {
        const wchar_t* Name;
        const wchar_t* Value;
    };

    explicit SystemColours(const std::vector<Setting>& settings)
    {
        RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Colors", 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                        &key_, nullptr);
        for (const Setting& setting : settings) {
            wchar_t old[64] = {};
            DWORD bytes = sizeof(old) - sizeof(wchar_t);
            const bool had
                = RegQueryValueExW(key_, setting.Name, nullptr, nullptr, reinterpret_cast<BYTE*>(old), &bytes)
                == ERROR_SUCCESS;
            saved_.push_back({setting.Name, had ? std::optional<std::wstring>(old) : std::nullopt});
            Write(setting.Name, setting.Value);
        }
    }
    ~SystemColours()
    {
        for (const auto& [name, value] : saved_) {
            if (value) {
                Write(name.c_str(), value->c_str());
            } else {
                RegDeleteValueW(key_, name.c_str());
            }
        }
        RegCloseKey(key_);
    }
    SystemColours(const SystemColours&) = delete;
    SystemColours& operator=(const SystemColours&) = delete;

private:
    void Write(const wchar_t* name, const wchar_t* value)
    {
        const auto bytes = static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t));
        RegSetValueExW(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value), bytes);
    }

    HKEY key_ = nullptr;
    std::vector<std::pair<std::wstring, std::optional<std::wstring>>> saved_;
};

// Moves the focus to a window of the driver's own, so that no caret or focus
// highlight is drawn over the program's texts; gone with the object.
class FocusElsewhere {
public:
    FocusElsewhere()
        : window_(CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 1, 1, nullptr, nullptr,
                                  nullptr, nullptr))
    {
        SetForegroundWindow(window_);
        Sleep(300);
    }
    ~FocusElsewhere()
    {
        DestroyWindow(window_);
    }
    FocusElsewhere(const FocusElsewhere&) = delete;
    FocusElsewhere& operator=(const FocusElsewhere&) = delete;

private:
    HWND window_;
};

}  // namespace

void CheckHighContrast(const std::wstring& path)
{
    // White on black, as Windows' high-contrast black scheme has them: the
    // dark blue captions would not read on its face.
    const SystemColours scheme({{L"ButtonFace", L"0 0 0"},
                                {L"ButtonText", L"255 255 255"},
                                {L"Window", L"0 0 0"},
                                {L"WindowText", L"255 255 255"}});
    ProgramUnderTest program(path);
    Expect(program.Start(), "high contrast: the window appears");
    if (program.Window() == nullptr) {
        return;
    }
    // Every result box with a text to read.
    const std::u16string_view room[] = {u"25", u"2,8", u"3", u"2", u"1000"};
    const char* const boxes[] = {"Text1", "Text2", "Text3", "Text4", "Text5"};
    for (size_t i = 0; i < std::size(boxes); ++i) {
        program.SetText(boxes[i], room[i]);
    }
    const FocusElsewhere elsewhere;
    const ScreenShot shot(program.Window());
    for (const form::Control& described : form::Form1Controls) {
        if (described.Kind != form::ControlKind::Caption && described.Kind != form::ControlKind::ResultBox) {
            continue;
        }
        const RECT area = TextArea(described, RectInClient(program.Window(), program.Control(described.Name)));
        const double contrast = DrawnContrast(shot, area);
        char figure[32];
        std::snprintf(figure, sizeof(figure), "%.2f", contrast);
        Expect(contrast >= form::LeastContrast,
               Named(described, "high contrast: text reads, contrast ") + figure + " : 1");
    }
    // The program is ended, not closed, so that it opens no page.
}

void CheckLayout(const ProgramUnderTest& program)
{
    CheckWindow(program);
    const FocusElsewhere elsewhere;
    const ScreenShot shot(program.Window());
    for (const form::Control& described : form::Form1Controls) {
        const HWND control = program.Control(described.Name);
        Expect(control != nullptr, Named(described, "exists with its ID"));
        if (control == nullptr) {
            continue;
        }
        const RECT rect = RectInClient(program.Window(), control);
        if (described.Kind == form::ControlKind::Selector) {
            // The window measures and corrects it: the frame around the
            // selection field differs between systems.
            const RECT expected = ExpectedRect(described);
            Expect(rect.bottom - rect.top == expected.bottom - expected.top,
                   Named(described, "closed height, at ") + RectText(rect));
        }
        CheckFont(shot, rect, described, program.Text(described.Name));
        CheckColours(shot, rect, described);
    }
}

}  // namespace acpower::win32::test
