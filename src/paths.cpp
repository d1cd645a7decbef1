#include "paths.h"

#include <aclapi.h>
#include <shlobj.h>

#include <string.h>

std::wstring pathWide(const char* szPath)
{
    int nLen = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, szPath, -1, nullptr, 0);
    if (nLen <= 0)
        return std::wstring();
    std::wstring wide((size_t)nLen, L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, szPath, -1, &wide[0], nLen);
    wide.resize((size_t)nLen - 1);
    return wide;
}

std::string pathUtf8(const wchar_t* wszPath)
{
    int nLen = WideCharToMultiByte(CP_UTF8, 0, wszPath, -1, nullptr, 0, nullptr, nullptr);
    if (nLen <= 0)
        return std::string();
    std::string path((size_t)nLen, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wszPath, -1, &path[0], nLen, nullptr, nullptr);
    path.resize((size_t)nLen - 1);
    return path;
}

int pathFromWide(const wchar_t* wszPath, char* szPath)
{
    szPath[0] = 0;
    if (wcslen(wszPath) >= TANDREL_PATH_MAX)
        return 0;
    std::string path = pathUtf8(wszPath);
    if (path.size() >= TANDREL_PATH_BYTES)
        return 0;
    memcpy(szPath, path.c_str(), path.size() + 1);
    return 1;
}

int pathChars(const char* szPath)
{
    int nChars = 0;
    for (const unsigned char* p = (const unsigned char*)szPath; *p; ++p) {
        if ((*p & 0xC0) != 0x80) // each letter's first byte; four bytes make two units
            nChars += *p >= 0xF0 ? 2 : 1;
    }
    return nChars;
}

int pathInCodePage(const char* szPath, char* szOut, int nOut, unsigned nCodePage)
{
    std::wstring wide = pathWide(szPath);
    if (nOut > 0)
        szOut[0] = 0;
    if (wide.empty() && szPath[0])
        return 0;
    BOOL bLost = FALSE;
    int nLen = WideCharToMultiByte(nCodePage, WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, szOut, nOut,
                                   nullptr, &bLost);
    if (nLen > 0 && !bLost)
        return 1;
    if (nOut > 0)
        szOut[0] = 0;
    return 0;
}

// No byte of a letter written in several bytes is a separator or a dot: UTF-8 is read bytewise.
const char* pathFileName(const char* szPath)
{
    const char* szName = szPath;
    for (const char* p = szPath; *p; ++p) {
        if (*p == '\\' || *p == '/' || *p == ':')
            szName = p + 1;
    }
    return szName;
}

std::string pathFolder(const char* szPath)
{
    std::string folder(szPath, (size_t)(pathFileName(szPath) - szPath));
    // A drive's root keeps its separator: "C:\".
    if (folder.size() > 1 && (folder.back() == '\\' || folder.back() == '/') &&
        folder[folder.size() - 2] != ':')
        folder.pop_back();
    return folder;
}

size_t pathExtension(const std::string& path)
{
    size_t nName = (size_t)(pathFileName(path.c_str()) - path.c_str());
    size_t nDot = path.rfind('.');
    return nDot != std::string::npos && nDot >= nName ? nDot : path.size();
}

std::string pathWithExtension(const std::string& path, const char* szExtension)
{
    return path.substr(0, pathExtension(path)) + szExtension;
}

DWORD pathAttributes(const char* szPath)
{
    std::wstring wide = pathWide(szPath);
    return wide.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(wide.c_str());
}

int pathExists(const char* szPath)
{
    return pathAttributes(szPath) != INVALID_FILE_ATTRIBUTES;
}

int pathIsFolder(const char* szPath)
{
    DWORD dwAttr = pathAttributes(szPath);
    return dwAttr != INVALID_FILE_ATTRIBUTES && (dwAttr & FILE_ATTRIBUTE_DIRECTORY) ? 1 : 0;
}

int pathDelete(const char* szPath)
{
    return DeleteFileW(pathWide(szPath).c_str()) ? 1 : 0;
}

int pathMakeFolder(const char* szPath)
{
    return CreateDirectoryW(pathWide(szPath).c_str(), nullptr) ? 1 : 0;
}

int pathRemoveFolder(const char* szPath)
{
    return RemoveDirectoryW(pathWide(szPath).c_str()) ? 1 : 0;
}

int pathMove(const char* szFrom, const char* szTo)
{
    return MoveFileExW(pathWide(szFrom).c_str(), pathWide(szTo).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH)
               ? 1
               : 0;
}

// The access rights of the file szPath: its DACL, and the descriptor that holds it (to be freed
// with LocalFree); null when there is no such file or it cannot be read.
static PSECURITY_DESCRIPTOR AccessOf(const std::wstring& path, PACL* ppDacl)
{
    PSECURITY_DESCRIPTOR pSd = nullptr;
    *ppDacl = nullptr;
    if (GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                              nullptr, ppDacl, nullptr, &pSd) != ERROR_SUCCESS)
        return nullptr;
    return pSd;
}

// Gives the file at path the access rights pSd holds (its DACL pDacl), inheritance as it had it;
// with none, those its folder gives a new file.
static void GiveAccess(const std::wstring& path, PSECURITY_DESCRIPTOR pSd, PACL pDacl)
{
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD dwRevision = 0;
    if (pSd)
        GetSecurityDescriptorControl(pSd, &control, &dwRevision);
    ACL empty;
    InitializeAcl(&empty, sizeof(empty), ACL_REVISION);
    SECURITY_INFORMATION si = DACL_SECURITY_INFORMATION |
                              (control & SE_DACL_PROTECTED ? PROTECTED_DACL_SECURITY_INFORMATION
                                                           : UNPROTECTED_DACL_SECURITY_INFORMATION);
    SetNamedSecurityInfoW(const_cast<LPWSTR>(path.c_str()), SE_FILE_OBJECT, si, nullptr, nullptr,
                          pSd ? pDacl : &empty, nullptr);
}

int pathReplace(const char* szFrom, const char* szTo)
{
    std::wstring to = pathWide(szTo);
    PACL pDacl = nullptr;
    PSECURITY_DESCRIPTOR pSd = AccessOf(to, &pDacl);
    int bMoved = pathMove(szFrom, szTo);
    if (bMoved)
        GiveAccess(to, pSd, pDacl);
    LocalFree(pSd);
    return bMoved;
}

FILE* pathOpen(const char* szPath, const wchar_t* wszMode)
{
    std::wstring wide = pathWide(szPath);
    return wide.empty() ? nullptr : _wfopen(wide.c_str(), wszMode);
}

ULONGLONG pathFileTime(const FILETIME& ft)
{
    ULARGE_INTEGER t = {{ft.dwLowDateTime, ft.dwHighDateTime}};
    return t.QuadPart;
}

std::string pathShellFolder(int nFolder)
{
    WCHAR wszDir[MAX_PATH] = {0};
    char szDir[TANDREL_PATH_BYTES];
    if (SHGetFolderPathW(nullptr, nFolder, nullptr, SHGFP_TYPE_CURRENT, wszDir) != S_OK ||
        !pathFromWide(wszDir, szDir))
        return std::string();
    return szDir;
}

int pathSameName(const char* szName1, const char* szName2)
{
    std::wstring w1 = pathWide(szName1), w2 = pathWide(szName2);
    return CompareStringOrdinal(w1.c_str(), (int)w1.size(), w2.c_str(), (int)w2.size(), TRUE) ==
                   CSTR_EQUAL
               ? 1
               : 0;
}

std::string pathFromCodePage(const char* szText, unsigned nCodePage)
{
    int nLen = MultiByteToWideChar(nCodePage, 0, szText, -1, nullptr, 0);
    std::wstring wide(nLen > 0 ? (size_t)nLen : 1, L'\0');
    if (nLen > 0)
        MultiByteToWideChar(nCodePage, 0, szText, -1, &wide[0], nLen);
    return pathUtf8(wide.c_str());
}

int pathReadWhole(const char* szPath, std::string& text)
{
    text.clear();
    FILE* f = pathOpen(szPath, L"rb");
    if (!f)
        return 0;
    char buf[4096];
    for (size_t n; (n = fread(buf, 1, sizeof(buf), f)) > 0;)
        text.append(buf, n);
    int bRead = !ferror(f);
    fclose(f);
    return bRead;
}

int pathWriteWhole(const char* szPath, const std::string& text)
{
    FILE* f = pathOpen(szPath, L"wb");
    if (!f)
        return 0;
    int bWritten = fwrite(text.data(), 1, text.size(), f) == text.size();
    return fclose(f) == 0 && bWritten;
}
