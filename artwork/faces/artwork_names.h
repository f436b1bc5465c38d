#pragma once
// The artwork comes in two pixel densities: the plain files for ordinary
// screens and, beside each, "<stem>@2x.<suffix>" drawn with twice the pixels
// each way for screens that show two device pixels per layout pixel.
#include <QString>

namespace korvana {

inline constexpr int kSharpPixelRatio = 2;

// "images/Ah.jpg" with ratio 2 -> "images/Ah@2x.jpg"; ratio 1 leaves the name
// as it is. Only the last path element is touched.
inline QString withPixelRatio(const QString& fileName, int pixelRatio) {
    if (pixelRatio == 1) return fileName;
    const qsizetype nameStart = fileName.lastIndexOf(u'/') + 1;
    qsizetype dot = fileName.lastIndexOf(u'.');
    if (dot < nameStart) dot = fileName.size();
    return fileName.left(dot) + QStringLiteral("@%1x").arg(pixelRatio) + fileName.mid(dot);
}

}  // namespace korvana
