#pragma once
// Every deal of a spot, in tasks that threads share out: a task is the boards
// whose cards to come have given ranks (in all the suits still possible), and
// when there are few boards, also a slice of the first varying opponent's
// hands. Boards of the same ranks one after the other keep the rank tables of
// the evaluator in the cache: only their flushes differ.
#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "engine/equity/deal_plan.h"
#include "engine/equity/equity_tally.h"

namespace korvana {

struct EnumerationTask {
    std::array<std::uint8_t, 13> toComeOfRank{};  // board cards to come of each rank, the 2 first
    size_t firstHand = 0, endHand = 0;            // the slice of the first varying opponent's hands
};

// Tasks in an order that spreads each stretch of them over the whole deck,
// so that a stopped enumeration has counted boards of every kind.
std::vector<EnumerationTask> enumerationTasks(const DealPlan& plan, int threads);

// Counts the deals of tasks, one thread's worth: each thread has its own.
class TaskCounter {
public:
    TaskCounter(const DealPlan& plan, const std::atomic<bool>& stop);
    ~TaskCounter();
    // The deals of one task, and whether that is all of them: it stops
    // early, with what it has, once 'stop' is set.
    std::pair<EquityTally, bool> count(const EnumerationTask& task);

private:
    class Walk;
    std::unique_ptr<Walk> walk_;
};

}  // namespace korvana
