// Types and globals of the main window, and the functions of the interface module.
#pragma once

#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "gui_table.h"
#include "paths.h"
#include "pdf_identity.h"
#include "pdf_outline.h"
#include "pdf_text.h"
#include "shared.h"

// Facts of the main window.
#define WINDOW_CLASS "WINDOWSAPP"
// The property the main window holds while one of its actions runs (and until the paths of its
// command line are taken): a program that drives the window waits until it is gone.
#define BUSY_PROPERTY "TANDREL.Busy"
#define FONT_HEIGHT 14   // character cell height of the controls' font at 100 %
#define ZOOM_STEP_MAX 10 // zoom steps 0..10 stand for 100 %..200 %
// The longest value of a document's information box, in characters, read whole.
#define INFO_VALUE_MAX 1000
// The room around a tab's label, in pixels, across and down (the default is 6 and 3).
#define TAB_PADDING_X 3
#define TAB_PADDING_Y 3
// The digits of a number of pages box: more than any document has.
#define NUMBER_DIGITS 6
// Sent by Windows 10 from version 1703 on, before WM_DPICHANGED: the size the window wants at
// another DPI. Named here since the headers name it only for that version.
#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

// The pages of the tab control, by tab index.
enum { TAB_SINGLE, TAB_MULTI, TAB_PAGES, TAB_DOCUMENT, TAB_CONFIG, TAB_ABOUT, TAB_COUNT };

// The languages, by their index in the language list and the settings file.
enum { LNG_FRENCH, LNG_ENGLISH };

typedef struct {
    HWND hdl;
} T_WINDOW;

typedef struct {
    HWND hdl;
    int x, y, w, h; // unscaled geometry in the parent's client area; never changes
} T_ELEMENT;

typedef struct {
    unsigned char zoom; // 0..10, scale 1 + zoom / 10
    unsigned char lang; // 0 French, 1 English
} T_CONFIG;

// A file chosen into one of the source boxes: the Single file page's, the Pages page's source
// and its backs, the Document page's.
typedef struct {
    char szPasswd[TANDREL_PASSWD_MAX]; // the password it opened with; empty when it needs none
    int nPages;                        // its page count; 0 while none is chosen
    int bRead;          // its information and bookmarks were read (T_INTERFACE::sourceData)
    T_FILE_STAMP stamp; // the file as it was when they were read
} T_CHOSEN;

// The kinds of control of the table (gui_table.h): each its window class and style.
enum {
    KIND_GROUP,
    KIND_RADIO,
    KIND_CHECK,
    KIND_BUTTON,
    KIND_LABEL,
    KIND_TOOL,      // a path on one line, shortened in its middle
    KIND_PASSWORD,  // a password box: what it takes reaches the tool whole
    KIND_RANGES,    // the page ranges box
    KIND_PATH,      // a source box, read-only: a chosen file's path
    KIND_PAGES,     // a drop-down list of the source's pages
    KIND_CHOICE,    // a drop-down list of texts, the first chosen when its page is shown
    KIND_LANGUAGES, // the language list
    KIND_ZOOMS,     // the zoom steps
    KIND_LIST,      // a list box of the source's pages
    KIND_FILES,     // the file list
    KIND_TABS,      // the tab control
    KIND_NOTE,      // a line the window forms, wide: the Document page's summary
    KIND_INFO,      // a box of the document's information, wide: every letter whole
    KIND_NUMBER,    // a box of a number of pages
    KIND_LEVELS,    // the bookmark levels 1 to 3
    KIND_COUNT
};
// The page of a control always shown.
#define PAGE_PANEL (-1)
// How a control starts (the table's flags).
#define CTL_CHECKED 1
#define CTL_GROUP 2
#define CTL_IN_GROUP_BOX 4

// A row of the control table, as the window keeps it.
typedef struct T_INTERFACE T_INTERFACE;
typedef struct {
    T_ELEMENT T_INTERFACE::*pElement;
    int nKind, nText, nPage, nFlags;
} T_CONTROL;

// The source boxes, each with the record of the file chosen into it.
enum { SOURCE_SINGLE, SOURCE_PAGES, SOURCE_BACKS, SOURCE_DOCUMENT, SOURCE_COUNT };

struct T_INTERFACE {
    HWND hWnd;
    HINSTANCE hInst;
    int x, y, w, h;
    // The program's own paths, in UTF-8 as every path: its folder (empty when too deep to name),
    // the tool in use (empty when none was found) and the settings file.
    char szPathDir[TANDREL_PATH_BYTES];
    char szPathExe[TANDREL_PATH_BYTES];
    char szPathCfg[TANDREL_PATH_BYTES];
    const char* const* szLang; // the active text table
    T_WINDOW Status;
#define X(field, ...) T_ELEMENT field;
    TANDREL_CONTROLS(X)
#undef X
    T_CHOSEN chosen[SOURCE_COUNT];       // what the source boxes hold
    T_DOC_DATA sourceData[SOURCE_COUNT]; // what the chosen files hold beyond their pages
    // The DPI of the screen the window is on; every figure at 100 % is for 96 of it.
    int nDpi;
};

extern T_INTERFACE gui;
extern T_CONFIG guicfg;
// The control table (gui_table.h), in the window's order.
extern const T_CONTROL uiControls[];
extern const size_t uiControlCount;
extern const char* const szLang_fr[TXT_COUNT];
extern const char* const szLang_en[TXT_COUNT];

// Every dialog and message box of the program goes through this table, so that tests can
// answer them; the program keeps the platform functions.
typedef struct {
    // Wide, so that every name in a message shows whole.
    int(WINAPI* MessageBox)(HWND, LPCWSTR, LPCWSTR, UINT);
    // Wide, so that a name the code page cannot spell is seen as such, not as a look-alike.
    BOOL(WINAPI* GetOpenFileName)(LPOPENFILENAMEW);
    BOOL(WINAPI* GetSaveFileName)(LPOPENFILENAMEW);
    PIDLIST_ABSOLUTE(WINAPI* BrowseForFolder)(LPBROWSEINFOW);
    BOOL(WINAPI* GetPathFromIDList)(PCIDLIST_ABSOLUTE, LPWSTR);
} T_DIALOGS;

extern T_DIALOGS dialogs;

// Message box owned by the main window: caption the program's name, body text nText of the
// active table.
int uiMessage(T_INTERFACE* gui, int nText, UINT uType);
// A text of the tables as wide text, for the functions that take only that.
int uiWideText(const char* szText, WCHAR* wszText, int nText);
// The text nText of the active table in UTF-8: every text the window forms with a path (a
// message, the status bar, the tool's line) is UTF-8, and shown wide.
std::string uiText(T_INTERFACE* gui, int nText);
// Message box owned by the main window with the body szText (UTF-8).
int uiShowText(T_INTERFACE* gui, const char* szText, UINT uType);
// The status bar says szText (UTF-8).
int uiSetStatus(T_INTERFACE* gui, const char* szText);
// Asks whether szFile, which exists, may be replaced: 1 for Yes.
int uiAskReplace(T_INTERFACE* gui, const char* szFile);

// Start-up (main module).
int appInitRecord(HINSTANCE hInst);
// The command line the program was started with; the paths it names after the program's own are
// opened once the window is shown. Null: none.
extern const WCHAR* appCommandLine;
// The window's keys, for a message taken from the queue before it is dispatched: 1 when they
// used it. Tab, Shift+Tab, the arrow keys and Space move and press as in a dialog; Ctrl+Tab and
// Ctrl+Shift+Tab switch pages as in property sheets.
int appTranslateMessage(MSG* msg);
int appRegisterClass(HINSTANCE hInst);
LRESULT CALLBACK WinMainProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

// Controls, texts, zoom, pages.
int uiCreateControls(T_INTERFACE* gui);
int uiInitControls(T_INTERFACE* gui);
int uiApplyText(T_INTERFACE* gui, const char* const* szLng);
// The Settings page's line on the tool in use, in the active language.
int uiShowTool(T_INTERFACE* gui);
// The tool in use looked for again (pdfFindTool) and shown: 1 when there is one.
int uiFindTool(T_INTERFACE* gui);
// The same; when there is none the user is told where it was looked for.
int uiToolReady(T_INTERFACE* gui);
int ResizeElement(T_ELEMENT* elmnt, double ratio);
int ResizeGui(T_INTERFACE* gui, double ratio);
// Releases the font of the controls, once the window that used it is gone.
int uiReleaseFont(void);
// Shows the page of the selected tab, as it was at first, and hides the others.
int uiShowPage(T_INTERFACE* gui);
// The same, and the focus goes to the page's first control.
int uiShowSelectedPage(T_INTERFACE* gui);
// The first control of the page shown that takes the focus; the tab control when it has none.
HWND uiFirstControlOfPage(T_INTERFACE* gui);
// The selected tab, TAB_SINGLE to TAB_ABOUT (-1 for none); the tab nTab selected and its page
// shown; 1 when the tabs have the focus.
int uiSelectedTab(T_INTERFACE* gui);
int uiSelectTab(T_INTERFACE* gui, int nTab);
int uiTabsHaveFocus(T_INTERFACE* gui);

// The left-hand panel: the permission boxes updating one another as hChk is clicked (nothing for
// another control); the passwords typed; the key length and permissions that go with them into
// sec (none are read when both passwords are empty).
int CheckPermissions(T_INTERFACE* gui, HWND hChk);
typedef struct {
    char szOwner[TANDREL_PASSWD_MAX];
    char szUser[TANDREL_PASSWD_MAX];
} T_PASSWORDS;
int uiReadPasswords(T_INTERFACE* gui, T_PASSWORDS* pw);
int uiReadSecurity(T_INTERFACE* gui, const T_PASSWORDS* pw, T_SECURITY* sec);

// 1 when the check box or radio button h is checked, else 0.
int uiIsChecked(HWND h);
// The text of h into sz (nSize bytes, zero-filled first), cut to fit.
int uiReadText(HWND h, char* sz, int nSize);
// The path a path box shows, whole, into szPath (TANDREL_PATH_BYTES bytes, UTF-8); and a path
// shown there. The path boxes and the file list are wide controls: they show every name.
int uiReadPath(HWND h, char* szPath);
int uiShowPath(HWND h, const char* szPath);

// Exact product of v and ratio, truncated toward zero.
int uiScaleValue(int v, double ratio);
// The zoom ratio of a zoom step: step / 10 + 1, in double precision.
double uiZoomRatio(int nZoomStep);
// The one factor of the layout: the zoom ratio of the step times nDpi / 96, which is exactly the
// zoom ratio at 96 DPI.
double uiScaleFactor(int nZoomStep, int nDpi);
// The DPI of the screen hWnd is on, as the window is told it (the system's on Windows 7 and 8).
int uiWindowDpi(HWND hWnd);

// Settings file: where it is (gui->szPathCfg), read and written. Portable, beside the program;
// installed (the installer's mark beside it), under the user's application data szAppData, or
// beside the program when that is unknown. -1, and szPath empty, when no path fits.
int cfgSettingsPath(const char* szProgramDir, int bInstalled, const char* szAppData, char* szPath);
int cfgInitPath(T_INTERFACE* gui);
int cfgLoadSettings(T_INTERFACE* gui, T_CONFIG* cfg);
// Writes the settings: -1 when the file cannot be written, which cfgSaveSettings also tells.
int cfgWriteSettings(T_INTERFACE* gui, T_CONFIG* cfg);
int cfgSaveSettings(T_INTERFACE* gui, T_CONFIG* cfg);

// The open and save dialogs of one PDF file, owned by the main window: 1 when a file was chosen
// into szFile (TANDREL_PATH_BYTES bytes, UTF-8).
int uiOpenPdfDialog(T_INTERFACE* gui, char* szFile);
int uiSavePdfDialog(T_INTERFACE* gui, char* szFile);
// The folder dialog: 1 when a folder was chosen into szDir (TANDREL_PATH_BYTES bytes, UTF-8).
int uiFolderDialog(T_INTERFACE* gui, char* szDir);

// The source boxes: the box of nSource; its file into szFile (TANDREL_PATH_BYTES bytes, UTF-8), 0
// when there is none; and the box hBox emptied, its file forgotten.
HWND uiSourceBox(T_INTERFACE* gui, int nSource);
int uiSourceFile(T_INTERFACE* gui, int nSource, char* szFile);
int uiForgetSource(T_INTERFACE* gui, HWND hBox);
// Source file choice and file list buttons.
int OpenOnePdfFile(T_INTERFACE* gui);
// The same for the Pages page's source and for its backs: chosen, counted, opened with a typed
// password where it needs one.
int uiChoosePagesSource(T_INTERFACE* gui);
int uiChooseBacks(T_INTERFACE* gui);
// Makes szFile the file of the source box nSource, counted and opened with a typed password where
// it needs one, and, but for the backs, its information and bookmarks read at the same time
// (gui->sourceData): its page count, or 0 with the box emptied and the user told why.
int uiChooseSource(T_INTERFACE* gui, const char* szFile, int nSource);
// The Document page's source: chosen in the open dialog, or szFile; its information and bookmarks
// read (gui->sourceData) and shown.
int uiChooseDocument(T_INTERFACE* gui);
int uiLoadDocument(T_INTERFACE* gui, const char* szFile);
// The Document page's information boxes, as the entries they set (an empty one removes its own).
int uiReadInfoBoxes(T_INTERFACE* gui, std::vector<T_INFO_ENTRY>& info);
// The open dialog of files of any type to attach, several at once: 1 when some were chosen into
// files (UTF-8); a path too long to name refuses the choice, with a message.
int uiOpenFilesDialog(T_INTERFACE* gui, std::vector<std::string>& files);
int AddPdfToList(T_INTERFACE* gui);
int AddDirPdfToList(T_INTERFACE* gui);
int uiRemoveListed(T_INTERFACE* gui);
int uiMoveListedUp(T_INTERFACE* gui);
int uiMoveListedDown(T_INTERFACE* gui);
// The listed files, in the list's order, into files; an entry too long to be a path is passed
// over. How many there are.
int uiListedFiles(T_INTERFACE* gui, std::vector<std::string>& files);
// Full paths from the shell, taken as the page nTab takes a chosen file: the Single file page (the
// Pages and Document pages too) the first PDF file as its source, the Multiple files page each PDF
// file and the PDF files of each folder; anything else, and a path longer than a path may be, is
// passed over.
int uiTakePaths(T_INTERFACE* gui, const std::vector<std::wstring>& paths, int nTab);
// Files dropped from the shell onto the window, taken by the page shown.
int uiDropFiles(T_INTERFACE* gui, HDROP hDrop);
// The paths of the command line (relative ones from the current folder): one PDF file becomes the
// source of the Single file page; several paths, or a folder, go to the Multiple files page,
// which is shown. Those that are missing, neither a PDF file nor a folder, or too long are named
// in one message, each with why.
int uiOpenPaths(T_INTERFACE* gui, const std::vector<std::wstring>& args);
