// Running the tool and counting pages, with the fake tool.
#include "harness.h"
#include "pdf.h"

class ToolRunner : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = NewScratchDir("runner");
        SetEnv("TANDREL_FAKE_PAGES", "3");
        SetEnv("TANDREL_FAKE_DELAY_MS", nullptr);
        SetEnv("TANDREL_FAKE_FAIL_ON", nullptr);
        SetEnv("TANDREL_FAKE_PASSWORD", nullptr);
        pdf = dir + "report.pdf";
        WriteFileBytes(pdf, "%PDF-1.4\n");
    }
    FakeToolLog log;
    std::string dir, pdf;
};

TEST_F(ToolRunner, WaitsForTheToolToEnd)
{
    SetEnv("TANDREL_FAKE_DELAY_MS", "1200");
    std::string out = dir + "out.pdf";
    std::string cmd = "\"" + ToolPath("fake") + "\" \"" + pdf + "\" output \"" + out + "\"";
    DWORD t0 = GetTickCount();
    EXPECT_EQ(ExecuteCommand(cmd.c_str()), 0);
    DWORD ms = GetTickCount() - t0;
    EXPECT_GE(ms, 1150u);
    EXPECT_TRUE(FileExists(out));
    ASSERT_EQ(log.Runs().size(), 1u);
    EXPECT_EQ(log.Runs()[0].cmd, cmd);
    RecordProperty("fake_run_ms_with_1200_ms_delay", (int)ms);
}

TEST_F(ToolRunner, RunsInTheGivenFolder)
{
    std::string cmd = "\"" + ToolPath("fake") + "\" x output y";
    ExecuteCommand(cmd.c_str(), dir.c_str());
    ExecuteCommand(cmd.c_str());
    std::vector<ToolRun> runs = log.Runs();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].cwd + "\\", dir);
    char szCwd[MAX_PATH];
    GetCurrentDirectoryA(sizeof(szCwd), szCwd);
    EXPECT_EQ(runs[1].cwd, szCwd);
}

TEST_F(ToolRunner, MissingToolIsNoError)
{
    int nBefore = CountTempFiles("tdr*.tmp");
    std::string missing = dir + "nothing\\pdftk.exe";
    EXPECT_EQ(ExecuteCommand(("\"" + missing + "\" x").c_str()), 0);
    EXPECT_EQ(GetNumberOfPage(pdf.c_str(), missing.c_str()), -1);
    EXPECT_EQ(GetNumberOfPagePassword(pdf.c_str(), missing.c_str(), "pw"), -1);
    EXPECT_EQ(CountTempFiles("tdr*.tmp"), nBefore);
    EXPECT_FALSE(FileExists(dir + "report.dump"));
}

TEST_F(ToolRunner, CountsPagesWithoutTouchingFilesBesideThePdf)
{
    // A file of the dump's old name beside the PDF belongs to the user.
    WriteFileBytes(dir + "report.dump", "mine");
    int nBefore = CountTempFiles("tdr*.tmp");
    EXPECT_EQ(GetNumberOfPage(pdf.c_str(), ToolPath("fake").c_str()), 3);
    SetEnv("TANDREL_FAKE_PAGES", "2000");
    EXPECT_EQ(GetNumberOfPage(pdf.c_str(), ToolPath("fake").c_str()), 2000);
    SetEnv("TANDREL_FAKE_FAIL_ON", "report");
    EXPECT_EQ(GetNumberOfPage(pdf.c_str(), ToolPath("fake").c_str()), -1);
    EXPECT_EQ(ReadFile(dir + "report.dump"), "mine");
    EXPECT_EQ(CountTempFiles("tdr*.tmp"), nBefore);
}

TEST_F(ToolRunner, PathsOfEveryLengthFitTheCommand)
{
    // Three paths of 259 characters: the count's command holds them whole.
    std::string deep = dir;
    while (deep.size() < 200) {
        deep += std::string(40, 'd') + "\\";
        CreateDirectoryA(deep.c_str(), nullptr);
    }
    std::string longPdf = deep + std::string(259 - deep.size() - 4, 'p') + ".pdf";
    ASSERT_EQ(longPdf.size(), 259u);
    ASSERT_TRUE(WriteFileBytes(longPdf, "%PDF-1.4\n"));
    EXPECT_EQ(GetNumberOfPage(longPdf.c_str(), ToolPath("fake").c_str()), 3);
    std::vector<std::string> args = SplitArgs(log.Runs().back().cmd);
    ASSERT_EQ(args.size(), 5u);
    EXPECT_EQ(args[1], longPdf);
}
