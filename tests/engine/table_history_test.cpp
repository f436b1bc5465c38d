#include "engine/table/table_history.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tests/engine/hand_builder.h"

namespace korvana {
namespace {

// A table told apart by its hands-played count alone.
TableSnapshot table(int id) {
    TableSnapshot snapshot;
    snapshot.handsPlayed = id;
    return snapshot;
}

// Plays a script: a number records that table, "u" undoes, "r" redoes.
// Returns the shown table's id after each word, "-" where a step was refused.
std::string play(TableHistory& history, const std::string& script) {
    std::istringstream words(script);
    std::string word, shown;
    while (words >> word) {
        std::optional<TableSnapshot> step;
        if (word == "u")
            step = history.undo();
        else if (word == "r")
            step = history.redo();
        else {
            history.record(table(std::stoi(word)));
            step = history.current();
        }
        shown += (shown.empty() ? "" : " ") + (step ? std::to_string(step->handsPlayed) : "-");
    }
    return shown;
}

TEST(TableHistory, Sequences) {
    struct Case {
        std::string script, shown;
        bool canUndo, canRedo;
    };
    const Case cases[] = {
        {"u r", "- -", false, false},
        {"1 2 3 u u", "1 2 3 2 1", true, true},
        {"1 2 u u u r r r", "1 2 1 0 - 1 2 -", true, false},
        // A new change after undo drops the redo branch.
        {"1 2 3 u u 9 r u u u", "1 2 3 2 1 9 - 1 0 -", false, true},
        // Recording the table already shown is no step.
        {"1 1 1 u", "1 1 1 0", false, true},
        {"1 2 u 1 r", "1 2 1 1 2", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        TableHistory history(table(0));
        EXPECT_EQ(play(history, c.script), c.shown);
        EXPECT_EQ(history.canUndo(), c.canUndo);
        EXPECT_EQ(history.canRedo(), c.canRedo);
    }
}

TEST(TableHistory, KeepsTheNewestStepsUpToItsDepth) {
    struct Case {
        std::size_t steps;
        int changes;
        int undoable;
    };
    const Case cases[] = {{100, 150, 100}, {100, 100, 100}, {100, 30, 30}, {0, 5, 1}};
    for (const auto& c : cases) {
        TableHistory history(table(0), c.steps);
        for (int id = 1; id <= c.changes; ++id) history.record(table(id));
        int undone = 0;
        while (history.undo()) ++undone;
        EXPECT_EQ(undone, c.undoable) << c.steps << " " << c.changes;
        EXPECT_EQ(history.current().handsPlayed, c.changes - c.undoable);
    }
}

// Every field of the table comes back, not only the cards.
TEST(TableHistory, UndoRestoresTheWholeTable) {
    TableSnapshot before{
        test::handOf("Ah Kd Qs Jc Tc"), 3, Category::Straight, Round::Turn, true, {},
        test::cardsOf("7c 2d")};
    TableSnapshot after{test::handOf(""), 4, Category::Straight, Round::Flop, true, {}, {}};
    TableSnapshot later{test::handOf("2c"), 4, Category::HighCard, Round::River, false, {}, {}};
    TableHistory history(before);
    history.record(after);
    history.record(later);
    EXPECT_TRUE(sameTable(*history.undo(), after));
    const auto first = history.undo();
    ASSERT_TRUE(first);
    EXPECT_TRUE(sameTable(*first, before));
    EXPECT_EQ(first->hand.card(5), parseCardCode("Tc"));
    EXPECT_EQ(first->dead, test::cardsOf("7c 2d"));
    EXPECT_TRUE(sameTable(*history.redo(), after));
    EXPECT_TRUE(sameTable(*history.redo(), later));
    for (int field = 0; field < 5; ++field) {
        TableSnapshot changed = before;
        switch (field) {
            case 0: changed.hand.empty(1); break;
            case 1: changed.handsPlayed = 2; break;
            case 2: changed.best = std::nullopt; break;
            case 3: changed.round = Round::River; break;
            default: changed.autoSwitch = false;
        }
        EXPECT_FALSE(sameTable(changed, before)) << field;
    }
}

}  // namespace
}  // namespace korvana
