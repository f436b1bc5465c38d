#pragma once
// The ten category routines, one per row of the odds list. Each reads the card
// grid and the counters of one analysis pass and returns its row; a row that is
// complete raises the best category (never lowers it).
#include <string>
#include <string_view>

#include "hand_state.h"
#include "string_table.h"

namespace korvana {

inline constexpr int kCategoryCount = 10;

// How many cards of a group each draw needs, by needed-card entry 0..10.
inline constexpr int kNeededCards[11] = {5, 5, 4, 2, 3, 5, 5, 3, 2, 2, 2};

// What the routines read, and the one thing they write.
struct RowContext {
    const CardGrid& grid;
    int known = 0;   // K, cards in the hand string
    int target = 5;  // T, cards known at the chosen round
    Language language = Language::English;
    std::string_view decimalSeparator = ".";
    int& bestCategory;  // 0..10, only ever raised

    int toCome() const { return target - known; }
    int unknown() const { return 52 - known; }
    void raiseBest(int category) const {
        if (bestCategory < category) bestCategory = category;
    }
};

std::string royalflash(const RowContext& ctx);     // row 1, category 10
std::string straightflash(const RowContext& ctx);  // row 2, category 9
std::string fourofakind(const RowContext& ctx);    // row 3, category 8
std::string fullhouse(const RowContext& ctx);      // row 4, category 7
std::string flash(const RowContext& ctx);          // row 5, category 6
std::string straight(const RowContext& ctx);       // row 6, category 5
std::string threeofakind(const RowContext& ctx);   // row 7, category 4
std::string twopairs(const RowContext& ctx);       // row 8, category 3
std::string pair(const RowContext& ctx);           // row 9, category 2
std::string highcard(const RowContext& ctx);       // row 10, category 1

}  // namespace korvana
