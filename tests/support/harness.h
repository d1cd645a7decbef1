// Test harness: the main window driven as a person drives it, through messages that Windows
// carries between processes, so that the same tests run against the window in this process
// (its dialogs answered through the program's seam) and against the 32-bit release started as
// a program of its own (its real dialogs answered from outside). Each test program links one of
// the two: harness_inside.cpp or harness_release.cpp.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "layout.h"

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
bool IsFile(const std::string& path);
std::string Quote(const std::string& s);
// A name as the tests write it, wide: UTF-8 for one the code page cannot spell, else in the code
// page.
std::wstring Wide(const std::string& s);
// A wide text as the tests write it: in the code page when it spells it, else in UTF-8.
std::string Narrow(const std::wstring& w);
// A file of the 64-bit build, such as fake\pdftk.exe.
std::string BuildPath(const std::string& path);
// A PDF file of nPages pages, page i (from 1) nBase + 10 i points wide so that pages can be told
// apart after the tool has moved them; with a form field named "tandrel_name" if asked. The
// fake tool takes its page count from it as well.
std::string Pdf(int nPages, int nBase = 200, bool bField = false);
// A text of the program's tables (Windows-1252) in UTF-8, as a message that names a file the
// code page cannot spell comes out whole.
std::string Utf8(const std::string& text);
// Names the code page cannot spell, in UTF-8: Łódź, Łukasz, Ελληνικά, 日本, 中文, 結果.
const std::string kLodz = "\xC5\x81\xC3\xB3\x64\xC5\xBA";
const std::string kLukasz = "\xC5\x81ukasz";
const std::string kGreek = "\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC";
const std::string kJapan = "\xE6\x97\xA5\xE6\x9C\xAC";
const std::string kChinese = "\xE4\xB8\xAD\xE6\x96\x87";
const std::string kResult = "\xE7\xB5\x90\xE6\x9E\x9C";

// How many inputs run at once on this machine.
size_t AtOnce();
// The temporary files the program made ("td....tmp") in folder: by default its own temporary
// folder, where the tool's words, page counts, dumps and info files go.
size_t TemporaryFiles(const std::string& folder = "");
LRESULT Send(HWND h, UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0);
// The screen's DPI for the programs started from now on (Wine reads it as a program starts).
void SetScreenDpi(DWORD nDpi);
std::string TextOf(HWND h);

// Until done() holds, in the minute the emulated release may take; whether it does.
template <class F> bool WaitFor(F done, DWORD nMs = 60000)
{
    for (DWORD t = GetTickCount(); !done() && GetTickCount() - t < nMs;)
        Sleep(10);
    return done();
}

// A message box as the tests keep it: its text, after "(!) " when it has the error icon.
inline std::string Message(const std::string& text, bool bError = true)
{
    return (bError ? "(!) " : "") + text;
}
inline std::string Message(int nText, int nLang = LNG_FRENCH, bool bError = true)
{
    return Message(TextTable(nLang)[nText], bError);
}
// The message naming the inputs without a result: each input's path, then why.
inline std::string Failed(const std::vector<std::string>& pathsAndWhys)
{
    std::string text = TextTable(LNG_FRENCH)[TXT_MSG_FAILED];
    for (size_t i = 0; i + 1 < pathsAndWhys.size(); i += 2)
        text += "\r\n\r\n" + pathsAndWhys[i] + "\r\n" + pathsAndWhys[i + 1];
    return Message(text);
}
// A question with Yes and No, as the tests keep it.
inline std::string Question(const std::string& text)
{
    return "(?) " + text;
}

class WindowTest : public testing::Test {
  public:
    void SetUp() override;
    void TearDown() override;
    void Start(); // the program, with the tool beside it and its settings file in dir, given args
    void Close(); // through WM_CLOSE, as the close box does
    bool Ended(); // the window is gone, and with the release its process

    // A click on the control of row nRow. The file dialogs it opens take the answers in order
    // ("" cancels, as does a dialog left without one); the message boxes it shows are answered
    // with OK, the questions with nReply, and kept in shown.
    void Click(int nRow, const std::vector<std::string>& answers = {});
    void Act(HWND h, UINT uMsg, const std::vector<std::string>& answers);
    void Add(const std::vector<std::string>& paths); // each through "Add" on the list page
    void Tab(int nTab);                              // with the arrow keys, as a user does
    void Pick(int nRow, int nItem);                  // an item of a drop-down list
    void Type(int nRow, const std::string& text);
    void TypeWhole(int nRow, const std::string& utf8); // UTF-8, every letter whole
    void Keys(int nRow, const std::string& text);      // typed key by key into an edit box
    // A key pressed on the control with the focus, through the program's message loop, with
    // Shift and Ctrl held down as asked; and that control.
    void Key(UINT vk, bool bShift = false, bool bCtrl = false);
    HWND Focus();
    void Select(int nRow, const std::vector<int>& items); // in a list box, alone
    std::vector<std::string> Items(int nRow);             // of a list box or a drop-down list
    std::string Text(int nRow);
    bool Checked(int nRow);
    // The command lines the tool ran since the last call; cwds gets their folders. Without
    // bReads, the reads of a file's information and bookmarks (its data dump in UTF-8) are left
    // out: they run beside a count, in either order.
    std::vector<std::string> Runs(std::vector<std::string>* cwds = nullptr, bool bReads = true);
    size_t nRunsSeen = 0;

    std::string toolKind = "fake"; // or "bridge": Debian's pdftk
    std::string args;              // its command line after its path, each one after a blank
    std::string dir;               // scratch folder of the test, ending in a separator
    std::string tool;              // the tool as the program names it
    HWND hMain = nullptr;
    std::vector<HWND> rows;         // the controls, by Row
    std::vector<std::string> shown; // the message boxes, as Message() writes them
    int nReply = IDNO;              // the answer to a question
};
