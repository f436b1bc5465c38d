#include "artwork/card_painter.h"

#include "artwork/card_outline.h"
#include "artwork/court_emblems.h"
#include "artwork/pip_layout.h"
#include "artwork/suit_shapes.h"
#include "artwork/vector_text.h"

#include <QPainter>

namespace korvana::artwork {

namespace {

const QPointF kCentre(kCardSize.width() / 2.0, kCardSize.height() / 2.0);

// The pip field: outer columns and the top and bottom rows of pip centres.
constexpr qreal kLeftColumn = 30.0, kRightColumn = 56.0;
constexpr qreal kTopRow = 22.0, kBottomRow = 101.0;
constexpr qreal kPipSide = 14.0;

void prepare(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
}

// The drawing below is in layout pixels; an image with a pixel ratio scales
// every painter on it, so one drawing serves each density.
QImage blankImage(int pixelRatio) {
    QImage image(kCardSize * pixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(kTableBackground);
    return image;
}

void paintIndex(QPainter& painter, const CardArt& card) {
    const QColor ink = suitColor(card.suit);
    paintBothEnds(painter, kCentre, [&] {
        painter.fillPath(fitInto(letterOutline(card.rankLabel()), QRectF(2.5, 5, 14, 13)), ink);
        painter.fillPath(suitShapeIn(card.suit, QRectF(4.5, 21, 10, 10)), ink);
    });
}

void paintPips(QPainter& painter, const CardArt& card) {
    const QColor ink = suitColor(card.suit);
    for (const QPointF& at : pipPositions(card.pipCount())) {
        const QPointF centre(kLeftColumn + at.x() * (kRightColumn - kLeftColumn),
                             kTopRow + at.y() * (kBottomRow - kTopRow));
        painter.save();
        painter.translate(centre);
        if (at.y() > 0.5) painter.rotate(180);
        painter.fillPath(
            suitShapeIn(card.suit, QRectF(-kPipSide / 2, -kPipSide / 2, kPipSide, kPipSide)), ink);
        painter.restore();
    }
}

void paintAce(QPainter& painter, const CardArt& card) {
    // The ace of spades traditionally carries the largest symbol of the deck.
    const qreal side = card.suit == 's' ? 42 : 34;
    painter.fillPath(
        suitShapeIn(card.suit, QRectF(kCentre.x() - side / 2, kCentre.y() - side / 2, side, side)),
        suitColor(card.suit));
}

QColor courtTint(const CardArt& card) {
    return card.isRed() ? QColor(0xfb, 0xec, 0xe6) : QColor(0xe9, 0xee, 0xf4);
}

// Court cards: a framed panel, each half with the head-dress over the rank letter,
// and the suit in a medallion where the halves meet.
void paintCourt(QPainter& painter, const CardArt& card) {
    const QColor ink = suitColor(card.suit);
    const QRectF panel(19.5, 9.5, 47, 104);
    const QRectF inner = panel.adjusted(2.5, 2.5, -2.5, -2.5);
    constexpr qreal medallion = 9.5;

    painter.save();
    painter.setBrush(courtTint(card));
    painter.setPen(QPen(ink, 1.0));
    painter.drawRect(panel);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ink, 0.6));
    painter.drawRect(inner);
    painter.drawLine(QPointF(inner.left(), kCentre.y()),
                     QPointF(kCentre.x() - medallion, kCentre.y()));
    painter.drawLine(QPointF(kCentre.x() + medallion, kCentre.y()),
                     QPointF(inner.right(), kCentre.y()));
    painter.setBrush(QColor::fromRgba(kCardWhite));
    painter.setPen(QPen(ink, 0.8));
    painter.drawEllipse(kCentre, medallion, medallion);
    painter.restore();

    painter.fillPath(suitShapeIn(card.suit, QRectF(kCentre.x() - 6.5, kCentre.y() - 6.5, 13, 13)),
                     ink);
    paintBothEnds(painter, kCentre, [&] {
        painter.fillPath(courtEmblem(card.rank, QRectF(kCentre.x() - 10, 15, 20, 10)), ink);
        painter.fillPath(fitInto(letterOutline(QString(QChar(card.rank))), QRectF(31, 28, 24, 22)),
                         ink);
    });
}

}  // namespace

QImage paintCard(const CardArt& card, int pixelRatio) {
    QImage image = blankImage(pixelRatio);
    QPainter painter(&image);
    prepare(painter);
    paintCardBlank(painter, QRectF(QPointF(0, 0), kCardSize), 5.5);
    paintIndex(painter, card);
    if (card.isCourt())
        paintCourt(painter, card);
    else if (card.pipCount() == 1)
        paintAce(painter, card);
    else
        paintPips(painter, card);
    return image;
}

QImage paintEmptySlot(int pixelRatio) {
    QImage image = blankImage(pixelRatio);
    QPainter painter(&image);
    prepare(painter);

    QPen dashed(QColor(0xb4, 0xb8, 0xb4), 1.0, Qt::CustomDashLine);
    dashed.setDashPattern({4, 3});
    painter.setPen(dashed);
    painter.setBrush(QColor(0xf3, 0xf5, 0xf3));
    painter.drawRoundedRect(QRectF(1.5, 1.5, kCardSize.width() - 3, kCardSize.height() - 3), 5.5,
                            5.5);

    // Four faint suit outlines mark the place without looking like a card.
    painter.setPen(QPen(QColor(0xc8, 0xcc, 0xc8), 1.0));
    painter.setBrush(Qt::NoBrush);
    constexpr qreal side = 14, gap = 5;
    const char suits[] = {'s', 'h', 'd', 'c'};
    for (int i = 0; i < 4; ++i) {
        const qreal x = kCentre.x() + (i % 2 == 0 ? -gap / 2 - side : gap / 2);
        const qreal y = kCentre.y() + (i / 2 == 0 ? -gap / 2 - side : gap / 2);
        painter.drawPath(suitShapeIn(suits[i], QRectF(x, y, side, side)));
    }
    return image;
}

}  // namespace korvana::artwork
