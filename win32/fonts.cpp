#include "win32/internal/fonts.h"

#include "win32/internal/wide_text.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

namespace acpower::win32 {
namespace {

// Where the form's face is missing or stood in for by one whose letters
// reach past its rectangles or whose bold draws no heavier (as under Wine at
// 96 DPI), the faces tried next, each of MS Sans Serif's widths or near them.
constexpr std::string_view StandInFaces[]
    = {"Microsoft Sans Serif", "Arial", "Nimbus Sans", "Liberation Sans", "Tahoma", "DejaVu Sans"};

// Room kept right of a right-aligned caption's text, as FormLook draws it.
constexpr int CaptionSlack = 2;

UniqueFont CreateFace(std::string_view name, const form::Font& font, bool bold, int dotsPerInch)
{
    // The face names are plain ASCII.
    const std::u16string face(name.begin(), name.end());
    return UniqueFont(CreateFontW(FontHeight(font.CentiPoints, dotsPerInch), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE,
                                  FALSE, FALSE, form::FontCharset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, Wide(face)));
}

bool SameFont(const form::Font& left, const form::Font& right)
{
    return left.Face == right.Face && left.CentiPoints == right.CentiPoints && left.Bold == right.Bold;
}

// A text drawn black on white in a bitmap of its own, to be measured by its
// ink rather than by the advances the face reports.
class Drawn {
public:
    Drawn(HFONT font, std::u16string_view text, int width, int height, UINT format)
        : width_(width)
        , height_(height)
        , dc_(CreateCompatibleDC(nullptr))
        , bitmap_(CreateCanvas(width, height))
    {
        const HGDIOBJ oldBitmap = SelectObject(dc_.Get(), bitmap_.Get());
        const HGDIOBJ oldFont = SelectObject(dc_.Get(), font);
        RECT all = {0, 0, width, height};
        FillRect(dc_.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SetTextColor(dc_.Get(), RGB(0, 0, 0));
        SetBkMode(dc_.Get(), TRANSPARENT);
        RECT area = {0, 0, (format & DT_RIGHT) != 0 ? width - CaptionSlack : width, height};
        const std::u16string copy(text);
        DrawTextW(dc_.Get(), Wide(copy), -1, &area, format | DT_NOPREFIX | DT_EXPANDTABS | DT_NOCLIP);
        // The pixels straight from the bitmap's memory: one GetPixel call
        // a pixel made this the slowest step of the program's start.
        GdiFlush();
        const auto* pixels = static_cast<const std::uint32_t*>(bits_);
        // Without memory for the drawing there is no ink to judge by.
        ink_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), false);
        for (int i = 0; pixels != nullptr && i < width * height; ++i) {
            // 0x00RRGGBB; the red channel is as good as any for black on white.
            ink_[static_cast<std::size_t>(i)] = ((pixels[i] >> 16) & 0xFF) < 128;
        }
        SelectObject(dc_.Get(), oldFont);
        SelectObject(dc_.Get(), oldBitmap);
    }
    bool InColumn(int x) const
    {
        for (int y = 0; y < height_; ++y) {
            if (ink_[static_cast<size_t>(y * width_ + x)]) {
                return true;
            }
        }
        return false;
    }
    int Count() const
    {
        int count = 0;
        for (const bool inked : ink_) {
            count += inked ? 1 : 0;
        }
        return count;
    }

private:
    // A top-down 32-bit section whose memory the constructor reads.
    HBITMAP CreateCanvas(int width, int height)
    {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(info.bmiHeader);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    }

    int width_;
    int height_;
    void* bits_ = nullptr;
    UniqueMemoryDc dc_;
    UniqueBitmap bitmap_;
    std::vector<bool> ink_;
};

// A bold the system only names draws the same strokes as the regular face.
bool DrawsBold(HFONT bold, HFONT regular, int dotsPerInch)
{
    constexpr std::u16string_view Sample = u"3,3 0123456789";
    const int size = dotsPerInch * 2;
    return Drawn(bold, Sample, size, size / 4, DT_LEFT).Count() * 5
        > Drawn(regular, Sample, size, size / 4, DT_LEFT).Count() * 6;
}

// Every caption set in the font is drawn inside its rectangle: no ink on
// an edge its text could be cut at.
bool CaptionsFit(HFONT gdi, const form::Font& font, int dotsPerInch)
{
    for (const form::Control& control : form::Form1Controls) {
        if (control.Kind != form::ControlKind::Caption
            || !SameFont(control.OwnFont.value_or(form::Form1.DefaultFont), font)) {
            continue;
        }
        const int width = form::TwipsToPixels(control.Rect.Width, dotsPerInch);
        const bool right = control.Align == form::TextAlign::Right;
        const Drawn drawn(gdi, control.Caption, width, form::TwipsToPixels(control.Rect.Height, dotsPerInch),
                          (right ? DT_RIGHT : DT_LEFT) | (control.WordWrap ? DT_WORDBREAK : 0));
        if (drawn.InColumn(width - 1) || (right && drawn.InColumn(0))) {
            return false;
        }
    }
    return true;
}

// The name of the face the system gives for a font, whatever name was asked.
std::u16string RealFace(HFONT font)
{
    const UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    const HGDIOBJ old = SelectObject(dc.Get(), font);
    std::u16string face(LF_FACESIZE, u'\0');
    GetTextFaceW(dc.Get(), LF_FACESIZE, Wide(face));
    SelectObject(dc.Get(), old);
    face.resize(std::char_traits<char16_t>::length(face.c_str()));
    return face;
}

}  // namespace

int FontHeight(int centiPoints, int dotsPerInch)
{
    // 7200 hundredths of a point make an inch.
    return -MulDiv(centiPoints, dotsPerInch, 7200);
}

UniqueFont CreateFormFont(const form::Font& font, int dotsPerInch)
{
    // Several names may stand for one installed face (under Wine the named
    // face, Microsoft Sans Serif and Arial are all the same one); a face
    // judged once is not drawn again under another name.
    std::vector<std::u16string> judged;
    std::string_view name = font.Face;
    for (std::size_t next = 0; next <= std::size(StandInFaces); ++next) {
        UniqueFont candidate = CreateFace(name, font, font.Bold, dotsPerInch);
        const std::u16string face = RealFace(candidate.Get());
        if (std::find(judged.begin(), judged.end(), face) == judged.end()) {
            judged.push_back(face);
            const bool bold = !font.Bold
                || DrawsBold(candidate.Get(), CreateFace(name, font, false, dotsPerInch).Get(), dotsPerInch);
            if (bold && CaptionsFit(candidate.Get(), font, dotsPerInch)) {
                return candidate;
            }
        }
        name = next < std::size(StandInFaces) ? StandInFaces[next] : font.Face;
    }
    // None fits: the form's own face, as near as the system comes.
    return CreateFace(font.Face, font, font.Bold, dotsPerInch);
}

}  // namespace acpower::win32
