// The plain parts of the bench's comparison of two builds: the order their rounds run in, the
// typical value and spread of a figure's rounds, and the rule that calls the build under test
// slower. Plain values in, text out; in this header alone, so that the bench built against an
// older program's sources takes it as it is.
#pragma once

#include <stdio.h>

#include <algorithm>
#include <string>
#include <vector>

// Worse by more than this, beyond the rounds' spread, is slower.
#define BENCH_SLOWER_MARGIN 0.05

// A figure measured on both builds, each round of each.
typedef struct {
    std::string name;
    std::string unit;   // " ms", "x", "" for a ratio
    bool bHigherBetter; // a speed-up; else a time or a cost, lower is better
    std::vector<double> ref, now;
} T_BENCH_FIGURE;

// Which build each round measures, for nRounds rounds of each: 0 the reference, 1 the build
// under test, in the order A B B A A B B A ..., so that neither always finds the machine warmer
// or cooler than the other.
inline std::vector<int> benchOrder(int nRounds)
{
    std::vector<int> order;
    for (int i = 0; i < nRounds; ++i) {
        order.push_back(i % 2);
        order.push_back(1 - i % 2);
    }
    return order;
}

// The median of rounds; 0 for none.
inline double benchMedian(std::vector<double> rounds)
{
    if (rounds.empty())
        return 0;
    std::sort(rounds.begin(), rounds.end());
    size_t n = rounds.size();
    return n % 2 ? rounds[n / 2] : (rounds[n / 2 - 1] + rounds[n / 2]) / 2;
}

// The spread of rounds: half their range, relative to their median; 0 for fewer than two.
inline double benchSpread(const std::vector<double>& rounds)
{
    double median = benchMedian(rounds);
    if (rounds.size() < 2 || median <= 0)
        return 0;
    auto range = std::minmax_element(rounds.begin(), rounds.end());
    return (*range.second - *range.first) / 2 / median;
}

// How much worse the build under test is than the reference, median to median, as a fraction
// (0.1: 10 % worse; negative: better); 0 when either has no figure.
inline double benchWorse(const T_BENCH_FIGURE& f)
{
    double ref = benchMedian(f.ref), now = benchMedian(f.now);
    if (ref <= 0 || now <= 0)
        return 0;
    return f.bHigherBetter ? ref / now - 1 : now / ref - 1;
}

// 1 when the build under test is more than 5 % worse than the reference beyond the rounds'
// spread: worse by more than 5 % plus the spreads of both builds' rounds.
inline int benchSlower(const T_BENCH_FIGURE& f)
{
    return benchWorse(f) > BENCH_SLOWER_MARGIN + benchSpread(f.ref) + benchSpread(f.now) ? 1 : 0;
}

// The figure's line: its name, the reference's and this build's medians with their spreads, and
// new/old; then, when it is slower, a line "SLOWER: " and the same.
inline std::string benchLine(const T_BENCH_FIGURE& f)
{
    char sz[512];
    double ref = benchMedian(f.ref), now = benchMedian(f.now);
    snprintf(sz, sizeof(sz), "%s: old %.3f%s (+-%.1f %%), new %.3f%s (+-%.1f %%), new/old %.3f",
             f.name.c_str(), ref, f.unit.c_str(), 100 * benchSpread(f.ref), now, f.unit.c_str(),
             100 * benchSpread(f.now), ref > 0 ? now / ref : 0.0);
    return benchSlower(f) ? sz + std::string("\nSLOWER: ") + sz : std::string(sz);
}
