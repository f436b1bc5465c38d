#pragma once
// Card artwork for the screen it is shown on. Beside each picture the build
// draws one with twice the pixels each way ("Ah@2x.jpg" beside "Ah.jpg"); a
// screen scaled to more than one device pixel per layout pixel (1.5, 2) gets
// that one, so the cards stay sharp instead of being blown up from the small
// file. The plain files stay what the program needs; the sharp ones are extra.
#include <QImage>
#include <QString>

namespace korvana::ui {

// The picture file at path for a screen of devicePixelRatio. On a dense screen
// the sharp variant is tried first and fitted to the screen; if it is missing
// or unreadable the plain file is read with loadPicture, failing as it does.
QImage loadPictureForScreen(const QString& path, qreal devicePixelRatio);

// The picker face of a card code such as "Ah", chosen the same way from those
// compiled into the program. A face that is missing at both densities is a
// null image.
QImage cardFaceForScreen(const QString& code, qreal devicePixelRatio);

// A picture drawn at drawnRatio device pixels per layout pixel, made ready for
// a screen of screenRatio: it keeps its layout size, and where the screen has
// fewer pixels than the drawing (1.5 from a 2x drawing) it is scaled down
// smoothly here rather than coarsely at every paint.
QImage fitPixelRatio(QImage picture, int drawnRatio, qreal screenRatio);

}  // namespace korvana::ui
