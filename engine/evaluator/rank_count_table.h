#pragma once
// Hand ranks looked up by the rank counts of a hand (how many cards of each
// rank, as base-5 digits), through a perfect hash: the counts times a
// multiplier pick a bucket and a place, and each bucket's own displacement,
// found when the table is built, is XORed into the place to move its few
// hands to places no other hand takes. Two reads and no comparison, and the
// table stays small enough for the caches.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/cards/hand_rank.h"

namespace korvana {

// The numbers that make up a table, as the build writes them out.
template <int BucketBits, int PlaceBits>
struct RankCountLayout {
    std::uint32_t multiplier = 0;
    std::array<std::uint16_t, size_t{1} << BucketBits> displacement{};
    std::array<std::uint16_t, size_t{1} << PlaceBits> ranks{};  // HandRank values
};

// 1 << PlaceBits places (at most 16 bits) spread over 1 << BucketBits buckets.
// Made for the two sizes the evaluator uses (see rank_count_table.cpp).
template <int BucketBits, int PlaceBits>
class RankCountTable {
public:
    using Layout = RankCountLayout<BucketBits, PlaceBits>;

    // Room for the given distinct rank counts, fewer than the places. Every
    // rank is empty until set. Only the program that makes the tables at
    // build time does this.
    explicit RankCountTable(const std::vector<std::uint32_t>& allCounts);
    // A table made before.
    explicit RankCountTable(const Layout& layout) : table_(layout) {}

    // Rank counts that were not given to the constructor read some other hand's rank.
    HandRank at(std::uint32_t counts) const { return HandRank{table_.ranks[placeOf(counts)]}; }
    void set(std::uint32_t counts, HandRank rank) { table_.ranks[placeOf(counts)] = rank.value; }
    const Layout& layout() const { return table_; }

private:
    // The hash is a product of 32 bits: its top bits pick the bucket, its
    // bottom bits the place. The bottom bits of a product only depend on
    // those of the counts, but the bucket depends on all of them, and the
    // build only keeps a multiplier that leaves no two hands at one place of
    // a bucket.
    static_assert(BucketBits + PlaceBits <= 32);
    static constexpr int kBucketShift = 32 - BucketBits;
    static constexpr std::uint32_t kPlaces = 1u << PlaceBits;

    size_t placeOf(std::uint32_t counts) const {
        const std::uint32_t hash = counts * table_.multiplier;
        return (hash & (kPlaces - 1)) ^ table_.displacement[hash >> kBucketShift];
    }

    Layout table_;
};

}  // namespace korvana
