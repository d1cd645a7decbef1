// Bad input and large work: nothing crashes, nothing is written past a buffer, no file of the
// user is lost or written over.
#include <algorithm>

#include "harness.h"
#include "obj.h"
#include "pdf.h"

namespace {

// A path of exactly nLen characters in dir, in folders of 40 characters, ending in ".pdf".
std::string DeepPath(const std::string& dir, size_t nLen, const char* szLeaf = "")
{
    std::string p = dir;
    while (p.size() + 45 + strlen(szLeaf) < nLen) {
        p += std::string(40, 'f') + "\\";
        CreateDirectoryA(p.c_str(), nullptr);
    }
    std::string name = szLeaf;
    name += std::string(nLen - p.size() - name.size() - 4, 'n');
    return p + name + ".pdf";
}


}  // namespace

class Robust : public WindowTest {
protected:
    std::vector<std::string> Commands()
    {
        std::vector<std::string> v;
        for (const ToolRun& r : log->Runs())
            v.push_back(r.cmd);
        return v;
    }
};

TEST_F(Robust, LongestPathsAndWindowsLetters)
{
    std::string src = DeepPath(dir, 259);
    ASSERT_EQ(src.size(), 259u);
    ASSERT_TRUE(WriteFileBytes(src, "original"));
    ChooseSource(src, 3);
    ASSERT_EQ(Text(gui.EditPDFSource.hdl), src);
    Type(gui.EditPasswdOwner, "pw");
    SelectListItems(gui.ListDelete, {1});
    for (T_ELEMENT* b : {&gui.BtnCat, &gui.BtnDelete, &gui.BtnDecrypt, &gui.BtnEncrypt,
                         &gui.BtnRepair, &gui.BtnDumpData, &gui.BtnBurst})
        Click(*b);
    // Only the count and the burst ran: no result name fits beside a 259-character input.
    EXPECT_EQ(Commands().size(), 2u);
    EXPECT_EQ(ReadFile(src), "original");

    std::string accented = dir + "caf\xE9 \xE0 la cr\xE8me v1.2.pdf";
    ASSERT_TRUE(WriteFileBytes(accented, "x"));
    ChooseSource(accented, 2);
    Click(gui.BtnRepair);
    std::vector<std::string> cmds = Commands();
    EXPECT_EQ(cmds.back(), Quoted(gui.szPathExe) + " " + Quoted(accented) + " output " +
                               Quoted(dir + "caf\xE9 \xE0 la cr\xE8me v1.2_fixed.pdf") +
                               "  owner_pw \"pw\"  encrypt_128bit ");
    EXPECT_TRUE(FileExists(dir + "caf\xE9 \xE0 la cr\xE8me v1.2_fixed.pdf"));
}

TEST_F(Robust, LongListEntriesAndFolders)
{
    SelectTab(1);
    std::string longest = DeepPath(dir, 259);
    ASSERT_TRUE(WriteFileBytes(longest, "x"));
    std::string folder = longest.substr(0, longest.rfind('\\') + 1);
    WriteFileBytes(folder + "b.pdf", "x");
    script.folderAnswers.push_back(folder);
    Click(gui.BtnAddDirToList);
    EXPECT_EQ(ListItems(gui.ListPdfFiles).size(), 2u);
    // An entry longer than any path, put there by hand: it is passed over, the others run.
    List_AddItem(gui.ListPdfFiles.hdl, std::string(400, 'q').c_str());
    Click(gui.BtnRepair);
    std::vector<std::string> cmds = Commands();
    ASSERT_EQ(cmds.size(), 1u);  // the 259-character entry has no room for its suffix
    EXPECT_NE(cmds[0].find(folder + "b_fixed.pdf"), std::string::npos);
    script.saveAnswers.push_back(DeepPath(dir, 259, "out"));
    Click(gui.BtnJoin);
    EXPECT_EQ(Commands().size(), 2u);
}

TEST_F(Robust, PasswordsOfEveryShape)
{
    std::string src = dir + "a.pdf";
    WriteFileBytes(src, "x");
    ChooseSource(src, 2);
    const char* samples[] = {"PROMPT", "with blanks  ", "q\"uo\"te", "back\\slash\\",
                             "\\\\\"", "1234567890123456789012345678901"};
    for (const char* pw : samples) {
        Type(gui.EditPasswdOwner, pw);
        Type(gui.EditPasswdUser, "");
        Click(gui.BtnEncrypt);
        std::vector<std::string> args = SplitArgs(Commands().back());
        ASSERT_EQ(args.size(), 7u) << pw;
        EXPECT_EQ(args[4], "owner_pw");
        EXPECT_EQ(args[5], pw);
        EXPECT_EQ(args[6], "encrypt_128bit");
        Click(gui.BtnDecrypt);
        args = SplitArgs(Commands().back());
        ASSERT_EQ(args.size(), 6u);
        EXPECT_EQ(args[3], pw);
    }
    // Forty characters: the first 31 count, in every operation.
    Type(gui.EditPasswdOwner, std::string(40, 'x').c_str());
    Type(gui.EditPasswdUser, std::string(35, 'x').c_str());
    script.messages.clear();
    for (T_ELEMENT* b : {&gui.BtnEncrypt, &gui.BtnCompress, &gui.BtnCat})
        Click(*b);
    ASSERT_EQ(script.messages.size(), 3u);
    for (const ShownMessage& m : script.messages)
        EXPECT_EQ(m.text, szLang_fr[58]);
}

TEST_F(Robust, ThousandFilesAndAJoinPastTheCommandLineLimit)
{
    SelectTab(1);
    std::string sub = dir + std::string(150, 'w') + "\\";
    CreateDirectoryA(sub.c_str(), nullptr);
    std::vector<std::string> files;
    for (int i = 0; i < 1000; ++i) {
        char sz[32];
        snprintf(sz, sizeof(sz), "file%04d.pdf", i);
        files.push_back(sub + sz);
        List_AddItem(gui.ListPdfFiles.hdl, files.back().c_str());
    }
    EXPECT_EQ(ListItems(gui.ListPdfFiles).size(), 1000u);
    script.saveAnswers.push_back(dir + "all");
    Click(gui.BtnJoin);  // about 170,000 characters: the platform refuses to start it
    EXPECT_TRUE(Commands().empty());
    EXPECT_FALSE(FileExists(dir + "all.pdf"));
    EXPECT_TRUE(script.messages.empty());  // and nothing says it worked

    // Up and down on a long list with many selected entries.
    std::vector<int> sel;
    for (int i = 1; i < 1000; i += 3)
        sel.push_back(i);
    SelectListItems(gui.ListPdfFiles, sel);
    Click(gui.BtnUpPdfInList);
    std::vector<std::string> items = ListItems(gui.ListPdfFiles);
    EXPECT_EQ(items[0], files[1]);
    EXPECT_EQ(items[1], files[0]);
    Click(gui.BtnRemovePdfFromList);
    EXPECT_EQ(ListItems(gui.ListPdfFiles).size(), 1000u - sel.size());
}

TEST_F(Robust, TwoThousandPages)
{
    std::string src = dir + "big.pdf";
    WriteFileBytes(src, "x");
    ChooseSource(src, 2000);
    ASSERT_EQ(ListItems(gui.ListDelete).size(), 2000u);
    std::vector<int> sel;
    for (int i = 0; i < 1500; ++i)
        sel.push_back(i < 750 ? i : i + 250);  // pages 1-750 and 1001-1750
    SelectListItems(gui.ListDelete, sel);
    Click(gui.BtnDelete);
    std::vector<std::string> cmds = Commands();
    ASSERT_EQ(cmds.size(), 2u);
    EXPECT_NE(cmds[1].find(" cat  751-1000 1751-end output "), std::string::npos) << cmds[1];
    SendMessageA(gui.CboCatFrom.hdl, CB_SETCURSEL, 1499, 0);
    Click(gui.BtnCat);
    EXPECT_NE(Commands().back().find(" cat 1500-2000 output "), std::string::npos);
}

TEST_F(Robust, ToolMissingOrFailing)
{
    std::string src = dir + "a.pdf";
    WriteFileBytes(src, "x");
    ChooseSource(src, 2);
    lstrcpynA(gui.szPathExe, (dir + "absent\\pdftk.exe").c_str(), sizeof(gui.szPathExe));
    for (T_ELEMENT* b : {&gui.BtnCat, &gui.BtnRepair, &gui.BtnBurst, &gui.BtnDumpData})
        Click(*b);
    EXPECT_TRUE(script.messages.empty());
    script.openAnswers.push_back(src);
    Click(gui.BtnPDFSource);
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_EQ(script.messages[0].text, szLang_fr[60]);
    EXPECT_EQ(ReadFile(src), "x");
}

TEST_F(Robust, ReadOnlyOutputFolder)
{
    std::string ro = dir + "ro\\";
    CreateDirectoryA(ro.c_str(), nullptr);
    std::string src = ro + "a.pdf";
    WriteFileBytes(src, "x");
    SetFileAttributesA(ro.c_str(), FILE_ATTRIBUTE_READONLY);
    ChooseSource(src, 2);  // counted in the temporary folder: still works
    EXPECT_EQ(ListItems(gui.ListDelete).size(), 2u);
    Click(gui.BtnRepair);
    EXPECT_EQ(ReadFile(src), "x");
    SetFileAttributesA(ro.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(Robust, ManyZoomAndLanguageChangesLeaveTheSameLayout)
{
    auto Layout = [&]() {
        std::string s;
        for (T_ELEMENT* e = &gui.Tabs; e <= &gui.CboZoom; ++e) {
            RECT rc;
            GetWindowRect(e->hdl, &rc);
            s += std::to_string(rc.left) + "," + std::to_string(rc.top) + "," +
                 std::to_string(rc.right) + "," + std::to_string(rc.bottom) + ";" + Text(e->hdl);
        }
        return s;
    };
    PickItem(gui.CboZoom, 3);
    PickItem(gui.CboLang, 1);
    std::string once = Layout();
    DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    for (int i = 0; i < 200; ++i) {
        PickItem(gui.CboZoom, i % 11);
        PickItem(gui.CboLang, i % 2);
    }
    PickItem(gui.CboZoom, 3);
    PickItem(gui.CboLang, 1);
    EXPECT_EQ(Layout(), once);
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdi);
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), user);
}

TEST_F(Robust, ReadOnlySettingsFolder)
{
    std::string ro = dir + "cfg\\";
    CreateDirectoryA(ro.c_str(), nullptr);
    lstrcpynA(gui.szPathCfg, (ro + "tandrel.cfg").c_str(), sizeof(gui.szPathCfg));
    WriteFileBytes(gui.szPathCfg, std::string("\x02\x01", 2));
    SetFileAttributesA(gui.szPathCfg, FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA(ro.c_str(), FILE_ATTRIBUTE_READONLY);
    FILE* probe = fopen(gui.szPathCfg, "r+b");
    if (probe) {
        fclose(probe);
        SetFileAttributesA(gui.szPathCfg, FILE_ATTRIBUTE_NORMAL);
        GTEST_SKIP() << "read-only files are writable here (the tests run as root)";
    }
    SendMessageA(gui.hWnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(gui.hWnd));
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_EQ(script.messages[0].text, szLang_fr[62]);
    SetFileAttributesA(gui.szPathCfg, FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadFile(gui.szPathCfg), std::string("\x02\x01", 2));
}
