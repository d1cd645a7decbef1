// The bench's rounds: each round of a figure in a process of its own, the two builds taking turns,
// and their lines.
#pragma once

#include <windows.h>

#include <stdio.h>

#include <map>
#include <string>
#include <vector>

#include "bench_stats.h"

// One value of a round, for the process that runs the rounds.
static void Report(const char* szKey, double value)
{
    printf("= %s %.4f\n", szKey, value);
    fflush(stdout);
}

typedef struct {
    const char* szName; // as --figure takes it
    void (*pRound)(int nOrder);
    int nRounds;    // of each build, at least
    int nMaxRounds; // when the spread of the first key is more than fSpread
    double fSpread;
} T_FIGURE;

// A key the rounds report that compares the builds: its unit, whether higher is better, and what
// it measures.
typedef struct {
    const char* szKey;
    const char* szUnit;
    bool bHigherBetter;
    const char* szWhat;
} T_BENCH_KEY;

// One round of the figure f by the bench szBench, in a process of its own: its values by key.
static std::map<std::string, double> RunRound(const std::string& bench, const T_FIGURE& f,
                                              int nOrder, const std::string& args)
{
    std::string cmd =
        "\"" + bench + "\" --figure " + f.szName + " " + std::to_string(nOrder) + " " + args;
    SECURITY_ATTRIBUTES sa = {sizeof(sa), nullptr, TRUE};
    HANDLE hRead = nullptr, hWrite = nullptr;
    CreatePipe(&hRead, &hWrite, &sa, 0);
    SetHandleInformation(hRead, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = hWrite;
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION pi = {};
    std::vector<char> buf(cmd.begin(), cmd.end());
    buf.push_back(0);
    std::string out;
    if (CreateProcessA(nullptr, buf.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si,
                       &pi)) {
        CloseHandle(hWrite);
        char chunk[4096];
        for (DWORD n; ReadFile(hRead, chunk, sizeof(chunk), &n, nullptr) && n > 0;)
            out.append(chunk, n);
        WaitForSingleObject(pi.hProcess, INFINITE);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    } else {
        CloseHandle(hWrite);
    }
    CloseHandle(hRead);
    std::map<std::string, double> values;
    char szKey[64];
    double value;
    for (size_t pos = 0; (pos = out.find("= ", pos)) != std::string::npos; pos += 2) {
        if (sscanf(out.c_str() + pos, "= %63s %lf", szKey, &value) == 2)
            values[szKey] = value;
    }
    return values;
}

// Rounds of each key, of the reference build [0] and of this one [1].
typedef std::map<std::string, std::vector<double>> T_ROUNDS;

// The rounds of the figure f: of both builds, interleaved as benchOrder says (szRef null: of this
// build alone), more of them while the first key's spread is more than the figure wants.
static void RunFigure(const T_FIGURE& f, const std::string& self, const char* szRef,
                      const std::string& args, T_ROUNDS rounds[2])
{
    int nDone = 0;
    for (int nRounds = f.nRounds; nDone < nRounds;) {
        std::vector<int> order = benchOrder(nRounds);
        for (size_t i = 2 * (size_t)nDone; i < order.size(); ++i) {
            int nWho = szRef ? order[i] : 1;
            if (!szRef && i % 2) // this build alone: each round once
                continue;
            for (const auto& v : RunRound(nWho ? self : szRef, f, (int)(i / 2) % 2, args))
                rounds[nWho][v.first].push_back(v.second);
        }
        nDone = nRounds;
        const std::vector<double>& first = rounds[1][f.szName];
        bool bSpread = benchSpread(first) > f.fSpread ||
                       (szRef && benchSpread(rounds[0][f.szName]) > f.fSpread);
        if (bSpread && nRounds + 2 <= f.nMaxRounds)
            nRounds += 2;
    }
}

// The figures' lines; with a reference, old, new and new/old, and SLOWER: where it is.
static void PrintFigures(T_ROUNDS rounds[2], const std::vector<T_BENCH_KEY>& keys, bool bCompare)
{
    for (const T_BENCH_KEY& k : keys) {
        T_BENCH_FIGURE f = {k.szWhat, k.szUnit, k.bHigherBetter, rounds[0][k.szKey],
                            rounds[1][k.szKey]};
        if (f.now.empty()) // a figure that could not be taken here
            continue;
        if (bCompare)
            printf("%s\n", benchLine(f).c_str());
        else
            printf("%s: %.3f%s (+-%.1f %%, %zu rounds)\n", f.name.c_str(), benchMedian(f.now),
                   f.unit.c_str(), 100 * benchSpread(f.now), f.now.size());
    }
    std::string profile;
    for (const auto& r : rounds[1]) {
        if (r.first.compare(0, 8, "profile-") == 0)
            profile += " " + r.first.substr(11) + " " + std::to_string((int)benchMedian(r.second));
    }
    if (!profile.empty())
        printf("this build's runs, each step summed over 1,000 runs, in ms:%s\n", profile.c_str());
    fflush(stdout);
}
