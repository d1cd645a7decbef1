// While the tool works: the window answers and shows where it is, takes no other action, stops
// on Escape or when closed, and says at the end which inputs failed and what the tool said.
#include "harness.h"
#include "pdf_text.h"

#include <shlobj.h>

#include <algorithm>
#include <fstream>
#include <sstream>
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

    // The most runs of the tool under way at one time since the last call, each run's time as
    // the tool logs it; *pAlone is made false when runs of the inputs oneFile overlap.
    size_t MostAtOnce(const std::vector<std::string>& oneFile = {}, bool* pAlone = nullptr)
    {
        std::vector<std::pair<unsigned long long, int>> ends; // start +1, end -1
        std::vector<std::pair<unsigned long long, unsigned long long>> ofInput;
        std::ifstream log(dir + "log.txt", std::ios::binary);
        size_t nLine = 0;
        for (std::string line; std::getline(log, line);) {
            if (line.compare(0, 4, "RAN:") != 0 || nLine++ < nSpansSeen)
                continue;
            std::istringstream in(line.substr(4));
            unsigned long long nStart = 0, nEnd = 0;
            std::string name;
            in >> nStart >> nEnd >> std::ws;
            std::getline(in, name);
            ends.insert(ends.end(), {{nStart, 1}, {nEnd, -1}});
            if (std::find(oneFile.begin(), oneFile.end(), name) != oneFile.end())
                ofInput.push_back({nStart, nEnd});
        }
        nSpansSeen = nLine;
        std::sort(ends.begin(), ends.end()); // an end before a start at the same time
        size_t nMost = 0, nNow = 0;
        for (const auto& e : ends)
            nMost = std::max(nMost, nNow += e.second);
        std::sort(ofInput.begin(), ofInput.end());
        for (size_t i = 1; pAlone && i < ofInput.size(); ++i)
            *pAlone = *pAlone && ofInput[i].first >= ofInput[i - 1].second;
        return nMost;
    }
    size_t nSpansSeen = 0;
};

// Named a.pdf, b.pdf, ...
std::vector<std::string> Letters(size_t n)
{
    std::vector<std::string> names;
    for (size_t i = 0; i < n; ++i)
        names.push_back(std::string(1, (char)('a' + i)) + ".pdf");
    return names;
}

// What the status bar shows once the first n of names have begun.
std::string Begun(const std::vector<std::string>& names, size_t n)
{
    return "0 / " + std::to_string(names.size()) + " \x97 " + names[n - 1];
}

// A chosen file's pages are counted and its information and bookmarks read at the same time,
// as two runs of the tool side by side.
TEST_F(Running, AChosenFileIsCountedAndReadAtOnce)
{
    WriteFile(dir + "slow.pdf", Pdf(2) + "/FakeDelay 3000");
    Click(BTN_SOURCE, {dir + "slow.pdf"});
    EXPECT_EQ(MostAtOnce(), 2u);
    EXPECT_EQ(Runs().size(), 2u);
    EXPECT_EQ(Items(CBO_TO).size(), 2u);
}

// Escape starts no further input and lets those under way finish; closing too, and the window
// then closes as usual, settings written.
TEST_F(Running, TheWindowAnswersTakesNothingElseAndStopsOnEscapeOrClosing)
{
    const size_t nAtOnce = AtOnce();
    const std::vector<std::string> names = Letters(nAtOnce + 1);
    List(names, "/FakeDelay 3000");
    std::thread during([&] { // while the click's batch runs
        ASSERT_TRUE(WaitFor([&] { return TextOf(rows[ROW_STATUS]) == Begun(names, nAtOnce); }));
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
    EXPECT_EQ(Runs().size(), nAtOnce);
    EXPECT_TRUE(Text(EDIT_OWNER).empty() && !Send(rows[LIST_FILES], LB_GETSELCOUNT));
    std::string nWritten = std::to_string(nAtOnce), nListed = std::to_string(names.size());
    EXPECT_EQ(Text(ROW_STATUS), pdfFillText(szLang_fr[TXT_STATUS_STOPPED], {nWritten, nListed}));
    std::thread closing([&] {
        ASSERT_TRUE(WaitFor([&] { return TextOf(rows[ROW_STATUS]) == Begun(names, nAtOnce); }));
        PostMessageA(rows[BTN_CLOSE], WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        PostMessageA(rows[BTN_CLOSE], WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    });
    Click(BTN_COMPRESS);
    closing.join();
    EXPECT_TRUE(Ended() && Runs().size() == nAtOnce);
    for (size_t i = 0; i <= nAtOnce; ++i) // those begun, finished
        EXPECT_EQ(IsFile(dir + names[i].substr(0, 1) + "_compress.pdf"), i < nAtOnce) << i;
    EXPECT_EQ(ReadFile(dir + "tandrel.cfg").size(), 2u);
}

// Escape on the last input stops nothing. A shutdown asked for during a batch waits for the
// inputs under way, which finish, and nothing more starts until Windows says: a shutdown called
// off lets the batch go on; when the session ends the settings
// are written. Ended while the tool works, every run is ended and what each had begun to write
// removed, and nothing is said. No temporary file stays behind.
TEST_F(Running, EscapeOnTheLastInputAndTheSessionsEnd)
{
    const size_t nTemporary = TemporaryFiles(), nAtOnce = AtOnce();
    Pick(CBO_ZOOM, 3);
    WriteFile(dir + "one.pdf", Pdf(1));
    Click(BTN_SOURCE, {dir + "one.pdf"}); // a single run, its pages counted, leaves nothing
    EXPECT_EQ(TemporaryFiles(), nTemporary);
    Runs();
    // clang-format off
    const struct {
        size_t nInputs;
        const char* how;
        int nButton;
        UINT uMsg; // the event: Escape posted to the list, or a message sent
        const char* suffix;
    } cases[] = {
        {1, "/FakeDelay 1500", BTN_REPAIR, WM_KEYDOWN, "_fixed.pdf"},
        {nAtOnce + 1, "/FakeDelay 1500", BTN_REPAIR, WM_QUERYENDSESSION, "_fixed.pdf"},
        {nAtOnce, "/FakeEarly /FakeDelay 30000", BTN_COMPRESS, WM_ENDSESSION, "_compress.pdf"},
    };
    // clang-format on
    for (const auto& c : cases) {
        Tab(TAB_ABOUT); // the list emptied
        const std::vector<std::string> names = Letters(c.nInputs);
        List(names, c.how);
        const size_t nBegun = std::min(nAtOnce, c.nInputs);
        auto Result = [&](size_t i) { return dir + names[i].substr(0, 1) + c.suffix; };
        const bool bEnded = c.uMsg == WM_ENDSESSION;
        for (size_t i = 0; i < c.nInputs; ++i)
            DeleteFileA(Result(i).c_str());
        std::thread during([&] {
            // The event comes once the inputs have begun; the session's end once they write.
            ASSERT_TRUE(WaitFor([&] {
                for (size_t i = 0; bEnded && i < nBegun; ++i)
                    if (!IsFile(Result(i)))
                        return false;
                return bEnded || TextOf(rows[ROW_STATUS]) == Begun(names, nBegun);
            }));
            if (c.uMsg == WM_KEYDOWN)
                PostMessageA(rows[LIST_FILES], WM_KEYDOWN, VK_ESCAPE, 1);
            else
                EXPECT_EQ(Send(hMain, c.uMsg, TRUE), FALSE) << c.uMsg; // not yet, or nothing
            if (c.uMsg == WM_QUERYENDSESSION) { // called off once the runs under way are done
                EXPECT_TRUE(WaitFor([&] { return IsFile(Result(nBegun - 1)); }));
                Send(hMain, WM_ENDSESSION, FALSE);
            }
        });
        Click(c.nButton);
        during.join();
        // The shutdown called off, every input runs.
        const size_t nRun = c.uMsg == WM_QUERYENDSESSION ? c.nInputs : nBegun;
        EXPECT_EQ(Runs().size(), nRun) << c.uMsg;
        for (size_t i = 0; i < c.nInputs; ++i)
            EXPECT_EQ(IsFile(Result(i)), !bEnded && i < nRun) << Result(i);
        int nStatus = nRun < c.nInputs ? TXT_STATUS_STOPPED : TXT_STATUS_DONE;
        EXPECT_EQ(Text(ROW_STATUS),
                  pdfFillText(szLang_fr[nStatus],
                              {std::to_string(bEnded ? 0 : nRun), std::to_string(c.nInputs)}));
    }
    EXPECT_EQ(Send(hMain, WM_QUERYENDSESSION), TRUE); // with nothing under way
    DeleteFileA((dir + "tandrel.cfg").c_str());
    Send(hMain, WM_ENDSESSION, TRUE);
    EXPECT_EQ(ReadFile(dir + "tandrel.cfg"), std::string("\x03\x00", 2));
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(TemporaryFiles(), nTemporary);
}

// Inputs run side by side, as many as the machine allows and never more; never two of one file,
// under whatever names it is listed; one at a time where the tool asks on its console.
TEST_F(Running, SeveralInputsAtOnceNeverTwoOfOneFile)
{
    const size_t nAtOnce = AtOnce();
    const std::string folder = dir + "long folder";
    CreateDirectoryA(folder.c_str(), nullptr);
    WriteFile(folder + "\\a.pdf", Pdf(1) + "/FakeDelay 1000");
    char szShort[MAX_PATH] = {0};
    GetShortPathNameA(folder.c_str(), szShort, sizeof(szShort));
    const std::vector<std::string> oneFile = {folder + "\\a.pdf", szShort + std::string("\\a.pdf")};
    ASSERT_NE(oneFile[0], oneFile[1]);
    Tab(TAB_MULTI);
    for (const std::string& path : oneFile)
        Send(rows[LIST_FILES], LB_ADDSTRING, 0, (LPARAM)path.c_str());
    List(Letters(4), "/FakeDelay 1000");
    Click(BTN_REPAIR);
    bool bAlone = true;
    EXPECT_EQ(MostAtOnce(oneFile, &bAlone), nAtOnce);
    EXPECT_TRUE(bAlone);
    EXPECT_EQ(Runs().size(), 6u);
    Type(EDIT_OWNER, "PROMPT");
    Click(BTN_ENCRYPT);
    EXPECT_EQ(MostAtOnce(), 1u);
    EXPECT_TRUE(Runs().size() == 6u && shown.empty());
}

// Every input is tried; one message names those without a result in the order of the list,
// whatever order they ended in, the first eight with what the tool said (or, when it said
// nothing, its exit status), and counts the others.
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
    // Ends last, named first; what it began to write goes.
    List({"said.pdf"}, "/FakeEarly /FakeDelay 1500 /FakeStatus 3 "
                       "/FakeSays (a\r\n\r\n Error: damaged \r\nlast\nDone. None.)");
    List(bad, "/FakeStatus 2");
    WriteFile(dir + "bad0_uncompress.pdf", "mine"); // not written by the failed run: kept
    Click(BTN_UNCOMPRESS);
    EXPECT_EQ(Runs().size(), 12u);
    EXPECT_FALSE(IsFile(dir + "said_uncompress.pdf"));
    EXPECT_EQ(ReadFile(dir + "bad0_uncompress.pdf"), "mine");
    std::string more = "\r\n\r\n" + pdfFillText(szLang_fr[TXT_MSG_FAILED_MORE], {"3"});
    EXPECT_EQ(shown, std::vector{Failed(failed) + more});
    EXPECT_EQ(Text(ROW_STATUS), pdfFillText(szLang_fr[TXT_STATUS_DONE], {"1", "12"}));
    Tab(TAB_ABOUT); // the outcome, told, gives way to the usual text
    EXPECT_EQ(Text(ROW_STATUS), szLang_fr[TXT_STATUS]);
}

// Without pdftk.exe beside the program every operation, and the choice of a source, says at once
// where it was looked for (under both program folders, whatever the program's bitness), and
// nothing else happens. Recorded by its installer (in either view of the machine's registry, or
// in the user's) it is found there and run from its own folder, until a copy is put beside the
// program.
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
        for (int nFolder : {CSIDL_PROGRAM_FILESX86, CSIDL_PROGRAM_FILES}) { // a 64-bit view
            char szDir[MAX_PATH] = {0};
            SHGetFolderPathA(nullptr, nFolder, nullptr, SHGFP_TYPE_CURRENT, szDir);
            EXPECT_NE(shown[0].find(szDir + std::string("\\PDFtk Server\\bin\r\n")),
                      std::string::npos);
        }
        EXPECT_TRUE(Text(LBL_TOOL) == szLang_fr[TXT_TOOL_NONE] && Runs().empty());
        for (const std::string& d : {folder, bin})
            CreateDirectoryA(d.c_str(), nullptr);
        CopyFileA(BuildPath(toolKind + "\\pdftk.exe").c_str(), found.c_str(), FALSE);
        Click(BTN_SOURCE, {dir + "in.pdf"});
        std::vector<std::string> cwds, runs = Runs(&cwds, false);
        EXPECT_EQ(runs.size() == 1 ? runs[0].substr(0, found.size() + 3) : "", Quote(found) + " ");
        EXPECT_TRUE(cwds == std::vector{bin} && shown.size() == 2u);
        EXPECT_EQ(Text(LBL_TOOL), pdfFillText(szLang_fr[TXT_TOOL_IN_USE], {found}));
        // A copy put beside the program is used at once, while the one in use is still there.
        CopyFileA(BuildPath(toolKind + "\\pdftk.exe").c_str(), tool.c_str(), FALSE);
        Click(BTN_CAT); // the copy, and the dump of the source for its bookmarks
        runs = Runs();
        EXPECT_EQ(runs.empty() ? "" : runs[0].substr(0, tool.size() + 3), Quote(tool) + " ");
        DeleteFileA(tool.c_str());
        DeleteFileA(found.c_str());
        RegDeleteKeyA(records[i].first, key.c_str());
    }
}

} // namespace
