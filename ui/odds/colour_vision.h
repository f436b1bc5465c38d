#pragma once
// Colour arithmetic for readable lights: how bright a colour is to the eye,
// the contrast of text on a fill, how a colour looks to a player with
// red-green colour blindness, and how far apart two colours look.
#include <QColor>

namespace korvana::ui {

// Relative luminance of an sRGB colour, 0 (black) .. 1 (white), from the
// linearised channels weighted 0.2126 R + 0.7152 G + 0.0722 B.
double relativeLuminance(const QColor& colour);

// (L1 + 0.05) / (L2 + 0.05) with L1 the lighter: 1 .. 21. Body text wants 4.5.
double contrastRatio(const QColor& a, const QColor& b);
inline constexpr double kReadableContrast = 4.5;

enum class ColourVision {
    Normal,
    Protanopia,    // no long-wave (red) cones
    Deuteranopia,  // no medium-wave (green) cones
};

// The colour as a dichromat sees it, by the physiological model of Machado,
// Oliveira and Fernandes (2009) at full severity: a 3 x 3 matrix on linear RGB.
QColor simulateColourVision(const QColor& colour, ColourVision vision);

// Distance of two colours in CIELAB (D65), the CIE 1976 Delta E. About 2.3 is
// a just-noticeable difference; above 20 two fills are told apart at a glance.
double labDistance(const QColor& a, const QColor& b);

}  // namespace korvana::ui
