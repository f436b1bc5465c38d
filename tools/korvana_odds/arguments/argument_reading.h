#pragma once
// korvana-odds' arguments read into a request through the table of options:
// the command line's, and those a batch line carries beside its slots.
#include <optional>
#include <string>
#include <vector>

#include "engine/text/language.h"
#include "tools/korvana_odds/arguments/command_request.h"

namespace korvana {

// Options and slot arguments in any order, "--" ending the options. A
// problem comes back as the one line to print, in the language.
std::optional<std::string> readCommandLine(const std::vector<std::string>& args,
                                           CommandRequest& request, Language language);

// The words of one batch line, read like the command line on top of its
// request (a copy): the slots of the table, and options for this line alone,
// as if written at the end of the command line. Options that shape the whole
// run (--batch, --json, --lang, --help, --version) are refused here.
std::optional<std::string> readBatchLine(const std::vector<std::string>& words,
                                         CommandRequest& request, Language language);

}  // namespace korvana
