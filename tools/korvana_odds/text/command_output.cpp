#include "tools/korvana_odds/text/command_output.h"

#include <ostream>

namespace korvana {

int written(std::ostream& out, std::ostream& err, std::string_view text) {
    out << text;
    out.flush();
    if (out) return 0;
    err << "korvana-odds: cannot write the output\n";
    return 1;
}

}  // namespace korvana
