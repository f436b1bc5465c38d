#include "ui/replay/replay_table.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "ui/replay/replay_texts.h"

namespace korvana::ui {

namespace {

constexpr QSize kSeat{128, 44};
constexpr QSize kSmallCard{24, 32};
constexpr QSize kBoardCard{34, 46};

const QColor kFelt(0x2e, 0x7d, 0x4f);
const QColor kRail(0x5b, 0x3a, 0x1e);
const QColor kHighlight(0xff, 0xd5, 0x4a);

bool isRed(Card card) {
    return card.suit == Suit::Hearts || card.suit == Suit::Diamonds;
}

void drawCard(QPainter& painter, const QRect& place, std::optional<Card> card) {
    painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
    if (!card) {
        painter.setBrush(QColor(0x2a, 0x4d, 0x9b));
        painter.drawRoundedRect(place, 3, 3);
        return;
    }
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(place, 3, 3);
    painter.setPen(isRed(*card) ? QColor(0xc0, 0x10, 0x10) : QColor(Qt::black));
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(place.height() * 2 / 5);
    painter.setFont(font);
    painter.drawText(place, Qt::AlignCenter, cardText(*card));
}

}  // namespace

ReplayTable::ReplayTable(QWidget* parent) : QWidget(parent) {
    setMinimumSize(560, 340);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QSize ReplayTable::sizeHint() const {
    return {680, 400};
}

void ReplayTable::show(const history::PlayedHand* hand, const TableAtStep& table) {
    hand_ = hand;
    table_ = table;
    update();
}

void ReplayTable::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF oval = QRectF(rect()).adjusted(kSeat.width() / 2.0, kSeat.height() / 2.0 + 14,
                                                -kSeat.width() / 2.0, -kSeat.height() / 2.0 - 14);
    painter.setPen(QPen(kRail, 10));
    painter.setBrush(kFelt);
    painter.drawEllipse(oval);
    if (!hand_ || table_.seats.size() != hand_->players.size()) return;

    const QPointF centre = oval.center();
    const QFont baseFont = font();
    // The board and the pot in the middle.
    const int boardWidth = 5 * kBoardCard.width() + 4 * 4;
    QRect card(QPoint(int(centre.x()) - boardWidth / 2, int(centre.y()) - kBoardCard.height() + 4),
               kBoardCard);
    for (std::size_t i = 0; i < 5; ++i) {
        if (i < table_.board.size())
            drawCard(painter, card, table_.board[i]);
        else {
            painter.setPen(QPen(QColor(255, 255, 255, 60), 1, Qt::DashLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawRoundedRect(card, 3, 3);
        }
        card.translate(kBoardCard.width() + 4, 0);
    }
    painter.setFont(baseFont);
    painter.setPen(Qt::white);
    QString pot = tr("Pot %1").arg(amountText(*hand_, table_.pot));
    if (table_.splitPots) {
        pot = tr("Main pot %1").arg(amountText(*hand_, hand_->pots.front().amount));
        for (std::size_t i = 1; i < hand_->pots.size(); ++i)
            pot += QStringLiteral("\n") +
                   tr("Side pot %1: %2").arg(i).arg(amountText(*hand_, hand_->pots[i].amount));
    }
    painter.drawText(QRectF(centre.x() - 150, centre.y() + 10, 300, 60),
                     Qt::AlignHCenter | Qt::AlignTop, pot);

    const std::size_t count = hand_->players.size();
    const int hero = hand_->hero >= 0 ? hand_->hero : 0;
    const double rx = oval.width() / 2, ry = oval.height() / 2;
    for (std::size_t p = 0; p < count; ++p) {
        const history::SeatedPlayer& player = hand_->players[p];
        const SeatAtStep& seat = table_.seats[p];
        // The hero sits at the bottom, the others clockwise from him.
        const double angle =
            std::numbers::pi / 2 + 2 * std::numbers::pi * double(int(p) - hero) / double(count);
        const QPointF at(centre.x() + rx * std::cos(angle), centre.y() + ry * std::sin(angle));
        const QRectF box(at.x() - kSeat.width() / 2.0, at.y() - kSeat.height() / 2.0, kSeat.width(),
                         kSeat.height());

        // His cards above the box (below it for the top half of the table).
        if (player.dealtIn && !seat.folded) {
            const bool above = at.y() >= centre.y() - 1;
            QRect place(int(at.x()) - kSmallCard.width() - 1,
                        above ? int(box.top()) - kSmallCard.height() + 6 : int(box.bottom()) - 6,
                        kSmallCard.width(), kSmallCard.height());
            for (int c = 0; c < 2; ++c) {
                std::optional<Card> face;
                if (seat.cardsShown) face = (*player.cards)[static_cast<std::size_t>(c)];
                drawCard(painter, place, face);
                place.translate(kSmallCard.width() + 2, 0);
            }
        }

        const bool acting = table_.acting == int(p);
        painter.setPen(QPen(acting ? kHighlight : QColor(0x20, 0x20, 0x20), acting ? 3 : 1));
        painter.setBrush(seat.folded ? QColor(0x50, 0x50, 0x50) : QColor(0x26, 0x26, 0x26));
        painter.drawRoundedRect(box, 6, 6);
        QFont nameFont = baseFont;
        nameFont.setBold(int(p) == hand_->hero);
        painter.setFont(nameFont);
        painter.setPen(seat.folded ? QColor(0xa0, 0xa0, 0xa0) : QColor(Qt::white));
        const QRectF nameLine = box.adjusted(6, 3, -6, -kSeat.height() / 2.0);
        painter.drawText(nameLine, Qt::AlignCenter,
                         QFontMetrics(nameFont).elidedText(QString::fromStdString(player.name),
                                                           Qt::ElideRight, int(nameLine.width())));
        painter.setFont(baseFont);
        painter.setPen(QColor(0xff, 0xe0, 0x8a));
        QString below = amountText(*hand_, seat.stack);
        if (!player.dealtIn)
            below = tr("sitting out");
        else if (seat.stack == 0 && !seat.folded)
            below = tr("all in");
        painter.drawText(box.adjusted(6, kSeat.height() / 2.0 - 2, -6, -3), Qt::AlignCenter, below);

        // The bet in front of him, on the way to the middle; what he won, likewise.
        const QPointF front = at + (centre - at) * 0.42;
        QString chips;
        if (seat.bet > 0) chips = amountText(*hand_, seat.bet);
        if (seat.won > 0) chips = tr("won %1").arg(amountText(*hand_, seat.won));
        if (!chips.isEmpty()) {
            const QRectF label(front.x() - 55, front.y() - 10, 110, 20);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0, 0, 0, 90));
            const int width = fontMetrics().horizontalAdvance(chips) + 12;
            painter.drawRoundedRect(QRectF(front.x() - width / 2.0, label.top(), width, 20), 9, 9);
            painter.setPen(seat.won > 0 ? QColor(0xb8, 0xff, 0xb0) : QColor(Qt::white));
            painter.drawText(label, Qt::AlignCenter, chips);
        }
        if (player.seat == hand_->buttonSeat) {
            // Beside his box, on the side towards the middle.
            const double side = at.x() <= centre.x() + 1 ? 1 : -1;
            const QPointF button(at.x() + side * (kSeat.width() / 2.0 + 14), box.top() + 10);
            painter.setPen(QPen(Qt::black, 1));
            painter.setBrush(Qt::white);
            painter.drawEllipse(button, 9, 9);
            QFont small = baseFont;
            small.setBold(true);
            small.setPixelSize(11);
            painter.setFont(small);
            painter.drawText(QRectF(button.x() - 9, button.y() - 9, 18, 18), Qt::AlignCenter,
                             QStringLiteral("D"));
            painter.setFont(baseFont);
        }
    }
}

}  // namespace korvana::ui
