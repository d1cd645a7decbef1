// Test harness: a real main window driven through its own messages, answered dialogs, the fake
// tool's log, and scratch folders.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "gui.h"

// The folder of the test program, with a trailing backslash.
std::string TestProgramDir();
// The test doubles built beside the tests: "fake" (logs and writes outputs) or "bridge" (runs
// Debian's pdftk).
std::string ToolPath(const char* szKind);
// A new, empty folder for one test, with a trailing backslash.
std::string NewScratchDir(const char* szName);
bool FileExists(const std::string& path);
// Files of the temporary folder matching szPattern.
int CountTempFiles(const char* szPattern);
std::string ReadFile(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::string& bytes);
void SetEnv(const char* szName, const char* szValue);  // null removes it

// A message box as the program asked for it.
struct ShownMessage {
    HWND hOwner;
    std::string text;
    std::string caption;
    UINT uType;
};

// Answers every dialog of the program and records its message boxes.
struct DialogScript {
    std::vector<ShownMessage> messages;
    std::deque<std::string> openAnswers;  // a path, or "" for Cancel
    std::deque<std::string> saveAnswers;
    std::deque<std::string> folderAnswers;
    std::vector<OPENFILENAMEA> openRequests;  // the settings each dialog was opened with
    std::vector<OPENFILENAMEA> saveRequests;
    std::vector<std::string> folderTitles;
    std::vector<std::string> openFilters;  // the filter, NULs as '|'
};
extern DialogScript script;
// Routes the program's dialogs to `script` (the default in every test).
void UseScriptedDialogs();

// One run of the fake tool, as it logged it.
struct ToolRun {
    std::string cmd;
    std::string cwd;
};

class FakeToolLog {
public:
    FakeToolLog();
    ~FakeToolLog();
    std::vector<ToolRun> Runs() const;
    std::string path;
};

// A fresh main window, created as the program creates it, with the settings file in a scratch
// folder and the fake tool as pdftk.exe.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    void CreateMainWindow();
    void DestroyMainWindow();
    // What a person does.
    void Click(T_ELEMENT& e);
    void SelectTab(int nTab);
    void PickItem(T_ELEMENT& combo, int nItem);
    void Type(T_ELEMENT& e, const char* szText);
    void SelectListItems(T_ELEMENT& list, const std::vector<int>& items);
    bool Checked(T_ELEMENT& e);
    bool Enabled(T_ELEMENT& e);
    bool Visible(T_ELEMENT& e);
    std::string Text(HWND h);
    std::vector<std::string> ListItems(T_ELEMENT& list);
    // Chooses szPath as the source file through the "..." button, with nPages answered.
    void ChooseSource(const std::string& szPath, int nPages = 3);
    // Fills the file list through "Add".
    void AddToList(const std::vector<std::string>& paths);

    std::string dir;  // scratch folder of this test
    FakeToolLog* log = nullptr;
};

// s in double quotes, as the program writes a file name into a command line.
inline std::string Quoted(const std::string& s)
{
    return "\"" + s + "\"";
}

// Windows command-line splitting, as the tools receive their arguments.
std::vector<std::string> SplitArgs(const std::string& cmd);
