#include "engine/ranges/hand_range.h"

#include <algorithm>
#include <bitset>
#include <optional>

#include "engine/cards/card_input.h"
#include "engine/ranges/top_share.h"
#include "engine/cards/utf8.h"

namespace korvana {
namespace {

// Every pair of cards, one bit each by PocketCards::number(): a piece adds its
// hands as it reads, so repeats cost nothing however long the text.
using HandSet = std::bitset<kPocketCardPairs>;

// Two ranks and which suits: "AK", "AKs", "AKo", "QQ".
struct HandClass {
    enum class Suits { Any, Suited, Offsuit };
    int high = 0, low = 0;  // rank values, high >= low
    Suits suits = Suits::Any;
    bool isPair() const { return high == low; }
};

using ClassOrError = std::variant<HandClass, RangeError::Problem>;

ClassOrError readClass(std::string_view token) {
    if (token.size() < 2 || token.size() > 3) return RangeError::Problem::UnknownText;
    const auto first = rankOfCharacter(static_cast<unsigned char>(token[0]));
    const auto second = rankOfCharacter(static_cast<unsigned char>(token[1]));
    if (!first || !second) return RangeError::Problem::UnknownText;
    HandClass hand{std::max(*first, *second), std::min(*first, *second)};
    if (token.size() == 3) {
        const char suits = token[2];
        if (suits == 's' || suits == 'S')
            hand.suits = HandClass::Suits::Suited;
        else if (suits == 'o' || suits == 'O')
            hand.suits = HandClass::Suits::Offsuit;
        else
            return RangeError::Problem::UnknownText;
        if (hand.isPair()) return RangeError::Problem::SuitedPair;
    }
    return hand;
}

void addClass(const HandClass& hand, HandSet& hands) {
    for (const Suit suitA : kSuits)
        for (const Suit suitB : kSuits) {
            if (hand.isPair() && suitA >= suitB) continue;
            const bool suited = suitA == suitB;
            if (hand.suits == HandClass::Suits::Suited && !suited) continue;
            if (hand.suits == HandClass::Suits::Offsuit && suited) continue;
            hands.set(static_cast<size_t>(
                PocketCards::of({hand.high, suitA}, {hand.low, suitB}).number()));
        }
}

// Two cards written out, "AhKh" or "A♥ K♥"; nullopt when the text is something else.
std::optional<std::variant<PocketCards, RangeError::Problem>> readTwoCards(std::string_view text) {
    const TypedCards typed = parseCardsLeniently(text);
    if (typed.unreadable || typed.slots.size() != 2 || !typed.slots[0].card || !typed.slots[1].card)
        return std::nullopt;
    if (*typed.slots[0].card == *typed.slots[1].card) return RangeError::Problem::SameCardTwice;
    return PocketCards::of(*typed.slots[0].card, *typed.slots[1].card);
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool isWord(std::string_view text, std::string_view word) {
    return text.size() == word.size() && std::equal(text.begin(), text.end(), word.begin(),
                                                    [](char a, char b) { return (a | 0x20) == b; });
}

// "QQ-66", "T9s-65s", "A5s-A2s": every class between the two ends.
std::optional<RangeError::Problem> addSpan(const HandClass& a, const HandClass& b, HandSet& hands) {
    if (a.isPair() != b.isPair() || a.suits != b.suits) return RangeError::Problem::UnmatchedEnds;
    if (a.isPair()) {
        for (int rank = std::min(a.high, b.high); rank <= std::max(a.high, b.high); ++rank)
            addClass({rank, rank, a.suits}, hands);
    } else if (a.high == b.high) {
        for (int low = std::min(a.low, b.low); low <= std::max(a.low, b.low); ++low)
            addClass({a.high, low, a.suits}, hands);
    } else if (a.high - a.low == b.high - b.low) {
        const int gap = a.high - a.low;
        for (int high = std::min(a.high, b.high); high <= std::max(a.high, b.high); ++high)
            addClass({high, high - gap, a.suits}, hands);
    } else {
        return RangeError::Problem::UnmatchedEnds;
    }
    return std::nullopt;
}

std::optional<RangeError::Problem> addPiece(std::string_view piece, HandSet& hands) {
    if (isWord(piece, "random") || isWord(piece, "any")) {
        hands.set();
        return std::nullopt;
    }
    if (auto share = readTopShare(piece)) {
        if (const auto* problem = std::get_if<RangeError::Problem>(&*share)) return *problem;
        for (const PocketCards cards : std::get<std::vector<PocketCards>>(*share))
            hands.set(static_cast<size_t>(cards.number()));
        return std::nullopt;
    }
    if (piece.size() > 1 && piece.back() == '+') {
        const std::string_view base = piece.substr(0, piece.size() - 1);
        if (readTwoCards(base)) return RangeError::Problem::PlusOnOneHand;
        const ClassOrError hand = readClass(base);
        if (const auto* problem = std::get_if<RangeError::Problem>(&hand)) return *problem;
        const auto& from = std::get<HandClass>(hand);
        if (from.isPair()) return addSpan(from, {14, 14, from.suits}, hands);
        return addSpan(from, {from.high, from.high - 1, from.suits}, hands);
    }
    if (const auto dash = piece.find('-'); dash != std::string_view::npos) {
        const ClassOrError a = readClass(trimmed(piece.substr(0, dash)));
        const ClassOrError b = readClass(trimmed(piece.substr(dash + 1)));
        if (const auto* problem = std::get_if<RangeError::Problem>(&a)) return *problem;
        if (const auto* problem = std::get_if<RangeError::Problem>(&b)) return *problem;
        return addSpan(std::get<HandClass>(a), std::get<HandClass>(b), hands);
    }
    if (const auto cards = readTwoCards(piece)) {
        if (const auto* problem = std::get_if<RangeError::Problem>(&*cards)) return *problem;
        hands.set(static_cast<size_t>(std::get<PocketCards>(*cards).number()));
        return std::nullopt;
    }
    const ClassOrError hand = readClass(piece);
    if (const auto* problem = std::get_if<RangeError::Problem>(&hand)) return *problem;
    addClass(std::get<HandClass>(hand), hands);
    return std::nullopt;
}

// Whether the text holds more than kMaxRangeCharacters characters; a byte
// that is not UTF-8 counts as one. Stops reading at the limit.
bool isTooLong(std::string_view text) {
    size_t characters = 0;
    for (size_t pos = 0; pos < text.size(); ++characters) {
        if (characters == kMaxRangeCharacters) return true;
        const auto character = utf8CharacterAt(text, pos);
        pos += character ? character->length : 1;
    }
    return false;
}

}  // namespace

HandRange::HandRange(std::vector<PocketCards> hands) : hands_(std::move(hands)) {
    std::sort(hands_.begin(), hands_.end());
    hands_.erase(std::unique(hands_.begin(), hands_.end()), hands_.end());
}

HandRange HandRange::anyTwoCards() {
    // Made once: the window asks for it for each of nine opponents at start,
    // and sorting 1 326 hands each time showed in the start-up time.
    static const HandRange all = [] {
        std::vector<PocketCards> hands;
        for (int high = 1; high < kDeckSize; ++high)
            for (int low = 0; low < high; ++low) hands.push_back({low, high});
        return HandRange(std::move(hands));
    }();
    return all;
}

std::variant<HandRange, RangeError> parseHandRange(std::string_view text) {
    if (isTooLong(text)) return RangeError{RangeError::Problem::TooLong, {}};
    HandSet hands;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view piece = trimmed(text.substr(start, comma - start));
        start = comma + 1;
        if (piece.empty()) continue;
        if (const auto problem = addPiece(piece, hands))
            return RangeError{*problem, std::string(piece)};
    }
    if (hands.none()) return RangeError{RangeError::Problem::NoHands, std::string(trimmed(text))};
    std::vector<PocketCards> held;
    held.reserve(hands.count());
    for (int high = 1; high < kDeckSize; ++high)
        for (int low = 0; low < high; ++low)
            if (hands.test(static_cast<size_t>(PocketCards{low, high}.number())))
                held.push_back({low, high});
    return HandRange(std::move(held));
}

}  // namespace korvana
