#pragma once
// Where the picker faces and the application icon live inside the program.
// Link korvana_card_faces to have them compiled in.
#include <QString>

namespace korvana {

// ":/faces/<code>.png", the 36 x 51 face of a card code such as "Ah" or "Td";
// with pixelRatio 2 ":/faces/<code>@2x.png", the same face at 72 x 102.
QString cardFaceResource(const QString& code, int pixelRatio = 1);

// ":/icons/korvana-<size>.png" for size 16, 32, 48, 64, 128 or 256.
QString appIconResource(int size);

}  // namespace korvana
