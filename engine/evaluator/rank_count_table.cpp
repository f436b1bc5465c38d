#include "engine/evaluator/rank_count_table.h"

#include <algorithm>

namespace korvana {
namespace {

// Each hand's place in the table before displacement, grouped by bucket: the
// places of bucket b are places[start[b]] .. places[start[b + 1] - 1].
struct Buckets {
    std::vector<std::uint32_t> start, places;
    auto begin(size_t b) const { return places.begin() + start[b]; }
    auto end(size_t b) const { return places.begin() + start[b + 1]; }
    std::uint32_t size(size_t b) const { return start[b + 1] - start[b]; }
};

Buckets bucketsOf(const std::vector<std::uint32_t>& allCounts, std::uint32_t multiplier,
                  int bucketShift, std::uint32_t placeMask, size_t bucketCount) {
    Buckets buckets{std::vector<std::uint32_t>(bucketCount + 1),
                    std::vector<std::uint32_t>(allCounts.size())};
    for (const std::uint32_t counts : allCounts)
        ++buckets.start[((counts * multiplier) >> bucketShift) + 1];
    for (size_t b = 0; b < bucketCount; ++b) buckets.start[b + 1] += buckets.start[b];
    std::vector<std::uint32_t> next(buckets.start.begin(), buckets.start.end() - 1);
    for (const std::uint32_t counts : allCounts) {
        const std::uint32_t hash = counts * multiplier;
        buckets.places[next[hash >> bucketShift]++] = hash & placeMask;
    }
    return buckets;
}

}  // namespace

template <int BucketBits, int PlaceBits>
RankCountTable<BucketBits, PlaceBits>::RankCountTable(const std::vector<std::uint32_t>& allCounts) {
    // Tries multipliers until one spreads the hands so that every bucket finds
    // a displacement: the sixth does for seven cards, the second for five or
    // six. Odd multipliers only: an even one would lose the top bit of the
    // counts.
    for (std::uint32_t multiplier = 0x9E3779B9u;; multiplier += 0x6A09E668u) {
        const Buckets buckets =
            bucketsOf(allCounts, multiplier, kBucketShift, kPlaces - 1, table_.displacement.size());
        // Two hands at one place of a bucket: no displacement separates them.
        bool clash = false;
        for (size_t b = 0; b < table_.displacement.size() && !clash; ++b)
            for (auto p = buckets.begin(b); p != buckets.end(b) && !clash; ++p)
                clash = std::find(buckets.begin(b), p, *p) != p;
        if (clash) continue;

        // The fullest buckets first, while the table still has room for them.
        std::vector<std::uint32_t> order(table_.displacement.size());
        for (std::uint32_t b = 0; b < order.size(); ++b) order[b] = b;
        std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
            return buckets.size(a) > buckets.size(b);
        });
        std::vector<bool> taken(kPlaces);
        bool placedAll = true;
        for (const std::uint32_t b : order) {
            std::uint32_t d = 0;
            const auto fits = [&] {
                return std::none_of(buckets.begin(b), buckets.end(b),
                                    [&](std::uint32_t place) { return taken[place ^ d]; });
            };
            while (d < kPlaces && !fits()) ++d;
            if (d == kPlaces) {
                placedAll = false;
                break;
            }
            table_.displacement[b] = static_cast<std::uint16_t>(d);
            for (auto p = buckets.begin(b); p != buckets.end(b); ++p) taken[*p ^ d] = true;
        }
        if (placedAll) {
            table_.multiplier = multiplier;
            return;
        }
    }
}

// Seven cards: 49 205 rank counts. Five or six cards: 24 570. About three
// places in four are taken, with six hands to a bucket on average.
template class RankCountTable<13, 16>;
template class RankCountTable<12, 15>;

}  // namespace korvana
