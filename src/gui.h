// Types and globals of the main window, and the functions of the interface module.
#pragma once

#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

#define TANDREL_PATH_MAX 260   // a path holds at most 259 characters and the terminator
#define TANDREL_PASSWD_MAX 32  // a password holds at most 31 characters and the terminator
#define TANDREL_TEXT_COUNT 63

typedef struct {
    HWND hdl;
} T_WINDOW;

typedef struct {
    HWND hdl;
    int x, y, w, h;  // unscaled geometry in the parent's client area; never changes
} T_ELEMENT;

typedef struct {
    unsigned char zoom;  // 0..10, scale 1 + zoom / 10
    unsigned char lang;  // 0 French, 1 English
} T_CONFIG;

typedef struct {
    HWND hWnd;
    HINSTANCE hInst;
    int x, y, w, h;
    char szPathExe[TANDREL_PATH_MAX];
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
    T_ELEMENT StaticAbout;
    T_ELEMENT StaticLang;
    T_ELEMENT CboLang;
    T_ELEMENT StaticZoom;
    T_ELEMENT CboZoom;
} T_INTERFACE;

extern T_INTERFACE gui;
extern T_CONFIG guicfg;
extern const char* const szLang_fr[TANDREL_TEXT_COUNT];
extern const char* const szLang_en[TANDREL_TEXT_COUNT];

// Every dialog and message box of the program goes through this table, so that tests can
// answer them; the program keeps the platform functions.
typedef struct {
    int(WINAPI* MessageBox)(HWND, LPCSTR, LPCSTR, UINT);
    BOOL(WINAPI* GetOpenFileName)(LPOPENFILENAMEA);
    BOOL(WINAPI* GetSaveFileName)(LPOPENFILENAMEA);
    PIDLIST_ABSOLUTE(WINAPI* BrowseForFolder)(LPBROWSEINFOA);
    BOOL(WINAPI* GetPathFromIDList)(PCIDLIST_ABSOLUTE, LPSTR);
} T_DIALOGS;

extern T_DIALOGS dialogs;

// Message box owned by the main window: caption text 1, body text nText of the active table.
int uiMessage(T_INTERFACE* gui, int nText, UINT uType);

// Start-up (main module).
int appInitRecord(HINSTANCE hInst);
int appRegisterClass(HINSTANCE hInst);
LRESULT CALLBACK WinMainProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

// Controls, texts, zoom, pages.
int uiCreateControls(T_INTERFACE* gui);
int uiInitControls(T_INTERFACE* gui);
int uiApplyText(T_INTERFACE* gui, const char* const* szLng);
int ResizeElement(T_ELEMENT* elmnt, double ratio);
int ResizeGui(T_INTERFACE* gui, double ratio);
// Releases the font of the controls, once the window that used it is gone.
int uiReleaseFont(void);
int ShowTabSingle(T_INTERFACE* gui, int nCmdShow);
int ShowTabMulti(T_INTERFACE* gui, int nCmdShow);
int ShowTabConfig(T_INTERFACE* gui, int nCmdShow);
int ShowTabAbout(T_INTERFACE* gui, int nCmdShow);
int CheckPermissions(T_INTERFACE* gui, HWND hChk);

// Exact product of v and ratio, truncated toward zero.
int uiScaleValue(int v, double ratio);
// The zoom ratio of a zoom step: step / 10 + 1, in double precision.
double uiZoomRatio(int nZoomStep);

// Settings file.
int cfgLoadSettings(T_INTERFACE* gui, T_CONFIG* cfg);
int cfgSaveSettings(T_INTERFACE* gui, T_CONFIG* cfg);

// The open (or save) dialog of one PDF file, owned by the main window, with the French filter in
// both languages; without OFN_NOCHANGEDIR, so the current directory follows the choice.
BOOL uiPdfFileDialog(T_INTERFACE* gui, char* szFile, DWORD nFile, DWORD dwFlags, bool bSave);

// Source file choice and file list buttons.
int OpenOnePdfFile(T_INTERFACE* gui);
int AddPdfToList(T_INTERFACE* gui);
int AddDirPdfToList(T_INTERFACE* gui);
