; TANDREL's installer, made by makensis in the 32-bit build (installer/CMakeLists.txt), which
; defines VERSION (x.y.z, from project() in CMakeLists.txt), EXE (the program), LICENSE, ICON and
; OUTFILE.
;
; Per user by default, without an administrator: %LOCALAPPDATA%\Programs\TANDREL and the user's
; registry. For all users (Program Files and the machine's registry) when started elevated or
; with /ALLUSERS (then it asks Windows for the rights). /S installs silently, /D=folder (last on
; the command line) chooses the folder. Its uninstaller removes what it made; the user's settings
; too when asked (a box, off by default; never in silent mode).
Unicode true
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh

!define APP "TANDREL"
!define PUBLISHER "the TANDREL authors"
; Beside the program, the uninstaller is the sign that it is installed: the program then keeps
; its settings under the user's application data (src/gui_settings.cpp).
!define UNINSTALLER "uninstall.exe"
!define SETTINGS "$APPDATA\${APP}\tandrel.cfg"
!define LINK "${APP}.lnk"
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP}"
!define APP_KEY "Software\Classes\Applications\tandrel.exe"
!define PDF_KEY "Software\Classes\.pdf"
; Where the PDFtk Server installer records its folder; TANDREL looks there too (src/pdf_run.cpp).
!define PDFTK_KEY "SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\{E3617D29-6D71-4B5C-B9E2-C927C705E317}_is1"
!define TOKEN_QUERY 8
; The mark of the copy started to ask Windows for the rights to install for all users.
!define ELEVATED_MARK "/ELEVATED"
!define TOKEN_ELEVATION 20

Name "${APP}"
OutFile "${OUTFILE}"
BrandingText "${APP} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"

; The folder for the user; InstallDir also names the folder a folder chosen with "Browse..." gets
; added ("D:\Apps" gives "D:\Apps\TANDREL"), as a user choosing where to install expects.
InstallDir "$LOCALAPPDATA\Programs\${APP}"

Var AllUsers ; 1 when installing for all users
Var FinishText ; the last page's text: whether pdftk.exe was found

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "$FinishText"
!define MUI_FINISHPAGE_TEXT_LARGE
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
; English first: the language of a system in neither language.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "French"

VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${APP}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${APP} setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "(c) 2026 ${PUBLISHER}"

LangString SEC_SENDTO ${LANG_ENGLISH} "Shortcut in $\"Send to$\""
LangString SEC_SENDTO ${LANG_FRENCH} "Raccourci dans « Envoyer vers »"
LangString SEC_SETTINGS ${LANG_ENGLISH} "Remove my settings (tandrel.cfg)"
LangString SEC_SETTINGS ${LANG_FRENCH} "Supprimer mes réglages (tandrel.cfg)"
LangString MSG_ELEVATE ${LANG_ENGLISH} "Installing TANDREL for all users needs an administrator."
LangString MSG_ELEVATE ${LANG_FRENCH} "Installer TANDREL pour tous les utilisateurs demande un administrateur."
LangString MSG_RUNNING ${LANG_ENGLISH} "TANDREL is open ($INSTDIR\tandrel.exe).$\r$\n$\r$\nClose it, then choose Retry."
LangString MSG_RUNNING ${LANG_FRENCH} "TANDREL est ouvert ($INSTDIR\tandrel.exe).$\r$\n$\r$\nFermez-le, puis choisissez Réessayer."
LangString MSG_ADMIN ${LANG_ENGLISH} "TANDREL is installed for all users: only an administrator can change it."
LangString MSG_ADMIN ${LANG_FRENCH} "TANDREL est installé pour tous les utilisateurs : seul un administrateur peut le modifier."
LangString FINISH_TOOL ${LANG_ENGLISH} "TANDREL is installed in $INSTDIR.$\r$\n$\r$\nStart it from the Start menu, or give it PDF files from Explorer with $\"Open with$\" or $\"Send to$\"."
LangString FINISH_TOOL ${LANG_FRENCH} "TANDREL est installé dans $INSTDIR.$\r$\n$\r$\nLancez-le depuis le menu Démarrer, ou donnez-lui des fichiers PDF depuis l'Explorateur avec « Ouvrir avec » ou « Envoyer vers »."
LangString FINISH_NO_TOOL ${LANG_ENGLISH} "TANDREL is installed in $INSTDIR, but pdftk.exe, which does its work, was not found.$\r$\n$\r$\nInstall PDFtk Server for Windows (www.pdflabs.com), which TANDREL finds by itself, or copy the whole bin folder of an installed PDFtk Server into $INSTDIR."
LangString FINISH_NO_TOOL ${LANG_FRENCH} "TANDREL est installé dans $INSTDIR, mais pdftk.exe, qui fait son travail, est introuvable.$\r$\n$\r$\nInstallez PDFtk Server pour Windows (www.pdflabs.com), que TANDREL trouve de lui-même, ou copiez tout le dossier bin d'un PDFtk Server installé dans $INSTDIR."

; $R0 = 1 when this process runs elevated (an administrator's full rights), else 0.
!macro ELEVATED un
Function ${un}IsElevated
    StrCpy $R0 0
    System::Call "advapi32::OpenProcessToken(p -1, i ${TOKEN_QUERY}, *p .R1) i .R2"
    ${If} $R2 != 0
        System::Call "advapi32::GetTokenInformation(p R1, i ${TOKEN_ELEVATION}, *i .R0, i 4, *i .R2)"
        System::Call "kernel32::CloseHandle(p R1)"
    ${EndIf}
FunctionEnd
!macroend
!insertmacro ELEVATED ""
!insertmacro ELEVATED "un."

; A running TANDREL keeps its file: its user is told to close it, it is never ended. Cancel, and
; silent mode, stop here (exit code 2).
!macro CLOSED un
Function ${un}WaitClosed
    ${DoWhile} ${FileExists} "$INSTDIR\tandrel.exe"
        ClearErrors
        FileOpen $0 "$INSTDIR\tandrel.exe" a
        ${IfNot} ${Errors}
            FileClose $0
            ${Break}
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(MSG_RUNNING)" /SD IDCANCEL IDRETRY retry
        Abort
        retry:
    ${Loop}
FunctionEnd
!macroend
!insertmacro CLOSED ""
!insertmacro CLOSED "un."

Function .onInit
    ${GetParameters} $R9
    ClearErrors
    ${GetOptions} $R9 "/ALLUSERS" $R8
    ${IfNot} ${Errors}
        StrCpy $AllUsers 1
    ${EndIf}
    ; /D= names the folder exactly; else $INSTDIR holds InstallDir, for the user.
    ${If} $INSTDIR == "$LOCALAPPDATA\Programs\${APP}"
        StrCpy $INSTDIR ""
    ${EndIf}
    Call IsElevated
    ${If} $R0 == 1
        StrCpy $AllUsers 1
    ${ElseIf} $AllUsers == 1
        Call Elevate
    ${EndIf}
    ${If} $AllUsers == 1
        SetShellVarContext all
        StrCpy $R7 "$PROGRAMFILES\${APP}"
    ${Else}
        SetShellVarContext current
        StrCpy $R7 "$LOCALAPPDATA\Programs\${APP}"
    ${EndIf}
    ; Installed again where it is, unless /D= names a folder.
    ${If} $INSTDIR == ""
        ReadRegStr $INSTDIR SHCTX "${UNINST_KEY}" "InstallLocation"
    ${EndIf}
    ${If} $INSTDIR == ""
        StrCpy $INSTDIR $R7
    ${EndIf}
FunctionEnd

; For all users without the rights: this installer once again, asking Windows for them, marked
; as that copy; its exit code is this one's (1 when the user refuses). A copy so marked that has
; not got them either says so (silently: exit code 1) and starts no other.
Function Elevate
    ClearErrors
    ${GetOptions} $R9 "${ELEVATED_MARK}" $R8
    ${IfNot} ${Errors}
        MessageBox MB_OK|MB_ICONSTOP "$(MSG_ELEVATE)" /SD IDOK
        SetErrorLevel 1
        Quit
    ${EndIf}
    ; SHELLEXECUTEINFOW, with SEE_MASK_NOCLOSEPROCESS: its process handle comes back at its end.
    System::Call "*(i 60, i 0x40, p $HWNDPARENT, w 'runas', w '$EXEPATH', w '$R9 ${ELEVATED_MARK}', p 0, i 1, p 0, p 0, p 0, p 0, i 0, p 0, p 0) p .R1"
    System::Call "shell32::ShellExecuteExW(p R1) i .R2"
    StrCpy $R3 1 ; refused, or not started
    ${If} $R2 != 0
        System::Call "*$R1(i, i, p, p, p, p, p, i, p, p, p, p, i, p, p .R4)"
        System::Call "kernel32::WaitForSingleObject(p R4, i -1)"
        System::Call "kernel32::GetExitCodeProcess(p R4, *i .R3)"
        System::Call "kernel32::CloseHandle(p R4)"
    ${EndIf}
    System::Free $R1
    SetErrorLevel $R3
    Quit
FunctionEnd

Section "${APP}" SecProgram
    SectionIn RO
    SetOutPath "$INSTDIR"
    Call WaitClosed
    File "/oname=tandrel.exe" "${EXE}"
    WriteUninstaller "$INSTDIR\${UNINSTALLER}"
    CreateShortCut "$SMPROGRAMS\${LINK}" "$INSTDIR\tandrel.exe"
    ; Offered in "Open with" for PDF files, and for nothing else; never their default program.
    WriteRegStr SHCTX "${APP_KEY}" "FriendlyAppName" "${APP}"
    WriteRegStr SHCTX "${APP_KEY}\SupportedTypes" ".pdf" ""
    WriteRegStr SHCTX "${APP_KEY}\shell\open\command" "" '"$INSTDIR\tandrel.exe" "%1"'
    WriteRegStr SHCTX "${PDF_KEY}\OpenWithList\tandrel.exe" "" ""
    WriteRegStr SHCTX "${UNINST_KEY}" "DisplayName" "${APP}"
    WriteRegStr SHCTX "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINST_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\tandrel.exe"
    WriteRegStr SHCTX "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINST_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
    WriteRegStr SHCTX "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
    WriteRegDWORD SHCTX "${UNINST_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINST_KEY}" "NoRepair" 1
    ; The size of what it installed, not of whatever else the folder holds.
    ${GetSize} "$INSTDIR" "/M=tandrel.exe /S=0B /G=0" $0 $1 $2
    ${GetSize} "$INSTDIR" "/M=${UNINSTALLER} /S=0B /G=0" $3 $1 $2
    IntOp $0 $0 + $3
    IntOp $0 $0 / 1024
    WriteRegDWORD SHCTX "${UNINST_KEY}" "EstimatedSize" $0
SectionEnd

; The user's own "Send to" menu: Windows has none for all users.
Section "$(SEC_SENDTO)" SecSendTo
    CreateShortCut "$SENDTO\${LINK}" "$INSTDIR\tandrel.exe"
SectionEnd

Section "-Finish"
    ; Installed again without the box: the shortcut of the first install goes.
    ${IfNot} ${SectionIsSelected} ${SecSendTo}
        Delete "$SENDTO\${LINK}"
    ${EndIf}
    Call FindTool
SectionEnd

; $R1 = path, when pdftk.exe is there and was not found before.
!macro TOOL_AT path
    ${If} $R1 == ""
    ${AndIf} ${FileExists} "${path}"
        StrCpy $R1 "${path}"
    ${EndIf}
!macroend

; In bin under the folder the PDFtk Server installer recorded in that view of that registry.
!macro TOOL_KEY view root
    SetRegView ${view}
    ReadRegStr $R2 ${root} "${PDFTK_KEY}" "InstallLocation"
    ${If} $R2 != ""
        !insertmacro TOOL_AT "$R2\bin\pdftk.exe"
    ${EndIf}
!macroend

; Where TANDREL looks for pdftk.exe, in part: beside it, the folders PDFtk Server's installer
; records and its default folders, then the folders Windows searches (PATH).
Function FindTool
    StrCpy $R1 ""
    !insertmacro TOOL_AT "$INSTDIR\pdftk.exe"
    !insertmacro TOOL_KEY 32 HKLM
    !insertmacro TOOL_KEY 64 HKLM
    !insertmacro TOOL_KEY default HKCU
    !insertmacro TOOL_AT "$PROGRAMFILES32\PDFtk Server\bin\pdftk.exe"
    !insertmacro TOOL_AT "$PROGRAMFILES32\PDFtk\bin\pdftk.exe"
    !insertmacro TOOL_AT "$PROGRAMFILES64\PDFtk Server\bin\pdftk.exe"
    !insertmacro TOOL_AT "$PROGRAMFILES64\PDFtk\bin\pdftk.exe"
    ${If} $R1 == ""
        SearchPath $R1 "pdftk.exe"
    ${EndIf}
    ${If} $R1 == ""
        StrCpy $FinishText "$(FINISH_NO_TOOL)"
    ${Else}
        StrCpy $FinishText "$(FINISH_TOOL)"
    ${EndIf}
FunctionEnd

Function un.onInit
    ; For all users when the machine's entry names this folder; then only with the rights.
    SetShellVarContext all
    ReadRegStr $R9 SHCTX "${UNINST_KEY}" "InstallLocation"
    ${If} $R9 != $INSTDIR
        SetShellVarContext current
        Return
    ${EndIf}
    Call un.IsElevated
    ${If} $R0 != 1
        MessageBox MB_OK|MB_ICONSTOP "$(MSG_ADMIN)" /SD IDOK
        Abort
    ${EndIf}
FunctionEnd

Section "un.${APP}" UnSecProgram
    SectionIn RO
    Call un.WaitClosed
    Delete "$INSTDIR\tandrel.exe"
    Delete "$INSTDIR\${UNINSTALLER}"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${LINK}"
    Delete "$SENDTO\${LINK}"
    DeleteRegKey SHCTX "${APP_KEY}"
    DeleteRegKey SHCTX "${PDF_KEY}\OpenWithList\tandrel.exe"
    ; The keys above it only when nothing else is in them.
    DeleteRegKey /ifempty SHCTX "${PDF_KEY}\OpenWithList"
    DeleteRegKey /ifempty SHCTX "${PDF_KEY}"
    DeleteRegKey SHCTX "${UNINST_KEY}"
SectionEnd

; The settings of the user who removes it, whoever installed it.
Section /o "un.$(SEC_SETTINGS)" UnSecSettings
    SetShellVarContext current
    Delete "${SETTINGS}"
    RMDir "$APPDATA\${APP}"
SectionEnd
