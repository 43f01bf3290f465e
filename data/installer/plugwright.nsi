; The Windows installer: a per-user install that needs no administrator. Everything it writes
; goes under the user's own profile and registry hive, and the uninstaller removes exactly that.
; scripts/windows-installer.sh runs makensis with VERSION, FILES and UNFILES (the File and
; Delete lines of the files to install), ICON and OUTFILE defined.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

!define PRODUCT "Qorvix Plugwright"
!define PUBLISHER "The Qorvix Plugwright authors"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\QorvixPlugwright"
!define CLASSES "Software\Classes"
!define COMMAND_KEY "${CLASSES}\.qvx\shell\open\command"
!define PROGID "QorvixPlugwright.Plugin"
!define SHCNE_ASSOCCHANGED 0x08000000
!define SHCNF_IDLIST 0

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "Copyright (c) ${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\plugwright.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Explorer caches what opens a file type; without this it would keep showing the old choice.
!macro NotifyAssociationChanged
  System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i ${SHCNF_IDLIST}, p 0, p 0)'
!macroend

; A key the user or another program still uses (a subkey or a value of its own) stays.
!macro DeleteKeyIfUnused KEY
  EnumRegKey $R1 HKCU "${KEY}" 0
  EnumRegValue $R2 HKCU "${KEY}" 0
  ${If} $R1 == ""
  ${AndIf} $R2 == ""
    DeleteRegKey HKCU "${KEY}"
  ${EndIf}
!macroend

Section "Install"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  !include "${FILES}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\plugwright.exe" "" "$INSTDIR\plugwright.exe" 0

  ; The same key layout as the editor's "Associate *.qvx" button, in the user's own classes, and
  ; a file type of the program's own that the extension names: Explorer's way to the icon and
  ; the type's name, and the only way some shells (Wine's among them) find the command.
  WriteRegStr HKCU "${COMMAND_KEY}" "" '"$INSTDIR\plugwright.exe" "%1"'
  WriteRegStr HKCU "${CLASSES}\.qvx" "" "${PROGID}"
  WriteRegStr HKCU "${CLASSES}\${PROGID}" "" "Qorvix plugin"
  WriteRegStr HKCU "${CLASSES}\${PROGID}\DefaultIcon" "" "$INSTDIR\plugwright.exe,0"
  WriteRegStr HKCU "${CLASSES}\${PROGID}\shell\open\command" "" '"$INSTDIR\plugwright.exe" "%1"'
  !insertmacro NotifyAssociationChanged

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\plugwright.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  !include "${UNFILES}"
  Delete "$INSTDIR\uninstall.exe"
  ; Only when empty: the folder may hold files the user put there.
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\${PRODUCT}.lnk"

  ; The association goes only while it still names this program: the user may have given
  ; ".qvx" to another one since.
  DeleteRegKey HKCU "${CLASSES}\${PROGID}"
  ReadRegStr $R0 HKCU "${CLASSES}\.qvx" ""
  ${If} $R0 == "${PROGID}"
    DeleteRegValue HKCU "${CLASSES}\.qvx" ""
  ${EndIf}
  ReadRegStr $R0 HKCU "${COMMAND_KEY}" ""
  ${If} $R0 == '"$INSTDIR\plugwright.exe" "%1"'
    DeleteRegKey HKCU "${COMMAND_KEY}"
    !insertmacro DeleteKeyIfUnused "${CLASSES}\.qvx\shell\open"
    !insertmacro DeleteKeyIfUnused "${CLASSES}\.qvx\shell"
    !insertmacro DeleteKeyIfUnused "${CLASSES}\.qvx"
    !insertmacro NotifyAssociationChanged
  ${EndIf}

  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
