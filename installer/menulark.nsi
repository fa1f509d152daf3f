; Menulark's Windows setup: a per-user install into the user's own programs
; folder, where the program may write its pages beside itself; a Start-menu
; entry; an uninstaller that removes what was installed and the pages the
; program wrote. makensis gets VERSION, BINDIR (menulark.exe, menulark-page.exe,
; readme.htm), ICON and OUTFILE from the build.
; A 64-bit setup for the 64-bit program (and for Wine without its 32-bit part).
Target amd64-unicode
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

Var CreatedProgramsFolder

Section "Menulark"
  SetShellVarContext current
  ; Noted so that uninstalling removes the programs folder only if this
  ; setup made it.
  StrCpy $CreatedProgramsFolder 0
  IfFileExists "$LOCALAPPDATA\Programs\*.*" +2 0
    StrCpy $CreatedProgramsFolder 1
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
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "CreatedProgramsFolder" $CreatedProgramsFolder
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
  ; Only when empty: files the user put there stay. The programs folder
  ; itself goes too when this setup made it and nothing else is in it.
  RMDir "$INSTDIR"
  ReadRegDWORD $0 HKCU "${UNINSTALL_KEY}" "CreatedProgramsFolder"
  StrCmp $0 1 0 +2
    RMDir "$LOCALAPPDATA\Programs"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
