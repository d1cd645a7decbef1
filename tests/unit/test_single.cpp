// The Single file page with the fake tool: source choice, page copy, deletion, decryption.
#include "harness.h"
#include "pdf.h"

class SingleFile : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        src = dir + "a.pdf";
        ASSERT_TRUE(WriteFileBytes(src, "%PDF-1.4\n"));
    }
    std::string Exe() { return Quoted(gui.szPathExe); }
    // The command lines the tool received after the page count.
    std::vector<std::string> Commands(size_t nSkip = 1)
    {
        std::vector<std::string> v;
        std::vector<ToolRun> runs = log->Runs();
        for (size_t i = nSkip; i < runs.size(); ++i)
            v.push_back(runs[i].cmd);
        return v;
    }
    std::string src;
};

TEST_F(SingleFile, ChoiceFillsThePageLists)
{
    ChooseSource(src, 3);
    EXPECT_EQ(Text(gui.EditPDFSource.hdl), src);
    std::vector<std::string> expected = {"page    1", "page    2", "page    3"};
    EXPECT_EQ(ListItems(gui.ListDelete), expected);
    EXPECT_EQ(ListItems(gui.CboCatFrom), expected);
    EXPECT_EQ(ListItems(gui.CboCatTo), expected);
    EXPECT_EQ(SendMessageA(gui.CboCatFrom.hdl, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(SendMessageA(gui.CboCatTo.hdl, CB_GETCURSEL, 0, 0), 2);
    EXPECT_EQ(SendMessageA(gui.ListDelete.hdl, LB_GETSELCOUNT, 0, 0), 0);

    // The count: the file's data dumped into a fresh file of the temporary folder, then gone.
    std::vector<ToolRun> runs = log->Runs();
    ASSERT_EQ(runs.size(), 1u);
    std::vector<std::string> args = SplitArgs(runs[0].cmd);
    ASSERT_EQ(args.size(), 5u);
    EXPECT_EQ(args[0], gui.szPathExe);
    EXPECT_EQ(args[1], src);
    EXPECT_EQ(args[2], "dumpdata");
    EXPECT_EQ(args[3], "output");
    char szTemp[MAX_PATH];
    GetTempPathA(sizeof(szTemp), szTemp);
    EXPECT_EQ(args[4].compare(0, strlen(szTemp), szTemp), 0) << args[4];
    EXPECT_FALSE(FileExists(args[4]));
    EXPECT_EQ(runs[0].cmd, Exe() + " " + Quoted(src) + " dumpdata output " + Quoted(args[4]));

    // The dialog's settings.
    ASSERT_EQ(script.openRequests.size(), 1u);
    const OPENFILENAMEA& ofn = script.openRequests[0];
    EXPECT_EQ(ofn.lStructSize, (DWORD)OPENFILENAME_SIZE_VERSION_400A);
    if (sizeof(void*) == 4) {
        EXPECT_EQ(ofn.lStructSize, 76u);
    }
    EXPECT_EQ(ofn.hwndOwner, gui.hWnd);
    EXPECT_EQ(ofn.nFilterIndex, 1u);
    EXPECT_EQ(ofn.nMaxFile, 260u);
    EXPECT_EQ(ofn.Flags, (DWORD)(OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST));
    EXPECT_EQ(script.openFilters[0], "Fichiers PDF (*.pdf)|*.pdf|Tous les fichiers (*.*)|*.*|");
    EXPECT_EQ(ofn.lpstrTitle, nullptr);
    EXPECT_EQ(ofn.lpstrInitialDir, nullptr);
}

TEST_F(SingleFile, ManyDigitPagesAndASecondChoice)
{
    ChooseSource(src, 12345);
    std::vector<std::string> items = ListItems(gui.CboCatTo);
    ASSERT_EQ(items.size(), 12345u);
    EXPECT_EQ(items[999], "page 1000");
    EXPECT_EQ(items.back(), "page 12345");
    EXPECT_EQ(SendMessageA(gui.CboCatTo.hdl, CB_GETCURSEL, 0, 0), 12344);
    SelectListItems(gui.ListDelete, {5});
    ChooseSource(src, 2);
    EXPECT_EQ(ListItems(gui.ListDelete).size(), 2u);
    EXPECT_EQ(SendMessageA(gui.ListDelete.hdl, LB_GETSELCOUNT, 0, 0), 0);
}

TEST_F(SingleFile, CancelKeepsAndUnreadableEmptiesOnlyTheBox)
{
    ChooseSource(src, 3);
    script.openAnswers.push_back("");  // Cancel
    Click(gui.BtnPDFSource);
    EXPECT_EQ(Text(gui.EditPDFSource.hdl), src);
    EXPECT_EQ(ListItems(gui.ListDelete).size(), 3u);
    EXPECT_TRUE(script.messages.empty());

    std::string bad = dir + "bad.pdf";
    SetEnv("TANDREL_FAKE_FAIL_ON", "bad.pdf");
    ChooseSource(bad, 3);
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_EQ(script.messages[0].text, szLang_fr[60]);
    EXPECT_EQ(script.messages[0].caption, "TANDREL");
    EXPECT_EQ(script.messages[0].uType, (UINT)MB_ICONERROR);
    EXPECT_EQ(script.messages[0].hOwner, gui.hWnd);
    EXPECT_EQ(Text(gui.EditPDFSource.hdl), "");
    EXPECT_EQ(ListItems(gui.ListDelete).size(), 3u);
    // No pass-word retry without passwords.
    EXPECT_EQ(log->Runs().size(), 2u);
}

TEST_F(SingleFile, PageCopyCommands)
{
    struct Case {
        int from, to;
        T_ELEMENT* choice;
        const char* middle;
    } cases[] = {
        {1, 12, &gui.OptCatAll, " cat 1-12 output "},
        {1, 12, &gui.OptCatOdd, " cat 1-12odd  output "},
        {2, 5, &gui.OptCatEven, " cat 2-5even  output "},
        {9, 2, &gui.OptCatAll, " cat 9-2 output "},
    };
    ChooseSource(src, 12);
    for (const Case& c : cases) {
        SendMessageA(gui.CboCatFrom.hdl, CB_SETCURSEL, (WPARAM)(c.from - 1), 0);
        SendMessageA(gui.CboCatTo.hdl, CB_SETCURSEL, (WPARAM)(c.to - 1), 0);
        Click(*c.choice);
        Click(gui.BtnCat);
    }
    std::vector<std::string> cmds = Commands();
    ASSERT_EQ(cmds.size(), 4u);
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(cmds[i], Exe() + " " + Quoted(src) + cases[i].middle +
                               Quoted(dir + "a_cat.pdf") + " ");
    EXPECT_TRUE(FileExists(dir + "a_cat.pdf"));
}

TEST_F(SingleFile, SecurityOptionsFollowTheOutput)
{
    ChooseSource(src, 4);
    Type(gui.EditPasswdOwner, "own");
    Click(gui.ChkAuthPrintTop);
    Click(gui.ChkAuthCopy);
    Click(gui.BtnCat);
    SelectListItems(gui.ListDelete, {1});
    Click(gui.BtnDelete);
    std::vector<std::string> cmds = Commands();
    ASSERT_EQ(cmds.size(), 2u);
    const std::string options =
        "  owner_pw \"own\"  encrypt_128bit  allow Printing  allow CopyContents ";
    EXPECT_EQ(cmds[0], Exe() + " " + Quoted(src) + " cat 1-4 output " +
                           Quoted(dir + "a_cat.pdf") + options);
    EXPECT_EQ(cmds[1], Exe() + " " + Quoted(src) + " cat  1-1 3-end output " +
                           Quoted(dir + "a_remove.pdf") + options);
}

TEST_F(SingleFile, DeletionKeepLists)
{
    struct Case {
        std::vector<int> sel;
        int pages;
        const char* keep;
    } cases[] = {
        // The list box's own selection, through to the command; the ranges themselves are
        // tested as text.
        {{1, 4, 8}, 10, " 1-1 3-4 6-8 10-end"},
        {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 10, ""},
        {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}, 20, " 19-end"},
    };
    for (const Case& c : cases) {
        ChooseSource(src, c.pages);
        SelectListItems(gui.ListDelete, c.sel);
        Click(gui.BtnDelete);
        std::vector<ToolRun> runs = log->Runs();
        ASSERT_FALSE(runs.empty());
        EXPECT_EQ(runs.back().cmd, Exe() + " " + Quoted(src) + " cat " + c.keep + " output " +
                                       Quoted(dir + "a_remove.pdf") + " ");
    }
}

TEST_F(SingleFile, RefusalsAndTheirOrder)
{
    // No source: text 54, even with equal passwords, in every operation.
    Type(gui.EditPasswdOwner, "same");
    Type(gui.EditPasswdUser, "same");
    for (T_ELEMENT* b : {&gui.BtnCat, &gui.BtnDelete, &gui.BtnDecrypt}) {
        script.messages.clear();
        Click(*b);
        ASSERT_EQ(script.messages.size(), 1u);
        EXPECT_EQ(script.messages[0].text, szLang_fr[54]);
        EXPECT_EQ(script.messages[0].uType, (UINT)MB_ICONERROR);
    }
    ChooseSource(src, 3);
    SelectListItems(gui.ListDelete, {0});
    for (T_ELEMENT* b : {&gui.BtnCat, &gui.BtnDelete}) {
        script.messages.clear();
        Click(*b);
        ASSERT_EQ(script.messages.size(), 1u);
        EXPECT_EQ(script.messages[0].text, szLang_fr[58]);
    }
    // Letter case makes passwords different.
    Type(gui.EditPasswdUser, "Same");
    script.messages.clear();
    Click(gui.BtnCat);
    EXPECT_TRUE(script.messages.empty());
    EXPECT_EQ(Commands().size(), 1u);

    // Nothing selected: nothing to delete, nothing runs.
    SelectListItems(gui.ListDelete, {});
    Click(gui.BtnDelete);
    EXPECT_EQ(Commands().size(), 1u);
    EXPECT_TRUE(script.messages.empty());
}

TEST_F(SingleFile, DecryptUsesTheOwnerPasswordAlone)
{
    ChooseSource(src, 3);
    Type(gui.EditPasswdUser, "user");
    Click(gui.BtnDecrypt);
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_EQ(script.messages[0].text, szLang_fr[59]);
    EXPECT_EQ(script.messages[0].uType, (UINT)MB_OK);
    EXPECT_TRUE(Commands().empty());

    Type(gui.EditPasswdOwner, "owner pw");
    Click(gui.BtnDecrypt);
    std::vector<std::string> cmds = Commands();
    ASSERT_EQ(cmds.size(), 1u);
    EXPECT_EQ(cmds[0], Exe() + " " + Quoted(src) + " input_pw \"owner pw\" output " +
                           Quoted(dir + "a_unsec.pdf"));
}

TEST_F(SingleFile, PasswordsReachTheToolByteForByte)
{
    const char* owner = "a\" output \"x.pdf";
    const char* user = "ends\\";
    ChooseSource(src, 2);
    Type(gui.EditPasswdOwner, owner);
    Type(gui.EditPasswdUser, user);
    Click(gui.BtnCat);
    Click(gui.BtnDecrypt);
    std::vector<std::string> cmds = Commands();
    ASSERT_EQ(cmds.size(), 2u);
    std::vector<std::string> cat = SplitArgs(cmds[0]);
    ASSERT_EQ(cat.size(), 11u);
    EXPECT_EQ(cat[6], "owner_pw");
    EXPECT_EQ(cat[7], owner);
    EXPECT_EQ(cat[8], "user_pw");
    EXPECT_EQ(cat[9], user);
    EXPECT_EQ(cat[10], "encrypt_128bit");
    std::vector<std::string> dec = SplitArgs(cmds[1]);
    ASSERT_EQ(dec.size(), 6u);
    EXPECT_EQ(dec[3], owner);
    EXPECT_EQ(dec[5], dir + "a_unsec.pdf");
}

TEST_F(SingleFile, LongPasswordsAreCut)
{
    ChooseSource(src, 2);
    std::string forty(40, 'p');
    Type(gui.EditPasswdOwner, forty.c_str());
    Click(gui.BtnCat);
    std::vector<std::string> args = SplitArgs(Commands().at(0));
    ASSERT_GE(args.size(), 8u);
    EXPECT_EQ(args[7], std::string(31, 'p'));
}

TEST_F(SingleFile, NoOutputNameNoRun)
{
    // So long that no suffix fits: the tool would be told to write over its input.
    std::string deep = dir + std::string(252 - dir.size(), 'd') + ".pdf";
    ASSERT_EQ(deep.size(), 256u);
    ASSERT_TRUE(WriteFileBytes(deep, "%PDF-1.4\n"));
    ChooseSource(deep, 3);
    ASSERT_EQ(Text(gui.EditPDFSource.hdl), deep);
    Type(gui.EditPasswdOwner, "pw");
    SelectListItems(gui.ListDelete, {0});
    for (T_ELEMENT* b : {&gui.BtnCat, &gui.BtnDelete, &gui.BtnDecrypt})
        Click(*b);
    EXPECT_TRUE(Commands().empty());
    EXPECT_EQ(ReadFile(deep), "%PDF-1.4\n");
}

TEST_F(SingleFile, ProtectedFileIsCountedWithThePasswords)
{
    SetEnv("TANDREL_FAKE_PASSWORD", "sesame");
    struct Case {
        const char* owner;
        const char* user;
        size_t runs;
        bool found;
    } cases[] = {
        {"", "", 1, false},
        {"sesame", "", 2, true},
        {"wrong", "sesame", 3, true},
        {"", "sesame", 2, true},
        {"wrong", "", 2, false},
        {"wrong", "bad", 3, false},
    };
    for (const Case& c : cases) {
        DeleteFileA(log->path.c_str());
        script.messages.clear();
        Type(gui.EditPasswdOwner, c.owner);
        Type(gui.EditPasswdUser, c.user);
        ChooseSource(src, 2);
        std::vector<ToolRun> runs = log->Runs();
        ASSERT_EQ(runs.size(), c.runs) << c.owner << "/" << c.user;
        EXPECT_EQ(runs[0].cmd.find("input_pw"), std::string::npos);
        std::vector<const char*> tried;
        if (*c.owner)
            tried.push_back(c.owner);
        if (*c.user)
            tried.push_back(c.user);
        for (size_t i = 1; i < runs.size(); ++i) {
            std::vector<std::string> args = SplitArgs(runs[i].cmd);
            ASSERT_EQ(args.size(), 7u);
            EXPECT_EQ(args[2], "input_pw");
            EXPECT_EQ(args[3], tried[i - 1]);
            EXPECT_EQ(args[4], "dumpdata");
            EXPECT_EQ(runs[i].cmd, Exe() + " " + Quoted(src) + " input_pw " +
                                       Quoted(tried[i - 1]) + " dumpdata output " +
                                       Quoted(args[6]));
        }
        EXPECT_EQ(Text(gui.EditPDFSource.hdl), c.found ? src : "");
        EXPECT_EQ(script.messages.size(), c.found ? 0u : 1u);
    }
    // A file that opens without a password is counted once, whatever the boxes hold.
    SetEnv("TANDREL_FAKE_PASSWORD", nullptr);
    DeleteFileA(log->path.c_str());
    Type(gui.EditPasswdOwner, "sesame");
    ChooseSource(src, 2);
    EXPECT_EQ(log->Runs().size(), 1u);
}

// ---------------------------------------------------------------------------------------------

static std::string hookCaption, hookText;
static HHOOK hHook;

static LRESULT CALLBACK ReadMessageBox(int nCode, WPARAM wParam, LPARAM lParam)
{
    char szBoxClass[16] = {0};
    GetClassNameA((HWND)wParam, szBoxClass, sizeof(szBoxClass));
    if (nCode == HCBT_ACTIVATE && strcmp(szBoxClass, "#32770") == 0) {
        HWND hBox = (HWND)wParam;
        char sz[512] = {0};
        GetWindowTextA(hBox, sz, sizeof(sz));
        hookCaption = sz;
        hookText.clear();
        // The text is the box's longest static text (the icon is a static too).
        for (HWND h = GetWindow(hBox, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
            char szClass[16] = {0};
            GetClassNameA(h, szClass, sizeof(szClass));
            GetWindowTextA(h, sz, sizeof(sz));
            if (lstrcmpiA(szClass, "Static") == 0 && strlen(sz) > hookText.size())
                hookText = sz;
        }
        PostMessageA(hBox, WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(hHook, nCode, wParam, lParam);
}

TEST_F(SingleFile, ThePlatformMessageBoxCarriesCaptionAndText)
{
    dialogs.MessageBox = MessageBoxA;
    uiApplyText(&gui, szLang_en);
    hHook = SetWindowsHookExA(WH_CBT, ReadMessageBox, nullptr, GetCurrentThreadId());
    ASSERT_NE(hHook, nullptr);
    Click(gui.BtnCat);  // no source chosen
    UnhookWindowsHookEx(hHook);
    EXPECT_EQ(hookCaption, "TANDREL");
    EXPECT_EQ(hookText, "Choose a PDF file first.");
}
