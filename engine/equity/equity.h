#pragma once
// How often the hero's hand wins against opponents who hold random hands,
// known hands or ranges: counted over every deal when that is affordable,
// otherwise over an unbiased sample of deals.
//
// A deal gives every opponent a hand from his range and completes the board,
// no card twice; every deal is equally likely. The computation runs on as many
// threads as it is given, reports progress and can be cancelled at any moment
// from any thread, after which it returns what it has counted so far.
#include <variant>

#include "engine/equity/equity_count.h"

namespace korvana {

std::variant<EquityResult, EquityError> computeEquity(const EquitySpot& spot,
                                                      const EquityOptions& options,
                                                      EquityControl* control = nullptr);

}  // namespace korvana
