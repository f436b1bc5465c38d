#include "tools/korvana_odds/arguments/range_library_reading.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <system_error>

#include "tools/korvana_odds/text/terminal_text.h"

namespace korvana {
namespace {

// Far beyond any library typed by hand.
constexpr std::uintmax_t kMostBytes = 1 << 20;

}  // namespace

RangeLibrary readRangeLibrary(const std::optional<std::string>& path, Language language,
                              std::ostream& err) {
    if (!path) return RangeLibrary();
    std::error_code error;
    const auto status = std::filesystem::status(*path, error);
    if (status.type() == std::filesystem::file_type::not_found) return RangeLibrary();
    const auto cannot = [&](const std::string& why) {
        err << "korvana-odds: " << oneLine(*path) << ": " << why << "\n";
        return RangeLibrary();
    };
    if (error) return cannot(error.message());
    // Looked at before it is opened, so that a pipe there cannot block.
    if (status.type() != std::filesystem::file_type::regular) return cannot("not a regular file");
    if (std::filesystem::file_size(*path, error) > kMostBytes || error)
        return cannot("larger than " + std::to_string(kMostBytes) + " bytes");
    std::ifstream file(*path, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    if (file.bad() || !file.is_open()) return cannot("cannot be read");
    RangeLibrary library(text);
    for (const LibraryProblem& problem : library.problems())
        err << "korvana-odds: " << oneLine(libraryProblemText(language, problem, *path)) << "\n";
    return library;
}

}  // namespace korvana
