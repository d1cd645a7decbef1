// Measures what the program costs beyond the tool itself, each figure side by side in one run.
// Usage: bench <fake pdftk.exe> <scratch folder> [<release tandrel.exe>]
#include "gui.h"

#include <commctrl.h>
#include <stdio.h>
#include <string.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "gui_list.h"
#include "paths.h"
#include "op.h"
#include "pdf_count.h"

static double Now()
{
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return (double)t.QuadPart * 1000.0 / (double)f.QuadPart;
}

static double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

static std::string answer;
static BOOL WINAPI AnswerOpen(LPOPENFILENAMEW ofn)
{
    MultiByteToWideChar(CP_ACP, 0, answer.c_str(), -1, ofn->lpstrFile, (int)ofn->nMaxFile);
    return TRUE;
}
static int WINAPI NoMessage(HWND, LPCSTR, LPCSTR, UINT)
{
    return IDOK;
}

// The process's kernel handles; where the platform does not count them itself (Wine), from
// the system's table of handles.
static DWORD KernelHandles()
{
    DWORD n = 0;
    if (GetProcessHandleCount(GetCurrentProcess(), &n) && n > 0)
        return n;
    typedef struct {
        ULONG nPid;
        BYTE nType, nFlags;
        USHORT nValue;
        PVOID pObject;
        ULONG nAccess;
    } T_HANDLE_ENTRY;
    typedef LONG(WINAPI * T_QUERY)(ULONG, PVOID, ULONG, PULONG);
    T_QUERY pQuery = reinterpret_cast<T_QUERY>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    std::vector<char> buf(1 << 24);
    ULONG nGot = 0;
    if (!pQuery || pQuery(16 /* SystemHandleInformation */, buf.data(), (ULONG)buf.size(), &nGot))
        return 0;
    ULONG nCount = *(ULONG*)buf.data();
    const T_HANDLE_ENTRY* e = (const T_HANDLE_ENTRY*)(buf.data() + sizeof(ULONG_PTR));
    for (ULONG i = 0; i < nCount; ++i)
        n += e[i].nPid == GetCurrentProcessId();
    return n;
}

static DWORD Objects(DWORD nKind)
{
    return GetGuiResources(GetCurrentProcess(), nKind);
}

static void PickZoom(int nStep)
{
    SendMessageA(gui.CboZoom.hdl, CB_SETCURSEL, (WPARAM)nStep, 0);
    SendMessageA(gui.hWnd, WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), (LPARAM)gui.CboZoom.hdl);
}

static HWND CreateMain()
{
    return CreateWindowExA(0, WINDOW_CLASS, nullptr, WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, gui.w,
                           gui.h, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

// Another thread asks the window for an answer every nEveryMs until StopProbe, which returns
// the longest wait.
static volatile LONG bProbeDone;
static double tProbeWorst;
static HANDLE hProbe;
static DWORD nProbeEveryMs;
static void StartProbe(DWORD nEveryMs)
{
    bProbeDone = 0;
    nProbeEveryMs = nEveryMs;
    tProbeWorst = 0;
    hProbe = CreateThread(
        nullptr, 0,
        [](LPVOID) -> DWORD {
            while (!bProbeDone) {
                double t0 = Now();
                DWORD_PTR r;
                SendMessageTimeoutA(gui.hWnd, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &r);
                tProbeWorst = std::max(tProbeWorst, Now() - t0);
                Sleep(nProbeEveryMs);
            }
            return 0;
        },
        nullptr, 0, nullptr);
}
static double StopProbe()
{
    bProbeDone = 1;
    while (MsgWaitForMultipleObjects(1, &hProbe, FALSE, INFINITE, QS_ALLINPUT) != WAIT_OBJECT_0) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }
    CloseHandle(hProbe);
    return tProbeWorst;
}

static std::string dir; // the bench's folder, ending in a separator

// How long f takes, in ms.
static double Timed(const std::function<void()>& f)
{
    double t0 = Now();
    f();
    return Now() - t0;
}

static void SetUp(const char* szTool, const char* szDir)
{
    dir = std::string(szDir) + "\\";
    CreateDirectoryA(dir.c_str(), nullptr);
    appInitRecord(GetModuleHandleA(nullptr));
    lstrcpynA(gui.szPathExe, szTool, sizeof(gui.szPathExe));
    lstrcpynA(gui.szPathCfg, (dir + "tandrel.cfg").c_str(), sizeof(gui.szPathCfg));
    DeleteFileA(gui.szPathCfg);
    appRegisterClass(GetModuleHandleA(nullptr));
    dialogs.GetOpenFileName = AnswerOpen;
    dialogs.MessageBox = NoMessage;
    SetEnvironmentVariableA("TANDREL_FAKE_LOG", nullptr);
}

// Window creation and one zoom change, and where creation goes.
static void BenchCreation(void)
{
    // Window creation and one zoom change.
    std::vector<double> creates, zooms;
    for (int i = 0; i < 5; ++i) {
        double t0 = Now();
        HWND h = CreateMain();
        creates.push_back(Now() - t0);
        t0 = Now();
        PickZoom(5);
        zooms.push_back(Now() - t0);
        DestroyWindow(h);
        uiReleaseFont();
    }
    printf("window creation (WM_CREATE: controls, texts, zoom): %.1f ms (target <= 20 ms)\n",
           Median(creates));
    printf("one zoom change: %.1f ms (target <= 20 ms)\n", Median(zooms));

    // Where creation goes: the controls (platform calls only), the texts, the zoom.
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "BenchHost";
    RegisterClassA(&wc);
    std::vector<double> tControls, tTexts, tZoom;
    for (int i = 0; i < 5; ++i) {
        gui.hWnd = CreateWindowExA(0, "BenchHost", nullptr, WS_SYSMENU | WS_MINIMIZEBOX, 0, 0,
                                   gui.w, gui.h, nullptr, nullptr, wc.hInstance, nullptr);
        double t0 = Now();
        uiCreateControls(&gui);
        double t1 = Now();
        uiApplyText(&gui, szLang_fr);
        double t2 = Now();
        ResizeGui(&gui, 1.0);
        double t3 = Now();
        tControls.push_back(t1 - t0);
        tTexts.push_back(t2 - t1);
        tZoom.push_back(t3 - t2);
        DestroyWindow(gui.hWnd);
        uiReleaseFont();
    }
    printf("  of which: creating the controls %.1f ms, texts %.1f ms, zoom %.1f ms\n",
           Median(tControls), Median(tTexts), Median(tZoom));
}

static void BenchObjects(void)
{
    // Objects after start-up and after 200 zoom changes.
    CreateMain();
    DWORD gdi0 = Objects(GR_GDIOBJECTS), user0 = Objects(GR_USEROBJECTS);
    for (int i = 0; i < 200; ++i)
        PickZoom(i % 11);
    PickZoom(0);
    DWORD gdi1 = Objects(GR_GDIOBJECTS), user1 = Objects(GR_USEROBJECTS);
    printf("GDI objects after start-up / after 200 zoom changes: %lu / %lu; USER objects: %lu / "
           "%lu%s\n",
           gdi0, gdi1, user0, user1,
           gdi0 == 0 && user0 == 0 ? " (this platform does not count them)" : "");
}

static void BenchPageLists(void)
{
    // Page list filling: the whole choice of a 2,000-page file against the count alone.
    std::string pdf = dir + "big.pdf";
    if (FILE* f = fopen(pdf.c_str(), "wb")) { // the fake tool's page count
        fputs("%PDF-1.4\n/Count 2000\n", f);
        fclose(f);
    }
    answer = pdf;
    std::vector<double> fills;
    for (int i = 0; i < 5; ++i) {
        double t0 = Now();
        GetNumberOfPage(pdf.c_str(), gui.szPathExe, nullptr, nullptr);
        double tCount = Now() - t0;
        t0 = Now();
        OpenOnePdfFile(&gui);
        fills.push_back(Now() - t0 - tCount);
    }
    printf("page list filling, 2,000 pages (choice minus the tool run alone): %.1f ms (target <= "
           "50 ms)\n",
           Median(fills));
}

static void BenchOverhead(void)
{
    // A batch of 1,000 files with an instant tool against a bare loop of the same 1,000 starts
    // (started as the program starts them); meanwhile another thread times the window's answers.
    uiSelectTab(&gui, TAB_MULTI);
    std::vector<std::string> cmds;
    for (int i = 0; i < 1000; ++i) {
        char sz[32];
        snprintf(sz, sizeof(sz), "in%04d.pdf", i);
        std::string in = dir + sz;
        List_AddItem(gui.ListPdfFiles.hdl, in.c_str());
        char szOut[MAX_PATH];
        pdfOutputName(in.c_str(), "_fixed.pdf", szOut, sizeof(szOut));
        cmds.push_back(pdfQuoteArg(gui.szPathExe) + " " + pdfQuoteArg(in) + " output " +
                       pdfQuoteArg(szOut) + " ");
    }
    SECURITY_ATTRIBUTES sa = {sizeof(sa), nullptr, TRUE};
    HANDLE hNul = CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, &sa, OPEN_EXISTING, 0, nullptr);
    HANDLE hOut = CreateFileA((dir + "out.txt").c_str(), GENERIC_WRITE, FILE_SHARE_READ, &sa,
                              CREATE_ALWAYS, 0, nullptr);
    pdfSetWorkers(1); // against a loop that starts one at a time
    RepairPDF(&gui);  // once before counting, as a user's first operation
    DWORD handles0 = KernelHandles();
    DWORD gdi0 = Objects(GR_GDIOBJECTS), user0 = Objects(GR_USEROBJECTS);
    std::vector<double> ratios;
    double tProgram = 0, tLoop = 0;
    // Pairs in the order ABBA..., so that neither always finds the system warmer; the ratio is of
    // the sums, steadier than any one pair's (a pair alone varies by some 5 % here).
    auto BareLoop = [&] {
        for (std::string& c : cmds) {
            STARTUPINFOA si = {};
            si.cb = sizeof(si);
            si.dwFlags = STARTF_USESTDHANDLES;
            si.hStdInput = hNul;
            si.hStdOutput = si.hStdError = hOut;
            PROCESS_INFORMATION pi = {};
            std::vector<char> buf(c.begin(), c.end());
            buf.push_back(0);
            if (CreateProcessA(nullptr, buf.data(), nullptr, nullptr, TRUE, DETACHED_PROCESS,
                               nullptr, nullptr, &si, &pi)) {
                WaitForSingleObject(pi.hProcess, INFINITE);
                CloseHandle(pi.hProcess);
                CloseHandle(pi.hThread);
            }
        }
    };
    const int nRounds = 4;
    for (int round = 0; round < nRounds; ++round) {
        double tOneLoop = round % 2 ? Timed(BareLoop) : 0;
        double tOneProgram = Timed([] { RepairPDF(&gui); });
        tOneLoop = round % 2 ? tOneLoop : Timed(BareLoop);
        ratios.push_back(tOneProgram / tOneLoop);
        tProgram += tOneProgram;
        tLoop += tOneLoop;
    }
    const auto range = std::minmax_element(ratios.begin(), ratios.end());
    printf("per-run overhead, repair of 1,000 listed files with an instant tool, one at a time: "
           "%.3f (program %.0f ms / bare start-and-wait loop of the same starts %.0f ms, mean "
           "of %d rounds of each, one round's ratio %.3f to %.3f; target <= 1.05)\n",
           tProgram / tLoop, tProgram / nRounds, tLoop / nRounds, nRounds, *range.first,
           *range.second);

    // Another thread asks the window for an answer every 2 ms during one more batch.
    StartProbe(2);
    RepairPDF(&gui);
    printf("longest wait for the window's answer during a batch of 1,000: %.1f ms\n", StopProbe());
    printf("kernel handles before / after four batches: %lu / %lu; GDI objects: %lu / %lu; USER "
           "objects: %lu / %lu (none may grow; 0: the platform does not count them)\n",
           handles0, KernelHandles(), gdi0, Objects(GR_GDIOBJECTS), user0, Objects(GR_USEROBJECTS));
}

static void BenchSeveralAtOnce(void)
{
    // Several inputs at once: 200 files of a tool that works 200 ms of processor time, then of
    // one that waits 200 ms, each with the machine's own number of workers (and four) against
    // one worker, in the order ABBA.
    SendMessageA(gui.ListPdfFiles.hdl, LB_RESETCONTENT, 0, 0);
    std::vector<std::string> inputs, outputs;
    for (int i = 0; i < 200; ++i) {
        char sz[32];
        snprintf(sz, sizeof(sz), "busy%03d.pdf", i);
        inputs.push_back(dir + sz);
        List_AddItem(gui.ListPdfFiles.hdl, inputs.back().c_str());
        char szOut[MAX_PATH];
        pdfOutputName(inputs.back().c_str(), "_fixed.pdf", szOut, sizeof(szOut));
        outputs.push_back(szOut);
    }
    // Every 10 ms: with the batch's tools the two processors have no time to spare.
    double tWorstAnswer = 0;
    auto Batch = [&](const char* szHow, int nWorkers) {
        for (std::string& in : inputs)
            if (FILE* f = fopen(in.c_str(), "wb")) {
                fprintf(f, "%%PDF-1.4\n/Count 1\n%s\n", szHow);
                fclose(f);
            }
        for (std::string& out : outputs)
            DeleteFileA(out.c_str());
        pdfSetWorkers(nWorkers);
        StartProbe(10);
        double t = Timed([] { RepairPDF(&gui); });
        tWorstAnswer = std::max(tWorstAnswer, StopProbe());
        return t;
    };
    struct {
        const char* szWhat;
        const char* szHow;
        int nWorkers;
        double fTarget;
    } batches[] = {
        {"working 200 ms of processor time", "/FakeWork 200", 0, 1.8},
        {"waiting 200 ms", "/FakeDelay 200", WORKERS_MAX, 3.5},
    };
    for (auto& b : batches) {
        double tMany = 0, tOne = 0;
        tWorstAnswer = 0;
        for (int round = 0; round < 2; ++round) {
            double tOneRound = round ? Batch(b.szHow, 1) : 0;
            tMany += Batch(b.szHow, b.nWorkers);
            tOne += round ? tOneRound : Batch(b.szHow, 1);
        }
        SYSTEM_INFO si;
        GetSystemInfo(&si);
        MEMORYSTATUSEX ms;
        ms.dwLength = sizeof(ms);
        GlobalMemoryStatusEx(&ms);
        int nMany = b.nWorkers ? b.nWorkers : pdfWorkers(si.dwNumberOfProcessors, ms.ullAvailPhys);
        printf("200 inputs of a tool %s, %d at once against one at a time: %.2fx (%.0f ms / "
               "%.0f ms, mean of 2 rounds each; target >= %.1fx); longest wait for the window's "
               "answer %.1f ms (target < 100 ms)\n",
               b.szWhat, nMany, tOne / tMany, tMany / 2, tOne / 2, b.fTarget, tWorstAnswer);
    }
    pdfSetWorkers(0);
}

// A one-page PDF file of some 50 MB: a grey image of 7,200 by 7,200 dots, which the tool
// compresses; with its cross-reference table, so that the tool reads it without a search.
static void WriteLargePdf(const std::string& path)
{
    const unsigned long nSide = 7200;
    std::string dots(nSide * nSide, '\0');
    for (size_t i = 0; i < dots.size(); ++i)
        dots[i] = (char)((i / nSide + i % nSide) & 0xFF);
    char szImage[160];
    snprintf(szImage, sizeof(szImage),
             "5 0 obj << /Type /XObject /Subtype /Image /Width %lu /Height %lu /ColorSpace "
             "/DeviceGray /BitsPerComponent 8 /Length %lu >> stream\n",
             nSide, nSide, (unsigned long)dots.size());
    const std::string objects[] = {
        "%PDF-1.4\n",
        "1 0 obj << /Type /Catalog /Pages 2 0 R >> endobj\n",
        "2 0 obj << /Type /Pages /Kids [3 0 R] /Count 1 >> endobj\n",
        "3 0 obj << /Type /Page /Parent 2 0 R /MediaBox [0 0 200 200] /Resources << /XObject << "
        "/Im 5 0 R >> >> /Contents 4 0 R >> endobj\n",
        "4 0 obj << /Length 29 >> stream\nq 200 0 0 200 0 0 cm /Im Do Q\nendstream endobj\n",
        szImage + dots + "\nendstream endobj\n"};
    std::string pdf, xref = "xref\n0 6\n0000000000 65535 f \n";
    for (const std::string& o : objects) {
        char szEntry[32];
        snprintf(szEntry, sizeof(szEntry), "%010lu 00000 n \n", (unsigned long)pdf.size());
        xref += pdf.empty() ? "" : szEntry;
        pdf += o;
    }
    pdf += xref + "trailer << /Size 6 /Root 1 0 R >>\nstartxref\n" + std::to_string(pdf.size()) +
           "\n%%EOF\n";
    if (FILE* f = pathOpen(path.c_str(), L"wb")) {
        fwrite(pdf.data(), 1, pdf.size(), f);
        fclose(f);
    }
}

// The re-compress of a 50 MB file by the real tool, under a name the code page spells and under
// one it cannot: through a hard link, and through a copy (the temporary folder on another file
// system, szOtherTemp).
static void BenchNames(const char* szTool, const char* szOtherTemp)
{
    const std::string plain = dir + "plain50.pdf", lodz = dir + "\xC5\x81\xC3\xB3\x64\xC5\xBA"
                                                                "50.pdf";
    WriteLargePdf(plain);
    CopyFileW(pathWide(plain.c_str()).c_str(), pathWide(lodz.c_str()).c_str(), FALSE);
    lstrcpynA(gui.szPathExe, szTool, sizeof(gui.szPathExe));
    uiSelectTab(&gui, TAB_MULTI);
    auto Compress = [&](const std::string& in) {
        SendMessageA(gui.ListPdfFiles.hdl, LB_RESETCONTENT, 0, 0);
        List_AddItem(gui.ListPdfFiles.hdl, in.c_str());
        return Timed([] { CompressPDF(&gui); });
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
}

int main(int argc, char** argv)
{
    // Only the names' figure: bench --names <real pdftk.exe> <folder> <other temporary folder>
    if (argc == 5 && strcmp(argv[1], "--names") == 0) {
        SetUp(argv[2], argv[3]);
        CreateMain();
        BenchNames(argv[2], argv[4]);
        DestroyWindow(gui.hWnd);
        return 0;
    }
    if (argc < 3) {
        fprintf(stderr, "usage: bench <pdftk.exe> <folder> [tandrel.exe [real pdftk.exe "
                        "<temporary folder on another file system>]]\n");
        return 2;
    }
    SetUp(argv[1], argv[2]);
    BenchCreation();
    BenchObjects();
    BenchPageLists();
    BenchOverhead();
    BenchSeveralAtOnce();
    if (argc > 3) {
        WIN32_FILE_ATTRIBUTE_DATA fa;
        if (GetFileAttributesExA(argv[3], GetFileExInfoStandard, &fa))
            printf("release tandrel.exe: %lu bytes (%.2f MiB; target <= 1 MiB)\n", fa.nFileSizeLow,
                   fa.nFileSizeLow / 1048576.0);
    }
    if (argc > 5)
        BenchNames(argv[4], argv[5]);
    DestroyWindow(gui.hWnd);
    return 0;
}
