#include "engine/table/spot_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <vector>

#include "engine/cards/card_input.h"
#include "engine/equity/equity.h"

namespace korvana {

namespace {

constexpr std::string_view kBlanks = " \t\r\n\v\f";

bool isBlank(char c) {
    return kBlanks.find(c) != std::string_view::npos;
}

std::string withoutBlanks(std::string_view text) {
    std::string kept;
    std::copy_if(text.begin(), text.end(), std::back_inserter(kept),
                 [](char c) { return !isBlank(c); });
    return kept;
}

std::vector<std::string_view> wordsOf(std::string_view text) {
    std::vector<std::string_view> words;
    for (size_t start = text.find_first_not_of(kBlanks); start != std::string_view::npos;) {
        const size_t end = std::min(text.find_first_of(kBlanks, start), text.size());
        words.push_back(text.substr(start, end - start));
        start = text.find_first_not_of(kBlanks, end);
    }
    return words;
}

bool isOption(std::string_view word) {
    return word.size() > 2 && word.starts_with("--");
}

std::string unquoted(std::string text) {
    std::erase_if(text, [](char c) { return c == '\'' || c == '"'; });
    return text;
}

SpotTextError problem(SpotTextError::Problem problem, std::string_view piece = {}) {
    return {problem, std::string(piece)};
}

// The cards part: every word before the first option.
std::variant<Hand, SpotTextError> handOf(std::string_view cardsText) {
    std::string words(cardsText);
    std::replace_if(words.begin(), words.end(), isBlank, ' ');
    const TypedCards typed = parseCardsLeniently(words);
    if (typed.unreadable) return problem(SpotTextError::Problem::UnknownCard, *typed.unreadable);
    if (typed.slots.empty()) return problem(SpotTextError::Problem::NoCards);
    Hand hand;
    int slot = 0;
    for (const TypedSlot& typedSlot : typed.slots) {
        if (++slot > kSlotCount)
            return problem(SpotTextError::Problem::TooManySlots, typedSlot.typed);
        if (typedSlot.card && !hand.place(slot, *typedSlot.card))
            return problem(SpotTextError::Problem::CardTwice, typedSlot.typed);
    }
    return hand;
}

// "random" and "any" are korvana-odds' words for any two cards.
std::string rangeOf(std::string value) {
    value = withoutBlanks(value);
    std::string lower = value;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower == "random" || lower == "any" ? std::string() : value;
}

}  // namespace

std::string spotText(const Hand& hand, const std::vector<std::string>& ranges,
                     const std::vector<Card>& dead) {
    std::string text;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const std::optional<Card> card = hand.card(slot);
        (text += slot > 1 ? " " : "") += card ? cardCode(*card) : "-";
    }
    if (!dead.empty()) text += " --dead ";
    for (const Card& card : dead) text += cardCode(card);
    text += " --opponents " + std::to_string(ranges.size());
    std::vector<std::string> written;
    for (const std::string& range : ranges) written.push_back(rangeOf(range));
    if (std::any_of(written.begin(), written.end(), [](const auto& w) { return !w.empty(); }))
        for (const std::string& range : written)
            text += " --vs " + (range.empty() ? "random" : range);
    return text + "\n";
}

std::variant<PastedSpot, SpotTextError> readSpotText(std::string_view text) {
    const std::vector<std::string_view> words = wordsOf(text);
    const auto firstOption = std::find_if(words.begin(), words.end(), isOption);
    const size_t cardsEnd = firstOption == words.end()
                                ? text.size()
                                : static_cast<size_t>(firstOption->data() - text.data());
    auto hand = handOf(text.substr(0, cardsEnd));
    if (const auto* error = std::get_if<SpotTextError>(&hand)) return *error;

    PastedSpot spot{std::get<Hand>(hand), std::nullopt, {}, {}};
    std::optional<int> opponents;
    std::vector<std::string> ranges;
    for (auto word = firstOption; word != words.end();) {
        std::string_view name = *word;
        std::string value;
        bool hasValue = false;
        if (const size_t eq = name.find('='); eq != std::string_view::npos) {
            value = std::string(name.substr(eq + 1));
            name = name.substr(0, eq);
            hasValue = true;
        }
        if (name != "--opponents" && name != "--vs" && name != "--dead")
            return problem(SpotTextError::Problem::UnknownOption, name);
        for (++word; word != words.end() && !isOption(*word); ++word) {
            (value += value.empty() ? "" : " ") += *word;
            hasValue = true;
        }
        value = unquoted(value);
        if (!hasValue || value.empty()) return problem(SpotTextError::Problem::MissingValue, name);
        if (name == "--dead") {
            const TypedCards typed = parseCardsLeniently(value);
            if (typed.unreadable)
                return problem(SpotTextError::Problem::UnknownCard, *typed.unreadable);
            for (const TypedSlot& slot : typed.slots) {
                const bool twice = slot.card && (spot.hand.contains(*slot.card) ||
                                                 std::find(spot.dead.begin(), spot.dead.end(),
                                                           *slot.card) != spot.dead.end());
                if (!slot.card || twice)
                    return problem(slot.card ? SpotTextError::Problem::CardTwice
                                             : SpotTextError::Problem::UnknownCard,
                                   slot.typed);
                spot.dead.push_back(*slot.card);
            }
            continue;
        }
        if (name == "--vs") {
            if (ranges.size() == static_cast<size_t>(kMaxOpponents))
                return problem(SpotTextError::Problem::TooManyRanges, value);
            ranges.push_back(rangeOf(value));
            continue;
        }
        int count = 0;
        const auto read = std::from_chars(value.data(), value.data() + value.size(), count);
        if (read.ec != std::errc() || read.ptr != value.data() + value.size() || count < 1 ||
            count > kMaxOpponents)
            return problem(SpotTextError::Problem::BadOpponents, value);
        opponents = count;
    }
    // As korvana-odds reads them: opponents beyond the ranges hold any two cards.
    if (opponents && *opponents < static_cast<int>(ranges.size()))
        return problem(SpotTextError::Problem::TooManyRanges,
                       ranges[static_cast<size_t>(*opponents)]);
    if (opponents || !ranges.empty())
        spot.opponents = opponents.value_or(static_cast<int>(ranges.size()));
    spot.ranges = std::move(ranges);
    return spot;
}

}  // namespace korvana
