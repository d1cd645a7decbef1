// Types and globals of the main window, and the functions of the interface module.
#pragma once

#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>
#include <vector>

#define TANDREL_PATH_MAX 260 // a path holds at most 259 characters and the terminator
// Such a path in UTF-8, as the program keeps the user's paths (paths.h): 3 bytes a character at
// most, a letter outside the basic plane being two characters of 4 bytes.
#define TANDREL_PATH_BYTES (3 * TANDREL_PATH_MAX)
#define TANDREL_PASSWD_LEN 32     // the longest password the tool's encryption keeps
#define TANDREL_PASSWD_MAX 33     // a password and its terminator
#define TANDREL_RANGE_MAX 128     // the page range of the page copy
#define TANDREL_AUTH_MAX 1024     // the security options appended to a command
#define TANDREL_CMDLINE_MAX 32767 // the longest command line Windows starts, in characters

// The code page the texts are written in, whatever the system's.
#define TEXT_CODE_PAGE 1252

#define COUNTOF(a) (sizeof(a) / sizeof((a)[0]))

// Facts of the main window.
#define WINDOW_CLASS "WINDOWSAPP"
// The property the main window holds while one of its actions runs (and until the paths of its
// command line are taken): a program that drives the window waits until it is gone.
#define BUSY_PROPERTY "TANDREL.Busy"
#define FONT_HEIGHT 14   // character cell height of the controls' font at 100 %
#define ZOOM_STEP_MAX 10 // zoom steps 0..10 stand for 100 %..200 %
// Sent by Windows 10 from version 1703 on, before WM_DPICHANGED: the size the window wants at
// another DPI. Named here since the headers name it only for that version.
#ifndef WM_GETDPISCALEDSIZE
#define WM_GETDPISCALEDSIZE 0x02E4
#endif

// The pages of the tab control, by tab index.
enum { TAB_SINGLE, TAB_MULTI, TAB_PAGES, TAB_CONFIG, TAB_ABOUT, TAB_COUNT };

// The languages, by their index in the language list and the settings file.
enum { LNG_FRENCH, LNG_ENGLISH };

// The texts of the two tables, by index.
enum {
    TXT_NONE,
    TXT_APP_NAME, // window title and caption of every message box
    TXT_STATUS,
    TXT_ABOUT,
    TXT_TAB_SINGLE, // the five tab labels, in tab order
    TXT_TAB_MULTI,
    TXT_TAB_PAGES,
    TXT_TAB_CONFIG,
    TXT_TAB_ABOUT,
    TXT_FRAME_ENCRYPT,
    TXT_ENCRYPT_40,
    TXT_ENCRYPT_128,
    TXT_FRAME_PASSWD,
    TXT_PASSWD_USER,
    TXT_PASSWD_OWNER,
    TXT_FRAME_AUTH,
    TXT_AUTH_ALL,
    TXT_AUTH_PRINT_TOP,
    TXT_AUTH_PRINT_LOW,
    TXT_AUTH_MODIFY,
    TXT_AUTH_ASSEMBLY,
    TXT_AUTH_COPY,
    TXT_AUTH_READ,
    TXT_AUTH_CREATE,
    TXT_AUTH_FILLIN,
    TXT_BTN_ENCRYPT,
    TXT_BTN_BURST,
    TXT_BTN_DUMP_DATA,
    TXT_BTN_BACKGROUND,
    TXT_BTN_REPAIR,
    TXT_BTN_COMPRESS,
    TXT_BTN_UNCOMPRESS,
    TXT_BTN_DUMP_FIELDS,
    TXT_BTN_CLOSE,
    TXT_PDF_SOURCE,
    TXT_BTN_PDF_SOURCE,
    TXT_BTN_DECRYPT,
    TXT_FRAME_CAT,
    TXT_CAT_FROM,
    TXT_CAT_TO,
    TXT_CAT_ALL,
    TXT_CAT_EVEN,
    TXT_CAT_ODD,
    TXT_BTN_CAT,
    TXT_FRAME_DELETE,
    TXT_DELETE_HELP,
    TXT_BTN_DELETE,
    TXT_BTN_ADD_DIR,
    TXT_BTN_ADD_PDF,
    TXT_BTN_REMOVE,
    TXT_BTN_UP,
    TXT_BTN_DOWN,
    TXT_BTN_JOIN,
    TXT_LANG,
    TXT_ZOOM,
    TXT_MSG_NO_SOURCE,      // "Choose a PDF file first."
    TXT_MSG_EMPTY_LIST,     // "Add at least one PDF file to the list."
    TXT_MSG_JOIN_TWO,       // "Add at least two PDF files to the list."
    TXT_MSG_NO_PASSWORD,    // "Type owner password and/or user password first."
    TXT_MSG_SAME_PASSWORDS, // "User and owner passwords must be different."
    TXT_MSG_NO_OWNER,       // "Type owner password first."
    TXT_MSG_NO_PAGE,        // "No page found for this file."
    TXT_MSG_OVERWRITE,      // "Result file already exists. Overwrite it ?"
    TXT_MSG_SAVE_SETTINGS,  // "Error saving settings. ..."
    TXT_MSG_DELETE_ALL,     // every page selected for deleting
    TXT_MSG_JOIN_INPUT,     // the join's output names one of its inputs
    TXT_STATUS_PROGRESS,    // %1 the input's number, %2 of how many, %3 its file name
    TXT_STATUS_DONE,        // %1 results written of %2 inputs
    TXT_STATUS_STOPPED,     // the same, after Escape or the window's closing
    TXT_MSG_FAILED,         // heads the list of the inputs without a result
    TXT_MSG_FAILED_MORE,    // %1 more of them, not listed
    TXT_MSG_NO_TOOL,        // %1 the program's folder, %2 the installer's folders looked in
    TXT_FAIL_NOT_STARTED,   // why an input has no result: the tool did not start
    TXT_FAIL_STATUS,        // it ended with the status %1 and wrote nothing
    TXT_FAIL_TOO_LONG,      // its command line is longer than Windows takes
    TXT_FAIL_NO_NAME,       // no result name fits beside the input
    TXT_FAIL_NO_FOLDER,     // %1 the burst's folder, which cannot be made
    TXT_NAME_DELETE_LIST,   // the page list's name for screen readers: it has no caption
    TXT_NAME_FILE_LIST,     // the file list's, likewise
    TXT_FILTER_PDF,         // the file dialogs' two file types
    TXT_FILTER_ALL,
    TXT_FOLDER_TITLE,        // the folder dialog's title
    TXT_MSG_COUNT_FAILED,    // %1 why the pages of the chosen file could not be counted
    TXT_FAIL_REPLACES_INPUT, // its result would replace another listed input
    TXT_FAIL_NO_TEMP,        // no temporary file can be made
    TXT_SHUTDOWN_REASON,     // what Windows shows while a shutdown waits for the tool
    TXT_TOOL_IN_USE,         // the Settings page: %1 the path of the tool in use
    TXT_TOOL_NONE,           // the same, when none was found
    TXT_FRAME_INTERLEAVE,    // the Pages page
    TXT_BACKS,
    TXT_BACKS_REVERSE,
    TXT_BTN_INTERLEAVE,
    TXT_FRAME_RANGES,
    TXT_RANGES,
    TXT_TURN,
    TXT_TURN_EAST, // the three angles, in the order of their list
    TXT_TURN_SOUTH,
    TXT_TURN_WEST,
    TXT_BTN_ROTATE,
    TXT_BTN_TAKE,
    TXT_MSG_NO_BACKS,      // no backs chosen to interleave
    TXT_MSG_NO_RANGES,     // nothing typed in the range box
    TXT_MSG_BAD_RANGE,     // %1 the first part of the range box that is wrong
    TXT_MSG_COUNTS_DIFFER, // %1 pages of the fronts, %2 of the backs: interleave all the same?
    TXT_MSG_SHUFFLE_INPUT, // the interleaved file would replace the fronts or the backs
    TXT_FAIL_REPLACES_BACKGROUND, // its result would replace the background file
    TXT_FAIL_SAME_RESULT,         // an input listed before it gives the same result
    TXT_FAIL_NOT_STARTED_WHY,     // the tool could not be started: %1 the system's reason
    TXT_MSG_NOT_OPENED,           // heads the paths of the command line that were not opened
    TXT_WHY_MISSING,              // why one was not: nothing of that name is there
    TXT_WHY_NOT_PDF,              // neither a PDF file nor a folder
    TXT_WHY_CODE_PAGE,            // the code page cannot spell its name, or it is too long to name
    TXT_MSG_KEPT_WITHOUT,  // heads the inputs whose result lacks its source's bookmarks and info
    TXT_FAIL_NO_TEMP_HERE, // no temporary file can be made in the result's folder
    TXT_FAIL_NO_STAND_IN,  // a name the code page cannot spell, and no stand-in for it (%1: why)
    TXT_FAIL_NOT_PLACED,   // the result could not take its name (%1: why)
    TXT_STATUS_COPYING,    // a file copied for the tool under a name it can take (%1)
    TXT_COUNT
};

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
// and its backs.
typedef struct {
    char szPasswd[TANDREL_PASSWD_MAX]; // the password it opened with; empty when it needs none
    int nPages;                        // its page count; 0 while none is chosen
} T_CHOSEN;

typedef struct {
    HWND hWnd;
    HINSTANCE hInst;
    int x, y, w, h;
    char szPathDir[TANDREL_PATH_MAX]; // the program's folder; empty when too deep to name
    char szPathExe[TANDREL_PATH_MAX]; // the tool in use; empty when none was found
    char szPathCfg[TANDREL_PATH_MAX];
    const char* const* szLang;
    T_WINDOW Status;
    T_ELEMENT Tabs;
    T_ELEMENT FrameEncrypt;
    T_ELEMENT OptEncrypt40;
    T_ELEMENT OptEncrypt128;
    T_ELEMENT FrameAuth;
    T_ELEMENT ChkAuthAll;
    T_ELEMENT ChkAuthPrintTop;
    T_ELEMENT ChkAuthPrintLow;
    T_ELEMENT ChkAuthModify;
    T_ELEMENT ChkAuthAssembly;
    T_ELEMENT ChkAuthCopy;
    T_ELEMENT ChkAuthRead;
    T_ELEMENT ChkAuthCreate;
    T_ELEMENT ChkAuthFillin;
    T_ELEMENT FramePasswd;
    T_ELEMENT StaticPasswdUser;
    T_ELEMENT EditPasswdUser;
    T_ELEMENT StaticPasswdOwner;
    T_ELEMENT EditPasswdOwner;
    T_ELEMENT BtnEncrypt;
    T_ELEMENT BtnBurst;
    T_ELEMENT BtnDumpData;
    T_ELEMENT BtnBackground;
    T_ELEMENT BtnCompress;
    T_ELEMENT BtnUncompress;
    T_ELEMENT BtnRepair;
    T_ELEMENT BtnDumpDataFields;
    T_ELEMENT BtnAppClose;
    T_ELEMENT EditPDFSource;
    T_ELEMENT StaticPDFSource;
    T_ELEMENT BtnPDFSource;
    T_ELEMENT BtnDecrypt;
    T_ELEMENT FrameCat;
    T_ELEMENT StaticCatFrom;
    T_ELEMENT CboCatFrom;
    T_ELEMENT StaticCatTo;
    T_ELEMENT CboCatTo;
    T_ELEMENT OptCatAll;
    T_ELEMENT OptCatEven;
    T_ELEMENT OptCatOdd;
    T_ELEMENT BtnCat;
    T_ELEMENT FrameDelete;
    T_ELEMENT ListDelete;
    T_ELEMENT StaticDelete;
    T_ELEMENT BtnDelete;
    T_ELEMENT ListPdfFiles;
    T_ELEMENT BtnJoin;
    T_ELEMENT BtnAddPdfToList;
    T_ELEMENT BtnAddDirToList;
    T_ELEMENT BtnRemovePdfFromList;
    T_ELEMENT BtnUpPdfInList;
    T_ELEMENT BtnDownPdfInList;
    T_ELEMENT StaticPagesSource;
    T_ELEMENT EditPagesSource;
    T_ELEMENT BtnPagesSource;
    T_ELEMENT FrameInterleave;
    T_ELEMENT StaticBacks;
    T_ELEMENT EditBacks;
    T_ELEMENT BtnBacks;
    T_ELEMENT ChkBacksReverse;
    T_ELEMENT BtnInterleave;
    T_ELEMENT FrameRanges;
    T_ELEMENT StaticRanges;
    T_ELEMENT EditRanges;
    T_ELEMENT StaticTurn;
    T_ELEMENT CboTurn;
    T_ELEMENT BtnRotate;
    T_ELEMENT BtnTakePages;
    T_ELEMENT StaticAbout;
    T_ELEMENT StaticLang;
    T_ELEMENT CboLang;
    T_ELEMENT StaticZoom;
    T_ELEMENT CboZoom;
    T_ELEMENT StaticTool;
    // What the boxes EditPDFSource, EditPagesSource and EditBacks hold.
    T_CHOSEN Source, PagesSource, Backs;
    // The DPI of the screen the window is on; every figure at 100 % is for 96 of it.
    int nDpi;
} T_INTERFACE;

extern T_INTERFACE gui;
extern T_CONFIG guicfg;
extern const char* const szLang_fr[TXT_COUNT];
extern const char* const szLang_en[TXT_COUNT];

// Every dialog and message box of the program goes through this table, so that tests can
// answer them; the program keeps the platform functions.
typedef struct {
    int(WINAPI* MessageBox)(HWND, LPCSTR, LPCSTR, UINT);
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
// Message box owned by the main window with the body szText.
int uiShowText(T_INTERFACE* gui, const char* szText, UINT uType);
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
int ResizeElement(T_ELEMENT* elmnt, double ratio);
int ResizeGui(T_INTERFACE* gui, double ratio);
// Releases the font of the controls, once the window that used it is gone.
int uiReleaseFont(void);
// Shows the page of the selected tab and hides the others.
int uiShowPage(T_INTERFACE* gui);
// The same, and the focus goes to the page's first control.
int uiShowSelectedPage(T_INTERFACE* gui);
// The first control of the page shown that takes the focus; the tab control when it has none.
HWND uiFirstControlOfPage(T_INTERFACE* gui);
int ShowTabSingle(T_INTERFACE* gui, int nCmdShow);
int ShowTabMulti(T_INTERFACE* gui, int nCmdShow);
int ShowTabPages(T_INTERFACE* gui, int nCmdShow);
int ShowTabConfig(T_INTERFACE* gui, int nCmdShow);
int ShowTabAbout(T_INTERFACE* gui, int nCmdShow);
// The selected tab, TAB_SINGLE to TAB_ABOUT (-1 for none).
int uiSelectedTab(T_INTERFACE* gui);
int CheckPermissions(T_INTERFACE* gui, HWND hChk);

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

// Source file choice and file list buttons.
int OpenOnePdfFile(T_INTERFACE* gui);
// The same for the Pages page's source and for its backs: chosen, counted, opened with a typed
// password where it needs one.
int uiChoosePagesSource(T_INTERFACE* gui);
int uiChooseBacks(T_INTERFACE* gui);
int AddPdfToList(T_INTERFACE* gui);
int AddDirPdfToList(T_INTERFACE* gui);
// Full paths from the shell, taken as the page nTab takes a chosen file: the Single file page (and
// the Pages page) the first PDF file as its source, the Multiple files page each PDF file and the
// PDF files of each folder; anything else, and a path longer than a path may be, is passed over.
int uiTakePaths(T_INTERFACE* gui, const std::vector<std::wstring>& paths, int nTab);
// Files dropped from the shell onto the window, taken by the page shown.
int uiDropFiles(T_INTERFACE* gui, HDROP hDrop);
// The paths of the command line (relative ones from the current folder): one PDF file becomes the
// source of the Single file page; several paths, or a folder, go to the Multiple files page,
// which is shown. Those that are missing, neither a PDF file nor a folder, or too long are named
// in one message, each with why.
int uiOpenPaths(T_INTERFACE* gui, const std::vector<std::wstring>& args);
