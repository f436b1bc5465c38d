#pragma once
// Writes the pictures to disk. Each file appears complete or not at all, and any
// file that cannot be written stops the run with an ArtworkError naming it.
#include <QString>

namespace korvana::artwork {

// <folder>/<code>.jpg for all 52 cards and <folder>/nocard.jpg, each also as
// <stem>@2x.jpg for high-density screens.
void writeCardPictures(const QString& folder);

// <folder>/<code>.face, the 52 small faces of the card picker as unpacked
// colour numbers (see saveColourNumbers and cardFace in faces/card_faces.h),
// and each also as <code>@2x.face.
void writeCardFaces(const QString& folder);

// <folder>/korvana-<size>.png for every icon size.
void writeIcons(const QString& folder);

// <root>/<size>x<size>/apps/korvana.png, the layout of a desktop icon theme.
void writeIconTheme(const QString& root);

// One overview picture of everything above, for a person to look at.
void writeContactSheet(const QString& file);

}  // namespace korvana::artwork
