#pragma once
// korvana-odds run inside the test: arguments and standard input in, the
// exit status and both streams out.
#include <sstream>
#include <string>
#include <vector>

#include "tools/korvana_odds/odds_command.h"

namespace korvana {

struct Outcome {
    int status;
    std::string out, err;
};

inline Outcome run(const std::vector<std::string>& args, OddsCommandEnvironment env = {},
                   const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    env.input = &in;
    const int status = runOddsCommand(args, env, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace korvana
