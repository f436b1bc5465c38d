#include "tools/korvana_odds/arguments/argument_reading.h"

#include "engine/text/string_table.h"
#include "tools/korvana_odds/arguments/option_table.h"
#include "tools/korvana_odds/arguments/table_cards.h"
#include "tools/korvana_odds/text/terminal_text.h"

namespace korvana {
namespace {

enum class Arguments { CommandLine, BatchLine };

// Options are long ("--round") or a dash and a letter ("-h"); any other
// argument that starts with a dash is slots, such as "-,-,Ah".
bool isOption(const std::string& arg) {
    if (arg.size() < 2 || arg[0] != '-') return false;
    const char next = arg[1];
    return next == '-' || (next >= 'a' && next <= 'z') || (next >= 'A' && next <= 'Z');
}

// Reads the arguments into the request; a problem comes back as the one line to print.
std::optional<std::string> read(const std::vector<std::string>& args, CommandRequest& request,
                                Language language, Arguments arguments) {
    const auto say = [language](Phrase pattern, std::string_view value) {
        return fillIn(phrase(language, pattern), {value});
    };
    bool optionsEnded = false;
    std::string firstSlotArgument;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && isOption(arg)) {
            if (arg == "--") {
                optionsEnded = true;
                continue;
            }
            std::string name = arg, value;
            bool hasValue = false;
            if (const auto eq = arg.find('='); eq != std::string::npos && arg.rfind("--", 0) == 0) {
                name = arg.substr(0, eq);
                value = arg.substr(eq + 1);
                hasValue = true;
            }
            const OddsOption* option = findOddsOption(name);
            if (!option) return say(Phrase::UsageUnknownOption, quoted(arg));
            if (arguments == Arguments::BatchLine && !option->onABatchLine)
                return say(Phrase::UsageNotOnABatchLine, quoted(name));
            if (option->value.empty() && hasValue)
                return say(Phrase::UsageTakesNoValue, quoted(name));
            if (!option->value.empty() && !hasValue) {
                if (i + 1 >= args.size()) return say(Phrase::UsageNeedsValue, quoted(name));
                value = args[++i];
            }
            if (auto problem = option->read(value, request, language)) return *problem;
            auto& detail = option->rangeHitsToo ? request.knownCardsDetail : request.equityDetail;
            if (option->needsOpponents && !detail) detail = name;
            continue;
        }
        // After "--" a "-" is always a slot: the way to ask for an empty table.
        if (++request.slotArguments == 1 && !optionsEnded) firstSlotArgument = arg;
        if (auto problem = readSlots(arg, request.cards, language)) return *problem;
    }
    if (request.equityDetail && !request.options.equity.asked())
        return say(Phrase::UsageNeedsOpponents, quoted(*request.equityDetail));
    // Range hits leave dead cards out too.
    if (request.knownCardsDetail && !request.options.equity.asked() && !request.options.rangeHits)
        return say(Phrase::UsageNeedsOpponentsOrHits, quoted(*request.knownCardsDetail));
    if (request.options.equity.pot.has_value() != request.options.equity.call.has_value())
        return say(Phrase::UsagePotWithCall, "");
    if (request.narrow) {
        if (!request.options.rangeHits) return say(Phrase::UsageNarrowNeedsRangeHits, "");
        request.options.rangeHits->narrow = request.narrow;
    }
    // "-" alone is no table of one empty slot but the sign to read tables from
    // standard input; among other slots, and on a batch line, it stays an
    // empty slot.
    const bool loneDash = arguments == Arguments::CommandLine && request.slotArguments == 1 &&
                          firstSlotArgument == "-";
    if (arguments == Arguments::CommandLine && request.batch && request.slotArguments > 0 &&
        !loneDash)
        return say(Phrase::UsageBatchWithCards, "");
    if (request.history && (request.slotArguments > 0 || request.batch))
        return say(Phrase::UsageHistoryWithCards, "");
    if (request.streetEquity && !request.history)
        return say(Phrase::UsageNeedsHistory, quoted("--street-equity"));
    if (loneDash) {
        request.batch = true;
        request.cards = {};
    }
    request.options.autoSwitch = request.autoSwitch.value_or(!request.roundGiven);
    return std::nullopt;
}

}  // namespace

std::optional<std::string> readCommandLine(const std::vector<std::string>& args,
                                           CommandRequest& request, Language language) {
    return read(args, request, language, Arguments::CommandLine);
}

std::optional<std::string> readBatchLine(const std::vector<std::string>& words,
                                         CommandRequest& request, Language language) {
    request.slotArguments = 0;
    request.cards = {};
    return read(words, request, language, Arguments::BatchLine);
}

}  // namespace korvana
