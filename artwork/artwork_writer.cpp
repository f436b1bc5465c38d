#include "artwork/artwork_writer.h"

#include "artwork/faces/artwork_names.h"

#include "artwork/card_painter.h"
#include "artwork/contact_sheet.h"
#include "artwork/deck.h"
#include "artwork/face_painter.h"
#include "artwork/icon_painter.h"
#include "artwork/image_file.h"

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
    // Unpacked: the program shows every face at start, straight from its own
    // data, and unpacking 52 pictures cost more than the rest of the window's
    // set-up. A face has fewer than 256 colours, so a colour number per pixel
    // keeps it exactly in a third of the room of whole pixels, and the start
    // reads that much less. The colours are those a picture file would keep
    // (alpha not yet multiplied in), so the picker looks as it always did.
    for (int ratio : kPixelRatios)
        for (const CardArt& card : fullDeck())
            saveColourNumbers(paintCardFace(card, ratio),
                              inFolder(folder, card.code() + QStringLiteral(".face"), ratio));
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
