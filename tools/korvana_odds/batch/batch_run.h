#pragma once
// Batch mode: one table per input line, one result per output line.
#include <iosfwd>

#include "tools/korvana_odds/arguments/command_request.h"
#include "tools/korvana_odds/report/table_report.h"
#include "tools/korvana_odds/text/command_environment.h"

namespace korvana {

// Reads tables from input, each line written like the command's slot
// arguments ("Ah Kh Qh - - 2c"), maybe with options of its own on top of the
// request's ("Ah Kh Qd --vs QQ+ --vs 15%"); "#" starts a comment, blank lines
// are skipped. Each result goes out, flushed, as soon as it is known, so a script
// can feed lines one at a time. A refused line is named on err with its line
// number and the others still run. In JSON every table line gives one object
// carrying its "line" number: the result, or {"line": N, "error": "..."}. Returns 0; 2 when some
// line was refused; 1 at once when out cannot be written, or at the end when input could not be
// read to its end.
int runBatch(std::istream& input, const CommandRequest& request, TableLayout layout,
             const OddsCommandEnvironment& env, std::ostream& out, std::ostream& err);

}  // namespace korvana
