#pragma once
// The player's library of named ranges: a plain text file, one
//   name = range
// a line (blank lines and "#" comments skipped, a "#" ends a line), which
// every range box and korvana-odds read as "@name". A set of built-in ranges
// is there from the first start; a name of the player's own overrides one.
// A range in the library is written out, never by another's name.
//
// The library is made from the file's text: who reads the file, and where,
// is the caller's business.
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/ranges/range_error.h"
#include "engine/text/string_table.h"

namespace korvana {

struct NamedRange {
    std::string name;
    std::string range;                  // as written
    std::optional<Phrase> explanation;  // what a built-in range is
    int line = 0;                       // in the file; 0 for a built-in range
};

// A line of the file that was left out, and why.
struct LibraryProblem {
    enum class Kind {
        NoEquals,  // no "=" between a name and a range
        BadName,   // empty, or holding a character a name may not hold
        BadRange,  // the range does not read (see range)
    };
    int line = 0;  // from 1
    Kind kind = Kind::NoEquals;
    RangeError range;  // for BadRange
    friend bool operator==(const LibraryProblem&, const LibraryProblem&) = default;
};

// Letters (any language's), digits and "-", "_", ".", "/".
bool isRangeName(std::string_view name);

class RangeLibrary {
public:
    // The built-in ranges alone.
    RangeLibrary();
    // The built-in ranges and those of the file's text (UTF-8); a bad line
    // is left out and told, the others still read. A name given twice takes
    // its last range.
    explicit RangeLibrary(std::string_view fileText);

    // The player's own ranges in the file's order, then the built-in ones he
    // did not override.
    const std::vector<NamedRange>& ranges() const { return ranges_; }
    const std::vector<LibraryProblem>& problems() const { return problems_; }
    // Names compare with ASCII letters in either case.
    const NamedRange* find(std::string_view name) const;

private:
    std::vector<NamedRange> ranges_;
    std::vector<LibraryProblem> problems_;
};

// The range text with every "@name" piece replaced by the library's range of
// that name; UnknownName with the piece for a name the library lacks.
std::variant<std::string, RangeError> resolveNamedRanges(std::string_view text,
                                                         const RangeLibrary& library);

// The file's text with `name = range`: in place of the first line that
// names it (later ones are dropped), else as a new last line. Comments and
// every other line stay as written. The name must be a range name.
std::string withNamedRange(std::string_view fileText, std::string_view name,
                           std::string_view range);

// The file's text for its first write: a comment that says what it is.
std::string newLibraryText(Language language);

// "ranges.txt, line 3: ..." in the given language; fileName as it is shown.
std::string libraryProblemText(Language language, const LibraryProblem& problem,
                               std::string_view fileName);

// Where the library lies in the configuration folder ($XDG_CONFIG_HOME, or
// ~/.config): "<folder>/korvana/ranges.txt". xdgConfigHome and home are the
// environment's values, nullopt when unset; nullopt when neither gives a folder.
std::optional<std::string> rangeLibraryPath(std::optional<std::string_view> xdgConfigHome,
                                            std::optional<std::string_view> home);

}  // namespace korvana
