#include "ui/odds/colour_vision.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace korvana::ui {
namespace {

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

double linear(double encoded) {
    return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

double encoded(double linearValue) {
    const double v = std::clamp(linearValue, 0.0, 1.0);
    return v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1.0 / 2.4) - 0.055;
}

Vector linearRgb(const QColor& colour) {
    return {linear(colour.redF()), linear(colour.greenF()), linear(colour.blueF())};
}

Vector times(const Matrix& m, const Vector& v) {
    Vector out{};
    for (size_t row = 0; row < 3; ++row)
        out[row] = m[row][0] * v[0] + m[row][1] * v[1] + m[row][2] * v[2];
    return out;
}

// Full-severity matrices of the model; each row sums to 1, so greys stay grey.
constexpr Matrix kProtanopia{{{0.152286, 1.052583, -0.204868},
                              {0.114503, 0.786281, 0.099216},
                              {-0.003882, -0.048116, 1.051998}}};
constexpr Matrix kDeuteranopia{{{0.367322, 0.860646, -0.227968},
                                {0.280085, 0.672501, 0.047413},
                                {-0.011820, 0.042940, 0.968881}}};

// Linear sRGB to XYZ (D65).
constexpr Matrix kToXyz{{{0.4124564, 0.3575761, 0.1804375},
                         {0.2126729, 0.7151522, 0.0721750},
                         {0.0193339, 0.1191920, 0.9503041}}};
constexpr Vector kWhite{0.95047, 1.0, 1.08883};

Vector lab(const QColor& colour) {
    const Vector xyz = times(kToXyz, linearRgb(colour));
    const auto f = [](double t) {
        constexpr double delta = 6.0 / 29.0;
        return t > delta * delta * delta ? std::cbrt(t) : t / (3 * delta * delta) + 4.0 / 29.0;
    };
    const double fx = f(xyz[0] / kWhite[0]), fy = f(xyz[1] / kWhite[1]), fz = f(xyz[2] / kWhite[2]);
    return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

}  // namespace

double relativeLuminance(const QColor& colour) {
    const Vector rgb = linearRgb(colour);
    return 0.2126 * rgb[0] + 0.7152 * rgb[1] + 0.0722 * rgb[2];
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor simulateColourVision(const QColor& colour, ColourVision vision) {
    if (vision == ColourVision::Normal) return colour;
    const Vector seen =
        times(vision == ColourVision::Protanopia ? kProtanopia : kDeuteranopia, linearRgb(colour));
    return QColor::fromRgbF(static_cast<float>(encoded(seen[0])),
                            static_cast<float>(encoded(seen[1])),
                            static_cast<float>(encoded(seen[2])));
}

double labDistance(const QColor& a, const QColor& b) {
    const Vector la = lab(a), lb = lab(b);
    return std::hypot(la[0] - lb[0], la[1] - lb[1], la[2] - lb[2]);
}

}  // namespace korvana::ui
