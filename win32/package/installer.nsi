; The Windows setup program: a 64-bit, per-machine install into Program Files
; (or into the folder of an earlier install), a Start-menu shortcut, a desktop
; shortcut where the user asks for one, and an entry in Apps & features whose
; uninstaller removes what was put down and never the user's exports. Its
; pages are in Simplified Chinese on a Chinese Windows and in English
; elsewhere; /S installs and uninstalls silently. It refuses Windows older
; than 7 SP1, and waits while Quillmark runs: the user closes it and retries,
; or cancels, and a silent run fails with exit code 2, changing nothing.
;
; makensis -DVERSION=4.0.1 -DFILES=<folder of quillmark.exe and the notices>
;          -DICON=<quillmark.ico> -DOUTFILE=<setup.exe> [-DSIGN=<command>]
; Nothing in the output depends on when or where it is built: files keep no
; dates, and the paths given here are not stored.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
SetDateSave off
RequestExecutionLevel admin
ManifestDPIAware true

!include MUI2.nsh
!include FileFunc.nsh
!include x64.nsh
!include WinVer.nsh

!define PRODUCT "Quillmark"
!define PUBLISHER "Velmora"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillmark"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
; An upgrade goes where the earlier version is, wherever the user put it.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
; A file that cannot be replaced is retried or the install given up, never
; skipped: a skipped program would be older than Apps & features says.
AllowSkipFiles off
BrandingText "${PUBLISHER} ${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${PUBLISHER}"

; The uninstaller is written by makensis and signed before it is packed, then
; the installer itself once it is whole.
!ifdef SIGN
  !uninstfinalize '${SIGN} "%1"' = 0
  !finalize '${SIGN} "%1"' = 0
!endif

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION RunAsTheUser

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one shown where the user's is neither.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "SimpChinese"

LangString ProgramSection ${LANG_ENGLISH} "Quillmark"
LangString ProgramSection ${LANG_SIMPCHINESE} "Quillmark 程序"
LangString DesktopSection ${LANG_ENGLISH} "Desktop shortcut"
LangString DesktopSection ${LANG_SIMPCHINESE} "桌面快捷方式"
LangString NeedsWindows ${LANG_ENGLISH} "Quillmark needs 64-bit Windows 7 SP1 or later."
LangString NeedsWindows ${LANG_SIMPCHINESE} "Quillmark 需要 64 位的 Windows 7 SP1 或更新的版本。"
LangString CloseQuillmark ${LANG_ENGLISH} "Quillmark is running. Close it, then choose Retry."
LangString CloseQuillmark ${LANG_SIMPCHINESE} "Quillmark 正在运行。请先关闭它，然后点击“重试”。"

; Where Windows is too old, or Quillmark still runs, nothing is changed.
!macro RefuseWhileRunning
  retry:
    FindWindow $0 "QuillmarkMainWindow"
    ${If} $0 <> 0
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(CloseQuillmark)" /SD IDCANCEL IDRETRY retry
      SetErrorLevel 2
      Quit
    ${EndIf}
!macroend

Function .onInit
  StrCpy $0 supported
  ${IfNot} ${RunningX64}
    StrCpy $0 older
  ${ElseIfNot} ${AtLeastWin7}
    StrCpy $0 older
  ${ElseIf} ${IsWin7}
  ${AndIfNot} ${AtLeastServicePack} 1
    StrCpy $0 older
  ${EndIf}
  ${If} $0 == older
    MessageBox MB_OK|MB_ICONSTOP "$(NeedsWindows)" /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
  SetRegView 64
  SetShellVarContext all
  !insertmacro RefuseWhileRunning
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
  !insertmacro RefuseWhileRunning
FunctionEnd

; Started by Explorer, the program runs as the signed-in user, not with the
; setup program's administrator rights, under which Program Files would be
; writable to it.
Function RunAsTheUser
  Exec '"$WINDIR\explorer.exe" "$INSTDIR\quillmark.exe"'
FunctionEnd

Section "$(ProgramSection)" ProgramFiles
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "${FILES}/quillmark.exe"
  File "${FILES}/NOTICE.emoji.txt"
  File "${FILES}/LICENSE.scintilla.txt"
  File "${FILES}/LICENSE.libpng.txt"
  File "${FILES}/LICENSE.zlib.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\quillmark.exe"

  ; One entry whatever version was there before: the same key, rewritten.
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quillmark.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "$(DesktopSection)" DesktopShortcut
  CreateShortcut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\quillmark.exe"
SectionEnd

; Only what the installer put down: exports go to the documents folder, and
; a folder that still holds anything else is left standing. A file still in
; use goes at the next restart.
Section "Uninstall"
  Delete /REBOOTOK "$INSTDIR\quillmark.exe"
  Delete /REBOOTOK "$INSTDIR\NOTICE.emoji.txt"
  Delete /REBOOTOK "$INSTDIR\LICENSE.scintilla.txt"
  Delete /REBOOTOK "$INSTDIR\LICENSE.libpng.txt"
  Delete /REBOOTOK "$INSTDIR\LICENSE.zlib.txt"
  Delete /REBOOTOK "$INSTDIR\uninstall.exe"
  RMDir /REBOOTOK "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$DESKTOP\${PRODUCT}.lnk"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
