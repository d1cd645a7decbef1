// The operations against Debian's pdftk through the bridge: the results the tool writes.
#include "harness.h"
#include "op.h"
#include "pdf_temp.h"
#include "pdf_outline.h"

#include <algorithm>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

class RealTool : public WindowTest {
  protected:
    RealTool()
    {
        toolKind = "bridge";
    }
    // What the tool's data dump says of pdf, opened with options; read from a copy of a name any
    // code page spells.
    std::string DumpOf(const std::string& pdf, const std::string& options = "")
    {
        const std::string dump = dir + "dump.txt", plain = dir + "plain copy.pdf";
        DeleteFileA(dump.c_str());
        CopyFileW(Wide(pdf).c_str(), Wide(plain).c_str(), FALSE);
        ExecuteCommand(Quote(tool) + " " + Quote(plain) + options + " dump_data_utf8 output " +
                           Quote(dump),
                       {});
        return ReadFile(dump);
    }
    // The widths of the pages of pdf, in order, as the tool reports them (or what key says).
    std::vector<int> Widths(const std::string& pdf, const std::string& options = "",
                            const std::string& key = "PageMediaDimensions: ")
    {
        std::vector<int> widths;
        std::string text = DumpOf(pdf, options);
        for (size_t pos = text.find(key); pos != std::string::npos; pos = text.find(key, pos + 1))
            widths.push_back(atoi(text.c_str() + pos + key.size()));
        return widths;
    }
    // The Title and the Author of pdf, then its bookmarks as "title:page", a "-" a level down.
    std::string Kept(const std::string& pdf, const std::string& options = "")
    {
        T_DOC_DATA data;
        pdfReadDocData(DumpOf(pdf, options), data);
        std::string kept;
        for (const char* key : {"Title", "Author"}) {
            for (const T_INFO_ENTRY& e : data.info)
                kept += e.key == key ? e.value + "; " : "";
        }
        for (const T_BOOKMARK& b : data.bookmarks)
            kept += std::string((size_t)b.nLevel - 1, '-') + b.title + ":" +
                    std::to_string(b.nPage) + " ";
        return kept;
    }
};

TEST_F(RealTool, PagesCopiedDeletedAndJoinedInOrder)
{
    WriteFile(dir + "doc.pdf", Pdf(7));
    WriteFile(dir + "b \xE9t\xE9.pdf", Pdf(1, 500));
    Click(BTN_SOURCE, {dir + "doc.pdf"});
    ASSERT_EQ(Items(CBO_TO).size(), 7u);
    Send(rows[CBO_FROM], CB_SETCURSEL, 1);
    Send(rows[CBO_TO], CB_SETCURSEL, 5);
    Click(OPT_EVEN);
    Click(BTN_CAT);
    EXPECT_EQ(Widths(dir + "doc_cat.pdf"), std::vector<int>({220, 240, 260}));
    Click(OPT_ODD);
    Click(BTN_CAT);
    EXPECT_EQ(Widths(dir + "doc_cat.pdf"), std::vector<int>({230, 250}));
    Select(LIST_DELETE, {1, 4, 5});
    Click(BTN_DELETE);
    EXPECT_EQ(Widths(dir + "doc_remove.pdf"), std::vector<int>({210, 230, 240, 270}));
    Tab(TAB_MULTI);
    Add({dir + "b \xE9t\xE9.pdf", dir + "doc.pdf"});
    Click(BTN_JOIN, {dir + "joined"});
    EXPECT_EQ(Widths(dir + "joined.pdf"),
              std::vector<int>({510, 210, 220, 230, 240, 250, 260, 270}));
}

// Two scans of three pages, the backs from the last: interleaved in page order; pages taken in
// the order typed.
TEST_F(RealTool, ScansInterleavedAndPagesTaken)
{
    WriteFile(dir + "fronts.pdf", Pdf(3));
    WriteFile(dir + "backs.pdf", Pdf(3, 500));
    Tab(TAB_PAGES);
    Click(BTN_PAGES_SRC, {dir + "fronts.pdf"});
    Click(BTN_BACKS, {dir + "backs.pdf"});
    Click(BTN_INTERLEAVE, {dir + "both"});
    EXPECT_EQ(Widths(dir + "both.pdf"), std::vector<int>({210, 530, 220, 520, 230, 510}));
    Type(EDIT_RANGES, "r1 1-2");
    Click(BTN_TAKE);
    EXPECT_EQ(Widths(dir + "fronts_pages.pdf"), std::vector<int>({230, 210, 220}));
    EXPECT_TRUE(shown.empty());
}

// A file with a title, an author and bookmarks, one with a child: each page edit's result keeps
// them, each bookmark on its page's new place (or the next page kept), encrypted again when the
// result is; pages turned from where they stand; a join keeps the first file's information.
// Nothing temporary stays.
TEST_F(RealTool, BookmarksAndInformationFollowTheirPages)
{
    const size_t nTempBefore = TemporaryFiles();
    WriteFile(dir + "plain.pdf", Pdf(6));
    WriteFile(dir + "backs.pdf", Pdf(6, 500));
    WriteFile(
        dir + "info.txt",
        pdfInfoText({{"Title", "Six \xC3\xA9t\xC3\xA9s"}, {"Author", "Tandrel"}},
                    {{"One", 1, 1}, {"Two", 1, 2}, {"Four", 1, 4}, {"Five", 2, 5}, {"Six", 1, 6}}));
    ExecuteCommand(Quote(tool) + " " + Quote(dir + "plain.pdf") + " update_info_utf8 " +
                       Quote(dir + "info.txt") + " output " + Quote(dir + "doc.pdf"),
                   {});
    Click(BTN_SOURCE, {dir + "doc.pdf"});
    Select(LIST_DELETE, {3});
    Type(EDIT_OWNER, "own");
    Type(EDIT_USER, "us");
    Click(BTN_DELETE);
    Type(EDIT_OWNER, "");
    Type(EDIT_USER, "");
    Tab(TAB_PAGES);
    Click(BTN_PAGES_SRC, {dir + "doc.pdf"});
    Click(BTN_BACKS, {dir + "backs.pdf"});
    Type(EDIT_RANGES, "6 1-2");
    Click(BTN_TAKE);
    Type(EDIT_RANGES, "2, 2 3"); // page 2 turned twice
    Click(BTN_ROTATE);
    Click(BTN_INTERLEAVE, {dir + "both"});
    Tab(TAB_MULTI);
    Add({dir + "doc.pdf", dir + "backs.pdf"});
    Click(BTN_JOIN, {dir + "joined"});
    const struct {
        const char *file, *opens, *kept;
    } results[] = {
        {"doc_remove.pdf", " input_pw us", "One:1 Two:2 Four:4 -Five:4 Six:5 "},
        {"doc_pages.pdf", "", "One:2 Two:3 Four:1 -Five:1 Six:1 "},
        {"doc_rotate.pdf", "", "One:1 Two:2 Four:4 -Five:5 Six:6 "},
        {"both.pdf", "", "One:1 Two:3 Four:7 -Five:9 Six:11 "},
        {"joined.pdf", "", "One:1 Two:2 Four:4 -Five:5 Six:6 "},
    };
    for (const auto& r : results)
        EXPECT_EQ(Kept(dir + r.file, r.opens),
                  std::string("Six \xC3\xA9t\xC3\xA9s; Tandrel; ") + r.kept)
            << r.file;
    EXPECT_EQ(Kept(dir + "doc_remove.pdf"), "") << "opens without the user password";
    EXPECT_EQ(Widths(dir + "doc_rotate.pdf", "", "PageMediaRotation: "),
              std::vector<int>({0, 180, 90, 0, 0, 0}));
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(TemporaryFiles(dir) + TemporaryFiles(), nTempBefore);
}

// A value with a line break, and a title with a line "BookmarkBegin" of its own, come through a
// page edit as one field and one bookmark, each break a blank.
TEST_F(RealTool, LineBreaksInTheInformationAndTheBookmarks)
{
    WriteFile(
        dir + "notes.pdf",
        "%PDF-1.4\n1 0 obj << /Type /Catalog /Pages 2 0 R /Outlines 5 0 R >> endobj\n"
        "2 0 obj << /Type /Pages /Kids [3 0 R 4 0 R] /Count 2 >> endobj\n"
        "3 0 obj << /Type /Page /Parent 2 0 R /MediaBox [0 0 210 300] >> endobj\n"
        "4 0 obj << /Type /Page /Parent 2 0 R /MediaBox [0 0 220 300] >> endobj\n"
        "5 0 obj << /Type /Outlines /First 6 0 R /Last 6 0 R /Count 1 >> endobj\n"
        "6 0 obj << /Title (Intro\\nBookmarkBegin) /Parent 5 0 R /Dest [4 0 R /Fit] >> endobj\n"
        "7 0 obj << /Subject (Summary\\nNote: draft) >> endobj\n"
        "trailer << /Root 1 0 R /Info 7 0 R >>\n%%EOF\n");
    Click(BTN_SOURCE, {dir + "notes.pdf"});
    Select(LIST_DELETE, {0});
    Click(BTN_DELETE);
    std::string dump = DumpOf(dir + "notes_remove.pdf");
    EXPECT_NE(dump.find("InfoKey: Subject\nInfoValue: Summary Note: draft\n"), std::string::npos);
    EXPECT_EQ(dump.find("\nNote:"), std::string::npos); // no field of its own
    EXPECT_NE(dump.find("\nBookmarkBegin\nBookmarkTitle: Intro BookmarkBegin\nBookmarkLevel: 1\n"
                        "BookmarkPageNumber: 1\n"),
              std::string::npos)
        << dump;
    EXPECT_EQ(dump.find("\nBookmarkBegin\n"), dump.rfind("\nBookmarkBegin\n")); // one bookmark
}

TEST_F(RealTool, EncryptDecryptAndEveryPerFileResult)
{
    WriteFile(dir + "form.pdf", Pdf(2, 200, true));
    Click(BTN_SOURCE, {dir + "form.pdf"});
    Type(EDIT_OWNER, "own er");
    // Typed key by key, a long password stops where the encryption does: what the box shows
    // opens the file.
    std::string user = "us\"er" + std::string(35, 'x');
    Keys(EDIT_USER, user);
    Click(CHK_PRINT_TOP);
    Click(BTN_ENCRYPT);
    std::string sec = dir + "form_sec.pdf";
    EXPECT_NE(ReadFile(sec).find("/R 3"), std::string::npos); // a 128-bit key
    EXPECT_EQ(Widths(sec, " input_pw " + pdfQuoteArg(user.substr(0, 32))),
              std::vector<int>({210, 220}));
    // Chosen with its owner password typed, it is counted and decrypted.
    Type(EDIT_USER, "");
    Click(BTN_SOURCE, {sec});
    EXPECT_EQ(Items(LIST_DELETE).size(), 2u);
    Click(BTN_DECRYPT);
    EXPECT_EQ(ReadFile(dir + "form_sec_unsec.pdf").find("/Encrypt"), std::string::npos);
    EXPECT_EQ(Widths(dir + "form_sec_unsec.pdf"), std::vector<int>({210, 220}));
    Type(EDIT_OWNER, "wrong"); // what the tool says of it is told
    Click(BTN_DECRYPT);
    const std::string& said = shown.back();
    EXPECT_TRUE(said.find(sec) < said.find("PASSWORD REQUIRED, but incorrect")) << said;
    shown.clear();
    Type(EDIT_OWNER, "own er");

    Click(BTN_SOURCE, {dir + "form.pdf"});
    Click(OPT_40);
    Click(BTN_ENCRYPT);
    EXPECT_NE(ReadFile(sec).find("/R 2"), std::string::npos); // 40 bits
    Type(EDIT_OWNER, "");
    for (int n : {BTN_COMPRESS, BTN_UNCOMPRESS, BTN_REPAIR, BTN_DUMP_DATA, BTN_DUMP_FIELDS})
        Click(n);
    Click(BTN_BACKGROUND, {dir + "form_sec_unsec.pdf"});
    EXPECT_EQ(ReadFile(dir + "form_uncompress.pdf").find("/FlateDecode"), std::string::npos);
    EXPECT_EQ(Widths(dir + "form_bg.pdf"), std::vector<int>({210, 220}));
    EXPECT_NE(ReadFile(dir + "form_dump.txt").find("NumberOfPages: 2"), std::string::npos);
    EXPECT_NE(ReadFile(dir + "form_fields.txt").find("FieldName: tandrel_name"), std::string::npos);
    EXPECT_TRUE(shown.empty()); // nothing failed, and no command line was shown
}

TEST_F(RealTool, BurstWritesOnlyIntoEachInputsOwnFolder)
{
    // The user's own files; "c" stands where "c.pdf" wants its folder, and "scan" has no
    // extension, so its folder would be the file itself.
    const char* mine[] = {"pg_001.pdf", "pg_050.pdf", "doc_data.txt", "c"};
    for (const char* name : mine)
        WriteFile(dir + name, name);
    WriteFile(dir + "report.pdf", Pdf(3));
    WriteFile(dir + "a.pdf", Pdf(2, 600));
    WriteFile(dir + "scan", Pdf(1, 400));
    WriteFile(dir + "c.pdf", Pdf(1, 400));
    Tab(TAB_MULTI);
    Add({dir + "report.pdf", dir + "scan", dir + "c.pdf", dir + "a.pdf"});
    Click(BTN_BURST);
    for (const char* name : mine)
        EXPECT_EQ(ReadFile(dir + name), name);
    EXPECT_EQ(Widths(dir + "report\\pg_003.pdf"), std::vector<int>({230}));
    EXPECT_EQ(Widths(dir + "a\\pg_002.pdf"), std::vector<int>({620}));
    EXPECT_TRUE(IsFile(dir + "report\\doc_data.txt") && IsFile(dir + "a\\doc_data.txt"));
    EXPECT_FALSE(IsFile(dir + "a\\pg_003.pdf") || IsFile(dir + "report\\pg_004.pdf"));
    EXPECT_EQ(shown.size(), 1u); // the two inputs left alone, named
}

// The Document page, each result read back: the information written whole (a Greek title and
// the characters XML and the command line treat apart), an emptied entry removed and the others
// kept; parts every 3 pages and at the bookmarks of level 1, each with its own pages' bookmarks
// and the document's information; two files attached, one of a name the code page cannot spell,
// and taken back byte for byte; a source without attachments.
TEST_F(RealTool, DocumentInformationPartsAndAttachments)
{
    WriteFile(dir + "plain.pdf", Pdf(7));
    WriteFile(dir + "info.txt",
              pdfInfoText({{"Title", "Old"}, {"Author", "Me"}, {"Custom", "kept"}},
                          {{"One", 1, 1}, {"Three", 1, 3}, {"Sub", 2, 4}, {"Five", 1, 5}}));
    ExecuteCommand(Quote(tool) + " " + Quote(dir + "plain.pdf") + " update_info_utf8 " +
                       Quote(dir + "info.txt") + " output " + Quote(dir + "doc.pdf"),
                   {});
    Tab(TAB_DOCUMENT);
    Click(BTN_DOC_SRC, {dir + "doc.pdf"});
    EXPECT_EQ(Text(LBL_DOC_SUMMARY), pdfFillText(szLang_fr[TXT_DOC_SUMMARY], {"7", "4"}));
    EXPECT_TRUE(Text(EDIT_TITLE) == "Old" && Text(EDIT_AUTHOR) == "Me");
    TypeWhole(EDIT_TITLE, kGreek + " &<>\"");
    Type(EDIT_AUTHOR, "");
    Click(BTN_SAVE_INFO);
    std::string dump = DumpOf(dir + "doc_info.pdf");
    EXPECT_EQ(Kept(dir + "doc_info.pdf"), kGreek + " &<>\"; One:1 Three:3 -Sub:4 Five:5 ");
    EXPECT_NE(dump.find("InfoKey: Custom\nInfoValue: kept\n"), std::string::npos) << dump;
    Click(BTN_DOC_SRC, {dir + "doc_info.pdf"}); // read back whole
    EXPECT_TRUE(Text(EDIT_TITLE) == kGreek + " &<>\"" && Text(EDIT_AUTHOR).empty());
    Click(BTN_DOC_SRC, {dir + "doc.pdf"});

    Type(EDIT_EVERY, "3");
    Click(BTN_SPLIT);
    EXPECT_EQ(Widths(dir + "doc_parts\\doc_001.pdf"), std::vector<int>({210, 220, 230}));
    EXPECT_EQ(Widths(dir + "doc_parts\\doc_002.pdf"), std::vector<int>({240, 250, 260}));
    EXPECT_EQ(Widths(dir + "doc_parts\\doc_003.pdf"), std::vector<int>({270}));
    EXPECT_EQ(Kept(dir + "doc_parts\\doc_002.pdf"),
              "Old; Me; Sub:1 Five:2 ");           // its parent in another part
    RemoveDirectoryA((dir + "doc_parts").c_str()); // not empty: stays
    Click(OPT_BOOKMARKS);
    Click(BTN_SPLIT);
    const struct {
        const char* name;
        std::vector<int> widths;
        const char* kept;
    } parts[] = {{"01 One.pdf", {210, 220}, "Old; Me; One:1 "},
                 {"02 Three.pdf", {230, 240}, "Old; Me; Three:1 -Sub:2 "},
                 {"03 Five.pdf", {250, 260, 270}, "Old; Me; Five:1 "}};
    for (const auto& p : parts) {
        EXPECT_EQ(Widths(dir + "doc_parts\\" + p.name), p.widths) << p.name;
        EXPECT_EQ(Kept(dir + "doc_parts\\" + p.name), p.kept) << p.name;
    }

    const std::string lodz = kLodz + ".txt", bytes("\x00\x01\xFF\r\n end", 8);
    WriteFile(dir + lodz, bytes);
    WriteFile(dir + "a.txt", "plain");
    Click(BTN_ATTACH, {dir.substr(0, dir.size() - 1) + "|a.txt|" + lodz});
    Click(BTN_DOC_SRC, {dir + "doc_attach.pdf"});
    Click(BTN_EXTRACT);
    EXPECT_EQ(ReadFile(dir + "doc_attach_files\\a.txt"), "plain");
    std::vector<std::string> unpacked;
    for (const auto& f : fs::directory_iterator(Wide(dir + "doc_attach_files")))
        unpacked.push_back(pathUtf8(f.path().filename().c_str()));
    std::sort(unpacked.begin(), unpacked.end()); // attached under the closest name the tool takes
    EXPECT_EQ(unpacked, std::vector<std::string>({"L\xC3\xB3"
                                                  "dz.txt",
                                                  "a.txt"}));
    EXPECT_EQ(ReadFile(dir + "doc_attach_files\\L\xC3\xB3"
                             "dz.txt"),
              bytes);
    EXPECT_TRUE(shown.empty());
    Click(BTN_DOC_SRC, {dir + "doc.pdf"});
    Click(BTN_EXTRACT);
    EXPECT_EQ(shown, std::vector{Message(TXT_MSG_NO_ATTACHMENTS, LNG_FRENCH, false)});
    EXPECT_EQ(GetFileAttributesA((dir + "doc_files").c_str()), INVALID_FILE_ATTRIBUTES);
}

// Names the code page cannot spell: the tool is given stand-ins, and the results, counted page by
// page, take the real names.
TEST_F(RealTool, NamesTheCodePageCannotSpell)
{
    const std::string lodz = dir + kLodz + ".pdf", greek = dir + kGreek + ".pdf";
    const std::string japan = dir + kJapan + ".pdf", joined = dir + kResult + ".pdf";
    WriteFile(lodz, Pdf(3));
    WriteFile(greek, Pdf(2, 500));
    WriteFile(japan, Pdf(4, 600));
    Click(BTN_SOURCE, {lodz});
    ASSERT_EQ(Items(CBO_TO).size(), 3u);
    Click(BTN_COMPRESS);
    EXPECT_EQ(Widths(dir + kLodz + "_compress.pdf"), std::vector<int>({210, 220, 230}));
    Click(BTN_BURST);
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(Widths(dir + kLodz + "\\pg_00" + std::to_string(i) + ".pdf"),
                  std::vector<int>({200 + 10 * i}));
    Tab(TAB_MULTI);
    Add({greek, japan});
    Click(BTN_JOIN, {joined});
    EXPECT_EQ(Widths(joined), std::vector<int>({510, 520, 610, 620, 630, 640}));
    Tab(TAB_PAGES);
    Click(BTN_PAGES_SRC, {lodz});
    Type(EDIT_RANGES, "2");
    Click(BTN_ROTATE);
    EXPECT_EQ(Widths(dir + kLodz + "_rotate.pdf", "", "PageMediaRotation: "),
              std::vector<int>({0, 90, 0}));
    EXPECT_TRUE(shown.empty());
}

} // namespace
