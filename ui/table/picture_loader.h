#pragma once
// Card pictures are JPEG files in the picture folder beside the program; they
// are read every time a slot changes, so a file replaced on disk shows at once.
#include <QImage>
#include <QString>

namespace korvana::ui {

// The file of a card picture ("Ah" -> <folder>Ah.jpg) and of the empty slot.
QString cardPicturePath(const QString& pictureFolder, const QString& cardCode);
QString emptySlotPicturePath(const QString& pictureFolder);

// Decodes a picture file. Throws Failure "Cannot open file "<path>". <reason>"
// with the full path when the file cannot be opened, is not a regular file (a
// pipe or a device would block the window), or cannot be decoded (for
// instance because the JPEG decoder is missing).
QImage loadPicture(const QString& path);

}  // namespace korvana::ui
