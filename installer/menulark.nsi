; Menulark's Windows setup: a per-user install into the user's own programs
; folder, where the program may write its pages beside itself; a Start-menu
; entry; an uninstaller that removes what was installed and the pages the
; program wrote. makensis gets VERSION, BINDIR (menulark.exe, menulark-page.exe,
; readme.htm), ICON and OUTFILE from the build.
Unicode true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!define PRODUCT "Menulark"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Menulark"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$LOCALAPPDATA\Programs\Menulark"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Menulark"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File "${BINDIR}\menulark.exe"
  File "${BINDIR}\menulark-page.exe"
  File "${BINDIR}\readme.htm"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Menulark.lnk" "$INSTDIR\menulark.exe" "" "$INSTDIR\menulark.exe" 0
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\menulark.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\Menulark.lnk"
  Delete "$INSTDIR\menulark.exe"
  Delete "$INSTDIR\menulark-page.exe"
  Delete "$INSTDIR\readme.htm"
  ; The pages the program writes beside itself.
  Delete "$INSTDIR\Popup.htm"
  Delete "$INSTDIR\colorFile.htm"
  Delete "$INSTDIR\Uninstall.exe"
  ; Only when empty: files the user put there stay.
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
