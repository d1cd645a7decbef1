// Names the code page cannot spell: shown whole, given to the tool under stand-ins in the
// program's private folder and only where needed, the results under their real names, nothing
// left behind whatever the end of the run.
#include "harness.h"
#include "pdf_text.h"

#include <string.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <thread>

namespace {

namespace fs = std::filesystem;

const std::string kCafe = "caf\xE9"; // in the code page

// How many names the program made for the tool are there now, of those that begin with szPrefix:
// in its private folders (the folders as "sn"), and beside the results in folder (as "out").
size_t Made(const std::string& folder, const char* szPrefix = "")
{
    std::vector<std::string> names;
    std::error_code e;
    for (const auto& d : fs::directory_iterator(fs::temp_directory_path() / "TANDREL", e)) {
        if (!d.is_directory() || d.path().filename().string().compare(0, 2, "sn") != 0)
            continue;
        names.push_back("sn");
        for (const auto& f : fs::recursive_directory_iterator(d.path(), e))
            names.push_back(f.path().filename().string());
    }
    for (const auto& f : fs::directory_iterator(fs::path(Wide(folder)), e))
        names.push_back(_strnicmp(f.path().filename().string().c_str(), "tdn", 3) ? "" : "out");
    return (size_t)std::count_if(names.begin(), names.end(), [&](const std::string& n) {
        return !n.empty() && n.compare(0, strlen(szPrefix), szPrefix) == 0;
    });
}

// A command line with the names the program made for the tool as <in>, <out>, <dir> (its
// stand-ins) and <tmp> (its own temporary files).
std::string Given(const std::string& cmd)
{
    static const std::regex standIn(R"("[^"]*\\TANDREL\\sn[0-9]+\\(in|out|dir)[0-9]+(\.pdf)?")");
    static const std::regex beside(R"("[^"]*\\tdn[0-9A-F]+\.tmp")", std::regex::icase);
    static const std::regex temporary(R"("[^"]*\\TANDREL\\td[or][0-9A-F]+\.tmp")",
                                      std::regex::icase);
    std::string given = std::regex_replace(cmd, standIn, "<$1>");
    given = std::regex_replace(given, beside, "<out>");
    return std::regex_replace(given, temporary, "<tmp>");
}

class Names : public WindowTest {
  protected:
    std::string T()
    {
        return Quote(tool);
    }
    // The runs since the last call as Given writes them, sorted when they ran side by side.
    // The runs as the tool was given them; unless bReads, without the reads of a source's data
    // (at a choice they run beside the count, in either order).
    std::vector<std::string> GivenRuns(std::vector<std::string>* cwds = nullptr, bool bSort = false,
                                       bool bReads = false)
    {
        std::vector<std::string> runs = Runs(cwds, bReads);
        for (std::string& run : runs)
            run = Given(run);
        if (bSort)
            std::sort(runs.begin(), runs.end());
        return runs;
    }
};

// Chosen, listed, counted, worked on and joined: the boxes and the list show the real names, the
// tool sees a stand-in exactly where a name is not in the code page, the results take the real
// names formed from the real inputs, and the private folder is empty after each run.
TEST_F(Names, StandInsOnlyWhereNeededAndResultsUnderTheRealNames)
{
    const std::string lodz = dir + kLodz + ".pdf", japan = dir + kJapan + ".pdf";
    const std::string cafe = dir + kCafe + ".pdf", joined = dir + kResult + ".pdf";
    for (const std::string& name : {lodz, japan, cafe})
        WriteFile(name, Pdf(3));
    // What a program that was killed left goes at the next start.
    const fs::path left = fs::temp_directory_path() / "TANDREL" / "sn4000000000" / "dir1";
    fs::create_directories(left);
    WriteFile((left / "pg_001.pdf").string(), "left");
    Close();
    Start();
    EXPECT_EQ(Made(dir), 0u);
    Click(BTN_SOURCE, {lodz});
    EXPECT_EQ(Text(EDIT_SOURCE), lodz);
    EXPECT_EQ(Items(CBO_TO).size(), 3u);
    Click(BTN_COMPRESS);
    Click(BTN_BURST);
    std::vector<std::string> cwds;
    EXPECT_EQ(GivenRuns(&cwds), std::vector<std::string>({T() + " <in> dumpdata output <tmp>",
                                                          T() + " <in> output <out> compress ",
                                                          T() + " <in> burst output pg_%03d.pdf"}));
    ASSERT_EQ(cwds.size(), 3u);
    EXPECT_TRUE(std::regex_search(cwds[2], std::regex(R"(\\TANDREL\\sn[0-9]+\\dir[0-9]+$)")));
    EXPECT_TRUE(IsFile(dir + kLodz + "_compress.pdf"));
    for (const char* page : {"pg_001.pdf", "pg_002.pdf", "pg_003.pdf", "doc_data.txt"})
        EXPECT_TRUE(IsFile(dir + kLodz + "\\" + page)) << page;
    EXPECT_EQ(Made(dir), 0u);

    Tab(TAB_MULTI);
    Add({lodz, cafe, japan});
    SetFileAttributesW(Wide(japan).c_str(), FILE_ATTRIBUTE_READONLY); // copied, not linked
    EXPECT_EQ(Items(LIST_FILES), std::vector<std::string>({lodz, cafe, japan}));
    Click(BTN_UNCOMPRESS);
    EXPECT_EQ(
        GivenRuns(nullptr, true),
        std::vector<std::string>(
            {T() + " \"" + cafe + "\" output \"" + dir + kCafe + "_uncompress.pdf\" uncompress ",
             T() + " <in> output <out> uncompress ", T() + " <in> output <out> uncompress "}));
    for (const std::string& name : {kLodz, kCafe, kJapan})
        EXPECT_TRUE(IsFile(dir + name + "_uncompress.pdf")) << name;
    Click(BTN_JOIN, {joined});
    EXPECT_EQ(GivenRuns(nullptr, false, true),
              std::vector<std::string>({T() + " <in> \"" + cafe + "\" <in>  cat output <out> ",
                                        T() + " <in> dump_data_utf8 output <tmp>"}));
    EXPECT_TRUE(IsFile(joined));
    Tab(TAB_PAGES); // the fronts and the backs as the join's inputs
    Click(BTN_PAGES_SRC, {lodz});
    Click(BTN_BACKS, {japan});
    Click(BTN_INTERLEAVE, {dir + kResult + "2"});
    EXPECT_EQ(GivenRuns().at(2), T() + " A=<in> B=<in> shuffle A Bend-1 output <out> ");
    EXPECT_TRUE(IsFile(dir + kResult + "2.pdf"));
    SetFileAttributesW(Wide(japan).c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(Made(dir), 0u);
    EXPECT_TRUE(shown.empty());
}

// Failed runs leave nothing under the real names, and the message names each input whole;
// Escape lets the inputs under way finish under their names; the session's end ends them,
// leaving neither result nor stand-in; the user's files are never touched.
TEST_F(Names, FailureEscapeAndTheSessionsEnd)
{
    const std::string japan = dir + kJapan + ".pdf", chinese = dir + kChinese + ".pdf";
    for (const std::string& name : {japan, chinese})
        WriteFile(name, Pdf(1) + "/FakeStatus 3 /FakeSays (no luck)");
    Tab(TAB_MULTI);
    Add({japan, chinese});
    Click(BTN_REPAIR);
    EXPECT_FALSE(IsFile(dir + kJapan + "_fixed.pdf") || IsFile(dir + kChinese + "_fixed.pdf"));
    EXPECT_EQ(shown, std::vector<std::string>(
                         {Message(Utf8(szLang_fr[TXT_MSG_FAILED]) + "\r\n\r\n" + japan +
                                  "\r\nno luck\r\n\r\n" + chinese + "\r\nno luck")}));
    Send(rows[LIST_FILES], LB_RESETCONTENT);

    // Escape once the first have begun: they finish, the last is not run.
    std::vector<std::string> inputs;
    for (size_t i = 0; i <= AtOnce(); ++i) {
        inputs.push_back(dir + kLodz + std::to_string(i) + ".pdf");
        WriteFile(inputs.back(), Pdf(1) + "/FakeDelay 1500");
    }
    Add(inputs);
    std::thread escape([&] {
        EXPECT_TRUE(WaitFor([&] { return Made(dir, "in") == inputs.size() - 1; }));
        PostMessageA(rows[LIST_FILES], WM_KEYDOWN, VK_ESCAPE, 1);
    });
    Click(BTN_REPAIR);
    escape.join();
    for (size_t i = 0; i < inputs.size(); ++i)
        EXPECT_EQ(IsFile(dir + kLodz + std::to_string(i) + "_fixed.pdf"), i + 1 < inputs.size());
    EXPECT_EQ(Made(dir), 0u);

    // The session ends while the tool writes the stand-in of its result.
    const std::string lodz = dir + kLodz + ".pdf", content = Pdf(1) + "/FakeEarly /FakeDelay 30000";
    WriteFile(lodz, content);
    Send(rows[LIST_FILES], LB_RESETCONTENT);
    Add({lodz});
    std::thread end([&] {
        EXPECT_TRUE(WaitFor([&] { return Made(dir, "out") == 1; }));
        Send(hMain, WM_ENDSESSION, TRUE);
    });
    Click(BTN_COMPRESS);
    end.join();
    EXPECT_FALSE(IsFile(dir + kLodz + "_compress.pdf"));
    EXPECT_EQ(Made(dir), 0u);
    EXPECT_EQ(ReadFile(lodz), content);
}

} // namespace
