// The window at 96, 120 and 144 DPI, from drawn pixels: every caption's text
// inside its rectangle, whatever face the system put in for the form's, and
// the power drawn in heavier strokes than the volume.

#include "suites.h"

#include "form/form1.h"
#include "win32/internal/unique_handle.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace acpower::win32::test {
namespace {

// HKCU\Control Panel\Desktop LogPixels, which a Wine program reads as its
// DPI when it starts; the old value is put back, or taken out, when done.
class ScreenDpi {
public:
    explicit ScreenDpi(DWORD dpi)
    {
        DWORD bytes = sizeof(old_);
        had_ = RegGetValueW(HKEY_CURRENT_USER, Key, Name, RRF_RT_REG_DWORD, nullptr, &old_, &bytes) == ERROR_SUCCESS;
        RegSetKeyValueW(HKEY_CURRENT_USER, Key, Name, REG_DWORD, &dpi, sizeof(dpi));
    }
    ~ScreenDpi()
    {
        if (had_) {
            RegSetKeyValueW(HKEY_CURRENT_USER, Key, Name, REG_DWORD, &old_, sizeof(old_));
        } else {
            RegDeleteKeyValueW(HKEY_CURRENT_USER, Key, Name);
        }
    }
    ScreenDpi(const ScreenDpi&) = delete;
    ScreenDpi& operator=(const ScreenDpi&) = delete;

private:
    static constexpr const wchar_t* Key = L"Control Panel\\Desktop";
    static constexpr const wchar_t* Name = L"LogPixels";
    DWORD old_ = 0;
    bool had_ = false;
};

// Which pixels of a control are ink: nearer the text's colour than the
// commonest colour there, the background.
class Ink {
public:
    Ink(HWND control, COLORREF text)
    {
        RECT rect = {};
        GetWindowRect(control, &rect);
        width_ = rect.right - rect.left;
        height_ = rect.bottom - rect.top;
        const UniqueScreenDc screen(GetDC(nullptr));
        const UniqueMemoryDc memory(CreateCompatibleDC(screen.Get()));
        const UniqueBitmap bitmap(CreateCompatibleBitmap(screen.Get(), width_, height_));
        const HGDIOBJ old = SelectObject(memory.Get(), bitmap.Get());
        BitBlt(memory.Get(), 0, 0, width_, height_, screen.Get(), rect.left, rect.top, SRCCOPY);
        std::vector<COLORREF> pixels;
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                pixels.push_back(GetPixel(memory.Get(), x, y));
            }
        }
        SelectObject(memory.Get(), old);
        std::map<COLORREF, int> counts;
        for (const COLORREF pixel : pixels) {
            ++counts[pixel];
        }
        const COLORREF background = std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
                                        return a.second < b.second;
                                    })->first;
        const double full = std::max(1, Distance(text, background));
        for (const COLORREF pixel : pixels) {
            ink_.push_back(Distance(pixel, text) < Distance(pixel, background));
            darkness_.push_back(std::min(1.0, Distance(pixel, background) / full));
        }
    }
    bool At(int x, int y) const
    {
        return ink_.at(static_cast<size_t>(y * width_ + x));
    }
    bool Touched(int x, int y) const
    {
        return darkness_.at(static_cast<size_t>(y * width_ + x)) > 0.25;
    }
    // Ink in the column: a text cut at an edge leaves ink on it.
    bool InColumn(int x) const
    {
        for (int y = 0; y < height_; ++y) {
            if (At(x, y)) {
                return true;
            }
        }
        return false;
    }
    // The ink a row's stroke crossings hold on average, smoothed edges by
    // how dark they are: the strokes' weight, whatever the text's size.
    double StrokeWidth(int margin) const
    {
        double inked = 0;
        int runs = 0;
        for (int y = margin; y < height_ - margin; ++y) {
            for (int x = margin; x < width_ - margin; ++x) {
                inked += darkness_.at(static_cast<size_t>(y * width_ + x));
                // A faint edge starts a crossing too, or thin smoothed strokes
                // would count as few and heavy.
                runs += Touched(x, y) && !Touched(x - 1, y) ? 1 : 0;
            }
        }
        return runs == 0 ? 0 : inked / runs;
    }

private:
    static int Distance(COLORREF a, COLORREF b)
    {
        return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b))
            + std::abs(GetBValue(a) - GetBValue(b));
    }
    int width_ = 0;
    int height_ = 0;
    std::vector<bool> ink_;
    std::vector<double> darkness_;
};

COLORREF TextColourOf(const form::Control& control)
{
    const auto colour = control.TextColour;
    return colour ? RGB(colour->Red, colour->Green, colour->Blue) : GetSysColor(COLOR_BTNTEXT);
}

void CheckAt(const std::wstring& path, DWORD dpi)
{
    const ScreenDpi setting(dpi);
    const std::string at = " at " + std::to_string(dpi) + " DPI";
    ProgramUnderTest program(path);
    if (!Started(program, "the window appears" + at)) {
        return;
    }
    ShowExample(program);
    Sleep(300);
    for (const form::Control& caption : form::Form1Controls) {
        if (caption.Kind != form::ControlKind::Caption) {
            continue;
        }
        const Ink ink(program.Control(caption.Name), TextColourOf(caption));
        // The brand's captions overlap by a column, which their neighbour
        // may draw on: the edges are those of the part no neighbour covers.
        const RECT whole = program.Rect(caption.Name);
        RECT own = whole;
        for (const form::Control& other : form::Form1Controls) {
            const RECT theirs = program.Rect(other.Name);
            if (&other != &caption) {
                SubtractRect(&own, &own, &theirs);
            }
        }
        const bool right = caption.Align == form::TextAlign::Right;
        const bool cut = ink.InColumn(own.right - whole.left - 1) || (right && ink.InColumn(own.left - whole.left));
        Expect(!cut, std::string(caption.Name) + ": text inside its rectangle" + at);
    }
    const double volume = Ink(program.Control("Text6"), GetSysColor(COLOR_WINDOWTEXT)).StrokeWidth(3);
    const double power = Ink(program.Control("Text7"), GetSysColor(COLOR_WINDOWTEXT)).StrokeWidth(3);
    Expect(power >= volume * 1.3,
           "Text7: strokes heavier than Text6's" + at + ", " + std::to_string(power) + " against "
               + std::to_string(volume));
    // The program is ended, not closed, so that it opens no page.
}

}  // namespace

void CheckDpis(const std::wstring& path)
{
    for (const DWORD dpi : {96, 120, 144}) {
        CheckAt(path, dpi);
    }
}

}  // namespace acpower::win32::test
