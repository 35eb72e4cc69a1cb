; Setup program of Kinea for Windows, in French. Built by
;   makensis -DVERSION=1.0.0 -DSTAGE=<folder of the program> -DOUTFILE=<setup.exe> -DICON=<kinea.ico>
; Installs for all users into Program Files, with a Start-menu entry and an
; entry in the list of installed programs; "/S" installs without a
; question (school deployment). The Kinea.installed marker it writes beside
; the program sends each user's settings to %APPDATA%\Kinea\Kinea.ini.

Unicode true
; The 64-bit stub: a 64-bit-only system (and Wine's 64-bit prefix) cannot
; run the default 32-bit one.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"
!include "x64.nsh"

!define NAME "Kinea"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kinea"

Name "${NAME} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${NAME}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${NAME} ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\Kinea.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Lancer Kinea"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\lisezmoi.txt"
!define MUI_FINISHPAGE_SHOWREADME_TEXT "Afficher le fichier lisez-moi"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "French"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_FRENCH} "ProductName" "${NAME}"
VIAddVersionKey /LANG=${LANG_FRENCH} "FileDescription" "Installation de Kinea"
VIAddVersionKey /LANG=${LANG_FRENCH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_FRENCH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_FRENCH} "LegalCopyright" "L'équipe de Kinea, GPL-3.0-or-later"

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "Kinea demande une version 64 bits de Windows." /SD IDOK
    Abort
  ${EndIf}
  SetRegView 64
FunctionEnd

Function un.onInit
  SetRegView 64
FunctionEnd

Section "Kinea" SecMain
  SectionIn RO
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*.*"
  ; An installed copy: settings in each user's application-data folder.
  FileOpen $0 "$INSTDIR\Kinea.installed" w
  FileWrite $0 "Kinea ${VERSION}$\r$\n"
  FileClose $0
  WriteUninstaller "$INSTDIR\desinstaller.exe"

  CreateShortCut "$SMPROGRAMS\Kinea.lnk" "$INSTDIR\Kinea.exe" "" "$INSTDIR\Kinea.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Kinea"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "L'équipe de Kinea"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Kinea.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\desinstaller.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\desinstaller.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Kinea.lnk"
  ; What the setup program put there, and nothing else: an administrator's
  ; Kinea.ini beside the program stays, as the readme says.
  RMDir /r "$INSTDIR\platforms"
  RMDir /r "$INSTDIR\styles"
  RMDir /r "$INSTDIR\fonts"
  RMDir /r "$INSTDIR\html"
  RMDir /r "$INSTDIR\licences"
  Delete "$INSTDIR\*.dll"
  Delete "$INSTDIR\Kinea.exe"
  Delete "$INSTDIR\Kinea.html"
  Delete "$INSTDIR\lisezmoi.txt"
  Delete "$INSTDIR\Kinea.installed"
  Delete "$INSTDIR\desinstaller.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
