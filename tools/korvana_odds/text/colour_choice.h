#pragma once
// Whether korvana-odds colours its rows, from facts the process reads.
namespace korvana {

// Only output to a terminal that can show colour: NO_COLOR set (to anything)
// or TERM=dumb turn it off. The variables are passed in as they are (nullptr
// when unset), so the choice does not depend on the process environment.
bool colourWanted(bool outputIsTerminal, const char* noColour, const char* term);

}  // namespace korvana
