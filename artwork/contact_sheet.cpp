#include "artwork/contact_sheet.h"

#include "artwork/card_painter.h"
#include "artwork/deck.h"
#include "artwork/face_painter.h"
#include "artwork/icon_painter.h"

#include <QPainter>

namespace korvana::artwork {

QImage paintContactSheet() {
    constexpr int gap = 8, perRow = 13;
    const int cardW = kCardSize.width() + gap, cardH = kCardSize.height() + gap;
    const int faceW = kFaceSize.width() + gap, faceH = kFaceSize.height() + gap;
    const int width = gap + (perRow + 1) * cardW;
    const int facesTop = gap + 4 * cardH + gap;
    const int iconsTop = facesTop + 4 * faceH + gap;
    const int height = iconsTop + kIconSizes.back() + gap;

    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(0xd8, 0xd8, 0xd8));
    QPainter painter(&sheet);
    // Cards sit on a white strip, as they do in the window.
    painter.fillRect(0, 0, width, facesTop - gap / 2, Qt::white);

    const auto& deck = fullDeck();
    for (int n = 0; n < 52; ++n) {
        const int row = n / perRow, column = n % perRow;
        painter.drawImage(gap + column * cardW, gap + row * cardH, paintCard(deck[n]));
        painter.drawImage(gap + column * faceW, facesTop + row * faceH, paintCardFace(deck[n]));
    }
    painter.drawImage(gap + perRow * cardW, gap, paintEmptySlot());

    int x = gap;
    for (int size : kIconSizes) {
        painter.drawImage(x, iconsTop + kIconSizes.back() - size, paintIcon(size));
        x += size + gap;
    }
    return sheet;
}

}  // namespace korvana::artwork
