; The per-user installer of Dovetock: no administrator rights, the program in
; %LOCALAPPDATA%\Programs\Dovetock, a Start menu shortcut and an entry in the list of installed
; programs; in English or Simplified Chinese after the user's language. make-packages.sh runs
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.0.0 -DSTAGE=DIR -DFILES=files.nsh -DOUTFILE=SETUP.exe
;            [-DICON=dovetock.ico] installer.nsi
; STAGE holds the program and its data files, FILES the macros that install and remove them.
; "SETUP.exe /S" installs silently, "Uninstall.exe /S" uninstalls silently.
Unicode true
Target amd64-unicode
RequestExecutionLevel user
ManifestDPIAware true
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include "${FILES}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Dovetock"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define PUBLISHER "Dovetock maintainers"

Name "Dovetock"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Dovetock"
BrandingText "Dovetock ${VERSION}"

!ifdef ICON
  !define MUI_ICON "${ICON}"
  !define MUI_UNICON "${ICON}"
!endif
!define MUI_FINISHPAGE_RUN "$INSTDIR\dovetock.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The first language is the one for users whose language is neither.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "SimpChinese"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Dovetock"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright © 2026 ${PUBLISHER}. All rights reserved."
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Dovetock setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"

; Ends a clock running from $INSTDIR ("--quit" exits 1 when none runs) and deletes the program,
; giving the ended clock up to ten seconds to let go of its file.
!macro DOVETOCK_REMOVE_PROGRAM un
  Function ${un}RemoveProgram
    ${If} ${FileExists} "$INSTDIR\dovetock.exe"
      ExecWait '"$INSTDIR\dovetock.exe" --quit' $0
      StrCpy $1 0
      ${DoUntil} $1 >= 100
        Delete "$INSTDIR\dovetock.exe"
        ${IfNot} ${FileExists} "$INSTDIR\dovetock.exe"
          ${ExitDo}
        ${EndIf}
        IntOp $1 $1 + 1
        Sleep 100
      ${Loop}
    ${EndIf}
  FunctionEnd
!macroend
!insertmacro DOVETOCK_REMOVE_PROGRAM ""
!insertmacro DOVETOCK_REMOVE_PROGRAM "un."

Section
  SetOutPath "$INSTDIR"
  Call RemoveProgram
  File "${STAGE}/dovetock.exe"
  !insertmacro DOVETOCK_INSTALL_FILES
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Dovetock.lnk" "$INSTDIR\dovetock.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Dovetock"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\dovetock.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; The user's settings and reminders in %APPDATA%\Dovetock stay.
Section "Uninstall"
  Call un.RemoveProgram
  !insertmacro DOVETOCK_REMOVE_FILES
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Dovetock.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegValue HKCU "${RUN_KEY}" "Dovetick"
  ; The machine-wide value only when it starts this program; without the rights to remove it, it stays.
  ReadRegStr $0 HKLM "${RUN_KEY}" "Dovetick"
  ${If} $0 == "$INSTDIR\dovetock.exe"
  ${OrIf} $0 == '"$INSTDIR\dovetock.exe"'
    DeleteRegValue HKLM "${RUN_KEY}" "Dovetick"
  ${EndIf}
SectionEnd
