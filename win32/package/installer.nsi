; The Windows setup program: a 64-bit, per-machine install into Program Files,
; a Start-menu shortcut, a desktop shortcut where the user asks for one, and an
; entry in Apps & features whose uninstaller removes what was put down and
; never the user's exports. Its pages are in Simplified Chinese on a Chinese
; Windows and in English elsewhere; /S installs and uninstalls silently.
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

!define PRODUCT "Quillmark"
!define PUBLISHER "Velmora"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillmark"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
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
!define MUI_FINISHPAGE_RUN "$INSTDIR\quillmark.exe"

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

Function .onInit
  ${IfNot} ${RunningX64}
    Abort
  ${EndIf}
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
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
; a folder that still holds anything else is left standing.
Section "Uninstall"
  Delete "$INSTDIR\quillmark.exe"
  Delete "$INSTDIR\NOTICE.emoji.txt"
  Delete "$INSTDIR\LICENSE.scintilla.txt"
  Delete "$INSTDIR\LICENSE.libpng.txt"
  Delete "$INSTDIR\LICENSE.zlib.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$DESKTOP\${PRODUCT}.lnk"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
