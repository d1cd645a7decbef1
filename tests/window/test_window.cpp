// The window itself: its controls at every tested zoom, its texts in both languages, the tab
// pages, the permission boxes and the settings file.
#include "harness.h"
#include "layout.h"

namespace {

class Window : public WindowTest {};

TEST_F(Window, LayoutFontAndCaptionsAtZoomStepsInBothLanguages)
{
    const int fontHeights[] = {14, 15, 16, 18, 19, 21, 22, 23, 25, 26, 28};
    std::vector<HWND> rows = LayoutControls(gui.hWnd);
    ExpectLayout(gui.hWnd, rows, 0);
    Tab(TAB_CONFIG);
    for (int nStep : {2, 7, 10, 5, 0, 9}) {
        int nLang = nStep % 2;
        Pick(gui.CboZoom, nStep);
        Pick(gui.CboLang, nLang); // a language change keeps the scale
        EXPECT_EQ(guicfg.zoom, nStep);
        EXPECT_EQ(guicfg.lang, nLang);
        if (nStep == 2) // the larger windows do not fit the headless screen
            ExpectLayout(gui.hWnd, rows, nStep);
        EXPECT_EQ(Crc32(Text(rows[0]).c_str()), textCrc[TXT_STATUS][nLang]);
        for (int n = 1; n <= kLayoutRows; ++n) {
            HWND h = rows[(size_t)n];
            LOGFONTA lf = {};
            GetObjectA((HFONT)SendMessageA(h, WM_GETFONT, 0, 0), sizeof(lf), &lf);
            EXPECT_EQ(lf.lfHeight, fontHeights[nStep]);
            EXPECT_EQ(lf.lfWeight, FW_MEDIUM);
            EXPECT_STREQ(lf.lfFaceName, "Microsoft Sans Serif");
            int nText = kLayout[n - 1].nText;
            if (nText == TXT_ABOUT) {
                EXPECT_EQ(Text(h), (nLang == LNG_ENGLISH ? szLang_en : szLang_fr)[TXT_ABOUT]);
            } else if (nText >= 0) {
                EXPECT_EQ(Crc32(Text(h).c_str()), textCrc[nText][nLang]) << "row " << n;
            }
        }
        // The pages of the tab control relabelled in place, the status bar along the bottom.
        for (int nTab = 0; nTab < TAB_COUNT; ++nTab) {
            char szTab[64] = {0};
            TCITEMA tie = {};
            tie.mask = TCIF_TEXT;
            tie.pszText = szTab;
            tie.cchTextMax = sizeof(szTab);
            SendMessageA(gui.Tabs.hdl, TCM_GETITEMA, nTab, (LPARAM)&tie);
            EXPECT_EQ(Crc32(szTab), textCrc[TXT_TAB_SINGLE + nTab][nLang]);
        }
        RECT client, status;
        GetClientRect(gui.hWnd, &client);
        GetWindowRect(rows[0], &status);
        MapWindowPoints(nullptr, gui.hWnd, (POINT*)&status, 2);
        EXPECT_EQ(status.bottom, client.bottom);
    }
    EXPECT_EQ(Text(gui.hWnd), "TANDREL");
}

TEST_F(Window, EveryTextOfBothTables)
{
    for (int nLang : {LNG_FRENCH, LNG_ENGLISH}) {
        const char* const* table = nLang == LNG_ENGLISH ? szLang_en : szLang_fr;
        for (int i = 0; i < TXT_COUNT; ++i) {
            if (i != TXT_ABOUT) {
                EXPECT_EQ(Crc32(table[i]), textCrc[i][nLang]) << "text " << i << ": " << table[i];
            }
        }
        // Twelve lines: the name first, the version on line 6, lines 2, 5, 7, 9 and 11 empty.
        std::string about = std::string(table[TXT_ABOUT]) + "\r\n", line;
        std::vector<std::string> lines;
        for (size_t pos = 0, end; (end = about.find("\r\n", pos)) != std::string::npos;
             pos = end + 2)
            lines.push_back(about.substr(pos, end - pos));
        ASSERT_EQ(lines.size(), 12u);
        EXPECT_EQ(lines[0].compare(0, 7, "TANDREL"), 0);
        EXPECT_NE(lines[5].find("1.0.0"), std::string::npos);
        for (int nEmpty : {1, 4, 6, 8, 10})
            EXPECT_EQ(lines[nEmpty], "");
    }
}

TEST_F(Window, EachTabShowsItsPageAndShowingAgainForgetsItsWork)
{
    // Creation indices after the tab control: the panel, then the four pages.
    const int firstOfPage[] = {28, 45, 52, 56, kLayoutRows};
    std::vector<HWND> all = LayoutControls(gui.hWnd);
    for (int nTab : {TAB_MULTI, TAB_CONFIG, TAB_ABOUT, TAB_SINGLE}) {
        Tab(nTab);
        for (int i = 0; i < kLayoutRows; ++i) {
            bool bShown =
                i < firstOfPage[0] || (i >= firstOfPage[nTab] && i < firstOfPage[nTab + 1]);
            EXPECT_EQ(IsWindowVisible(all[1 + i]) != FALSE, bShown)
                << "tab " << nTab << " row " << i + 1;
        }
    }
    WriteFile(dir + "in.pdf", "%PDF");
    Choose(dir + "in.pdf", 5);
    Click(gui.OptCatOdd);
    Type(gui.EditPasswdOwner, "kept");
    Click(gui.OptEncrypt40);
    Tab(TAB_MULTI);
    Add({dir + "a.pdf"});
    Tab(TAB_SINGLE);
    EXPECT_EQ(Text(gui.EditPDFSource.hdl), "");
    EXPECT_TRUE(Items(gui.ListDelete).empty() && Items(gui.CboCatFrom).empty() &&
                Items(gui.CboCatTo).empty());
    EXPECT_TRUE(uiIsChecked(gui.OptCatAll.hdl) && !uiIsChecked(gui.OptCatOdd.hdl));
    Tab(TAB_MULTI);
    EXPECT_TRUE(Items(gui.ListPdfFiles).empty());
    EXPECT_EQ(SendMessageA(gui.ListPdfFiles.hdl, LB_GETHORIZONTALEXTENT, 0, 0), 0);
    EXPECT_EQ(Text(gui.EditPasswdOwner.hdl), "kept");
    EXPECT_TRUE(uiIsChecked(gui.OptEncrypt40.hdl) && !uiIsChecked(gui.OptEncrypt128.hdl));
}

TEST_F(Window, PermissionBoxesImplyExcludeAndLock)
{
    T_ELEMENT* boxes[] = {&gui.ChkAuthAll,    &gui.ChkAuthPrintTop, &gui.ChkAuthPrintLow,
                          &gui.ChkAuthModify, &gui.ChkAuthAssembly, &gui.ChkAuthCopy,
                          &gui.ChkAuthRead,   &gui.ChkAuthCreate,   &gui.ChkAuthFillin};
    struct {
        std::vector<int> clicks; // box indices, in order
        const char* state;       // per box: '.' unchecked, 'x' checked; capital: greyed
    } cases[] = {
        {{0}, "xX.XXXXXX"},       {{0, 0}, "........."},    {{1, 2}, "..x......"},
        {{2, 1}, ".x......."},    {{1, 1}, "........."},    {{4, 3}, "...xX...."},
        {{4, 3, 3}, "........."}, {{6, 5}, ".....xX.."},    {{8, 7}, ".......xX"},
        {{4, 6, 8}, "....x.x.x"}, {{3, 0, 0}, "........."}, {{1, 0}, "xX.XXXXXX"},
    };
    for (const auto& c : cases) {
        for (T_ELEMENT* b : boxes) {
            SendMessageA(b->hdl, BM_SETCHECK, BST_UNCHECKED, 0);
            EnableWindow(b->hdl, TRUE);
        }
        for (int i : c.clicks)
            Click(*boxes[i]);
        std::string state;
        for (T_ELEMENT* b : boxes) {
            char ch = uiIsChecked(b->hdl) ? 'x' : '.';
            state += IsWindowEnabled(b->hdl) ? ch : (char)toupper(ch);
        }
        EXPECT_EQ(state, c.state) << c.clicks.size() << " clicks from box " << c.clicks[0];
    }
}

TEST_F(Window, SettingsFileChoosesLanguageAndZoom)
{
    struct {
        std::string bytes;
        int zoom, lang;
        std::string saved;
    } cases[] = {
        {std::string("\x05\x01", 2), 5, LNG_ENGLISH, std::string("\x05\x01", 2)},
        {std::string("\x0B\x01", 2), 0, LNG_ENGLISH, std::string("\x00\x01", 2)},
        {std::string("\x03\x02", 2), 3, LNG_FRENCH, std::string("\x03\x00", 2)},
        {std::string("\x0A\x00\x07", 3), 10, LNG_FRENCH, std::string("\x0A\x00", 2)},
        {std::string("\x04", 1), 0, LNG_FRENCH, std::string("\x00\x00", 2)},
        {"", 0, LNG_FRENCH, std::string("\x00\x00", 2)},
        {std::string("\xFF\xFF", 2), 0, LNG_FRENCH, std::string("\x00\x00", 2)},
    };
    for (const auto& c : cases) {
        Destroy();
        WriteFile(gui.szPathCfg, c.bytes);
        Create();
        LOGFONTA lf = {};
        GetObjectA((HFONT)SendMessageA(gui.BtnJoin.hdl, WM_GETFONT, 0, 0), sizeof(lf), &lf);
        EXPECT_EQ(lf.lfHeight, LayoutScaled(14, c.zoom));
        EXPECT_EQ(SendMessageA(gui.CboZoom.hdl, CB_GETCURSEL, 0, 0), c.zoom);
        EXPECT_EQ(SendMessageA(gui.CboLang.hdl, CB_GETCURSEL, 0, 0), c.lang);
        EXPECT_EQ(Text(gui.BtnAppClose.hdl), c.lang ? "Close" : "Quitter");
        Click(gui.BtnAppClose); // closes as the close box does, once the click is answered
        MSG msg;
        while (IsWindow(gui.hWnd) && GetMessageA(&msg, nullptr, 0, 0) > 0)
            DispatchMessageA(&msg);
        EXPECT_EQ(ReadFile(gui.szPathCfg), c.saved);
    }
    Create(); // the choices of the Settings page are saved at close
    Tab(TAB_CONFIG);
    Pick(gui.CboZoom, 8);
    Pick(gui.CboLang, LNG_ENGLISH);
    Destroy();
    EXPECT_EQ(ReadFile(gui.szPathCfg), std::string("\x08\x01", 2));
    // A folder in the file's place cannot be written: told, and the window still closes.
    Create();
    DeleteFileA(gui.szPathCfg);
    CreateDirectoryA(gui.szPathCfg, nullptr);
    Destroy();
    EXPECT_EQ(script.shown, std::vector<std::string>({szLang_en[TXT_MSG_SAVE_SETTINGS]}));
    RemoveDirectoryA(gui.szPathCfg);
}

} // namespace
