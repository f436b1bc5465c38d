#include "engine/equity/range_equity.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "engine/equity/deal_plan.h"

namespace korvana {
namespace {

using Clock = std::chrono::steady_clock;

// Weighing the deals of every hand of the hero's stops after this many steps
// in all; beyond it a hand's deals are weighed by an upper bound.
constexpr std::uint64_t kWeighingEffort = 4'000'000;

// One hand of the hero's: its spot and what its deals weigh.
struct HeroHand {
    EquitySpot spot;
    double dealWeight = 0;  // the hand's weight times the weight of its deals
    double deals = 0;       // its deals, or an upper bound
    std::optional<std::uint64_t> allDeals;
};

// A hand's count and the weight of its deals (its dealWeight).
struct Counted {
    double dealWeight = 0;
    EquityResult result;
};

// The hero's hands' counts as one: each count stands for the weight of its
// hand's deals, the figures of a sample scaled up to it (the error as of
// the strata of one sample). Counts of every deal of unweighted ranges
// stand for themselves, and stay whole numbers.
EquityResult combined(const std::vector<Counted>& counts, bool enumerated) {
    EquityResult total;
    total.enumerated = enumerated;
    for (const Counted& count : counts)
        if (count.result.deals > 0 && count.result.weight > 0) total.weight += count.dealWeight;
    double variance = 0;
    for (const Counted& count : counts) {
        const EquityResult& result = count.result;
        if (result.deals == 0 || result.weight <= 0) continue;
        const double scale = count.dealWeight / result.weight;
        const double share = count.dealWeight / total.weight;
        total.deals += result.deals;
        total.allDeals += result.allDeals;
        if (total.players.size() < result.players.size())
            total.players.resize(result.players.size());
        for (size_t p = 0; p < result.players.size(); ++p) {
            total.players[p].wins += scale * result.players[p].wins;
            total.players[p].ties += scale * result.players[p].ties;
            total.players[p].equity += share * result.players[p].equity;
        }
        for (size_t c = 0; c < total.heroFinal.size(); ++c)
            total.heroFinal[c] += scale * result.heroFinal[c];
        variance += share * share * result.standardError * result.standardError;
        total.timeLimitReached = total.timeLimitReached || result.timeLimitReached;
    }
    total.standardError = enumerated ? 0.0 : std::sqrt(variance);
    return total;
}

}  // namespace

std::variant<EquityResult, EquityError> computeRangeEquity(const EquitySpot& spot,
                                                           const EquityOptions& options,
                                                           EquityControl* control,
                                                           const SpotCount& countSpot) {
    const auto start = Clock::now();
    CardMask known = 0;
    for (const auto* cards : {&spot.board, &spot.dead})
        for (const Card card : *cards) known |= cardBit(card);
    const HandRange& range = *spot.heroRange;
    std::vector<HeroHand> hands;
    std::optional<EquityError> skipped;  // why a hand of his has no deal
    size_t left = 0;
    for (const PocketCards& cards : range.hands()) left += (cards.mask() & known) == 0 ? 1 : 0;
    for (size_t h = 0; h < range.hands().size(); ++h) {
        const PocketCards cards = range.hands()[h];
        if ((cards.mask() & known) != 0) continue;
        HeroHand hand{spot, 0, 0, {}};
        hand.spot.heroRange = nullptr;
        hand.spot.hero = {cardAt(cards.low), cardAt(cards.high)};
        auto planned = planDeals(hand.spot);
        if (const auto* error = std::get_if<EquityError>(&planned)) {
            using Problem = EquityError::Problem;
            if (error->problem != Problem::RangeEmpty && error->problem != Problem::NoDeal)
                return *error;  // the same for every hand of his
            skipped = skipped.value_or(*error);
            continue;
        }
        const DealPlan& plan = std::get<DealPlan>(planned);
        const std::uint64_t effort = kWeighingEffort / left;
        const auto count = plan.deals(effort);
        if (count && count->whole == 0u) continue;
        hand.deals = count ? count->about : plan.dealsAtMost();
        hand.allDeals = count ? count->whole : std::nullopt;
        hand.dealWeight = range.weightAt(h) *
                          plan.weighedDeals(effort).value_or(plan.dealsAtMost() * plan.weightScale);
        hands.push_back(std::move(hand));
    }
    if (hands.empty()) {
        if (skipped) return *skipped;
        return EquityError{EquityError::Problem::RangeEmpty, 0};
    }

    double deals = 0, dealWeight = 0;
    bool allKnown = true;
    for (const HeroHand& hand : hands) {
        deals += hand.deals;
        dealWeight += hand.dealWeight;
        allKnown = allKnown && hand.allDeals.has_value();
    }
    // Heads-up before the flop each of his hands is counted whole at once
    // from the table of match-ups, however many deals that is.
    const bool fromTable = options.matchUpTable && spot.opponents.size() == 1 &&
                           spot.board.empty() && spot.dead.empty() &&
                           spot.opponents.front().hasEvenWeights();
    bool enumerated = false;
    switch (options.method) {
        case EquityMethod::Enumerate:
            if (!fromTable && deals > static_cast<double>(options.enumerationDealLimit))
                return EquityError{
                    EquityError::Problem::TooManyDeals,
                    0,
                    {},
                    deals < 1.8e19 ? static_cast<std::uint64_t>(deals) : ~std::uint64_t{0},
                    deals};
            enumerated = true;
            break;
        case EquityMethod::Automatic:
            enumerated =
                fromTable || deals <= static_cast<double>(options.automaticEnumerationDeals);
            break;
        case EquityMethod::Sample: break;
    }

    // Each hand in turn, on every thread; a cancel reaches the hand being
    // counted through its own control.
    std::vector<Counted> counts;
    double shareDone = 0;
    bool complete = true, outOfTime = false;
    for (size_t i = 0; i < hands.size(); ++i) {
        const HeroHand& hand = hands[i];
        const double share = hand.dealWeight / dealWeight;
        const auto spent = Clock::now() - start;
        if ((control && control->cancelled()) || spent >= options.timeBudget) {
            complete = false;
            outOfTime = spent >= options.timeBudget;
            break;
        }
        EquityOptions one = options;
        const auto remaining =
            std::chrono::duration_cast<std::chrono::milliseconds>(options.timeBudget - spent);
        if (enumerated) {
            one.method = EquityMethod::Enumerate;
            one.enumerationDealLimit = ~std::uint64_t{0};
            one.timeBudget = remaining;
        } else {
            // As many deals in proportion to the hand's share give the
            // sample the precision of one sample of them all.
            one.method = EquityMethod::Sample;
            if (options.sampleDeals > 0) {
                // Rounded where the shares so far end, so that they add up to the whole.
                const auto dealsTo = [&](double upTo) {
                    return static_cast<std::uint64_t>(
                        std::llround(static_cast<double>(options.sampleDeals) * upTo));
                };
                one.sampleDeals = dealsTo(std::min(1.0, shareDone + share)) - dealsTo(shareDone);
                if (one.sampleDeals == 0) {
                    shareDone += share;
                    continue;  // a hand too rare for a deal of the sample
                }
            }
            if (options.targetStandardError > 0)
                one.targetStandardError = options.targetStandardError / std::sqrt(share);
            one.timeBudget = std::max(
                std::chrono::milliseconds(1),
                std::chrono::milliseconds(static_cast<std::int64_t>(
                    static_cast<double>(remaining.count()) * share / (1.0 - shareDone + 1e-12))));
            one.seed = options.seed * 0x9E3779B97F4A7C15ull + i;
        }
        EquityControl own;
        if (control)
            own.onProgress = [&](const EquityResult& soFar, double done) {
                if (control->cancelled()) own.cancel();
                if (!control->onProgress) return;
                std::vector<Counted> sofar = counts;
                sofar.push_back({hand.dealWeight, soFar});
                control->onProgress(combined(sofar, enumerated), shareDone + share * done);
            };
        auto result = countSpot(hand.spot, one, control ? &own : nullptr);
        if (const auto* error = std::get_if<EquityError>(&result)) {
            if (error->problem == EquityError::Problem::NoDeal) continue;
            return *error;
        }
        auto& counted = std::get<EquityResult>(result);
        complete = complete && counted.complete;
        outOfTime = outOfTime || counted.timeLimitReached;
        counts.push_back({hand.dealWeight, std::move(counted)});
        shareDone += share;
    }
    EquityResult total = combined(counts, enumerated);
    total.complete = complete && counts.size() == hands.size();
    total.timeLimitReached = !total.complete && outOfTime;
    total.allDeals = 0;
    if (allKnown)
        for (const HeroHand& hand : hands) total.allDeals += *hand.allDeals;
    return total;
}

}  // namespace korvana
