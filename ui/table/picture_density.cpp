#include "ui/table/picture_density.h"

#include <cmath>

#include "artwork/faces/artwork_names.h"
#include "artwork/faces/card_faces.h"
#include "services/failure.h"
#include "ui/table/picture_loader.h"

namespace korvana::ui {

namespace {

// Scale factors just above 1 (rounding in the window system) still count as
// ordinary screens.
bool isDense(qreal devicePixelRatio) {
    return devicePixelRatio > 1.01;
}

}  // namespace

QImage fitPixelRatio(QImage picture, int drawnRatio, qreal screenRatio) {
    picture.setDevicePixelRatio(drawnRatio);
    if (picture.isNull() || screenRatio >= drawnRatio) return picture;
    const QSizeF layoutSize = picture.deviceIndependentSize();
    // Rounded up so that the fitted picture still covers its whole place.
    const QSize screenSize(static_cast<int>(std::ceil(layoutSize.width() * screenRatio)),
                           static_cast<int>(std::ceil(layoutSize.height() * screenRatio)));
    // Smooth scaling wants whole pixels: the picker faces come as colour
    // numbers, which Qt's scaling does not take.
    if (picture.format() == QImage::Format_Indexed8)
        picture = picture.convertToFormat(QImage::Format_ARGB32);
    QImage fitted = picture.scaled(screenSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    fitted.setDevicePixelRatio(screenRatio);
    return fitted;
}

QImage loadPictureForScreen(const QString& path, qreal devicePixelRatio) {
    if (isDense(devicePixelRatio)) {
        try {
            return fitPixelRatio(loadPicture(withPixelRatio(path, kSharpPixelRatio)),
                                 kSharpPixelRatio, devicePixelRatio);
        } catch (const Failure&) {
            // A folder with only the plain pictures still works, just less sharp.
        }
    }
    return loadPicture(path);
}

QImage cardFaceForScreen(const QString& code, qreal devicePixelRatio) {
    if (isDense(devicePixelRatio)) {
        const QImage face = cardFace(code, kSharpPixelRatio);
        if (!face.isNull()) return fitPixelRatio(face, kSharpPixelRatio, devicePixelRatio);
    }
    return cardFace(code);
}

}  // namespace korvana::ui
