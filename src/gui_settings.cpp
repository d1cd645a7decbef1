// The settings file: the zoom step and the language as two raw bytes.
#include "gui.h"

#include <stdio.h>
#include <string.h>

#define SETTINGS_FILE "tandrel.cfg"

// szPath = the program's folder, a backslash, szName.
static void PathBesideProgram(T_INTERFACE* gui, char* szPath, const char* szName)
{
    // Too deep to name: no file, rather than a cut name that could name another one.
    if (!gui->szPathDir[0] || strlen(gui->szPathDir) + 1 + strlen(szName) + 1 > TANDREL_PATH_MAX) {
        szPath[0] = 0;
        return;
    }
    // The separator is added even after a drive root; a doubled one names the same file.
    snprintf(szPath, TANDREL_PATH_MAX, "%s\\%s", gui->szPathDir, szName);
}

int cfgInitPath(T_INTERFACE* gui)
{
    PathBesideProgram(gui, gui->szPathCfg, SETTINGS_FILE);
    return 0;
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

int cfgWriteSettings(T_INTERFACE* gui, T_CONFIG* cfg)
{
    FILE* f = fopen(gui->szPathCfg, "wb");
    if (!f)
        return -1;
    size_t nWritten = fwrite(cfg, sizeof(*cfg), 1, f);
    return fclose(f) == 0 && nWritten == 1 ? 0 : -1;
}

int cfgSaveSettings(T_INTERFACE* gui, T_CONFIG* cfg)
{
    if (cfgWriteSettings(gui, cfg) == 0)
        return 0;
    uiMessage(gui, TXT_MSG_SAVE_SETTINGS, MB_ICONERROR);
    return -1;
}
