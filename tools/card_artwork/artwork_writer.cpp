#include "artwork_writer.h"

#include "artwork_names.h"

#include "card_painter.h"
#include "contact_sheet.h"
#include "deck.h"
#include "face_painter.h"
#include "icon_painter.h"
#include "image_file.h"

#include <QDir>

namespace korvana::artwork {

namespace {

constexpr int kPixelRatios[] = {1, kSharpPixelRatio};

QString inFolder(const QString& folder, const QString& name, int pixelRatio = 1) {
    return QDir(folder).filePath(withPixelRatio(name, pixelRatio));
}

}  // namespace

void writeCardPictures(const QString& folder) {
    for (int ratio : kPixelRatios) {
        for (const CardArt& card : fullDeck())
            saveImage(paintCard(card, ratio),
                      inFolder(folder, card.code() + QStringLiteral(".jpg"), ratio), "jpeg");
        saveImage(paintEmptySlot(ratio), inFolder(folder, QStringLiteral("nocard.jpg"), ratio),
                  "jpeg");
    }
}

void writeCardFaces(const QString& folder) {
    for (int ratio : kPixelRatios)
        for (const CardArt& card : fullDeck())
            // Packed with the format's own compression: the program unpacks every
            // face at start, and a face stored loosely is packed again, at greater
            // cost, when it is compiled in.
            saveImage(paintCardFace(card, ratio),
                      inFolder(folder, card.code() + QStringLiteral(".png"), ratio), "png", -1);
}

void writeIcons(const QString& folder) {
    for (int size : kIconSizes)
        saveImage(paintIcon(size), inFolder(folder, QStringLiteral("korvana-%1.png").arg(size)),
                  "png");
}

void writeIconTheme(const QString& root) {
    for (int size : kIconSizes)
        saveImage(paintIcon(size),
                  inFolder(root, QStringLiteral("%1x%1/apps/korvana.png").arg(size)), "png");
}

void writeContactSheet(const QString& file) {
    saveImage(paintContactSheet(), file, "png");
}

}  // namespace korvana::artwork
