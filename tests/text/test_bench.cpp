// The bench's comparison of two builds, from plain values.
#include <gtest/gtest.h>

#include "bench_stats.h"

// The rounds take turns A B B A ...; a figure is the median of its rounds, its spread half their
// range over it; the build under test is slower only when more than 5 % worse beyond the spreads,
// whichever way is better.
TEST(Bench, TurnsSpreadAndTheSlowerRule)
{
    EXPECT_EQ(benchOrder(3), std::vector<int>({0, 1, 1, 0, 0, 1}));
    EXPECT_TRUE(benchOrder(0).empty());
    EXPECT_EQ(benchMedian({3, 1, 2}), 2);
    EXPECT_EQ(benchMedian({4, 1, 3, 2}), 2.5);
    // clang-format off
    const struct { std::vector<double> ref, now; bool bHigherBetter; double spread; int nSlower; } cases[] = {
        {{1.00, 1.00}, {1.06, 1.06},       false, 0,     1}, // 6 % worse, steady
        {{1.00, 1.00}, {1.04, 1.04},       false, 0,     0}, // 4 %: within the margin
        {{1.00, 1.00}, {1.02, 1.10},       false, 0.038, 0}, // 6 %, but within the spread
        {{1.00, 1.02}, {1.20, 1.10, 1.15}, false, 0.043, 1}, // 14 %, beyond it
        {{0.90, 1.10}, {1.08, 1.08},       false, 0,     0}, // the reference's spread counts
        {{2.00},       {1.80},             true,  0,     1}, // a speed-up 10 % lower
        {{2.00},       {2.20},             true,  0,     0}, // higher: better
        {{},           {1.50},             false, 0,     0}, // no reference: nothing compared
    };
    // clang-format on
    for (const auto& c : cases) {
        T_BENCH_FIGURE f = {"figure", "", c.bHigherBetter, c.ref, c.now};
        EXPECT_NEAR(benchSpread(c.now), c.spread, 0.001);
        EXPECT_EQ(benchSlower(f), c.nSlower) << benchLine(f);
        EXPECT_EQ(benchLine(f).find("\nSLOWER: figure: old ") != std::string::npos, c.nSlower == 1);
    }
}
