// What the window and the tool side share: the limits of paths, passwords and command lines, and
// the ids of the texts (a run's outcome names the text that says why).
#pragma once

#define TANDREL_PATH_MAX 260 // a path holds at most 259 characters and the terminator
// Such a path in UTF-8, as the program keeps the user's paths (paths.h): 3 bytes a character at
// most, a letter outside the basic plane being two characters of 4 bytes.
#define TANDREL_PATH_BYTES (3 * TANDREL_PATH_MAX)
#define TANDREL_PASSWD_LEN 32     // the longest password the tool's encryption keeps
#define TANDREL_PASSWD_MAX 33     // a password and its terminator
#define TANDREL_RANGE_MAX 128     // the page range of the page copy
#define TANDREL_CMDLINE_MAX 32767 // the longest command line Windows starts, in characters

// The code page the texts are written in, whatever the system's.
#define TEXT_CODE_PAGE 1252

#define COUNTOF(a) (sizeof(a) / sizeof((a)[0]))

// The texts of the two tables, by index.
enum {
    TXT_NONE,
    TXT_APP_NAME, // window title and caption of every message box
    TXT_STATUS,
    TXT_ABOUT,
    TXT_TAB_SINGLE, // the six tab labels, in tab order
    TXT_TAB_MULTI,
    TXT_TAB_PAGES,
    TXT_TAB_DOCUMENT,
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
    TXT_DOC_SUMMARY,       // the Document page's source: %1 pages, %2 bookmarks
    TXT_FRAME_INFO,
    TXT_INFO_TITLE,
    TXT_INFO_AUTHOR,
    TXT_INFO_SUBJECT,
    TXT_INFO_KEYWORDS,
    TXT_BTN_SAVE_INFO,
    TXT_FRAME_SPLIT,
    TXT_SPLIT_EVERY,
    TXT_SPLIT_BOOKMARKS,
    TXT_SPLIT_PAGES,
    TXT_NAME_SPLIT_EVERY, // the split's box of pages a part, for screen readers
    TXT_NAME_SPLIT_LEVEL, // the split's list of bookmark levels, for screen readers
    TXT_BTN_SPLIT,
    TXT_FRAME_ATTACH,
    TXT_BTN_ATTACH,
    TXT_ATTACH_PAGE,
    TXT_BTN_EXTRACT,
    TXT_MSG_BAD_EVERY,      // %1 the page count: the pages a part must be 1 to it
    TXT_MSG_NO_LEVEL,       // no bookmark of the level chosen leads to a page
    TXT_MSG_BAD_PAGE,       // %1 the page count: the attachments' page must be 1 to it, or none
    TXT_MSG_NO_ATTACHMENTS, // the source holds no attached file
    TXT_MSG_PATH_TOO_LONG,  // %1 a file chosen whose path is longer than a path may be
    TXT_COUNT
};
