#include "engine/ranges/top_share.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "engine/ranges/strength_order.h"

namespace korvana {

std::vector<StartingHand> topStartingHands(double percent) {
    const double target = percent / 100.0 * kPocketCardPairs;
    const auto& order = startingHandsByStrength();
    std::vector<StartingHand> hands;
    int combinations = 0;
    for (const auto& entry : order) {
        const int more = combinations + entry.hand.combinations();
        // Stop where one more hand would take the count further from the share.
        if (!hands.empty() && std::abs(more - target) >= std::abs(combinations - target)) break;
        hands.push_back(entry.hand);
        combinations = more;
    }
    return hands;
}

std::optional<std::variant<std::vector<PocketCards>, RangeError::Problem>> readTopShare(
    std::string_view piece) {
    if (piece.empty() || piece.back() != '%') return std::nullopt;
    piece.remove_suffix(1);
    if (piece.size() >= 3 && (piece[0] | 0x20) == 't' && (piece[1] | 0x20) == 'o' &&
        (piece[2] | 0x20) == 'p')
        piece.remove_prefix(3);
    while (!piece.empty() && (piece.front() == ' ' || piece.front() == '\t'))
        piece.remove_prefix(1);
    while (!piece.empty() && (piece.back() == ' ' || piece.back() == '\t')) piece.remove_suffix(1);
    if (piece.empty()) return std::nullopt;
    double percent = 0;
    const auto [end, error] = std::from_chars(piece.data(), piece.data() + piece.size(), percent,
                                              std::chars_format::fixed);
    if (end != piece.data() + piece.size()) return std::nullopt;
    // Written as a share, only too small or too large for a number.
    if (error == std::errc::result_out_of_range) return RangeError::Problem::ShareOutOfRange;
    if (error != std::errc()) return std::nullopt;
    if (!(percent > 0.0 && percent <= 100.0)) return RangeError::Problem::ShareOutOfRange;
    std::vector<PocketCards> hands;
    for (const StartingHand& hand : topStartingHands(percent)) {
        const auto cards = hand.hands();
        hands.insert(hands.end(), cards.begin(), cards.end());
    }
    return hands;
}

}  // namespace korvana
