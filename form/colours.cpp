#include "form/colours.h"

#include <algorithm>
#include <cmath>

namespace acpower::form {
namespace {

double Linear(std::uint8_t channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(const Rgb& colour)
{
    return 0.2126 * Linear(colour.Red) + 0.7152 * Linear(colour.Green) + 0.0722 * Linear(colour.Blue);
}

}  // namespace

double ContrastRatio(const Rgb& first, const Rgb& second)
{
    const double a = Luminance(first);
    const double b = Luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

bool FormReadsOn(const Theme& theme)
{
    for (const Control& control : Form1Controls) {
        const bool caption = control.Kind == ControlKind::Caption;
        const Rgb text = control.TextColour.value_or(caption ? theme.WindowText : theme.Text);
        const Rgb background = control.Background.value_or(caption ? theme.Window : theme.Base);
        if (ContrastRatio(text, background) < LeastContrast) {
            return false;
        }
    }
    return true;
}

}  // namespace acpower::form
