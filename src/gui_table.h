// Every control of the main window, declared once, in the window's order (the Tab key's): its
// field in the window's record, its kind, its place and size at 100 % on a 96-DPI screen in its
// parent's client area (a drop-down's height is dropped down), its text, the page it belongs to
// and how it starts. The record's fields, the creation, the captions and the pages shown and
// hidden are all made from this list.
//   text: its caption; for a list, which has none, its name for screen readers; for the tab
//         control, the first tab's label, the others following in tab order; TXT_NONE: none.
//   page: the tab page that shows it (TAB_...), or PAGE_PANEL: always shown.
//   flags: CTL_CHECKED checked at start and whenever its page is shown again; CTL_GROUP the first
//          radio button of its group; CTL_IN_GROUP_BOX inside the group box before it.
#pragma once

// The main window's outer size at 100 %.
#define WINDOW_W 790
#define WINDOW_H 350

// clang-format off
#define TANDREL_CONTROLS(X) \
    /* field               kind            x    y    w    h  text                  page        flags */ \
    X(FrameEncrypt,         KIND_GROUP,     10,  10, 100,  80, TXT_FRAME_ENCRYPT,    PAGE_PANEL, 0) \
    X(OptEncrypt40,         KIND_RADIO,     10,  25,  80,  20, TXT_ENCRYPT_40,       PAGE_PANEL, CTL_GROUP | CTL_IN_GROUP_BOX) \
    X(OptEncrypt128,        KIND_RADIO,     10,  45,  80,  20, TXT_ENCRYPT_128,      PAGE_PANEL, CTL_CHECKED | CTL_IN_GROUP_BOX) \
    X(FrameAuth,            KIND_GROUP,    120,  10, 240, 210, TXT_FRAME_AUTH,       PAGE_PANEL, 0) \
    X(ChkAuthAll,           KIND_CHECK,    130,  30, 200,  20, TXT_AUTH_ALL,         PAGE_PANEL, 0) \
    X(ChkAuthPrintTop,      KIND_CHECK,    145,  50, 200,  20, TXT_AUTH_PRINT_TOP,   PAGE_PANEL, 0) \
    X(ChkAuthPrintLow,      KIND_CHECK,    145,  70, 200,  20, TXT_AUTH_PRINT_LOW,   PAGE_PANEL, 0) \
    X(ChkAuthModify,        KIND_CHECK,    145,  90, 200,  20, TXT_AUTH_MODIFY,      PAGE_PANEL, 0) \
    X(ChkAuthAssembly,      KIND_CHECK,    145, 110, 200,  20, TXT_AUTH_ASSEMBLY,    PAGE_PANEL, 0) \
    X(ChkAuthCopy,          KIND_CHECK,    145, 130, 200,  20, TXT_AUTH_COPY,        PAGE_PANEL, 0) \
    X(ChkAuthRead,          KIND_CHECK,    145, 150, 200,  20, TXT_AUTH_READ,        PAGE_PANEL, 0) \
    X(ChkAuthCreate,        KIND_CHECK,    145, 170, 200,  20, TXT_AUTH_CREATE,      PAGE_PANEL, 0) \
    X(ChkAuthFillin,        KIND_CHECK,    145, 190, 200,  20, TXT_AUTH_FILLIN,      PAGE_PANEL, 0) \
    X(FramePasswd,          KIND_GROUP,     10, 100, 100, 120, TXT_FRAME_PASSWD,     PAGE_PANEL, 0) \
    X(StaticPasswdUser,     KIND_LABEL,     20, 120,  80,  20, TXT_PASSWD_USER,      PAGE_PANEL, 0) \
    X(EditPasswdUser,       KIND_PASSWORD,  20, 140,  80,  20, TXT_NONE,             PAGE_PANEL, 0) \
    X(StaticPasswdOwner,    KIND_LABEL,     20, 160,  80,  20, TXT_PASSWD_OWNER,     PAGE_PANEL, 0) \
    X(EditPasswdOwner,      KIND_PASSWORD,  20, 180,  80,  20, TXT_NONE,             PAGE_PANEL, 0) \
    X(BtnEncrypt,           KIND_BUTTON,    10, 230,  80,  20, TXT_BTN_ENCRYPT,      PAGE_PANEL, 0) \
    X(BtnBurst,             KIND_BUTTON,   100, 230,  80,  20, TXT_BTN_BURST,        PAGE_PANEL, 0) \
    X(BtnDumpData,          KIND_BUTTON,   190, 230,  80,  20, TXT_BTN_DUMP_DATA,    PAGE_PANEL, 0) \
    X(BtnBackground,        KIND_BUTTON,   280, 230,  80,  20, TXT_BTN_BACKGROUND,   PAGE_PANEL, 0) \
    X(BtnCompress,          KIND_BUTTON,    10, 255,  80,  20, TXT_BTN_COMPRESS,     PAGE_PANEL, 0) \
    X(BtnUncompress,        KIND_BUTTON,   100, 255,  80,  20, TXT_BTN_UNCOMPRESS,   PAGE_PANEL, 0) \
    X(BtnRepair,            KIND_BUTTON,   190, 255,  80,  20, TXT_BTN_REPAIR,       PAGE_PANEL, 0) \
    X(BtnDumpDataFields,    KIND_BUTTON,   280, 255,  80,  20, TXT_BTN_DUMP_FIELDS,  PAGE_PANEL, 0) \
    X(BtnAppClose,          KIND_BUTTON,   280, 280,  80,  20, TXT_BTN_CLOSE,        PAGE_PANEL, 0) \
    X(Tabs,                 KIND_TABS,     370,   0, 410, 300, TXT_TAB_SINGLE,       PAGE_PANEL, 0) \
    X(StaticPDFSource,      KIND_LABEL,    380,  30, 100,  20, TXT_PDF_SOURCE,       TAB_SINGLE, 0) \
    X(EditPDFSource,        KIND_PATH,     450,  28, 280,  20, TXT_NONE,             TAB_SINGLE, 0) \
    X(BtnPDFSource,         KIND_BUTTON,   740,  28,  30,  20, TXT_BTN_PDF_SOURCE,   TAB_SINGLE, 0) \
    X(BtnDecrypt,           KIND_BUTTON,   380,  60,  80,  24, TXT_BTN_DECRYPT,      TAB_SINGLE, 0) \
    X(FrameCat,             KIND_GROUP,    380,  94, 150, 195, TXT_FRAME_CAT,        TAB_SINGLE, 0) \
    X(StaticCatFrom,        KIND_LABEL,    390, 120, 100,  20, TXT_CAT_FROM,         TAB_SINGLE, 0) \
    X(CboCatFrom,           KIND_PAGES,    430, 120,  80, 100, TXT_NONE,             TAB_SINGLE, 0) \
    X(StaticCatTo,          KIND_LABEL,    390, 145, 100,  20, TXT_CAT_TO,           TAB_SINGLE, 0) \
    X(CboCatTo,             KIND_PAGES,    430, 145,  80, 100, TXT_NONE,             TAB_SINGLE, 0) \
    X(OptCatAll,            KIND_RADIO,    400, 170,  60,  20, TXT_CAT_ALL,          TAB_SINGLE, CTL_GROUP | CTL_CHECKED) \
    X(OptCatEven,           KIND_RADIO,    400, 195,  60,  20, TXT_CAT_EVEN,         TAB_SINGLE, 0) \
    X(OptCatOdd,            KIND_RADIO,    400, 220,  60,  20, TXT_CAT_ODD,          TAB_SINGLE, 0) \
    X(BtnCat,               KIND_BUTTON,   410, 250,  80,  24, TXT_BTN_CAT,          TAB_SINGLE, 0) \
    X(FrameDelete,          KIND_GROUP,    550,  60, 220, 230, TXT_FRAME_DELETE,     TAB_SINGLE, 0) \
    X(ListDelete,           KIND_LIST,     560,  90,  80, 210, TXT_NAME_DELETE_LIST, TAB_SINGLE, 0) \
    X(StaticDelete,         KIND_LABEL,    650,  80, 110, 160, TXT_DELETE_HELP,      TAB_SINGLE, 0) \
    X(BtnDelete,            KIND_BUTTON,   660, 250,  80,  24, TXT_BTN_DELETE,       TAB_SINGLE, 0) \
    X(ListPdfFiles,         KIND_FILES,    380,  30, 390, 190, TXT_NAME_FILE_LIST,   TAB_MULTI,  0) \
    X(BtnJoin,              KIND_BUTTON,   380, 230,  80,  24, TXT_BTN_JOIN,         TAB_MULTI,  0) \
    X(BtnAddDirToList,      KIND_BUTTON,   514, 230,  80,  24, TXT_BTN_ADD_DIR,      TAB_MULTI,  0) \
    X(BtnAddPdfToList,      KIND_BUTTON,   602, 230,  80,  24, TXT_BTN_ADD_PDF,      TAB_MULTI,  0) \
    X(BtnRemovePdfFromList, KIND_BUTTON,   690, 230,  80,  24, TXT_BTN_REMOVE,       TAB_MULTI,  0) \
    X(BtnUpPdfInList,       KIND_BUTTON,   602, 264,  80,  24, TXT_BTN_UP,           TAB_MULTI,  0) \
    X(BtnDownPdfInList,     KIND_BUTTON,   690, 264,  80,  24, TXT_BTN_DOWN,         TAB_MULTI,  0) \
    X(StaticPagesSource,    KIND_LABEL,    380,  30, 100,  20, TXT_PDF_SOURCE,       TAB_PAGES,  0) \
    X(EditPagesSource,      KIND_PATH,     450,  28, 280,  20, TXT_NONE,             TAB_PAGES,  0) \
    X(BtnPagesSource,       KIND_BUTTON,   740,  28,  30,  20, TXT_BTN_PDF_SOURCE,   TAB_PAGES,  0) \
    X(FrameInterleave,      KIND_GROUP,    380,  60, 390, 100, TXT_FRAME_INTERLEAVE, TAB_PAGES,  0) \
    X(StaticBacks,          KIND_LABEL,    390,  82,  55,  20, TXT_BACKS,            TAB_PAGES,  0) \
    X(EditBacks,            KIND_PATH,     450,  80, 270,  20, TXT_NONE,             TAB_PAGES,  0) \
    X(BtnBacks,             KIND_BUTTON,   730,  80,  30,  20, TXT_BTN_PDF_SOURCE,   TAB_PAGES,  0) \
    X(ChkBacksReverse,      KIND_CHECK,    390, 108, 250,  20, TXT_BACKS_REVERSE,    TAB_PAGES,  CTL_CHECKED) \
    X(BtnInterleave,        KIND_BUTTON,   390, 130,  90,  24, TXT_BTN_INTERLEAVE,   TAB_PAGES,  0) \
    X(FrameRanges,          KIND_GROUP,    380, 170, 390, 120, TXT_FRAME_RANGES,     TAB_PAGES,  0) \
    X(StaticRanges,         KIND_LABEL,    390, 192,  55,  20, TXT_RANGES,           TAB_PAGES,  0) \
    X(EditRanges,           KIND_RANGES,   450, 190, 310,  20, TXT_NONE,             TAB_PAGES,  0) \
    X(StaticTurn,           KIND_LABEL,    390, 222,  55,  20, TXT_TURN,             TAB_PAGES,  0) \
    X(CboTurn,              KIND_CHOICE,   450, 220, 150, 100, TXT_NONE,             TAB_PAGES,  0) \
    X(BtnRotate,            KIND_BUTTON,   610, 218,  90,  24, TXT_BTN_ROTATE,       TAB_PAGES,  0) \
    X(BtnTakePages,         KIND_BUTTON,   390, 255,  90,  24, TXT_BTN_TAKE,         TAB_PAGES,  0) \
    X(StaticDocSource,      KIND_LABEL,    380,  30, 100,  20, TXT_PDF_SOURCE,       TAB_DOCUMENT, 0) \
    X(EditDocSource,        KIND_PATH,     450,  28, 280,  20, TXT_NONE,             TAB_DOCUMENT, 0) \
    X(BtnDocSource,         KIND_BUTTON,   740,  28,  30,  20, TXT_BTN_PDF_SOURCE,   TAB_DOCUMENT, 0) \
    X(StaticDocSummary,     KIND_NOTE,     450,  51, 320,  16, TXT_NONE,             TAB_DOCUMENT, 0) \
    X(FrameInfo,            KIND_GROUP,    380,  68, 390, 134, TXT_FRAME_INFO,       TAB_DOCUMENT, 0) \
    X(StaticInfoTitle,      KIND_LABEL,    390,  88,  60,  20, TXT_INFO_TITLE,       TAB_DOCUMENT, 0) \
    X(EditInfoTitle,        KIND_INFO,     455,  86, 305,  20, TXT_NONE,             TAB_DOCUMENT, 0) \
    X(StaticInfoAuthor,     KIND_LABEL,    390, 110,  60,  20, TXT_INFO_AUTHOR,      TAB_DOCUMENT, 0) \
    X(EditInfoAuthor,       KIND_INFO,     455, 108, 305,  20, TXT_NONE,             TAB_DOCUMENT, 0) \
    X(StaticInfoSubject,    KIND_LABEL,    390, 132,  60,  20, TXT_INFO_SUBJECT,     TAB_DOCUMENT, 0) \
    X(EditInfoSubject,      KIND_INFO,     455, 130, 305,  20, TXT_NONE,             TAB_DOCUMENT, 0) \
    X(StaticInfoKeywords,   KIND_LABEL,    390, 154,  60,  20, TXT_INFO_KEYWORDS,    TAB_DOCUMENT, 0) \
    X(EditInfoKeywords,     KIND_INFO,     455, 152, 305,  20, TXT_NONE,             TAB_DOCUMENT, 0) \
    X(BtnSaveInfo,          KIND_BUTTON,   455, 176, 170,  20, TXT_BTN_SAVE_INFO,    TAB_DOCUMENT, 0) \
    X(FrameSplit,           KIND_GROUP,    380, 206, 240,  84, TXT_FRAME_SPLIT,      TAB_DOCUMENT, 0) \
    X(OptSplitEvery,        KIND_RADIO,    390, 222,  85,  20, TXT_SPLIT_EVERY,      TAB_DOCUMENT, CTL_GROUP | CTL_CHECKED) \
    X(OptSplitBookmarks,    KIND_RADIO,    390, 244, 155,  20, TXT_SPLIT_BOOKMARKS,  TAB_DOCUMENT, 0) \
    X(EditSplitEvery,       KIND_NUMBER,   480, 222,  40,  20, TXT_NAME_SPLIT_EVERY, TAB_DOCUMENT, 0) \
    X(StaticSplitPages,     KIND_LABEL,    525, 224,  50,  18, TXT_SPLIT_PAGES,      TAB_DOCUMENT, 0) \
    X(CboSplitLevel,        KIND_LEVELS,   550, 243,  40, 100, TXT_NAME_SPLIT_LEVEL, TAB_DOCUMENT, 0) \
    X(BtnSplit,             KIND_BUTTON,   390, 266,  90,  20, TXT_BTN_SPLIT,        TAB_DOCUMENT, 0) \
    X(FrameAttach,          KIND_GROUP,    630, 206, 140,  84, TXT_FRAME_ATTACH,     TAB_DOCUMENT, 0) \
    X(BtnAttach,            KIND_BUTTON,   640, 222, 120,  20, TXT_BTN_ATTACH,       TAB_DOCUMENT, 0) \
    X(StaticAttachPage,     KIND_LABEL,    640, 246,  65,  18, TXT_ATTACH_PAGE,      TAB_DOCUMENT, 0) \
    X(EditAttachPage,       KIND_NUMBER,   710, 244,  50,  20, TXT_NONE,             TAB_DOCUMENT, 0) \
    X(BtnExtract,           KIND_BUTTON,   640, 266, 120,  20, TXT_BTN_EXTRACT,      TAB_DOCUMENT, 0) \
    X(StaticLang,           KIND_LABEL,    380,  35,  80,  20, TXT_LANG,             TAB_CONFIG, 0) \
    X(CboLang,              KIND_LANGUAGES,470,  30,  80, 100, TXT_NONE,             TAB_CONFIG, 0) \
    X(StaticZoom,           KIND_LABEL,    380,  65,  80,  20, TXT_ZOOM,             TAB_CONFIG, 0) \
    X(CboZoom,              KIND_ZOOMS,    470,  60,  80, 100, TXT_NONE,             TAB_CONFIG, 0) \
    X(StaticTool,           KIND_TOOL,     380,  95, 390,  20, TXT_NONE,             TAB_CONFIG, 0) \
    X(StaticAbout,          KIND_LABEL,    410,  70, 320, 200, TXT_ABOUT,            TAB_ABOUT,  0)
// clang-format on
