#pragma once
// The korvana-odds command without its process: arguments in, text out.
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "tools/korvana_odds/text/command_environment.h"

namespace korvana {

// Runs one analysis pass for the slots given on the command line and writes the
// ten rows and the best-hand text (or one JSON object) to out, and with
// opponents the win chances after them; with "-" alone or --batch, one pass
// and one line of output per line of env.input (see runBatch). Returns the
// exit status: 0; 2 after one line on err naming the bad argument (out
// untouched), or in batch mode when some line was refused; 1 after a line on
// err when out cannot be written or flushed.
int runOddsCommand(const std::vector<std::string>& args, const OddsCommandEnvironment& env,
                   std::ostream& out, std::ostream& err);

}  // namespace korvana
