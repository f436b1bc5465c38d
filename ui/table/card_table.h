#pragma once
// The card picker's items: which card each of its 52 buttons stands for.
#include <QString>

#include "engine/cards/card.h"

namespace korvana::ui {

inline constexpr int kPickerItems = kCardCount;

// Picker item n (0..51) is the card of index n: one row per suit, clubs at
// the top, ranks 2..A from left to right.
inline Card pickerCard(int item) {
    return cardAt(item);
}
inline int pickerItem(Card card) {
    return cardIndex(card);
}
QString pickerCardCode(int item);

}  // namespace korvana::ui
