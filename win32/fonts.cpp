#include "win32/internal/fonts.h"

#include "win32/internal/wide_text.h"

#include <string>

namespace acpower::win32 {

int FontHeight(int centiPoints, int dotsPerInch)
{
    // 7200 hundredths of a point make an inch.
    return -MulDiv(centiPoints, dotsPerInch, 7200);
}

UniqueFont CreateFormFont(const form::Font& font, int dotsPerInch)
{
    // The face names of the form are plain ASCII.
    const std::u16string face(font.Face.begin(), font.Face.end());
    return UniqueFont(CreateFontW(FontHeight(font.CentiPoints, dotsPerInch), 0, 0, 0, font.Bold ? FW_BOLD : FW_NORMAL,
                                  FALSE, FALSE, FALSE, form::FontCharset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, Wide(face)));
}

}  // namespace acpower::win32
