#pragma once
// Deals drawn at random, in numbered blocks. A block's deals depend on nothing
// but the seed and its number, so a sample is the same however threads share
// out the blocks.
#include <atomic>
#include <cstdint>

#include "engine/deal_plan.h"
#include "engine/equity_tally.h"

namespace korvana {

inline constexpr std::uint64_t kDealsPerBlock = 4096;

// 'deals' deals (at most kDealsPerBlock), each equally likely among all deals
// of the plan. Stops early, with what it has, once 'stop' is set.
EquityTally sampleBlock(const DealPlan& plan, std::uint64_t seed, std::uint64_t block,
                        std::uint64_t deals, const std::atomic<bool>& stop);

}  // namespace korvana
