#pragma once
// The main pot and the side pots of a hand, from what each player put in and
// who is still in: each level of an all-in makes a pot that only the players
// in for that level can win. Chips of folded players fill the pots up to what
// they put in.
#include <vector>

#include "history/played_hand.h"

namespace korvana::history {

std::vector<Pot> splitPots(const std::vector<SeatedPlayer>& players);

}  // namespace korvana::history
