#include "engine/table/table_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "engine/table/spot_text.h"
#include "engine/text/string_table.h"

namespace korvana {
namespace {

// A session whose keeper says yes or no as the script tells it, and notes
// every value it was asked to keep.
struct Table {
    bool refuse = false;
    std::string asked;
    TableSession session;

    explicit Table(bool autoSwitch)
        : session(autoSwitch, [this](bool on) {
              asked += on ? "on " : "off ";
              return !refuse;
          }) {}
};

// Plays player moves: a card code toggles the card, slotN takes slot N off,
// fold, flop / turn / river, auto, undo, redo, paste:TEXT (a pasted spot,
// "_" for a blank: "paste:Qs,-,2c_--vs_KK"); dead:CARD marks the card seen
// folded, or takes the mark off; vs:N chooses N opponents,
// type:N:TEXT types opponent N's range, done:N finishes it, grid:N:TEXT
// chooses it whole, copy:N copies it to the others; stored-on / stored-off
// restore the stored option; refuse / allow set the keeper's answer. Every update
// must be the session's table with its own analysis.
void play(Table& table, const std::string& moves) {
    std::istringstream words(moves);
    std::string move;
    while (words >> move) {
        TableSession& s = table.session;
        std::optional<TableUpdate> update;
        if (move == "fold")
            update = s.fold();
        else if (move == "flop")
            update = s.chooseRound(Round::Flop);
        else if (move == "turn")
            update = s.chooseRound(Round::Turn);
        else if (move == "river")
            update = s.chooseRound(Round::River);
        else if (move == "auto")
            update = s.switchAutoSwitch();
        else if (move == "undo")
            update = s.undo();
        else if (move == "redo")
            update = s.redo();
        else if (move == "stored-on" || move == "stored-off")
            update = s.restoreAutoSwitch(move == "stored-on");
        else if (move == "refuse" || move == "allow")
            table.refuse = move == "refuse";
        else if (move.starts_with("paste:")) {
            std::string text = move.substr(6);
            std::replace(text.begin(), text.end(), '_', ' ');
            auto placed = s.placeSpot(std::get<PastedSpot>(readSpotText(text)));
            if (auto* done = std::get_if<TableUpdate>(&placed)) update = *done;
        } else if (move.starts_with("dead:"))
            update = s.toggleDead(parseCardCode(move.substr(5)).value());
        else if (move.starts_with("vs:"))
            update = s.chooseOpponents(std::stoi(move.substr(3)));
        else if (move.starts_with("done:"))
            update = s.finishRange(std::stoi(move.substr(5)));
        else if (move.starts_with("copy:"))
            update = s.copyRangeToOthers(std::stoi(move.substr(5)));
        else if (move.starts_with("type:") || move.starts_with("grid:")) {
            const int opponent = move[5] - '0';
            const std::string text = move.substr(7);
            update = move[0] == 't' ? s.typeRange(opponent, text) : s.chooseRange(opponent, text);
        } else if (move.starts_with("slot"))
            update = s.takeOff(std::stoi(move.substr(4)));
        else
            update = s.toggleCard(parseCardCode(move).value());
        if (!update) continue;
        EXPECT_TRUE(sameTable(update->table, s.table())) << move;
        EXPECT_EQ(update->analysis.round, s.table().round) << move;
        EXPECT_EQ(update->analysis.best, s.table().best) << move;
    }
}

// "Ah Kd - - - - - | played 1 | best Pair | turn counts 5 | auto on"
std::string shown(const TableSession& session) {
    const TableSnapshot& t = session.table();
    std::string text;
    for (int slot = 1; slot <= kSlotCount; ++slot)
        text += (t.hand.card(slot) ? cardCode(*t.hand.card(slot)) : "-") + " ";
    text += "| played " + std::to_string(t.handsPlayed) + " | best ";
    text += t.best ? categoryName(Language::English, *t.best) : "-";
    text += " | " + std::string(roundName(t.round)) + " counts " +
            std::to_string(session.analysis().countedCards.size());
    text += " | auto " + std::string(t.autoSwitch ? "on" : "off");
    // The opponents when not one holding any two cards: each seat's typed
    // text, "!" when it does not read, and the text counted when it differs.
    std::string seats;
    for (int opponent = kMaxOpponents; opponent >= 1; --opponent) {
        const OpponentSeat& seat = t.opponents.seat(opponent);
        std::string shownSeat = seat.typed + (seat.problem ? "!" : "");
        if (seat.rangeText != seat.typed) shownSeat += "(" + seat.rangeText + ")";
        if (!seats.empty() || !shownSeat.empty())
            seats = shownSeat + (seats.empty() ? "" : ";") + seats;
    }
    if (t.opponents.count != 1 || !seats.empty())
        text += " | " + std::to_string(t.opponents.count) + " vs " + seats;
    if (!t.dead.empty()) text += " | dead";
    for (const Card& card : t.dead) text += " " + cardCode(card);
    return text;
}

std::string after(const std::string& moves, bool autoSwitch = true) {
    Table table(autoSwitch);
    play(table, moves);
    return shown(table.session);
}

TEST(TableSession, Rules) {
    struct Case {
        const char* moves;
        const char* shown;
    };
    const Case cases[] = {
        {"", "- - - - - - - | played 0 | best - | flop counts 0 | auto on"},
        {"Ah Kd Ah", "- Kd - - - - - | played 0 | best High card | flop counts 1 | auto on"},
        // A card goes into the first empty slot, not back to its old one.
        {"Ah Kd Ah Qs", "Qs Kd - - - - - | played 0 | best High card | flop counts 2 | auto on"},
        {"2c 3c 4c 5c 6c 7c 8c 9c",
         "2c 3c 4c 5c 6c 7c 8c | played 0 | best Straight Flash | river counts 7 | auto on"},
        {"slot7", "- - - - - - - | played 0 | best - | flop counts 0 | auto on"},
        // Only a hand that was dealt counts: two cards or more.
        {"Ah fold", "- - - - - - - | played 0 | best High card | flop counts 0 | auto on"},
        {"Ah Kd fold Qs Qd fold", "- - - - - - - | played 2 | best Pair | flop counts 0 | auto on"},
        {"2c 3c 4c 5c 6c 7c 8c fold",
         "- - - - - - - | played 1 | best Straight Flash | flop counts 0 | auto on"},
        // The best hand is never lowered.
        {"Ah Ad slot2", "Ah - - - - - - | played 0 | best Pair | flop counts 1 | auto on"},
        // Auto-switch follows the known cards, both ways.
        {"2c 5d 9h Js Kc",
         "2c 5d 9h Js Kc - - | played 0 | best High card | turn counts 5 | auto on"},
        {"2c 5d 9h Js Kc Ah Qd Qd Ah Kc",
         "2c 5d 9h Js - - - | played 0 | best High card | flop counts 4 | auto on"},
        {"auto 2c 5d 9h Js Kc",
         "2c 5d 9h Js Kc - - | played 0 | best High card | flop counts 5 | auto off"},
        {"river", "- - - - - - - | played 0 | best - | flop counts 0 | auto on"},
        {"auto river", "- - - - - - - | played 0 | best - | river counts 0 | auto off"},
        {"auto river auto", "- - - - - - - | played 0 | best - | flop counts 0 | auto on"},
        // Switching off keeps the round; fewer cards then leave it there.
        {"2c 5d 9h Js Kc auto Kc Js",
         "2c 5d 9h - - - - | played 0 | best High card | turn counts 3 | auto off"},
        // Switching on counts only the slots of the round it settles on.
        {"auto Ac Ad Ah 7c 9d Ts Jc river slot1 slot2 slot3 auto",
         "- - - 7c 9d Ts Jc | played 0 | best Three of a kind | flop counts 2 | auto on"},
        // The stored option at a showing moves the round too.
        {"2c 5d 9h Js Kc stored-off river",
         "2c 5d 9h Js Kc - - | played 0 | best High card | river counts 5 | auto off"},
    };
    for (const auto& c : cases) EXPECT_EQ(after(c.moves), c.shown) << c.moves;
}

TEST(TableSession, TouchedSlots) {
    struct Case {
        const char* moves;  // played before the last action
        std::string last;
        std::vector<int> touched;
    };
    const Case cases[] = {
        {"Ah Kd", "Qs", {3}},
        {"Ah Kd", "Ah", {1}},
        {"2c 3c 4c 5c 6c 7c 8c", "9c", {}},
        {"", "slot6", {6}},
        {"Ah", "fold", {1, 2, 3, 4, 5, 6, 7}},
        {"Ah", "undo", {1, 2, 3, 4, 5, 6, 7}},
        {"Ah", "river", {}},
        {"Ah", "auto", {}},
    };
    for (const auto& c : cases) {
        Table table(true);
        play(table, c.moves);
        TableSession& s = table.session;
        const TableUpdate update = c.last == "fold"    ? s.fold()
                                   : c.last == "undo"  ? s.undo()
                                   : c.last == "river" ? s.chooseRound(Round::River)
                                   : c.last == "auto"  ? s.switchAutoSwitch()
                                   : c.last == "slot6" ? s.takeOff(6)
                                                       : s.toggleCard(*parseCardCode(c.last));
        EXPECT_EQ(update.touchedSlots, c.touched) << c.moves << " " << c.last;
    }
}

// Undo and redo bring back the whole table of that moment: the same as
// reaching it without undo.
TEST(TableSession, UndoRedo) {
    struct Case {
        const char* moves;
        const char* sameAs;
        bool canUndo, canRedo;
    };
    const Case cases[] = {
        {"undo redo", "", false, false},
        {"Ah undo", "", false, true},
        {"Ah undo redo", "Ah", true, false},
        {"Ah Kd Qc slot2 undo", "Ah Kd Qc", true, true},
        {"Ah Ad slot2 undo undo", "Ah", true, true},
        {"Ah Ad slot2 undo undo redo redo", "Ah Ad slot2", true, false},
        {"Ah Kd fold undo", "Ah Kd", true, true},
        {"Ah Kd fold undo redo", "Ah Kd fold", true, false},
        {"auto Ah Kd Qc turn river undo", "auto Ah Kd Qc turn", true, true},
        {"auto undo", "", false, true},
        {"auto Ah undo undo redo", "auto", true, true},
        {"Ah Kd Qc Jc Tc 9c undo undo", "Ah Kd Qc Jc", true, true},
        {"Ah Kd undo Qc redo", "Ah Qc", true, false},
        // A change that leaves the table as it was is no step.
        {"Ah flop undo", "", false, true},
        {"2c 3c 4c 5c 6c 7c 8c 9c undo", "2c 3c 4c 5c 6c 7c", true, true},
        // A pasted table is one step, and no hand played.
        {"Ah Kd paste:Qs,-,2c", "Qs Jd 2c slot2", true, false},
        {"Ah Kd paste:Qs,-,2c undo", "Ah Kd", true, true},
        {"vs:3 paste:Ah_--vs_KK_--vs_QQ undo", "vs:3", true, true},
        // The opponents are steps like the cards; a range typed key by key
        // is one, taken when the player is done with it or does anything else.
        {"vs:3 undo", "", false, true},
        {"type:2:Q type:2:QQ done:2 undo", "", false, true},
        {"type:2:Q type:2:QQ done:2 undo redo", "grid:2:QQ", true, false},
        {"type:2:Q type:2:QQ undo", "", false, true},
        {"type:2:QQ Ah undo", "grid:2:QQ", true, true},
        {"grid:1:KK copy:1 undo", "grid:1:KK", true, true},
        {"Ah dead:7c undo", "Ah", true, true},
        {"Ah dead:7c undo redo", "Ah dead:7c", true, false},
    };
    for (const auto& c : cases) {
        Table table(true);
        play(table, c.moves);
        EXPECT_EQ(shown(table.session), after(c.sameAs)) << c.moves;
        EXPECT_EQ(table.session.canUndo(), c.canUndo) << c.moves;
        EXPECT_EQ(table.session.canRedo(), c.canRedo) << c.moves;
    }
}

// Each opponent has his own seat; a paste sets the seats it names.
TEST(TableSession, Opponents) {
    const std::pair<const char*, const char*> cases[] = {
        {"vs:3", "3 vs "},
        {"type:2:QQ+ type:4:15%", "1 vs ;QQ+;;15%"},
        // A range that does not read is marked, and the last good one counts.
        {"type:1:KK type:1:KKs", "1 vs KKs!(KK)"},
        {"grid:1:KK copy:1", "1 vs KK;KK;KK;KK;KK;KK;KK;KK;KK"},
        {"type:1:KK type:1:KKs copy:1", "1 vs KKs!(KK);KK;KK;KK;KK;KK;KK;KK;KK"},
        {"vs:4 grid:4:JJ paste:-_--vs_KK_--vs_random", "2 vs KK;;;JJ"},
        {"vs:4 grid:4:JJ grid:2:QQ paste:-_--opponents_3_--vs_KK", "3 vs KK;;;JJ"},
        {"grid:2:QQ paste:-_--vs_KK_--vs_AKs_--vs_KKs", "1 vs ;QQ"},
        {"vs:5 grid:2:QQ paste:Ah", "5 vs ;QQ"},
    };
    for (const auto& [moves, opponents] : cases) {
        const std::string shownTable = after(moves);
        EXPECT_EQ(shownTable.substr(shownTable.find("auto on | ") + 10), opponents) << moves;
    }
}

// Cards seen folded: never on the table at once, gone with the hand, and
// steps like the cards.
TEST(TableSession, DeadCards) {
    const std::pair<const char*, const char*> cases[] = {
        {"Ah dead:7c dead:2d", "7c 2d"},
        {"dead:7c dead:2d dead:7c", "2d"},
        {"Ah dead:Ah", ""},  // on the table: not dead
        {"dead:Ah Ah", ""},  // put on the table: dead no longer
        {"Ah Kd dead:7c fold", ""},
        {"dead:7c paste:Kh_--dead_2d", "2d"},
        {"dead:7c paste:Kh", ""},
    };
    for (const auto& [moves, dead] : cases) {
        const std::string shownTable = after(moves);
        const size_t at = shownTable.find(" | dead ");
        EXPECT_EQ(at == std::string::npos ? "" : shownTable.substr(at + 8), dead) << moves;
    }
}

// The keeper is asked only when auto-switch changes; what it refuses is not
// done, and leaves no undo step.
TEST(TableSession, RefusedAutoSwitch) {
    struct Case {
        const char* moves;
        const char* asked;
        const char* sameAs;
        bool canUndo, canRedo;
    };
    const Case cases[] = {
        {"refuse auto", "off ", "", false, false},
        {"refuse auto Ah", "off ", "Ah", true, false},
        {"refuse Ah Kd undo redo undo", "", "Ah", true, true},
        {"auto Ah undo undo refuse redo", "off on off ", "", false, true},
        {"auto Ah undo refuse undo", "off on ", "auto", true, true},
        {"refuse stored-off Ah", "", "stored-off Ah", true, false},
        {"stored-off undo", "", "stored-off", false, false},
    };
    for (const auto& c : cases) {
        Table table(true);
        play(table, c.moves);
        EXPECT_EQ(table.asked, c.asked) << c.moves;
        EXPECT_EQ(shown(table.session), after(c.sameAs)) << c.moves;
        EXPECT_EQ(table.session.canUndo(), c.canUndo) << c.moves;
        EXPECT_EQ(table.session.canRedo(), c.canRedo) << c.moves;
    }
}

TEST(TableSession, KeepsAHundredSteps) {
    TableSession session(true);
    for (int change = 0; change < 120; ++change) session.toggleCard(*parseCardCode("2c"));
    int undone = 0;
    while (session.canUndo()) {
        session.undo();
        ++undone;
    }
    EXPECT_EQ(undone, 100);
    EXPECT_EQ(session.table().hand.count(), 0);  // after change 20 of 120
}

}  // namespace
}  // namespace korvana
