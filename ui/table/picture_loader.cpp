#include "ui/table/picture_loader.h"

#include <QDir>
#include <QFile>
#include <QImageReader>

#include "services/failure.h"
#include "services/regular_file.h"

namespace korvana::ui {

QString cardPicturePath(const QString& pictureFolder, const QString& cardCode) {
    return pictureFolder + cardCode + QStringLiteral(".jpg");
}

QString emptySlotPicturePath(const QString& pictureFolder) {
    return pictureFolder + QStringLiteral("nocard.jpg");
}

QImage loadPicture(const QString& path) {
    const QString shownPath = QDir::toNativeSeparators(path);
    QFile file(path);
    QString why;
    if (!openRegularFile(file, &why))
        throw Failure(QStringLiteral("Cannot open file \"%1\". %2").arg(shownPath, why));
    QImageReader reader(&file);
    QImage picture = reader.read();
    // A file that is there but cannot be decoded (damaged, or the JPEG decoder
    // plugin missing) is reported the same way, with the decoder's reason.
    if (picture.isNull())
        throw Failure(
            QStringLiteral("Cannot open file \"%1\". %2").arg(shownPath, reader.errorString()));
    return picture;
}

}  // namespace korvana::ui
