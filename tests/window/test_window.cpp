// The window itself: its controls at every tested zoom, its texts in both languages, the tab
// pages, the permission boxes and the settings file.
#include <stdint.h>

#include "harness.h"
#include "layout.h"

namespace {

// The caption of each control in creation order, after the status bar; -1 for none.
// clang-format off
const int captions[kLayoutRows] = {
    -1, TXT_FRAME_ENCRYPT, TXT_ENCRYPT_40, TXT_ENCRYPT_128, TXT_FRAME_AUTH, TXT_AUTH_ALL,
    TXT_AUTH_PRINT_TOP, TXT_AUTH_PRINT_LOW, TXT_AUTH_MODIFY, TXT_AUTH_ASSEMBLY, TXT_AUTH_COPY,
    TXT_AUTH_READ, TXT_AUTH_CREATE, TXT_AUTH_FILLIN, TXT_FRAME_PASSWD, TXT_PASSWD_USER, -1,
    TXT_PASSWD_OWNER, -1, TXT_BTN_ENCRYPT, TXT_BTN_BURST, TXT_BTN_DUMP_DATA, TXT_BTN_BACKGROUND,
    TXT_BTN_COMPRESS, TXT_BTN_UNCOMPRESS, TXT_BTN_REPAIR, TXT_BTN_DUMP_FIELDS, TXT_BTN_CLOSE,
    TXT_PDF_SOURCE, -1, TXT_BTN_PDF_SOURCE, TXT_BTN_DECRYPT, TXT_FRAME_CAT, TXT_CAT_FROM, -1,
    TXT_CAT_TO, -1, TXT_CAT_ALL, TXT_CAT_EVEN, TXT_CAT_ODD, TXT_BTN_CAT, TXT_FRAME_DELETE, -1,
    TXT_DELETE_HELP, TXT_BTN_DELETE, -1, TXT_BTN_JOIN, TXT_BTN_ADD_DIR, TXT_BTN_ADD_PDF,
    TXT_BTN_REMOVE, TXT_BTN_UP, TXT_BTN_DOWN, TXT_LANG, -1, TXT_ZOOM, -1, TXT_ABOUT,
};

// CRC-32 of each text as the program must show it, French then English; the About text's
// wording is free and is checked for its shape instead.
const uint32_t textCrc[TXT_COUNT][2] = {
    {0x00000000, 0x00000000}, {0xE01BAE74, 0xE01BAE74}, {0x3D426C97, 0xC7B96F00},
    {0, 0}, {0x4FD36F47, 0x9193A897}, {0xE016D1B8, 0xA7A0B9A9},
    {0x169CEE22, 0x1C33C293}, {0xDB454203, 0x74350DE7}, {0xD441EC74, 0x14E0D86B},
    {0xF6E5B87C, 0x508D25C5}, {0xDC3CA2D3, 0x6E27C166}, {0xE1D10810, 0x6F73A9B5},
    {0x9B80EC64, 0x2DA17977}, {0xA2510EF8, 0x0EA1C978}, {0x89CDD47A, 0xAB7143B8},
    {0x00F7F716, 0x766FC95F}, {0x9C691091, 0xBC907371}, {0xA414021B, 0xD66845EA},
    {0xD2C10691, 0x1ACCDAEE}, {0xD894B77B, 0xE37F8D5D}, {0xEECC59D3, 0x26FD8E19},
    {0x4EE90A5B, 0x0F2CA2DA}, {0x1F9B7741, 0x807A8898}, {0x6A9FBC10, 0x9E06C909},
    {0xAC595F89, 0x3B30229F}, {0x29938FC0, 0xBCFF8FB4}, {0xF948A964, 0x2DF2FACE},
    {0x825F1C13, 0xF335B780}, {0x93D12ECF, 0x89483117}, {0x1B538B49, 0x233373B9},
    {0x94C041FB, 0x0400733C}, {0x846907A4, 0x736A1662}, {0xC627CC86, 0xD2C0AEC0},
    {0xB38BBB07, 0xDF440BD8}, {0x1A43B61B, 0x1A43B61B}, {0xD2431AAA, 0x49C2EA7B},
    {0x10C01EE1, 0xD4910BDB}, {0x28A6E4AD, 0x9B13B94B}, {0x052BF4A2, 0x752836E4},
    {0xE3202498, 0x0355373D}, {0xD9C34C7A, 0x6F72B04C}, {0xD63CC365, 0xCFC9180D},
    {0xFC8CF722, 0xD4910BDB}, {0x2D17174E, 0x3DBE79B1}, {0x089F75FA, 0xAC190E74},
    {0x8D9EF7A4, 0x3DBE79B1}, {0x29BAD59B, 0x9FD591E4}, {0x648572C3, 0xC5573507},
    {0x8D9EF7A4, 0x3DBE79B1}, {0x37E697C3, 0xD610CAD2}, {0xC94948C9, 0xBCCD3F05},
    {0x9F47F004, 0x885377E9}, {0x6E482E98, 0xE3BC23B3}, {0x77772898, 0x77772898},
    {0x3BB0DBCF, 0x0199B638}, {0x21C1489A, 0x7F32F0A8}, {0x3E3AB7A5, 0x16B02AD7},
    {0x80808E1A, 0x19711DF0}, {0x14F442F2, 0x35515C6C}, {0x1CCD16BC, 0x63042D05},
    {0x95758D27, 0xB316012C}, {0x80F6587D, 0x55E447B7}, {0x32663D1C, 0x08E23F38},
};
// clang-format on

uint32_t Crc32(const char* s)
{
    uint32_t c = 0xFFFFFFFF;
    for (; *s; ++s) {
        c ^= (uint8_t)*s;
        for (int k = 0; k < 8; ++k)
            c = (c >> 1) ^ (0xEDB88320 & (0 - (c & 1)));
    }
    return ~c;
}

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
            int nText = captions[n - 1];
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
