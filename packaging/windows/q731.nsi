; The installer of the Windows programs, made by scripts/windows-package from
; the portable folder. It installs into Program Files\Q-731 for every user of
; the machine, with Start-menu entries in Chinese and English and an entry in
; Add/Remove Programs, and .dat files opening in the program. The uninstaller removes what was installed and nothing
; else: files a user saved in the folder, and the language the program keeps
; in HKCU\QV-44T, stay.
; Defines from the caller: VERSION, OUTFILE, ICON, INSTALL_LIST and
; UNINSTALL_LIST (the folder's files, as File and Delete lines).

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Q-731"
!define MENU_FOLDER "$SMPROGRAMS\Q-731"
!define NAME_ZH "Q-731 对讲机编程软件"
!define NAME_EN "Q-731 Radio Programming Software"
!define CLASSES "Software\Classes"
!define PROGID "Q731.DataFile"

Name "$(ProductName)"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Q-731"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=0 "ProductName" "${NAME_EN}"
VIAddVersionKey /LANG=0 "CompanyName" "Q-731 Software Team"
VIAddVersionKey /LANG=0 "FileDescription" "${NAME_EN} ${VERSION} Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "Q-731 Software Team"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
; The uninstaller speaks the language the installation was made in.
!define MUI_LANGDLL_REGISTRY_ROOT HKLM
!define MUI_LANGDLL_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MUI_LANGDLL_REGISTRY_VALUENAME "Installer Language"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\q731.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first is the choice when the system's language is neither.
!insertmacro MUI_LANGUAGE "SimpChinese"
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_RESERVEFILE_LANGDLL

LangString ProductName ${LANG_SIMPCHINESE} "${NAME_ZH}"
LangString ProductName ${LANG_ENGLISH} "${NAME_EN}"
LangString DataFileName ${LANG_SIMPCHINESE} "Q-731 数据文件"
LangString DataFileName ${LANG_ENGLISH} "Q-731 data file"

Function .onInit
    SetRegView 64
    !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Function un.onInit
    SetRegView 64
    !insertmacro MUI_UNGETLANGUAGE
FunctionEnd

Section
    SetShellVarContext all
    !include "${INSTALL_LIST}"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    ; Both names, whatever the installer's language: the program itself
    ; speaks the language chosen in it.
    CreateDirectory "${MENU_FOLDER}"
    CreateShortcut "${MENU_FOLDER}\${NAME_ZH}.lnk" "$INSTDIR\q731.exe"
    CreateShortcut "${MENU_FOLDER}\${NAME_EN}.lnk" "$INSTDIR\q731.exe"

    ; .dat files open in the program. The extension is a common one: it is
    ; taken only when no other program has it, and the program is offered
    ; under "Open with" in any case.
    WriteRegStr HKLM "${CLASSES}\${PROGID}" "" "$(DataFileName)"
    WriteRegStr HKLM "${CLASSES}\${PROGID}\DefaultIcon" "" "$INSTDIR\q731.exe,0"
    WriteRegStr HKLM "${CLASSES}\${PROGID}\shell\open\command" "" '"$INSTDIR\q731.exe" "%1"'
    WriteRegStr HKLM "${CLASSES}\.dat\OpenWithProgids" "${PROGID}" ""
    ReadRegStr $0 HKLM "${CLASSES}\.dat" ""
    StrCmp $0 "" 0 +2
    WriteRegStr HKLM "${CLASSES}\.dat" "" "${PROGID}"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "$(ProductName)"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Q-731 Software Team"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\q731.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    Delete "${MENU_FOLDER}\${NAME_ZH}.lnk"
    Delete "${MENU_FOLDER}\${NAME_EN}.lnk"
    RMDir "${MENU_FOLDER}"

    !include "${UNINSTALL_LIST}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"

    ; The association, as far as it is still the program's.
    DeleteRegKey HKLM "${CLASSES}\${PROGID}"
    DeleteRegValue HKLM "${CLASSES}\.dat\OpenWithProgids" "${PROGID}"
    DeleteRegKey /ifempty HKLM "${CLASSES}\.dat\OpenWithProgids"
    ReadRegStr $0 HKLM "${CLASSES}\.dat" ""
    StrCmp $0 "${PROGID}" 0 +2
    DeleteRegValue HKLM "${CLASSES}\.dat" ""
    DeleteRegKey /ifempty HKLM "${CLASSES}\.dat"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
