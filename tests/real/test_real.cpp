// The operations against Debian's pdftk through the bridge: the results the tool writes.
#include "harness.h"
#include "pdf.h"

namespace {

// A PDF file whose page i (from 1) is nBase + 10 i points wide, so that pages can be told apart
// after the tool has moved them; with a form field named "tandrel_name" if asked.
void WritePdf(const std::string& path, int nPages, int nBase, bool bField = false)
{
    std::vector<std::string> objs = {
        "<< /Type /Catalog /Pages 2 0 R" +
            std::string(bField ? " /AcroForm << /Fields [3 0 R] >>" : "") + " >>",
        "", "<< /FT /Tx /T (tandrel_name) /Rect [0 0 9 9] >>"};
    std::string kids;
    for (int i = 1; i <= nPages; ++i) {
        kids += std::to_string(3 + i) + " 0 R ";
        objs.push_back("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " +
                       std::to_string(nBase + 10 * i) + " 300] >>");
    }
    objs[1] = "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(nPages) + " >>";
    std::string pdf = "%PDF-1.4\n", xref;
    for (size_t i = 0; i < objs.size(); ++i) {
        char szEntry[24];
        snprintf(szEntry, sizeof(szEntry), "%010zu 00000 n\r\n", pdf.size());
        xref += szEntry;
        pdf += std::to_string(i + 1) + " 0 obj\n" + objs[i] + "\nendobj\n";
    }
    std::string count = std::to_string(objs.size() + 1);
    WriteFile(path, pdf + "xref\n0 " + count + "\n0000000000 65535 f\r\n" + xref +
                        "trailer\n<< /Size " + count + " /Root 1 0 R >>\nstartxref\n" +
                        std::to_string(pdf.size()) + "\n%%EOF\n");
}

class RealTool : public WindowTest {
  protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        lstrcpynA(gui.szPathExe, ToolPath("bridge").c_str(), TANDREL_PATH_MAX);
    }
    // The widths of the pages of pdf, in order, as the tool reports them.
    std::vector<int> Widths(const std::string& pdf, const char* szPasswd = nullptr)
    {
        std::string dump = dir + "widths.txt";
        DeleteFileA(dump.c_str());
        std::string cmd = pdfQuoteArg(gui.szPathExe) + " " + pdfQuoteArg(pdf);
        if (szPasswd)
            cmd += std::string(" input_pw ") + pdfQuoteArg(szPasswd);
        ExecuteCommand((cmd + " dumpdata output " + pdfQuoteArg(dump)).c_str());
        std::vector<int> widths;
        std::string text = ReadFile(dump), key = "PageMediaDimensions: ";
        for (size_t pos = text.find(key); pos != std::string::npos; pos = text.find(key, pos + 1))
            widths.push_back(atoi(text.c_str() + pos + key.size()));
        return widths;
    }
};

TEST_F(RealTool, PagesCopiedDeletedAndJoinedInOrder)
{
    WritePdf(dir + "doc.pdf", 7, 200);
    Choose(dir + "doc.pdf", 0); // counted by the tool itself
    ASSERT_EQ(Items(gui.CboCatTo).size(), 7u);
    SendMessageA(gui.CboCatFrom.hdl, CB_SETCURSEL, 1, 0);
    SendMessageA(gui.CboCatTo.hdl, CB_SETCURSEL, 5, 0);
    const std::pair<T_ELEMENT*, std::vector<int>> choices[] = {{&gui.OptCatEven, {220, 240, 260}},
                                                               {&gui.OptCatOdd, {230, 250}}};
    for (const auto& c : choices) {
        Click(*c.first);
        Click(gui.BtnCat);
        EXPECT_EQ(Widths(dir + "doc_cat.pdf"), c.second);
    }
    Select(gui.ListDelete, {1, 4, 5});
    Click(gui.BtnDelete);
    EXPECT_EQ(Widths(dir + "doc_remove.pdf"), std::vector<int>({210, 230, 240, 270}));

    WritePdf(dir + "b \xE9t\xE9.pdf", 1, 500);
    Tab(TAB_MULTI);
    Add({dir + "b \xE9t\xE9.pdf", dir + "doc.pdf"});
    script.answers.push_back(dir + "joined");
    Click(gui.BtnJoin);
    EXPECT_EQ(Widths(dir + "joined.pdf"),
              std::vector<int>({510, 210, 220, 230, 240, 250, 260, 270}));
}

TEST_F(RealTool, EncryptOpenWithThePasswordThenDecrypt)
{
    WritePdf(dir + "secret.pdf", 2, 200);
    Choose(dir + "secret.pdf", 0);
    Type(gui.EditPasswdOwner, "own er");
    Type(gui.EditPasswdUser, "us\"er");
    Click(gui.ChkAuthPrintTop);
    Click(gui.BtnEncrypt);
    std::string sec = dir + "secret_sec.pdf";
    EXPECT_NE(ReadFile(sec).find("/R 3"), std::string::npos); // a 128-bit key
    EXPECT_EQ(Widths(sec, "us\"er"), std::vector<int>({210, 220}));

    // Chosen with its owner password typed, it is counted and decrypted.
    Tab(TAB_MULTI);
    Tab(TAB_SINGLE);
    Type(gui.EditPasswdUser, "");
    Choose(sec, 0);
    EXPECT_EQ(Items(gui.ListDelete).size(), 2u);
    Click(gui.BtnDecrypt);
    EXPECT_EQ(ReadFile(dir + "secret_sec_unsec.pdf").find("/Encrypt"), std::string::npos);
    EXPECT_EQ(Widths(dir + "secret_sec_unsec.pdf"), std::vector<int>({210, 220}));
    EXPECT_TRUE(script.shown.empty());
}

TEST_F(RealTool, PerFileOperations)
{
    WritePdf(dir + "form.pdf", 2, 200, true);
    Choose(dir + "form.pdf", 0);
    Type(gui.EditPasswdOwner, "owner");
    Click(gui.OptEncrypt40);
    Click(gui.BtnEncrypt);
    EXPECT_NE(ReadFile(dir + "form_sec.pdf").find("/R 2"), std::string::npos); // 40 bits
    Type(gui.EditPasswdOwner, "");
    script.answers.push_back(dir + "form_sec.pdf"); // the background
    for (T_ELEMENT* b : {&gui.BtnCompress, &gui.BtnUncompress, &gui.BtnRepair, &gui.BtnDumpData,
                         &gui.BtnDumpDataFields, &gui.BtnBackground})
        Click(*b);
    for (const char* out : {"form_compress.pdf", "form_uncompress.pdf", "form_fixed.pdf"})
        EXPECT_EQ(ReadFile(dir + out).compare(0, 5, "%PDF-"), 0) << out;
    EXPECT_EQ(ReadFile(dir + "form_uncompress.pdf").find("/FlateDecode"), std::string::npos);
    EXPECT_EQ(Widths(dir + "form_bg.pdf"), std::vector<int>({210, 220}));
    EXPECT_NE(ReadFile(dir + "form_dump.txt").find("NumberOfPages: 2"), std::string::npos);
    EXPECT_NE(ReadFile(dir + "form_fields.txt").find("FieldName: tandrel_name"), std::string::npos);
}

TEST_F(RealTool, BurstWritesOnlyIntoEachInputsOwnFolder)
{
    const char* mine[] = {"pg_001.pdf", "pg_050.pdf", "doc_data.txt"}; // the user's own files
    for (const char* name : mine)
        WriteFile(dir + name, name);
    WritePdf(dir + "report.pdf", 3, 200);
    WritePdf(dir + "a.pdf", 2, 600);
    WritePdf(dir + "scan", 1, 400); // no extension: its folder would be the file itself
    Tab(TAB_MULTI);
    Add({dir + "report.pdf", dir + "scan", dir + "a.pdf"});
    Click(gui.BtnBurst);
    for (const char* name : mine)
        EXPECT_EQ(ReadFile(dir + name), name);
    EXPECT_EQ(Widths(dir + "report\\pg_003.pdf"), std::vector<int>({230}));
    EXPECT_EQ(Widths(dir + "a\\pg_002.pdf"), std::vector<int>({620}));
    EXPECT_TRUE(IsFile(dir + "report\\doc_data.txt") && IsFile(dir + "a\\doc_data.txt"));
    EXPECT_FALSE(IsFile(dir + "a\\pg_003.pdf") || IsFile(dir + "report\\pg_004.pdf"));
}

} // namespace
