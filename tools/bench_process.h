// The bench's measurements of any program: time, a window's answer, processes started and waited
// for, objects and handles, a large PDF file.
#pragma once

#include <windows.h>

#include <stdio.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

static double Now()
{
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return (double)t.QuadPart * 1000.0 / (double)f.QuadPart;
}

// How long f takes, in ms.
static double Timed(const std::function<void()>& f)
{
    double t0 = Now();
    f();
    return Now() - t0;
}

// The window's answer: another thread asks hWnd for it every nEveryMs until StopProbe, which
// returns the longest wait.

static volatile LONG bProbeDone;
static double tProbeWorst;
static HANDLE hProbe;
static DWORD nProbeEveryMs;
static HWND hProbed;

static DWORD WINAPI Probe(LPVOID)
{
    while (!bProbeDone) {
        double t0 = Now();
        DWORD_PTR r;
        SendMessageTimeoutA(hProbed, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &r);
        tProbeWorst = std::max(tProbeWorst, Now() - t0);
        Sleep(nProbeEveryMs);
    }
    return 0;
}

static void StartProbe(HWND hWnd, DWORD nEveryMs)
{
    hProbed = hWnd;
    bProbeDone = 0;
    nProbeEveryMs = nEveryMs;
    tProbeWorst = 0;
    hProbe = CreateThread(nullptr, 0, Probe, nullptr, 0, nullptr);
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

// The starts of cmds, one at a time, each waited for, what they write going into the file out:
// what any program pays.
static double BareLoop(const std::vector<std::string>& cmds, const std::string& out)
{
    SECURITY_ATTRIBUTES sa = {sizeof(sa), nullptr, TRUE};
    HANDLE hNul = CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, &sa, OPEN_EXISTING, 0, nullptr);
    HANDLE hOut =
        CreateFileA(out.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &sa, CREATE_ALWAYS, 0, nullptr);
    double t = Timed([&] {
        for (const std::string& c : cmds) {
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
    });
    CloseHandle(hNul);
    CloseHandle(hOut);
    return t;
}

static DWORD Objects(DWORD nKind)
{
    return GetGuiResources(GetCurrentProcess(), nKind);
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

// A one-page PDF file of some 50 MB: a grey image of 7,200 by 7,200 dots, which the tool
// compresses; with its cross-reference table, so that the tool reads it without a search.
static void WriteLargePdf(const std::wstring& path)
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
    if (FILE* f = _wfopen(path.c_str(), L"wb")) {
        fwrite(pdf.data(), 1, pdf.size(), f);
        fclose(f);
    }
}

// This program's own path.
static std::string Self()
{
    char szSelf[MAX_PATH] = {0};
    GetModuleFileNameA(nullptr, szSelf, sizeof(szSelf));
    return szSelf;
}

// Removes every file of the folder dir (ending in a separator).
static void EmptyFolder(const std::string& dir)
{
    std::wstring wdir(dir.begin(), dir.end());
    WIN32_FIND_DATAW fd;
    HANDLE hFind = FindFirstFileW((wdir + L"*").c_str(), &fd);
    if (hFind == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            DeleteFileW((wdir + fd.cFileName).c_str());
    } while (FindNextFileW(hFind, &fd));
    FindClose(hFind);
}
