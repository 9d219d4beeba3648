#include "win32/internal/fonts.h"

#include "win32/internal/wide_text.h"

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
        , bitmap_(CreateBitmap(width, height, 1, 32, nullptr))
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
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                ink_.push_back(GetRValue(GetPixel(dc_.Get(), x, y)) < 128);
            }
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
    int width_;
    int height_;
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

}  // namespace

int FontHeight(int centiPoints, int dotsPerInch)
{
    // 7200 hundredths of a point make an inch.
    return -MulDiv(centiPoints, dotsPerInch, 7200);
}

UniqueFont CreateFormFont(const form::Font& font, int dotsPerInch)
{
    std::string_view name = font.Face;
    for (std::size_t next = 0; next <= std::size(StandInFaces); ++next) {
        UniqueFont candidate = CreateFace(name, font, font.Bold, dotsPerInch);
        const bool bold
            = !font.Bold || DrawsBold(candidate.Get(), CreateFace(name, font, false, dotsPerInch).Get(), dotsPerInch);
        if (bold && CaptionsFit(candidate.Get(), font, dotsPerInch)) {
            return candidate;
        }
        name = next < std::size(StandInFaces) ? StandInFaces[next] : font.Face;
    }
    // None fits: the form's own face, as near as the system comes.
    return CreateFace(font.Face, font, font.Bold, dotsPerInch);
}

}  // namespace acpower::win32
