// Text forming from plain values: the texts, the pieces of the tool's command lines and the dump
// reader.
#include <gtest/gtest.h>
#include <windows.h>
#include <shellapi.h>

#include <array>
#include <fstream>
#include <regex>

#include "layout.h"
#include "paths.h"
#include "pdf_ranges.h"
#include "pdf_count.h"
#include "pdf_schedule.h"
#include "pdf_standin.h"
#include "pdf_text.h"
#include "pdf_tool.h"
#include "version.h"

// The design's texts (texts.txt, beside this program): of each, the name of its id, its language
// and its text, escapes undone.
static std::vector<std::array<std::string, 3>> DesignTexts()
{
    char szSelf[MAX_PATH] = {0};
    GetModuleFileNameA(nullptr, szSelf, sizeof(szSelf));
    std::ifstream f(std::string(szSelf, strrchr(szSelf, '\\') + 1) + "texts.txt", std::ios::binary);
    std::vector<std::array<std::string, 3>> texts;
    std::smatch m;
    for (std::string line; std::getline(f, line);) {
        if (!std::regex_match(line, m, std::regex(R"re((\w+) (\w+) "(.*)")re")))
            continue;
        std::string text, escaped = m[3];
        for (size_t i = 0; i < escaped.size(); ++i) {
            char c = escaped[i], e = c == '\\' ? escaped[++i] : 0;
            if (e == 'x')
                text += (char)std::stoi(escaped.substr(i + 1, 2), nullptr, 16), i += 2;
            else
                text += e == 'r' ? '\r' : e == 'n' ? '\n' : e ? e : c;
        }
        texts.push_back({m[1], m[2], text});
    }
    return texts;
}

// Each text of both languages as designed, named by its id when it differs.
TEST(Texts, EveryTextOfBothLanguages)
{
    std::vector<std::array<std::string, 3>> design = DesignTexts();
    ASSERT_EQ(design.size(), 2u * TXT_COUNT) << "texts.txt is missing or lacks texts";
    for (int nLang : {LNG_FRENCH, LNG_ENGLISH}) {
        const char* const* table = TextTable(nLang);
        for (int i = 0; i < TXT_COUNT; ++i) {
            const auto& want = design[(size_t)(nLang * TXT_COUNT + i)];
            EXPECT_TRUE(want[2] == "*" || want[2] == table[i])
                << want[0] << " (" << i << ") in " << want[1] << ": the program says \"" << table[i]
                << "\", the design \"" << want[2] << "\"";
        }
        // Its wording is free: twelve lines, the name first, the version on the sixth.
        std::string about = table[TXT_ABOUT];
        std::vector<size_t> ends;
        for (size_t pos = 0; (pos = about.find("\r\n", pos)) != std::string::npos; pos += 2)
            ends.push_back(pos);
        ASSERT_EQ(ends.size(), 11u);
        EXPECT_EQ(about.compare(0, 7, "TANDREL"), 0);
        size_t nVersion = about.find("Version " TANDREL_VERSION_TEXT "\r\n");
        EXPECT_TRUE(nVersion > ends[4] && nVersion < ends[5]);
    }
}

TEST(PageRanges, KeepListCatalogRangeAndLabels)
{
    struct {
        std::vector<int> sel; // indices from 0, of a ten-page file
        const char* keep;
    } keeps[] = {
        // clang-format off
        {{1, 4, 8}, " 1-1 3-4 6-8 10-end"}, {{0}, " 2-end"},       {{9}, " 1-9"},
        {{8}, " 1-8 10-end"},               {{2, 3}, " 1-2 5-end"}, {{0, 2}, " 2-2 4-end"},
        {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, ""}, {{}, ""},
        // clang-format on
    };
    for (const auto& c : keeps)
        EXPECT_EQ(pdfPagesLeftList(c.sel.data(), (int)c.sel.size(), 10), c.keep) << c.keep;
    std::vector<int> many; // every one of many selected pages counts
    for (int i = 0; i < 1500; ++i)
        many.push_back(i < 750 ? 750 + i : 1000 + i);
    EXPECT_EQ(pdfPagesLeftList(many.data(), (int)many.size(), 3000), " 1-750 1501-1750 2501-end");
    EXPECT_EQ(pdfCatalogRange(3, 7, false, false), "3-7");
    EXPECT_EQ(pdfCatalogRange(1, 12, true, false), "1-12even ");
    EXPECT_EQ(pdfCatalogRange(2, 9, false, true), "2-9odd ");
    EXPECT_EQ(pdfCatalogRange(9, 2, true, true), "9-2even odd ");
    EXPECT_EQ(pdfPageLabel(123456), "page 123456");
}

// Ranges typed in the tool's syntax, checked against a ten-page document: what the tool is given
// to take them, and to turn them (a page typed twice turns twice); else where the first wrong
// part is.
TEST(PageRanges, TypedRangesTakenTurnedOrRefusedWhereWrong)
{
    // clang-format off
    const struct { const char* text; int nResult; const char* take; const char* turn; } cases[] = {
        {"1-3 7 9-end",      RANGES_VALID, " 1-3 7 9-end",     " 1-3right 7right 9-endright"},
        {"3-1,,r2-R1",       RANGES_VALID, " 3-1 r2-r1",       " 3-1right r2-r1right"},
        {"1-endODD 4 4",     RANGES_VALID, " 1-endodd 4 4",    " 1-endoddright 4right 4right"},
        {"end-6 even\t010", RANGES_VALID, " end-6even 10",    " end-6evenright 10right"},
        {"2even r1",         RANGES_VALID, " 2-2even r1",      " 2-2evenright r1right"},
        {"1-10",             RANGES_VALID, " 1-10",            " 1-10right"},
        {" , \t",           RANGES_NONE,  "", ""},
        {"",                 RANGES_NONE,  "", ""},
        {"1-3 11",           4,  "", ""}, {"0",     0, "", ""}, {"r11",     0, "", ""},
        {"2, 1-x",           3,  "", ""}, {"-3",    0, "", ""}, {"5-",      0, "", ""},
        {"1-2-3",            0,  "", ""}, {"r",     0, "", ""}, {"even 1",  0, "", ""},
        {"1 2odd",           2,  "", ""}, {"1-3oddeven", 0, "", ""}, {"1-3 odd even", 8, "", ""},
        {"1 9999999",        2,  "", ""}, {"end-r11", 0, "", ""}, {"1 page", 2, "", ""},
    };
    // clang-format on
    for (const auto& c : cases) {
        std::vector<T_PAGE_RANGE> ranges;
        int nResult = pdfParseRanges(c.text, 10, ranges);
        EXPECT_EQ(nResult, c.nResult) << c.text;
        if (nResult != RANGES_VALID)
            continue;
        EXPECT_EQ(pdfTakeList(ranges), c.take) << c.text;
        EXPECT_EQ(pdfRotateList(ranges, "right"), c.turn) << c.text;
    }
    EXPECT_EQ(pdfRangePart("1-3, 7x,9", 5), "7x");
    EXPECT_EQ(pdfRangePart("1 oops", 2), "oops");
    std::vector<T_PAGE_RANGE> ranges; // the document's edge
    EXPECT_EQ(pdfParseRanges("1 end r1 1-1", 1, ranges), RANGES_VALID);
    EXPECT_EQ(pdfRotateList(ranges, "down"), " 1down enddown r1down 1-1down");
    EXPECT_EQ(pdfParseRanges("2", 1, ranges), 0);
}

// Each text, quoted, reaches a program whole, as the platform itself splits its command line.
TEST(Quoting, EveryTextReachesTheToolWhole)
{
    EXPECT_EQ(pdfQuoteArg("C:\\Docs\\a b.pdf"), "\"C:\\Docs\\a b.pdf\"");
    for (const char* s : {"a\" output \"C:\\evil.pdf", "\\", "\\\\", "a\\\\\"b", "\" \"", "",
                          "PROMPT", "tab\there", "caf\xE9", "trailing\\\\", "\"\"\""}) {
        std::string cmd = "tool.exe " + pdfQuoteArg(s) + " next";
        std::wstring w(cmd.size(), L'\0');
        MultiByteToWideChar(1252, 0, cmd.data(), (int)cmd.size(), &w[0], (int)w.size());
        int n = 0;
        LPWSTR* argv = CommandLineToArgvW(w.c_str(), &n);
        char arg[512] = {0};
        WideCharToMultiByte(1252, 0, argv[1], -1, arg, sizeof(arg) - 1, nullptr, nullptr);
        EXPECT_EQ(n, 3) << s;
        EXPECT_STREQ(arg, s);
        LocalFree(argv);
    }
}

// A password given as PROMPT, after any password keyword or input_pw's handle, and nothing else,
// makes the tool ask on its console.
TEST(Quoting, PasswordsAskedOnTheConsole)
{
    // clang-format off
    const struct { const char* before; const char* password; int nAsks; } cases[] = {
        {" owner_pw ", "PROMPT", 1},     {" input_pw A=", "PROMPT", 1}, {" input_pw B=", "PROMPT", 1},
        {" input_pw A=", "prompt", 0},   {" owner_pw ", "PROMPT ", 0},  {" owner_pw ", "\"PROMPT\"", 0},
        {" owner_pw ", "x=\"PROMPT", 0},
    };
    // clang-format on
    for (const auto& c : cases) {
        std::string cmd = "\"C:\\t\\pdftk.exe\" A=\"C:\\a.pdf\"" + std::string(c.before) +
                          pdfQuoteArg(c.password) + " output \"C:\\b.pdf\"";
        EXPECT_EQ(pdfAsksOnConsole(cmd), c.nAsks) << cmd;
    }
}

// The permissions' words are checked through the window's boxes.
TEST(SecurityOptions, PiecesInOrderAndRefusals)
{
    struct {
        const char *owner, *user;
        bool b40, b128, bCopy;
        int result; // > 0: the length of the options
        const char* options;
    } cases[] = {
        // clang-format off
        {"", "", true, true, true, 0, ""},
        {"Same", "Same", false, true, false, -1, ""},
        {"Same", "same", true, false, true, 1,
         " owner_pw \"Same\"  user_pw \"same\"  encrypt_40bit  allow CopyContents "},
        {"", "usr", true, true, false, 1, " user_pw \"usr\"  encrypt_40bit  encrypt_128bit "},
        {"x\" output \"C:\\stolen.pdf", "end\\", false, false, false, 1,
         " owner_pw \"x\\\" output \\\"C:\\stolen.pdf\"  user_pw \"end\\\\\" "},
        // clang-format on
    };
    for (const auto& c : cases) {
        T_SECURITY sec = {c.owner, c.user, c.b40, c.b128, {}};
        sec.bPerm[PERM_COPY] = c.bCopy;
        std::string options;
        int nResult = pdfSecurityOptions(&sec, options);
        EXPECT_EQ(options, c.options);
        EXPECT_EQ(nResult, c.result > 0 ? (int)options.size() : c.result) << c.options;
    }
}

// Formed from the real name, in UTF-8, within a path's 259 characters however many bytes they
// take; never the input's own name.
TEST(OutputName, NeverTheInputsOwn)
{
    const std::string lodz = "C:\\\xC5\x81\xC3\xB3\x64\xC5\xBA";
    std::string acute; // 240 letters of two bytes each
    for (int i = 0; i < 240; ++i)
        acute += "\xC3\xA9";
    // clang-format off
    // An empty output: none is formed.
    const struct { std::string input; const char* suffix; std::string output; } cases[] = {
        {"C:\\" + std::string(248, 'x') + ".pdf", "_remove.pdf", ""}, // too long
        {"C:\\a.b\\v1", "_cat.pdf", "C:\\a.b\\v1_cat.pdf"},       // no extension
        {lodz + ".pdf", "_compress.pdf", lodz + "_compress.pdf"},
        {"C:\\" + acute + ".pdf", "_cat.pdf", "C:\\" + acute + "_cat.pdf"},
        {"C:\\" + acute + "xxxxxx.pdf", "_remove.pdf", ""}, // 260 letters
        {"C:\\x.pdf", ".pdf", ""},                          // its own name
    };
    // clang-format on
    for (const auto& c : cases) {
        char out[TANDREL_PATH_BYTES] = "untouched";
        EXPECT_EQ(pdfOutputName(c.input.c_str(), c.suffix, out, sizeof(out)),
                  c.output.empty() ? 0 : 1);
        EXPECT_EQ(out, c.output.empty() ? "untouched" : c.output) << c.suffix;
    }
}

// One input at a time per processor, per 512 MB free and at most four; never none.
TEST(Workers, ProcessorsMemoryAndTheCap)
{
    const unsigned long long nMB = 1ULL << 20;
    // clang-format off
    const struct { unsigned nCpus; unsigned long long nFree; int nWorkers; } cases[] = {
        {2, 24000 * nMB, 2}, {16, 24000 * nMB, 4}, {8, 1535 * nMB, 2}, {8, 1536 * nMB, 3},
        {1, 8000 * nMB, 1},  {8, 100 * nMB, 1},    {0, 0, 1},          {4, ~0ULL, 4},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(pdfWorkers(c.nCpus, c.nFree), c.nWorkers) << c.nCpus << " " << c.nFree;
}

// A path goes to the tool exactly as the code page spells it, or under a stand-in: never with
// '?' or a look-alike letter, which would name no file or another one.
TEST(Names, SpeltExactlyInTheCodePageOrStoodInFor)
{
    const char* lodz = "C:\\\xC5\x81\xC3\xB3\x64\xC5\xBA.pdf"; // not the look-alike Lodz.pdf
    // clang-format off
    const struct { const char* path; unsigned nCodePage; const char* spelt; int nChars; } cases[] = {
        {"C:\\caf\xC3\xA9.pdf", 1252, "C:\\caf\xE9.pdf", 11}, {lodz, 1252, nullptr, 11},
        {lodz, 1250, "C:\\\xA3\xF3\x64\x9F.pdf", 11},           // Central European
        {"C:\\\xE4\xB8\xAD.pdf", 1252, nullptr, 8},              // Chinese
        {"C:\\\xE4\xB8\xAD.pdf", 936, "C:\\\xD6\xD0.pdf", 8},
        {"C:\\\xF0\x9F\x98\x80.pdf", 1252, nullptr, 9},         // an emoji: two characters
        {"C:\\\xED\xA0\x80.pdf", 1252, nullptr, 8},              // half a letter: no UTF-8
        {"C:\\plain.pdf", 1252, "C:\\plain.pdf", 12},
    };
    // clang-format on
    for (const auto& c : cases) {
        char out[TANDREL_PATH_BYTES] = "untouched";
        EXPECT_EQ(pathInCodePage(c.path, out, sizeof(out), c.nCodePage), c.spelt ? 1 : 0);
        EXPECT_STREQ(out, c.spelt ? c.spelt : "") << c.nCodePage;
        EXPECT_EQ(pathChars(c.path), c.nChars) << c.path;
    }
}

// A stand-in keeps a short plain extension, and says what it stands in for.
TEST(Names, StandInsOfTheirRoles)
{
    // clang-format off
    const struct { int nRole; unsigned nId; const char* real; const char* standIn; } cases[] = {
        {STAND_IN_READ, 7, "D:\\\xC5\x81\xC3\xB3\x64\xC5\xBA.pdf", "C:\\T\\in7.pdf"},
        {STAND_IN_WRITE, 8, "D:\\x\\\xE7\xB5\x90.PDF", "C:\\T\\out8.PDF"},
        {STAND_IN_READ, 9, "D:\\\xC5\x81.\xC3\xB3" "df", "C:\\T\\in9"},     // not plain
        {STAND_IN_READ, 10, "D:\\a.verylongext", "C:\\T\\in10"},           // too long
        {STAND_IN_READ, 11, "D:\\\xC5\x81.d\\file", "C:\\T\\in11"},    // a folder's dot
        {STAND_IN_FOLDER, 12, "D:\\\xC5\x81\xC3\xB3\x64\xC5\xBA", "C:\\T\\dir12"},
        {STAND_IN_FOLDER, 13, "D:\\scans.2024", "C:\\T\\dir13"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(pdfStandInName("C:\\T\\", c.nRole, c.nId, c.real), c.standIn) << c.real;
    // Each name replaced where it stands whole, quotes included, in one pass from the left.
    const struct {
        const char* cmd;
        std::vector<std::pair<std::string, std::string>> names;
        const char* given;
    } replaced[] = {
        {"\"t\" \"a\" \"ab\" output \"a\"",
         {{"\"a\"", "\"X\""}, {"\"ab\"", "\"Y\""}},
         "\"t\" \"X\" \"Y\" output \"X\""},
        {"\"a\" \"b\"", {{"\"a\"", "\"b\""}, {"\"b\"", "\"c\""}}, "\"b\" \"c\""},
        {" A=\"a\" B=\"b\" shuffle A B", {{"\"a\"", "\"X\""}}, " A=\"X\" B=\"b\" shuffle A B"},
        {"\"t\" \"a.pdf\"", {{"\"a\"", "\"X\""}}, "\"t\" \"a.pdf\""},
    };
    for (const auto& r : replaced)
        EXPECT_EQ(pdfReplaceNames(r.cmd, r.names), r.given);
}

TEST(Names, BurstWrites)
{
    for (const char* name : {"pg_001.pdf", "pg_009.pdf", "PG_12345678.PDF", "Doc_Data.txt"})
        EXPECT_TRUE(pdfBurstWrites(name)) << name;
    for (const char* name : {"pg_.pdf", "pg_01a.pdf", "a_pg_001.pdf", "pg_001.pdf.txt"})
        EXPECT_FALSE(pdfBurstWrites(name)) << name;
}

TEST(Settings, EachByteReadOrItsDefault)
{
    using namespace std::string_literals;
    const struct {
        std::string bytes;
        int zoom, lang;
    } cases[] = {
        {"\x05\x01"s, 5, LNG_ENGLISH},     {"\x0B\x01"s, 0, LNG_ENGLISH},
        {"\x03\x02"s, 3, LNG_FRENCH},      {"\x04"s, 0, LNG_FRENCH},
        {"\x0A\x00\x07"s, 10, LNG_FRENCH}, {""s, 0, LNG_FRENCH},
    };
    static T_INTERFACE ui;
    GetTempFileNameA(".", "cfg", 0, ui.szPathCfg);
    for (const auto& c : cases) {
        FILE* f = fopen(ui.szPathCfg, "wb");
        fwrite(c.bytes.data(), 1, c.bytes.size(), f);
        fclose(f);
        T_CONFIG cfg = {0, 0};
        cfgLoadSettings(&ui, &cfg);
        EXPECT_EQ(cfg.zoom, c.zoom) << c.bytes;
        EXPECT_EQ(cfg.lang, c.lang) << c.bytes;
    }
    DeleteFileA(ui.szPathCfg);
}

// Portable beside the program; installed under the user's application data, or beside the
// program when that is unknown or too deep; nothing too deep to name.
TEST(Settings, PlaceBesideTheProgramOrUnderTheUsersData)
{
    const std::string deep = "C:\\" + std::string(245, 'd'); // and "\\tandrel.cfg": 260 characters
    const std::string fits = deep.substr(0, 247), cfg = "\\tandrel.cfg";
    // A profile of letters the code page lacks, and one that fills a path with them: counted in
    // characters, not in bytes (each here takes two or three).
    const std::string lukasz = "C:\\Users\\\xC5\x81ukasz\\AppData\\Roaming",
                      eleni = "\xCE\x95\xCE\xBB\xCE\xAD\xCE\xBD\xCE\xB7";
    std::string li = "C:\\";
    for (int i = 0; i < 245; ++i)
        li += "\xE6\x9D\x8E"; // and "\\tandrel.cfg": 260 characters
    // clang-format off
    const struct { std::string dir; int bInstalled; std::string appData, cfg; } cases[] = {
        {"C:\\Apps", 0, "C:\\R", "C:\\Apps" + cfg}, {"C:\\Apps", 1, "C:\\R", "C:\\R\\TANDREL" + cfg},
        {"C:\\Apps", 1, "", "C:\\Apps" + cfg},     {"C:\\", 0, "", "C:\\" + cfg},
        {"C:\\Apps", 1, deep, "C:\\Apps" + cfg},   {deep, 1, "C:\\R", "C:\\R\\TANDREL" + cfg},
        {deep, 0, "C:\\R", ""},                    {fits, 0, "", fits + cfg},
        {"", 0, "C:\\R", ""},                      {"", 1, "", ""},
        {"D:\\" + eleni, 1, lukasz, lukasz + "\\TANDREL" + cfg}, {"D:\\" + eleni, 0, lukasz, "D:\\" + eleni + cfg},
        {li, 0, "", ""},                             {li.substr(0, li.size() - 6), 0, "", li.substr(0, li.size() - 6) + cfg},
    };
    // clang-format on
    for (const auto& c : cases) {
        char szPath[TANDREL_PATH_BYTES] = "untouched";
        EXPECT_EQ(cfgSettingsPath(c.dir.c_str(), c.bInstalled, c.appData.c_str(), szPath),
                  c.cfg.empty() ? -1 : 0);
        EXPECT_EQ(szPath, c.cfg) << c.dir << " " << c.bInstalled << " " << c.appData;
    }
}

TEST(DumpParsing, OnlyTheExactKeyCounts)
{
    struct {
        std::string dump;
        int pages;
    } cases[] = {
        {"NumberOfPages: 3\n", 3},
        {"InfoValue: 12\nPageMediaNumber: 7\nNumberOfPages: 5\nX: 9\n", 5},
        {"InfoValue: 12\nPageMediaNumber: 7\n", 0},
        {"numberofpages: 4\nNumberOfPages:4\nNumberOfPages: \n", 0},
        {"NumberOfPages:4\nNumberOfPagesX: 2\n   NumberOfPages: 6\r\n", 6},
        {"NumberOfPages: 10", 10},
        {std::string(511, 'x') + "NumberOfPages: 9\nNumberOfPages: 2\n", 2}, // no key in a tail
    };
    for (const auto& c : cases) {
        FILE* f = tmpfile();
        fwrite(c.dump.data(), 1, c.dump.size(), f);
        rewind(f);
        EXPECT_EQ(pdfParseDump(f), c.pages) << c.dump;
        fclose(f);
    }
}

// Where the tool is looked for, in order: beside the program, the folders the installer
// recorded, its default folders under both program folders, then PATH as a 64-bit program reads
// it; only full paths, each once, that fit a path buffer.
TEST(ToolSearch, OrderOfThePlacesAndWhatIsPassedOver)
{
    const std::string deep = "C:\\" + std::string(246, 'd'); // 249 + "\pdftk.exe" fits, just
    const std::string lukaszPrograms =
        "C:\\Users\\\xC5\x81ukasz\\AppData\\Local\\Programs\\TANDREL";
    std::string deep3 = "C:\\";
    for (int i = 0; i < 247; ++i) // 250 characters, of 740 bytes: with "\pdftk.exe" too long
        deep3 += "\xE6\x9D\x8E";
    // clang-format off
    const struct { T_TOOL_PLACES places; std::vector<std::string> found; } cases[] = {
        {{"C:\\Apps", {"D:\\PDFtk Server\\"}, {"C:\\PF86"}, "C:\\Bin"},
         {"C:\\Apps\\pdftk.exe", "D:\\PDFtk Server\\bin\\pdftk.exe",
          "C:\\PF86\\PDFtk Server\\bin\\pdftk.exe", "C:\\PF86\\PDFtk\\bin\\pdftk.exe",
          "C:\\Bin\\pdftk.exe"}},
        // The same entry in both views and the user's; a relative or empty one is no folder.
        {{"", {"D:\\Tools\\", "d:\\tools", "Tools", ""}, {}, ""}, {"D:\\Tools\\bin\\pdftk.exe"}},
        {{"", {}, {"C:\\PF86", "C:\\PF86"}, ""}, // a 32-bit program is told the same one twice
         {"C:\\PF86\\PDFtk Server\\bin\\pdftk.exe", "C:\\PF86\\PDFtk\\bin\\pdftk.exe"}},
        {{deep + "dd", {}, {}, ".;;Tools\\bin;C:rel;\\top;\"C:\\A;B\";\\\\srv\\bin\\;C:/x/;" +
                               deep + "d;" + deep},
         {"C:\\A;B\\pdftk.exe", "\\\\srv\\bin\\pdftk.exe", "C:/x/pdftk.exe", deep + "\\pdftk.exe"}},
        // Under WOW64 System32 and its subfolders are read in Sysnative, the real System32.
        {{"", {}, {}, "C:\\WINDOWS\\system32;C:\\Windows\\System32\\Wbem\\;C:\\Windows\\System32x;"
                      "C:\\Windows\\SysWOW64", "C:\\Windows", true},
         {"C:\\Windows\\Sysnative\\pdftk.exe", "C:\\Windows\\Sysnative\\Wbem\\pdftk.exe",
          "C:\\Windows\\System32x\\pdftk.exe", "C:\\Windows\\SysWOW64\\pdftk.exe"}},
        {{"", {}, {}, "C:\\Windows\\System32", "C:\\Windows", false},
         {"C:\\Windows\\System32\\pdftk.exe"}},
        // Folders of letters the code page lacks, taken whole; the same one in other letter case
        // once; a path too long counted in characters.
        {{lukaszPrograms, {"D:\\\xCE\x95\xCE\xBB\xCE\xAD\xCE\xBD\xCE\xB7\\", "d:\\\xCE\xB5\xCE\xBB\xCE\xAD\xCE\xBD\xCE\xB7"}, {},
          "C:\\\xE6\x9D\x8E;" + deep3},
         {lukaszPrograms + "\\pdftk.exe", "D:\\\xCE\x95\xCE\xBB\xCE\xAD\xCE\xBD\xCE\xB7\\bin\\pdftk.exe", "C:\\\xE6\x9D\x8E\\pdftk.exe"}},
        {{}, {}},
    };
    // clang-format on
    for (const auto& c : cases) {
        std::vector<std::string> found;
        for (const T_TOOL_CANDIDATE& t : pdfToolCandidates(c.places))
            found.push_back(t.path);
        EXPECT_EQ(found, c.found) << c.places.path;
    }
    // A 32-bit program on a 64-bit Windows is told the 32-bit folder for both; the real one is
    // in the environment, unless it was taken from it. A 64-bit program is told each.
    using V = std::vector<std::string>;
    EXPECT_EQ(pdfProgramFolders("C:\\PF86", "C:\\PF86", "C:\\PF", true), V({"C:\\PF86", "C:\\PF"}));
    EXPECT_EQ(pdfProgramFolders("C:\\PF86", "C:\\PF86", "", true), V({"C:\\PF86", "C:\\PF86"}));
    EXPECT_EQ(pdfProgramFolders("C:\\PF86", "C:\\PF", "D:\\PF", false), V({"C:\\PF86", "C:\\PF"}));
    // The tool runs from its own folder, unless it is the program's, letter case aside.
    char szDir[TANDREL_PATH_BYTES];
    std::string lower = lukaszPrograms;
    lower.replace(lower.find("\xC5\x81"), 2, "\xC5\x82"); // \xC5\x82: a small one
    EXPECT_EQ(pdfToolWorkDir((lower + "\\pdftk.exe").c_str(), lukaszPrograms.c_str(), szDir),
              nullptr);
    EXPECT_STREQ(
        pdfToolWorkDir("D:\\\xCE\x95\xCE\xBB\\bin\\pdftk.exe", lukaszPrograms.c_str(), szDir),
        "D:\\\xCE\x95\xCE\xBB\\bin");
    // Nothing found: the message names the program's folder, then the installer's folders.
    T_TOOL_PLACES places = {"C:\\Apps", {"D:\\PDFtk\\"}, {"C:\\PF"}, "C:\\Bin"};
    EXPECT_EQ(pdfNoToolText("[%1] [%2]", places),
              "[C:\\Apps] [D:\\PDFtk\\bin\r\nC:\\PF\\PDFtk Server\\bin\r\nC:\\PF\\PDFtk\\bin]");
}
