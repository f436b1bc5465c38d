#include "history/played_hand.h"

namespace korvana::history {

const char* streetId(Street street) {
    switch (street) {
        case Street::Preflop: return "preflop";
        case Street::Flop: return "flop";
        case Street::Turn: return "turn";
        case Street::River: return "river";
    }
    return "preflop";
}

const char* actionId(ActionKind kind) {
    switch (kind) {
        case ActionKind::Ante: return "ante";
        case ActionKind::SmallBlind: return "small_blind";
        case ActionKind::BigBlind: return "big_blind";
        case ActionKind::DeadBlinds: return "small_and_big_blinds";
        case ActionKind::Straddle: return "straddle";
        case ActionKind::Fold: return "fold";
        case ActionKind::Check: return "check";
        case ActionKind::Call: return "call";
        case ActionKind::Bet: return "bet";
        case ActionKind::Raise: return "raise";
        case ActionKind::Returned: return "returned";
    }
    return "fold";
}

bool isVoluntary(ActionKind kind) {
    return kind == ActionKind::Fold || kind == ActionKind::Check || kind == ActionKind::Call ||
           kind == ActionKind::Bet || kind == ActionKind::Raise;
}

}  // namespace korvana::history
