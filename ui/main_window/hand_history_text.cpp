#include "ui/main_window/hand_history_text.h"

#include <sstream>
#include <string>

#include "history/history_reader.h"

namespace korvana::ui {

bool readsAsHandHistory(std::string_view text) {
    std::istringstream input{std::string(text)};
    history::HistoryReader reader(input);
    return reader.next().has_value();
}

}  // namespace korvana::ui
