#pragma once
// The card picker's items: which card each of its 52 buttons stands for.
#include <QString>

#include "card.h"

namespace korvana::ui {

inline constexpr int kPickerItems = 52;

// The card of picker item n (0..51): rank n mod 13 of 2..A, suit n div 13 of
// c d h s; and its code.
Card pickerCard(int item);
QString pickerCardCode(int item);

// Index of item n's small face in the card face list, which is ordered by suit
// and, within a suit, by the character order of the codes (2..9, A, J, K, Q, T).
int pickerPictureIndex(int item);

}  // namespace korvana::ui
