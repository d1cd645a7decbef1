// The steps of an operation run several at once, in their order, never two of one file.
#include "pdf_schedule.h"

#include <algorithm>

#include "paths.h"
#include "pdf_identity.h"
#include "pdf_text.h"

static int bStop;        // start no further input of the operation under way
static int bSessionHold; // the session may end: start nothing until Windows says
static int nWorkersSet;  // pdfSetWorkers

int pdfStopAfterCurrent(void)
{
    bStop = 1;
    return 0;
}

int pdfNewOperation(void)
{
    bStop = bSessionHold = 0;
    return 0;
}

int pdfHoldForSession(int bHold)
{
    bSessionHold = bHold;
    return 0;
}

int pdfSessionEnding(void)
{
    return pdfRunsEnded();
}

int pdfEndSession(void)
{
    bStop = 1;
    pdfEndRuns();
    return 0;
}

int pdfSetWorkers(int nWorkers)
{
    nWorkersSet = nWorkers < 0 ? 0 : nWorkers > WORKERS_MAX ? WORKERS_MAX : nWorkers;
    return 0;
}

int pdfWorkers(unsigned nProcessors, unsigned long long nFreeBytes)
{
    unsigned long long n = nFreeBytes / WORKER_MEMORY;
    n = n < nProcessors ? n : nProcessors;
    n = n < WORKERS_MAX ? n : WORKERS_MAX;
    return n > 1 ? (int)n : 1;
}

// How many inputs run at once: as many as the machine's processors and free memory allow.
static int Workers(void)
{
    if (nWorkersSet)
        return nWorkersSet;
    SYSTEM_INFO si;
    GetSystemInfo(&si);
    MEMORYSTATUSEX ms;
    ms.dwLength = sizeof(ms);
    return pdfWorkers(si.dwNumberOfProcessors, GlobalMemoryStatusEx(&ms) ? ms.ullAvailPhys : 0);
}

// Which of the operation's inputs may run beside those under way: never two of one input file,
// nor two of one result, however they are named. Each step is looked up as it comes up, so that
// the window answers meanwhile.
typedef struct {
    T_SAME_FILES inputs, results;
    std::vector<int> firstOfInput;     // each step's first step of its input file, -1: none
    std::vector<int> firstOfResult;    // the same for its result
    std::vector<char> inBusy, outBusy; // by first step: one of that file runs
} T_FILES_IN_USE;

// The state of an operation's runs.
typedef struct {
    const T_SCHEDULE* where;
    std::vector<T_STEP>* steps;
    T_OUTCOME outcome;
    int nWorkers, nRunning;
    bool bCheckFiles;         // several at once: the files in use are looked up
    T_FILES_IN_USE files;     // when bCheckFiles
    std::vector<char> bBegun; // by step
    size_t nFirst;            // no input before it is still to start
    size_t nLookedUp;         // inputs looked up in files
    const char* szLastStarted;
} T_BATCH_RUN;

static void LookUpStep(T_BATCH_RUN* b, size_t i)
{
    const T_STEP& s = (*b->steps)[i];
    T_FILES_IN_USE* u = &b->files;
    if (s.nNoRunText)
        return; // never runs: -1, as it is
    if (s.nSameInput != STEP_NOT_LOOKED_UP && s.nSameResult != STEP_NOT_LOOKED_UP) {
        u->firstOfInput[i] = s.nSameInput;
        u->firstOfResult[i] = s.nSameResult;
        return;
    }
    pdfLetWindowAnswer();
    u->firstOfInput[i] = pdfAddSameFile(&u->inputs, s.input.c_str(), (int)i);
    u->firstOfResult[i] = pdfAddSameFile(&u->results, s.output.c_str(), (int)i);
}

static bool InUse(const T_FILES_IN_USE* u, size_t i)
{
    int nIn = u->firstOfInput[i], nOut = u->firstOfResult[i];
    return (nIn >= 0 && u->inBusy[(size_t)nIn]) || (nOut >= 0 && u->outBusy[(size_t)nOut]);
}

static void SetInUse(T_FILES_IN_USE* u, size_t i, char bBusy)
{
    int nIn = u->firstOfInput[i], nOut = u->firstOfResult[i];
    if (nIn >= 0)
        u->inBusy[(size_t)nIn] = bBusy;
    if (nOut >= 0)
        u->outBusy[(size_t)nOut] = bBusy;
}

static void Finished(T_BATCH_RUN* b, size_t i, const T_RUN_RESULT& r)
{
    ++b->outcome.nDone;
    b->outcome.nWritten += r.nText == 0;
    b->outcome.nFailed += r.nText != 0;
    b->outcome.results[i] = r;
    if (b->bCheckFiles)
        SetInUse(&b->files, i, 0);
}

// The paths of a step's command line.
static T_TOOL_PATHS PathsOf(const T_STEP& s)
{
    T_TOOL_PATHS paths = {{s.input}, s.workDir.empty() ? s.output : std::string(), s.workDir};
    paths.reads.insert(paths.reads.end(), s.alsoRead.begin(), s.alsoRead.end());
    return paths;
}

// Starts input i in the free slot run; 1 when it runs, else 0 with why it got no result in r.
static int StartStep(T_BATCH_RUN* b, size_t i, T_RUN* run, T_RUN_RESULT* r)
{
    const T_STEP& s = (*b->steps)[i];
    *r = {s.nNoRunText, 0, std::string(), s.detail};
    if (s.nNoRunText)
        return 0;
    // A folder to run in is made first; without it (a file of its name is there, or it cannot
    // be made) the input is left alone.
    pdfProfileMark(PROFILE_SCHEDULE);
    int bMade = !s.workDir.empty() && pathMakeFolder(s.workDir.c_str());
    if (!s.workDir.empty() && !bMade && !pathIsFolder(s.workDir.c_str())) {
        *r = {TXT_FAIL_NO_FOLDER, 0, std::string(), s.workDir};
        return 0;
    }
    pdfProfileMark(PROFILE_FOLDER);
    // A burst writes into its folder, the others their result.
    pdfWatchResult(&run->what, s.output.c_str(), !s.workDir.empty(), bMade);
    pdfProfileMark(PROFILE_WATCH);
    const std::string& workDir = b->where->workDir;
    if (!pdfStartRun(run, s.cmd, PathsOf(s), workDir.empty() ? nullptr : workDir.c_str(), r)) {
        if (bMade)
            pathRemoveFolder(s.workDir.c_str());
        return 0;
    }
    run->nStep = i;
    return 1;
}

// The free slots take the first inputs that may start; an input waits while another of its file
// or its result runs.
static void StartWhatMay(T_BATCH_RUN* b)
{
    std::vector<T_STEP>& steps = *b->steps;
    for (size_t i = b->nFirst;
         i < steps.size() && b->nRunning < b->nWorkers && !bStop && !bSessionHold; ++i) {
        if (b->bCheckFiles && i == b->nLookedUp)
            LookUpStep(b, b->nLookedUp++);
        if (b->nRunning > 0) // between two starts the window answers, as while they run
            pdfLetWindowAnswer();
        if (bStop) // asked for meanwhile
            break;
        if (b->bBegun[i] || (b->bCheckFiles && InUse(&b->files, i)))
            continue;
        b->bBegun[i] = 1;
        ++b->outcome.nStarted;
        T_RUN_RESULT r;
        if (StartStep(b, i, pdfFreeSlot(), &r)) {
            ++b->nRunning;
            b->szLastStarted = steps[i].input.c_str();
            if (b->bCheckFiles)
                SetInUse(&b->files, i, 1);
        } else {
            Finished(b, i, r);
        }
    }
    while (b->nFirst < steps.size() && b->bBegun[b->nFirst])
        ++b->nFirst;
}

static void BeginBatch(T_BATCH_RUN* b, const T_SCHEDULE* where, std::vector<T_STEP>& steps)
{
    size_t nSteps = steps.size();
    b->where = where;
    b->steps = &steps;
    b->outcome = T_OUTCOME();
    b->outcome.nSteps = (int)nSteps;
    b->outcome.results.assign(nSteps, T_RUN_RESULT());
    // One input at a time where the tool asks on its console (one question at a time), and
    // where there is nothing to run beside another.
    bool bAsks = std::any_of(steps.begin(), steps.end(),
                             [](const T_STEP& s) { return pdfAsksOnConsole(s.cmd) != 0; });
    b->nWorkers = nSteps < 2 || bAsks ? 1 : Workers();
    b->nRunning = 0;
    b->bCheckFiles = b->nWorkers > 1;
    if (b->bCheckFiles) {
        b->files.firstOfInput.assign(nSteps, -1);
        b->files.firstOfResult.assign(nSteps, -1);
        b->files.inBusy.assign(nSteps, 0);
        b->files.outBusy.assign(nSteps, 0);
    }
    b->bBegun.assign(nSteps, 0);
    b->nFirst = b->nLookedUp = 0;
    b->szLastStarted = nullptr;
}

T_OUTCOME pdfRunSteps(const T_SCHEDULE* where, std::vector<T_STEP>& steps)
{
    pdfProfileMark(PROFILE_FORM);
    T_BATCH_RUN b;
    BeginBatch(&b, where, steps);
    for (;;) {
        StartWhatMay(&b);
        // While Windows decides whether the session ends, the inputs left wait.
        if (b.nRunning == 0 && bSessionHold && !bStop && !pdfRunsEnded() &&
            b.nFirst < steps.size()) {
            pdfWaitForMessage();
            continue;
        }
        if (b.nRunning == 0)
            break;
        pdfProfileMark(PROFILE_SCHEDULE);
        if (b.szLastStarted && where->pProgress)
            where->pProgress(b.outcome.nDone, b.outcome.nSteps, b.szLastStarted);
        pdfProfileMark(PROFILE_PROGRESS);
        T_RUN* run = pdfWaitAny();
        pdfProfileMark(PROFILE_WAIT);
        if (!run) // the session's end has taken every run
            break;
        T_RUN_RESULT r;
        pdfFinishRun(run, &r);
        --b.nRunning;
        Finished(&b, run->nStep, r);
    }
    pdfCloseToolOutputs();
    pdfProfileMark(PROFILE_END);
    // Stopped only when an input was left unrun.
    b.outcome.bStopped = bStop && b.outcome.nStarted < b.outcome.nSteps;
    for (T_STEP& s : steps) // they may hold passwords
        pdfWipe(s.cmd);
    return b.outcome;
}
