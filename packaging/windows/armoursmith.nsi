; The Windows installer: installs per machine into Program Files, adds a Start menu entry
; and "Open with" for tables (.csv, .tsv), and registers an uninstaller that removes all of
; it again. makensis is given the version, the folder whose files are installed (the
; Windows build's installed tree), the icon and the installer's file:
;   makensis -DVERSION=1.2.3 -DFILES=DIR -DICON=FILE.ico -DOUTFILE=FILE armoursmith.nsi
Unicode true
; 64-bit, as the program: it runs where the program does, and under Wine without its 32-bit part.
Target amd64-unicode
SetCompressor /SOLID lzma
!include "MUI2.nsh"
!include "x64.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Armoursmith"
; Windows lists a program under "Open with" for the types it names here.
!define APPLICATION_KEY "Software\Classes\Applications\armoursmith.exe"
!define START_MENU_ENTRY "$SMPROGRAMS\Armoursmith.lnk"

Name "Armoursmith"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Armoursmith"
RequestExecutionLevel admin
BrandingText "Armoursmith ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Armoursmith"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "Armoursmith ${VERSION} Setup"
VIAddVersionKey "CompanyName" "The Armoursmith developers"
VIAddVersionKey "LegalCopyright" "Copyright (c) 2026 The Armoursmith developers, MIT License"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_LICENSE "${FILES}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Per machine: the Start menu of all users, the 64-bit view of the registry.
Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "Armoursmith needs a 64-bit Windows."
    Abort
  ${EndIf}
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Function un.onInit
  SetShellVarContext all
  SetRegView 64
FunctionEnd

Section
  SetOutPath "$INSTDIR"
  File /r "${FILES}\*"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "${START_MENU_ENTRY}" "$INSTDIR\armoursmith.exe"

  WriteRegStr HKLM "${APPLICATION_KEY}" "FriendlyAppName" "Armoursmith"
  WriteRegStr HKLM "${APPLICATION_KEY}\shell\open\command" "" '"$INSTDIR\armoursmith.exe" "%1"'
  WriteRegStr HKLM "${APPLICATION_KEY}\SupportedTypes" ".csv" ""
  WriteRegStr HKLM "${APPLICATION_KEY}\SupportedTypes" ".tsv" ""

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Armoursmith"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "The Armoursmith developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\armoursmith.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  Delete "${START_MENU_ENTRY}"
  DeleteRegKey HKLM "${APPLICATION_KEY}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; The folder's own files only: anything the user put there stays, and with it the folder.
  Delete "$INSTDIR\armoursmith.exe"
  Delete "$INSTDIR\armoursmith.com"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  RMDir /r "$INSTDIR\licenses"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
