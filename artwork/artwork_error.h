#pragma once
// The single failure of the artwork tool: a picture that cannot be made or written.
#include <stdexcept>
#include <string>

namespace korvana::artwork {

class ArtworkError : public std::runtime_error {
public:
    explicit ArtworkError(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace korvana::artwork
