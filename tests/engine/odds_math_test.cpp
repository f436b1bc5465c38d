#include <gtest/gtest.h>

#include <cfloat>
#include <cstring>
#include <random>

#include "engine/rows/odds_math.h"

namespace korvana {
namespace {

TEST(OddsMath, FactorialsAndBinomials) {
    EXPECT_EQ(factorial(1), 1.0);
    EXPECT_EQ(factorial(5), 120.0);
    EXPECT_EQ(factorial(20), 2432902008176640000.0);
    struct Case {
        int n, k;
        double expected;
    };
    const Case cases[] = {
        {52, 5, 2598960}, {50, 3, 19600}, {51, 4, 249900}, {47, 1, 47},
        {49, 4, 211876},  {48, 3, 17296}, {44, 2, 946},    {5, 0, 1},
        {5, -1, 1},       {1, 1, 1},      {3, 3, 1},       {3, 5, 1},
    };
    // Factorials above 22! are rounded, so large coefficients may be an ulp off a whole number.
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(choose(c.n, c.k), c.expected) << c.n << "," << c.k;
    EXPECT_NE(choose(47, 1), 47.0);  // the rounding the odds depend on is really there
}

TEST(OddsMath, OddsNumberText) {
    struct Case {
        double x;
        const char* separator;
        const char* text;
    };
    const Case cases[] = {
        {19600.0, ".", "19600"},
        {2.0, ".", "2"},
        {76.5625, ".", "76.6"},
        {23.5, ".", "23.5"},
        {23.5, ",", "23,5"},
        {23.5, "\xd9\xab",
         "23\xd9\xab"
         "5"},  // a separator of more than one byte
        {1088.8888888888889, ".", "1088.9"},
        // Halves: the tenth is a little above 0.1, so an exact half falls just below.
        {306.25, ".", "306.2"},
        {11.75, ".", "11.7"},
        {12.25, ".", "12.2"},
        {12.250000000000002, ".", "12.3"},  // one ulp above the half
        // A quotient that is exactly a half goes to the even neighbour (0), not away from zero.
        {0.05000000000000000277, ".", "0"},
        {249900.0, ".", "249900"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(oddsNumberText(c.x, c.separator), c.text) << "x = " << c.x;
}

TEST(OddsMath, ProbabilitySumStoresEachStepAsDouble) {
    // 4/49 held as a double is a little below 4/49, so the odds land just above 12.25.
    ProbabilitySum sum;
    sum.add(Extended(17296) / Extended(211876));
    EXPECT_EQ(sum.value(), 4.0 / 49.0);
    EXPECT_GT(sum.oddsNumber(), 12.25);
    EXPECT_EQ(oddsNumberText(sum.oddsNumber()), "12.3");
}

#if KORVANA_EXTENDED_IS_SOFTWARE && LDBL_MANT_DIG == 64
// Where both exist, the software float must agree bit for bit with the x87
// format it stands in for: every operation the odds use, correctly rounded.
TEST(SoftwareExtended, AgreesWithHardwareExtended) {
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> magnitude(-60.0, 200.0);
    const auto draw = [&] {
        double x = std::exp2(magnitude(random)) *
                   (1.0 + std::ldexp(static_cast<double>(random() >> 11), -53));
        return x;
    };
    for (int i = 0; i < 200000; ++i) {
        const double a = draw(), b = draw(), c = draw();
        const long double ha = a, hb = b, hc = c;
        const Extended sa = a, sb = b, sc = c;
        const auto same = [&](long double hard, const Extended& soft) {
            EXPECT_EQ(static_cast<double>(hard), static_cast<double>(soft))
                << a << " " << b << " " << c;
            EXPECT_EQ(hard, static_cast<long double>(soft)) << a << " " << b << " " << c;
        };
        same(ha * hb / hc, sa * sb / sc);
        same(ha / (hb * hc), sa / (sb * sc));
        same(ha + hb / hc, sa + sb / sc);
        if (::testing::Test::HasFailure()) return;
    }
}
#endif

}  // namespace
}  // namespace korvana
