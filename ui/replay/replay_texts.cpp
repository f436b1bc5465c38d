#include "ui/replay/replay_texts.h"

#include <QCoreApplication>
#include <QStringList>

#include "engine/table/pot_odds.h"
#include "ui/common/number_text.h"

namespace korvana::ui {

using history::ActionKind;

QString cardText(Card card) {
    static const std::array<QString, 4> suits = {QStringLiteral("♣"), QStringLiteral("♦"),
                                                 QStringLiteral("♥"), QStringLiteral("♠")};
    const std::string_view rank = rankText(card.rank);
    return QString::fromLatin1(rank.data(), static_cast<qsizetype>(rank.size())) +
           suits[suitIndex(card.suit)];
}

QString cardsText(const std::vector<Card>& cards) {
    QStringList texts;
    for (Card card : cards) texts << cardText(card);
    return texts.join(QLatin1Char(' '));
}

QString cardsText(const std::array<Card, 2>& cards) {
    return cardsText(std::vector<Card>(cards.begin(), cards.end()));
}

QString amountText(const history::PlayedHand& hand, history::Amount amount) {
    return QString::fromStdString(history::amountText(amount, hand.currency, hand.decimals));
}

QString signedAmountText(const history::PlayedHand& hand, history::Amount amount) {
    return (amount > 0 ? QStringLiteral("+") : QString()) + amountText(hand, amount);
}

QString streetName(history::Street street) {
    switch (street) {
        case history::Street::Preflop: return QCoreApplication::translate("Replay", "Preflop");
        case history::Street::Flop: return QCoreApplication::translate("Replay", "Flop");
        case history::Street::Turn: return QCoreApplication::translate("Replay", "Turn");
        default: return QCoreApplication::translate("Replay", "River");
    }
}

QString refusalLine(const history::HandRefusal& refusal, Language language) {
    return QCoreApplication::translate("Replay", "Hand %1, line %2: %3")
        .arg(QString::fromStdString(refusal.hand))
        .arg(refusal.line)
        .arg(QString::fromStdString(history::refusalText(refusal, language)));
}

QString stepText(const history::PlayedHand& hand, const ReplayStep& step) {
    if (step.kind == StepKind::Start)
        return QCoreApplication::translate("Replay", "Hand %1 starts: %2 players")
            .arg(QString::fromStdString(hand.number))
            .arg(hand.players.size());
    if (step.kind == StepKind::Deal)
        return QCoreApplication::translate("Replay", "%1: %2")
            .arg(streetName(hand.streets[step.street].street),
                 cardsText(hand.streets[step.street].board));
    if (step.kind == StepKind::Payout) {
        QStringList winners;
        for (const history::SeatedPlayer& player : hand.players)
            if (player.collected > 0)
                winners << QCoreApplication::translate("Replay", "%1 collects %2")
                               .arg(QString::fromStdString(player.name),
                                    amountText(hand, player.collected));
        return winners.isEmpty() ? QCoreApplication::translate("Replay", "The hand ends")
                                 : winners.join(QStringLiteral("; "));
    }
    const history::HandAction& action = hand.actions[step.action];
    const QString name =
        QString::fromStdString(hand.players[static_cast<std::size_t>(action.player)].name);
    const QString amount = amountText(hand, action.amount);
    QString text;
    switch (action.kind) {
        case ActionKind::Ante:
            text =
                QCoreApplication::translate("Replay", "%1 posts an ante of %2").arg(name, amount);
            break;
        case ActionKind::SmallBlind:
            text = QCoreApplication::translate("Replay", "%1 posts the small blind %2")
                       .arg(name, amount);
            break;
        case ActionKind::BigBlind:
            text = QCoreApplication::translate("Replay", "%1 posts the big blind %2")
                       .arg(name, amount);
            break;
        case ActionKind::DeadBlinds:
            text =
                QCoreApplication::translate("Replay", "%1 posts both blinds, %2").arg(name, amount);
            break;
        case ActionKind::Straddle:
            text = QCoreApplication::translate("Replay", "%1 straddles %2").arg(name, amount);
            break;
        case ActionKind::Fold:
            text = QCoreApplication::translate("Replay", "%1 folds").arg(name);
            break;
        case ActionKind::Check:
            text = QCoreApplication::translate("Replay", "%1 checks").arg(name);
            break;
        case ActionKind::Call:
            text = QCoreApplication::translate("Replay", "%1 calls %2").arg(name, amount);
            break;
        case ActionKind::Bet:
            text = QCoreApplication::translate("Replay", "%1 bets %2").arg(name, amount);
            break;
        case ActionKind::Raise:
            text = QCoreApplication::translate("Replay", "%1 raises to %2")
                       .arg(name, amountText(hand, action.raisedTo));
            break;
        case ActionKind::Returned:
            text = QCoreApplication::translate("Replay", "%1 takes back %2, not called")
                       .arg(name, amount);
            break;
    }
    return action.allIn ? QCoreApplication::translate("Replay", "%1, all in").arg(text) : text;
}

QString priceText(const history::PlayedHand& hand, const history::Decision& decision,
                  std::optional<double> equity, const QString& decimalSeparator) {
    const auto percent = [&](double fraction) {
        return numberText(100.0 * fraction, 1, decimalSeparator);
    };
    const QString price =
        QCoreApplication::translate("Replay", "to call %1 into %2")
            .arg(amountText(hand, decision.toCall), amountText(hand, decision.pot));
    // The verdict in the very words of the main window's pot odds.
    const auto potOdds = [](const char* text) {
        return QCoreApplication::translate("korvana::ui::PotOddsFields", text);
    };
    const double needed = decision.needs();
    if (!equity) return price + QStringLiteral(": ") + potOdds("needs %1%").arg(percent(needed));
    return price + QStringLiteral(": ") +
           (callPays(*equity, needed) ? potOdds("needs %1%, has %2%: pays")
                                      : potOdds("needs %1%, has %2%: does not pay"))
               .arg(percent(needed), percent(*equity));
}

}  // namespace korvana::ui
