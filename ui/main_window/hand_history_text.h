#pragma once
// Whether pasted text is a hand history (to replay) rather than a spot.
#include <string_view>

namespace korvana::ui {

// True when the text holds at least one hand, read or refused.
bool readsAsHandHistory(std::string_view text);

}  // namespace korvana::ui
