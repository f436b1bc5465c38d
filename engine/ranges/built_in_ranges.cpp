#include "engine/ranges/built_in_ranges.h"

#include <array>

namespace korvana {
namespace {

// Chosen by hand for 100 big blinds at six seats: opening ranges widen with
// each seat fewer left to act; the flat call keeps the hands that play well
// after the flop and re-raise less well; the re-raises mix value hands with
// suited wheel aces, which block aces and still make straights.
constexpr std::array kRanges = {
    BuiltInRange{"open-utg", "22+, A2s+, K9s+, Q9s+, J9s+, T9s, 98s, 87s, 76s, 65s, AJo+, KQo",
                 Phrase::RangeOpenUtg},
    BuiltInRange{"open-hj",
                 "22+, A2s+, K8s+, Q9s+, J9s+, T8s+, 97s+, 86s+, 76s, 65s, 54s, ATo+, KJo+, QJo",
                 Phrase::RangeOpenHj},
    BuiltInRange{"open-co",
                 "22+, A2s+, K5s+, Q8s+, J8s+, T8s+, 97s+, 86s+, 75s+, 64s+, 54s, A8o+, KTo+, "
                 "QTo+, JTo",
                 Phrase::RangeOpenCo},
    BuiltInRange{"open-btn",
                 "22+, A2s+, K2s+, Q4s+, J6s+, T6s+, 96s+, 85s+, 74s+, 63s+, 53s+, 43s, A2o+, "
                 "K8o+, Q9o+, J9o+, T9o, 98o",
                 Phrase::RangeOpenBtn},
    BuiltInRange{"open-sb",
                 "22+, A2s+, K2s+, Q5s+, J7s+, T7s+, 97s+, 86s+, 75s+, 64s+, 54s, A2o+, K9o+, "
                 "QTo+, JTo",
                 Phrase::RangeOpenSb},
    BuiltInRange{"call-open", "JJ-22, AQs-ATs, KQs-KTs, QJs-QTs, JTs, T9s, 98s, 87s, 76s, 65s, AQo",
                 Phrase::RangeCallOpen},
    BuiltInRange{"bb-defend",
                 "99-22, AJs-A2s, KJs-K2s, QJs-Q4s, JTs-J6s, T9s-T6s, 98s-96s, 87s-85s, 76s-74s, "
                 "65s-63s, 54s-53s, 43s, AJo-A2o, KJo-K7o, QJo-Q8o, JTo-J8o, T9o-T8o, 98o-97o, "
                 "87o, 76o",
                 Phrase::RangeBbDefend},
    BuiltInRange{"3bet", "TT+, AJs+, KQs, A5s-A4s, AQo+, 76s-65s", Phrase::RangeThreeBet},
    BuiltInRange{"3bet-value", "QQ+, AK", Phrase::RangeThreeBetValue},
    BuiltInRange{"call-3bet", "JJ-77, AQs-ATs, KQs-KJs, QJs, JTs, T9s, AQo",
                 Phrase::RangeCallThreeBet},
    BuiltInRange{"4bet", "QQ+, AK, A5s", Phrase::RangeFourBet},
};

}  // namespace

std::span<const BuiltInRange> builtInRanges() {
    return kRanges;
}

}  // namespace korvana
