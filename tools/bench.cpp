// Measures what the program costs beyond the tool itself, and compares it with another build.
// Usage:
//   bench <fake pdftk.exe> <folder> [<release tandrel.exe> [<real pdftk.exe> <other temp>]]
//       every figure of this build, one line each
//   bench --against <reference bench.exe> <fake pdftk.exe> <folder>
//       the figures of both builds, their rounds interleaved A B B A ...: old, new, new/old, and a
//       line "SLOWER:" for each that is more than 5 % worse beyond the rounds' spread
//   bench --figure <name> <order> <fake pdftk.exe> <folder>
//       one round of one figure, as "= <key> <value>" lines: what the two above run, each round
//       in a process of its own
//   bench --names <real pdftk.exe> <folder> <temporary folder on another file system>
// It builds against an older program's sources too (scripts/bench.sh --against), and so uses
// only what the program has long had: the window, its record and its dispatch.
#include "gui.h"

#include <commctrl.h>
#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#if __has_include("op.h")
#include "gui_list.h"
#include "op.h"
#define BENCH_PROFILE 1 // the runs' profile, which older builds lack
#else
#include "obj.h"
#include "pdf.h"
#endif

#include "bench_process.h"
#include "bench_rounds.h"

static std::string answer;
static BOOL WINAPI AnswerOpen(LPOPENFILENAMEW ofn)
{
    MultiByteToWideChar(CP_ACP, 0, answer.c_str(), -1, ofn->lpstrFile, (int)ofn->nMaxFile);
    return TRUE;
}
// Narrow or wide, as the program's seam takes them.
template <class C> static int WINAPI NoMessage(HWND, const C*, const C*, UINT)
{
    return IDOK;
}

static std::string dir; // the bench's folder, ending in a separator

// The program with the tool szTool, working in the folder szName of szDir, made afresh: each
// figure finds it empty (a search of a folder of many files costs the file system more).
static void SetUp(const char* szTool, const char* szDir, const char* szName)
{
    CreateDirectoryA(szDir, nullptr);
    dir = std::string(szDir) + "\\" + szName + "\\";
    CreateDirectoryA(dir.c_str(), nullptr);
    EmptyFolder(dir);
    appInitRecord(GetModuleHandleA(nullptr));
    lstrcpynA(gui.szPathExe, szTool, sizeof(gui.szPathExe));
    lstrcpynA(gui.szPathCfg, (dir + "tandrel.cfg").c_str(), sizeof(gui.szPathCfg));
    DeleteFileA(gui.szPathCfg);
    appRegisterClass(GetModuleHandleA(nullptr));
    dialogs.GetOpenFileName = AnswerOpen;
    dialogs.MessageBox = NoMessage;
    SetEnvironmentVariableA("TANDREL_FAKE_LOG", nullptr);
}

static HWND CreateMain()
{
    return CreateWindowExA(0, WINDOW_CLASS, nullptr, WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, gui.w,
                           gui.h, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

// A click on a button, through the window's dispatch.
static void Click(HWND hButton)
{
    SendMessageA(gui.hWnd, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), (LPARAM)hButton);
}

static void PickZoom(int nStep)
{
    SendMessageA(gui.CboZoom.hdl, CB_SETCURSEL, (WPARAM)nStep, 0);
    SendMessageA(gui.hWnd, WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), (LPARAM)gui.CboZoom.hdl);
}

// The Multiple files page, listing nFiles files of the folder named as szFormat says from nFirst
// on, each written first as szPdf says (null: left as it is).
static std::vector<std::string> List(const char* szFormat, int nFirst, int nFiles,
                                     const char* szPdf)
{
    SendMessageA(gui.Tabs.hdl, TCM_SETCURSEL, TAB_MULTI, 0);
    SendMessageA(gui.ListPdfFiles.hdl, LB_RESETCONTENT, 0, 0);
    std::vector<std::string> inputs;
    for (int i = nFirst; i < nFirst + nFiles; ++i) {
        char sz[32];
        snprintf(sz, sizeof(sz), szFormat, i);
        inputs.push_back(dir + sz);
        if (FILE* f = szPdf ? fopen(inputs.back().c_str(), "wb") : nullptr) {
            fputs(szPdf, f);
            fclose(f);
        }
        List_AddItem(gui.ListPdfFiles.hdl, inputs.back().c_str());
    }
    return inputs;
}

// ---------------------------------------------------------------------------------------------
// The figures, a round each

static double Median(std::vector<double> v)
{
    return benchMedian(v);
}

// Window creation and one zoom change, the medians of five.
static void RoundCreation(int)
{
    std::vector<double> creates, zooms;
    for (int i = 0; i < 5; ++i) {
        HWND h = nullptr;
        creates.push_back(Timed([&] { h = CreateMain(); }));
        zooms.push_back(Timed([] { PickZoom(5); }));
        DestroyWindow(h);
        uiReleaseFont();
    }
    Report("creation", Median(creates));
    Report("zoom", Median(zooms));
}

// The whole choice of a 2,000-page file, against the tool's count alone (a bare run of the same
// command), the median of five.
static void RoundPageLists(int)
{
    CreateMain();
    std::string pdf = dir + "big.pdf";
    if (FILE* f = fopen(pdf.c_str(), "wb")) { // the fake tool's page count
        fputs("%PDF-1.4\n/Count 2000\n", f);
        fclose(f);
    }
    answer = pdf;
    std::string count = "\"" + std::string(gui.szPathExe) + "\" \"" + pdf +
                        "\" dumpdata output \"" + dir + "count.txt\"";
    std::vector<double> fills;
    for (int i = 0; i < 5; ++i) {
        double tCount = Timed([&] {
            STARTUPINFOA si = {};
            si.cb = sizeof(si);
            PROCESS_INFORMATION pi = {};
            std::vector<char> buf(count.begin(), count.end());
            buf.push_back(0);
            if (CreateProcessA(nullptr, buf.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS,
                               nullptr, nullptr, &si, &pi)) {
                WaitForSingleObject(pi.hProcess, INFINITE);
                CloseHandle(pi.hProcess);
                CloseHandle(pi.hThread);
            }
        });
        fills.push_back(Timed([] { Click(gui.BtnPDFSource.hdl); }) - tCount);
    }
    Report("page-lists", Median(fills));
    DestroyWindow(gui.hWnd);
}

// A PDF file of nPages pages of the tool's own making: the same text as the tests write.
static std::string PlainPdf(int nPages)
{
    std::string pdf = "%PDF-1.4\n1 0 obj << /Type /Catalog /Pages 2 0 R >> endobj\n", kids;
    for (int i = 1; i <= nPages; ++i) {
        kids += std::to_string(2 + i) + " 0 R ";
        pdf += std::to_string(2 + i) + " 0 obj << /Type /Page /Parent 2 0 R /MediaBox [0 0 200 " +
               "300] >> endobj\n";
    }
    return pdf + "2 0 obj << /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(nPages) +
           " >> endobj\ntrailer << /Root 1 0 R >>\n%%EOF\n";
}

static void WriteText(const std::string& path, const std::string& text)
{
    if (FILE* f = fopen(path.c_str(), "wb")) {
        fwrite(text.data(), 1, text.size(), f);
        fclose(f);
    }
}

// The choice of a file on the Single file page, and a Delete of its first two pages, the medians
// of three each (ms).
static void ChooseAndDelete(const std::string& pdf, double* pChoice, double* pDelete)
{
    answer = pdf;
    std::vector<double> choices, deletes;
    for (int i = 0; i < 3; ++i) {
        choices.push_back(Timed([] { Click(gui.BtnPDFSource.hdl); }));
        SendMessageA(gui.ListDelete.hdl, LB_SELITEMRANGE, TRUE, MAKELPARAM(0, 1));
        deletes.push_back(Timed([] { Click(gui.BtnDelete.hdl); }));
    }
    *pChoice = Median(choices);
    *pDelete = Median(deletes);
}

// With the real tool (TANDREL_BENCH_REAL names it; nothing without): the choice of a 300-page
// file with 50 bookmarks, a Delete of two of its pages, and the same Delete of the same file
// without bookmarks.
static void RoundEdits(int)
{
    char szReal[MAX_PATH] = {0};
    if (!GetEnvironmentVariableA("TANDREL_BENCH_REAL", szReal, sizeof(szReal)))
        return;
    lstrcpynA(gui.szPathExe, szReal, sizeof(gui.szPathExe));
    CreateMain();
    std::string plain = dir + "plain.pdf", marked = dir + "marked.pdf", info;
    WriteText(plain, PlainPdf(300));
    for (int i = 0; i < 50; ++i)
        info += "BookmarkBegin\nBookmarkTitle: Chapter " + std::to_string(i + 1) +
                "\nBookmarkLevel: 1\nBookmarkPageNumber: " + std::to_string(6 * i + 1) + "\n";
    WriteText(dir + "info.txt", "InfoBegin\nInfoKey: Title\nInfoValue: Report\n" + info);
    BareLoop({"\"" + std::string(szReal) + "\" \"" + plain + "\" update_info_utf8 \"" + dir +
              "info.txt\" output \"" + marked + "\""},
             dir + "made.txt");
    double tChoice = 0, tMarked = 0, tPlain = 0, tPlainChoice = 0;
    ChooseAndDelete(marked, &tChoice, &tMarked);
    ChooseAndDelete(plain, &tPlainChoice, &tPlain);
    Report("edit-choice", tChoice);
    Report("edit-bookmarks", tMarked);
    Report("edit-plain", tPlain);
    DestroyWindow(gui.hWnd);
}

#ifdef BENCH_PROFILE
// Where the program's time went, summed over the runs, each step's share of the batch.
static void ReportProfile(const T_RUN_PROFILE& p, double tBatch)
{
    static const char* const szSteps[PROFILE_COUNT] = {"form",  "schedule", "folder", "watch",
                                                       "names", "redirect", "create", "progress",
                                                       "wait",  "output",   "finish", "end"};
    double tSum = 0;
    char szKey[64];
    for (int i = 0; i < PROFILE_COUNT; ++i) { // numbered, so that the steps keep their order
        snprintf(szKey, sizeof(szKey), "profile-%02d-%s", i, szSteps[i]);
        Report(szKey, p.ms[i]);
        tSum += p.ms[i];
    }
    snprintf(szKey, sizeof(szKey), "profile-%02d-after", PROFILE_COUNT);
    Report(szKey, tBatch - tSum); // what the window shows of the outcome
}
#endif

// The result of a repair of in.
static std::string Fixed(const std::string& in)
{
    return in.substr(0, in.size() - 4) + "_fixed.pdf";
}

// Runs and blocks of the per-run figure: 1,000 files in one folder, as a user's; the program and
// the loop take turns a block of 100 at a time (A B B A ...), each block worked on by both, so
// that both find the machine alike however it drifts.
#define PER_RUN_BLOCKS 10
#define PER_RUN_FILES 100

// The bare loop's command lines of the inputs.
static std::vector<std::string> Commands(const std::vector<std::string>& inputs)
{
    std::vector<std::string> cmds;
    for (const std::string& in : inputs)
        cmds.push_back("\"" + std::string(gui.szPathExe) + "\" \"" + in + "\" output \"" +
                       Fixed(in) + "\" ");
    return cmds;
}

// A repair of 1,000 listed files with an instant tool, one at a time, against a bare loop of the
// same starts, in blocks of 100 taking turns (the loop first when nOrder is 1), each finding no
// result there: the program's time over the loop's.
static void RoundPerRun(int nOrder)
{
    CreateMain();
    const char* szPdf = "%PDF-1.4\n/Count 1\n";
    List("in%04d.pdf", 0, PER_RUN_BLOCKS * PER_RUN_FILES, szPdf);
    std::vector<std::string> first = List("in%04d.pdf", 0, 10, nullptr);
    pdfSetWorkers(1);         // against a loop that starts one at a time
    Click(gui.BtnRepair.hdl); // a first operation, as a user's, before counting
    for (const std::string& in : first)
        DeleteFileA(Fixed(in).c_str());
    double tLoop = 0, tProgram = 0;
#ifdef BENCH_PROFILE
    T_RUN_PROFILE profile, sum = T_RUN_PROFILE();
#endif
    std::vector<int> turns = benchOrder(PER_RUN_BLOCKS);
    for (size_t i = 0; i < turns.size(); ++i) {
        std::vector<std::string> inputs =
            List("in%04d.pdf", (int)(i / 2) * PER_RUN_FILES, PER_RUN_FILES, nullptr);
        auto Clean = [&] { // no result there, nor left once both have worked on the block
            for (const std::string& in : inputs)
                DeleteFileA(Fixed(in).c_str());
        };
        Clean();
        if (turns[i] != nOrder) {
            tLoop += BareLoop(Commands(inputs), dir + "out.txt");
            Clean();
            continue;
        }
#ifdef BENCH_PROFILE
        pdfLendProfile(&profile);
#endif
        tProgram += Timed([] { Click(gui.BtnRepair.hdl); });
#ifdef BENCH_PROFILE
        pdfLendProfile(nullptr);
        for (int k = 0; k < PROFILE_COUNT; ++k)
            sum.ms[k] += profile.ms[k];
#endif
        Clean();
    }
#ifdef BENCH_PROFILE
    ReportProfile(sum, tProgram);
#endif
    int nRuns = PER_RUN_BLOCKS * PER_RUN_FILES;
    Report("per-run", tProgram / tLoop);
    Report("per-run-program", tProgram / nRuns);
    Report("per-run-loop", tLoop / nRuns);
    DestroyWindow(gui.hWnd);
}

// 200 inputs of a tool that works or waits 200 ms (szHow), nWorkers at once against one at a
// time (in the order nOrder says): the speed-up, and the longest wait for the window's answer,
// asked for every 10 ms: with the batch's tools the processors have no time to spare.
static void RoundAtOnce(const char* szKey, const char* szHow, int nWorkers, int nOrder)
{
    CreateMain();
    char szPdf[64];
    snprintf(szPdf, sizeof(szPdf), "%%PDF-1.4\n/Count 1\n%s\n", szHow);
    std::vector<std::string> inputs = List("busy%03d.pdf", 0, 200, szPdf);
    double tWorst = 0;
    auto Batch = [&](int n) {
        for (const std::string& in : inputs)
            DeleteFileA(Fixed(in).c_str());
        pdfSetWorkers(n);
        StartProbe(gui.hWnd, 10);
        double t = Timed([] { Click(gui.BtnRepair.hdl); });
        tWorst = std::max(tWorst, StopProbe());
        return t;
    };
    double tOne = nOrder ? Batch(1) : 0, tMany = Batch(nWorkers);
    tOne = nOrder ? tOne : Batch(1);
    Report(szKey, tOne / tMany);
    Report((std::string(szKey) + "-answer").c_str(), tWorst);
    pdfSetWorkers(0);
    DestroyWindow(gui.hWnd);
}

static void RoundBusy(int nOrder)
{
    SYSTEM_INFO si;
    GetSystemInfo(&si);
    MEMORYSTATUSEX ms;
    ms.dwLength = sizeof(ms);
    GlobalMemoryStatusEx(&ms);
    RoundAtOnce("busy", "/FakeWork 200", pdfWorkers(si.dwNumberOfProcessors, ms.ullAvailPhys),
                nOrder);
}

static void RoundWaiting(int nOrder)
{
    RoundAtOnce("waiting", "/FakeDelay 200", WORKERS_MAX, nOrder);
}

// The figures, and how many rounds of each.
// clang-format off
static const T_FIGURE figures[] = {
    {"creation",   RoundCreation,  3, 3,  0},
    {"page-lists", RoundPageLists, 3, 3,  0},
    {"per-run",    RoundPerRun,    3, 10, 0.03},
    {"busy",       RoundBusy,      2, 2,  0},
    {"waiting",    RoundWaiting,   2, 2,  0},
    {"edits",      RoundEdits,     2, 2,  0},
};
// clang-format on

// The keys the rounds report that compare the builds: unit, and whether higher is better.
// clang-format off
static const std::vector<T_BENCH_KEY> keys = {
    {"creation",        " ms", false, "window creation (WM_CREATE: controls, texts, zoom)"},
    {"zoom",            " ms", false, "one zoom change"},
    {"page-lists",      " ms", false, "page list filling, 2,000 pages (the choice minus the tool's run)"},
    {"per-run",         "",    false, "per-run overhead, 1,000 files, instant tool, against a bare start-and-wait loop"},
    {"per-run-program", " ms", false, "  the program's time a run"},
    {"busy",            "x",   true,  "200 inputs, busy tool, at once against one at a time"},
    {"waiting",         "x",   true,  "200 inputs, waiting tool, 4 at once against one at a time"},
    {"busy-answer",     " ms", false, "longest wait for the window's answer during the busy batches"},
    {"waiting-answer",  " ms", false, "longest wait for the window's answer during the waiting batches"},
    {"edit-choice",     " ms", false, "real tool: the choice of a 300-page file with 50 bookmarks"},
    {"edit-bookmarks",  " ms", false, "real tool: a Delete of 2 of its pages"},
    {"edit-plain",      " ms", false, "real tool: the same Delete, the file without bookmarks"},
};
// clang-format on

// ---------------------------------------------------------------------------------------------
// What this build alone is measured for

// Objects after start-up and after 200 zoom changes; kernel handles and objects before and after
// four batches of 100 files.
static void BenchObjects(void)
{
    CreateMain();
    DWORD gdi0 = Objects(GR_GDIOBJECTS), user0 = Objects(GR_USEROBJECTS);
    for (int i = 0; i < 200; ++i)
        PickZoom(i % 11);
    PickZoom(0);
    printf("GDI objects after start-up / after 200 zoom changes: %lu / %lu; USER objects: %lu / "
           "%lu%s\n",
           gdi0, Objects(GR_GDIOBJECTS), user0, Objects(GR_USEROBJECTS),
           gdi0 == 0 && user0 == 0 ? " (this platform does not count them)" : "");
    List("in%04d.pdf", 0, 100, nullptr);
    Click(gui.BtnRepair.hdl);
    DWORD handles0 = KernelHandles();
    gdi0 = Objects(GR_GDIOBJECTS), user0 = Objects(GR_USEROBJECTS);
    for (int i = 0; i < 4; ++i)
        Click(gui.BtnRepair.hdl);
    printf("kernel handles before / after four batches: %lu / %lu; GDI objects: %lu / %lu; USER "
           "objects: %lu / %lu (none may grow; 0: the platform does not count them)\n",
           handles0, KernelHandles(), gdi0, Objects(GR_GDIOBJECTS), user0, Objects(GR_USEROBJECTS));
    DestroyWindow(gui.hWnd);
}

// The re-compress of a 50 MB file by the real tool, under a name the code page spells and under
// one it cannot: through a hard link, and through a copy (the temporary folder on another file
// system, szOtherTemp).
static void BenchNames(const char* szTool, const char* szOtherTemp)
{
    const std::string plain = dir + "plain50.pdf", lodz = dir + "\xC5\x81\xC3\xB3\x64\xC5\xBA"
                                                                "50.pdf";
    WCHAR wszLodz[MAX_PATH], wszPlain[MAX_PATH];
    MultiByteToWideChar(CP_UTF8, 0, lodz.c_str(), -1, wszLodz, MAX_PATH);
    MultiByteToWideChar(CP_UTF8, 0, plain.c_str(), -1, wszPlain, MAX_PATH);
    WriteLargePdf(wszPlain);
    CopyFileW(wszPlain, wszLodz, FALSE);
    lstrcpynA(gui.szPathExe, szTool, sizeof(gui.szPathExe));
    CreateMain();
    auto Compress = [&](const std::string& in) {
        List("", 0, 0, nullptr);
        List_AddItem(gui.ListPdfFiles.hdl, in.c_str());
        return Timed([] { Click(gui.BtnCompress.hdl); });
    };
    std::vector<double> plains, links, copies;
    for (int i = 0; i < 7; ++i) {
        SetEnvironmentVariableA("TMP", nullptr);
        plains.push_back(Compress(plain));
        links.push_back(Compress(lodz));
        SetEnvironmentVariableA("TMP", szOtherTemp); // read before TEMP
        copies.push_back(Compress(lodz));
    }
    SetEnvironmentVariableA("TMP", nullptr);
    printf("re-compress of a 50 MB file by the real tool, plain name / a name the code page cannot "
           "spell, hard link / the same, copy: %.0f / %.0f / %.0f ms\n",
           Median(plains), Median(links), Median(copies));
    DestroyWindow(gui.hWnd);
}

static const T_FIGURE* FigureNamed(const char* szName)
{
    for (const T_FIGURE& f : figures) {
        if (strcmp(f.szName, szName) == 0)
            return &f;
    }
    return nullptr;
}

// Every figure of this build, or of it and the reference szRef: in rounds of their own.
static int Figures(const char* szRef, const char* szTool, const char* szDir)
{
    std::string args = "\"" + std::string(szTool) + "\" \"" + szDir + "\"";
    T_ROUNDS rounds[2];
    for (const T_FIGURE& f : figures) {
        fprintf(stderr, "%s...\n", f.szName);
        RunFigure(f, Self(), szRef, args, rounds);
    }
    PrintFigures(rounds, keys, szRef != nullptr);
    return 0;
}

int main(int argc, char** argv)
{
    std::vector<std::string> a(argv, argv + argc);
    if (argc == 6 && a[1] == "--figure" && FigureNamed(argv[2])) {
        SetUp(argv[4], argv[5], argv[2]);
        FigureNamed(argv[2])->pRound(atoi(argv[3]));
        EmptyFolder(dir);
        return 0;
    }
    if (argc == 5 && a[1] == "--against")
        return Figures(argv[2], argv[3], argv[4]);
    if (argc == 5 && a[1] == "--names") {
        SetUp(argv[2], argv[3], "names");
        BenchNames(argv[2], argv[4]);
        EmptyFolder(dir);
        return 0;
    }
    if (argc < 3 || a[1].compare(0, 2, "--") == 0) {
        fprintf(stderr, "usage: bench <pdftk.exe> <folder> [tandrel.exe [real pdftk.exe "
                        "<temporary folder on another file system>]]\n"
                        "       bench --against <reference bench.exe> <pdftk.exe> <folder>\n");
        return 2;
    }
    Figures(nullptr, argv[1], argv[2]);
    SetUp(argv[1], argv[2], "objects");
    BenchObjects();
    WIN32_FILE_ATTRIBUTE_DATA fa;
    if (argc > 3 && GetFileAttributesExA(argv[3], GetFileExInfoStandard, &fa))
        printf("release tandrel.exe: %lu bytes (%.2f MiB; target <= 1 MiB)\n", fa.nFileSizeLow,
               fa.nFileSizeLow / 1048576.0);
    if (argc > 5) {
        SetUp(argv[4], argv[2], "names");
        BenchNames(argv[4], argv[5]);
    }
    EmptyFolder(dir);
    return 0;
}
