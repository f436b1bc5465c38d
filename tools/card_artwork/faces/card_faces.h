#pragma once
// Where the picker faces and the application icon live inside the program.
// Link korvana_card_faces to have them compiled in.
#include <QImage>
#include <QString>

namespace korvana {

// The 36 x 51 face of a card code such as "Ah" or "Td", shown straight from
// the program's data (nothing is unpacked or copied); a null image if there
// is no such face.
QImage cardFace(const QString& code);

// ":/icons/korvana-<size>.png" for size 16, 32, 48, 64, 128 or 256.
QString appIconResource(int size);

}  // namespace korvana
