// Command-line pieces formed from plain values.
#include <gtest/gtest.h>

#include <string.h>

#include "pdf_text.h"
#include "harness.h"

TEST(KeepList, RangesOfTheUnselectedPages)
{
    struct Case {
        std::vector<int> sel;  // indices from 0
        int nPages;
        const char* keep;
    } cases[] = {
        {{1, 4, 8}, 10, " 1-1 3-4 6-8 10-end"},
        {{0}, 10, " 2-end"},
        {{9}, 10, " 1-9"},
        {{8}, 10, " 1-8 10-end"},
        {{2, 3}, 10, " 1-2 5-end"},
        {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, 10, ""},
        {{0, 2}, 3, " 2-2"},
        {{}, 10, ""},
        {{1499}, 2000, " 1-1499 1501-end"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pdfKeepList(c.sel.data(), (int)c.sel.size(), c.nPages), c.keep);
    }
}

TEST(KeepList, EveryOneOfManySelectedPagesIsDeleted)
{
    // Pages 1 to 18 of 20 selected: all of them go, not only the lowest sixteen.
    std::vector<int> sel;
    for (int i = 0; i < 18; ++i)
        sel.push_back(i);
    EXPECT_EQ(pdfKeepList(sel.data(), 18, 20), " 19-end");
    // Every second page of 2,000: the keep list names each odd page on its own.
    sel.clear();
    for (int i = 1; i < 2000; i += 2)
        sel.push_back(i);
    std::string keep = pdfKeepList(sel.data(), (int)sel.size(), 2000);
    EXPECT_EQ(keep.compare(0, 12, " 1-1 3-3 5-5"), 0);
    EXPECT_NE(keep.find(" 1999-1999"), std::string::npos);
    EXPECT_EQ(keep.find("end"), std::string::npos);
}

TEST(CatalogRange, QualifierFollowsTheRange)
{
    EXPECT_EQ(pdfCatalogRange(3, 7, false, false), "3-7");
    EXPECT_EQ(pdfCatalogRange(1, 12, true, false), "1-12even ");
    EXPECT_EQ(pdfCatalogRange(2, 9, false, true), "2-9odd ");
    EXPECT_EQ(pdfCatalogRange(9, 2, false, false), "9-2");
    EXPECT_EQ(pdfCatalogRange(0, 0, false, false), "0-0");
}

TEST(PageLabel, NumberRightAlignedInFourColumns)
{
    EXPECT_EQ(pdfPageLabel(7), "page    7");
    EXPECT_EQ(pdfPageLabel(1234), "page 1234");
    EXPECT_EQ(pdfPageLabel(12345), "page 12345");
    EXPECT_LT(pdfPageLabel(99999).size(), 16u);
}

TEST(QuoteArg, PlainTextIsOnlyQuoted)
{
    EXPECT_EQ(pdfQuoteArg("secret"), "\"secret\"");
    EXPECT_EQ(pdfQuoteArg("two words"), "\"two words\"");
    EXPECT_EQ(pdfQuoteArg("C:\\Docs\\a.pdf"), "\"C:\\Docs\\a.pdf\"");
    EXPECT_EQ(pdfQuoteArg(""), "\"\"");
    EXPECT_EQ(pdfQuoteArg("a\"b"), "\"a\\\"b\"");
    EXPECT_EQ(pdfQuoteArg("end\\"), "\"end\\\\\"");
    EXPECT_EQ(pdfQuoteArg("x\\\"y"), "\"x\\\\\\\"y\"");
}

TEST(QuoteArg, RoundTripsThroughTheWindowsRules)
{
    const char* samples[] = {"a\" output \"C:\\evil.pdf", "\\", "\\\\", "a\\\\\"b", "\" \"",
                             "PROMPT", "tab\there", "caf\xE9", "trailing\\\\", "\"\"\""};
    for (const char* s : samples) {
        std::vector<std::string> args = SplitArgs("tool.exe " + pdfQuoteArg(s) + " next");
        ASSERT_EQ(args.size(), 3u) << s;
        EXPECT_EQ(args[1], s);
        EXPECT_EQ(args[2], "next");
    }
}

static T_SECURITY Security(const char* owner, const char* user)
{
    T_SECURITY sec = {};
    sec.szOwner = owner;
    sec.szUser = user;
    return sec;
}

TEST(SecurityOptions, PiecesInOrder)
{
    T_SECURITY sec = Security("own", "");
    sec.bEncrypt128 = true;
    sec.bPerm[PERM_PRINT_TOP] = true;
    sec.bPerm[PERM_COPY] = true;
    std::string out;
    int nLen = pdfSecurityOptions(&sec, out);
    EXPECT_EQ(nLen, (int)out.size());
    EXPECT_EQ(out, " owner_pw \"own\"  encrypt_128bit  allow Printing  allow CopyContents ");

    sec = Security("", "usr");
    sec.bEncrypt40 = true;
    sec.bEncrypt128 = true;
    out.clear();
    pdfSecurityOptions(&sec, out);
    EXPECT_EQ(out, " user_pw \"usr\"  encrypt_40bit  encrypt_128bit ");

    sec = Security("o", "u");
    for (bool& b : sec.bPerm)
        b = true;
    out.clear();
    pdfSecurityOptions(&sec, out);
    EXPECT_EQ(out, " owner_pw \"o\"  user_pw \"u\"  allow AllFeatures ");
}

TEST(SecurityOptions, FirstBoxOfEachPairWins)
{
    struct Case {
        int first, second;
        const char* firstPiece;
        const char* secondPiece;
    } pairs[] = {
        {PERM_PRINT_TOP, PERM_PRINT_LOW, " allow Printing ", " allow DegradedPrinting "},
        {PERM_MODIFY, PERM_ASSEMBLY, " allow ModifyContents ", " allow Assembly "},
        {PERM_COPY, PERM_READ, " allow CopyContents ", " allow ScreenReaders "},
        {PERM_CREATE, PERM_FILLIN, " allow ModifyAnnotations ", " allow FillIn "},
    };
    for (const Case& c : pairs) {
        T_SECURITY sec = Security("o", "");
        sec.bPerm[c.first] = sec.bPerm[c.second] = true;
        std::string both;
        pdfSecurityOptions(&sec, both);
        EXPECT_EQ(both, std::string(" owner_pw \"o\" ") + c.firstPiece);
        sec.bPerm[c.first] = false;
        std::string second;
        pdfSecurityOptions(&sec, second);
        EXPECT_EQ(second, std::string(" owner_pw \"o\" ") + c.secondPiece);
    }
}

TEST(SecurityOptions, RefusalsAppendNothing)
{
    std::string out = "keep";
    T_SECURITY none = Security("", "");
    for (bool& b : none.bPerm)
        b = true;
    none.bEncrypt40 = true;
    EXPECT_EQ(pdfSecurityOptions(&none, out), 0);
    T_SECURITY same = Security("Same", "Same");
    EXPECT_EQ(pdfSecurityOptions(&same, out), -1);
    EXPECT_EQ(out, "keep");
    T_SECURITY cased = Security("Same", "same");
    EXPECT_GT(pdfSecurityOptions(&cased, out), 0);
}

TEST(SecurityOptions, PasswordsCannotInjectArguments)
{
    T_SECURITY sec = Security("x\" output \"C:\\stolen.pdf", "end\\");
    std::string out;
    pdfSecurityOptions(&sec, out);
    std::vector<std::string> args = SplitArgs("tool.exe" + out);
    ASSERT_EQ(args.size(), 5u);
    EXPECT_EQ(args[1], "owner_pw");
    EXPECT_EQ(args[2], "x\" output \"C:\\stolen.pdf");
    EXPECT_EQ(args[3], "user_pw");
    EXPECT_EQ(args[4], "end\\");
}

TEST(OutputName, ExtensionReplacedBySuffix)
{
    struct Case {
        const char* in;
        const char* suffix;
        const char* out;
    } cases[] = {
        {"C:\\Docs\\a.pdf", "_cat.pdf", "C:\\Docs\\a_cat.pdf"},
        {"C:\\Docs\\a", "_cat.pdf", "C:\\Docs\\a_cat.pdf"},
        {"C:\\Docs\\v1.2.pdf", "_cat.pdf", "C:\\Docs\\v1.2_cat.pdf"},
        {"C:\\docs\\a.b.pdf", "_sec.pdf", "C:\\docs\\a.b_sec.pdf"},
        {"C:\\docs\\scan", "_fixed.pdf", "C:\\docs\\scan_fixed.pdf"},
        {"C:\\my.docs\\report", "_dump.txt", "C:\\my.docs\\report_dump.txt"},
        {"C:\\docs\\report.pdf", "_fields.txt", "C:\\docs\\report_fields.txt"},
    };
    for (const Case& c : cases) {
        char out[260] = {0};
        ASSERT_EQ(pdfOutputName(c.in, c.suffix, out, sizeof(out)), 1) << c.in;
        EXPECT_STREQ(out, c.out);
    }
}

TEST(OutputName, NeverTheInputItself)
{
    // 255 characters: the suffix does not fit in a path, so no output name is formed.
    std::string in = "C:\\" + std::string(248, 'x') + ".pdf";
    char out[260] = "untouched";
    EXPECT_EQ(pdfOutputName(in.c_str(), "_remove.pdf", out, sizeof(out)), 0);
    EXPECT_STREQ(out, "untouched");
    std::string longest = "C:\\" + std::string(256, 'y');
    EXPECT_EQ(pdfOutputName(longest.c_str(), "_cat.pdf", out, sizeof(out)), 0);
}

static int ParseDump(const std::string& text)
{
    std::string path = NewScratchDir("dump") + "d.txt";
    EXPECT_TRUE(WriteFileBytes(path, text));
    FILE* f = fopen(path.c_str(), "r");
    int n = pdfParseDump(f);
    fclose(f);
    return n;
}

TEST(DumpParsing, OnlyTheExactKeyCounts)
{
    struct Case {
        const char* dump;
        int pages;
    } cases[] = {
        {"NumberOfPages: 3\n", 3},
        {"InfoKey: Pages\nInfoValue: 12\nPageMediaNumber: 7\nNumberOfPages: 5\nX: 9\n", 5},
        {"InfoValue: 12\nPageMediaNumber: 7\n", 0},
        {"numberofpages: 4\n", 0},
        {"NumberOfPages:4\n", 0},
        {"NumberOfPages:4\nNumberOfPages: 6\n", 6},
        {"   NumberOfPages: 8\r\n", 8},
        {"NumberOfPages: \n", 0},
        {"NumberOfPages: 10", 10},
        {"", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseDump(c.dump), c.pages) << c.dump;
}

TEST(DumpParsing, LongLinesAreNotSplitIntoKeys)
{
    // The tail of an overlong line must not be read as a line of its own.
    std::string longLine = "InfoValue: " + std::string(600, 'a') + " NumberOfPages: 9\n";
    EXPECT_EQ(ParseDump(longLine + "NumberOfPages: 2\n"), 2);
    std::string tail = "InfoValue: " + std::string(500, 'b');
    tail.resize(511);
    EXPECT_EQ(ParseDump(tail + "NumberOfPages: 77\nNumberOfPages: 1\n"), 1);
}
