; The Windows installer (NSIS 3), made by scripts/package-windows.sh:
;   makensis -DVERSION=7.0.0 -DLISTS=<dir> -DICON=<orinprog.ico> -DOUTFILE=<setup.exe> orinprog.nsi
; LISTS holds install.nsh and uninstall.nsh, the program folder's files one by
; one, so that the uninstaller removes exactly what was installed and leaves
; whatever the user made (an orinprog.ini, channel files). "setup.exe /S" installs
; without a question; "/D=C:\path" (last on the line) chooses the folder.
; A 64-bit installer for a 64-bit program (32-bit Windows cannot start it).
Target amd64-unicode
!include MUI2.nsh
!include LogicLib.nsh

!define PRODUCT "Orin Programming Software"
!define PROGID "OrinProg.ChannelFile"
!define REGKEY "Software\Orin\orinprog"
!define UNINSTKEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\orinprog"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Orin Programming Software"
InstallDirRegKey HKLM "${REGKEY}" "InstallDir"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey /LANG=1033 "CompanyName" "Orin programming tool maintainers"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Orin programming tool maintainers"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\orinprog.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The installer speaks the system's language when it is one of these.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "SimpChinese"

LangString ShortcutName ${LANG_ENGLISH} "Orin Programming Software"
LangString ShortcutName ${LANG_SIMPCHINESE} "Orin 写频软件"
LangString FileTypeName ${LANG_ENGLISH} "Orin channel file"
LangString FileTypeName ${LANG_SIMPCHINESE} "Orin 频道文件"

Section "Install"
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    !include "${LISTS}\install.nsh"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    ; The Start menu entry; its name is kept for the uninstaller, which may
    ; run in another language.
    CreateShortCut "$SMPROGRAMS\$(ShortcutName).lnk" "$INSTDIR\orinprog.exe" "" "$INSTDIR\orinprog.exe" 0
    WriteRegStr HKLM "${REGKEY}" "InstallDir" "$INSTDIR"
    WriteRegStr HKLM "${REGKEY}" "StartMenuEntry" "$SMPROGRAMS\$(ShortcutName).lnk"

    ; .sin files open in the program. Another program that already owns the
    ; type keeps it; ours is offered under "Open with" then.
    WriteRegStr HKLM "Software\Classes\${PROGID}" "" "$(FileTypeName)"
    WriteRegStr HKLM "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\orinprog.exe,0"
    WriteRegStr HKLM "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\orinprog.exe" "%1"'
    WriteRegStr HKLM "Software\Classes\.sin\OpenWithProgids" "${PROGID}" ""
    ReadRegStr $0 HKLM "Software\Classes\.sin" ""
    ${If} $0 == ""
        WriteRegStr HKLM "Software\Classes\.sin" "" "${PROGID}"
    ${EndIf}

    ; Apps & features (Add or Remove Programs).
    WriteRegStr HKLM "${UNINSTKEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTKEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTKEY}" "DisplayIcon" "$INSTDIR\orinprog.exe,0"
    WriteRegStr HKLM "${UNINSTKEY}" "Publisher" "Orin programming tool maintainers"
    WriteRegStr HKLM "${UNINSTKEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTKEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTKEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTKEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTKEY}" "NoRepair" 1
    ; SHCNE_ASSOCCHANGED: Explorer shows the new file type's icon.
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
    SetShellVarContext all
    ReadRegStr $0 HKLM "${REGKEY}" "StartMenuEntry"
    ${If} $0 != ""
        Delete "$0"
    ${EndIf}
    !include "${LISTS}\uninstall.nsh"
    Delete "$INSTDIR\uninstall.exe"
    ; Only when empty: files the user keeps here stay, and so does the folder.
    RMDir "$INSTDIR"

    DeleteRegKey HKLM "Software\Classes\${PROGID}"
    DeleteRegValue HKLM "Software\Classes\.sin\OpenWithProgids" "${PROGID}"
    DeleteRegKey /ifempty HKLM "Software\Classes\.sin\OpenWithProgids"
    ReadRegStr $0 HKLM "Software\Classes\.sin" ""
    ${If} $0 == "${PROGID}"
        DeleteRegValue HKLM "Software\Classes\.sin" ""
    ${EndIf}
    DeleteRegKey /ifempty HKLM "Software\Classes\.sin"
    DeleteRegKey HKLM "${UNINSTKEY}"
    DeleteRegKey HKLM "${REGKEY}"
    DeleteRegKey /ifempty HKLM "Software\Orin"
    System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd
