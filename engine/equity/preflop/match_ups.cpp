#include "engine/equity/preflop/match_ups.h"

#include <algorithm>

#include "engine/ranges/range_grid.h"
#include "engine/ranges/starting_hand.h"

namespace korvana {
namespace {

// A renaming of the suits: the new suit of each, by suitIndex.
using SuitRenaming = std::array<int, 4>;
// The same as the new card of each card, by cardIndex: a look-up, as the
// index below renames some hundred thousand hands when first used.
using CardRenaming = std::array<std::uint8_t, kDeckSize>;

CardRenaming cardRenaming(const SuitRenaming& renaming) {
    CardRenaming cards{};
    for (int index = 0; index < kDeckSize; ++index)
        cards[static_cast<size_t>(index)] =
            static_cast<std::uint8_t>(renaming[static_cast<size_t>(index / 13)] * 13 + index % 13);
    return cards;
}

PocketCards renamed(PocketCards hand, const CardRenaming& renaming) {
    const int a = renaming[static_cast<size_t>(hand.low)];
    const int b = renaming[static_cast<size_t>(hand.high)];
    return a < b ? PocketCards{a, b} : PocketCards{b, a};
}

// Every pair of cards by its number.
constexpr std::array<PocketCards, kPocketCardPairs> kPocketCardsByNumber = [] {
    std::array<PocketCards, kPocketCardPairs> hands{};
    size_t number = 0;  // PocketCards::number counts the same way
    for (int high = 1; high < kDeckSize; ++high)
        for (int low = 0; low < high; ++low) hands[number++] = {low, high};
    return hands;
}();

PocketCards pocketCardsNumbered(int number) {
    return kPocketCardsByNumber[static_cast<size_t>(number)];
}

// How a starting hand's cards look in the first suits: a pair and an offsuit
// hand in clubs and diamonds (the higher rank in clubs), a suited hand in clubs.
PocketCards firstSuitsOf(const StartingHand& hand) {
    const Suit second = hand.suits == StartingHand::Suits::Suited ? Suit::Clubs : Suit::Diamonds;
    return PocketCards::of({hand.high, Suit::Clubs}, {hand.low, second});
}

// The renamings that leave a hand in the first suits as it is: those that
// keep its suits and mix the others.
std::vector<CardRenaming> renamingsKeeping(const StartingHand& hand) {
    std::vector<CardRenaming> kept;
    SuitRenaming renaming = {0, 1, 2, 3};
    do {
        const bool keeps = hand.suits == StartingHand::Suits::Suited ? renaming[0] == 0
                           : hand.suits == StartingHand::Suits::Offsuit
                               ? renaming[0] == 0 && renaming[1] == 1
                               : renaming[0] + renaming[1] == 1;
        if (keeps) kept.push_back(cardRenaming(renaming));
    } while (std::next_permutation(renaming.begin(), renaming.end()));
    return kept;
}

// The renaming that puts a hand in the first suits: its higher card's suit
// first, the other card's second, the suits it lacks after them in order.
CardRenaming toFirstSuits(PocketCards hand) {
    const Card low = cardAt(hand.low), high = cardAt(hand.high);
    const bool lowFirst = low.rank > high.rank;
    std::array<int, 4> order{};
    size_t n = 0;
    const auto put = [&](Suit suit) {
        const int s = static_cast<int>(suitIndex(suit));
        if (std::find(order.begin(), order.begin() + static_cast<long>(n), s) ==
            order.begin() + static_cast<long>(n))
            order[n++] = s;
    };
    put(lowFirst ? low.suit : high.suit);
    put(lowFirst ? high.suit : low.suit);
    for (const Suit suit : kSuits) put(suit);
    SuitRenaming renaming{};
    for (size_t i = 0; i < 4; ++i) renaming[static_cast<size_t>(order[i])] = static_cast<int>(i);
    return cardRenaming(renaming);
}

int lowestNumber(PocketCards hand, const std::vector<CardRenaming>& renamings) {
    int lowest = hand.number();
    for (const CardRenaming& renaming : renamings)
        lowest = std::min(lowest, renamed(hand, renaming).number());
    return lowest;
}

// Which hands make a class of match-ups against each starting hand, made
// once: a few milliseconds.
class ClassIndex {
public:
    static constexpr std::uint16_t kNone = 0xffff;

    ClassIndex() {
        for (int number = 0; number < kPocketCardPairs; ++number)
            startingHand_[static_cast<size_t>(number)] =
                startingHandNumber(pocketCardsNumbered(number));
        for (int s = 0; s < kStartingHands; ++s) {
            const StartingHand hand = startingHandAt(s / kGridSide, s % kGridSide);
            Block& block = blocks_[static_cast<size_t>(s)];
            block.kept = renamingsKeeping(hand);
            block.hero = firstSuitsOf(hand);
            block.position.fill(kNone);
            std::uint16_t next = 0;
            for (int number = 0; number < kPocketCardPairs; ++number) {
                const PocketCards opponent = pocketCardsNumbered(number);
                if ((opponent.mask() & block.hero.mask()) == 0 &&
                    startingHand_[static_cast<size_t>(number)] >= s &&
                    lowestNumber(opponent, block.kept) == number)
                    block.position[static_cast<size_t>(number)] = next++;
            }
        }
    }

    int startingHand(PocketCards hand) const {
        return startingHand_[static_cast<size_t>(hand.number())];
    }
    // The hero in the first suits of his starting hand 's', and the hands of
    // the block: by the number of the hand, its place; kNone for the others.
    PocketCards hero(int s) const { return blocks_[static_cast<size_t>(s)].hero; }
    std::uint16_t position(int s, PocketCards opponent) const {
        return blocks_[static_cast<size_t>(s)].position[static_cast<size_t>(opponent.number())];
    }
    // Where the match-up of two hands that share no card stands in the
    // block of the first one's starting hand, the first hand being 'hero'.
    std::uint16_t positionOf(PocketCards hero, PocketCards opponent) const {
        const int s = startingHand(hero);
        const Block& block = blocks_[static_cast<size_t>(s)];
        return block.position[static_cast<size_t>(
            lowestNumber(renamed(opponent, toFirstSuits(hero)), block.kept))];
    }

private:
    struct Block {
        PocketCards hero;
        std::vector<CardRenaming> kept;
        std::array<std::uint16_t, kPocketCardPairs> position{};
    };
    std::array<int, kPocketCardPairs> startingHand_{};
    std::array<Block, kStartingHands> blocks_{};
};

const ClassIndex& classIndex() {
    static const ClassIndex index;
    return index;
}

}  // namespace

int startingHandNumber(PocketCards hand) {
    const GridPlace place = gridPlaceOf(startingHandOf(hand));
    return place.row * kGridSide + place.column;
}

std::vector<std::pair<PocketCards, PocketCards>> matchUpClasses() {
    const ClassIndex& index = classIndex();
    std::vector<std::pair<PocketCards, PocketCards>> classes;
    for (int s = 0; s < kStartingHands; ++s)
        for (int number = 0; number < kPocketCardPairs; ++number) {
            const PocketCards opponent = pocketCardsNumbered(number);
            if (index.position(s, opponent) != ClassIndex::kNone)
                classes.emplace_back(index.hero(s), opponent);
        }
    return classes;
}

HeroMatchUps::HeroMatchUps(PocketCards hero, const std::array<std::uint32_t, 170>& starts) {
    const ClassIndex& index = classIndex();
    const int own = index.startingHand(hero);
    for (int number = 0; number < kPocketCardPairs; ++number) {
        const PocketCards opponent = pocketCardsNumbered(number);
        if ((opponent.mask() & hero.mask()) != 0) continue;
        const int theirs = index.startingHand(opponent);
        // A block holds the match-ups against the same or later starting
        // hands; one against an earlier one is read from the other side.
        entryOf_[static_cast<size_t>(number)] =
            theirs >= own
                ? starts[static_cast<size_t>(own)] + index.positionOf(hero, opponent)
                : (starts[static_cast<size_t>(theirs)] + index.positionOf(opponent, hero)) |
                      kSeenFromTheOpponent;
    }
}

}  // namespace korvana
