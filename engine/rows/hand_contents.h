#pragma once
// Which hand categories a set of cards contains, by the plain rules of poker:
// a hand is contained when some of the cards form it, whatever the others are.
#include <array>
#include <cstdint>
#include <span>

#include "engine/cards/card.h"
#include "engine/cards/category.h"

namespace korvana {

// A set of categories, one bit per category.
class CategorySet {
public:
    void add(Category category) { bits_ |= bit(category); }
    bool has(Category category) const { return (bits_ & bit(category)) != 0; }
    friend bool operator==(const CategorySet&, const CategorySet&) = default;

private:
    static constexpr std::uint16_t bit(Category category) {
        return static_cast<std::uint16_t>(1u << listIndex(category));
    }
    std::uint16_t bits_ = 0;
};

// Cards as one 13-bit rank mask per suit: bit 0 is the 2, bit 12 the ace.
using SuitMasks = std::array<std::uint16_t, 4>;

inline constexpr std::uint16_t rankBit(int rank) {
    return static_cast<std::uint16_t>(1u << static_cast<unsigned>(rank - 2));
}

// Whether the ranks in a mask hold five consecutive ranks, the ace also below the 2.
inline constexpr bool hasFiveInARow(unsigned rankMask) {
    const unsigned m = (rankMask << 1) | ((rankMask >> 12) & 1u);
    return (m & (m >> 1) & (m >> 2) & (m >> 3) & (m >> 4)) != 0;
}

// The categories that cards given as suit masks contain.
CategorySet containedCategories(const SuitMasks& cards);

// The same for a list of distinct cards.
CategorySet containedCategories(std::span<const Card> cards);

}  // namespace korvana
