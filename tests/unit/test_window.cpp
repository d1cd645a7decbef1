// The main window as a person meets it: controls, pages, permission boxes, language, zoom,
// settings file, closing.
#include "harness.h"

#include <commctrl.h>

#include <set>

namespace {

// The controls of the left-hand panel, visible on every page.
std::vector<T_ELEMENT*> PanelControls()
{
    std::vector<T_ELEMENT*> v;
    for (T_ELEMENT* e = &gui.FrameEncrypt; e <= &gui.BtnAppClose; ++e)
        v.push_back(e);
    return v;
}

std::vector<std::vector<T_ELEMENT*>> Pages()
{
    return {
        {&gui.StaticPDFSource, &gui.EditPDFSource, &gui.BtnPDFSource, &gui.BtnDecrypt,
         &gui.FrameCat, &gui.StaticCatFrom, &gui.CboCatFrom, &gui.StaticCatTo, &gui.CboCatTo,
         &gui.OptCatAll, &gui.OptCatEven, &gui.OptCatOdd, &gui.BtnCat, &gui.FrameDelete,
         &gui.ListDelete, &gui.StaticDelete, &gui.BtnDelete},
        {&gui.ListPdfFiles, &gui.BtnJoin, &gui.BtnAddPdfToList, &gui.BtnAddDirToList,
         &gui.BtnRemovePdfFromList, &gui.BtnUpPdfInList, &gui.BtnDownPdfInList},
        {&gui.StaticLang, &gui.CboLang, &gui.StaticZoom, &gui.CboZoom},
        {&gui.StaticAbout},
    };
}

RECT PlaceInParent(HWND h)
{
    RECT rc;
    GetWindowRect(h, &rc);
    MapWindowPoints(HWND_DESKTOP, GetParent(h), (POINT*)&rc, 2);
    return rc;
}

}  // namespace

class MainWindow : public WindowTest {};

TEST_F(MainWindow, StartsWithTheDefaultChoices)
{
    int nChecked = 0;
    for (T_ELEMENT* e = &gui.Tabs; e <= &gui.CboZoom; ++e) {
        char szClass[32] = {0};
        GetClassNameA(e->hdl, szClass, sizeof(szClass));
        LONG_PTR style = GetWindowLongPtrA(e->hdl, GWL_STYLE);
        if (lstrcmpiA(szClass, "BUTTON") == 0 && (style & 0xF) != BS_GROUPBOX &&
            (style & 0xF) != BS_PUSHBUTTON)
            nChecked += Checked(*e);
        EXPECT_EQ(GetDlgCtrlID(e->hdl), 0);
        // A checked radio button takes WS_TABSTOP from the platform itself.
        if ((style & 0xF) != BS_AUTORADIOBUTTON || lstrcmpiA(szClass, "BUTTON") != 0) {
            EXPECT_EQ(style & (WS_TABSTOP | WS_GROUP), 0) << szClass;
        }
    }
    EXPECT_EQ(nChecked, 2);
    EXPECT_TRUE(Checked(gui.OptEncrypt128));
    EXPECT_TRUE(Checked(gui.OptCatAll));
    EXPECT_EQ(ListItems(gui.CboLang), (std::vector<std::string>{"Fran\xE7" "ais", "English"}));
    std::vector<std::string> zoom = ListItems(gui.CboZoom);
    ASSERT_EQ(zoom.size(), 11u);
    for (int i = 0; i <= 10; ++i)
        EXPECT_EQ(zoom[(size_t)i], std::to_string(100 + 10 * i) + "%");
    EXPECT_EQ(Text(gui.hWnd), "TANDREL");
    EXPECT_EQ(GetParent(gui.OptEncrypt40.hdl), gui.FrameEncrypt.hdl);
    EXPECT_EQ(GetParent(gui.OptEncrypt128.hdl), gui.FrameEncrypt.hdl);
    EXPECT_EQ(GetParent(gui.ChkAuthAll.hdl), gui.hWnd);
    EXPECT_EQ((DWORD)GetDlgCtrlID(gui.Status.hdl), 0xFFFFFFFFu);
}

TEST_F(MainWindow, ControlKindsAndStyles)
{
    struct Case {
        T_ELEMENT* e;
        const char* cls;
        LONG_PTR style;
        LONG_PTR exStyle;
    } cases[] = {
        {&gui.FrameAuth, "Button", BS_GROUPBOX, 0},
        {&gui.OptCatEven, "Button", BS_AUTORADIOBUTTON, 0},
        {&gui.ChkAuthRead, "Button", BS_AUTOCHECKBOX, 0},
        {&gui.BtnJoin, "Button", BS_PUSHBUTTON, 0},
        {&gui.StaticAbout, "Static", SS_LEFT, 0},
        {&gui.EditPasswdUser, "Edit", ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE},
        {&gui.EditPDFSource, "Edit", ES_LEFT | ES_AUTOHSCROLL | ES_READONLY, WS_EX_CLIENTEDGE},
        // A drop-down hands WS_VSCROLL on to its list.
        {&gui.CboCatFrom, "ComboBox", CBS_DROPDOWNLIST, 0},
        {&gui.CboZoom, "ComboBox", CBS_DROPDOWNLIST | CBS_AUTOHSCROLL, 0},
        {&gui.ListPdfFiles, "ListBox",
         WS_VSCROLL | WS_HSCROLL | LBS_DISABLENOSCROLL | LBS_MULTIPLESEL, WS_EX_CLIENTEDGE},
        {&gui.Tabs, "SysTabControl32", 0, 0},
    };
    for (const Case& c : cases) {
        char szClass[32] = {0};
        GetClassNameA(c.e->hdl, szClass, sizeof(szClass));
        EXPECT_EQ(lstrcmpiA(szClass, c.cls), 0) << szClass;
        LONG_PTR style = GetWindowLongPtrA(c.e->hdl, GWL_STYLE);
        EXPECT_EQ(style & c.style, c.style) << szClass;
        EXPECT_TRUE(style & WS_CHILD);
        EXPECT_EQ(GetWindowLongPtrA(c.e->hdl, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, c.exStyle);
    }
    EXPECT_EQ(GetWindowLongPtrA(gui.EditPasswdOwner.hdl, GWL_STYLE) & ES_PASSWORD, 0);
    EXPECT_EQ(GetWindowLongPtrA(gui.ListDelete.hdl, GWL_STYLE) & (LBS_SORT | LBS_NOTIFY), 0);
    EXPECT_EQ(GetWindowLongPtrA(gui.CboCatTo.hdl, GWL_STYLE) & CBS_SORT, 0);
}

TEST_F(MainWindow, EachTabShowsExactlyItsPage)
{
    std::vector<std::vector<T_ELEMENT*>> pages = Pages();
    for (int nTab : {1, 2, 3, 0, 2, 1}) {
        SelectTab(nTab);
        for (size_t p = 0; p < pages.size(); ++p) {
            for (T_ELEMENT* e : pages[p])
                EXPECT_EQ(Visible(*e), (int)p == nTab) << "tab " << nTab << " page " << p;
        }
        for (T_ELEMENT* e : PanelControls())
            EXPECT_TRUE(Visible(*e));
        EXPECT_TRUE(Visible(gui.Tabs));
        EXPECT_TRUE(IsWindowVisible(gui.Status.hdl));
    }
}

TEST_F(MainWindow, ShowingAPageAgainForgetsItsWork)
{
    ChooseSource(dir + "a.pdf", 3);
    ASSERT_EQ(ListItems(gui.ListDelete).size(), 3u);
    Click(gui.OptCatOdd);
    Type(gui.EditPasswdOwner, "keep me");
    Click(gui.OptEncrypt40);
    SelectTab(2);
    SelectTab(0);
    EXPECT_EQ(Text(gui.EditPDFSource.hdl), "");
    EXPECT_TRUE(ListItems(gui.ListDelete).empty());
    EXPECT_TRUE(ListItems(gui.CboCatFrom).empty());
    EXPECT_TRUE(ListItems(gui.CboCatTo).empty());
    EXPECT_TRUE(Checked(gui.OptCatAll));
    EXPECT_FALSE(Checked(gui.OptCatOdd));
    EXPECT_EQ(Text(gui.EditPasswdOwner.hdl), "keep me");
    EXPECT_TRUE(Checked(gui.OptEncrypt40));

    SelectTab(1);
    AddToList({dir + "a.pdf", dir + std::string(60, 'n') + ".pdf"});
    ASSERT_EQ(ListItems(gui.ListPdfFiles).size(), 2u);
    SelectTab(3);
    SelectTab(1);
    EXPECT_TRUE(ListItems(gui.ListPdfFiles).empty());
    EXPECT_EQ(SendMessageA(gui.ListPdfFiles.hdl, LB_GETHORIZONTALEXTENT, 0, 0), 0);
}

TEST_F(MainWindow, RadioGroupsAreIndependent)
{
    Click(gui.OptEncrypt40);
    EXPECT_TRUE(Checked(gui.OptEncrypt40));
    EXPECT_FALSE(Checked(gui.OptEncrypt128));
    EXPECT_TRUE(Checked(gui.OptCatAll));
    Click(gui.OptCatEven);
    EXPECT_TRUE(Checked(gui.OptCatEven));
    EXPECT_FALSE(Checked(gui.OptCatAll));
    EXPECT_FALSE(Checked(gui.OptCatOdd));
    EXPECT_TRUE(Checked(gui.OptEncrypt40));
}

// ---------------------------------------------------------------------------------------------

class PermissionBoxes : public WindowTest {
protected:
    std::vector<T_ELEMENT*> boxes = {&gui.ChkAuthAll,    &gui.ChkAuthPrintTop, &gui.ChkAuthPrintLow,
                                     &gui.ChkAuthModify, &gui.ChkAuthAssembly, &gui.ChkAuthCopy,
                                     &gui.ChkAuthRead,   &gui.ChkAuthCreate,   &gui.ChkAuthFillin};
    // The checked state of the nine boxes, "1" or "0" each, and "-" after a greyed one.
    std::string State()
    {
        std::string s;
        for (T_ELEMENT* e : boxes) {
            s += Checked(*e) ? '1' : '0';
            if (!Enabled(*e))
                s += '-';
        }
        return s;
    }
};

TEST_F(PermissionBoxes, EveryRule)
{
    // All, PrintTop, PrintLow, Modify, Assembly, Copy, Read, Create, Fillin.
    EXPECT_EQ(State(), "000000000");
    Click(gui.ChkAuthPrintLow);
    Click(gui.ChkAuthAssembly);
    Click(gui.ChkAuthAll);
    EXPECT_EQ(State(), "11-0-1-1-1-1-1-1-");
    Click(gui.ChkAuthAll);
    EXPECT_EQ(State(), "000000000");

    Click(gui.ChkAuthPrintTop);
    Click(gui.ChkAuthPrintLow);
    EXPECT_EQ(State(), "001000000");
    Click(gui.ChkAuthPrintTop);
    EXPECT_EQ(State(), "010000000");
    Click(gui.ChkAuthPrintTop);  // unchecked now, and still clears the other
    EXPECT_EQ(State(), "000000000");

    Click(gui.ChkAuthAssembly);
    Click(gui.ChkAuthModify);
    EXPECT_EQ(State(), "00011-0000");
    Click(gui.ChkAuthModify);
    EXPECT_EQ(State(), "000000000");

    Click(gui.ChkAuthRead);
    Click(gui.ChkAuthCopy);
    EXPECT_EQ(State(), "0000011-00");
    Click(gui.ChkAuthCreate);
    EXPECT_EQ(State(), "0000011-11-");
    Click(gui.ChkAuthCreate);
    Click(gui.ChkAuthCopy);
    EXPECT_EQ(State(), "000000000");
}

TEST_F(PermissionBoxes, DependentBoxesChangeOnlyThemselves)
{
    for (T_ELEMENT* e : {&gui.ChkAuthAssembly, &gui.ChkAuthRead, &gui.ChkAuthFillin}) {
        std::string before = State();
        Click(*e);
        std::string after = State();
        int nDiff = 0;
        for (size_t i = 0; i < before.size(); ++i)
            nDiff += before[i] != after[i];
        EXPECT_EQ(nDiff, 1);
    }
}

// ---------------------------------------------------------------------------------------------

TEST_F(MainWindow, LanguageSwitchRelabelsAndKeepsState)
{
    Click(gui.ChkAuthCopy);
    Type(gui.EditPasswdUser, "u");
    SelectTab(2);
    PickItem(gui.CboLang, 1);
    EXPECT_EQ(guicfg.lang, 1);
    EXPECT_EQ(gui.szLang, szLang_en);
    EXPECT_EQ(Text(gui.BtnEncrypt.hdl), "Crypt");
    EXPECT_EQ(Text(gui.FramePasswd.hdl), "Passwords");
    EXPECT_EQ(Text(gui.Status.hdl), "PDF Toolkit front-end for Windows");
    char szTab[64] = {0};
    TCITEMA tie = {};
    tie.mask = TCIF_TEXT;
    tie.pszText = szTab;
    tie.cchTextMax = sizeof(szTab);
    SendMessageA(gui.Tabs.hdl, TCM_GETITEMA, 1, (LPARAM)&tie);
    EXPECT_STREQ(szTab, "Multiple files");
    EXPECT_EQ(SendMessageA(gui.Tabs.hdl, TCM_GETCURSEL, 0, 0), 2);
    EXPECT_TRUE(Checked(gui.ChkAuthCopy));
    EXPECT_EQ(Text(gui.EditPasswdUser.hdl), "u");

    // The next message speaks the new language.
    SelectTab(0);
    Click(gui.BtnDecrypt);
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_EQ(script.messages[0].text, "Choose a PDF file first.");
    EXPECT_EQ(script.messages[0].caption, "TANDREL");

    SelectTab(2);
    PickItem(gui.CboLang, 0);
    EXPECT_EQ(guicfg.lang, 0);
    EXPECT_EQ(Text(gui.BtnEncrypt.hdl), "Chiffrer");
    EXPECT_EQ(Text(gui.StaticCatTo.hdl), "\xE0 :");
    EXPECT_EQ(Text(gui.StaticAbout.hdl), szLang_fr[3]);
}

TEST_F(MainWindow, EveryTextOfTheTableHasItsControl)
{
    // Captions of both languages land on their controls; each of the texts 2 to 53 is shown.
    for (const char* const* table : {szLang_en, szLang_fr}) {
        uiApplyText(&gui, table);
        std::set<int> shown;
        for (int i = 0; i < 4; ++i) {
            char sz[64] = {0};
            TCITEMA tie = {};
            tie.mask = TCIF_TEXT;
            tie.pszText = sz;
            tie.cchTextMax = sizeof(sz);
            SendMessageA(gui.Tabs.hdl, TCM_GETITEMA, (WPARAM)i, (LPARAM)&tie);
            EXPECT_STREQ(sz, table[4 + i]);
            shown.insert(4 + i);
        }
        std::vector<std::string> captions;
        for (T_ELEMENT* e = &gui.Tabs; e <= &gui.CboZoom; ++e)
            captions.push_back(Text(e->hdl));
        captions.push_back(Text(gui.Status.hdl));
        for (int nText = 2; nText <= 53; ++nText) {
            for (const std::string& c : captions) {
                if (c == table[nText])
                    shown.insert(nText);
            }
        }
        for (int nText = 2; nText <= 53; ++nText)
            EXPECT_TRUE(shown.count(nText)) << nText;
        EXPECT_EQ(Text(gui.ChkAuthModify.hdl), table[18]);
        EXPECT_EQ(Text(gui.BtnRepair.hdl), table[28]);
        EXPECT_EQ(Text(gui.BtnCompress.hdl), table[29]);
        EXPECT_EQ(Text(gui.BtnAddDirToList.hdl), table[46]);
        EXPECT_EQ(Text(gui.BtnAddPdfToList.hdl), table[47]);
    }
}

// ---------------------------------------------------------------------------------------------

class Zoom : public WindowTest {
protected:
    void ExpectLayout(int nStep)
    {
        double ratio = uiZoomRatio(nStep);
        RECT rc;
        GetWindowRect(gui.hWnd, &rc);
        EXPECT_EQ(rc.right - rc.left, uiScaleValue(790, ratio));
        EXPECT_EQ(rc.bottom - rc.top, uiScaleValue(350, ratio));
        for (T_ELEMENT* e = &gui.Tabs; e <= &gui.CboZoom; ++e) {
            char szClass[32] = {0};
            GetClassNameA(e->hdl, szClass, sizeof(szClass));
            RECT r = PlaceInParent(e->hdl);
            EXPECT_EQ(r.left, uiScaleValue(e->x, ratio)) << szClass << " " << e->x;
            EXPECT_EQ(r.top, uiScaleValue(e->y, ratio)) << szClass << " " << e->y;
            EXPECT_EQ(r.right - r.left, uiScaleValue(e->w, ratio)) << szClass;
            // A drop-down's window is only its closed box.
            int nHeight = r.bottom - r.top, nScaled = uiScaleValue(e->h, ratio);
            if (lstrcmpiA(szClass, "LISTBOX") == 0) {
                // A list box shows whole lines only: it may be up to one line shorter.
                int nLine = (int)SendMessageA(e->hdl, LB_GETITEMHEIGHT, 0, 0);
                EXPECT_LE(nHeight, nScaled);
                EXPECT_GT(nHeight, nScaled - nLine);
            } else if (lstrcmpiA(szClass, "COMBOBOX") != 0) {
                EXPECT_EQ(nHeight, nScaled) << szClass;
            }
        }
        // The status bar stays along the bottom edge.
        RECT client, status;
        GetClientRect(gui.hWnd, &client);
        status = PlaceInParent(gui.Status.hdl);
        EXPECT_EQ(status.bottom, client.bottom);
        EXPECT_EQ(status.left, 0);
        EXPECT_EQ(status.right, client.right);
        HFONT hFont = (HFONT)SendMessageA(gui.BtnJoin.hdl, WM_GETFONT, 0, 0);
        LOGFONTA lf = {};
        ASSERT_TRUE(GetObjectA(hFont, sizeof(lf), &lf));
        EXPECT_EQ(lf.lfHeight, uiScaleValue(14, ratio));
        EXPECT_EQ(lf.lfWeight, FW_MEDIUM);
        EXPECT_STREQ(lf.lfFaceName, "Microsoft Sans Serif");
        EXPECT_EQ((HFONT)SendMessageA(gui.OptEncrypt40.hdl, WM_GETFONT, 0, 0), hFont);
    }
};

TEST_F(Zoom, LayoutAtEveryTestedStep)
{
    ExpectLayout(0);
    for (int nStep : {2, 7, 10, 0, 2}) {
        SelectTab(2);
        PickItem(gui.CboZoom, nStep);
        EXPECT_EQ(guicfg.zoom, nStep);
        ExpectLayout(nStep);
    }
}

TEST_F(Zoom, ExamplesOfTheLayout)
{
    PickItem(gui.CboZoom, 2);
    RECT r = PlaceInParent(gui.OptEncrypt40.hdl);
    EXPECT_EQ(r.left, 11);
    EXPECT_EQ(r.top, 29);
    EXPECT_EQ(r.right - r.left, 95);
    EXPECT_EQ(r.bottom - r.top, 23);
    r = PlaceInParent(gui.Tabs.hdl);
    EXPECT_EQ(r.left, 443);
    EXPECT_EQ(r.right - r.left, 491);
    EXPECT_EQ(r.bottom - r.top, 359);
    PickItem(gui.CboZoom, 10);
    EXPECT_EQ(PlaceInParent(gui.FrameEncrypt.hdl).left, 20);
    EXPECT_EQ(PlaceInParent(gui.FrameEncrypt.hdl).top, 20);
    EXPECT_EQ(PlaceInParent(gui.OptEncrypt40.hdl).top, 50);
    EXPECT_EQ(PlaceInParent(gui.OptEncrypt128.hdl).top, 90);
    EXPECT_EQ(PlaceInParent(gui.OptEncrypt128.hdl).left, 20);
    // A language change keeps the scale.
    PickItem(gui.CboLang, 1);
    EXPECT_EQ(PlaceInParent(gui.OptEncrypt128.hdl).top, 90);
}

TEST_F(Zoom, NoGdiObjectsPileUp)
{
    DWORD nStart = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    HFONT hFirst = (HFONT)SendMessageA(gui.BtnJoin.hdl, WM_GETFONT, 0, 0);
    for (int i = 0; i < 50; ++i)
        PickItem(gui.CboZoom, i % 11);
    PickItem(gui.CboZoom, 0);
    DWORD nEnd = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    EXPECT_LE(nEnd, nStart);
    // The replaced fonts are gone.
    LOGFONTA lf;
    EXPECT_EQ(GetObjectA(hFirst, sizeof(lf), &lf), 0);
    RecordProperty("gdi_objects_before", (int)nStart);
    RecordProperty("gdi_objects_after_50_zooms", (int)nEnd);
}

// ---------------------------------------------------------------------------------------------

class Settings : public WindowTest {
protected:
    // Starts the window again with a settings file of these bytes.
    void StartWith(const std::string& bytes)
    {
        DestroyMainWindow();
        ASSERT_TRUE(WriteFileBytes(gui.szPathCfg, bytes));
        CreateMainWindow();
    }
    int ShownZoom()
    {
        RECT rc;
        GetWindowRect(gui.hWnd, &rc);
        for (int step = 0; step <= 10; ++step) {
            if (rc.right - rc.left == uiScaleValue(790, uiZoomRatio(step)))
                return step;
        }
        return -1;
    }
    void CloseWindow()
    {
        SendMessageA(gui.hWnd, WM_CLOSE, 0, 0);
        EXPECT_FALSE(IsWindow(gui.hWnd));
    }
};

TEST_F(Settings, BytesChooseLanguageAndZoom)
{
    struct Case {
        std::string bytes;
        int zoom, lang;
        std::string saved;
    } cases[] = {
        {std::string("\x05\x01", 2), 5, 1, std::string("\x05\x01", 2)},
        {std::string("\x0B\x01", 2), 0, 1, std::string("\x00\x01", 2)},
        {std::string("\x03\x02", 2), 3, 0, std::string("\x03\x00", 2)},
        {std::string("\x07", 1), 0, 0, std::string("\x00\x00", 2)},
        {std::string(), 0, 0, std::string("\x00\x00", 2)},
        {std::string("\x0A\x00\x01\x02", 4), 10, 0, std::string("\x0A\x00", 2)},
        {std::string("\x08\x01\x05", 3), 8, 1, std::string("\x08\x01", 2)},
        {std::string("\xFF\xFF", 2), 0, 0, std::string("\x00\x00", 2)},
    };
    for (const Case& c : cases) {
        StartWith(c.bytes);
        EXPECT_EQ(guicfg.zoom, c.zoom);
        EXPECT_EQ(guicfg.lang, c.lang);
        EXPECT_EQ(ShownZoom(), c.zoom);
        EXPECT_EQ(gui.szLang, c.lang ? szLang_en : szLang_fr);
        EXPECT_EQ(Text(gui.BtnAppClose.hdl), c.lang ? "Close" : "Quitter");
        EXPECT_EQ(SendMessageA(gui.CboZoom.hdl, CB_GETCURSEL, 0, 0), c.zoom);
        EXPECT_EQ(SendMessageA(gui.CboLang.hdl, CB_GETCURSEL, 0, 0), c.lang);
        CloseWindow();
        EXPECT_EQ(ReadFile(gui.szPathCfg), c.saved);
    }
}

TEST_F(Settings, EveryByteValueInBothPlaces)
{
    T_CONFIG cfg;
    for (int b = 0; b < 256; ++b) {
        for (int place = 0; place < 2; ++place) {
            std::string bytes = place == 0 ? std::string(1, (char)b) + '\x01'
                                           : std::string("\x04", 1) + (char)b;
            ASSERT_TRUE(WriteFileBytes(gui.szPathCfg, bytes));
            cfg = {9, 9};
            ASSERT_EQ(cfgLoadSettings(&gui, &cfg), 0);
            if (place == 0) {
                EXPECT_EQ(cfg.zoom, b <= 10 ? b : 0);
                EXPECT_EQ(cfg.lang, 1);
            } else {
                EXPECT_EQ(cfg.zoom, 4);
                EXPECT_EQ(cfg.lang, b <= 1 ? b : 0);
            }
        }
    }
    DeleteFileA(gui.szPathCfg);
    cfg = {9, 9};
    EXPECT_EQ(cfgLoadSettings(&gui, &cfg), -1);
    EXPECT_EQ(cfg.zoom, 9);
}

TEST_F(Settings, ChoicesOfTheSettingsPageAreSavedAtClose)
{
    SelectTab(2);
    PickItem(gui.CboZoom, 6);
    PickItem(gui.CboLang, 1);
    Click(gui.BtnAppClose);  // queued: the close runs from the message loop
    EXPECT_TRUE(IsWindow(gui.hWnd));
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT)
            break;
        DispatchMessageA(&msg);
    }
    EXPECT_FALSE(IsWindow(gui.hWnd));
    EXPECT_EQ(ReadFile(gui.szPathCfg), std::string("\x06\x01", 2));
}

TEST_F(Settings, UnwritableFileIsToldAndTheWindowStillCloses)
{
    // A folder in the settings file's place cannot be opened for writing.
    ASSERT_TRUE(CreateDirectoryA(gui.szPathCfg, nullptr));
    SendMessageA(gui.hWnd, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(gui.hWnd));
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_EQ(script.messages[0].text, szLang_fr[62]);
    EXPECT_EQ(script.messages[0].caption, "TANDREL");
    EXPECT_EQ(script.messages[0].uType, (UINT)MB_ICONERROR);
    RemoveDirectoryA(gui.szPathCfg);
}

// ---------------------------------------------------------------------------------------------

TEST(StartUp, PathsBesideTheProgram)
{
    appInitRecord(GetModuleHandleA(nullptr));
    std::string dir = TestProgramDir();
    EXPECT_EQ(std::string(gui.szPathExe), dir + "pdftk.exe");
    EXPECT_EQ(std::string(gui.szPathCfg), dir + "tandrel.cfg");
    EXPECT_EQ(gui.szLang, szLang_fr);
    EXPECT_EQ(gui.w, 790);
    EXPECT_EQ(gui.h, 350);
}

static VOID CALLBACK CloseSoon(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    if (gui.hWnd)
        PostMessageA(gui.hWnd, WM_CLOSE, 0, 0);
}

TEST(StartUp, WinMainRunsTheWindowUntilItCloses)
{
    UseScriptedDialogs();
    std::string dir = NewScratchDir("winmain");
    // WinMain names the settings file beside the program; keep the one a developer may have.
    std::string cfg = TestProgramDir() + "tandrel.cfg";
    std::string saved = ReadFile(cfg);
    bool bHadCfg = FileExists(cfg);
    WriteFileBytes(cfg, std::string("\x01\x01", 2));
    guicfg = {0, 0};
    UnregisterClassA("WINDOWSAPP", GetModuleHandleA(nullptr));
    SetTimer(nullptr, 0, 200, CloseSoon);
    int nResult = WinMain(GetModuleHandleA(nullptr), nullptr, (LPSTR) "ignored args", SW_SHOW);
    EXPECT_EQ(nResult, 0);
    EXPECT_FALSE(IsWindow(gui.hWnd));
    EXPECT_EQ(guicfg.zoom, 1);
    EXPECT_EQ(guicfg.lang, 1);
    EXPECT_EQ(ReadFile(cfg), std::string("\x01\x01", 2));
    if (bHadCfg)
        WriteFileBytes(cfg, saved);
    else
        DeleteFileA(cfg.c_str());
    gui.hWnd = nullptr;
    for (T_ELEMENT* e = &gui.Tabs; e <= &gui.CboZoom; ++e)
        e->hdl = nullptr;
}
