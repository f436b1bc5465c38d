#include "engine/ranges/range_library.h"

#include <algorithm>

#include "engine/ranges/built_in_ranges.h"
#include "engine/ranges/hand_range.h"
#include "engine/ranges/range_error_text.h"

namespace korvana {
namespace {

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

char folded(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return folded(x) == folded(y);
           });
}

// The file's lines, a UTF-8 byte order mark left out.
std::vector<std::string_view> linesOf(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    std::vector<std::string_view> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The line without its comment and blanks; where a name and a range are, the
// name and the range.
struct LineParts {
    std::string_view content, name, range;
    bool hasEquals = false;
};

LineParts partsOf(std::string_view line) {
    LineParts parts;
    parts.content = trimmed(line.substr(0, line.find('#')));
    const size_t equals = parts.content.find('=');
    if (equals == std::string_view::npos) return parts;
    parts.hasEquals = true;
    parts.name = trimmed(parts.content.substr(0, equals));
    parts.range = trimmed(parts.content.substr(equals + 1));
    return parts;
}

}  // namespace

bool isRangeName(std::string_view name) {
    if (name.empty()) return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x80 || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
               (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.' || c == '/';
    });
}

RangeLibrary::RangeLibrary() : RangeLibrary(std::string_view()) {}

RangeLibrary::RangeLibrary(std::string_view fileText) {
    const std::vector<std::string_view> lines = linesOf(fileText);
    for (size_t at = 0; at < lines.size(); ++at) {
        const int line = static_cast<int>(at) + 1;
        const LineParts parts = partsOf(lines[at]);
        if (parts.content.empty()) continue;
        if (!parts.hasEquals) {
            problems_.push_back({line, LibraryProblem::Kind::NoEquals, {}});
            continue;
        }
        if (!isRangeName(parts.name)) {
            problems_.push_back({line, LibraryProblem::Kind::BadName, {}});
            continue;
        }
        // Read now, so that a bad range is told with its line, not where it is used.
        const auto range = parseHandRange(parts.range);
        if (const auto* error = std::get_if<RangeError>(&range)) {
            problems_.push_back({line, LibraryProblem::Kind::BadRange, *error});
            continue;
        }
        const auto same = std::find_if(ranges_.begin(), ranges_.end(), [&](const NamedRange& r) {
            return sameName(r.name, parts.name);
        });
        if (same != ranges_.end()) ranges_.erase(same);
        ranges_.push_back({std::string(parts.name), std::string(parts.range), std::nullopt, line});
    }
    for (const BuiltInRange& builtIn : builtInRanges())
        if (!find(builtIn.name))
            ranges_.push_back(
                {std::string(builtIn.name), std::string(builtIn.range), builtIn.explanation, 0});
}

const NamedRange* RangeLibrary::find(std::string_view name) const {
    const auto found = std::find_if(ranges_.begin(), ranges_.end(),
                                    [name](const NamedRange& r) { return sameName(r.name, name); });
    return found == ranges_.end() ? nullptr : &*found;
}

std::variant<std::string, RangeError> resolveNamedRanges(std::string_view text,
                                                         const RangeLibrary& library) {
    if (text.find('@') == std::string_view::npos) return std::string(text);
    std::string resolved;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t comma = std::min(text.find(',', start), text.size());
        const std::string_view piece = trimmed(text.substr(start, comma - start));
        start = comma + 1;
        if (piece.empty()) continue;
        if (!resolved.empty()) resolved += ", ";
        if (!piece.starts_with('@')) {
            resolved += piece;
            continue;
        }
        const NamedRange* named = library.find(trimmed(piece.substr(1)));
        if (!named) return RangeError{RangeError::Problem::UnknownName, std::string(piece)};
        resolved += named->range;
    }
    return resolved;
}

std::string withNamedRange(std::string_view fileText, std::string_view name,
                           std::string_view range) {
    const std::string entry = std::string(name) + " = " + std::string(range);
    std::string text;
    bool placed = false;
    for (const std::string_view line : linesOf(fileText)) {
        const LineParts parts = partsOf(line);
        if (parts.hasEquals && sameName(parts.name, name)) {
            if (placed) continue;
            placed = true;
            text += entry;
        } else {
            text += line;
        }
        text += '\n';
    }
    if (!placed) text += entry + '\n';
    return text;
}

std::string newLibraryText(Language language) {
    std::string text;
    const std::string_view about = phrase(language, Phrase::RangeLibraryAbout);
    for (const std::string_view line : linesOf(about)) text += "# " + std::string(line) + "\n";
    return text + "\n";
}

std::string libraryProblemText(Language language, const LibraryProblem& problem,
                               std::string_view fileName) {
    std::string what;
    switch (problem.kind) {
        case LibraryProblem::Kind::NoEquals:
            what = phrase(language, Phrase::RangeLibraryNoEquals);
            break;
        case LibraryProblem::Kind::BadName:
            what = phrase(language, Phrase::RangeLibraryBadName);
            break;
        case LibraryProblem::Kind::BadRange: {
            std::string piece = problem.range.piece;
            // A whole pasted range may be at fault; its start names it well enough.
            if (piece.size() > 60) {
                size_t cut = 57;
                while (cut > 0 && (static_cast<unsigned char>(piece[cut]) & 0xC0) == 0x80) --cut;
                piece = piece.substr(0, cut) + "...";
            }
            what = rangeErrorText(language, problem.range.problem, piece);
            break;
        }
    }
    return fillIn(phrase(language, Phrase::RangeLibraryLine),
                  {fileName, std::to_string(problem.line), what});
}

std::optional<std::string> rangeLibraryPath(std::optional<std::string_view> xdgConfigHome,
                                            std::optional<std::string_view> home) {
    // A relative folder is no configuration folder: it would depend on where
    // the program was started.
    std::string folder;
    if (xdgConfigHome && xdgConfigHome->starts_with('/'))
        folder = *xdgConfigHome;
    else if (home && home->starts_with('/'))
        folder = std::string(*home) + "/.config";
    else
        return std::nullopt;
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder + "/korvana/ranges.txt";
}

}  // namespace korvana
