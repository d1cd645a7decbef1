// The settings file: the zoom step and the language as two raw bytes.
#include "gui.h"

#include <shlwapi.h>
#include <stdio.h>
#include <string.h>

#define SETTINGS_FILE "tandrel.cfg"
#define SETTINGS_FOLDER "TANDREL" // under the user's application data, once installed
// The installer's uninstaller (installer/tandrel.nsi): beside the program, it is installed.
#define INSTALLER_MARK "uninstall.exe"

// szPath = szDir, a backslash, szName; -1, and empty, when that is too deep to name.
static int JoinPath(const char* szDir, const char* szName, char* szPath)
{
    // Too deep to name: no file, rather than a cut name that could name another one.
    if (!szDir[0] || strlen(szDir) + 1 + strlen(szName) + 1 > TANDREL_PATH_MAX) {
        szPath[0] = 0;
        return -1;
    }
    // The separator is added even after a drive root; a doubled one names the same file.
    snprintf(szPath, TANDREL_PATH_MAX, "%s\\%s", szDir, szName);
    return 0;
}

int cfgSettingsPath(const char* szProgramDir, int bInstalled, const char* szAppData, char* szPath)
{
    // An installed program's folder may be under Program Files, which its user cannot write.
    if (bInstalled && JoinPath(szAppData, SETTINGS_FOLDER "\\" SETTINGS_FILE, szPath) == 0)
        return 0;
    return JoinPath(szProgramDir, SETTINGS_FILE, szPath);
}

int cfgInitPath(T_INTERFACE* gui)
{
    char szMark[TANDREL_PATH_MAX], szAppData[MAX_PATH] = {0};
    DWORD nAttr = INVALID_FILE_ATTRIBUTES;
    if (JoinPath(gui->szPathDir, INSTALLER_MARK, szMark) == 0)
        nAttr = GetFileAttributesA(szMark);
    int bInstalled = nAttr != INVALID_FILE_ATTRIBUTES && !(nAttr & FILE_ATTRIBUTE_DIRECTORY);
    if (bInstalled &&
        FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, szAppData)))
        szAppData[0] = 0;
    return cfgSettingsPath(gui->szPathDir, bInstalled, szAppData, gui->szPathCfg);
}

int cfgLoadSettings(T_INTERFACE* gui, T_CONFIG* cfg)
{
    FILE* f = fopen(gui->szPathCfg, "rb");
    if (!f)
        return -1;
    T_CONFIG tmpcfg = {0, 0};
    if (fread(&tmpcfg, sizeof(tmpcfg), 1, f) == 1) {
        cfg->zoom = tmpcfg.zoom <= ZOOM_STEP_MAX ? tmpcfg.zoom : 0;
        cfg->lang = tmpcfg.lang <= LNG_ENGLISH ? tmpcfg.lang : (unsigned char)LNG_FRENCH;
    }
    fclose(f);
    return 0;
}

// The folder of the file at szPath, which the first save under the application data makes.
static int MakeFolderOf(const char* szPath)
{
    char szDir[TANDREL_PATH_MAX];
    lstrcpynA(szDir, szPath, sizeof(szDir));
    return PathRemoveFileSpecA(szDir) && CreateDirectoryA(szDir, nullptr) ? 0 : -1;
}

int cfgWriteSettings(T_INTERFACE* gui, T_CONFIG* cfg)
{
    FILE* f = fopen(gui->szPathCfg, "wb");
    if (!f && MakeFolderOf(gui->szPathCfg) == 0)
        f = fopen(gui->szPathCfg, "wb");
    if (!f)
        return -1;
    size_t nWritten = fwrite(cfg, sizeof(*cfg), 1, f);
    return fclose(f) == 0 && nWritten == 1 ? 0 : -1;
}

int cfgSaveSettings(T_INTERFACE* gui, T_CONFIG* cfg)
{
    if (cfgWriteSettings(gui, cfg) == 0)
        return 0;
    // The file named first, as in the other messages about one file.
    std::string text =
        std::string(gui->szPathCfg) + "\r\n\r\n" + gui->szLang[TXT_MSG_SAVE_SETTINGS];
    uiShowText(gui, text.c_str(), MB_ICONERROR);
    return -1;
}
