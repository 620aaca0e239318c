; The Windows installer of dvr-config: per user, without administrator rights. Installs into
; %LOCALAPPDATA%\Programs\dvr-config, puts an entry in the user's Start menu, offers the program
; under "Open with" for .DAT files (without taking the type over) and registers an uninstaller
; in the user's "Installed apps". Built by scripts/windows/package.sh:
;   makensis -DVERSION=<version> -DSTAGE=<folder with the files> -DOUTFILE=<installer.exe> installer.nsi
; A 64-bit installer for a 64-bit program (it also runs under a 64-bit-only Wine).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!define NAME "ORVANTIS and SELDORIX Configuration"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\io.github.dvrconfig.dvrconfig"
; "Open with": the program under Applications, with the types it opens, and a ProgID of its own
; listed among .DAT's OpenWithProgids. .DAT's default program is never set or changed.
!define APP_KEY "Software\Classes\Applications\dvr-config.exe"
!define PROGID "DvrConfig.Configuration"
!define PROGID_KEY "Software\Classes\${PROGID}"
!define DAT_KEY "Software\Classes\.DAT"
!define OPEN_COMMAND '"$INSTDIR\dvr-config.exe" "%1"'
!define SHCNE_ASSOCCHANGED 0x08000000

Name "${NAME}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\dvr-config"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "dvr-config"
VIAddVersionKey "FileDescription" "${NAME} installer"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "MIT License, the dvr-config developers"

Page license
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles
LicenseData "${STAGE}\LICENSE.txt"

Section "dvr-config"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File "${STAGE}\dvr-config.exe"
  File "${STAGE}\README.txt"
  File "${STAGE}\LICENSE.txt"
  SetOutPath "$INSTDIR\licenses"
  File "${STAGE}\licenses\*.txt"
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\locale"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\dvr-config.exe" "" "$INSTDIR\dvr-config.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "The dvr-config developers"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\dvr-config.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1

  WriteRegStr HKCU "${APP_KEY}" "FriendlyAppName" "${NAME}"
  WriteRegStr HKCU "${APP_KEY}\SupportedTypes" ".DAT" ""
  WriteRegStr HKCU "${APP_KEY}\DefaultIcon" "" "$INSTDIR\dvr-config.exe,0"
  WriteRegStr HKCU "${APP_KEY}\shell\open\command" "" '${OPEN_COMMAND}'
  WriteRegStr HKCU "${PROGID_KEY}" "" "ORVANTIS and SELDORIX recorder configuration"
  WriteRegStr HKCU "${PROGID_KEY}\DefaultIcon" "" "$INSTDIR\dvr-config.exe,0"
  WriteRegStr HKCU "${PROGID_KEY}\shell\open\command" "" '${OPEN_COMMAND}'
  WriteRegStr HKCU "${DAT_KEY}\OpenWithProgids" "${PROGID}" ""
  System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\${NAME}.lnk"
  Delete "$INSTDIR\dvr-config.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\licenses\*.txt"
  RMDir "$INSTDIR\licenses"
  ; The catalogs' folder holds nothing but what the installer put there.
  RMDir /r "$INSTDIR\locale"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"

  ; Only what the installer wrote: .DAT and its list go only when nothing else is left in them.
  DeleteRegKey HKCU "${APP_KEY}"
  DeleteRegKey HKCU "${PROGID_KEY}"
  DeleteRegValue HKCU "${DAT_KEY}\OpenWithProgids" "${PROGID}"
  DeleteRegKey /ifempty HKCU "${DAT_KEY}\OpenWithProgids"
  DeleteRegKey /ifempty HKCU "${DAT_KEY}"
  System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)'
SectionEnd
