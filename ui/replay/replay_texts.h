#pragma once
// The replay's words, in the language of the installed translation: cards
// with their suit signs, amounts in the file's unit, each step as a line of
// the action list, and the price of a decision in the words of the main
// window's pot odds.
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "engine/text/language.h"
#include "history/hand_refusal.h"
#include "ui/replay/replay_steps.h"

namespace korvana::ui {

// "A♥", and "A♥ K♥" for several.
QString cardText(Card card);
QString cardsText(const std::vector<Card>& cards);
QString cardsText(const std::array<Card, 2>& cards);
// "1.50", "$1.50", "1500" in the hand's unit.
QString amountText(const history::PlayedHand& hand, history::Amount amount);
// "+1.50", "-0.25", "0".
QString signedAmountText(const history::PlayedHand& hand, history::Amount amount);
// "Preflop", "Flop", "Turn", "River".
QString streetName(history::Street street);
// "Hand 1001, line 14: the call of 0.20 does not match the bet it faces (0.30)".
QString refusalLine(const history::HandRefusal& refusal, Language language);
// "Hero raises 0.60 to 0.90", "Flop: K♦ 7♣ 2♥", "Villain collects 11.50".
QString stepText(const history::PlayedHand& hand, const ReplayStep& step);
// "to call 12 into 38.70: needs 23.7%, has 31.2%: pays"; without the
// equity while it is not counted.
QString priceText(const history::PlayedHand& hand, const history::Decision& decision,
                  std::optional<double> equity, const QString& decimalSeparator);

}  // namespace korvana::ui
