#include "tools/korvana_odds/report/history_report.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <variant>

#include "engine/cards/utf8.h"
#include "engine/text/decimal_text.h"
#include "engine/text/string_table.h"
#include "history/all_in_ev.h"
#include "history/history_reader.h"
#include "history/street_equity.h"
#include "tools/korvana_odds/text/command_output.h"
#include "tools/korvana_odds/text/json_text.h"

namespace korvana {
namespace {

using namespace history;

// A name or table from the file as safe text: what is not well-formed UTF-8,
// and control characters that a terminal would obey, become U+FFFD.
std::string printable(std::string_view text) {
    std::string clean;
    clean.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto character = utf8CharacterAt(text, at);
        if (!character || character->point < 0x20 || character->point == 0x7f ||
            (character->point >= 0x80 && character->point < 0xa0)) {
            clean += "\xEF\xBF\xBD";
            at += character ? character->length : 1;
        } else {
            clean.append(text.substr(at, character->length));
            at += character->length;
        }
    }
    return clean;
}

std::string cardsText(const std::vector<Card>& cards, std::string_view between) {
    std::string text;
    for (const Card card : cards)
        text += (text.empty() ? "" : std::string(between)) + cardCode(card);
    return text;
}

std::vector<Card> cardsOf(const std::optional<std::array<Card, 2>>& cards) {
    return cards ? std::vector<Card>{(*cards)[0], (*cards)[1]} : std::vector<Card>{};
}

Phrase streetPhrase(Street street) {
    switch (street) {
        case Street::Preflop: return Phrase::StreetPreflop;
        case Street::Flop: return Phrase::StreetFlop;
        case Street::Turn: return Phrase::StreetTurn;
        case Street::River: return Phrase::StreetRiver;
    }
    return Phrase::StreetPreflop;
}

std::string money(double hundredths) {
    return jsonNumber(
        static_cast<double>(static_cast<long long>(hundredths + (hundredths < 0 ? -0.5 : 0.5))) /
        static_cast<double>(kAmountScale));
}

// The hero's results in one unit: money of one currency, or tournament chips.
// Units are never added together.
struct UnitTotal {
    std::string currency;
    Amount net = 0;
    double adjustedNet = 0;  // hundredths
    bool decimals = false;
};

struct Totals {
    int read = 0, refused = 0;
    std::vector<UnitTotal> units;  // in the order they first came
};

class Report {
public:
    Report(const HistoryRequest& request, std::ostream& out, std::ostream& err)
        : request_(request), out_(out), err_(err) {}

    void hand(const PlayedHand& hand) {
        const auto ev = allInEv(hand, request_.threads);
        std::vector<std::optional<double>> equities;
        if (request_.streetEquity)
            equities = streetEquities(hand, PreflopRangeTable{}, equityOptions());
        ++totals_.read;
        auto unit = std::find_if(totals_.units.begin(), totals_.units.end(),
                                 [&](const UnitTotal& u) { return u.currency == hand.currency; });
        if (unit == totals_.units.end())
            unit = totals_.units.insert(totals_.units.end(), UnitTotal{hand.currency});
        unit->decimals = unit->decimals || hand.decimals;
        unit->net += hand.heroNet();
        unit->adjustedNet += ev ? ev->heroEv : static_cast<double>(hand.heroNet());
        out_ << (request_.json ? json(hand, ev, equities) : text(hand, ev, equities));
    }

    void refused(const HandRefusal& refusal) {
        ++totals_.refused;
        const std::string reason = printable(refusalText(refusal, request_.language));
        const std::string number = printable(refusal.hand);
        err_ << "korvana-odds: "
             << fillIn(phrase(request_.language, Phrase::HistoryRefused),
                       {number, std::to_string(refusal.line), reason})
             << "\n";
        if (request_.json)
            out_ << "{\"hand\": " << jsonString(number) << ", \"line\": " << refusal.line
                 << ", \"error\": " << jsonString(reason) << "}\n";
    }

    std::string totals() const {
        if (request_.json) return "";
        const Language language = request_.language;
        return fillIn(phrase(language, Phrase::HistoryHandsRead),
                      {std::to_string(totals_.read), std::to_string(totals_.refused)}) +
               "\n" +
               fillIn(phrase(language, Phrase::HistoryHeroNet),
                      {perUnit([](const UnitTotal& u) { return static_cast<double>(u.net); })}) +
               "\n" +
               fillIn(phrase(language, Phrase::HistoryAdjustedNet),
                      {perUnit([](const UnitTotal& u) { return u.adjustedNet; })}) +
               "\n";
    }

    int refusedCount() const { return totals_.refused; }

private:
    // "+$12.30, -€4.00, +1500": one figure per unit.
    template <typename Figure>
    std::string perUnit(Figure figure) const {
        std::string text;
        for (const UnitTotal& unit : totals_.units)
            text += (text.empty() ? "" : ", ") +
                    signedAmount(figure(unit), unit.currency, unit.decimals);
        return text.empty() ? "0" : text;
    }

    EquityOptions equityOptions() const {
        EquityOptions options;
        options.threads = request_.threads;
        options.targetStandardError = 0.001;
        options.timeBudget = std::chrono::seconds(1);
        options.countHeroFinal = false;
        return options;
    }

    std::string signedAmount(double hundredths, std::string_view currency, bool decimals) const {
        const auto whole = static_cast<Amount>(hundredths + (hundredths < 0 ? -0.5 : 0.5));
        return withDecimalSeparator((whole > 0 ? "+" : "") + amountText(whole, currency, decimals),
                                    request_.decimalSeparator);
    }

    std::string text(const PlayedHand& hand, const std::optional<AllInEv>& ev,
                     const std::vector<std::optional<double>>& equities) const {
        const Language language = request_.language;
        const SeatedPlayer* hero = hand.heroPlayer();
        const std::string net =
            signedAmount(static_cast<double>(hand.heroNet()), hand.currency, hand.decimals);
        std::string text =
            fillIn(phrase(language, Phrase::HistoryHand),
                   {printable(hand.number), std::to_string(hand.line), printable(hand.table)}) +
            "\n  ";
        text += hero && hero->cards ? fillIn(phrase(language, Phrase::HistoryHero),
                                             {cardsText(cardsOf(hero->cards), " ")})
                                    : std::string(phrase(language, Phrase::HistoryNoHero));
        if (!hand.board.empty())
            text += "   " +
                    fillIn(phrase(language, Phrase::HistoryBoard), {cardsText(hand.board, " ")});
        text += "\n  " + fillIn(phrase(language, Phrase::HistoryNet), {net}) + "\n";
        if (ev) {
            const double luck = static_cast<double>(ev->heroNet) - ev->heroEv;
            text += "  " +
                    fillIn(phrase(language, Phrase::HistoryAllIn),
                           {phrase(language, streetPhrase(ev->street)),
                            percentOf(ev->heroEquity, 2, request_.decimalSeparator),
                            signedAmount(ev->heroEv, hand.currency, hand.decimals), net,
                            signedAmount(luck, hand.currency, hand.decimals)}) +
                    "\n";
        }
        std::string perStreet;
        for (std::size_t s = 0; s < equities.size(); ++s) {
            if (!equities[s]) continue;
            perStreet += (perStreet.empty() ? "" : ", ") +
                         std::string(phrase(language, streetPhrase(hand.streets[s].street))) + " " +
                         percentOf(*equities[s], 1, request_.decimalSeparator);
        }
        if (!perStreet.empty())
            text += "  " + fillIn(phrase(language, Phrase::HistoryEquity), {perStreet}) + "\n";
        return text + "\n";
    }

    std::string json(const PlayedHand& hand, const std::optional<AllInEv>& ev,
                     const std::vector<std::optional<double>>& equities) const {
        const auto name = [&](int player) {
            return jsonString(printable(hand.players[static_cast<std::size_t>(player)].name));
        };
        const auto cards = [](const std::vector<Card>& cards) {
            return cards.empty() ? std::string("null") : jsonString(cardsText(cards, ""));
        };
        const SeatedPlayer* hero = hand.heroPlayer();
        std::string json = "{\"hand\": " + jsonString(printable(hand.number)) +
                           ", \"line\": " + std::to_string(hand.line) + ", \"tournament\": " +
                           (hand.tournament ? jsonString(printable(*hand.tournament)) : "null") +
                           ", \"table\": " + jsonString(printable(hand.table)) +
                           ", \"hero\": " + (hero ? name(hand.hero) : "null") +
                           ", \"hero_cards\": " + (hero ? cards(cardsOf(hero->cards)) : "null") +
                           ", \"board\": " + jsonString(cardsText(hand.board, "")) +
                           ", \"players\": [";
        for (std::size_t p = 0; p < hand.players.size(); ++p) {
            const SeatedPlayer& player = hand.players[p];
            json += std::string(p ? ", " : "") + "{\"seat\": " + std::to_string(player.seat) +
                    ", \"name\": " + name(static_cast<int>(p)) +
                    ", \"stack\": " + money(static_cast<double>(player.stack)) +
                    ", \"cards\": " + cards(cardsOf(player.cards)) +
                    ", \"net\": " + money(static_cast<double>(player.net())) + "}";
        }
        json += "], \"streets\": [";
        for (std::size_t s = 0; s < hand.streets.size(); ++s) {
            const StreetRecord& street = hand.streets[s];
            json += std::string(s ? ", " : "") + "{\"street\": \"" + streetId(street.street) +
                    "\", \"board\": " + jsonString(cardsText(street.board, "")) +
                    ", \"pot\": " + money(static_cast<double>(street.pot)) + ", \"actions\": [";
            const std::size_t end =
                s + 1 < hand.streets.size() ? hand.streets[s + 1].firstAction : hand.actions.size();
            // The antes and blinds come before the preflop's first action.
            for (std::size_t a = s == 0 ? 0 : street.firstAction; a < end; ++a) {
                const HandAction& action = hand.actions[a];
                json += std::string(a > (s == 0 ? 0 : street.firstAction) ? ", " : "") +
                        "{\"player\": " + name(action.player) + ", \"action\": \"" +
                        actionId(action.kind) +
                        "\", \"amount\": " + money(static_cast<double>(action.amount)) +
                        (action.kind == ActionKind::Raise
                             ? ", \"to\": " + money(static_cast<double>(action.raisedTo))
                             : "") +
                        ", \"all_in\": " + (action.allIn ? "true" : "false") + "}";
            }
            json += "]";
            if (request_.streetEquity)
                json += ", \"equity\": " +
                        (s < equities.size() && equities[s] ? jsonNumber(*equities[s]) : "null");
            json += "}";
        }
        json += "], \"decisions\": [";
        for (std::size_t d = 0; d < hand.decisions.size(); ++d) {
            const Decision& decision = hand.decisions[d];
            json += std::string(d ? ", " : "") + "{\"street\": \"" + streetId(decision.street) +
                    "\", \"to_call\": " + money(static_cast<double>(decision.toCall)) +
                    ", \"pot\": " + money(static_cast<double>(decision.pot)) +
                    ", \"needs\": " + jsonNumber(decision.needs()) + ", \"action\": \"" +
                    actionId(hand.actions[decision.action].kind) + "\"}";
        }
        json += "], \"total_pot\": " + money(static_cast<double>(hand.totalPot)) +
                ", \"rake\": " + money(static_cast<double>(hand.rake)) +
                ", \"hero_net\": " + (hero ? money(static_cast<double>(hand.heroNet())) : "null") +
                ", \"all_in\": ";
        if (!ev) return json + "null}\n";
        json += "{\"street\": \"" + std::string(streetId(ev->street)) + "\", \"pots\": [";
        for (std::size_t k = 0; k < ev->pots.size(); ++k) {
            const PotEquity& pot = ev->pots[k];
            json += std::string(k ? ", " : "") +
                    "{\"amount\": " + money(static_cast<double>(pot.amount)) + ", \"players\": [";
            for (std::size_t p = 0; p < pot.players.size(); ++p)
                json += std::string(p ? ", " : "") + name(pot.players[p]);
            json +=
                "], \"hero_equity\": " + (pot.heroEquity ? jsonNumber(*pot.heroEquity) : "null") +
                "}";
        }
        return json + "], \"hero_equity\": " + jsonNumber(ev->heroEquity) +
               ", \"hero_ev\": " + money(ev->heroEv) + ", \"method\": \"" +
               (ev->exact ? "enumerated" : "sampled") + "\"}}\n";
    }

    const HistoryRequest& request_;
    std::ostream& out_;
    std::ostream& err_;
    Totals totals_;
};

}  // namespace

int runHistory(std::istream& input, const HistoryRequest& request, std::ostream& out,
               std::ostream& err) {
    Report report(request, out, err);
    HistoryReader reader(input);
    while (auto hand = reader.next()) {
        if (const auto* played = std::get_if<PlayedHand>(&*hand))
            report.hand(*played);
        else
            report.refused(std::get<HandRefusal>(*hand));
        if (!out) break;
    }
    if (const int status = written(out, err, report.totals())) return status;
    if (input.bad()) {
        err << "korvana-odds: cannot read the hand history to its end\n";
        return 1;
    }
    return report.refusedCount() > 0 ? 2 : 0;
}

}  // namespace korvana
