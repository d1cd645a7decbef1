// The window: every control in its place with its caption in both languages, the tab pages, the
// permission boxes and the settings file.
#include "harness.h"

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
        }
    }
};

TEST_F(Window, LayoutCaptionsAndPagesInBothLanguages)
{
    EXPECT_EQ(TextOf(hMain), "TANDREL");
    ExpectLayout(hMain, rows, 0);
    for (int nTab : {TAB_SINGLE, TAB_MULTI, TAB_ABOUT, TAB_CONFIG}) {
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
}

// On a screen of 120 or 144 DPI every figure at 96 DPI is scaled by DPI / 96, the font too, at
// 100 % and at 120 %. The release is started on such a screen; this process, whose DPI is set
// once, is told by Windows' message for a move to another screen, and takes the rectangle it
// suggests.
TEST_F(Window, FollowsTheScreensScale)
{
    for (int nDpi : {144, 120, 96}) {
        SCOPED_TRACE(nDpi);
        SetScreenDpi(nDpi);
        Close();
        Start();
        DWORD nPid = 0;
        GetWindowThreadProcessId(hMain, &nPid);
        if (nPid == GetCurrentProcessId() && WindowDpi(hMain) != nDpi) {
            SIZE wanted = {};
            Send(hMain, WM_GETDPISCALEDSIZE, nDpi, (LPARAM)&wanted);
            int nStep = (int)Send(rows[CBO_ZOOM], CB_GETCURSEL);
            EXPECT_NEAR(wanted.cx, kLayoutWindowW * (10 + nStep) * nDpi / 960, 1);
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
    EXPECT_TRUE(Items(LIST_FILES).empty());
    EXPECT_EQ(Send(rows[LIST_FILES], LB_GETHORIZONTALEXTENT), 0);
    EXPECT_EQ(Text(EDIT_OWNER), "kept");
    EXPECT_TRUE(Checked(OPT_40) && !Checked(OPT_128));
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
    // A folder in the file's place cannot be written: told, and the window still closes.
    Start();
    DeleteFileA(cfg.c_str());
    CreateDirectoryA(cfg.c_str(), nullptr);
    Close();
    EXPECT_EQ(shown, std::vector<std::string>({Message(TXT_MSG_SAVE_SETTINGS)}));
    RemoveDirectoryA(cfg.c_str());
}

} // namespace
