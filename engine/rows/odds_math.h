#pragma once
// Counting and the writing of odds numbers.
//
// The odds must come out digit for digit the same on every platform, including
// numbers that lie on a half tenth (306.25 is written "306.2", 12.25 from a
// rounded term "12.3"). That depends on which steps run with a 64-bit
// significand and which are stored as double, so the steps are spelled out
// with the Extended type below instead of being left to the compiler.
#include <string>
#include <string_view>

#include "engine/rows/extended.h"

namespace korvana {

// n! for n >= 1, multiplied up one factor at a time and rounded to double after each step.
double factorial(int n);

// Binomial coefficient: 1.0 when k >= n or k <= 0, otherwise
// n! / (k! * (n-k)!) with the product and the quotient in extended precision.
double choose(int n, int k);

// Accumulates the probability of a draw: each term is added in extended
// precision and the sum is stored as a double, starting from 0.0.
class ProbabilitySum {
public:
    void add(Extended term) { sum_ = static_cast<double>(Extended(sum_) + term); }
    double value() const { return sum_; }
    // Tries per success, 1/sum in extended precision stored as a double.
    double oddsNumber() const { return static_cast<double>(Extended(1.0) / Extended(sum_)); }

private:
    double sum_ = 0.0;
};

// x rounded to one decimal: round(x / 0.1) * 0.1 where 0.1 is the double nearest
// a tenth (slightly above it), the quotient and product in extended precision and
// exact halves going to the even neighbour.
double roundToTenth(double x);

// x rounded to a tenth and written in the shortest form with at most 15
// significant digits: "19600", "76.6", "2". Independent of the process locale;
// decimalSeparator replaces the point.
std::string oddsNumberText(double x, std::string_view decimalSeparator = ".");

}  // namespace korvana
