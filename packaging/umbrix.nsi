; The per-user installer of Umbrix and Vandric, and its uninstaller.
; Built by scripts/package.sh:
;   makensis /DVERSION=x.y.z /DPROGRAM_DIR=<folder> /DOUTFILE=<setup.exe> packaging/umbrix.nsi
; PROGRAM_DIR holds the release builds of Umbrix.exe, Vandric.exe and
; setup_helper.exe (the latter only runs during set-up, from $PLUGINSDIR).
;
; Silent use: Umbrix-x.y.z-setup.exe /S [/D=folder]  (default options)
;             Uninstall.exe /S [/PURGE]               (/PURGE: settings too)

!ifndef VERSION | PROGRAM_DIR | OUTFILE
  !error "makensis /DVERSION=x.y.z /DPROGRAM_DIR=<folder> /DOUTFILE=<file> umbrix.nsi"
!endif

; Wine on the build machines is 64-bit only; so are the programs.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true
AllowSkipFiles off
; Installed files get the time of installation, not of the build: the
; installer's bytes then depend only on the sources.
SetDateSave off

; SIGN names a command that signs the file it is given in place; the
; uninstaller is signed before it is packed, the installer once written.
!ifdef SIGN
  !uninstfinalize '${SIGN} "%1"' = 0
  !finalize '${SIGN} "%1"' = 0
!endif

!include MUI2.nsh
!include nsDialogs.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WordFunc.nsh

!define PRODUCT "Umbrix"
!define PUBLISHER "Corvane"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Umbrix"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define SETTINGS_KEY "Software\Corvane"
; How long running programs may take to end when asked, in seconds.
!define CLOSE_LIMIT 10

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
; An upgrade proposes the folder of the earlier installation.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) 2026 ${PUBLISHER}. MIT License."

Var StartAtSignIn       ; ${BST_CHECKED} or ${BST_UNCHECKED}
Var DesktopShortcut
Var StartAtSignInBox
Var DesktopShortcutBox
Var Purge               ; uninstaller: "1" removes the settings too
Var PurgeBox

; --- pages -------------------------------------------------------------------

!define MUI_ICON "..\src\resources\umbrix.ico"
!define MUI_UNICON "..\src\resources\umbrix.ico"
!define MUI_ABORTWARNING

!define MUI_WELCOMEPAGE_TEXT "Setup will install ${PRODUCT} ${VERSION} and Vandric for you alone: no administrator rights are needed.$\r$\n$\r$\nUmbrix switches the monitor off and runs power actions from the notification area; Vandric shuts the computer down after a delay.$\r$\n$\r$\nRunning copies of both are closed before their files are replaced. Your settings are kept.$\r$\n$\r$\n$_CLICK"
!insertmacro MUI_PAGE_WELCOME
!define MUI_LICENSEPAGE_BUTTON "I &accept"
!define MUI_LICENSEPAGE_TEXT_BOTTOM "If you accept the terms of the licence, click I accept to continue."
!insertmacro MUI_PAGE_LICENSE "..\LICENSE"
; Shorter than the stock text, which Wine's font metrics cut off.
!define MUI_DIRECTORYPAGE_TEXT_TOP "Setup will install Umbrix and Vandric in the following folder. To choose another folder, click Browse. Click Next to continue."
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryLeave
!insertmacro MUI_PAGE_DIRECTORY
Page custom OptionsPage OptionsPageLeave
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Start Umbrix now"
!define MUI_FINISHPAGE_RUN_FUNCTION StartUmbrix
!insertmacro MUI_PAGE_FINISH

UninstPage custom un.ConfirmPage un.ConfirmPageLeave
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_UNPAGE_FINISH

!insertmacro MUI_LANGUAGE "English"

; --- shared between installer and uninstaller ---------------------------------

; Asks every running Umbrix and Vandric to end, as Windows' Restart Manager
; does, and waits for them. Those that stay are named with Retry and Cancel;
; Cancel stops before anything was changed. Nothing is killed.
!macro CLOSE_RUNNING_PROGRAMS UN
Function ${UN}CloseRunningPrograms
    InitPluginsDir
    File "/oname=$PLUGINSDIR\setup_helper.exe" "${PROGRAM_DIR}\setup_helper.exe"
    DetailPrint "Closing running copies of Umbrix and Vandric..."
    retry:
    nsExec::Exec '"$PLUGINSDIR\setup_helper.exe" close ${CLOSE_LIMIT} "$PLUGINSDIR\still-running.txt"'
    Pop $0
    ${If} $0 == 1
        StrCpy $2 ""
        ClearErrors
        FileOpen $1 "$PLUGINSDIR\still-running.txt" r
        ${IfNot} ${Errors}
            ${Do}
                FileReadUTF16LE $1 $3
                ${If} ${Errors}
                ${OrIf} $3 == ""
                    ${ExitDo}
                ${EndIf}
                StrCpy $2 "$2    $3"
            ${Loop}
            FileClose $1
        ${EndIf}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "These programs did not end within ${CLOSE_LIMIT} seconds when asked:$\r$\n$\r$\n$2$\r$\nEnd them (right-click their tray icon, Exit) and click Retry, or click Cancel to stop without changing anything." \
            /SD IDCANCEL IDRETRY retry
        DetailPrint "Stopped: Umbrix or Vandric is still running."
        Abort
    ${ElseIf} $0 != 0
        ; The helper could not run: files still in use get the file
        ; error's own Retry/Cancel below.
        DetailPrint "Could not check for running programs ($0)."
    ${EndIf}
FunctionEnd
!macroend
!insertmacro CLOSE_RUNNING_PROGRAMS ""
!insertmacro CLOSE_RUNNING_PROGRAMS "un."

; --- installer -----------------------------------------------------------------

Function .onInit
    StrCpy $StartAtSignIn ${BST_CHECKED}
    StrCpy $DesktopShortcut ${BST_UNCHECKED}
    ; NSIS drops a /D= folder it finds unusable (for example one below a
    ; file) and would install into the default folder instead; $CMDLINE no
    ; longer shows it, the process's own command line still does.
    System::Call 'kernel32::GetCommandLineW() t .r0'
    ClearErrors
    ${WordFind} "$0" " /D=" "E+1}" $1
    ${IfNot} ${Errors}
        ; Trailing backslashes are dropped from $INSTDIR (Wine's cmd even
        ; doubles a last one).
        ${Do}
            StrCpy $3 $1 1 -1
            ${IfThen} $3 != "\" ${|} ${ExitDo} ${|}
            StrCpy $1 $1 -1
        ${Loop}
        ${If} $1 != "$INSTDIR"
            MessageBox MB_OK|MB_ICONSTOP "Setup cannot install into the folder$\r$\n$1$\r$\n$\r$\nIt is not a usable folder path. Nothing was changed." /SD IDOK
            Abort
        ${EndIf}
    ${EndIf}
FunctionEnd

; True (no error flag) when a file can be created in $INSTDIR; creates the
; folder if needed and removes only what it created.
Function CheckFolderWritable
    ClearErrors
    StrCpy $1 "0"
    ${IfNot} ${FileExists} "$INSTDIR\*.*"
        StrCpy $1 "1"
        CreateDirectory "$INSTDIR"
    ${EndIf}
    ClearErrors
    FileOpen $0 "$INSTDIR\umbrix-setup.probe" w
    ${IfNot} ${Errors}
        FileClose $0
        Delete "$INSTDIR\umbrix-setup.probe"
    ${Else}
        ${If} $1 == "1"
            RMDir "$INSTDIR"
        ${EndIf}
        SetErrors
    ${EndIf}
FunctionEnd

Function DirectoryLeave
    Call CheckFolderWritable
    ${If} ${Errors}
        MessageBox MB_OK|MB_ICONEXCLAMATION "Setup cannot write to the folder$\r$\n$INSTDIR$\r$\n$\r$\nPlease choose another folder." /SD IDOK
        Abort
    ${EndIf}
    ; Made only for the probe: the installation makes it again and notes that.
    ${If} $1 == "1"
        RMDir "$INSTDIR"
    ${EndIf}
FunctionEnd

Function OptionsPage
    !insertmacro MUI_HEADER_TEXT "Options" "Choose how Umbrix starts."
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateCheckbox} 0 0 100% 12u "Start Umbrix when I sign in"
    Pop $StartAtSignInBox
    ${NSD_SetState} $StartAtSignInBox $StartAtSignIn
    ${NSD_CreateLabel} 12u 14u -12u 20u "Umbrix then waits in the notification area, ready for its hot keys, timers and desktop shortcuts."
    Pop $0
    ${NSD_CreateCheckbox} 0 42u 100% 12u "Desktop shortcut"
    Pop $DesktopShortcutBox
    ${NSD_SetState} $DesktopShortcutBox $DesktopShortcut
    ${NSD_CreateLabel} 12u 56u -12u 20u "A shortcut on the desktop that opens the settings of Umbrix."
    Pop $0
    nsDialogs::Show
FunctionEnd

Function OptionsPageLeave
    ${NSD_GetState} $StartAtSignInBox $StartAtSignIn
    ${NSD_GetState} $DesktopShortcutBox $DesktopShortcut
FunctionEnd

Function StartUmbrix
    ${If} $StartAtSignIn == ${BST_CHECKED}
        Exec '"$INSTDIR\Umbrix.exe" :silent'
    ${Else}
        Exec '"$INSTDIR\Umbrix.exe" :settings'
    ${EndIf}
FunctionEnd

; A failed or cancelled installation takes its staged files away again.
Function .onInstFailed
    Delete "$INSTDIR\Umbrix.exe.new"
    Delete "$INSTDIR\Vandric.exe.new"
FunctionEnd

Section "Umbrix"
    ; Nothing changes before this: Cancel leaves the earlier installation as it was.
    Call CloseRunningPrograms

    Call CheckFolderWritable
    ${If} ${Errors}
        MessageBox MB_OK|MB_ICONSTOP "Setup cannot write to the folder$\r$\n$INSTDIR$\r$\n$\r$\nThe earlier installation, if any, is unchanged." /SD IDOK
        Abort
    ${EndIf}
    ; Whether this installation made its folder: only then may the
    ; uninstaller remove it.
    ReadRegStr $R0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ReadRegDWORD $R1 HKCU "${UNINSTALL_KEY}" "FolderCreatedBySetup"
    ${If} $R0 != "$INSTDIR"
    ${OrIfNot} ${FileExists} "$INSTDIR\Umbrix.exe"
        StrCpy $R1 $1
    ${EndIf}

    ; Stage the new files beside the old ones. A full disk or a refused
    ; write stops here (the file error offers Retry and Cancel), with the
    ; earlier installation untouched.
    SetOutPath "$INSTDIR"
    DetailPrint "Copying the programs..."
    File "/oname=Umbrix.exe.new" "${PROGRAM_DIR}\Umbrix.exe"
    File "/oname=Vandric.exe.new" "${PROGRAM_DIR}\Vandric.exe"

    ; Swap them in: old files aside first, so either all are replaced or,
    ; after a failure, the old ones are put back.
    StrCpy $R2 ""
    ${ForEach} $R3 1 2 + 1
        ${If} $R3 == 1
            StrCpy $R4 "Umbrix.exe"
        ${Else}
            StrCpy $R4 "Vandric.exe"
        ${EndIf}
        Delete "$INSTDIR\$R4.old"
        ClearErrors
        ${If} ${FileExists} "$INSTDIR\$R4"
            Rename "$INSTDIR\$R4" "$INSTDIR\$R4.old"
        ${EndIf}
        ${If} ${Errors}
            StrCpy $R2 $R4
            ${ExitFor}
        ${EndIf}
    ${Next}
    ${If} $R2 != ""
        ; Put back what was moved aside already.
        ${If} ${FileExists} "$INSTDIR\Umbrix.exe.old"
            Rename "$INSTDIR\Umbrix.exe.old" "$INSTDIR\Umbrix.exe"
        ${EndIf}
        MessageBox MB_OK|MB_ICONSTOP "$INSTDIR\$R2 is in use by another program and cannot be replaced.$\r$\n$\r$\nThe earlier installation is unchanged. Close that program and run Setup again." /SD IDOK
        Abort
    ${EndIf}
    Rename "$INSTDIR\Umbrix.exe.new" "$INSTDIR\Umbrix.exe"
    Rename "$INSTDIR\Vandric.exe.new" "$INSTDIR\Vandric.exe"
    ; A program that was still running keeps its old file until it ends;
    ; the next set-up or the uninstaller removes it.
    Delete "$INSTDIR\Umbrix.exe.old"
    Delete "$INSTDIR\Vandric.exe.old"

    WriteUninstaller "$INSTDIR\Uninstall.exe"

    CreateDirectory "$SMPROGRAMS\${PRODUCT}"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}\Umbrix.lnk" "$INSTDIR\Umbrix.exe" ":settings" "$INSTDIR\Umbrix.exe" 0
    CreateShortcut "$SMPROGRAMS\${PRODUCT}\Vandric.lnk" "$INSTDIR\Vandric.exe" "" "$INSTDIR\Vandric.exe" 0
    CreateShortcut "$SMPROGRAMS\${PRODUCT}\Uninstall Umbrix.lnk" "$INSTDIR\Uninstall.exe"
    ${If} $DesktopShortcut == ${BST_CHECKED}
        CreateShortcut "$DESKTOP\Umbrix.lnk" "$INSTDIR\Umbrix.exe" ":settings" "$INSTDIR\Umbrix.exe" 0
    ${EndIf}

    ${If} $StartAtSignIn == ${BST_CHECKED}
        WriteRegStr HKCU "${RUN_KEY}" "${PRODUCT}" '"$INSTDIR\Umbrix.exe" :silent'
    ${Else}
        DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
    ${EndIf}

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Umbrix.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "FolderCreatedBySetup" $R1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; --- uninstaller ---------------------------------------------------------------

Function un.onInit
    StrCpy $Purge "0"
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/PURGE" $1
    ${IfNot} ${Errors}
        StrCpy $Purge "1"
    ${EndIf}
FunctionEnd

Function un.ConfirmPage
    !insertmacro MUI_HEADER_TEXT "Uninstall Umbrix" "Remove Umbrix and Vandric from your computer."
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateLabel} 0 0 100% 20u "Umbrix and Vandric will be removed from this folder. Running copies of them are closed first."
    Pop $0
    ${NSD_CreateText} 0 24u 100% 12u "$INSTDIR"
    Pop $0
    SendMessage $0 ${EM_SETREADONLY} 1 0
    ${NSD_CreateCheckbox} 0 48u 100% 12u "Also remove my settings"
    Pop $PurgeBox
    ${If} $Purge == "1"
        ${NSD_Check} $PurgeBox
    ${EndIf}
    ${NSD_CreateLabel} 12u 62u -12u 28u "The settings of Umbrix and Vandric (in the registry under HKEY_CURRENT_USER\Software\Corvane) and the tips file. Without this they stay for a later installation."
    Pop $0
    GetDlgItem $0 $HWNDPARENT 1
    SendMessage $0 ${WM_SETTEXT} 0 "STR:$(^UninstallBtn)"
    nsDialogs::Show
FunctionEnd

Function un.ConfirmPageLeave
    ${NSD_GetState} $PurgeBox $0
    ${If} $0 == ${BST_CHECKED}
        StrCpy $Purge "1"
    ${Else}
        StrCpy $Purge "0"
    ${EndIf}
FunctionEnd

Section "Uninstall"
    Call un.CloseRunningPrograms

    ReadRegDWORD $R1 HKCU "${UNINSTALL_KEY}" "FolderCreatedBySetup"

    ; Shortcuts on the desktop that start this Umbrix: the installer's own
    ; and those Umbrix's shortcut chooser made.
    nsExec::Exec '"$PLUGINSDIR\setup_helper.exe" unlink "$DESKTOP" "$INSTDIR\Umbrix.exe"'
    Pop $0

    Delete "$SMPROGRAMS\${PRODUCT}\Umbrix.lnk"
    Delete "$SMPROGRAMS\${PRODUCT}\Vandric.lnk"
    Delete "$SMPROGRAMS\${PRODUCT}\Uninstall Umbrix.lnk"
    RMDir "$SMPROGRAMS\${PRODUCT}"

    ; Only a Run value that starts this installation.
    ReadRegStr $0 HKCU "${RUN_KEY}" "${PRODUCT}"
    ${If} $0 == '"$INSTDIR\Umbrix.exe" :silent'
        DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
    ${EndIf}
    DeleteRegKey HKCU "${UNINSTALL_KEY}"

    ${If} $Purge == "1"
        DetailPrint "Removing the settings..."
        DeleteRegKey HKCU "${SETTINGS_KEY}\Umbrix"
        DeleteRegKey HKCU "${SETTINGS_KEY}\Vandric"
        DeleteRegKey /ifempty HKCU "${SETTINGS_KEY}"
        ; The tips file lives in the all-users application-data folder, or in
        ; the program's folder when that folder was not available.
        SetShellVarContext all
        Delete "$APPDATA\Umbrix.ini"
        SetShellVarContext current
        Delete "$INSTDIR\Umbrix.ini"
    ${EndIf}

    Delete "$INSTDIR\Umbrix.exe"
    Delete "$INSTDIR\Vandric.exe"
    Delete "$INSTDIR\Umbrix.exe.old"
    Delete "$INSTDIR\Vandric.exe.old"
    Delete "$INSTDIR\Uninstall.exe"
    ; Empty or not, a folder the user chose and already had stays.
    ${If} $R1 == 1
        RMDir "$INSTDIR"
    ${EndIf}
SectionEnd
