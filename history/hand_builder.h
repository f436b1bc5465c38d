#pragma once
// Reads one hand line by line and checks each line as it comes: the seats,
// the blinds, every action in turn and within the stack, the cards, the
// uncalled bets, the showdown and the summary; at the end the money must add
// up. A hand that fails a check is refused with the line at fault.
#include <array>
#include <optional>
#include <string_view>
#include <variant>

#include "history/hand_refusal.h"
#include "history/played_hand.h"

namespace korvana::history {

// Whether the line starts a hand: "<room> Hand #<number>: ..." (also "Game #").
bool isHandHeader(std::string_view line);

class HandBuilder {
public:
    // Starts at the hand's first line (one isHandHeader accepts).
    HandBuilder(std::string_view header, int line);

    // Takes the hand's next line; ignored once the hand is refused.
    void take(std::string_view line, int lineNumber);
    bool refused() const { return refusal_.has_value(); }
    int firstLine() const { return hand_.line; }
    // Refuses the hand at a line for a problem the reader found (too long);
    // the first refusal stands.
    HandRefusal refuseAt(HandProblem problem, int line);

    // The hand after its last line (lastLine: the line number of it): worked
    // out, or refused.
    std::variant<PlayedHand, HandRefusal> finish(int lastLine);

private:
    enum class Phase { Table, Seats, Betting, Showdown, Summary };
    struct Round {
        Amount bet = 0;  // this player's bet on the street
        bool acted = false;
    };

    void refuse(HandProblem problem, int line, int player = -1, Amount expected = 0,
                Amount found = 0);
    std::optional<Amount> amountAt(std::string_view text, std::size_t& used);
    void readHeader(std::string_view line);
    void readTable(std::string_view line);
    void readSeat(std::string_view line);
    void seatsDone();
    void readStreet(std::string_view line);
    void readSummary(std::string_view line);
    void readPlayerLine(int player, std::string_view rest);
    void readOther(std::string_view line);
    int playerNamed(std::string_view line, std::string_view after) const;
    int playerAtSeat(int seat) const;

    void post(int player, ActionKind kind, Amount amount, bool allInSaid);
    void act(int player, ActionKind kind, Amount amount, Amount raisedTo, bool allInSaid);
    bool checkTurn(int player);
    void putIn(int player, Amount chips, bool live, bool allInSaid);
    void returnBet(int player, Amount amount);
    void dealStreet(Street street, const std::vector<Card>& board);
    void startStreet(Street street);
    bool canAct(int player) const;
    int playersIn() const;
    int playersAbleToAct() const;
    bool bettingRoundOver() const;
    int nextToAct(int after) const;
    int firstAfterSeat(int seat) const;
    Amount middle() const;
    void noteAllInMoment();
    void showCards(int player, const std::vector<Card>& cards);
    bool claimCards(const std::vector<Card>& cards, int owner);

    PlayedHand hand_;
    std::optional<HandRefusal> refusal_;
    Phase phase_ = Phase::Table;
    int line_ = 0;  // the line being read
    std::vector<Round> rounds_;
    std::vector<int> namesByLength_;  // players, longest name first
    std::array<signed char, kCardCount> cardOwner_{};
    Street street_ = Street::Preflop;
    Amount highest_ = 0;
    int toAct_ = -1;
    int firstBlindSeat_ = -1;  // the seat after which the first player acts preflop
    bool voluntaryStarted_ = false;
    bool sawTotal_ = false;
    bool tournament_ = false;
    struct Collection {
        int player;
        Amount amount;
        int pot;  // 0 the main pot, n side pot n, -1 the one pot
        int line;
    };
    std::vector<Collection> collections_;
};

}  // namespace korvana::history
