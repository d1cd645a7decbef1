// While the tool works: the window answers and shows where it is, takes no other action, stops
// on Escape or when closed, and says at the end which inputs failed and what the tool said.
#include "harness.h"
#include "pdf_text.h"

namespace {

class Running : public WindowTest {
  protected:
    // Files of the test's folder, each run as how says (the fake tool's /FakeDelay,
    // /FakeStatus, /FakeSays), listed on the Multiple files page.
    void List(const std::vector<std::string>& names, const std::string& how = "")
    {
        Tab(TAB_MULTI);
        for (const std::string& name : names) {
            if (!how.empty())
                WriteFile(dir + name, Pdf(1) + how);
            Add({dir + name});
        }
    }
    std::string Status(int nText, int nWritten, int nInputs)
    {
        return pdfFillText(szLang_fr[nText], {std::to_string(nWritten), std::to_string(nInputs)});
    }
};

TEST_F(Running, TheWindowAnswersShowsWhereItIsAndTakesNothingElse)
{
    List({"a.pdf", "b.pdf", "c.pdf"}, "/FakeDelay 3000");
    ClickDuring(BTN_REPAIR, [&] {
        ASSERT_TRUE(WaitForRuns(1));
        DWORD dwStart = GetTickCount();
        EXPECT_EQ(TextOf(rows[ROW_STATUS]), "1 / 3 \x97 a.pdf");
        EXPECT_LT(GetTickCount() - dwStart, 1000u) << "the window answers late";
        // Neither a click nor a key reaches a control, now or later; a click by message starts
        // nothing either. Escape stops after the input being worked on.
        PostMessageA(rows[BTN_REPAIR], WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        PostMessageA(rows[BTN_REPAIR], WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        PostMessageA(rows[EDIT_OWNER], WM_CHAR, 'x', 1);
        Send(rows[BTN_DUMP_DATA], BM_CLICK);
        PostMessageA(rows[LIST_FILES], WM_KEYDOWN, VK_ESCAPE, 1);
    });
    EXPECT_EQ(Runs().size(), 1u);
    EXPECT_EQ(Text(EDIT_OWNER), "");
    EXPECT_EQ(Text(ROW_STATUS), Status(TXT_STATUS_STOPPED, 1, 3));
    Tab(TAB_ABOUT); // the outcome, told, gives way to the usual text
    EXPECT_EQ(Text(ROW_STATUS), szLang_fr[TXT_STATUS]);
}

TEST_F(Running, ClosingStopsAfterTheInputAndClosesAsUsual)
{
    List({"a.pdf", "b.pdf"}, "/FakeDelay 3000");
    ClickDuring(BTN_COMPRESS, [&] {
        ASSERT_TRUE(WaitForRuns(1));
        PostMessageA(rows[BTN_CLOSE], WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        PostMessageA(rows[BTN_CLOSE], WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    });
    EXPECT_TRUE(Ended());
    EXPECT_EQ(Runs().size(), 1u);
    EXPECT_TRUE(IsFile(dir + "a_compress.pdf"));
    EXPECT_EQ(ReadFile(dir + "tandrel.cfg").size(), 2u);
}

// Every input is tried; one message names those without a result, the first eight with what
// the tool said (or, when it said nothing, its exit status), and counts the others.
TEST_F(Running, FailuresAreNamedWithWhatTheToolSaid)
{
    std::vector<std::string> bad;
    for (int i = 0; i < 10; ++i)
        bad.push_back("bad" + std::to_string(i) + ".pdf");
    for (const std::string& name : bad)
        WriteFile(dir + name, Pdf(1) + "/FakeStatus 2");
    WriteFile(dir + "said.pdf",
              Pdf(1) + "/FakeStatus 3 /FakeSays (a\r\n\r\n Error: damaged \r\nlast\nDone. None.)");
    WriteFile(dir + "good.pdf", Pdf(1));
    List({"good.pdf", "said.pdf"});
    List(bad);
    Runs();
    Click(BTN_UNCOMPRESS);
    EXPECT_EQ(Runs().size(), 12u);
    std::vector<std::string> failed = {dir + "said.pdf", "Error: damaged\r\nlast"};
    for (int i = 0; i < 7; ++i)
        failed.insert(failed.end(),
                      {dir + bad[(size_t)i], pdfFillText(szLang_fr[TXT_FAIL_STATUS], {"2"})});
    std::string more = "\r\n\r\n" + pdfFillText(szLang_fr[TXT_MSG_FAILED_MORE], {"3"});
    EXPECT_EQ(shown, std::vector{Failed(failed) + more});
    EXPECT_EQ(Text(ROW_STATUS), Status(TXT_STATUS_DONE, 1, 12));
}

// Without pdftk.exe beside the program every operation, and the choice of a source, says where
// it belongs at once, and nothing else happens; a password given as PROMPT keeps the console
// the tool asks on.
TEST_F(Running, AMissingToolIsNamedAndAPromptKeepsItsConsole)
{
    WriteFile(dir + "in.pdf", Pdf(2));
    Type(EDIT_OWNER, "PROMPT");
    Click(BTN_SOURCE, {dir + "in.pdf"});
    Click(BTN_ENCRYPT);
    EXPECT_TRUE(shown.empty() && IsFile(dir + "in_sec.pdf"));
    ASSERT_TRUE(DeleteFileA(tool.c_str()));
    for (int n : {BTN_SOURCE, BTN_DUMP_DATA, BTN_BACKGROUND, BTN_CAT})
        Click(n);
    std::string where = pdfFillText(szLang_fr[TXT_MSG_NO_TOOL], {dir.substr(0, dir.size() - 1)});
    EXPECT_EQ(shown, std::vector<std::string>(4, Message(where)));
    EXPECT_EQ(Runs().size(), 2u);
}

} // namespace
