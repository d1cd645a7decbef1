// Test harness: the real main window driven through its own messages, its dialogs answered by a
// script, the fake tool's log, and scratch folders.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "gui.h"

// The test doubles beside the tests: "fake" (logs, writes outputs) or "bridge" (Debian's pdftk).
std::string ToolPath(const char* szKind);
std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
bool IsFile(const std::string& path);

// What the program showed, and the answers it gets: each file or folder dialog takes the next
// answer, "" or none being Cancel.
struct Script {
    std::vector<std::string> shown; // message box texts, in order
    std::vector<UINT> styles;       // and their styles
    std::deque<std::string> answers;
    int nFileDialogs = 0;
};
extern Script script;

class WindowTest : public testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    void Create();  // a main window as the program creates it
    void Destroy(); // through WM_CLOSE, as the close box does
    // The command lines the fake tool ran since the test began; cwds gets their folders.
    std::vector<std::string> Runs(std::vector<std::string>* cwds = nullptr);
    void Click(T_ELEMENT& e);
    void Tab(int nTab); // as the tab control tells the window of a user's choice
    void Pick(T_ELEMENT& combo, int nItem);
    void Type(T_ELEMENT& e, const char* szText);
    void Select(T_ELEMENT& list, const std::vector<int>& items);
    std::vector<std::string> Items(T_ELEMENT& list); // of a list box or a drop-down list
    std::string Text(HWND h);
    // Chooses the source file with "...", the fake tool counting nPages.
    void Choose(const std::string& path, int nPages);
    void Add(const std::vector<std::string>& paths); // through "Add"

    std::string dir; // scratch folder of this test; the settings file and the log live here
};
