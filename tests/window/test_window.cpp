// The window: every control in its place with its caption in both languages, the tab pages, the
// permission boxes, the settings file and the keys.
#include <oleacc.h>

#include "harness.h"
#include "pdf_text.h"

namespace {

class Window : public WindowTest {
  protected:
    // The captions in the language nLang, and the controls that the page of nTab shows.
    void ExpectPage(int nTab, int nLang)
    {
        EXPECT_EQ(Text(ROW_STATUS), TextTable(nLang)[TXT_STATUS]);
        for (int n = ROW_STATUS + 1; n < ROW_END; ++n) {
            bool bShown = n < kPageRows[0] || (n >= kPageRows[nTab] && n < kPageRows[nTab + 1]);
            EXPECT_EQ(IsWindowVisible(rows[(size_t)n]) != FALSE, bShown) << "row " << n;
            int nText = kLayout[n - 1].nText;
            if (nText >= 0) {
                EXPECT_EQ(Text(n), TextTable(nLang)[nText]) << "row " << n;
            }
            // The tool found beside the program at start.
            EXPECT_TRUE(n != LBL_TOOL ||
                        Text(n) == pdfFillText(TextTable(nLang)[TXT_TOOL_IN_USE], {tool}));
        }
    }
};

// The window at 100 % and 120 %, and on screens of other DPIs.
TEST_F(Window, LayoutCaptionsAndPagesInBothLanguages)
{
    EXPECT_EQ(TextOf(hMain), "TANDREL");
    ExpectLayout(hMain, rows, 0);
    for (int nTab : {TAB_SINGLE, TAB_MULTI, TAB_PAGES, TAB_DOCUMENT, TAB_ABOUT, TAB_CONFIG}) {
        SCOPED_TRACE(nTab);
        Tab(nTab);
        ExpectPage(nTab, LNG_FRENCH);
    }
    Pick(CBO_ZOOM, 2);
    Pick(CBO_LANG, LNG_ENGLISH); // a language change keeps the scale
    ExpectLayout(hMain, rows, 2);
    ExpectPage(TAB_CONFIG, LNG_ENGLISH);
    RECT client, status; // the status bar along the bottom
    GetClientRect(hMain, &client);
    GetWindowRect(rows[ROW_STATUS], &status);
    MapWindowPoints(nullptr, hMain, (POINT*)&status, 2);
    EXPECT_EQ(status.bottom, client.bottom);

    // On a screen of 144 or 120 DPI every figure is scaled by DPI / 96 as well, the font too. The
    // release is started on such a screen; this process, whose DPI is set once, is told by
    // Windows' messages for a move to another screen, and takes the rectangle suggested.
    for (int nDpi : {144, 120}) {
        SetScreenDpi(nDpi);
        Close();
        Start();
        if (GetWindowThreadProcessId(hMain, nullptr) == GetCurrentThreadId()) { // at 96 DPI
            SIZE wanted = {};
            Send(hMain, WM_GETDPISCALEDSIZE, nDpi, (LPARAM)&wanted);
            EXPECT_NEAR(wanted.cx, kLayoutWindowW * 12 * nDpi / 960, 1); // the zoom kept, 120 %
            RECT r = {10, 20, 810, 520}, got = {};
            Send(hMain, WM_DPICHANGED, MAKEWPARAM(nDpi, nDpi), (LPARAM)&r);
            GetWindowRect(hMain, &got);
            EXPECT_TRUE(EqualRect(&r, &got));
        }
        for (int nStep : {0, 2}) {
            Pick(CBO_ZOOM, nStep);
            ExpectLayout(hMain, rows, nStep, nDpi);
        }
    }
    SetScreenDpi(96);
}

TEST_F(Window, ShowingAPageAgainForgetsItsWorkButNotThePanel)
{
    WriteFile(dir + "in.pdf", Pdf(5));
    Click(BTN_SOURCE, {dir + "in.pdf"});
    Click(OPT_ODD);
    Type(EDIT_OWNER, "kept");
    Click(OPT_40);
    Tab(TAB_MULTI);
    Add({dir + "in.pdf"});
    Tab(TAB_SINGLE);
    EXPECT_EQ(Text(EDIT_SOURCE), "");
    EXPECT_TRUE(Items(LIST_DELETE).empty() && Items(CBO_FROM).empty() && Items(CBO_TO).empty());
    EXPECT_TRUE(Checked(OPT_ALL) && !Checked(OPT_ODD));
    Tab(TAB_MULTI);
    EXPECT_TRUE(Items(LIST_FILES).empty() && !Send(rows[LIST_FILES], LB_GETHORIZONTALEXTENT));
    EXPECT_TRUE(Text(EDIT_OWNER) == "kept" && Checked(OPT_40) && !Checked(OPT_128));
}

// What each box implies, excludes and locks, and the permissions the encryption then grants.
TEST_F(Window, PermissionBoxesAndWhatTheyGrant)
{
    struct {
        std::vector<int> clicks; // boxes from CHK_ALL, in order
        const char* state;       // per box: '.' unchecked, 'x' checked; capital: greyed
        const char* allowed;
    } cases[] = {
        // clang-format off
        {{0},       "xX.XXXXXX", " allow AllFeatures "},      {{0, 0},    ".........", ""},
        {{1, 0},    "xX.XXXXXX", " allow AllFeatures "},      {{1, 1},    ".........", ""},
        {{1, 2},    "..x......", " allow DegradedPrinting "}, {{4, 3, 3}, ".........", ""},
        {{2, 1},    ".x.......", " allow Printing "},         {{3, 0, 0}, ".........", ""},
        {{4, 3},    "...xX....", " allow ModifyContents "},
        {{6, 5},    ".....xX..", " allow CopyContents "},
        {{8, 7},    ".......xX", " allow ModifyAnnotations "},
        {{4, 6, 8}, "....x.x.x", " allow Assembly  allow ScreenReaders  allow FillIn "},
        // clang-format on
    };
    WriteFile(dir + "in.pdf", Pdf(1));
    Click(BTN_SOURCE, {dir + "in.pdf"});
    Type(EDIT_OWNER, "o");
    for (const auto& c : cases) {
        for (int n = CHK_ALL; n <= CHK_FILLIN; ++n) {
            Send(rows[(size_t)n], BM_SETCHECK, BST_UNCHECKED);
            EnableWindow(rows[(size_t)n], TRUE);
        }
        for (int i : c.clicks)
            Click(CHK_ALL + i);
        std::string state;
        for (int n = CHK_ALL; n <= CHK_FILLIN; ++n) {
            char ch = Checked(n) ? 'x' : '.';
            state += IsWindowEnabled(rows[(size_t)n]) ? ch : (char)toupper(ch);
        }
        EXPECT_EQ(state, c.state) << c.clicks.size() << " clicks from box " << c.clicks[0];
        Click(BTN_ENCRYPT);
        std::string run = Runs().back(), key = " encrypt_128bit ";
        EXPECT_EQ(run.substr(run.find(key) + key.size()), c.allowed);
    }
}

// How each byte of the file is read is checked with the text forming; here, that the window
// follows the file and writes back what the Settings page shows.
TEST_F(Window, SettingsFileChoosesLanguageAndZoomAndKeepsThem)
{
    using namespace std::string_literals;
    const std::string cfg = dir + "tandrel.cfg";
    const struct {
        std::string bytes, saved;
        int zoom, lang, nPick; // the zoom step picked before closing, or -1
    } cases[] = {{"\x05\x01"s, "\x08\x01"s, 5, LNG_ENGLISH, 8},
                 {"\xFF\xFF"s, "\x00\x00"s, 0, LNG_FRENCH, -1}};
    for (const auto& c : cases) {
        Close();
        WriteFile(cfg, c.bytes);
        Start();
        RECT r;
        GetWindowRect(rows[BTN_CLOSE], &r);
        EXPECT_EQ(r.right - r.left, LayoutScaled(80, c.zoom));
        EXPECT_EQ(Send(rows[CBO_ZOOM], CB_GETCURSEL), c.zoom);
        EXPECT_EQ(Send(rows[CBO_LANG], CB_GETCURSEL), c.lang);
        EXPECT_EQ(Text(BTN_CLOSE), TextTable(c.lang)[TXT_BTN_CLOSE]);
        if (c.nPick >= 0) {
            Tab(TAB_CONFIG);
            Pick(CBO_ZOOM, c.nPick);
        }
        Click(BTN_CLOSE); // closes as the close box does
        EXPECT_TRUE(Ended());
        EXPECT_EQ(ReadFile(cfg), c.saved);
    }
    // A folder in the file's place cannot be written: told, named, and the window still closes.
    Start();
    DeleteFileA(cfg.c_str());
    CreateDirectoryA(cfg.c_str(), nullptr);
    Close();
    const std::string text = cfg + "\r\n\r\n" + TextTable(LNG_FRENCH)[TXT_MSG_SAVE_SETTINGS];
    EXPECT_EQ(shown, std::vector<std::string>({Message(text)}));
    RemoveDirectoryA(cfg.c_str());
}

// Paths on the command line, as Explorer's "Open with" and "Send to" give them, relative ones
// from the folder the program starts in: one PDF file becomes the source, several paths or one
// folder fill the Multiple files page, which is shown; anything else is named, with why, in one
// message.
TEST_F(Window, PathsOnTheCommandLine)
{
    CreateDirectoryA((dir + "scans").c_str(), nullptr);
    const std::string lodz = kLodz + ".pdf";
    for (const std::string& name :
         std::vector<std::string>{"a.pdf", "b c.pdf", "scans\\one.pdf", "notes.txt", lodz})
        WriteFile(dir + name, Pdf(3));
    // Each path not opened, with why, in the one message that names them.
    const std::string notPdf = "\r\n\r\n" + dir + "notes.txt\r\n" + szLang_fr[TXT_WHY_NOT_PDF],
                      missing = "\r\n\r\n" + dir + "missing.pdf\r\n" + szLang_fr[TXT_WHY_MISSING];
    // clang-format off
    const struct { std::string args; int nTab; std::string source;
                   std::vector<std::string> listed; std::string whys; } cases[] = {
        {" a.pdf", TAB_SINGLE, dir + "a.pdf", {}, ""},  {" notes.txt", TAB_SINGLE, "", {}, notPdf},
        {" " + lodz + " a.pdf", TAB_MULTI, "", {dir + lodz, dir + "a.pdf"}, ""}, // any name
        {" \"missing.pdf\"", TAB_SINGLE, "", {}, missing},
        {" scans", TAB_MULTI, "", {dir + "scans\\one.pdf"}, ""}, // a folder's PDF files
        {" scans\\..\\a.pdf notes.txt missing.pdf \"" + dir + "b c.pdf\"", TAB_MULTI, "",
         {dir + "a.pdf", dir + "b c.pdf"}, notPdf + missing},
    };
    // clang-format on
    for (const auto& c : cases) {
        args = c.args;
        Close();
        shown.clear();
        Start();
        Act(hMain, WM_NULL, {}); // once the window is shown
        EXPECT_EQ(Send(rows[ROW_TABS], TCM_GETCURSEL), c.nTab) << c.args;
        EXPECT_TRUE(IsWindowVisible(rows[c.nTab == TAB_SINGLE ? EDIT_SOURCE : LIST_FILES]));
        EXPECT_EQ(Text(EDIT_SOURCE), c.source); // its pages counted, or a message would say
        EXPECT_EQ(Items(LIST_FILES), c.listed);
        std::string said = Message(szLang_fr[TXT_MSG_NOT_OPENED] + c.whys);
        EXPECT_EQ(shown, c.whys.empty() ? std::vector<std::string>() : std::vector{said});
    }
}

// clang-format off
const std::vector<int> kPanel = {
    OPT_128, CHK_ALL, CHK_PRINT_TOP, CHK_PRINT_LOW, CHK_MODIFY, CHK_ASSEMBLY, CHK_COPY, CHK_READ,
    CHK_CREATE, CHK_FILLIN, EDIT_USER, EDIT_OWNER, BTN_ENCRYPT, BTN_BURST, BTN_DUMP_DATA,
    BTN_BACKGROUND, BTN_COMPRESS, BTN_UNCOMPRESS, BTN_REPAIR, BTN_DUMP_FIELDS, BTN_CLOSE, ROW_TABS};
// Each page in reading order: top to bottom, left to right, a group box's controls together.
const std::vector<int> kPages[TAB_COUNT] = {
    {EDIT_SOURCE, BTN_SOURCE, BTN_DECRYPT, CBO_FROM, CBO_TO, OPT_ALL, BTN_CAT, LIST_DELETE,
     BTN_DELETE},
    {LIST_FILES, BTN_JOIN, BTN_ADD_DIR, BTN_ADD, BTN_REMOVE, BTN_UP, BTN_DOWN},
    {EDIT_PAGES_SRC, BTN_PAGES_SRC, EDIT_BACKS, BTN_BACKS, CHK_REVERSE, BTN_INTERLEAVE, EDIT_RANGES,
     CBO_TURN, BTN_ROTATE, BTN_TAKE},
    {EDIT_DOC_SRC, BTN_DOC_SRC, EDIT_TITLE, EDIT_AUTHOR, EDIT_SUBJECT, EDIT_KEYWORDS, BTN_SAVE_INFO,
     OPT_EVERY, EDIT_EVERY, CBO_LEVEL, BTN_SPLIT, BTN_ATTACH, EDIT_ATTACH_PAGE, BTN_EXTRACT},
    {CBO_LANG, CBO_ZOOM}, {}};
// clang-format on

// Every control reached and used from the keyboard: the Tab order of each page forward and back,
// Space, the arrow keys in a radio group, Ctrl+Tab, the focus after a page change, and the names
// screen readers read.
TEST_F(Window, EveryControlReachedAndUsedFromTheKeyboard)
{
    EXPECT_EQ(Focus(), rows[EDIT_SOURCE]); // at start
    for (int nTab : {TAB_MULTI, TAB_PAGES, TAB_DOCUMENT, TAB_CONFIG, TAB_ABOUT, TAB_SINGLE}) {
        Key(VK_TAB, false, true); // Ctrl+Tab: the next page, the focus on its first control
        ASSERT_EQ(Send(rows[ROW_TABS], TCM_GETCURSEL), nTab);
        std::vector<int> order = kPages[nTab];
        order.insert(order.end(), kPanel.begin(), kPanel.end());
        size_t nFirst = kPages[nTab].empty() ? order.size() - 1 : 0, n = order.size();
        EXPECT_EQ(Focus(), rows[(size_t)order[nFirst]]) << "page " << nTab;
        for (bool bBack : {false, true}) { // all the way round, then back
            for (size_t i = 1; i <= n; ++i) {
                Key(VK_TAB, bBack);
                EXPECT_EQ(Focus(), rows[(size_t)order[(nFirst + (bBack ? n - i : i)) % n]]);
            }
        }
    }
    // Space presses the focused button, the arrow keys move and check within the key-length
    // group, Ctrl+Tab and Ctrl+Shift+Tab switch pages; the fields are named by their labels.
    Key(VK_TAB);
    Key(VK_TAB);
    ASSERT_EQ(Focus(), rows[BTN_DECRYPT]);
    Key(VK_SPACE);
    Key(VK_RETURN);
    EXPECT_EQ(shown, std::vector<std::string>(2, Message(TXT_MSG_NO_SOURCE)));
    Key(VK_TAB, true, true); // to the About page, the last
    EXPECT_EQ(Send(rows[ROW_TABS], TCM_GETCURSEL), TAB_ABOUT);
    EXPECT_EQ(Focus(), rows[ROW_TABS]);
    for (UINT vk : {VK_LEFT, VK_LEFT, VK_RIGHT, VK_RIGHT}) // along the tabs, which keep the focus
        Key(vk);
    EXPECT_TRUE(Focus() == rows[ROW_TABS] && IsWindowVisible(rows[LBL_ABOUT]));
    Key(VK_TAB);
    Key(VK_UP);
    EXPECT_TRUE(Focus() == rows[OPT_40] && Checked(OPT_40) && !Checked(OPT_128));
    Key(VK_DOWN);
    EXPECT_TRUE(Focus() == rows[OPT_128] && Checked(OPT_128) && !Checked(OPT_40));
    Key(VK_TAB, false, true);
    EXPECT_EQ(Send(rows[ROW_TABS], TCM_GETCURSEL), TAB_SINGLE);
    EXPECT_EQ(Focus(), rows[EDIT_SOURCE]);
    Send(hMain, WM_NEXTDLGCTL, TRUE); // as Windows may ask a window that is no dialog for Tab
    EXPECT_EQ(Focus(), rows[ROW_TABS]);
    for (int i = 0; i < 7; ++i) // to the page's radio group, then round it
        Key(i < 6 ? VK_TAB : VK_UP);
    EXPECT_TRUE(Focus() == rows[OPT_ODD] && Checked(OPT_ODD));

    Pick(CBO_LANG, LNG_ENGLISH); // what screen readers read of a field: its label, in ASCII
    // (The split's box and level list are named by annotation, which Wine does not read.)
    for (int n : {EDIT_USER, EDIT_OWNER, EDIT_SOURCE, EDIT_PAGES_SRC, EDIT_BACKS, EDIT_RANGES,
                  EDIT_DOC_SRC, EDIT_TITLE, EDIT_KEYWORDS, EDIT_ATTACH_PAGE}) {
        IAccessible* pAcc = nullptr;
        BSTR name = nullptr;
        VARIANT self = {}; // CHILDID_SELF
        self.vt = VT_I4;
        if (AccessibleObjectFromWindow(rows[(size_t)n], (DWORD)OBJID_CLIENT, __uuidof(IAccessible),
                                       (void**)&pAcc) == S_OK) {
            pAcc->get_accName(self, &name);
            pAcc->Release();
        }
        EXPECT_EQ(std::string(name, name + SysStringLen(name)), Text(n - 1)) << "row " << n;
        SysFreeString(name);
    }
}

} // namespace
