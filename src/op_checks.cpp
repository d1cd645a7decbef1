// What every operation checks and reads before it runs: the chosen source, the
// passwords and permissions of the left-hand panel, the name of a result the user chooses.
#include "op.h"

#include <string.h>

#include "paths.h"
#include "pdf_identity.h"

int opChosenPath(T_INTERFACE* gui, int nSource, int nMissing, char* szFile)
{
    if (uiSourceFile(gui, nSource, szFile) && pathExists(szFile))
        return 1;
    uiMessage(gui, nMissing, MB_ICONERROR);
    return 0;
}

T_TOOL_INPUT opChosenInput(T_INTERFACE* gui, int nSource, const char* szFile)
{
    return {szFile, gui->chosen[nSource].szPasswd, nullptr};
}

std::optional<T_DOC_DATA> opChosenData(T_INTERFACE* gui, int nSource, const char* szFile)
{
    T_FILE_STAMP now;
    pdfFileStamp(szFile, &now);
    const T_CHOSEN& chosen = gui->chosen[nSource];
    if (chosen.bRead && pdfSameStamp(&chosen.stamp, &now))
        return gui->sourceData[nSource];
    return std::nullopt;
}

int opReadSecurity(T_INTERFACE* gui, int nRule, T_PROTECTION* protection)
{
    *protection = T_PROTECTION();
    if (nRule == SEC_NONE) // the passwords are not looked at
        return 1;
    T_PASSWORDS pw;
    uiReadPasswords(gui, &pw);
    T_SECURITY sec = {};
    uiReadSecurity(gui, &pw, &sec);
    int nResult = pdfSecurityOptions(&sec, protection->options);
    // The result opens with the owner's password, else the user's.
    if (nResult > 0)
        protection->passwd = pw.szOwner[0] ? pw.szOwner : pw.szUser;
    SecureZeroMemory(&pw, sizeof(pw));
    if (nResult == 0 && nRule == SEC_REQUIRED) {
        uiMessage(gui, TXT_MSG_NO_PASSWORD, MB_ICONERROR);
        return 0;
    }
    if (nResult == -1) {
        uiMessage(gui, TXT_MSG_SAME_PASSWORDS, MB_ICONERROR);
        return 0;
    }
    return 1;
}

int opWipeProtection(T_PROTECTION* protection)
{
    pdfWipe(protection->options);
    pdfWipe(protection->passwd);
    return 0;
}

int opChooseOutputPdf(T_INTERFACE* gui, const std::vector<std::string>& inputs, int nRefusal,
                      char* szNewPdf)
{
    if (!uiSavePdfDialog(gui, szNewPdf))
        return 0;
    std::string chosen = szNewPdf, named = pathWithExtension(chosen, ".pdf");
    if (pathChars(named.c_str()) < TANDREL_PATH_MAX) // else the name stays as typed
        memcpy(szNewPdf, named.c_str(), named.size() + 1);
    // The tool would read a file while writing it over, whatever name it goes by.
    T_SAME_FILES listed;
    pdfSameFilesOf(inputs, &listed);
    if (pdfFindSameFile(&listed, szNewPdf) >= 0) {
        uiMessage(gui, nRefusal, MB_ICONERROR);
        return 0;
    }
    // The dialog asked about the name typed, which the extension may have changed.
    if (pathExists(szNewPdf) && !pdfSameFile(szNewPdf, chosen.c_str()) &&
        !uiAskReplace(gui, szNewPdf))
        return 0;
    return 1;
}
