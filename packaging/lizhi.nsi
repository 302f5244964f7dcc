; lizhi's per-user installer. It needs no administrator rights: lizhi keeps
; setup.ini and its txt\ folder beside itself, so it goes where the user can
; write, the local programs folder. makensis gets VERSION, TARGET (x86-unicode
; or amd64-unicode), EXE, README, LICENCE, LICENCE_PAGE, ICON and OUTFILE from
; the build.
Unicode true
Target ${TARGET}
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\lizhi"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; The name lizhi registers for the start with the session (Run value and
; Startup shortcut).
!define AUTOSTART_NAME "励志软件"
!define SHORTCUT "$SMPROGRAMS\励志 lizhi.lnk"
; lizhi's hidden message window and the end request it answers by leaving as
; its own exit does.
!define MESSAGE_WINDOW_CLASS "LizhiRuntimeMessageWindow"
!define END_REQUEST 0x83E7

Name "励志 lizhi ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\lizhi"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_LICENSE "${LICENCE_PAGE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "立即启动励志"
!define MUI_FINISHPAGE_RUN_FUNCTION StartLizhi
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductName" "lizhi 励志"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileDescription" "lizhi 励志 setup"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "LegalCopyright" "Copyright (C) 2026 the lizhi authors"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "Comments" "Free software under the MIT licence (LICENSE.txt)"

; Ends every lizhi whose program file is $INSTDIR\lizhi.exe, and only those: a
; copy the user runs from another folder keeps running.
!macro END_INSTALLED_LIZHI un
Function ${un}EndInstalledLizhi
  StrCpy $0 0
  StrCpy $5 0
  ${Do}
    FindWindow $0 "${MESSAGE_WINDOW_CLASS}" "" "" $0
    ${If} $0 == 0
    ${OrIf} $5 > 50
      ${Break}
    ${EndIf}
    IntOp $5 $5 + 1
    StrCpy $1 0
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1)'
    ; SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION
    System::Call 'kernel32::OpenProcess(i 0x101000, i 0, i r1) p .r2'
    ${If} $2 P<> 0
      StrCpy $3 ""
      System::Call 'kernel32::QueryFullProcessImageNameW(p r2, i 0, w .r3, *i ${NSIS_MAX_STRLEN})'
      ${If} $3 == "$INSTDIR\lizhi.exe"
        System::Call 'user32::PostMessageW(p r0, i ${END_REQUEST}, p 0, p 0)'
        System::Call 'kernel32::WaitForSingleObject(p r2, i 10000) i .r4'
        ; The window is gone with its process: search again from the top.
        ${If} $4 == 0
          StrCpy $0 0
        ${EndIf}
      ${EndIf}
      System::Call 'kernel32::CloseHandle(p r2)'
    ${EndIf}
  ${Loop}
FunctionEnd
!macroend
!insertmacro END_INSTALLED_LIZHI ""
!insertmacro END_INSTALLED_LIZHI "un."

Function .onInit
  ; lizhi shows its Chinese texts in the system's code page.
  System::Call 'kernel32::GetACP() i .r0'
  ${If} $0 != 936
    MessageBox MB_OK|MB_ICONEXCLAMATION "励志用系统的代码页显示中文，需要简体中文 (代码页 936)；本机的代码页是 $0，文字会显示为乱码。$\r$\n请打开 控制面板 > 区域 > 管理 > 更改系统区域设置 (非 Unicode 程序的语言)，选择“中文(简体，中国)”，不要勾选“Beta 版: 使用 Unicode UTF-8”，然后重新启动 Windows。$\r$\n$\r$\nlizhi shows its texts in the system's code page, which must be Chinese (Simplified), code page 936; this computer uses code page $0, so its texts would be garbled.$\r$\nOpen Control Panel > Region > Administrative > Change system locale (the language for non-Unicode programs), choose Chinese (Simplified, China), leave $\"Beta: Use Unicode UTF-8$\" unticked, and restart Windows." /SD IDOK
  ${EndIf}
FunctionEnd

Function StartLizhi
  SetOutPath "$INSTDIR"
  Exec '"$INSTDIR\lizhi.exe"'
FunctionEnd

Section "lizhi"
  SetShellVarContext current
  Call EndInstalledLizhi
  SetOutPath "$INSTDIR"
  File "/oname=lizhi.exe" "${EXE}"
  File "/oname=readme.txt" "${README}"
  File "/oname=LICENSE.txt" "${LICENCE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "${SHORTCUT}" "$INSTDIR\lizhi.exe" "" "$INSTDIR\lizhi.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "励志 lizhi"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\lizhi.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "lizhi"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K /G=0" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

; Removes the Run value `name` of `root` when it starts this installed copy
; (the value holds the program path, quoted when it has a space). Leaves $0
; "kept" when such a value could not be removed.
!macro REMOVE_RUN_VALUE root
  StrCpy $0 ""
  ClearErrors
  ReadRegStr $1 ${root} "${RUN_KEY}" "${AUTOSTART_NAME}"
  ${IfNot} ${Errors}
    StrCpy $2 $1 1
    ${If} $2 == '"'
      StrCpy $1 $1 -1 1
    ${EndIf}
    ${If} $1 == "$INSTDIR\lizhi.exe"
      DeleteRegValue ${root} "${RUN_KEY}" "${AUTOSTART_NAME}"
      ClearErrors
      ReadRegStr $1 ${root} "${RUN_KEY}" "${AUTOSTART_NAME}"
      ${IfNot} ${Errors}
        StrCpy $0 "kept"
      ${EndIf}
    ${EndIf}
  ${EndIf}
!macroend

Section "Uninstall"
  SetShellVarContext current
  Call un.EndInstalledLizhi

  Delete "$INSTDIR\lizhi.exe"
  Delete "$INSTDIR\readme.txt"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "${SHORTCUT}"

  ; The start with the session, in each of the ways lizhi registers it.
  Delete "$SMSTARTUP\${AUTOSTART_NAME}.lnk"
  !insertmacro REMOVE_RUN_VALUE HKCU
  ; A machine-wide value was written by a run as administrator; only an
  ; administrator may remove it.
  !insertmacro REMOVE_RUN_VALUE HKLM
  ${If} $0 == "kept"
    MessageBox MB_OK|MB_ICONINFORMATION "励志仍登记在所有用户的开机启动项中，删除它需要管理员权限：$\r$\n以管理员身份运行 reg delete $\"HKLM\${RUN_KEY}$\" /v ${AUTOSTART_NAME} /f$\r$\n$\r$\nlizhi is still registered to start for every user; removing that needs an administrator:$\r$\nreg delete $\"HKLM\${RUN_KEY}$\" /v ${AUTOSTART_NAME} /f" /SD IDOK
  ${EndIf}

  ; The user's own settings and lines stay unless the user says otherwise; a
  ; silent uninstall keeps them.
  ${If} ${FileExists} "$INSTDIR\setup.ini"
  ${OrIf} ${FileExists} "$INSTDIR\txt\*.*"
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "同时删除您的设置 (setup.ini) 和文本文件夹 (txt) 吗？$\r$\nAlso delete your settings (setup.ini) and your text folder (txt)?" /SD IDNO IDNO keep
    Delete "$INSTDIR\setup.ini"
    RMDir /r "$INSTDIR\txt"
  keep:
  ${EndIf}
  ; The uninstaller and its entry go last, so that an uninstall cut short can
  ; be run again; the folder goes only when nothing of the user's is left.
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
