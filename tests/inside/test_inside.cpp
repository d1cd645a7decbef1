// What only the window in this process shows: its fonts and tab labels at every zoom step, files
// dropped onto it, a folder added, and inputs at their limits.
#include <aclapi.h>
#include <sddl.h>
#include <shlobj.h>

#include "harness.h"
#include "paths.h"
#include "op.h"
#include "pdf_temp.h"

#include <filesystem>
#include <regex>

namespace {

class Inside : public WindowTest {
  protected:
    // Drops the paths onto the window as the shell does, and checks that the drop was released.
    void Drop(const std::vector<std::wstring>& paths)
    {
        std::wstring files;
        for (const std::wstring& p : paths)
            files += p + L'\0';
        HGLOBAL hDrop = GlobalAlloc(GHND, sizeof(DROPFILES) + (files.size() + 1) * sizeof(WCHAR));
        DROPFILES* df = (DROPFILES*)GlobalLock(hDrop);
        *df = {sizeof(DROPFILES), {}, FALSE, TRUE};
        memcpy(df + 1, files.c_str(), files.size() * sizeof(WCHAR));
        GlobalUnlock(hDrop);
        Send(hMain, WM_DROPFILES, (WPARAM)hDrop);
        EXPECT_EQ(GlobalFlags(hDrop), (UINT)GMEM_INVALID_HANDLE);
    }
    // The file list scrolls sideways just far enough to show the whole of text in its font.
    void ExpectExtent(const std::string& text, int nStep)
    {
        HDC hdc = GetDC(rows[LIST_FILES]);
        HGDIOBJ hOld = SelectObject(hdc, (HGDIOBJ)Send(rows[LIST_FILES], WM_GETFONT));
        SIZE size = {};
        GetTextExtentPoint32A(hdc, text.c_str(), (int)text.size(), &size);
        ReleaseDC(rows[LIST_FILES], (SelectObject(hdc, hOld), hdc));
        LRESULT n = Send(rows[LIST_FILES], LB_GETHORIZONTALEXTENT);
        EXPECT_TRUE(n >= size.cx && n <= size.cx + LayoutScaled(8, nStep))
            << n << " for " << size.cx;
    }
};

TEST_F(Inside, FontsAndTabLabelsAtEveryZoomStep)
{
    Tab(TAB_CONFIG);
    for (int nStep : {2, 7, 10, 5, 0, 9, 1, 3, 4, 6, 8}) {
        int nLang = nStep % 2;
        Pick(CBO_ZOOM, nStep);
        Pick(CBO_LANG, nLang);
        for (int n = ROW_STATUS + 1; n < ROW_END; ++n) {
            LOGFONTA lf = {};
            GetObjectA((HFONT)Send(rows[(size_t)n], WM_GETFONT), sizeof(lf), &lf);
            EXPECT_EQ(lf.lfHeight, LayoutScaled(14, nStep)) << "row " << n;
            EXPECT_EQ(lf.lfWeight, FW_MEDIUM);
            EXPECT_STREQ(lf.lfFaceName, "Microsoft Sans Serif");
        }
        for (int nTab = 0; nTab < TAB_COUNT; ++nTab) { // relabelled in place
            char szTab[64] = {0};
            TCITEMA tie = {TCIF_TEXT, 0, 0, szTab, sizeof(szTab), 0, 0};
            Send(rows[ROW_TABS], TCM_GETITEMA, nTab, (LPARAM)&tie);
            EXPECT_STREQ(szTab, TextTable(nLang)[TXT_TAB_SINGLE + nTab]);
        }
    }
}

TEST_F(Inside, FolderAndDropAddWhatAddWould)
{
    std::string sub = dir + "scans\\", longest = dir + std::string(33, 'x') + ".pdf";
    CreateDirectoryA(sub.c_str(), nullptr);
    CreateDirectoryA((sub + "folder.pdf").c_str(), nullptr);
    for (const char* name : {"one.pdf", "notes.txt", "x.pdfa"})
        WriteFile(sub + name, "%PDF");
    // A name the code page cannot spell is listed whole.
    CloseHandle(CreateFileW((Wide(sub) + L"\x4E2D\x6587.pdf").c_str(), GENERIC_WRITE, 0, nullptr,
                            CREATE_NEW, 0, nullptr));
    Tab(TAB_MULTI);
    Pick(CBO_LANG, LNG_ENGLISH); // the dialogs speak the window's language
    // Only an equal entry, in any letter case, is refused; the whole of the longest entry can be
    // scrolled into view in the list's font, at every zoom.
    Add({dir + "a.pdf.pdf", dir + "A.PDF.pdf", dir + "a.pdf", longest, dir + "A.pdf"});
    ExpectExtent(longest, 0);
    Select(LIST_FILES, {2});
    Click(BTN_REMOVE);
    ExpectExtent(dir + "a.pdf.pdf", 0);
    Pick(CBO_ZOOM, 10);
    ExpectExtent(dir + "a.pdf.pdf", 10);
    Pick(CBO_ZOOM, 0);
    Click(BTN_ADD_DIR, {dir + "scans"});        // no trailing separator
    Click(BTN_ADD_DIR, {sub});                  // listed already: nothing new
    for (const char* name : {"b.PDF", "c.pdf"}) // a missing one would be passed over
        WriteFile(dir + name, Pdf(4));
    Drop({Wide(dir + "notes.txt"), Wide(dir + "b.PDF"), Wide(dir + "scans"), Wide(dir + "A.pdf"),
          Wide(dir) + std::wstring(255 - dir.size(), L'y') + L".pdf.long.pdf",
          Wide(dir) + L"\x4E2D\x6587.pdf", Wide(dir + "c.pdf")});
    EXPECT_EQ(Items(LIST_FILES),
              std::vector<std::string>({dir + "a.pdf.pdf", dir + "a.pdf", sub + "one.pdf",
                                        sub + "\xE4\xB8\xAD\xE6\x96\x87.pdf", dir + "b.PDF",
                                        dir + "c.pdf"}));
    EXPECT_TRUE(shown.empty()); // one action: no message per file

    // The Single file page takes the first PDF file as its source; the other pages nothing.
    Tab(TAB_CONFIG);
    Drop({Wide(dir + "b.PDF")});
    Tab(TAB_SINGLE);
    Drop({Wide(dir + "notes.txt"), Wide(dir + "scans"), Wide(dir + "b.PDF"), Wide(dir + "c.pdf")});
    EXPECT_EQ(Text(EDIT_SOURCE), dir + "b.PDF");
    EXPECT_EQ(Items(CBO_TO).size(), 4u);
    Tab(TAB_PAGES); // so does the Pages page, its backs untouched
    Drop({Wide(dir + "scans"), Wide(dir + "c.pdf"), Wide(dir + "b.PDF")});
    EXPECT_TRUE(Text(EDIT_PAGES_SRC) == dir + "c.pdf" && Text(EDIT_BACKS).empty());
    EXPECT_EQ(Runs(nullptr, false).size(), 2u); // one count each, nothing for the Settings page
}

TEST_F(Inside, InputsAtTheirLimits)
{
    // A 259-character source: counted and burst, but no result name fits beside it.
    std::string deep = dir + std::string(200 - dir.size(), 'd') + "\\";
    CreateDirectoryA(deep.c_str(), nullptr);
    std::string src = deep + std::string(259 - deep.size() - 4, 's') + ".pdf";
    WriteFile(src, Pdf(3));
    Click(BTN_SOURCE, {src});
    ASSERT_EQ(Text(EDIT_SOURCE), src);
    Keys(EDIT_OWNER, std::string(40, 'p')); // no more than the tool's encryption keeps
    EXPECT_EQ(Text(EDIT_OWNER), std::string(32, 'p'));
    Select(LIST_DELETE, {1});
    for (int n : {BTN_CAT, BTN_DELETE, BTN_DECRYPT, BTN_REPAIR, BTN_BURST})
        Click(n);
    EXPECT_EQ(Runs(nullptr, false).size(), 2u); // the count and the burst
    EXPECT_EQ(shown, std::vector<std::string>(4, Failed({src, szLang_fr[TXT_FAIL_NO_NAME]})));
    shown.clear();
    EXPECT_EQ(ReadFile(src), Pdf(3));
    WriteFile(dir + "a.pdf", Pdf(2000));
    Click(BTN_SOURCE, {dir + "a.pdf"});
    EXPECT_EQ(Items(LIST_DELETE).back(), "page 2000");
    Click(BTN_ENCRYPT);
    EXPECT_NE(Runs().back().find(" owner_pw \"" + std::string(32, 'p') + "\" "), std::string::npos);

    // A join past the platform's command-line limit does not run, and says so.
    Tab(TAB_MULTI);
    Send(rows[LIST_FILES], WM_SETREDRAW, FALSE);
    for (int i = 0; i < 1000; ++i)
        Send(rows[LIST_FILES], LB_ADDSTRING, 0,
             (LPARAM)(deep + std::to_string(i) + ".pdf").c_str());
    Click(BTN_JOIN, {dir + "all.pdf"});
    EXPECT_TRUE(Runs().empty());
    EXPECT_EQ(shown, std::vector{Failed({dir + "all.pdf", szLang_fr[TXT_FAIL_TOO_LONG]})});
    Tab(TAB_PAGES); // the range box stops where its text is read whole
    Keys(EDIT_RANGES, std::string(TANDREL_RANGE_MAX + 10, '1'));
    EXPECT_EQ(Text(EDIT_RANGES), std::string(TANDREL_RANGE_MAX - 1, '1'));
}

} // namespace

// Only what a run wrote is removed after it failed or was ended: a result it made or changed, and
// in a burst's folder the files of the burst's names written since it began, the folder only when
// the burst made it. A run that ended before the session's end keeps its result.
TEST_F(Inside, OnlyWhatARunWroteIsRemoved)
{
    // clang-format off
    const struct { const char* before; bool bWrite; bool bFolder, bMade; bool bLeft; } cases[] = {
        {"old",   false, false, false, true},  // there before, not written: kept
        {"old",   true,  false, false, false}, // written over
        {nullptr, true,  false, false, false}, // made by the run
        {"",      true,  true,  false, true},  // a folder of the user's: its own files stay
        {"",      true,  true,  true,  false}, // made by the burst, emptied
    };
    // clang-format on
    for (const auto& c : cases) {
        std::string result = dir + "out", mine = result + "\\mine.txt";
        std::filesystem::remove_all(result);
        if (c.bFolder && !c.bMade)
            CreateDirectoryA(result.c_str(), nullptr), WriteFile(mine, "mine");
        if (c.before && !c.bFolder) {
            WriteFile(result, c.before);
            FILETIME ft = {0, 0x01D00000}; // long ago
            HANDLE h =
                CreateFileA(result.c_str(), FILE_WRITE_ATTRIBUTES, 0, 0, OPEN_EXISTING, 0, 0);
            SetFileTime(h, nullptr, nullptr, &ft), CloseHandle(h);
        }
        T_RESULT_WATCH w;
        pdfWatchResult(&w, result.c_str(), c.bFolder, c.bMade);
        if (c.bFolder && c.bMade)
            CreateDirectoryA(result.c_str(), nullptr);
        if (c.bWrite)
            WriteFile(c.bFolder ? result + "\\pg_009.pdf" : result, "new");
        pdfRemoveWhatRunWrote(&w);
        EXPECT_EQ(std::filesystem::exists(result), c.bLeft) << c.bFolder << c.bMade;
        EXPECT_EQ(IsFile(mine), c.bFolder && !c.bMade);
        EXPECT_FALSE(IsFile(result + "\\pg_009.pdf"));
    }
    // Ended, not yet collected, when the session ends.
    std::string out = dir + "ended.pdf";
    WriteFile(dir + "in.pdf", Pdf(1));
    T_RUN* run = pdfFreeSlot();
    T_RUN_RESULT r;
    pdfWatchResult(&run->what, out.c_str(), 0, 0);
    std::string cmd = Quote(tool) + " " + Quote(dir + "in.pdf") + " output " + Quote(out);
    ASSERT_TRUE(pdfStartRun(run, cmd, {}, nullptr, &r));
    WaitForSingleObject(run->hProcess, INFINITE);
    pdfEndRuns();
    pdfNewSession();
    EXPECT_TRUE(IsFile(out) && !run->hProcess);
}

// The folder the tool is given names in is one the code page spells, whatever the user's
// temporary folder: its short name, else the program's folder in the local application data.
TEST_F(Inside, TheTemporaryFolderIsOneTheCodePageSpells)
{
    const std::string lodz = dir + kLodz + "\\";
    CreateDirectoryW(Wide(lodz).c_str(), nullptr);
    WCHAR wszTmp[MAX_PATH] = {0};
    GetEnvironmentVariableW(L"TMP", wszTmp, MAX_PATH);
    for (const std::string& tmp : {dir, lodz}) {
        SetEnvironmentVariableW(L"TMP", Wide(tmp).c_str());
        char szTemp[TANDREL_PATH_BYTES] = {0}, szSpelt[TANDREL_PATH_BYTES];
        EXPECT_TRUE(pdfTempFolder(szTemp) && pathIsFolder(szTemp)) << tmp;
        EXPECT_TRUE(pathInCodePage(szTemp, szSpelt, sizeof(szSpelt), CP_ACP)) << szTemp;
        EXPECT_EQ(std::string(szTemp) == dir + "TANDREL\\", tmp == dir) << szTemp;
    }
    // On another volume than the result's folder, the result is written beside its real name.
    SetEnvironmentVariableW(L"TMP", L"Z:\\tmp\\");
    WriteFile(dir + kLodz + ".pdf", Pdf(1));
    Tab(TAB_MULTI);
    Add({dir + kLodz + ".pdf"});
    Click(BTN_COMPRESS);
    EXPECT_NE(Runs().back().find(" output \"" + dir + "tdn"), std::string::npos);
    WIN32_FIND_DATAA fd;
    EXPECT_EQ(FindFirstFileA((dir + "tdn*").c_str(), &fd), INVALID_HANDLE_VALUE);
    EXPECT_TRUE(IsFile(dir + kLodz + "_compress.pdf"));
    // Named in the journal before it was made, and once removed.
    std::string journal =
        ReadFile("Z:\\tmp\\TANDREL\\jn" + std::to_string(GetCurrentProcessId()) + ".txt");
    EXPECT_TRUE(std::regex_search(journal, std::regex("^\\+.*\\\\tdn[0-9A-F]{4}\\.tmp\n-")))
        << journal;
    SetEnvironmentVariableW(L"TMP", wszTmp);

    // What a program killed in the bookmark step left beside a result, as its journal names it,
    // goes at the next start; a file of the user's of a name alike stays, and so does one the
    // journal says was removed before (made again since by someone else).
    char szTemp[TANDREL_PATH_BYTES];
    ASSERT_TRUE(pdfTempFolder(szTemp));
    const std::string left = dir + "tdr7A2C.tmp", notes = dir + "tdr_notes.tmp";
    const std::string again = dir + "tdr7A2D.tmp",
                      killed = szTemp + std::string("jn4000000000.txt");
    for (const std::string& file : {left, notes, again})
        WriteFile(file, "x");
    WriteFile(killed, "+" + left + "\n+" + again + "\n-" + again + "\n");
    Close();
    Start();
    EXPECT_TRUE(!IsFile(left) && IsFile(notes) && IsFile(again) && !IsFile(killed));
}

// The access rights of the file path, as text: each entry's kind, flags, mask and who.
static std::string Rights(const std::string& path)
{
    PACL pDacl = nullptr;
    PSECURITY_DESCRIPTOR pSd = nullptr;
    if (GetNamedSecurityInfoW(Wide(path).c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                              nullptr, nullptr, &pDacl, nullptr, &pSd) != ERROR_SUCCESS)
        return "unreadable";
    std::string rights;
    for (DWORD i = 0; pDacl && i < pDacl->AceCount; ++i) {
        ACCESS_ALLOWED_ACE* ace = nullptr;
        LPSTR szSid = nullptr;
        GetAce(pDacl, i, (void**)&ace);
        ConvertSidToStringSidA(&ace->SidStart, &szSid);
        rights += std::to_string(ace->Header.AceType) + "/" + std::to_string(ace->Header.AceFlags) +
                  "/" + std::to_string(ace->Mask) + "/" + (szSid ? szSid : "?") + " ";
        LocalFree(szSid);
    }
    LocalFree(pSd);
    return rights;
}

// Gives the folder path an entry that lets every user do what dwRights says on the files made in
// it.
static void GiveRights(const std::string& path, DWORD dwRights)
{
    EXPLICIT_ACCESSW everyone = {};
    BuildExplicitAccessWithNameW(&everyone, const_cast<LPWSTR>(L"EVERYONE"), dwRights, GRANT_ACCESS,
                                 OBJECT_INHERIT_ACE);
    PACL pOld = nullptr, pNew = nullptr;
    PSECURITY_DESCRIPTOR pSd = nullptr;
    GetNamedSecurityInfoW(Wide(path).c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                          nullptr, &pOld, nullptr, &pSd);
    SetEntriesInAclW(1, &everyone, pOld, &pNew);
    SetNamedSecurityInfoW(const_cast<LPWSTR>(Wide(path).c_str()), SE_FILE_OBJECT,
                          DACL_SECURITY_INFORMATION, nullptr, nullptr, pNew, nullptr);
    LocalFree(pNew);
    LocalFree(pSd);
}

// A result made under a stand-in in the private folder takes the rights its folder gives a new
// file, as the tool writing there would have made it (Wine keeps no rights of its own for a file
// given none, and reads them from its folder: that part would hold anyway); one that replaces a
// file keeps that file's rights.
TEST_F(Inside, AResultUnderAStandInTakesTheRightsOfItsPlace)
{
    const std::string shared = dir + "shared\\", lodz = shared + kLodz;
    CreateDirectoryA(shared.c_str(), nullptr);
    GiveRights(shared, GENERIC_READ);
    EXPLICIT_ACCESSW everyone = {};
    BuildExplicitAccessWithNameW(&everyone, const_cast<LPWSTR>(L"EVERYONE"), GENERIC_ALL,
                                 GRANT_ACCESS, NO_INHERITANCE);
    PACL pNew = nullptr;
    WriteFile(shared + "made here.pdf", Pdf(1));
    WriteFile(lodz + ".pdf", Pdf(1));
    Tab(TAB_MULTI);
    Add({lodz + ".pdf"});
    Click(BTN_COMPRESS);
    std::string inherited = Rights(shared + "made here.pdf");
    EXPECT_NE(inherited.find("/S-1-1-0 "), std::string::npos) << inherited; // Everyone's
    EXPECT_EQ(Rights(lodz + "_compress.pdf"), inherited);
    // Replaced: the rights of the file it replaces, whatever its folder gives.
    SetEntriesInAclW(1, &everyone, nullptr, &pNew);
    SetNamedSecurityInfoW(const_cast<LPWSTR>(Wide(lodz + "_compress.pdf").c_str()), SE_FILE_OBJECT,
                          DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION, nullptr,
                          nullptr, pNew, nullptr);
    LocalFree(pNew);
    std::string own = Rights(lodz + "_compress.pdf");
    Click(BTN_COMPRESS);
    EXPECT_EQ(Rights(lodz + "_compress.pdf"), own);
    EXPECT_NE(own, inherited);
}
