// The Multiple files page and the per-file operations, with the fake tool.
#include <algorithm>
#include <set>

#include "harness.h"
#include "obj.h"
#include "pdf.h"

class FileList : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        SelectTab(1);
        hList = gui.ListPdfFiles.hdl;
    }
    void Fill(const std::vector<std::string>& items)
    {
        SendMessageA(hList, LB_RESETCONTENT, 0, 0);
        for (const std::string& s : items)
            List_AddItem(hList, s.c_str());
    }
    std::vector<int> Selected()
    {
        int n = (int)SendMessageA(hList, LB_GETSELCOUNT, 0, 0);
        std::vector<int> v((size_t)std::max(n, 0));
        if (n > 0)
            SendMessageA(hList, LB_GETSELITEMS, (WPARAM)n, (LPARAM)v.data());
        return v;
    }
    int Extent() { return (int)SendMessageA(hList, LB_GETHORIZONTALEXTENT, 0, 0); }
    HWND hList = nullptr;
};

TEST_F(FileList, AddRefusesOnlyEqualEntries)
{
    AddToList({"C:\\d\\a.pdf", "C:\\d\\a.pdf", "c:\\D\\A.PDF", "C:\\d\\a.pdf.pdf"});
    EXPECT_EQ(ListItems(gui.ListPdfFiles),
              (std::vector<std::string>{"C:\\d\\a.pdf", "C:\\d\\a.pdf.pdf"}));
    Fill({"C:\\d\\b.pdf.pdf", "C:\\d\\b.pdf"});
    EXPECT_EQ(ListItems(gui.ListPdfFiles).size(), 2u);
    std::string forty = "C:\\" + std::string(33, 'x') + ".pdf";
    ASSERT_EQ(forty.size(), 40u);
    Fill({forty});
    EXPECT_GE(Extent(), 280);
    script.openAnswers.push_back("");
    Click(gui.BtnAddPdfToList);
    EXPECT_EQ(ListItems(gui.ListPdfFiles).size(), 1u);
}

TEST_F(FileList, FolderAddsItsPdfFilesAfterTheListed)
{
    std::string sub = dir + "in\\";
    CreateDirectoryA(sub.c_str(), nullptr);
    for (const char* name : {"one.pdf", "Two.PDF", "notes.txt", "three.pdf"})
        WriteFileBytes(sub + name, "x");
    CreateDirectoryA((sub + "folder.pdf").c_str(), nullptr);
    AddToList({sub + "three.pdf"});
    script.folderAnswers.push_back(sub.substr(0, sub.size() - 1));  // without the separator
    Click(gui.BtnAddDirToList);
    std::vector<std::string> items = ListItems(gui.ListPdfFiles);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0], sub + "three.pdf");
    std::set<std::string> rest(items.begin() + 1, items.end());
    EXPECT_EQ(rest, (std::set<std::string>{sub + "one.pdf", sub + "Two.PDF"}));
    ASSERT_EQ(script.folderTitles.size(), 1u);
    EXPECT_EQ(script.folderTitles[0], "Choisissez un r\xE9pertoire :");

    // With the separator already there, nothing is doubled; cancelling changes nothing.
    script.folderAnswers.push_back(sub);
    script.folderAnswers.push_back("");
    script.folderAnswers.push_back("::not-a-folder");
    for (int i = 0; i < 3; ++i)
        Click(gui.BtnAddDirToList);
    EXPECT_EQ(ListItems(gui.ListPdfFiles), items);
}

TEST_F(FileList, RootOfADrive)
{
    // The drive root of the temporary folder: its pattern is the root's own, "X:\*.pdf".
    std::string root = dir.substr(0, 3);
    std::string probe = root + "tandrel-root-probe.pdf";
    if (!WriteFileBytes(probe, "x"))
        GTEST_SKIP() << "drive root not writable here";
    script.folderAnswers.push_back(root);
    Click(gui.BtnAddDirToList);
    DeleteFileA(probe.c_str());
    std::vector<std::string> items = ListItems(gui.ListPdfFiles);
    EXPECT_NE(std::find(items.begin(), items.end(), probe), items.end());
}

TEST_F(FileList, Remove)
{
    Fill({"A", "B", "C", "D", "E", "F"});
    SelectListItems(gui.ListPdfFiles, {1, 3});
    Click(gui.BtnRemovePdfFromList);
    EXPECT_EQ(ListItems(gui.ListPdfFiles), (std::vector<std::string>{"A", "C", "E", "F"}));
    EXPECT_EQ(Selected(), std::vector<int>{1});

    SelectListItems(gui.ListPdfFiles, {2, 3});
    Click(gui.BtnRemovePdfFromList);
    EXPECT_EQ(ListItems(gui.ListPdfFiles), (std::vector<std::string>{"A", "C"}));
    EXPECT_EQ(Selected(), std::vector<int>{1});

    Fill({std::string(50, 'l'), "short"});
    EXPECT_EQ(Extent(), 350);
    SelectListItems(gui.ListPdfFiles, {0});
    Click(gui.BtnRemovePdfFromList);
    EXPECT_EQ(Extent(), 35);
    SelectListItems(gui.ListPdfFiles, {0});
    Click(gui.BtnRemovePdfFromList);
    EXPECT_TRUE(ListItems(gui.ListPdfFiles).empty());
    EXPECT_EQ(Extent(), 0);
    Click(gui.BtnRemovePdfFromList);  // nothing selected: nothing happens
}

TEST_F(FileList, UpAndDownMoveBlocksAndStopAtTheEnds)
{
    Fill({"A", "B", "C", "D"});
    SelectListItems(gui.ListPdfFiles, {1, 2});
    Click(gui.BtnUpPdfInList);
    EXPECT_EQ(ListItems(gui.ListPdfFiles), (std::vector<std::string>{"B", "C", "A", "D"}));
    EXPECT_EQ(Selected(), (std::vector<int>{0, 1}));
    Click(gui.BtnUpPdfInList);
    EXPECT_EQ(ListItems(gui.ListPdfFiles), (std::vector<std::string>{"B", "C", "A", "D"}));
    Click(gui.BtnDownPdfInList);
    EXPECT_EQ(ListItems(gui.ListPdfFiles), (std::vector<std::string>{"A", "B", "C", "D"}));
    EXPECT_EQ(Selected(), (std::vector<int>{1, 2}));
    Click(gui.BtnDownPdfInList);
    EXPECT_EQ(ListItems(gui.ListPdfFiles), (std::vector<std::string>{"A", "D", "B", "C"}));
    Click(gui.BtnDownPdfInList);
    EXPECT_EQ(ListItems(gui.ListPdfFiles), (std::vector<std::string>{"A", "D", "B", "C"}));

    Fill({"A", "B", "C", "D"});
    SelectListItems(gui.ListPdfFiles, {0, 3});
    Click(gui.BtnUpPdfInList);
    Click(gui.BtnDownPdfInList);
    EXPECT_EQ(ListItems(gui.ListPdfFiles), (std::vector<std::string>{"A", "B", "C", "D"}));
    // A long entry moves whole.
    std::string longItem(300, 'z');
    Fill({"A", longItem});
    SelectListItems(gui.ListPdfFiles, {1});
    Click(gui.BtnUpPdfInList);
    EXPECT_EQ(ListItems(gui.ListPdfFiles), (std::vector<std::string>{longItem, "A"}));
}

// ---------------------------------------------------------------------------------------------

class Batch : public FileList {
protected:
    void SetUp() override
    {
        FileList::SetUp();
        for (const char* name : {"a.pdf", "b.pdf", "c.pdf"}) {
            inputs.push_back(dir + name);
            WriteFileBytes(dir + name, "%PDF-1.4\n");
        }
        exe = Quoted(gui.szPathExe);
    }
    std::vector<std::string> Commands()
    {
        std::vector<std::string> v;
        for (const ToolRun& r : log->Runs())
            v.push_back(r.cmd);
        return v;
    }
    std::vector<std::string> Texts()
    {
        std::vector<std::string> v;
        for (const ShownMessage& m : script.messages)
            v.push_back(m.text);
        return v;
    }
    std::vector<std::string> inputs;
    std::string exe;
};

TEST_F(Batch, JoinInListOrder)
{
    AddToList({inputs[2], inputs[0], inputs[1]});
    struct Case {
        const char* answer;
        const char* output;
    } cases[] = {{"result", "result.pdf"},
                 {"result.txt", "result.pdf"},
                 {"my.file", "my.pdf"},
                 {"out.PDF", "out.pdf"}};
    for (const Case& c : cases) {
        script.saveAnswers.push_back(dir + c.answer);
        Click(gui.BtnJoin);
    }
    std::vector<std::string> cmds = Commands();
    ASSERT_EQ(cmds.size(), 4u);
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(cmds[i], exe + " " + Quoted(inputs[2]) + " " + Quoted(inputs[0]) + " " +
                               Quoted(inputs[1]) + "  cat output " +
                               Quoted(dir + cases[i].output) + " ");
    // A file listed twice (only the list box itself can hold it so) is passed twice.
    SendMessageA(hList, LB_ADDSTRING, 0, (LPARAM)inputs[0].c_str());
    script.saveAnswers.push_back(dir + "twice.pdf");
    Click(gui.BtnJoin);
    EXPECT_EQ(Commands().back(), exe + " " + Quoted(inputs[2]) + " " + Quoted(inputs[0]) + " " +
                                     Quoted(inputs[1]) + " " + Quoted(inputs[0]) +
                                     "  cat output " + Quoted(dir + "twice.pdf") + " ");
    ASSERT_EQ(script.saveRequests.size(), 5u);
    const OPENFILENAMEA& ofn = script.saveRequests[0];
    EXPECT_EQ(ofn.Flags, (DWORD)(OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT));
    EXPECT_EQ(ofn.lStructSize, (DWORD)OPENFILENAME_SIZE_VERSION_400A);
    EXPECT_EQ(ofn.hwndOwner, gui.hWnd);
    EXPECT_EQ(ofn.nMaxFile, 260u);
    EXPECT_EQ(ofn.lpstrDefExt, nullptr);
}

TEST_F(Batch, JoinRefusalsAndOptions)
{
    SelectTab(1);
    Click(gui.BtnJoin);
    AddToList({inputs[0]});
    Type(gui.EditPasswdOwner, "pw");
    Type(gui.EditPasswdUser, "pw");
    Click(gui.BtnJoin);
    AddToList({inputs[1]});
    Click(gui.BtnJoin);
    EXPECT_EQ(Texts(), (std::vector<std::string>{szLang_fr[56], szLang_fr[56], szLang_fr[58]}));
    EXPECT_TRUE(script.saveRequests.empty());

    Type(gui.EditPasswdOwner, "");
    script.saveAnswers.push_back("");  // cancelled
    Click(gui.BtnJoin);
    EXPECT_TRUE(Commands().empty());

    // A user password alone: the options name it and no owner password. Another page may show.
    SelectTab(3);
    script.saveAnswers.push_back(dir + "j");
    JoinPDF(&gui);
    std::vector<std::string> cmds = Commands();
    ASSERT_EQ(cmds.size(), 1u);
    EXPECT_EQ(cmds[0], exe + " " + Quoted(inputs[0]) + " " + Quoted(inputs[1]) +
                           "  cat output " + Quoted(dir + "j.pdf") +
                           "  user_pw \"pw\"  encrypt_128bit ");
}

TEST_F(Batch, PerFileOperationsOnTheSourceFile)
{
    SelectTab(0);
    ChooseSource(inputs[0], 3);
    Type(gui.EditPasswdUser, "u");
    const std::string opts = "  user_pw \"u\"  encrypt_128bit ";
    script.openAnswers.push_back(dir + "bg.pdf");
    for (T_ELEMENT* b : {&gui.BtnEncrypt, &gui.BtnCompress, &gui.BtnUncompress, &gui.BtnRepair,
                         &gui.BtnBackground, &gui.BtnDumpData, &gui.BtnDumpDataFields})
        Click(*b);
    std::string in = Quoted(inputs[0]);
    std::vector<std::string> expected = {
        exe + " " + in + " output " + Quoted(dir + "a_sec.pdf") + opts,
        exe + " " + in + " output " + Quoted(dir + "a_compress.pdf") + " compress" + opts,
        exe + " " + in + " output " + Quoted(dir + "a_uncompress.pdf") + " uncompress" + opts,
        exe + " " + in + " output " + Quoted(dir + "a_fixed.pdf") + opts,
        exe + " " + in + " background " + Quoted(dir + "bg.pdf") + " output " +
            Quoted(dir + "a_bg.pdf"),
        exe + " " + in + " dumpdata output " + Quoted(dir + "a_dump.txt"),
        exe + " " + in + " dump_data_fields output " + Quoted(dir + "a_fields.txt"),
    };
    std::vector<std::string> cmds = Commands();
    cmds.erase(cmds.begin());  // the page count
    EXPECT_EQ(cmds, expected);
    // Only re-compress shows its command, and only here.
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_EQ(script.messages[0].text, expected[1]);
    EXPECT_EQ(script.messages[0].uType, (UINT)MB_ICONERROR);
    EXPECT_EQ(script.messages[0].caption, "TANDREL");
    for (const char* out : {"a_sec.pdf", "a_compress.pdf", "a_dump.txt", "a_fields.txt"})
        EXPECT_TRUE(FileExists(dir + out)) << out;
}

TEST_F(Batch, PerFileOperationsOnEveryListedFile)
{
    AddToList(inputs);
    script.openAnswers.push_back(dir + "bg.pdf");
    for (T_ELEMENT* b : {&gui.BtnRepair, &gui.BtnBackground, &gui.BtnCompress})
        Click(*b);
    std::vector<std::string> cmds = Commands();
    ASSERT_EQ(cmds.size(), 9u);
    const char* names[] = {"a", "b", "c"};
    for (size_t i = 0; i < 3; ++i) {
        std::string in = Quoted(inputs[i]);
        EXPECT_EQ(cmds[i], exe + " " + in + " output " +
                               Quoted(dir + names[i] + "_fixed.pdf") + " ");
        EXPECT_EQ(cmds[3 + i], exe + " " + in + " background " + Quoted(dir + "bg.pdf") +
                                   " output " + Quoted(dir + names[i] + "_bg.pdf"));
        EXPECT_EQ(cmds[6 + i], exe + " " + in + " output " +
                                   Quoted(dir + names[i] + "_compress.pdf") + " compress ");
    }
    EXPECT_TRUE(script.messages.empty());
    EXPECT_EQ(script.openRequests.back().Flags,
              (DWORD)(OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST));
}

TEST_F(Batch, MessagesAndTheirPrecedence)
{
    struct Case {
        int tab;
        T_ELEMENT* button;
        const char* owner;
        const char* user;
        int text;  // -1: none
    } cases[] = {
        {1, &gui.BtnEncrypt, "p", "p", 55},   {1, &gui.BtnBurst, "", "", 55},
        {1, &gui.BtnDumpData, "", "", 55},    {0, &gui.BtnRepair, "p", "p", 54},
        {0, &gui.BtnBurst, "", "", 54},       {2, &gui.BtnEncrypt, "", "", 57},
        {3, &gui.BtnEncrypt, "x", "x", 58},   {2, &gui.BtnCompress, "x", "x", 58},
        {3, &gui.BtnUncompress, "a", "b", -1}, {2, &gui.BtnDumpData, "", "", -1},
        {3, &gui.BtnBurst, "", "", -1},       {2, &gui.BtnDumpDataFields, "", "", -1},
    };
    for (const Case& c : cases) {
        SelectTab(c.tab);
        Type(gui.EditPasswdOwner, c.owner);
        Type(gui.EditPasswdUser, c.user);
        script.messages.clear();
        Click(*c.button);
        if (c.text < 0) {
            EXPECT_TRUE(script.messages.empty()) << c.tab;
        } else {
            ASSERT_EQ(script.messages.size(), 1u) << c.tab << " " << c.text;
            EXPECT_EQ(script.messages[0].text, szLang_fr[c.text]);
            EXPECT_EQ(script.messages[0].uType, (UINT)MB_ICONERROR);
        }
    }
    EXPECT_TRUE(Commands().empty());
    // The background dialog opens on the Settings page, but nothing runs whatever the answer.
    SelectTab(2);
    script.openAnswers.push_back(dir + "bg.pdf");
    Click(gui.BtnBackground);
    EXPECT_EQ(script.openRequests.size(), 1u);
    SelectTab(1);
    AddToList({inputs[0]});
    script.openAnswers.push_back("");
    Click(gui.BtnBackground);
    EXPECT_TRUE(Commands().empty());
}

TEST_F(Batch, AToolFailingMidListDoesNotStopTheOthers)
{
    AddToList(inputs);
    SetEnv("TANDREL_FAKE_FAIL_ON", "b.pdf");
    Click(gui.BtnRepair);
    EXPECT_TRUE(FileExists(dir + "a_fixed.pdf"));
    EXPECT_FALSE(FileExists(dir + "b_fixed.pdf"));
    EXPECT_TRUE(FileExists(dir + "c_fixed.pdf"));
    // An input gone since it was listed: its command still runs; the next one too.
    SetEnv("TANDREL_FAKE_FAIL_ON", nullptr);
    DeleteFileA(inputs[0].c_str());
    Click(gui.BtnUncompress);
    EXPECT_EQ(Commands().size(), 6u);
}

TEST_F(Batch, BurstGathersEachFilesPagesInItsOwnFolder)
{
    std::string other = dir + "other\\";
    CreateDirectoryA(other.c_str(), nullptr);
    WriteFileBytes(other + "pg_scan.pdf", "%PDF-1.4\n");
    AddToList({inputs[0], other + "pg_scan.pdf"});
    SetCurrentDirectoryA(dir.c_str());
    SetEnv("TANDREL_FAKE_PAGES", "3");
    Click(gui.BtnBurst);
    std::vector<ToolRun> runs = log->Runs();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].cmd, exe + " " + Quoted(inputs[0]) + " burst output pg_%03d.pdf");
    EXPECT_EQ(runs[0].cwd + "\\", dir);
    EXPECT_EQ(runs[1].cwd + "\\", other);
    for (const std::string& folder : {dir + "a\\", other + "pg_scan\\"}) {
        for (const char* f : {"pg_001.pdf", "pg_002.pdf", "pg_003.pdf", "doc_data.txt"})
            EXPECT_TRUE(FileExists(folder + f)) << folder << f;
    }
    EXPECT_FALSE(FileExists(dir + "pg_001.pdf"));
    EXPECT_FALSE(FileExists(other + "pg_001.pdf"));
    // The input stays where it was, though its name matches the pages' pattern.
    EXPECT_TRUE(FileExists(other + "pg_scan.pdf"));

    // A second burst: the pages find their namesakes and stay beside the input.
    SelectListItems(gui.ListPdfFiles, {1});
    Click(gui.BtnRemovePdfFromList);
    Click(gui.BtnBurst);
    EXPECT_TRUE(FileExists(dir + "pg_001.pdf"));
    EXPECT_TRUE(FileExists(dir + "a\\pg_001.pdf"));
}

TEST_F(Batch, MoveFilesReportsMatches)
{
    std::string to = dir + "to\\";
    CreateDirectoryA(to.c_str(), nullptr);
    WriteFileBytes(dir + "pg_1000.pdf", "x");
    WriteFileBytes(dir + "pg_keep.pdf", "x");
    EXPECT_EQ(cmdMoveFiles(dir.c_str(), "pg_*.pdf", to.c_str(), "pg_keep.pdf"), 1);
    EXPECT_TRUE(FileExists(to + "pg_1000.pdf"));
    EXPECT_TRUE(FileExists(dir + "pg_keep.pdf"));
    EXPECT_EQ(cmdMoveFiles(dir.c_str(), "none_*.pdf", to.c_str()), 0);
}

TEST_F(Batch, BurstOnTheSourceFileOfAnotherFolder)
{
    SelectTab(0);
    ChooseSource(inputs[1], 2);
    SetCurrentDirectoryA("C:\\");
    Click(gui.BtnBurst);
    EXPECT_TRUE(FileExists(dir + "b\\pg_002.pdf"));
    EXPECT_TRUE(FileExists(dir + "b\\doc_data.txt"));
}
