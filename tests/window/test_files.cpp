// The file list, files dropped onto the window, the burst's folders, and inputs at their limits.
#include <shlobj.h>

#include "harness.h"
#include "obj.h"

namespace {

class Files : public WindowTest {
  protected:
    // Drops the paths onto the window as the shell does, and checks that the drop was released.
    void Drop(const std::vector<std::wstring>& paths)
    {
        size_t nChars = 1;
        for (const std::wstring& p : paths)
            nChars += p.size() + 1;
        HGLOBAL hDrop = GlobalAlloc(GHND, sizeof(DROPFILES) + nChars * sizeof(WCHAR));
        DROPFILES* df = (DROPFILES*)GlobalLock(hDrop);
        df->pFiles = sizeof(DROPFILES);
        df->fWide = TRUE;
        WCHAR* p = (WCHAR*)(df + 1);
        for (const std::wstring& path : paths)
            p = wcscpy(p, path.c_str()) + path.size() + 1;
        GlobalUnlock(hDrop);
        SendMessageA(gui.hWnd, WM_DROPFILES, (WPARAM)hDrop, 0);
        EXPECT_EQ(GlobalFlags(hDrop), (UINT)GMEM_INVALID_HANDLE);
    }
    std::wstring W(const std::string& s)
    {
        return std::wstring(s.begin(), s.end());
    }
};

TEST_F(Files, ListButtonsMoveTheRightEntries)
{
    struct {
        int nItems;
        std::vector<int> sel;
        T_ELEMENT T_INTERFACE::*button;
        const char* after; // the entries, selected ones in capitals
    } cases[] = {
        {6, {1, 3}, &T_INTERFACE::BtnRemovePdfFromList, "aCef"},
        {6, {4, 5}, &T_INTERFACE::BtnRemovePdfFromList, "abcD"},
        {3, {0, 1, 2}, &T_INTERFACE::BtnRemovePdfFromList, ""},
        {4, {}, &T_INTERFACE::BtnRemovePdfFromList, "abcd"},
        {4, {1, 2}, &T_INTERFACE::BtnUpPdfInList, "BCad"},
        {4, {0, 2}, &T_INTERFACE::BtnUpPdfInList, "AbCd"},
        {4, {0, 1}, &T_INTERFACE::BtnDownPdfInList, "cABd"},
        {4, {0, 3}, &T_INTERFACE::BtnDownPdfInList, "AbcD"},
        {4, {2}, &T_INTERFACE::BtnDownPdfInList, "abdC"},
        {4, {}, &T_INTERFACE::BtnUpPdfInList, "abcd"},
    };
    Tab(TAB_MULTI);
    for (const auto& c : cases) {
        SendMessageA(gui.ListPdfFiles.hdl, LB_RESETCONTENT, 0, 0);
        for (int i = 0; i < c.nItems; ++i)
            List_AddItem(gui.ListPdfFiles.hdl, std::string(1, (char)('a' + i)).c_str());
        Select(gui.ListPdfFiles, c.sel);
        Click(gui.*c.button);
        std::string after;
        int sel[8], nSel = (int)SendMessageA(gui.ListPdfFiles.hdl, LB_GETSELITEMS, 8, (LPARAM)sel);
        for (const std::string& item : Items(gui.ListPdfFiles))
            after += item;
        for (int i = 0; i < nSel; ++i)
            after[(size_t)sel[i]] = (char)toupper(after[(size_t)sel[i]]);
        EXPECT_EQ(after, c.after);
    }
    // Only an equal entry, in any letter case, is refused; the extent follows the longest.
    SendMessageA(gui.ListPdfFiles.hdl, LB_RESETCONTENT, 0, 0);
    std::string longest = "C:\\" + std::string(33, 'x') + ".pdf"; // 40 characters
    Add({"C:\\a.pdf.pdf", "C:\\A.PDF.pdf", "C:\\a.pdf", longest, "c:\\a.PDF"});
    EXPECT_EQ(Items(gui.ListPdfFiles),
              std::vector<std::string>({"C:\\a.pdf.pdf", "C:\\a.pdf", longest}));
    EXPECT_EQ(SendMessageA(gui.ListPdfFiles.hdl, LB_GETHORIZONTALEXTENT, 0, 0), 280);
    Select(gui.ListPdfFiles, {2});
    Click(gui.BtnRemovePdfFromList);
    EXPECT_EQ(SendMessageA(gui.ListPdfFiles.hdl, LB_GETHORIZONTALEXTENT, 0, 0), 7 * 12);
}

TEST_F(Files, FolderAndDropAddWhatAddWould)
{
    std::string sub = dir + "scans\\";
    CreateDirectoryA(sub.c_str(), nullptr);
    CreateDirectoryA((sub + "folder.pdf").c_str(), nullptr);
    for (const char* name : {"one.pdf", "notes.txt", "x.pdfa"})
        WriteFile(sub + name, "%PDF");
    Tab(TAB_MULTI);
    Add({dir + "first.pdf"});
    script.answers.push_back(dir + "scans"); // no trailing separator
    Click(gui.BtnAddDirToList);
    script.answers.push_back(sub); // listed already: nothing new
    Click(gui.BtnAddDirToList);
    std::vector<std::string> listed = {dir + "first.pdf", sub + "one.pdf"};
    EXPECT_EQ(Items(gui.ListPdfFiles), listed);

    char szCwd[TANDREL_PATH_MAX];
    GetCurrentDirectoryA(sizeof(szCwd), szCwd);
    WriteFile(dir + "b.PDF", "%PDF");
    Drop({W(dir + "notes.txt"), W(dir + "b.PDF"), W(dir + "scans"), W(dir + "FIRST.pdf"),
          W(dir) + std::wstring(255 - dir.size(), L'y') + L".pdf.long.pdf",
          W(dir) + L"\x4E2D\x6587.pdf", W(dir + "c.pdf")});
    listed.insert(listed.end(), {dir + "b.PDF", dir + "c.pdf"});
    EXPECT_EQ(Items(gui.ListPdfFiles), listed);
    EXPECT_STREQ(gui.szPathCfg, (dir + "tandrel.cfg").c_str());
    char szAfter[TANDREL_PATH_MAX];
    GetCurrentDirectoryA(sizeof(szAfter), szAfter);
    EXPECT_STREQ(szAfter, szCwd);
    EXPECT_TRUE(script.shown.empty()); // one action: no message per file

    // The Single file page takes the first PDF file as its source; the others pages nothing.
    Tab(TAB_CONFIG);
    Drop({W(dir + "b.PDF")});
    Tab(TAB_SINGLE);
    SetEnvironmentVariableA("TANDREL_FAKE_PAGES", "4");
    Drop({W(dir + "notes.txt"), W(dir + "scans"), W(dir + "b.PDF"), W(dir + "c.pdf")});
    EXPECT_EQ(Text(gui.EditPDFSource.hdl), dir + "b.PDF");
    EXPECT_EQ(Items(gui.CboCatTo).size(), 4u);
    EXPECT_EQ(Runs().size(), 1u); // one count, nothing for the Settings page

    // A thousand files in one drop.
    Tab(TAB_MULTI);
    std::vector<std::wstring> many;
    for (int i = 0; i < 1000; ++i)
        many.push_back(W(sub) + L"file" + std::to_wstring(i) + L".pdf");
    DWORD dwStart = GetTickCount();
    Drop(many);
    RecordProperty("drop_of_1000_files_ms", (int)(GetTickCount() - dwStart));
    EXPECT_EQ(Items(gui.ListPdfFiles).size(), 1000u);
}

TEST_F(Files, BurstWritesOnlyIntoItsOwnFolder)
{
    const char* mine[] = {"pg_001.pdf", "pg_050.pdf", "doc_data.txt"};
    for (const char* name : mine)
        WriteFile(dir + name, std::string("mine: ") + name);
    for (const char* name : {"report.pdf", "a.pdf", "b.pdf", "scan", "c.pdf", "c"})
        WriteFile(dir + name, "%PDF");
    Choose(dir + "report.pdf", 3);
    Click(gui.BtnBurst);
    Click(gui.BtnBurst); // again: the pages are replaced in the same folder
    Tab(TAB_MULTI);
    SetEnvironmentVariableA("TANDREL_FAKE_PAGES", "2");
    // "scan" has no extension and "c" is a file where "c.pdf" wants its folder: both are left
    // alone, and the others still run.
    Add({dir + "scan", dir + "a.pdf", dir + "c.pdf", dir + "b.pdf"});
    Click(gui.BtnBurst);
    std::vector<std::string> cwds;
    std::vector<std::string> runs = Runs(&cwds);
    ASSERT_EQ(runs.size(), 4u + 1); // after the count of the source's pages
    cwds.erase(cwds.begin());
    EXPECT_EQ(cwds,
              std::vector<std::string>({dir + "report", dir + "report", dir + "a", dir + "b"}));
    for (const char* name : mine)
        EXPECT_EQ(ReadFile(dir + name), std::string("mine: ") + name);
    for (const char* name :
         {"report\\pg_003.pdf", "report\\doc_data.txt", "a\\pg_002.pdf", "b\\pg_001.pdf"})
        EXPECT_TRUE(IsFile(dir + name)) << name;
    EXPECT_FALSE(IsFile(dir + "a\\pg_003.pdf"));
    EXPECT_FALSE(IsFile(dir + "pg_002.pdf"));
    EXPECT_EQ(ReadFile(dir + "c"), "%PDF");
}

TEST_F(Files, InputsAtTheirLimits)
{
    // A 259-character source: counted and burst, but no result name fits beside it.
    std::string deep = dir + std::string(200 - dir.size(), 'd') + "\\";
    CreateDirectoryA(deep.c_str(), nullptr);
    std::string src = deep + std::string(259 - deep.size() - 4, 's') + ".pdf";
    WriteFile(src, "original");
    Choose(src, 3);
    ASSERT_EQ(Text(gui.EditPDFSource.hdl), src);
    Type(gui.EditPasswdOwner, std::string(40, 'p').c_str()); // cut to 31
    Select(gui.ListDelete, {1});
    for (T_ELEMENT* b :
         {&gui.BtnCat, &gui.BtnDelete, &gui.BtnDecrypt, &gui.BtnRepair, &gui.BtnBurst})
        Click(*b);
    EXPECT_EQ(Runs().size(), 2u);
    EXPECT_EQ(ReadFile(src), "original");
    WriteFile(dir + "a.pdf", "%PDF");
    Choose(dir + "a.pdf", 2000);
    EXPECT_EQ(Items(gui.ListDelete).back(), "page 2000");
    Click(gui.BtnEncrypt);
    EXPECT_NE(Runs().back().find(" owner_pw \"" + std::string(31, 'p') + "\" "), std::string::npos);

    // A join past the platform's command-line limit does not run, and says nothing.
    Tab(TAB_MULTI);
    SendMessageA(gui.ListPdfFiles.hdl, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < 1000; ++i)
        List_AddItem(gui.ListPdfFiles.hdl, (deep + std::to_string(i) + ".pdf").c_str());
    script.answers.push_back(dir + "all.pdf");
    size_t nRuns = Runs().size();
    Click(gui.BtnJoin);
    EXPECT_EQ(Runs().size(), nRuns);
    EXPECT_TRUE(script.shown.empty());

    // No tool: nothing runs, nothing breaks, and the choice finds no page.
    lstrcpynA(gui.szPathExe, (dir + "absent\\pdftk.exe").c_str(), TANDREL_PATH_MAX);
    Tab(TAB_SINGLE);
    Choose(dir + "a.pdf", 2);
    EXPECT_EQ(script.shown, std::vector<std::string>({szLang_fr[TXT_MSG_NO_PAGE]}));
}

} // namespace
