// The settings file: the zoom step and the language as two raw bytes.
#include "gui.h"

#include <stdio.h>
#include <string.h>

#include "paths.h"

#define SETTINGS_FILE "tandrel.cfg"
#define SETTINGS_FOLDER "TANDREL" // under the user's application data, once installed
// The installer's uninstaller (installer/tandrel.nsi): beside the program, it is installed.
#define INSTALLER_MARK "uninstall.exe"

// szPath = szDir, a backslash, szName (UTF-8, TANDREL_PATH_BYTES bytes); -1, and empty, when that
// is too deep to name.
static int JoinPath(const char* szDir, const char* szName, char* szPath)
{
    // The separator is added even after a drive root; a doubled one names the same file.
    std::string path = std::string(szDir) + "\\" + szName;
    // Too deep to name: no file, rather than a cut name that could name another one.
    if (!szDir[0] || pathChars(path.c_str()) >= TANDREL_PATH_MAX ||
        path.size() >= TANDREL_PATH_BYTES) {
        szPath[0] = 0;
        return -1;
    }
    memcpy(szPath, path.c_str(), path.size() + 1);
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
    char szMark[TANDREL_PATH_BYTES];
    DWORD nAttr = INVALID_FILE_ATTRIBUTES;
    if (JoinPath(gui->szPathDir, INSTALLER_MARK, szMark) == 0)
        nAttr = pathAttributes(szMark);
    int bInstalled = nAttr != INVALID_FILE_ATTRIBUTES && !(nAttr & FILE_ATTRIBUTE_DIRECTORY);
    std::string appData = bInstalled ? pathShellFolder(CSIDL_APPDATA) : std::string();
    return cfgSettingsPath(gui->szPathDir, bInstalled, appData.c_str(), gui->szPathCfg);
}

int cfgLoadSettings(T_INTERFACE* gui, T_CONFIG* cfg)
{
    FILE* f = pathOpen(gui->szPathCfg, L"rb");
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
    return pathMakeFolder(pathFolder(szPath).c_str()) ? 0 : -1;
}

int cfgWriteSettings(T_INTERFACE* gui, T_CONFIG* cfg)
{
    FILE* f = pathOpen(gui->szPathCfg, L"wb");
    if (!f && MakeFolderOf(gui->szPathCfg) == 0)
        f = pathOpen(gui->szPathCfg, L"wb");
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
        std::string(gui->szPathCfg) + "\r\n\r\n" + uiText(gui, TXT_MSG_SAVE_SETTINGS);
    uiShowText(gui, text.c_str(), MB_ICONERROR);
    return -1;
}
