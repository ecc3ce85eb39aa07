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
; Held by setup and the uninstaller while they run, so that two runs never
; work on the same files. Local: one per sign-in session.
!define SETUP_MUTEX "Local\Corvane.Umbrix.Setup"

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
Var FromSetup           ; uninstaller: "1" when setup runs it for an upgrade
Var OldDir              ; folder of the earlier installation, "" when none
Var OldFiles            ; its installed-file list
Var OldCreated          ; whether its setup made its folder
Var EndedUmbrix         ; folder of an Umbrix that setup ended, "" when none
Var Swapped             ; "1" once the new programs are in place
Var MovedUmbrix         ; swap state per program: "m" moved aside, "mp" also replaced
Var MovedVandric

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

!macro SETUP_SHARED UN
; A second set-up or uninstaller run says so and ends. The handle stays open
; until this process ends.
Function ${UN}TakeSetupMutex
    System::Call 'kernel32::CreateMutexW(p 0, i 0, w "${SETUP_MUTEX}") p .r0 ?e'
    Pop $1
    ${If} $1 == 183
        MessageBox MB_OK|MB_ICONEXCLAMATION "Set-up of Umbrix is already running. Finish it first, then try again." /SD IDOK
        Abort
    ${EndIf}
    InitPluginsDir
    File "/oname=$PLUGINSDIR\setup_helper.exe" "${PROGRAM_DIR}\setup_helper.exe"
FunctionEnd

; Asks the running Umbrix and Vandric of this installation (and of the
; earlier one, when it is in another folder) to end, as Windows' Restart
; Manager does, and waits for them. Those that stay are named with Retry and
; Cancel; Cancel stops before anything was changed. Nothing is killed.
; Copies running from other folders are only named in the details.
Function ${UN}CloseRunningPrograms
    DetailPrint "Closing running copies of Umbrix and Vandric..."
    StrCpy $2 ""
    ${If} $OldDir != ""
    ${AndIf} $OldDir != $INSTDIR
        StrCpy $2 ' "$OldDir"'
    ${EndIf}
    retry:
    nsExec::ExecToLog '"$PLUGINSDIR\setup_helper.exe" close ${CLOSE_LIMIT} "$PLUGINSDIR\still-running.txt" "$INSTDIR"$2'
    Pop $0
    ; The helper could not run or did not understand (blocked by a policy,
    ; damaged): replacing files under running programs is never an option.
    ${If} $0 == "error"
    ${OrIf} $0 < 0
    ${OrIf} $0 > 15
    ${OrIf} $0 == 2
        MessageBox MB_RETRYCANCEL|MB_ICONSTOP \
            "Setup could not run its helper, which closes running copies of Umbrix and Vandric (result: $0).$\r$\n$\r$\nClick Retry to try again, or Cancel to stop without changing anything." \
            /SD IDCANCEL IDRETRY retry
        DetailPrint "Stopped: the helper could not run."
        Abort
    ${EndIf}
    IntOp $1 $0 & 4
    ${IfThen} $1 != 0 ${|} StrCpy $EndedUmbrix "$INSTDIR" ${|}
    IntOp $1 $0 & 8
    ${IfThen} $1 != 0 ${|} StrCpy $EndedUmbrix "$OldDir" ${|}
    IntOp $1 $0 & 1
    ${If} $1 != 0
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
    ${EndIf}
FunctionEnd
!macroend
!insertmacro SETUP_SHARED ""
!insertmacro SETUP_SHARED "un."

; --- installer -----------------------------------------------------------------

Function .onInit
    Call TakeSetupMutex
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

    ; The earlier installation, and the choices the user left with it.
    ReadRegStr $OldDir HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ReadRegStr $OldFiles HKCU "${UNINSTALL_KEY}" "InstalledFiles"
    ReadRegDWORD $OldCreated HKCU "${UNINSTALL_KEY}" "FolderCreatedBySetup"
    StrCpy $StartAtSignIn ${BST_CHECKED}
    StrCpy $DesktopShortcut ${BST_UNCHECKED}
    ${If} $OldDir != ""
        ReadRegStr $0 HKCU "${RUN_KEY}" "${PRODUCT}"
        ${IfThen} $0 == "" ${|} StrCpy $StartAtSignIn ${BST_UNCHECKED} ${|}
        nsExec::Exec '"$PLUGINSDIR\setup_helper.exe" links "$DESKTOP\Umbrix.lnk" "$OldDir\Umbrix.exe"'
        Pop $0
        ${IfThen} $0 == 0 ${|} StrCpy $DesktopShortcut ${BST_CHECKED} ${|}
    ${EndIf}
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/NOSTARTUP" $1
    ${IfNotThen} ${Errors} ${|} StrCpy $StartAtSignIn ${BST_UNCHECKED} ${|}
    ClearErrors
    ${GetOptions} $0 "/DESKTOP" $1
    ${IfNotThen} ${Errors} ${|} StrCpy $DesktopShortcut ${BST_CHECKED} ${|}
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

; $R9: a file in $INSTDIR that setup would replace but that is not ours
; (another program's Uninstall.exe, say), or "". The registered
; installation's folder is ours.
!macro CHECK_ORIGIN NAME
    ${If} $R9 == ""
    ${AndIf} ${FileExists} "$INSTDIR\${NAME}"
        nsExec::Exec '"$PLUGINSDIR\setup_helper.exe" origin "$INSTDIR\${NAME}"'
        Pop $0
        ${IfThen} $0 == 1 ${|} StrCpy $R9 "$INSTDIR\${NAME}" ${|}
    ${EndIf}
!macroend
Function CheckFolderOrigin
    StrCpy $R9 ""
    ${If} $INSTDIR != $OldDir
        !insertmacro CHECK_ORIGIN "Uninstall.exe"
        !insertmacro CHECK_ORIGIN "Umbrix.exe"
        !insertmacro CHECK_ORIGIN "Vandric.exe"
    ${EndIf}
FunctionEnd

!define FOREIGN_FILE_TEXT "The folder$\r$\n$INSTDIR$\r$\nalready holds $R9, which does not belong to Umbrix. Setup does not replace files of other programs.$\r$\n$\r$\n"

Function DirectoryLeave
    Call CheckFolderOrigin
    ${If} $R9 != ""
        MessageBox MB_OK|MB_ICONEXCLAMATION "${FOREIGN_FILE_TEXT}Please choose another folder." /SD IDOK
        Abort
    ${EndIf}
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

; A failed or cancelled installation takes its staged files away again and
; starts an Umbrix it ended, so that nothing changed for the user.
Function .onInstFailed
    Delete "$INSTDIR\Umbrix.exe.new"
    Delete "$INSTDIR\Vandric.exe.new"
    ${If} $EndedUmbrix != ""
    ${AndIf} $Swapped != "1"
        Exec '"$EndedUmbrix\Umbrix.exe" :silent'
    ${EndIf}
FunctionEnd

; A program moved aside by a set-up that stopped half-way comes back first.
!macro RESTORE_MOVED_ASIDE NAME
    ${If} ${FileExists} "$INSTDIR\${NAME}.old"
    ${AndIfNot} ${FileExists} "$INSTDIR\${NAME}"
        DetailPrint "Restoring ${NAME} from ${NAME}.old..."
        Rename "$INSTDIR\${NAME}.old" "$INSTDIR\${NAME}"
    ${EndIf}
!macroend

; Moves the program aside and the staged copy in; the first failure is
; named in $R2. $0 notes what was done, for PUT_BACK.
!macro SWAP_IN NAME STATE
    ${If} $R2 == ""
        StrCpy ${STATE} ""
        ${If} ${FileExists} "$INSTDIR\${NAME}"
            ; Left by a program that ran on after an earlier upgrade.
            Delete "$INSTDIR\${NAME}.old"
            ClearErrors
            Rename "$INSTDIR\${NAME}" "$INSTDIR\${NAME}.old"
            ${If} ${Errors}
                StrCpy $R2 "${NAME}"
            ${Else}
                StrCpy ${STATE} "m"
            ${EndIf}
        ${EndIf}
        ${If} $R2 == ""
            ClearErrors
            Rename "$INSTDIR\${NAME}.new" "$INSTDIR\${NAME}"
            ${If} ${Errors}
                StrCpy $R2 "${NAME}"
            ${ElseIf} ${STATE} == "m"
                StrCpy ${STATE} "mp"
            ${Else}
                StrCpy ${STATE} "p"
            ${EndIf}
        ${EndIf}
    ${EndIf}
!macroend

; Undoes SWAP_IN; $R3 becomes "1" when something could not go back.
!macro PUT_BACK NAME STATE
    ${If} ${STATE} == "mp"
    ${OrIf} ${STATE} == "p"
        ClearErrors
        Rename "$INSTDIR\${NAME}" "$INSTDIR\${NAME}.new"
        ${IfThen} ${Errors} ${|} StrCpy $R3 "1" ${|}
    ${EndIf}
    ${If} ${STATE} == "m"
    ${OrIf} ${STATE} == "mp"
        ClearErrors
        Rename "$INSTDIR\${NAME}.old" "$INSTDIR\${NAME}"
        ${IfThen} ${Errors} ${|} StrCpy $R3 "1" ${|}
    ${EndIf}
!macroend

; Either both programs are replaced or, after any failed rename, every
; moved file goes back and setup stops. The earlier programs (*.old) go
; only once both new ones are in place.
Function SwapInPrograms
    StrCpy $R2 ""
    StrCpy $MovedUmbrix ""
    StrCpy $MovedVandric ""
    !insertmacro SWAP_IN "Umbrix.exe" $MovedUmbrix
    !insertmacro SWAP_IN "Vandric.exe" $MovedVandric
    ${If} $R2 != ""
        StrCpy $R3 ""
        !insertmacro PUT_BACK "Umbrix.exe" $MovedUmbrix
        !insertmacro PUT_BACK "Vandric.exe" $MovedVandric
        ${If} $R3 == ""
            MessageBox MB_OK|MB_ICONSTOP "$INSTDIR\$R2 is in use by another program and cannot be replaced.$\r$\n$\r$\nNothing was changed. Close that program and run Setup again." /SD IDOK
        ${Else}
            MessageBox MB_OK|MB_ICONSTOP "$INSTDIR\$R2 is in use by another program and cannot be replaced, and Setup could not put every earlier program back.$\r$\n$\r$\nClose that program and run Setup again: it first restores the earlier programs from their .old copies." /SD IDOK
        ${EndIf}
        Abort
    ${EndIf}
    StrCpy $Swapped "1"
    ; A program that was still running keeps its old file until it ends;
    ; the next set-up removes it.
    Delete "$INSTDIR\Umbrix.exe.old"
    Delete "$INSTDIR\Vandric.exe.old"
FunctionEnd

; The earlier installation in another folder: its own uninstaller, run in
; place and silently (settings kept), removes its files and the entries that
; name that folder; this setup writes its own entries afterwards.
Function RemoveEarlierInstallation
    ${IfNot} ${FileExists} "$OldDir\Uninstall.exe"
        Return
    ${EndIf}
    DetailPrint "Removing the earlier installation in $OldDir..."
    ExecWait '"$OldDir\Uninstall.exe" /S /FROMSETUP _?=$OldDir' $0
    ; An uninstaller run in place cannot delete its own file.
    ${If} $OldFiles != ""
        nsExec::ExecToLog '"$PLUGINSDIR\setup_helper.exe" remove "$OldDir" "$OldFiles"'
        Pop $0
    ${Else}
        Delete "$OldDir\Uninstall.exe"
    ${EndIf}
    ${If} $OldCreated == 1
        RMDir "$OldDir"
    ${EndIf}
FunctionEnd

; $0: the size in KB of the files setup installed.
!macro ADD_SIZE NAME
    ClearErrors
    FileOpen $1 "$INSTDIR\${NAME}" r
    ${IfNot} ${Errors}
        FileSeek $1 0 END $2
        FileClose $1
        IntOp $0 $0 + $2
    ${EndIf}
!macroend
Function InstalledSize
    StrCpy $0 0
    !insertmacro ADD_SIZE "Umbrix.exe"
    !insertmacro ADD_SIZE "Vandric.exe"
    !insertmacro ADD_SIZE "Uninstall.exe"
    IntOp $0 $0 + 1023
    IntOp $0 $0 / 1024
FunctionEnd

Section "Umbrix"
    !insertmacro RESTORE_MOVED_ASIDE "Umbrix.exe"
    !insertmacro RESTORE_MOVED_ASIDE "Vandric.exe"
    ; The pages checked this already; a silent run has no pages.
    Call CheckFolderOrigin
    ${If} $R9 != ""
        MessageBox MB_OK|MB_ICONSTOP "${FOREIGN_FILE_TEXT}Nothing was changed." /SD IDOK
        Abort
    ${EndIf}

    ; Nothing changes before this: Cancel leaves the earlier installation as it was.
    Call CloseRunningPrograms

    Call CheckFolderWritable
    ${If} ${Errors}
        MessageBox MB_OK|MB_ICONSTOP "Setup cannot write to the folder$\r$\n$INSTDIR$\r$\n$\r$\nThe earlier installation, if any, is unchanged." /SD IDOK
        Abort
    ${EndIf}
    ; Whether this installation made its folder: only then may the
    ; uninstaller remove it.
    StrCpy $R1 $OldCreated
    ${If} $OldDir != "$INSTDIR"
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
    Call SwapInPrograms

    WriteUninstaller "$INSTDIR\Uninstall.exe"
    nsExec::ExecToStack '"$PLUGINSDIR\setup_helper.exe" hashes "$INSTDIR" Umbrix.exe Vandric.exe Uninstall.exe'
    Pop $0
    Pop $R5

    ${If} $OldDir != ""
    ${AndIf} $OldDir != $INSTDIR
        Call RemoveEarlierInstallation
    ${EndIf}

    ; The shared entries last: an earlier installation's uninstaller has
    ; removed those that named its folder.
    CreateDirectory "$SMPROGRAMS\${PRODUCT}"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}\Umbrix.lnk" "$INSTDIR\Umbrix.exe" ":settings" "$INSTDIR\Umbrix.exe" 0
    CreateShortcut "$SMPROGRAMS\${PRODUCT}\Vandric.lnk" "$INSTDIR\Vandric.exe" "" "$INSTDIR\Vandric.exe" 0
    CreateShortcut "$SMPROGRAMS\${PRODUCT}\Uninstall Umbrix.lnk" "$INSTDIR\Uninstall.exe"
    ; A desktop "Umbrix" shortcut of something else stays as it is.
    StrCpy $0 "1"
    ${If} ${FileExists} "$DESKTOP\Umbrix.lnk"
        nsExec::Exec '"$PLUGINSDIR\setup_helper.exe" links "$DESKTOP\Umbrix.lnk" "$INSTDIR\Umbrix.exe"'
        Pop $0
    ${EndIf}
    ${If} $DesktopShortcut == ${BST_CHECKED}
        ${If} $0 != 0
        ${AndIf} ${FileExists} "$DESKTOP\Umbrix.lnk"
            DetailPrint "Kept the desktop shortcut Umbrix of another program."
        ${Else}
            CreateShortcut "$DESKTOP\Umbrix.lnk" "$INSTDIR\Umbrix.exe" ":settings" "$INSTDIR\Umbrix.exe" 0
        ${EndIf}
    ${ElseIf} $0 == 0
        Delete "$DESKTOP\Umbrix.lnk"
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
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstalledFiles" "$R5"
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "FolderCreatedBySetup" $R1
    Call InstalledSize
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0

    ; A silent upgrade leaves Umbrix running as it found it.
    ${If} ${Silent}
    ${AndIf} $EndedUmbrix != ""
        Exec '"$INSTDIR\Umbrix.exe" :silent'
    ${EndIf}
SectionEnd

; --- uninstaller ---------------------------------------------------------------

Function un.onInit
    StrCpy $Purge "0"
    StrCpy $FromSetup "0"
    ${GetParameters} $0
    ClearErrors
    ${GetOptions} $0 "/PURGE" $1
    ${IfNotThen} ${Errors} ${|} StrCpy $Purge "1" ${|}
    ClearErrors
    ${GetOptions} $0 "/FROMSETUP" $1
    ${If} ${Errors}
        Call un.TakeSetupMutex
    ${Else}
        ; Run by a setup that holds the mutex and closed the programs.
        StrCpy $FromSetup "1"
        StrCpy $Purge "0"
        InitPluginsDir
        File "/oname=$PLUGINSDIR\setup_helper.exe" "${PROGRAM_DIR}\setup_helper.exe"
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
    ${NSD_CreateLabel} 12u 62u -12u 28u "The settings of Umbrix and Vandric (in the registry under HKEY_CURRENT_USER\Software\Corvane). Without this they stay for a later installation."
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
    ${If} $FromSetup != "1"
        Call un.CloseRunningPrograms
    ${EndIf}

    ; The shared entries (Add/Remove entry, Start-menu folder, Run value,
    ; desktop shortcuts) belong to the registered installation: an
    ; uninstaller left in another folder leaves them to it.
    ReadRegStr $R0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ReadRegStr $R2 HKCU "${UNINSTALL_KEY}" "InstalledFiles"
    ReadRegDWORD $R1 HKCU "${UNINSTALL_KEY}" "FolderCreatedBySetup"
    ${If} $R0 != $INSTDIR
        DetailPrint "Umbrix is registered in another folder ($R0): its entries and files are left to it."
    ${Else}
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
    ${EndIf}

    ; The tips file in the all-users folder stays: other users' settings
    ; say it was seeded, so it would never come back for them.
    ${If} $Purge == "1"
        DetailPrint "Removing the settings..."
        DeleteRegKey HKCU "${SETTINGS_KEY}\Umbrix"
        DeleteRegKey HKCU "${SETTINGS_KEY}\Vandric"
        DeleteRegKey /ifempty HKCU "${SETTINGS_KEY}"
    ${EndIf}

    ; Only the files setup installed, and only while unchanged; a folder
    ; only when setup made it and nothing else is left in it.
    ${If} $R0 == $INSTDIR
        nsExec::ExecToLog '"$PLUGINSDIR\setup_helper.exe" remove "$INSTDIR" "$R2"'
        Pop $0
        ${If} $R1 == 1
            RMDir "$INSTDIR"
        ${EndIf}
        ; Last, so that an uninstallation that stopped can be run again.
        DeleteRegKey HKCU "${UNINSTALL_KEY}"
    ${EndIf}
SectionEnd
