// The texts of the active language on the window: its title, tabs, captions, the names screen
// readers read, and the Settings page's line on the tool in use.
#include "gui.h"

#include <commctrl.h>
#include <oleacc.h>

#include "pdf_text.h"

typedef struct {
    int nText;
    T_ELEMENT T_INTERFACE::*pElement;
} T_CAPTION;

// In the order the captions are set; the About text last.
// clang-format off
static const T_CAPTION captions[] = {
    {TXT_FRAME_ENCRYPT,   &T_INTERFACE::FrameEncrypt},
    {TXT_ENCRYPT_40,      &T_INTERFACE::OptEncrypt40},
    {TXT_ENCRYPT_128,     &T_INTERFACE::OptEncrypt128},
    {TXT_FRAME_AUTH,      &T_INTERFACE::FrameAuth},
    {TXT_AUTH_ALL,        &T_INTERFACE::ChkAuthAll},
    {TXT_AUTH_PRINT_TOP,  &T_INTERFACE::ChkAuthPrintTop},
    {TXT_AUTH_PRINT_LOW,  &T_INTERFACE::ChkAuthPrintLow},
    {TXT_AUTH_MODIFY,     &T_INTERFACE::ChkAuthModify},
    {TXT_AUTH_ASSEMBLY,   &T_INTERFACE::ChkAuthAssembly},
    {TXT_AUTH_COPY,       &T_INTERFACE::ChkAuthCopy},
    {TXT_AUTH_READ,       &T_INTERFACE::ChkAuthRead},
    {TXT_AUTH_CREATE,     &T_INTERFACE::ChkAuthCreate},
    {TXT_AUTH_FILLIN,     &T_INTERFACE::ChkAuthFillin},
    {TXT_FRAME_PASSWD,    &T_INTERFACE::FramePasswd},
    {TXT_PASSWD_USER,     &T_INTERFACE::StaticPasswdUser},
    {TXT_PASSWD_OWNER,    &T_INTERFACE::StaticPasswdOwner},
    {TXT_BTN_ENCRYPT,     &T_INTERFACE::BtnEncrypt},
    {TXT_BTN_BURST,       &T_INTERFACE::BtnBurst},
    {TXT_BTN_DUMP_DATA,   &T_INTERFACE::BtnDumpData},
    {TXT_BTN_BACKGROUND,  &T_INTERFACE::BtnBackground},
    {TXT_BTN_REPAIR,      &T_INTERFACE::BtnRepair},
    {TXT_BTN_COMPRESS,    &T_INTERFACE::BtnCompress},
    {TXT_BTN_UNCOMPRESS,  &T_INTERFACE::BtnUncompress},
    {TXT_BTN_DUMP_FIELDS, &T_INTERFACE::BtnDumpDataFields},
    {TXT_BTN_CLOSE,       &T_INTERFACE::BtnAppClose},
    {TXT_PDF_SOURCE,      &T_INTERFACE::StaticPDFSource},
    {TXT_BTN_PDF_SOURCE,  &T_INTERFACE::BtnPDFSource},
    {TXT_BTN_DECRYPT,     &T_INTERFACE::BtnDecrypt},
    {TXT_FRAME_CAT,       &T_INTERFACE::FrameCat},
    {TXT_CAT_FROM,        &T_INTERFACE::StaticCatFrom},
    {TXT_CAT_TO,          &T_INTERFACE::StaticCatTo},
    {TXT_CAT_ALL,         &T_INTERFACE::OptCatAll},
    {TXT_CAT_EVEN,        &T_INTERFACE::OptCatEven},
    {TXT_CAT_ODD,         &T_INTERFACE::OptCatOdd},
    {TXT_BTN_CAT,         &T_INTERFACE::BtnCat},
    {TXT_FRAME_DELETE,    &T_INTERFACE::FrameDelete},
    {TXT_DELETE_HELP,     &T_INTERFACE::StaticDelete},
    {TXT_BTN_DELETE,      &T_INTERFACE::BtnDelete},
    {TXT_BTN_ADD_DIR,     &T_INTERFACE::BtnAddDirToList},
    {TXT_BTN_ADD_PDF,     &T_INTERFACE::BtnAddPdfToList},
    {TXT_BTN_REMOVE,      &T_INTERFACE::BtnRemovePdfFromList},
    {TXT_BTN_UP,          &T_INTERFACE::BtnUpPdfInList},
    {TXT_BTN_DOWN,        &T_INTERFACE::BtnDownPdfInList},
    {TXT_BTN_JOIN,        &T_INTERFACE::BtnJoin},
    {TXT_PDF_SOURCE,      &T_INTERFACE::StaticPagesSource},
    {TXT_BTN_PDF_SOURCE,  &T_INTERFACE::BtnPagesSource},
    {TXT_FRAME_INTERLEAVE, &T_INTERFACE::FrameInterleave},
    {TXT_BACKS,           &T_INTERFACE::StaticBacks},
    {TXT_BTN_PDF_SOURCE,  &T_INTERFACE::BtnBacks},
    {TXT_BACKS_REVERSE,   &T_INTERFACE::ChkBacksReverse},
    {TXT_BTN_INTERLEAVE,  &T_INTERFACE::BtnInterleave},
    {TXT_FRAME_RANGES,    &T_INTERFACE::FrameRanges},
    {TXT_RANGES,          &T_INTERFACE::StaticRanges},
    {TXT_TURN,            &T_INTERFACE::StaticTurn},
    {TXT_BTN_ROTATE,      &T_INTERFACE::BtnRotate},
    {TXT_BTN_TAKE,        &T_INTERFACE::BtnTakePages},
    {TXT_LANG,            &T_INTERFACE::StaticLang},
    {TXT_ZOOM,            &T_INTERFACE::StaticZoom},
    {TXT_ABOUT,           &T_INTERFACE::StaticAbout},
};
// clang-format on

// Names for screen readers of the two lists that have no caption before them; the others are
// named by the label just before them in the window order.
static void uiNameLists(T_INTERFACE* gui)
{
    const T_CAPTION names[] = {{TXT_NAME_DELETE_LIST, &T_INTERFACE::ListDelete},
                               {TXT_NAME_FILE_LIST, &T_INTERFACE::ListPdfFiles}};
    HRESULT hrCom = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    IAccPropServices* pProps = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IAccPropServices, (void**)&pProps))) {
        for (const T_CAPTION& n : names) {
            WCHAR wszName[TANDREL_PATH_MAX] = {0};
            uiWideText(gui->szLang[n.nText], wszName, TANDREL_PATH_MAX);
            pProps->SetHwndPropStr((gui->*n.pElement).hdl, (DWORD)OBJID_CLIENT, CHILDID_SELF,
                                   PROPID_ACC_NAME, wszName);
        }
        pProps->Release();
    }
    if (SUCCEEDED(hrCom))
        CoUninitialize();
}

int uiApplyText(T_INTERFACE* gui, const char* const* szLng)
{
    gui->szLang = szLng;
    SetWindowTextA(gui->hWnd, szLng[TXT_APP_NAME]);
    SetWindowTextA(gui->Status.hdl, szLng[TXT_STATUS]);
    for (int i = 0; i < TAB_COUNT; ++i) {
        TCITEMA tie = {};
        tie.mask = TCIF_TEXT;
        tie.pszText = const_cast<char*>(szLng[TXT_TAB_SINGLE + i]);
        SendMessageA(gui->Tabs.hdl, TCM_SETITEMA, (WPARAM)i, (LPARAM)&tie);
    }
    for (const T_CAPTION& c : captions) {
        SetWindowTextA((gui->*c.pElement).hdl, szLng[c.nText]);
    }
    // The angles in this language, the one chosen kept (the first at the start).
    LRESULT nTurn = SendMessageA(gui->CboTurn.hdl, CB_GETCURSEL, 0, 0);
    SendMessageA(gui->CboTurn.hdl, CB_RESETCONTENT, 0, 0);
    for (int n : {TXT_TURN_EAST, TXT_TURN_SOUTH, TXT_TURN_WEST})
        SendMessageA(gui->CboTurn.hdl, CB_ADDSTRING, 0, (LPARAM)szLng[n]);
    SendMessageA(gui->CboTurn.hdl, CB_SETCURSEL, nTurn < 0 ? 0 : (WPARAM)nTurn, 0);
    uiShowTool(gui);
    uiNameLists(gui);
    InvalidateRect(gui->hWnd, nullptr, FALSE);
    return 0;
}

int uiShowTool(T_INTERFACE* gui)
{
    std::string text = gui->szPathExe[0]
                           ? pdfFillText(gui->szLang[TXT_TOOL_IN_USE], {gui->szPathExe})
                           : std::string(gui->szLang[TXT_TOOL_NONE]);
    if (gui->StaticTool.hdl)
        SetWindowTextA(gui->StaticTool.hdl, text.c_str());
    return 0;
}
