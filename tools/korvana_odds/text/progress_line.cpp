#include "tools/korvana_odds/text/progress_line.h"

#include <algorithm>
#include <cmath>

namespace korvana {
namespace {

// Before this share of the work its pace says little of what is left.
constexpr double kPaceKnown = 0.02;

std::string timeLeft(double seconds) {
    if (seconds < 90) return std::to_string(std::max(1L, std::lround(std::ceil(seconds)))) + " s";
    if (seconds < 90 * 60) return std::to_string(std::lround(seconds / 60)) + " min";
    return std::to_string(std::lround(seconds / 3600)) + " h";
}

}  // namespace

std::string progressLine(bool counting, double done, std::chrono::duration<double> elapsed) {
    done = std::clamp(done, 0.0, 1.0);
    std::string line = std::string("korvana-odds: ") + (counting ? "counting" : "sampling") +
                       " deals, " + std::to_string(static_cast<int>(done * 100)) + "%";
    if (done >= kPaceKnown && done < 1.0)
        line += ", about " + timeLeft(elapsed.count() * (1.0 - done) / done) + " left";
    return line;
}

}  // namespace korvana
