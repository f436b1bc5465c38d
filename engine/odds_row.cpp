#include "odds_row.h"

namespace korvana {

Light lightOf(std::string_view row) {
    size_t blanks = 0;
    while (blanks < row.size() && row[row.size() - 1 - blanks] == ' ') ++blanks;
    if (blanks >= 3) return Light::Green;
    if (blanks == 2) return Light::Yellow;
    return Light::Red;
}

std::string_view lightName(Light light) {
    switch (light) {
        case Light::Green: return "green";
        case Light::Yellow: return "yellow";
        case Light::Red: break;
    }
    return "red";
}

std::string impossibleRow(Language language, int category) {
    std::string row = " ";
    row += text(language, category);
    row += ' ';
    row += text(language, entry::Impossible);
    row += ' ';
    return row;
}

std::string completeRow(Language language, int category, std::string_view heldRanks) {
    std::string row(heldRanks);
    row += " - ";
    row += text(language, entry::Complete);
    row += ' ';
    row += text(language, category);
    row += "   ";
    return row;
}

std::string possibleRow(Language language, int category, std::string_view heldRanks,
                        std::string_view oddsText) {
    std::string row(heldRanks);
    row += " - ";
    row += text(language, category);
    row += ' ';
    row += text(language, entry::Odds);
    row += " - 1:";
    row += oddsText;
    row += "  ";
    return row;
}

}  // namespace korvana
