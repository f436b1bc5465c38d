#include "engine/rows/row_text.h"

#include "engine/cards/card.h"
#include "engine/rows/odds_math.h"

namespace korvana {
namespace {

bool namesTwoGroups(Category category) {
    return category == Category::FullHouse || category == Category::TwoPairs;
}

std::string heldRanksText(const OddsRow& row, Language language) {
    std::string text;
    for (size_t i = 0; i < row.heldRanks.size(); ++i) {
        // The two groups are of different ranks, so the second starts where the rank changes.
        if (i > 0 && namesTwoGroups(row.category) && row.heldRanks[i] != row.heldRanks[i - 1])
            (text += ' ') += phrase(language, Phrase::And);
        (text += ' ') += rankText(row.heldRanks[i]);
    }
    return text;
}

}  // namespace

std::string rowText(const OddsRow& row, Language language, std::string_view decimalSeparator) {
    const std::string_view name = categoryName(language, row.category);
    const bool highCard = row.category == Category::HighCard;
    if (row.state == RowState::Impossible) {
        std::string impossible = " ";
        if (highCard) (impossible += phrase(language, Phrase::No)) += ' ';
        impossible += name;
        if (!highCard) (impossible += ' ') += phrase(language, Phrase::Impossible);
        impossible += ' ';
        return impossible;
    }
    std::string ranks = heldRanksText(row, language);
    if (row.state == RowState::Complete) {
        ranks += highCard ? " " : " - ";
        if (!highCard) (ranks += phrase(language, Phrase::Complete)) += ' ';
        ranks += name;
        ranks += "   ";
        return ranks;
    }
    ranks += " - ";
    ranks += name;
    ranks += ' ';
    ranks += phrase(language, Phrase::Odds);
    ranks += " - 1:";
    ranks += oddsNumberText(row.odds.value_or(0.0), decimalSeparator);
    ranks += "  ";
    return ranks;
}

std::array<std::string, 10> rowTexts(const Analysis& analysis, Language language,
                                     std::string_view decimalSeparator) {
    std::array<std::string, 10> texts;
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i] = rowText(analysis.rows[i], language, decimalSeparator);
    return texts;
}

std::string bestHandText(Language language, std::optional<Category> best) {
    std::string text(phrase(language, Phrase::BestHand));
    text += ": ";
    if (best) text += categoryName(language, *best);
    return text;
}

}  // namespace korvana
