#include "engine/ranges/hand_range.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <charconv>
#include <cmath>
#include <functional>
#include <optional>

#include "engine/cards/card_input.h"
#include "engine/cards/utf8.h"
#include "engine/ranges/top_share.h"

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

// A plain decimal number, "0.35", ".5", "1"; nullopt for anything else.
std::optional<double> readNumber(std::string_view text) {
    text = trimmed(text);
    if (text.empty()) return std::nullopt;
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// A weight written as a number from 0 to 'whole' (1, or 100 for a percent).
std::variant<double, RangeError::Problem> readWeight(std::string_view text, double whole) {
    const auto number = readNumber(text);
    if (!number) return RangeError::Problem::WeightNotANumber;
    if (*number < 0 || *number > whole) return RangeError::Problem::WeightOutOfRange;
    return *number / whole;
}

// The pieces of a range as written between commas, with the bracket groups
// that give several of them one weight: "[50]AQs, AJs[/50]".
class PieceReader {
public:
    struct Piece {
        std::string_view written;  // as in the text, for naming it in an error
        std::string_view hands;    // without its weight or brackets
        double weight = 1;
    };

    explicit PieceReader(std::string_view text) : text_(text) {}

    // The next piece, nullopt after the last; a problem names the piece at fault.
    std::optional<std::variant<Piece, RangeError>> next() {
        while (start_ <= text_.size()) {
            const size_t comma = std::min(text_.find(',', start_), text_.size());
            const std::string_view written = trimmed(text_.substr(start_, comma - start_));
            start_ = comma + 1;
            if (written.empty()) continue;
            auto piece = read(written);
            if (const auto* read = std::get_if<Piece>(&piece); read && read->hands.empty())
                continue;
            return piece;
        }
        if (inGroup_) return RangeError{RangeError::Problem::UnclosedBracket, std::string(group_)};
        return std::nullopt;
    }

private:
    std::variant<Piece, RangeError> read(std::string_view written) {
        const auto fault = [&](RangeError::Problem problem) {
            return RangeError{problem, std::string(written)};
        };
        Piece piece{written, written, groupWeight_};
        if (piece.hands.front() == '[' && piece.hands.substr(0, 2) != "[/") {
            if (inGroup_)
                return RangeError{RangeError::Problem::UnclosedBracket, std::string(group_)};
            const size_t close = piece.hands.find(']');
            if (close == std::string_view::npos) return fault(RangeError::Problem::UnclosedBracket);
            const auto weight = readWeight(piece.hands.substr(1, close - 1), 100);
            if (const auto* problem = std::get_if<RangeError::Problem>(&weight))
                return fault(*problem);
            group_ = written;
            inGroup_ = true;
            piece.weight = groupWeight_ = std::get<double>(weight);
            piece.hands = trimmed(piece.hands.substr(close + 1));
        }
        bool closes = false;
        if (const size_t closer = piece.hands.rfind("[/");
            closer != std::string_view::npos && piece.hands.back() == ']') {
            if (!inGroup_) return fault(RangeError::Problem::UnknownText);
            closes = true;
            piece.hands = trimmed(piece.hands.substr(0, closer));
        }
        // A weight of its own holds over the group's.
        if (const size_t colon = piece.hands.rfind(':'); colon != std::string_view::npos) {
            const auto weight = readWeight(piece.hands.substr(colon + 1), 1);
            if (const auto* problem = std::get_if<RangeError::Problem>(&weight))
                return fault(*problem);
            piece.weight = std::get<double>(weight);
            piece.hands = trimmed(piece.hands.substr(0, colon));
            if (piece.hands.empty()) return fault(RangeError::Problem::UnknownText);
        }
        if (closes) {
            inGroup_ = false;
            groupWeight_ = 1;
        }
        return piece;  // no hands at all for a bracket on its own: "[50], AQs, AJs[/50]"
    }

    std::string_view text_;
    size_t start_ = 0;
    bool inGroup_ = false;    // within brackets
    std::string_view group_;  // the piece that opened them
    double groupWeight_ = 1;
};

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

HandRange::HandRange(const std::vector<PocketCards>& hands, const std::vector<double>& weights) {
    std::array<double, kPocketCardPairs> byNumber{};
    for (size_t i = 0; i < hands.size() && i < weights.size(); ++i)
        byNumber[static_cast<size_t>(hands[i].number())] = std::clamp(weights[i], 0.0, 1.0);
    bool whole = true;
    // In the order of PocketCards, as the hands of full weight are.
    for (int low = 0; low < kDeckSize; ++low)
        for (int high = low + 1; high < kDeckSize; ++high)
            if (const double weight =
                    byNumber[static_cast<size_t>(PocketCards{low, high}.number())];
                weight > 0) {
                hands_.push_back({low, high});
                weights_.push_back(weight);
                whole = whole && weight == 1;
            }
    if (whole) weights_.clear();
}

bool HandRange::hasEvenWeights() const {
    return std::adjacent_find(weights_.begin(), weights_.end(), std::not_equal_to<>()) ==
           weights_.end();
}

double HandRange::weighedCombos() const {
    if (weights_.empty()) return static_cast<double>(hands_.size());
    double combos = 0;
    for (const double weight : weights_) combos += weight;
    return combos;
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
    // Each hand's weight by its number; below 0 for a hand no piece names.
    std::array<double, kPocketCardPairs> weights;
    weights.fill(-1);
    PieceReader reader(text);
    while (auto next = reader.next()) {
        if (auto* error = std::get_if<RangeError>(&*next)) return std::move(*error);
        const auto& piece = std::get<PieceReader::Piece>(*next);
        HandSet hands;
        if (const auto problem = addPiece(piece.hands, hands))
            return RangeError{*problem, std::string(piece.written)};
        for (size_t number = 0; number < hands.size(); ++number)
            if (hands.test(number)) weights[number] = piece.weight;
    }
    std::vector<PocketCards> held;
    std::vector<double> heldWeights;
    for (int high = 1; high < kDeckSize; ++high)
        for (int low = 0; low < high; ++low)
            if (const double weight = weights[static_cast<size_t>(PocketCards{low, high}.number())];
                weight > 0) {
                held.push_back({low, high});
                heldWeights.push_back(weight);
            }
    if (held.empty()) return RangeError{RangeError::Problem::NoHands, std::string(trimmed(text))};
    return HandRange(held, heldWeights);
}

}  // namespace korvana
