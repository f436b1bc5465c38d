#include "engine/equity/equity.h"

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

#include "engine/equity/deal_plan.h"
#include "engine/equity/equity_enumeration.h"
#include "engine/equity/equity_sampling.h"
#include "engine/equity/equity_tally.h"
#include "engine/equity/heads_up_preflop.h"
#include "engine/equity/range_equity.h"
#include "engine/evaluator/board_ranks.h"

namespace korvana {
namespace {

using Clock = std::chrono::steady_clock;

// Counting the combinations of the ranges stops after this many steps (a few
// milliseconds); beyond it the deals are judged by an upper bound.
constexpr std::uint64_t kCountingEffort = 2'000'000;
// Steps of the search for one deal of the ranged opponents before it gives up
// (and the sample finds what deals there are).
constexpr std::uint64_t kSearchEffort = 2'000'000;
// A sample is not judged by its standard error before this many blocks: a
// small sample of a lopsided spot can show no spread at all.
constexpr std::uint64_t kFewestBlocks = 8;
constexpr auto kProgressInterval = std::chrono::milliseconds(25);

// What the worker threads share: the counted deals so far, guarded by the
// mutex, and the flag that stops them.
struct Run {
    Run(const DealPlan& plan, const EquityOptions& options, EquityControl* control)
        : plan(plan), options(options), control(control), start(Clock::now()) {}

    // Starts the workers, watches for a cancel or the end of the time budget
    // while they work, and returns once all have stopped.
    template <typename Work>
    void runWorkers(Work work) {
        const int threads = std::max(1, options.threads);
        // No time at all counts nothing: the watcher below looks only every
        // few milliseconds, long enough for a quick count to end.
        if (options.timeBudget <= std::chrono::milliseconds::zero()) {
            outOfTime = true;
            stop.store(true, std::memory_order_relaxed);
        }
        std::vector<std::thread> workers;
        for (int i = 0; i < threads; ++i)
            workers.emplace_back([&] {
                work();
                const std::lock_guard lock(mutex);
                ++finishedWorkers;
                changed.notify_all();
            });
        {
            std::unique_lock lock(mutex);
            while (finishedWorkers < threads) {
                changed.wait_for(lock, std::chrono::milliseconds(5));
                if (control && control->cancelled()) stop.store(true, std::memory_order_relaxed);
                if (Clock::now() - start >= options.timeBudget) {
                    outOfTime = true;
                    stop.store(true, std::memory_order_relaxed);
                }
            }
        }
        for (auto& worker : workers) worker.join();
    }

    const DealPlan& plan;
    const EquityOptions& options;
    EquityControl* control;
    const Clock::time_point start;
    std::atomic<bool> stop{false};
    bool outOfTime = false;  // only read once the workers have stopped
    std::mutex mutex;
    std::condition_variable changed;
    int finishedWorkers = 0;
    EquityTally total;
    Clock::time_point lastProgress{};

    // Under the mutex. The result so far is only put together when it is shown.
    template <typename SoFar>
    void reportProgress(SoFar soFar, double done) {
        if (!control || !control->onProgress) return;
        const auto now = Clock::now();
        if (now - lastProgress < kProgressInterval) return;
        lastProgress = now;
        control->onProgress(soFar(), std::clamp(done, 0.0, 1.0));
    }
    double timeSpent() const {
        return std::chrono::duration<double>(Clock::now() - start) /
               std::chrono::duration<double>(options.timeBudget);
    }
};

EquityResult enumerate(const DealPlan& plan, const EquityOptions& options, EquityControl* control,
                       std::optional<std::uint64_t> allDeals) {
    Run run(plan, options, control);
    const std::vector<EnumerationTask> tasks = enumerationTasks(plan, options.threads);
    std::atomic<size_t> nextTask{0};
    size_t tasksDone = 0;
    run.runWorkers([&] {
        TaskCounter counter(plan, run.stop);
        for (;;) {
            const size_t i = nextTask.fetch_add(1);
            if (i >= tasks.size() || run.stop.load(std::memory_order_relaxed)) return;
            const auto [tally, whole] = counter.count(tasks[i]);
            const std::lock_guard lock(run.mutex);
            run.total.add(tally);
            tasksDone += whole ? 1 : 0;
            run.reportProgress(
                [&] {
                    EquityResult soFar = run.total.result(plan.players);
                    soFar.enumerated = true;
                    soFar.standardError = 0.0;
                    soFar.allDeals = allDeals.value_or(0);
                    return soFar;
                },
                static_cast<double>(tasksDone) / static_cast<double>(tasks.size()));
        }
    });
    EquityResult result = run.total.result(plan.players);
    result.enumerated = true;
    result.complete = tasksDone == tasks.size();
    result.standardError = 0.0;
    result.allDeals = result.complete ? result.deals : allDeals.value_or(0);
    result.timeLimitReached = !result.complete && run.outOfTime;
    return result;
}

EquityResult sample(const DealPlan& plan, const DealSampler& sampler, const EquityOptions& options,
                    EquityControl* control, std::optional<std::uint64_t> allDeals) {
    Run run(plan, options, control);
    const std::uint64_t blocks = options.sampleDeals == 0
                                     ? ~std::uint64_t{0}
                                     : (options.sampleDeals + kDealsPerBlock - 1) / kDealsPerBlock;
    const auto dealsIn = [&](std::uint64_t block) {
        if (options.sampleDeals == 0) return kDealsPerBlock;
        return std::min(kDealsPerBlock, options.sampleDeals - block * kDealsPerBlock);
    };
    std::atomic<std::uint64_t> nextBlock{0};
    // Blocks are counted in the order of their numbers, so that where a sample
    // ends depends on the seed and the options alone, not on the threads.
    std::map<std::uint64_t, EquityTally> waiting;
    EquityTally cutShort;  // blocks stopped halfway
    std::uint64_t counted = 0;
    bool enough = false;
    run.runWorkers([&] {
        for (;;) {
            const std::uint64_t block = nextBlock.fetch_add(1);
            if (block >= blocks || run.stop.load(std::memory_order_relaxed)) return;
            EquityTally tally = sampler.block(options.seed, block, dealsIn(block), run.stop);
            const std::lock_guard lock(run.mutex);
            if (enough) return;
            if (tally.deals < dealsIn(block)) {
                cutShort.add(tally);
                return;
            }
            waiting.emplace(block, std::move(tally));
            while (!enough && !waiting.empty() && waiting.begin()->first == counted) {
                run.total.add(waiting.begin()->second);
                waiting.erase(waiting.begin());
                ++counted;
                const EquityResult soFar = run.total.result(plan.players);
                const bool precise = options.targetStandardError > 0 && counted >= kFewestBlocks &&
                                     soFar.standardError <= options.targetStandardError;
                enough = counted == blocks || precise;
                double done = run.timeSpent();
                if (options.sampleDeals > 0)
                    done = std::max(done, static_cast<double>(soFar.deals) /
                                              static_cast<double>(options.sampleDeals));
                if (options.targetStandardError > 0 && soFar.standardError > 0)
                    done = std::max(done,
                                    std::pow(options.targetStandardError / soFar.standardError, 2));
                run.reportProgress([&] { return soFar; }, done);
            }
            if (enough) run.stop.store(true, std::memory_order_relaxed);
        }
    });
    // Stopped before the end: every deal drawn so far counts, whatever its block.
    if (!enough) {
        for (const auto& [block, tally] : waiting) run.total.add(tally);
        run.total.add(cutShort);
    }
    EquityResult result = run.total.result(plan.players);
    result.complete = enough;
    result.timeLimitReached = !enough && run.outOfTime;
    result.allDeals = allDeals.value_or(0);
    return result;
}

// Heads-up before the flop, nothing seen but the hero's cards: the table has
// every deal's count. No time at all still counts nothing.
bool inMatchUpTable(const EquitySpot& spot, const EquityOptions& options) {
    return options.matchUpTable && options.method != EquityMethod::Sample &&
           options.timeBudget > std::chrono::milliseconds::zero() && spot.opponents.size() == 1 &&
           spot.board.empty() && spot.dead.empty() && spot.opponents.front().hasEvenWeights();
}

EquityResult fromMatchUpTable(const EquitySpot& spot, const EquityOptions& options) {
    const PocketCards hero = PocketCards::of(spot.hero[0], spot.hero[1]);
    std::vector<WeightedHand> opponent;
    for (const PocketCards& hand : spot.opponents.front().hands())
        if ((hand.mask() & hero.mask()) == 0) opponent.push_back({hand});
    EquityTally tally = countHeadsUpPreflop(hero, opponent);
    if (options.countHeroFinal) {
        const auto categories = heroFinalCategories(hero, opponent);
        for (size_t c = 0; c < categories.size(); ++c)
            tally.heroFinal[c] = static_cast<double>(categories[c]);
    }
    EquityResult result = tally.result(2);
    result.enumerated = true;
    result.complete = true;
    result.standardError = 0.0;
    result.allDeals = result.deals;
    return result;
}

EquityError noDeal(const DealPlan& plan) {
    std::vector<int> opponents = plan.crowdedRanges();
    if (opponents.empty())
        for (size_t i = 0; i < plan.rangedCount(); ++i)
            opponents.push_back(plan.opponents[i].player);
    return EquityError{EquityError::Problem::NoDeal, 0, {}, 0, 0, std::move(opponents)};
}

}  // namespace

std::variant<EquityResult, EquityError> computeEquity(const EquitySpot& spot,
                                                      const EquityOptions& options,
                                                      EquityControl* control) {
    if (spot.heroRange) return computeRangeEquity(spot, options, control, computeEquity);
    auto planned = planDeals(spot);
    if (auto* error = std::get_if<EquityError>(&planned)) return *error;
    const DealPlan& plan = std::get<DealPlan>(planned);

    // Beyond what Automatic enumerates, a sample needs no count.
    const auto count =
        plan.deals(kCountingEffort, options.method == EquityMethod::Enumerate
                                        ? 1e300
                                        : static_cast<double>(options.automaticEnumerationDeals));
    if (count && count->whole == 0u) return noDeal(plan);
    // Too many combinations to count them: a group of ranges short of cards
    // shows at once that there is no deal, and else a search for one deal
    // answers in a moment for any table a player sets.
    if (!count && !plan.crowdedRanges().empty()) return noDeal(plan);
    if (!count && plan.rangedCount() > 1) {
        const auto some = plan.someRangedDeal(kSearchEffort);
        if (some && some->empty()) return noDeal(plan);
    }
    const std::optional<std::uint64_t> allDeals =
        count ? count->whole : std::optional<std::uint64_t>();
    const double deals = count ? count->about : plan.dealsAtMost();
    bool enumerated = false;
    switch (options.method) {
        case EquityMethod::Enumerate:
            if (deals > static_cast<double>(options.enumerationDealLimit))
                return EquityError{EquityError::Problem::TooManyDeals,
                                   0,
                                   {},
                                   allDeals.value_or(~std::uint64_t{0}),
                                   deals};
            enumerated = true;
            break;
        case EquityMethod::Automatic:
            enumerated = deals <= static_cast<double>(options.automaticEnumerationDeals) ||
                         inMatchUpTable(spot, options);
            break;
        case EquityMethod::Sample: break;
    }
    if (enumerated && inMatchUpTable(spot, options)) return fromMatchUpTable(spot, options);
    if (enumerated) return enumerate(plan, options, control, allDeals);
    const DealSampler sampler(plan);
    if (!sampler.anyDeal()) return noDeal(plan);
    return sample(plan, sampler, options, control, allDeals);
}

}  // namespace korvana
