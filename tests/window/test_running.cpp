// While the tool works: the window answers and shows where it is, takes no other action, stops
// on Escape or when closed, and says at the end which inputs failed and what the tool said.
#include "harness.h"
#include "pdf_text.h"

#include <filesystem>
#include <thread>

namespace {

class Running : public WindowTest {
  protected:
    // Files of the test's folder, each run as how says (the fake tool's /FakeDelay,
    // /FakeStatus, /FakeSays), listed on the Multiple files page.
    void List(const std::vector<std::string>& names, const std::string& how)
    {
        Tab(TAB_MULTI);
        for (const std::string& name : names) {
            WriteFile(dir + name, Pdf(1) + how);
            Add({dir + name});
        }
    }
};

// Escape stops after the input being worked on; closing too, and the window then closes as
// usual, settings written.
TEST_F(Running, TheWindowAnswersTakesNothingElseAndStopsOnEscapeOrClosing)
{
    List({"a.pdf", "b.pdf", "c.pdf"}, "/FakeDelay 3000");
    std::thread during([&] { // while the click's batch runs
        ASSERT_TRUE(WaitFor([&] { return TextOf(rows[ROW_STATUS]) == "1 / 3 \x97 a.pdf"; }));
        DWORD_PTR r = 0;
        EXPECT_TRUE(SendMessageTimeoutA(hMain, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &r)) << "late";
        // No key or click reaches a control, now or later; a button's command starts nothing.
        PostMessageA(rows[EDIT_OWNER], WM_CHAR, 'x', 1);
        PostMessageA(rows[LIST_FILES], WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageA(rows[LIST_FILES], WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        Send(rows[BTN_DUMP_DATA], BM_CLICK);
        PostMessageA(rows[LIST_FILES], WM_KEYDOWN, VK_ESCAPE, 1);
    });
    Click(BTN_REPAIR);
    during.join();
    EXPECT_EQ(Runs().size(), 1u);
    EXPECT_TRUE(Text(EDIT_OWNER).empty() && !Send(rows[LIST_FILES], LB_GETSELCOUNT));
    EXPECT_EQ(Text(ROW_STATUS), pdfFillText(szLang_fr[TXT_STATUS_STOPPED], {"1", "3"}));
    std::thread closing([&] {
        ASSERT_TRUE(WaitFor([&] { return TextOf(rows[ROW_STATUS]) == "1 / 3 \x97 a.pdf"; }));
        PostMessageA(rows[BTN_CLOSE], WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        PostMessageA(rows[BTN_CLOSE], WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    });
    Click(BTN_COMPRESS);
    closing.join();
    EXPECT_TRUE(Ended() && Runs().size() == 1u);
    EXPECT_TRUE(IsFile(dir + "a_compress.pdf"));
    EXPECT_EQ(ReadFile(dir + "tandrel.cfg").size(), 2u);
}

// The temporary files the program makes for the tool's words and the page counts.
size_t TemporaryFiles()
{
    size_t n = 0;
    for (const auto& e :
         std::filesystem::directory_iterator(std::filesystem::temp_directory_path()))
        n +=
            e.path().filename().string().compare(0, 2, "td") == 0 && e.path().extension() == ".tmp";
    return n;
}

// Escape on the last input stops nothing. A shutdown asked for during a batch waits for the
// input being worked on, which finishes, and nothing more runs; when the session ends the
// settings are written. Ended while the tool works, the run is ended and what it had begun to
// write removed, and nothing is said. No temporary file stays behind.
TEST_F(Running, EscapeOnTheLastInputAndTheSessionsEnd)
{
    size_t nTemporary = TemporaryFiles();
    Pick(CBO_ZOOM, 3);
    // clang-format off
    const struct {
        std::vector<std::string> names;
        const char *how, *status; // the status shown when the action has begun, before the event
        int nButton;
        UINT uMsg;       // the event: Escape posted to the list, or a message sent
        const char* result;
        int nStatus; // the status bar's text after the action, with the results written
        const char* written;
    } cases[] = {
        {{"a.pdf"}, "/FakeDelay 1500", "1 / 1 \x97 a.pdf", BTN_REPAIR, WM_KEYDOWN,
         "a_fixed.pdf", TXT_STATUS_DONE, "1"},
        {{"b.pdf", "c.pdf"}, "/FakeDelay 1500", "1 / 2 \x97 b.pdf", BTN_REPAIR, WM_QUERYENDSESSION,
         "b_fixed.pdf", TXT_STATUS_STOPPED, "1"},
        {{"d.pdf"}, "/FakeEarly /FakeDelay 30000", "", BTN_COMPRESS, WM_ENDSESSION,
         "d_compress.pdf", TXT_STATUS_DONE, "0"},
    };
    // clang-format on
    for (const auto& c : cases) {
        Tab(TAB_ABOUT); // the list emptied
        List(c.names, c.how);
        std::thread during([&] {
            // The session's end is sent once the tool has begun to write.
            ASSERT_TRUE(WaitFor([&] {
                return *c.status ? TextOf(rows[ROW_STATUS]) == c.status : IsFile(dir + c.result);
            }));
            if (c.uMsg == WM_KEYDOWN)
                PostMessageA(rows[LIST_FILES], WM_KEYDOWN, VK_ESCAPE, 1);
            else
                EXPECT_EQ(Send(hMain, c.uMsg, TRUE), FALSE) << c.uMsg; // not yet, or nothing
        });
        Click(c.nButton);
        during.join();
        EXPECT_EQ(Runs().size(), 1u) << c.result;
        EXPECT_EQ(IsFile(dir + c.result), *c.written == '1') << c.result;
        EXPECT_EQ(Text(ROW_STATUS),
                  pdfFillText(szLang_fr[c.nStatus], {c.written, std::to_string(c.names.size())}));
    }
    EXPECT_EQ(Send(hMain, WM_QUERYENDSESSION), TRUE); // with nothing under way
    DeleteFileA((dir + "tandrel.cfg").c_str());
    Send(hMain, WM_ENDSESSION, TRUE);
    EXPECT_EQ(ReadFile(dir + "tandrel.cfg"), std::string("\x03\x00", 2));
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(TemporaryFiles(), nTemporary);
}

// Every input is tried; one message names those without a result, the first eight with what
// the tool said (or, when it said nothing, its exit status), and counts the others.
TEST_F(Running, FailuresAreNamedWithWhatTheToolSaid)
{
    const char* fail = szLang_fr[TXT_FAIL_STATUS];
    std::vector<std::string> bad, failed = {dir + "said.pdf", "Error: damaged\r\nlast"};
    for (int i = 0; i < 10; ++i) {
        bad.push_back("bad" + std::to_string(i) + ".pdf");
        if (i < 7) // the first eight failures are named: "said.pdf" and seven of these
            failed.insert(failed.end(), {dir + bad.back(), pdfFillText(fail, {"2"})});
    }
    List({"good.pdf"}, "");
    List({"said.pdf"}, "/FakeStatus 3 /FakeSays (a\r\n\r\n Error: damaged \r\nlast\nDone. None.)");
    List(bad, "/FakeStatus 2");
    Click(BTN_UNCOMPRESS);
    EXPECT_EQ(Runs().size(), 12u);
    std::string more = "\r\n\r\n" + pdfFillText(szLang_fr[TXT_MSG_FAILED_MORE], {"3"});
    EXPECT_EQ(shown, std::vector{Failed(failed) + more});
    EXPECT_EQ(Text(ROW_STATUS), pdfFillText(szLang_fr[TXT_STATUS_DONE], {"1", "12"}));
    Tab(TAB_ABOUT); // the outcome, told, gives way to the usual text
    EXPECT_EQ(Text(ROW_STATUS), szLang_fr[TXT_STATUS]);
}

// Without pdftk.exe beside the program every operation, and the choice of a source, says at once
// where it was looked for, and nothing else happens. Recorded by its installer (in either view
// of the machine's registry, or in the user's) it is found there and run from its own folder.
TEST_F(Running, TheToolIsLookedForWhereItsInstallerPutsIt)
{
    const char* szKey = "Microsoft\\Windows\\CurrentVersion\\Uninstall\\"
                        "{E3617D29-6D71-4B5C-B9E2-C927C705E317}_is1";
    // The machine's 32-bit view, as this 64-bit program names it, its own, and the user's.
    const std::pair<HKEY, std::string> records[] = {{HKEY_LOCAL_MACHINE, "SOFTWARE\\WOW6432Node\\"},
                                                    {HKEY_LOCAL_MACHINE, "SOFTWARE\\"},
                                                    {HKEY_CURRENT_USER, "SOFTWARE\\"}};
    ASSERT_TRUE(DeleteFileA(tool.c_str()));
    WriteFile(dir + "in.pdf", Pdf(2));
    for (size_t i = 0; i < 3; ++i) {
        std::string key = records[i].second + szKey, folder = dir + std::to_string(i) + "\\";
        std::string bin = folder + "bin", found = bin + "\\pdftk.exe";
        RegSetKeyValueA(records[i].first, key.c_str(), "InstallLocation", REG_SZ, folder.c_str(),
                        (DWORD)folder.size() + 1);
        shown.clear();
        for (int n : {BTN_SOURCE, BTN_CAT}) // the tool is not there yet
            Click(n);
        // The installer's folders close the message, the one recorded first.
        std::string where = Message(
            pdfFillText(szLang_fr[TXT_MSG_NO_TOOL], {dir.substr(0, dir.size() - 1), bin + "\r\n"}));
        ASSERT_EQ(shown.size(), 2u);
        for (const std::string& said : shown)
            EXPECT_EQ(said.substr(0, where.size()), where);
        EXPECT_TRUE(Text(LBL_TOOL) == szLang_fr[TXT_TOOL_NONE] && Runs().empty());
        for (const std::string& d : {folder, bin})
            CreateDirectoryA(d.c_str(), nullptr);
        CopyFileA(BuildPath(toolKind + "\\pdftk.exe").c_str(), found.c_str(), FALSE);
        Click(BTN_SOURCE, {dir + "in.pdf"});
        std::vector<std::string> cwds, runs = Runs(&cwds);
        EXPECT_EQ(runs.size() == 1 ? runs[0].substr(0, found.size() + 3) : "", Quote(found) + " ");
        EXPECT_TRUE(cwds == std::vector{bin} && shown.size() == 2u);
        EXPECT_EQ(Text(LBL_TOOL), pdfFillText(szLang_fr[TXT_TOOL_IN_USE], {found}));
        DeleteFileA(found.c_str());
        RegDeleteKeyA(records[i].first, key.c_str());
    }
}

} // namespace
