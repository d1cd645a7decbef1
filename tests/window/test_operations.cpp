// Every operation's command line on both pages, with and without security options, and the
// messages that stop an operation, in their order of precedence.
#include "harness.h"

namespace {

using G = T_INTERFACE;

struct Operation {
    T_ELEMENT G::*button;
    const char* cmd; // %T the tool, %B the input without ".pdf", %S the security options
    bool bSingleOnly;
};

// clang-format off
const Operation operations[] = {
    {&G::BtnEncrypt,        "%T \"%B.pdf\" output \"%B_sec.pdf\" %S", false},
    {&G::BtnCompress,       "%T \"%B.pdf\" output \"%B_compress.pdf\" compress %S", false},
    {&G::BtnUncompress,     "%T \"%B.pdf\" output \"%B_uncompress.pdf\" uncompress %S", false},
    {&G::BtnRepair,         "%T \"%B.pdf\" output \"%B_fixed.pdf\" %S", false},
    {&G::BtnBackground,     "%T \"%B.pdf\" background \"%Dbg.pdf\" output \"%B_bg.pdf\"", false},
    {&G::BtnDumpData,       "%T \"%B.pdf\" dumpdata output \"%B_dump.txt\"", false},
    {&G::BtnDumpDataFields, "%T \"%B.pdf\" dump_data_fields output \"%B_fields.txt\"", false},
    {&G::BtnBurst,          "%T \"%B.pdf\" burst output pg_%03d.pdf", false},
    {&G::BtnCat,            "%T \"%B.pdf\" cat 1-3 output \"%B_cat.pdf\" %S", true},
    {&G::BtnDelete,         "%T \"%B.pdf\" cat  1-1 3-end output \"%B_remove.pdf\" %S", true},
    {&G::BtnDecrypt,        "%T \"%B.pdf\" input_pw \"own\" output \"%B_unsec.pdf\"", true},
};
// clang-format on

std::string Expand(std::string s, const std::string& dir, const std::string& base,
                   const std::string& security)
{
    const std::pair<const char*, std::string> keys[] = {
        {"%T", "\"" + std::string(gui.szPathExe) + "\""},
        {"%B", dir + base},
        {"%D", dir},
        {"%S", security}};
    for (const auto& k : keys) {
        for (size_t pos; (pos = s.find(k.first)) != std::string::npos;)
            s.replace(pos, 2, k.second);
    }
    return s;
}

class Operations : public WindowTest {};

TEST_F(Operations, CommandLinesOnBothPages)
{
    const char* securities[] = {"", " owner_pw \"own\"  encrypt_128bit "};
    WriteFile(dir + "in.pdf", "%PDF");
    for (const char* security : securities) {
        SCOPED_TRACE(security);
        Type(gui.EditPasswdOwner, *security ? "own" : "");
        Tab(TAB_SINGLE);
        Choose(dir + "in.pdf", 3);
        Select(gui.ListDelete, {1});
        Tab(TAB_MULTI);
        Add({dir + "a.pdf", dir + "b.pdf"});
        for (const Operation& op : operations) {
            if (!*security && (op.button == &G::BtnEncrypt || op.button == &G::BtnDecrypt))
                continue; // refused without a password; see the messages below
            for (int nTab : {TAB_SINGLE, TAB_MULTI}) {
                if (op.bSingleOnly && nTab == TAB_MULTI)
                    continue;
                SendMessageA(gui.Tabs.hdl, TCM_SETCURSEL, nTab, 0); // keeps the pages' work
                script.answers.push_back(dir + "bg.pdf");
                size_t nBefore = Runs().size();
                Click(gui.*op.button);
                std::vector<std::string> runs = Runs();
                runs.erase(runs.begin(), runs.begin() + nBefore);
                std::vector<std::string> expected;
                for (const char* base : {"in", "a", "b"}) {
                    if ((nTab == TAB_SINGLE) == !strcmp(base, "in"))
                        expected.push_back(Expand(op.cmd, dir, base, security));
                }
                EXPECT_EQ(runs, expected) << op.cmd << " on tab " << nTab;
                script.answers.clear();
            }
        }
        // Join: every listed file in list order, the output named in the save dialog.
        script.answers.push_back(dir + "joined.txt");
        Click(gui.BtnJoin);
        EXPECT_EQ(Runs().back(),
                  Expand("%T \"%Da.pdf\" \"%Db.pdf\"  cat output \"%Djoined.pdf\" %S", dir, "",
                         security));
    }
    // Re-compress shows its command before it runs, on the Single file page only.
    EXPECT_EQ(script.shown,
              std::vector<std::string>({Expand(operations[1].cmd, dir, "in", ""),
                                        Expand(operations[1].cmd, dir, "in", securities[1])}));
    EXPECT_EQ(script.styles, std::vector<UINT>(2, MB_ICONERROR));
}

struct Refusal {
    int nTab;
    const char *owner, *user;
    int nListed; // entries in the file list
    T_ELEMENT G::*button;
    int nText; // the message, or -1 for none
};

// clang-format off
const Refusal refusals[] = {
    // No source on the Single file page comes before equal passwords.
    {TAB_SINGLE, "pw", "pw", 0, &G::BtnCat,            TXT_MSG_NO_SOURCE},
    {TAB_SINGLE, "pw", "pw", 0, &G::BtnDelete,         TXT_MSG_NO_SOURCE},
    {TAB_SINGLE, "",   "",   0, &G::BtnDecrypt,        TXT_MSG_NO_SOURCE},
    {TAB_SINGLE, "pw", "pw", 0, &G::BtnCompress,       TXT_MSG_NO_SOURCE},
    {TAB_SINGLE, "",   "",   0, &G::BtnEncrypt,        TXT_MSG_NO_SOURCE},
    {TAB_SINGLE, "",   "",   0, &G::BtnBurst,          TXT_MSG_NO_SOURCE},
    {TAB_SINGLE, "",   "",   0, &G::BtnDumpDataFields, TXT_MSG_NO_SOURCE},
    // An empty list comes before equal passwords; the join wants two files.
    {TAB_MULTI,  "pw", "pw", 0, &G::BtnRepair,         TXT_MSG_EMPTY_LIST},
    {TAB_MULTI,  "",   "",   0, &G::BtnBackground,     TXT_MSG_EMPTY_LIST},
    {TAB_MULTI,  "",   "",   0, &G::BtnBurst,          TXT_MSG_EMPTY_LIST},
    {TAB_MULTI,  "",   "",   0, &G::BtnDumpData,       TXT_MSG_EMPTY_LIST},
    {TAB_MULTI,  "pw", "pw", 1, &G::BtnJoin,           TXT_MSG_JOIN_TWO},
    {TAB_SINGLE, "pw", "pw", 2, &G::BtnJoin,           TXT_MSG_SAME_PASSWORDS},
    // Passwords, with a source or a list.
    {TAB_MULTI,  "pw", "pw", 1, &G::BtnUncompress,     TXT_MSG_SAME_PASSWORDS},
    {TAB_MULTI,  "",   "",   1, &G::BtnEncrypt,        TXT_MSG_NO_PASSWORD},
    {TAB_MULTI,  "pw", "pw", 1, &G::BtnEncrypt,        TXT_MSG_SAME_PASSWORDS},
    {TAB_CONFIG, "",   "",   1, &G::BtnEncrypt,        TXT_MSG_NO_PASSWORD},
    {TAB_ABOUT,  "pw", "pw", 1, &G::BtnCompress,       TXT_MSG_SAME_PASSWORDS},
    {TAB_CONFIG, "o",  "",   1, &G::BtnEncrypt,        -1},
    {TAB_ABOUT,  "",   "",   1, &G::BtnBurst,          -1},
    {TAB_CONFIG, "",   "",   1, &G::BtnDumpData,       -1},
    {TAB_ABOUT,  "",   "",   1, &G::BtnBackground,     -1},
};
// clang-format on

TEST_F(Operations, RefusalsShowTheirMessageAndRunNothing)
{
    for (const Refusal& r : refusals) {
        Tab(r.nTab);
        SendMessageA(gui.ListPdfFiles.hdl, LB_RESETCONTENT, 0, 0);
        for (int i = 0; i < r.nListed; ++i)
            Add({dir + std::to_string(i) + ".pdf"});
        Type(gui.EditPasswdOwner, r.owner);
        Type(gui.EditPasswdUser, r.user);
        script = Script();
        Click(gui.*r.button);
        std::vector<std::string> expected;
        if (r.nText >= 0)
            expected.push_back(szLang_fr[r.nText]);
        EXPECT_EQ(script.shown, expected) << "row " << (&r - refusals);
        EXPECT_EQ(script.styles, std::vector<UINT>(expected.size(), MB_ICONERROR));
        EXPECT_TRUE(Runs().empty());
    }
    // Background on the Settings and About pages still asks for its file, then runs nothing.
    EXPECT_EQ(script.nFileDialogs, 1);
}

TEST_F(Operations, SourceChoiceMessagesAndPasswords)
{
    WriteFile(dir + "in.pdf", "%PDF");
    Choose(dir + "in.pdf", 3);
    Choose(dir + "empty.pdf", 0); // no page: told, the box emptied, the old pages kept
    EXPECT_EQ(script.shown, std::vector<std::string>({szLang_fr[TXT_MSG_NO_PAGE]}));
    EXPECT_EQ(Text(gui.EditPDFSource.hdl), "");
    EXPECT_EQ(Items(gui.CboCatTo).size(), 3u);
    Choose(dir + "in.pdf", 2);
    Type(gui.EditPasswdUser, "user");
    script = Script();
    Click(gui.BtnDecrypt); // a user password alone does not decrypt
    EXPECT_EQ(script.shown, std::vector<std::string>({szLang_fr[TXT_MSG_NO_OWNER]}));
    EXPECT_EQ(script.styles, std::vector<UINT>({MB_OK}));
    Type(gui.EditPasswdOwner, "user"); // equal passwords still decrypt with the owner's
    Click(gui.BtnDecrypt);
    EXPECT_NE(Runs().back().find("input_pw \"user\" output"), std::string::npos);
    // A file that opens only with a password is counted again with each typed one.
    SetEnvironmentVariableA("TANDREL_FAKE_PASSWORD", "right");
    Type(gui.EditPasswdOwner, "wrong");
    Type(gui.EditPasswdUser, "right");
    size_t nBefore = Runs().size();
    Choose(dir + "in.pdf", 4);
    std::vector<std::string> runs = Runs();
    ASSERT_EQ(runs.size(), nBefore + 3);
    EXPECT_EQ(runs[nBefore].find("input_pw"), std::string::npos);
    EXPECT_NE(runs[nBefore + 1].find("input_pw \"wrong\" dumpdata output"), std::string::npos);
    EXPECT_NE(runs[nBefore + 2].find("input_pw \"right\" dumpdata output"), std::string::npos);
    EXPECT_EQ(Items(gui.ListDelete).size(), 4u);
}

} // namespace
