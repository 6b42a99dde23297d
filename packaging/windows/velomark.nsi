; Velomark's installer for Windows, made by scripts/package-windows with
; makensis. It installs for the current user, without administrator rights,
; into the user's own programs folder; the Start-menu entry "Velomark" starts
; the program in the player's data folder (Documents\Velomark by default),
; which the installer makes and the uninstaller never touches. "/S" installs
; and uninstalls silently.
;
; Given on makensis's command line: VERSION, FILES and UNFILES (the lists of
; the files put in and taken away again), ICON, OUTFILE.

; 64-bit, as the program is (and as Wine without its 32-bit part runs).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Velomark"

Name "Velomark ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Velomark"
InstallDirRegKey HKCU "Software\Velomark" "InstallDir"
ManifestDPIAware true

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "Velomark"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "Velomark ${VERSION} setup"
VIAddVersionKey /LANG=1033 "CompanyName" "Velomark Developers"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Velomark Developers"

Var DataFolder

!include "MUI2.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartVelomark
!define MUI_FINISHPAGE_RUN_TEXT "Start Velomark"
!insertmacro MUI_PAGE_DIRECTORY
; The second folder: where the lap times are kept.
!define MUI_PAGE_HEADER_TEXT "Your lap times"
!define MUI_PAGE_HEADER_SUBTEXT "Choose the folder in which Velomark keeps your lap times."
!define MUI_DIRECTORYPAGE_TEXT_TOP "Velomark keeps your lap times in this folder and starts in it. \
    To go on with the lap times of an older installation, choose its folder. \
    The folder is made if it is missing and never removed."
!define MUI_DIRECTORYPAGE_TEXT_DESTINATION "Data folder"
!define MUI_DIRECTORYPAGE_VARIABLE $DataFolder
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The data folder of an earlier installation, or Documents\Velomark.
Function .onInit
    ReadRegStr $DataFolder HKCU "Software\Velomark" "DataFolder"
    StrCmp $DataFolder "" 0 +2
    StrCpy $DataFolder "$DOCUMENTS\Velomark"
FunctionEnd

; As the Start-menu entry starts it: in the data folder.
Function StartVelomark
    SetOutPath "$DataFolder"
    Exec '"$INSTDIR\bin\velomark.exe"'
FunctionEnd

Section "Velomark"
    !include "${FILES}"
    WriteUninstaller "$INSTDIR\Uninstall Velomark.exe"

    ; The data folder is the player's: made when missing, never emptied.
    CreateDirectory "$DataFolder"
    ; The shortcut's "Start in" is the folder SetOutPath names last.
    SetOutPath "$DataFolder"
    CreateShortcut "$SMPROGRAMS\Velomark.lnk" "$INSTDIR\bin\velomark.exe" "" \
        "$INSTDIR\bin\velomark.exe" 0 SW_SHOWNORMAL "" "Your GP2 personal-best lap times"

    WriteRegStr HKCU "Software\Velomark" "InstallDir" "$INSTDIR"
    WriteRegStr HKCU "Software\Velomark" "DataFolder" "$DataFolder"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Velomark"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Velomark Developers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\bin\velomark.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall Velomark.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall Velomark.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Exactly what the installer put there goes; the data folder and its lap
; times stay, and so does anything else the player put in the install folder.
Section "Uninstall"
    Delete "$SMPROGRAMS\Velomark.lnk"
    !include "${UNFILES}"
    Delete "$INSTDIR\Uninstall Velomark.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    DeleteRegKey HKCU "Software\Velomark"
SectionEnd
