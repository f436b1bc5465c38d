#include "tools/korvana_odds/batch/batch_json.h"

#include "tools/korvana_odds/text/json_text.h"

namespace korvana {

std::string numberedObject(long line, std::string_view object) {
    std::string text = "{\"line\": " + std::to_string(line);
    object.remove_prefix(1);  // the object's "{"
    if (!object.starts_with('}')) text += ", ";
    return text += object;
}

std::string lineErrorObject(long line, std::string_view problem) {
    return "{\"line\": " + std::to_string(line) + ", \"error\": " + jsonString(problem) + "}\n";
}

}  // namespace korvana
