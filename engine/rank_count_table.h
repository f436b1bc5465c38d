#pragma once
// Hand ranks looked up by the rank counts of a hand (how many cards of each
// rank, as base-5 digits), through a perfect hash: a multiplicative hash picks
// a bucket and a place, and each bucket's own displacement, found when the
// table is built, moves its few hands to places no other hand takes. Two reads
// and no comparison, and the table stays small enough for the caches.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/hand_rank.h"

namespace korvana {

// 1 << PlaceBits places (at most 16 bits) spread over 1 << BucketBits buckets.
// Built for the two sizes the evaluator uses (see rank_count_table.cpp).
template <int BucketBits, int PlaceBits>
class RankCountTable {
public:
    // Room for the given distinct rank counts, fewer than the places. Every
    // rank is empty until set.
    explicit RankCountTable(const std::vector<std::uint32_t>& allCounts);

    // Rank counts that were not given to the constructor read some other hand's rank.
    HandRank at(std::uint32_t counts) const { return ranks_[placeOf(counts)]; }
    void set(std::uint32_t counts, HandRank rank) { ranks_[placeOf(counts)] = rank; }

private:
    static constexpr int kBucketShift = 64 - BucketBits;
    static constexpr int kPlaceShift = 64 - BucketBits - PlaceBits;
    static constexpr std::uint32_t kPlaces = 1u << PlaceBits;

    size_t placeOf(std::uint32_t counts) const {
        const std::uint64_t hash = counts * multiplier_;
        const auto place = static_cast<std::uint32_t>(hash >> kPlaceShift) & (kPlaces - 1);
        return place ^ displacement_[static_cast<size_t>(hash >> kBucketShift)];
    }

    std::uint64_t multiplier_ = 0;
    std::array<std::uint16_t, size_t{1} << BucketBits> displacement_{};
    std::array<HandRank, kPlaces> ranks_{};
};

}  // namespace korvana
