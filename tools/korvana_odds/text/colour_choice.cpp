#include "tools/korvana_odds/text/colour_choice.h"

#include <string_view>

namespace korvana {

bool colourWanted(bool outputIsTerminal, const char* noColour, const char* term) {
    return outputIsTerminal && noColour == nullptr &&
           (term == nullptr || std::string_view(term) != "dumb");
}

}  // namespace korvana
