// Every operation's command line on both pages, with and without security options; the messages
// that stop an operation, in their order of precedence; the source's pages; the list buttons.
#include "harness.h"
#include "pdf_text.h"

#include <algorithm>

namespace {

struct Operation {
    int nButton;
    const char* cmd; // %T the tool, %B the input without ".pdf", %D its folder, %S the options
    bool bSingleOnly;
};

// clang-format off
const Operation operations[] = {
    {BTN_ENCRYPT,     "%T \"%B.pdf\" output \"%B_sec.pdf\" %S", false},
    {BTN_COMPRESS,    "%T \"%B.pdf\" output \"%B_compress.pdf\" compress %S", false},
    {BTN_UNCOMPRESS,  "%T \"%B.pdf\" output \"%B_uncompress.pdf\" uncompress %S", false},
    {BTN_REPAIR,      "%T \"%B.pdf\" output \"%B_fixed.pdf\" %S", false},
    {BTN_BACKGROUND,  "%T \"%B.pdf\" background \"%Dbg.pdf\" output \"%B_bg.pdf\"", false},
    {BTN_DUMP_DATA,   "%T \"%B.pdf\" dumpdata output \"%B_dump.txt\"", false},
    {BTN_DUMP_FIELDS, "%T \"%B.pdf\" dump_data_fields output \"%B_fields.txt\"", false},
    {BTN_BURST,       "%T \"%B.pdf\" burst output pg_%03d.pdf", false},
    {BTN_CAT,         "%T \"%B.pdf\" cat 1-3 output \"%B_cat.pdf\" %S", true},
    {BTN_DELETE,      "%T \"%B.pdf\" cat  1-1 3-end output \"%B_remove.pdf\" %S", true},
    {BTN_DECRYPT,     "%T \"%B.pdf\" input_pw \"own\" output \"%B_unsec.pdf\"", true},
};
// clang-format on

class Operations : public WindowTest {
  protected:
    std::string Expand(std::string s, const std::string& base, const std::string& security)
    {
        const std::pair<const char*, std::string> keys[] = {
            {"%T", Quote(tool)}, {"%B", dir + base}, {"%D", dir}, {"%S", security}};
        for (const auto& k : keys) {
            for (size_t pos; (pos = s.find(k.first)) != std::string::npos;)
                s.replace(pos, 2, k.second);
        }
        return s;
    }
    // The runs since the last call but the reads of the source's data (at its choice, or after
    // an operation whose result keeps its bookmarks: the real tool's tests see to those).
    std::vector<std::string> Ops()
    {
        return Runs(nullptr, false);
    }
};

// The source "in\v1.2.pdf" keeps the dot of its name in every result's name, and the choice of
// it leaves the program's working folder alone; the list holds a.pdf and b.pdf.
TEST_F(Operations, CommandLinesOnBothPages)
{
    const char* securities[] = {"", " owner_pw \"own\"  encrypt_128bit "};
    CreateDirectoryA((dir + "in").c_str(), nullptr);
    for (const char* name : {"in\\v1.2.pdf", "a.pdf", "b.pdf", "bg.pdf", "joined.pdf"})
        WriteFile(dir + name, Pdf(3));
    nReply = IDYES;
    for (const char* security : securities) {
        SCOPED_TRACE(security);
        Type(EDIT_OWNER, *security ? "own" : "");
        Tab(TAB_MULTI);
        Add({dir + "a.pdf", dir + "b.pdf"});
        Tab(TAB_SINGLE); // the file dialog was last in another folder than the program's
        Click(BTN_SOURCE, {dir + "in\\v1.2.pdf"});
        Select(LIST_DELETE, {1});
        Runs();
        for (const Operation& op : operations) {
            if (!*security && (op.nButton == BTN_ENCRYPT || op.nButton == BTN_DECRYPT))
                continue; // refused without a password; see the messages below
            for (int nTab : {TAB_SINGLE, TAB_MULTI}) {
                if (op.bSingleOnly && nTab == TAB_MULTI)
                    continue;
                Send(rows[ROW_TABS], TCM_SETCURSEL, nTab); // keeps the pages' work
                Click(op.nButton,
                      std::vector<std::string>(op.nButton == BTN_BACKGROUND, dir + "bg.pdf"));
                std::vector<std::string> cwds, runs = Runs(&cwds, false), expected, expectedCwds;
                for (const char* base : {"in\\v1.2", "a", "b"}) {
                    if ((nTab == TAB_SINGLE) != !strcmp(base, "in\\v1.2"))
                        continue;
                    expected.push_back(Expand(op.cmd, base, security));
                    // A burst runs in a new folder named after its input, away from the user's
                    // files; the others where the program runs.
                    expectedCwds.push_back(op.nButton == BTN_BURST ? dir + base
                                                                   : dir.substr(0, dir.size() - 1));
                }
                // Listed inputs run at once start in any order.
                std::vector<std::pair<std::string, std::string>> got, want;
                for (size_t i = 0; i < runs.size() && i < cwds.size(); ++i)
                    got.push_back({runs[i], cwds[i]});
                for (size_t i = 0; i < expected.size(); ++i)
                    want.push_back({expected[i], expectedCwds[i]});
                std::sort(got.begin(), got.end());
                EXPECT_EQ(got, want) << op.cmd << " on tab " << nTab;
            }
        }
        // Join: every listed file in list order, the output named in the save dialog, with its
        // extension made ".pdf": that file exists, so the program asks before replacing it.
        Click(BTN_JOIN, {dir + "joined.txt"});
        EXPECT_EQ(Ops(), std::vector<std::string>(
                             {Expand("%T \"%Da.pdf\" \"%Db.pdf\"  cat output \"%Djoined.pdf\" %S",
                                     "", security)}));
    }
    // Nothing but the join's question: no command line, which may hold passwords, on screen.
    std::string replace = Question(dir + "joined.pdf\r\n\r\n" + szLang_fr[TXT_MSG_OVERWRITE]);
    EXPECT_EQ(shown, std::vector<std::string>(2, replace));
}

// The output of the join, and of the interleave, the chosen name with its extension made ".pdf",
// never names one of its inputs, however it is written, and replaces another file only when the
// user says so.
TEST_F(Operations, JoinNeverWritesOverAnInputAndAsksBeforeReplacing)
{
    CreateDirectoryA((dir + "sub").c_str(), nullptr);
    for (const char* name : {"a.pdf", "long name b.pdf", "Other.pdf"})
        WriteFile(dir + name, Pdf(1));
    char szShort[MAX_PATH] = {0};
    GetShortPathNameA((dir + "long name b.pdf").c_str(), szShort, sizeof(szShort));
    // The same file under another name, which the file system alone can tell.
    CreateHardLinkA((dir + "link.pdf").c_str(), (dir + "a.pdf").c_str(), nullptr);
    std::string shortName = strrchr(szShort, '\\') + 1;
    enum { SAYS_NOTHING, REFUSED, ASKS };
    // clang-format off
    const struct { std::string typed; int nReply; int nSaid; size_t nRuns; } cases[] = {
        {"A", IDYES, REFUSED, 0},       {"sub\\..\\LONG NAME B.txt", IDYES, REFUSED, 0},
        {shortName.substr(0, shortName.find('.')), IDYES, REFUSED, 0}, // short, no extension
        {"Other", IDNO, ASKS, 0},       {"Other.txt", IDYES, ASKS, 1},   {"new", IDNO, SAYS_NOTHING, 1},
        {"link", IDYES, REFUSED, 0},
    };
    const struct { int nTab, nButton, nRefusal; } operations[] = {
        {TAB_MULTI, BTN_JOIN, TXT_MSG_JOIN_INPUT}, {TAB_PAGES, BTN_INTERLEAVE, TXT_MSG_SHUFFLE_INPUT},
    };
    // clang-format on
    for (const auto& op : operations) {
        DeleteFileA((dir + "new.pdf").c_str());
        Tab(op.nTab); // the two files listed, or the fronts and the backs
        if (op.nTab == TAB_MULTI) {
            Add({dir + "a.pdf", dir + "long name b.pdf"});
        } else {
            Click(BTN_PAGES_SRC, {dir + "a.pdf"});
            Click(BTN_BACKS, {dir + "long name b.pdf"});
        }
        Runs();
        const std::string said[] = {
            "", Message(op.nRefusal),
            Question(dir + "Other.pdf\r\n\r\n" + szLang_fr[TXT_MSG_OVERWRITE])};
        for (const auto& c : cases) {
            shown.clear();
            nReply = c.nReply;
            Click(op.nButton, {dir + c.typed});
            EXPECT_EQ(shown, c.nSaid ? std::vector{said[c.nSaid]} : std::vector<std::string>());
            EXPECT_EQ(Ops().size(), c.nRuns) << c.typed << " " << op.nButton;
        }
    }
}

// The Pages page: the fronts and backs interleaved, the backs from their end unless unchecked;
// pages turned in place or taken in the order typed; with the panel's security, with a
// protected source's password (asked for on the tool's console when given as PROMPT); unequal
// page counts asked about; wrong ranges refused and quoted.
TEST_F(Operations, PagesInterleavedTurnedAndTaken)
{
    WriteFile(dir + "fronts.pdf", Pdf(3));
    WriteFile(dir + "backs.pdf", Pdf(3));
    WriteFile(dir + "more.pdf", Pdf(4) + "/Password (pw)");
    Tab(TAB_PAGES);
    Click(BTN_PAGES_SRC, {dir + "fronts.pdf"});
    Click(BTN_BACKS, {dir + "backs.pdf"});
    Runs();
    // clang-format off
    const struct { int nButton; const char* ranges; int nTurn; bool bReverse; const char* cmd; } cases[] = {
        {BTN_INTERLEAVE, "", 0, true,  "%T A=\"%Dfronts.pdf\" B=\"%Dbacks.pdf\" shuffle A Bend-1 output \"%Dboth.pdf\" %S"},
        {BTN_INTERLEAVE, "", 0, false, "%T A=\"%Dfronts.pdf\" B=\"%Dbacks.pdf\" shuffle A B output \"%Dboth.pdf\" %S"},
        {BTN_ROTATE,     "2", 2, true,  "%T \"%Dfronts.pdf\" rotate 2left output \"%Dfronts_rotate.pdf\" %S"},
        {BTN_ROTATE,     "1-endodd 3", 1, true, "%T \"%Dfronts.pdf\" rotate 1-endodddown 3down output \"%Dfronts_rotate.pdf\" %S"},
        {BTN_TAKE,       "3-1, R1 2", 0, true, "%T \"%Dfronts.pdf\" cat 3-1 r1 2 output \"%Dfronts_pages.pdf\" %S"},
    };
    // clang-format on
    for (const char* security : {"", " owner_pw \"own\"  encrypt_128bit "}) {
        Type(EDIT_OWNER, *security ? "own" : "");
        for (const auto& c : cases) {
            Type(EDIT_RANGES, c.ranges);
            Pick(CBO_TURN, c.nTurn);
            if (Checked(CHK_REVERSE) != c.bReverse)
                Click(CHK_REVERSE);
            DeleteFileA((dir + "both.pdf").c_str()); // nothing to replace
            Click(c.nButton, std::vector<std::string>(c.nButton == BTN_INTERLEAVE, dir + "both"));
            EXPECT_EQ(Ops(), std::vector{Expand(c.cmd, "", security)}) << c.cmd;
        }
    }
    EXPECT_TRUE(shown.empty());
    // Backs of another count: asked first; the password they opened with goes with them.
    Type(EDIT_OWNER, "pw");
    Click(BTN_BACKS, {dir + "more.pdf"});
    Type(EDIT_OWNER, "");
    Runs();
    std::string ask = Question(pdfFillText(szLang_fr[TXT_MSG_COUNTS_DIFFER], {"3", "4"}));
    nReply = IDNO;
    Click(BTN_INTERLEAVE); // no file asked for
    EXPECT_TRUE(Runs().empty() && shown == std::vector{ask});
    nReply = IDYES;
    DeleteFileA((dir + "both.pdf").c_str());
    Click(BTN_INTERLEAVE, {dir + "both"});
    EXPECT_EQ(Ops(), std::vector{Expand("%T A=\"%Dfronts.pdf\" B=\"%Dmore.pdf\" input_pw "
                                        "B=\"pw\" shuffle A Bend-1 output \"%Dboth.pdf\" ",
                                        "", "")});
    // Given as PROMPT, the backs' password is asked for on the tool's console.
    Type(EDIT_OWNER, "PROMPT");
    Click(BTN_BACKS, {dir + "more.pdf"});
    Type(EDIT_OWNER, "");
    DeleteFileA((dir + "both.pdf").c_str());
    Click(BTN_INTERLEAVE, {dir + "both"});
    EXPECT_NE(Ops().back().find(" input_pw B=\"PROMPT\" shuffle A Bend-1 "), std::string::npos);
    EXPECT_TRUE(IsFile(dir + "both.pdf") && shown == std::vector(3, ask));
    // Ranges outside the three pages, or no range at all, are refused and quoted.
    shown.clear();
    for (const char* ranges : {"1 4", "1-x", " , ", "r0"}) {
        Type(EDIT_RANGES, ranges);
        Click(BTN_ROTATE);
        Click(BTN_TAKE);
    }
    auto Bad = [](const char* part) {
        return Message(pdfFillText(szLang_fr[TXT_MSG_BAD_RANGE], {part}));
    };
    EXPECT_EQ(shown, std::vector<std::string>({Bad("4"), Bad("4"), Bad("1-x"), Bad("1-x"),
                                               Message(TXT_MSG_NO_RANGES),
                                               Message(TXT_MSG_NO_RANGES), Bad("r0"), Bad("r0")}));
    Tab(TAB_ABOUT); // the page forgets its files
    Tab(TAB_PAGES);
    shown.clear();
    Click(BTN_TAKE);
    Click(BTN_PAGES_SRC, {dir + "fronts.pdf"});
    Click(BTN_INTERLEAVE);
    EXPECT_EQ(shown, std::vector({Message(TXT_MSG_NO_SOURCE), Message(TXT_MSG_NO_BACKS)}));
    EXPECT_TRUE(Ops().size() == 1 && Checked(CHK_REVERSE)); // the count of the source only
}

struct Refusal {
    int nTab;
    const char *owner, *user;
    int nListed; // entries in the file list
    std::vector<int> buttons;
    int nText; // the message each shows, or -1 for none
};

// clang-format off
const Refusal refusals[] = {
    // No source on the Single file page comes before equal passwords.
    {TAB_SINGLE, "pw", "pw", 0, {BTN_CAT, BTN_DELETE, BTN_COMPRESS},       TXT_MSG_NO_SOURCE},
    {TAB_SINGLE, "", "", 0, {BTN_DECRYPT, BTN_ENCRYPT, BTN_BURST, BTN_DUMP_FIELDS},
                                                                           TXT_MSG_NO_SOURCE},
    // An empty list comes before equal passwords; the join wants two files.
    {TAB_MULTI,  "pw", "pw", 0, {BTN_REPAIR},                              TXT_MSG_EMPTY_LIST},
    {TAB_MULTI,  "", "",     0, {BTN_BACKGROUND, BTN_BURST, BTN_DUMP_DATA}, TXT_MSG_EMPTY_LIST},
    {TAB_MULTI,  "pw", "pw", 1, {BTN_JOIN},                                TXT_MSG_JOIN_TWO},
    // Passwords, with a source or a list.
    {TAB_SINGLE, "pw", "pw", 2, {BTN_JOIN},                                TXT_MSG_SAME_PASSWORDS},
    {TAB_MULTI,  "pw", "pw", 1, {BTN_UNCOMPRESS, BTN_ENCRYPT},             TXT_MSG_SAME_PASSWORDS},
    {TAB_ABOUT,  "pw", "pw", 1, {BTN_COMPRESS},                            TXT_MSG_SAME_PASSWORDS},
    {TAB_MULTI,  "", "",     1, {BTN_ENCRYPT},                             TXT_MSG_NO_PASSWORD},
    {TAB_CONFIG, "", "",     1, {BTN_ENCRYPT},                             TXT_MSG_NO_PASSWORD},
    // Nothing runs from the Settings and About pages, and nothing is said; the background still
    // asks for its file (cancelled here).
    {TAB_ABOUT,  "", "",     1, {BTN_BURST, BTN_BACKGROUND},               -1},
    {TAB_CONFIG, "o", "",    1, {BTN_DUMP_DATA, BTN_ENCRYPT},              -1},
};
// clang-format on

TEST_F(Operations, RefusalsShowTheirMessageAndRunNothing)
{
    for (const Refusal& r : refusals) {
        Tab(r.nTab);
        Send(rows[LIST_FILES], LB_RESETCONTENT);
        for (int i = 0; i < r.nListed; ++i)
            Send(rows[LIST_FILES], LB_ADDSTRING, 0, (LPARAM)(dir + "listed.pdf").c_str());
        Type(EDIT_OWNER, r.owner);
        Type(EDIT_USER, r.user);
        for (int nButton : r.buttons) {
            shown.clear();
            Click(nButton);
            EXPECT_EQ(shown, r.nText < 0 ? std::vector<std::string>()
                                         : std::vector<std::string>({Message(r.nText)}))
                << "row " << (&r - refusals) << ", button " << nButton;
        }
    }
    EXPECT_TRUE(Runs().empty());
}

TEST_F(Operations, SourcePagesAndPasswords)
{
    WriteFile(dir + "in.pdf", Pdf(3));
    WriteFile(dir + "empty.pdf", Pdf(0));
    WriteFile(dir + "locked.pdf", Pdf(4) + "/Password (right)"); // opens with "right" only
    Click(BTN_SOURCE, {dir + "locked.pdf"}); // no password typed: what the tool said is told
    std::string said = "Error: Failed to open PDF file:\r\nOWNER OR USER PASSWORD REQUIRED, "
                       "but not given (or incorrect)";
    Click(BTN_SOURCE, {dir + "in.pdf"});
    Click(BTN_SOURCE, {dir + "empty.pdf"}); // no page: told, the box emptied, the old pages kept
    EXPECT_EQ(Text(EDIT_SOURCE), "");
    EXPECT_EQ(Items(CBO_TO), std::vector<std::string>({"page    1", "page    2", "page    3"}));
    Click(BTN_SOURCE, {dir + "in.pdf"});
    Select(LIST_DELETE, {0, 1, 2}); // a PDF file keeps at least one page
    Click(BTN_DELETE);
    Type(EDIT_USER, "user");
    Click(BTN_DECRYPT);       // a user password alone does not decrypt
    Type(EDIT_OWNER, "user"); // equal passwords still decrypt with the owner's
    Click(BTN_DECRYPT);
    EXPECT_EQ(shown, std::vector<std::string>(
                         {Message(pdfFillText(szLang_fr[TXT_MSG_COUNT_FAILED], {said})),
                          Message(TXT_MSG_NO_PAGE), Message(TXT_MSG_DELETE_ALL),
                          Message(TXT_MSG_NO_OWNER, LNG_FRENCH, false)}));
    EXPECT_NE(Runs().back().find("input_pw \"user\" output"), std::string::npos);
    // A file that opens only with a password is counted again with each typed one; every
    // operation on it then gives the tool that password, whatever the boxes hold by then.
    Type(EDIT_OWNER, "wrong");
    Type(EDIT_USER, "right");
    Click(BTN_SOURCE, {dir + "locked.pdf"});
    std::vector<std::string> runs = Ops();
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].find("input_pw"), std::string::npos);
    EXPECT_NE(runs[1].find("input_pw \"wrong\" dumpdata output"), std::string::npos);
    EXPECT_NE(runs[2].find("input_pw \"right\" dumpdata output"), std::string::npos);
    EXPECT_EQ(Items(LIST_DELETE).size(), 4u);
    Type(EDIT_USER, "");
    Select(LIST_DELETE, {0});
    for (int n : {BTN_CAT, BTN_DELETE, BTN_DUMP_FIELDS, BTN_BURST, BTN_REPAIR})
        Click(n);
    runs = Runs();
    // The copy and the deletion keep the source's data as read at its choice; once the file has
    // changed, it is read again after the deletion.
    EXPECT_EQ(runs.size(), 5u);
    WriteFile(dir + "locked.pdf", Pdf(4) + "/Password (right) % changed");
    Click(BTN_DELETE);
    std::vector<std::string> again = Runs();
    ASSERT_EQ(again.size(), 2u);
    EXPECT_NE(again[1].find(" dump_data_utf8 output "), std::string::npos);
    runs.insert(runs.end(), again.begin(), again.end());
    std::string source = Quote(dir + "locked.pdf") + " input_pw \"right\" ";
    for (const std::string& run : runs) // as the decryption places its password
        EXPECT_EQ(run.find(source), tool.size() + 3) << run;
    Type(EDIT_OWNER, "PROMPT"); // the tool keeps the console it asks on
    Click(BTN_ENCRYPT);
    EXPECT_TRUE(Runs().size() == 1 && shown.size() == 4) << "the tool took every one";
}

// A listed file whose result would replace another listed file is left alone, and named; so is
// one whose burst would write over a listed page file.
TEST_F(Operations, AResultNeverReplacesAnotherListedFile)
{
    CreateDirectoryA((dir + "a").c_str(), nullptr);
    for (const char* name :
         {"a.pdf", "a_compress.pdf", "a\\PG_001.pdf", "scan", "scan.pdf", "scan_bg.pdf"})
        WriteFile(dir + name, Pdf(1));
    Tab(TAB_MULTI);
    Add({dir + "a.pdf", dir + "a_compress.pdf", dir + "a\\PG_001.pdf"});
    Click(BTN_BURST);
    EXPECT_EQ(Runs().size(), 2u);          // the two others
    Add({dir + "scan", dir + "scan.pdf"}); // one result for both
    Click(BTN_COMPRESS);
    EXPECT_EQ(Runs().size(), 3u);
    Click(BTN_BACKGROUND, {dir + "scan_bg.pdf"}); // the background would be their result
    EXPECT_EQ(Runs().size(), 3u);
    EXPECT_EQ(ReadFile(dir + "a_compress.pdf") + ReadFile(dir + "a\\PG_001.pdf") +
                  ReadFile(dir + "scan_bg.pdf"),
              Pdf(1) + Pdf(1) + Pdf(1));
    const char* replaces = szLang_fr[TXT_FAIL_REPLACES_INPUT];
    const char* bg = szLang_fr[TXT_FAIL_REPLACES_BACKGROUND];
    EXPECT_EQ(shown, std::vector<std::string>({Failed({dir + "a.pdf", replaces}),
                                               Failed({dir + "a.pdf", replaces, dir + "scan.pdf",
                                                       szLang_fr[TXT_FAIL_SAME_RESULT]}),
                                               Failed({dir + "scan", bg, dir + "scan.pdf", bg})}));
    Tab(TAB_SINGLE); // and a single file's own background
    Click(BTN_SOURCE, {dir + "scan.pdf"});
    Click(BTN_BACKGROUND, {dir + "scan_bg.pdf"});
    EXPECT_EQ(shown.back(), Failed({dir + "scan.pdf", bg}));
}

TEST_F(Operations, ListButtonsMoveTheRightEntries)
{
    struct {
        int nItems;
        std::vector<int> sel;
        int nButton;
        const char* after; // the entries, selected ones in capitals
    } cases[] = {
        {6, {1, 3}, BTN_REMOVE, "aCef"}, {6, {4, 5}, BTN_REMOVE, "abcD"},
        {3, {0, 1, 2}, BTN_REMOVE, ""},  {4, {}, BTN_REMOVE, "abcd"},
        {4, {1, 2}, BTN_UP, "BCad"},     {4, {0, 2}, BTN_UP, "AbCd"},
        {4, {0, 1}, BTN_DOWN, "cABd"},   {4, {0, 3}, BTN_DOWN, "AbcD"},
        {4, {2}, BTN_DOWN, "abdC"},      {4, {}, BTN_UP, "abcd"},
    };
    Tab(TAB_MULTI);
    for (const auto& c : cases) {
        Send(rows[LIST_FILES], LB_RESETCONTENT);
        for (int i = 0; i < c.nItems; ++i)
            Send(rows[LIST_FILES], LB_ADDSTRING, 0, (LPARAM)std::string(1, 'a' + i).c_str());
        Select(LIST_FILES, c.sel);
        Click(c.nButton);
        std::string after;
        for (const std::string& item : Items(LIST_FILES))
            after += item;
        for (size_t i = 0; i < after.size(); ++i) {
            if (Send(rows[LIST_FILES], LB_GETSEL, i) > 0)
                after[i] = (char)toupper(after[i]);
        }
        EXPECT_EQ(after, c.after);
    }
}

} // namespace

namespace {

// s begins with head and ends with tail.
bool Around(const std::string& s, const std::string& head, const std::string& tail)
{
    return s.size() >= head.size() + tail.size() && s.compare(0, head.size(), head) == 0 &&
           s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// The Document page: its source read at its choice (the page count, then its information); each
// button's command line with the panel's security, its result beside the source or in a folder
// named after it; the numbers it takes refused, naming the page count.
TEST_F(Operations, DocumentPageCommandLines)
{
    WriteFile(dir + "doc.pdf", Pdf(7) + "/FakeAttached (notes.txt)");
    WriteFile(dir + "a.txt", "a");
    WriteFile(dir + "b.txt", "b");
    Tab(TAB_DOCUMENT);
    Click(BTN_DOC_SRC, {dir + "doc.pdf"});
    std::vector<std::string> runs = Runs();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_TRUE(Around(runs[0], Expand("%T \"%Ddoc.pdf\" dumpdata output \"", "", ""), "\""));
    EXPECT_TRUE(Around(runs[1], Expand("%T \"%Ddoc.pdf\" dump_data_utf8 output \"", "", ""), "\""));
    EXPECT_EQ(Text(LBL_DOC_SUMMARY), pdfFillText(szLang_fr[TXT_DOC_SUMMARY], {"7", "0"}));
    for (const char* security : {"", " owner_pw \"own\"  encrypt_128bit "}) {
        Type(EDIT_OWNER, *security ? "own" : "");
        Type(EDIT_TITLE, "T");
        Click(BTN_SAVE_INFO);
        runs = Runs();
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_TRUE(Around(runs[0], Expand("%T \"%Ddoc.pdf\" update_info_utf8 \"", "", ""),
                           Expand("\" output \"%Ddoc_info.pdf\" %S", "", security)))
            << runs[0];
        Type(EDIT_EVERY, "3");
        Click(BTN_SPLIT);
        runs = Runs();
        std::sort(runs.begin(), runs.end());
        const char* part = "%T \"%Ddoc.pdf\" cat %P output \"%Ddoc_parts\\doc_00%N.pdf\" %S";
        std::vector<std::string> parts;
        for (const char* p : {"1-31", "4-62", "7-73"}) {
            std::string cmd = part;
            cmd.replace(cmd.find("%P"), 2, std::string(p, 3));
            cmd.replace(cmd.find("%N"), 2, std::string(p + 3, 1));
            parts.push_back(Expand(cmd, "", security));
        }
        EXPECT_EQ(runs, parts);
        EXPECT_TRUE(IsFile(dir + "doc_parts\\doc_003.pdf"));
        // One file, then two chosen at once (the dialog gives their folder, then their names).
        const std::string folder = dir.substr(0, dir.size() - 1);
        for (std::string page : {"", "2"}) {
            Type(EDIT_ATTACH_PAGE, page);
            Click(BTN_ATTACH, {page.empty() ? dir + "a.txt" : folder + "|a.txt|b.txt"});
            std::string files = page.empty() ? "\"%Da.txt\"" : "\"%Da.txt\" \"%Db.txt\"";
            std::string to = page.empty() ? "" : " to_page " + page;
            EXPECT_EQ(Ops(), std::vector{Expand("%T \"%Ddoc.pdf\" attach_files " + files + to +
                                                    " output \"%Ddoc_attach.pdf\" %S",
                                                "", security)});
        }
        Type(EDIT_ATTACH_PAGE, "");
    }
    EXPECT_TRUE(shown.empty());
    std::vector<std::string> cwds;
    Click(BTN_EXTRACT); // into a new folder, where the tool runs
    EXPECT_EQ(Runs(&cwds), std::vector{Expand("%T \"%Ddoc.pdf\" unpack_files output .", "", "")});
    EXPECT_EQ(cwds, std::vector{dir + "doc_files"});
    EXPECT_EQ(ReadFile(dir + "doc_files\\notes.txt"), "attached to " + dir + "doc.pdf\n");

    // The numbers refused; no bookmark of the level chosen; a source without attachments.
    const std::string bad = Message(pdfFillText(szLang_fr[TXT_MSG_BAD_EVERY], {"7"}));
    for (const char* every : {"", "0", "8"}) {
        Type(EDIT_EVERY, every);
        Click(BTN_SPLIT);
    }
    Type(EDIT_ATTACH_PAGE, "8");
    Click(BTN_ATTACH);
    Click(OPT_BOOKMARKS);
    Click(BTN_SPLIT);
    EXPECT_EQ(shown,
              std::vector({bad, bad, bad, Message(pdfFillText(szLang_fr[TXT_MSG_BAD_PAGE], {"7"})),
                           Message(TXT_MSG_NO_LEVEL)}));
    WriteFile(dir + "plain.pdf", Pdf(2));
    Click(BTN_DOC_SRC, {dir + "plain.pdf"});
    shown.clear();
    Click(BTN_EXTRACT);
    EXPECT_EQ(shown, std::vector{Message(TXT_MSG_NO_ATTACHMENTS, LNG_FRENCH, false)});
    EXPECT_EQ(GetFileAttributesW(Wide(dir + "plain_files").c_str()), INVALID_FILE_ATTRIBUTES);
    Tab(TAB_ABOUT); // the page forgets its source and what it read
    Tab(TAB_DOCUMENT);
    EXPECT_TRUE(Text(EDIT_DOC_SRC).empty() && Text(LBL_DOC_SUMMARY).empty() &&
                Text(EDIT_TITLE).empty());
    shown.clear();
    Click(BTN_SAVE_INFO);
    EXPECT_EQ(shown, std::vector{Message(TXT_MSG_NO_SOURCE)});
}

} // namespace
