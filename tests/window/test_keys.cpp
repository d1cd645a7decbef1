// Every control reached and used from the keyboard: the Tab order of each page forward and back,
// Space, the arrow keys in a radio group, Ctrl+Tab, the focus after a page change, and the names
// screen readers read.
#include <oleacc.h>

#include "harness.h"

namespace {

class Keyboard : public WindowTest {};

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
    {CBO_LANG, CBO_ZOOM},
    {}};
// clang-format on

TEST_F(Keyboard, TabGoesThroughThePanelTheTabsAndThePageShownInReadingOrder)
{
    EXPECT_EQ(Focus(), rows[EDIT_SOURCE]); // at start
    for (int nTab : {TAB_MULTI, TAB_CONFIG, TAB_ABOUT, TAB_SINGLE}) {
        Tab(nTab);
        std::vector<int> order = kPages[nTab];
        order.insert(order.end(), kPanel.begin(), kPanel.end());
        size_t nFirst = kPages[nTab].empty() ? order.size() - 1 : 0, n = order.size();
        EXPECT_EQ(Focus(), rows[(size_t)order[nFirst]]) << "page " << nTab;
        for (size_t i = 1; i <= n; ++i) {
            Key(VK_TAB);
            EXPECT_EQ(Focus(), rows[(size_t)order[(nFirst + i) % n]]) << "page " << nTab;
        }
        for (size_t i = 1; i <= n; ++i) {
            Key(VK_TAB, true);
            EXPECT_EQ(Focus(), rows[(size_t)order[(nFirst + n - i) % n]]) << "page " << nTab;
        }
    }
}

// Space presses the focused button, the arrow keys move and check within the key-length group,
// Ctrl+Tab and Ctrl+Shift+Tab switch pages; the fields are named by their labels.
TEST_F(Keyboard, SpaceArrowsAndCtrlTabDoWhatTheySay)
{
    Key(VK_TAB);
    Key(VK_TAB);
    ASSERT_EQ(Focus(), rows[BTN_DECRYPT]);
    Key(VK_SPACE);
    EXPECT_EQ(shown, std::vector{Message(TXT_MSG_NO_SOURCE)});
    Key(VK_TAB, true, true); // to the About page, the last
    EXPECT_EQ(Send(rows[ROW_TABS], TCM_GETCURSEL), TAB_ABOUT);
    EXPECT_EQ(Focus(), rows[ROW_TABS]);
    Key(VK_TAB);
    Key(VK_UP);
    EXPECT_TRUE(Focus() == rows[OPT_40] && Checked(OPT_40) && !Checked(OPT_128));
    Key(VK_DOWN);
    EXPECT_TRUE(Focus() == rows[OPT_128] && Checked(OPT_128) && !Checked(OPT_40));
    Key(VK_TAB, false, true);
    EXPECT_EQ(Send(rows[ROW_TABS], TCM_GETCURSEL), TAB_SINGLE);
    EXPECT_EQ(Focus(), rows[EDIT_SOURCE]);

    CoInitialize(nullptr);
    for (int nLang : {LNG_FRENCH, LNG_ENGLISH}) {
        Pick(CBO_LANG, nLang);
        for (int n : {EDIT_USER, EDIT_OWNER, EDIT_SOURCE}) {
            IAccessible* pAcc = nullptr;
            BSTR name = nullptr;
            VARIANT self = {};
            self.vt = VT_I4;
            self.lVal = CHILDID_SELF;
            ASSERT_EQ(AccessibleObjectFromWindow(rows[(size_t)n], (DWORD)OBJID_CLIENT,
                                                 __uuidof(IAccessible), (void**)&pAcc),
                      S_OK);
            pAcc->get_accName(self, &name);
            char szName[256] = {0};
            WideCharToMultiByte(1252, 0, name ? name : L"", -1, szName, sizeof(szName) - 1, nullptr,
                                nullptr);
            EXPECT_STREQ(szName, Text(n - 1).c_str()) << "row " << n;
            SysFreeString(name);
            pAcc->Release();
        }
    }
    CoUninitialize();
}

} // namespace
