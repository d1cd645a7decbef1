// The operations against Debian's pdftk, through the bridge; results checked with pdftk and qpdf.
#include <algorithm>

#include "harness.h"
#include "pdf.h"
#include "pdfwriter.h"

namespace {

// Runs a Unix program through unixrun.exe; its standard output goes into *out.
int RunUnix(const std::vector<std::string>& args, std::string* out = nullptr)
{
    std::string outFile = NewScratchDir("unixrun") + "stdout.txt";
    SetEnv("TANDREL_UNIXRUN_STDOUT", outFile.c_str());
    std::string cmd = pdfQuoteArg(TestProgramDir() + "..\\bridge\\unixrun.exe");
    for (const std::string& a : args)
        cmd += " " + pdfQuoteArg(a);
    STARTUPINFOA si = {};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi = {};
    DWORD code = 255;
    if (CreateProcessA(nullptr, &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        WaitForSingleObject(pi.hProcess, INFINITE);
        GetExitCodeProcess(pi.hProcess, &code);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
    SetEnv("TANDREL_UNIXRUN_STDOUT", nullptr);
    if (out)
        *out = ReadFile(outFile);
    return (int)code;
}

// "w h" of every page, in order, as pdftk reports them.
std::vector<std::string> PageSizes(const std::string& pdf, const char* szPasswd = nullptr)
{
    std::string dump = NewScratchDir("sizes") + "dump.txt";
    std::string cmd = pdfQuoteArg(ToolPath("bridge")) + " " + pdfQuoteArg(pdf);
    if (szPasswd)
        cmd += std::string(" input_pw ") + pdfQuoteArg(szPasswd);
    cmd += " dumpdata output " + pdfQuoteArg(dump);
    ExecuteCommand(cmd.c_str());
    std::vector<std::string> sizes;
    std::string text = ReadFile(dump);
    const std::string key = "PageMediaDimensions: ";
    for (size_t pos = text.find(key); pos != std::string::npos; pos = text.find(key, pos + 1)) {
        size_t end = text.find_first_of("\r\n", pos);
        std::string v = text.substr(pos + key.size(), end - pos - key.size());
        v.erase(std::remove(v.begin(), v.end(), ','), v.end());
        sizes.push_back(v);
    }
    return sizes;
}

// Page i (from 1) of the test files is 200 + 10 i wide and 300 high.
std::vector<std::pair<int, int>> Sizes(int nPages, int nBase = 200)
{
    std::vector<std::pair<int, int>> v;
    for (int i = 1; i <= nPages; ++i)
        v.push_back({nBase + 10 * i, 300});
    return v;
}

std::vector<std::string> Names(std::vector<int> pages, int nBase = 200)
{
    std::vector<std::string> v;
    for (int p : pages)
        v.push_back(std::to_string(nBase + 10 * p) + " 300");
    return v;
}

}  // namespace

class RealTool : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        lstrcpynA(gui.szPathExe, ToolPath("bridge").c_str(), sizeof(gui.szPathExe));
    }
    std::string MakePdf(const char* name, int nPages, int nBase = 200,
                        const PdfExtras* extras = nullptr)
    {
        std::string path = dir + name;
        EXPECT_TRUE(WriteTestPdf(path.c_str(), Sizes(nPages, nBase), extras));
        return path;
    }
    // Chooses the source through the dialog, counted by the real tool.
    void Choose(const std::string& path)
    {
        script.openAnswers.push_back(path);
        Click(gui.BtnPDFSource);
    }
    std::string Encryption(const std::string& pdf, const char* szPasswd = nullptr)
    {
        std::vector<std::string> args = {"qpdf", "--show-encryption"};
        if (szPasswd)
            args.push_back(std::string("--password=") + szPasswd);
        args.push_back(pdf);
        std::string out;
        RunUnix(args, &out);
        return out;
    }
    int QpdfCheck(const std::string& pdf)
    {
        std::string out;
        return RunUnix({"qpdf", "--check", pdf}, &out);
    }
};

TEST_F(RealTool, CountsThePagesOfAGeneratedFile)
{
    std::string pdf = MakePdf("three pages.pdf", 3);
    DWORD t0 = GetTickCount();
    EXPECT_EQ(GetNumberOfPage(pdf.c_str(), gui.szPathExe), 3);
    RecordProperty("bridge_count_ms", (int)(GetTickCount() - t0));
    Choose(pdf);
    EXPECT_EQ(ListItems(gui.ListDelete).size(), 3u);
}

TEST_F(RealTool, PageCopyAllEvenOdd)
{
    std::string pdf = MakePdf("doc.pdf", 7);
    Choose(pdf);
    ASSERT_EQ(ListItems(gui.CboCatTo).size(), 7u);
    SendMessageA(gui.CboCatFrom.hdl, CB_SETCURSEL, 1, 0);  // page 2
    SendMessageA(gui.CboCatTo.hdl, CB_SETCURSEL, 5, 0);    // page 6
    struct Case {
        T_ELEMENT* choice;
        std::vector<int> pages;
    } cases[] = {{&gui.OptCatAll, {2, 3, 4, 5, 6}},
                 {&gui.OptCatEven, {2, 4, 6}},
                 {&gui.OptCatOdd, {3, 5}}};
    for (const Case& c : cases) {
        Click(*c.choice);
        Click(gui.BtnCat);
        EXPECT_EQ(PageSizes(dir + "doc_cat.pdf"), Names(c.pages));
    }
}

TEST_F(RealTool, DeletionLeavesTheUnselectedPages)
{
    std::string pdf = MakePdf("doc.pdf", 10);
    Choose(pdf);
    SelectListItems(gui.ListDelete, {1, 4, 8});
    Click(gui.BtnDelete);
    EXPECT_EQ(PageSizes(dir + "doc_remove.pdf"), Names({1, 3, 4, 6, 7, 8, 10}));
    SelectListItems(gui.ListDelete, {0, 1, 2, 3, 4, 5, 6, 7, 8});
    Click(gui.BtnDelete);
    EXPECT_EQ(PageSizes(dir + "doc_remove.pdf"), Names({10}));
}

TEST_F(RealTool, EncryptThenChooseWithThePasswordThenDecrypt)
{
    std::string pdf = MakePdf("secret.pdf", 2);
    Choose(pdf);
    Type(gui.EditPasswdOwner, "own er");
    Type(gui.EditPasswdUser, "us\"er");
    Click(gui.ChkAuthPrintTop);
    Click(gui.ChkAuthCopy);
    Click(gui.BtnEncrypt);
    std::string sec = dir + "secret_sec.pdf";
    ASSERT_TRUE(FileExists(sec));
    std::string enc = Encryption(sec, "own er");
    EXPECT_NE(enc.find("R = 3"), std::string::npos) << enc;
    EXPECT_NE(enc.find("print high resolution: allowed"), std::string::npos) << enc;
    EXPECT_NE(enc.find("modify anything: not allowed"), std::string::npos) << enc;
    EXPECT_NE(enc.find("extract for any purpose: allowed"), std::string::npos) << enc;
    // The user password as typed, quote and all, opens it.
    EXPECT_EQ(PageSizes(sec, "us\"er").size(), 2u);

    // The protected file is chosen with its owner password typed, then decrypted.
    SelectTab(1);
    SelectTab(0);
    Type(gui.EditPasswdUser, "");
    Choose(sec);
    EXPECT_EQ(Text(gui.EditPDFSource.hdl), sec);
    EXPECT_EQ(ListItems(gui.ListDelete).size(), 2u);
    EXPECT_TRUE(script.messages.empty());
    Click(gui.BtnDecrypt);
    std::string unsec = dir + "secret_sec_unsec.pdf";
    ASSERT_TRUE(FileExists(unsec));
    EXPECT_NE(Encryption(unsec).find("File is not encrypted"), std::string::npos);
    EXPECT_EQ(PageSizes(unsec), Names({1, 2}));

    // Without a password the protected file has no pages.
    SelectTab(1);
    SelectTab(0);
    Type(gui.EditPasswdOwner, "");
    Choose(sec);
    ASSERT_EQ(script.messages.size(), 1u);
    EXPECT_EQ(script.messages[0].text, szLang_fr[60]);
}

TEST_F(RealTool, JoinKeepsTheListOrder)
{
    std::string a = MakePdf("a.pdf", 2, 200);
    std::string b = MakePdf("b \xE9t\xE9.pdf", 1, 500);
    SelectTab(1);
    AddToList({b, a});
    script.saveAnswers.push_back(dir + "joined");
    Click(gui.BtnJoin);
    EXPECT_EQ(PageSizes(dir + "joined.pdf"),
              (std::vector<std::string>{"510 300", "210 300", "220 300"}));
}

TEST_F(RealTool, KeyLengthsAndPerFileOperations)
{
    std::string a = MakePdf("a.pdf", 2);
    std::string f = MakePdf("form.pdf", 1, 300, [] {
        static PdfExtras x;
        x.bFormField = true;
        x.szFieldName = "tandrel_name";
        return &x;
    }());
    SelectTab(1);
    AddToList({a, f});
    Type(gui.EditPasswdOwner, "owner");
    Click(gui.OptEncrypt40);
    Click(gui.BtnEncrypt);
    EXPECT_NE(Encryption(dir + "a_sec.pdf", "owner").find("R = 2"), std::string::npos);
    EXPECT_NE(Encryption(dir + "form_sec.pdf", "owner").find("R = 2"), std::string::npos);
    Type(gui.EditPasswdOwner, "");
    for (T_ELEMENT* b : {&gui.BtnCompress, &gui.BtnUncompress, &gui.BtnRepair, &gui.BtnDumpData,
                         &gui.BtnDumpDataFields})
        Click(*b);
    for (const char* out : {"a_compress.pdf", "a_uncompress.pdf", "a_fixed.pdf",
                            "form_compress.pdf", "form_uncompress.pdf", "form_fixed.pdf"})
        EXPECT_EQ(QpdfCheck(dir + out), 0) << out;
    EXPECT_EQ(ReadFile(dir + "a_uncompress.pdf").find("/FlateDecode"), std::string::npos);
    EXPECT_NE(ReadFile(dir + "a_dump.txt").find("NumberOfPages: 2"), std::string::npos);
    EXPECT_NE(ReadFile(dir + "form_fields.txt").find("tandrel_name"), std::string::npos);
}

TEST_F(RealTool, BackgroundGoesUnderEveryPage)
{
    std::string a = MakePdf("a.pdf", 3);
    PdfExtras bgx;
    bgx.bBackgroundRect = true;
    std::string bg = MakePdf("bg.pdf", 1, 400, &bgx);
    Choose(a);
    script.openAnswers.push_back(bg);
    Click(gui.BtnBackground);
    std::string out = dir + "a_bg.pdf";
    ASSERT_TRUE(FileExists(out));
    // Uncompressed, each page shows the background's marker beside its own text.
    std::string plain = dir + "plain.pdf";
    RunUnix({"qpdf", "--qdf", "--object-streams=disable", out, plain});
    std::string text = ReadFile(plain);
    size_t nMarks = 0;
    for (size_t p = text.find("TANDREL-BG"); p != std::string::npos; p = text.find("TANDREL-BG", p + 1))
        ++nMarks;
    EXPECT_GE(nMarks, 1u);
    for (const char* page : {"(Page 1) Tj", "(Page 2) Tj", "(Page 3) Tj"})
        EXPECT_NE(text.find(page), std::string::npos) << page;
    EXPECT_EQ(PageSizes(out).size(), 3u);
}

TEST_F(RealTool, BurstFilesFromTwoFolders)
{
    std::string other = dir + "other\\";
    CreateDirectoryA(other.c_str(), nullptr);
    std::string a = MakePdf("a.pdf", 3);
    std::string b = other + "b.pdf";
    ASSERT_TRUE(WriteTestPdf(b.c_str(), Sizes(2, 600)));
    SelectTab(1);
    AddToList({a, b});
    SetCurrentDirectoryA("C:\\");
    Click(gui.BtnBurst);
    for (const char* f : {"pg_001.pdf", "pg_002.pdf", "pg_003.pdf", "doc_data.txt"})
        EXPECT_TRUE(FileExists(dir + "a\\" + f)) << f;
    for (const char* f : {"pg_001.pdf", "pg_002.pdf", "doc_data.txt"})
        EXPECT_TRUE(FileExists(other + "b\\" + f)) << f;
    EXPECT_FALSE(FileExists(other + "b\\pg_003.pdf"));
    EXPECT_FALSE(FileExists(dir + "pg_001.pdf"));
    EXPECT_FALSE(FileExists(other + "pg_001.pdf"));
    EXPECT_EQ(PageSizes(other + "b\\pg_002.pdf"), Names({2}, 600));
}
