#pragma once
// Where the picker faces and the application icon live inside the program.
// Link korvana_card_faces to have them compiled in.
#include <QImage>
#include <QString>

namespace korvana {

// The face of a card code such as "Ah" or "Td": 36 x 51 pixels, or with
// pixelRatio 2 the same face at 72 x 102 with that device pixel ratio. Shown
// straight from the program's data (nothing is unpacked); a null image if
// there is no such face. The faces are ":/faces/<code>.face" and
// ":/faces/<code>@2x.face".
QImage cardFace(const QString& code, int pixelRatio = 1);

// ":/icons/korvana-<size>.png" for size 16, 32, 48, 64, 128 or 256.
QString appIconResource(int size);

}  // namespace korvana
