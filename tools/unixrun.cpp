// The bridge pdftk.exe: runs Debian's pdftk from a Windows program under Wine and waits for it.
//
// Wine starts a Unix executable from CreateProcess but hands back no process handle, so the
// caller cannot wait for it. This console program can be waited for: it starts the Unix
// /bin/sh, which runs pdftk and then leaves its exit status in a marker file; the status
// becomes this program's exit status once the marker appears.
//
// Absolute Windows paths among the arguments (C:\..., C:/..., \\server\..., also after a pdftk
// handle as in A=C:\...) are turned into Unix paths; the argument after owner_pw, user_pw or
// input_pw is a password and stays as it is. pdftk runs in the Unix form of the current folder
// with its standard input from /dev/null. Exit status 127: the shell could not be started or
// the folders could not be named for it.
//
// Everything is carried as UTF-8 between the wide Windows calls: Wine's Unix file names are
// UTF-8, and a name outside the ANSI code page would not survive the ANSI calls.
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "cmdline.h"
#include "pdf_text.h"

namespace {

typedef char*(CDECL* UnixNameFn)(const WCHAR*);
typedef WCHAR*(CDECL* DosNameFn)(const char*);

UnixNameFn pToUnix = nullptr;
DosNameFn pToDos = nullptr;

bool LoadWine()
{
    HMODULE hKernel = GetModuleHandleA("kernel32.dll");
    if (!hKernel)
        return false;
    // Through void*: the exports have their own signatures, not FARPROC's.
    pToUnix = reinterpret_cast<UnixNameFn>(
        reinterpret_cast<void*>(GetProcAddress(hKernel, "wine_get_unix_file_name")));
    pToDos = reinterpret_cast<DosNameFn>(
        reinterpret_cast<void*>(GetProcAddress(hKernel, "wine_get_dos_file_name")));
    return pToUnix && pToDos;
}

std::string Utf8(const std::wstring& w)
{
    if (w.empty())
        return std::string();
    int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), (int)w.size(), nullptr, 0, nullptr, nullptr);
    if (n <= 0)
        return std::string();
    std::string s((size_t)n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), (int)w.size(), &s[0], n, nullptr, nullptr);
    return s;
}

std::wstring Wide(const std::string& s)
{
    if (s.empty())
        return std::wstring();
    int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), (int)s.size(), nullptr, 0);
    if (n <= 0)
        return std::wstring();
    std::wstring w((size_t)n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, s.data(), (int)s.size(), &w[0], n);
    return w;
}

bool WineUnixName(const std::wstring& win, std::string* out)
{
    char* p = pToUnix(win.c_str());
    if (!p)
        return false;
    *out = p;
    HeapFree(GetProcessHeap(), 0, p);
    return true;
}

bool IsSeparator(wchar_t c)
{
    return c == L'\\' || c == L'/';
}

// Wine names only files whose folder exists; for an output in a folder yet to be made, the
// deepest existing folder is converted and the rest appended.
bool UnixPath(const std::wstring& win, std::string* out)
{
    DWORD n = GetFullPathNameW(win.c_str(), 0, nullptr, nullptr);
    if (n == 0)
        return false;
    std::wstring full(n, L'\0');
    DWORD nGot = GetFullPathNameW(win.c_str(), n, &full[0], nullptr);
    if (nGot == 0 || nGot >= n)
        return false;
    full.resize(nGot);

    std::string tail;
    std::wstring cur = full;
    for (;;) {
        if (WineUnixName(cur, out)) {
            *out += tail;
            return true;
        }
        size_t end = cur.size();
        while (end > 0 && IsSeparator(cur[end - 1]))
            --end;
        size_t pos = cur.find_last_of(L"\\/", end ? end - 1 : 0);
        if (end == 0 || pos == std::wstring::npos || pos == 0)
            return false;
        tail = "/" + Utf8(cur.substr(pos + 1, end - pos - 1)) + tail;
        // The root of a drive keeps its separator: "C:" alone is that drive's current folder.
        cur = cur.substr(0, (pos == 2 && cur[1] == L':') ? pos + 1 : pos);
        if (cur.size() <= 1 || (cur.size() == 2 && IsSeparator(cur[0])))
            return false;
    }
}

bool IsAbsoluteWindowsPath(const std::string& a)
{
    if (a.size() >= 3 && ((a[0] | 0x20) >= 'a' && (a[0] | 0x20) <= 'z') && a[1] == ':' &&
        (a[2] == '\\' || a[2] == '/'))
        return true;
    return a.size() >= 3 && a[0] == '\\' && a[1] == '\\' && a[2] != '\\';
}

// An argument as the Unix program must see it: an absolute Windows path, alone or after a
// pdftk handle (upper-case letters and '='), becomes a Unix path; anything else is kept.
std::string UnixArg(const std::string& a)
{
    size_t nHandle = 0;
    while (nHandle < a.size() && a[nHandle] >= 'A' && a[nHandle] <= 'Z')
        ++nHandle;
    size_t start = (nHandle > 0 && nHandle < a.size() && a[nHandle] == '=') ? nHandle + 1 : 0;
    std::string path = a.substr(start);
    std::string unix;
    if (!IsAbsoluteWindowsPath(path) || !UnixPath(Wide(path), &unix))
        return a;
    return a.substr(0, start) + unix;
}

bool IsPasswordKeyword(const std::string& a)
{
    return a == "owner_pw" || a == "user_pw" || a == "input_pw";
}

// $1 folder ("" to stay), $2 marker, then the program and its arguments. What the program writes
// goes to the file marker.out, which this program copies to its own error output: Wine hands
// a Unix program its own output, not the handles its Windows caller gave. The status is written
// beside the marker and renamed onto it, so that the marker never exists half written. One line,
// since only blanks and tabs are sure to be taken as plain text by every splitter of the command
// line.
const char kScript[] = "d=$1 m=$2; shift 2; s=127; "
                       "if [ -z \"$d\" ] || cd \"$d\"; then \"$@\" </dev/null >\"$m.out\" 2>&1; "
                       "s=$?; fi; echo \"$s\" >\"$m.tmp\" && mv -f \"$m.tmp\" \"$m\"";

int Fail(const char* szWhat)
{
    fprintf(stderr, "bridge pdftk.exe: %s\n", szWhat);
    return 127;
}

// Waits for the marker, then takes the status from it and removes it.
// Copies what the Unix program wrote to this program's error output, and removes the file.
void PassOutput(const std::wstring& path)
{
    HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return;
    char buf[4096];
    DWORD nRead = 0, nWritten = 0;
    while (ReadFile(h, buf, sizeof(buf), &nRead, nullptr) && nRead > 0)
        WriteFile(GetStdHandle(STD_ERROR_HANDLE), buf, nRead, &nWritten, nullptr);
    CloseHandle(h);
    DeleteFileW(path.c_str());
}

int WaitForStatus(const std::wstring& marker)
{
    for (;;) {
        Sleep(10);
        HANDLE h = CreateFileW(marker.c_str(), GENERIC_READ,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE)
            continue;
        char buf[32] = {0};
        DWORD nRead = 0;
        BOOL ok = ReadFile(h, buf, sizeof(buf) - 1, &nRead, nullptr);
        CloseHandle(h);
        DeleteFileW(marker.c_str());
        if (!ok || nRead == 0)
            return 127;
        buf[nRead] = '\0';
        char* end = nullptr;
        long status = strtol(buf, &end, 10);
        return end == buf ? 127 : (int)status;
    }
}

} // namespace

int main()
{
    std::vector<std::string> args = SplitCommandLine(Utf8(GetCommandLineW()).c_str());
    args[0] = "pdftk"; // in place of this program's own name
    if (!LoadWine())
        return Fail("not running under Wine");

    for (size_t i = 0; i < args.size(); ++i) {
        if (IsPasswordKeyword(args[i])) {
            ++i;
            continue;
        }
        args[i] = UnixArg(args[i]);
    }

    std::string cwd;
    wchar_t szCwd[MAX_PATH + 1] = {0};
    DWORD nCwd = GetCurrentDirectoryW(MAX_PATH + 1, szCwd);
    if (nCwd == 0 || nCwd > MAX_PATH || !UnixPath(szCwd, &cwd))
        cwd.clear(); // Wine starts the shell in that folder as well, when it can name it

    WCHAR* pSh = pToDos("/bin/sh");
    if (!pSh)
        return Fail("no Windows name for /bin/sh");
    std::string sh = Utf8(pSh);
    HeapFree(GetProcessHeap(), 0, pSh);

    // The reserved name stays taken while the program runs; the marker is named after it.
    wchar_t szTemp[MAX_PATH + 1] = {0};
    wchar_t szReserved[MAX_PATH + 1] = {0};
    DWORD nTemp = GetTempPathW(MAX_PATH + 1, szTemp);
    if (nTemp == 0 || nTemp > MAX_PATH || !GetTempFileNameW(szTemp, L"tbm", 0, szReserved))
        return Fail("no marker file in the temporary folder");
    std::wstring marker = std::wstring(szReserved) + L".st";
    std::string unixMarker;
    if (!UnixPath(marker, &unixMarker)) {
        DeleteFileW(szReserved);
        return Fail("the temporary folder has no Unix name");
    }

    std::string cmd = pdfQuoteArg(sh) + " -c " + pdfQuoteArg(kScript) + " sh " + pdfQuoteArg(cwd) +
                      " " + pdfQuoteArg(unixMarker);
    for (const std::string& a : args)
        cmd += " " + pdfQuoteArg(a);

    std::wstring wcmd = Wide(cmd);
    STARTUPINFOW si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessW(nullptr, &wcmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi)) {
        DeleteFileW(szReserved);
        return Fail("/bin/sh could not be started");
    }
    if (pi.hThread)
        CloseHandle(pi.hThread);
    if (pi.hProcess)
        CloseHandle(pi.hProcess);
    int nStatus = WaitForStatus(marker);
    PassOutput(marker + L".out");
    DeleteFileW(szReserved);
    return nStatus;
}
