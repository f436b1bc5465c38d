#include "engine/ranges/range_error_text.h"

#include "engine/text/string_table.h"

namespace korvana {
namespace {

Phrase phraseOf(RangeError::Problem problem) {
    using Problem = RangeError::Problem;
    switch (problem) {
        case Problem::NoHands: return Phrase::RangeHoldsNoHands;
        case Problem::SuitedPair: return Phrase::RangeSuitedPair;
        case Problem::UnmatchedEnds: return Phrase::RangeUnmatchedEnds;
        case Problem::SameCardTwice: return Phrase::RangeSameCardTwice;
        case Problem::PlusOnOneHand: return Phrase::RangePlusOnOneHand;
        case Problem::ShareOutOfRange: return Phrase::RangeShareOutOfRange;
        case Problem::WeightOutOfRange: return Phrase::RangeWeightOutOfRange;
        case Problem::WeightNotANumber: return Phrase::RangeWeightNotANumber;
        case Problem::UnclosedBracket: return Phrase::RangeUnclosedBracket;
        case Problem::TooLong: return Phrase::RangeTooLong;
        case Problem::UnknownName: return Phrase::RangeUnknownName;
        case Problem::UnknownText: break;
    }
    return Phrase::RangeNotAHand;
}

}  // namespace

std::string rangeErrorText(Language language, RangeError::Problem problem,
                           std::string_view shownPiece) {
    const std::string_view pattern = phrase(language, phraseOf(problem));
    if (problem == RangeError::Problem::TooLong)
        return fillIn(pattern, {std::to_string(kMaxRangeCharacters)});
    return fillIn(pattern, {fillIn(phrase(language, Phrase::QuotedPiece), {shownPiece})});
}

}  // namespace korvana
