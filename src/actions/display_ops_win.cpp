#include "actions/display_ops.h"

#include "actions/program_path.h"
#include "actions/speech_win.h"
#include "actions/system_requests.h"
#include "actions/version_class.h"
#include "app/settings_store.h"
#include "app/app_settings.h"
#include "app/tips_file.h"
#include "framework/app.h"
#include "framework/registry_store.h"
#include "framework/win_text.h"

namespace {

constexpr LPARAM kDisplayOff = 2;
constexpr LPARAM kDisplayOn = -1;

void ShowError(HWND owner, const wchar_t* text)
{
    MessageBoxW(owner, text, L"Umbrix", MB_ICONERROR);
}

bool FileExists(const std::wstring& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

HWND DisplayTarget()
{
    HWND frame = AfxGetMainHwnd();
    return frame && IsWindow(frame) ? frame : HWND_BROADCAST;
}

std::wstring CompanionPath(const std::wstring& fileName)
{
    return ProgramFilePath(GetProgramFolder(), fileName);
}

void MonitorOff(int lock)
{
    ISystemRequests& system = System();
    ISettingsStore& profile = AfxProfile();
    system.BlockInput(FALSE);
    const bool blocked = profile.ReadInt(kSettingsSection, L"AllowWakeUpWithMouse", 1) != 1;
    if (blocked) system.BlockInput(TRUE);

    Sleep(UserPauseMs(1600));

    // A failure message must never be left for a user whose keyboard and
    // mouse are blocked: lift the block before showing it.
    if (lock == 1 && system.LockWorkStation() <= 0) {
        if (blocked) system.BlockInput(FALSE);
        ShowError(nullptr, L"Could not Lock the WorkStation. Action Aborted.");
        return;
    }

    const bool password = profile.ReadInt(kSettingsSection, L"EnableSellory", 0) != 0;
    const std::wstring companion = CompanionPath(L"Sellory.exe");
    if (password && !FileExists(companion)) {
        if (blocked) system.BlockInput(FALSE);
        ShowError(nullptr,
                  L"Could not protect screen with password.\nEither disable password protection or re-install the "
                  L"application or write to support team about that.\nAborting Action for now.");
        return;
    }

    system.SendMonitorPower(DisplayTarget(), kDisplayOff);

    if (password) {
        Sleep(500);
        system.ShellExecuteFile(L"Open", companion, L"", SW_HIDE);
    }
}

void MonitorOn()
{
    ISystemRequests& system = System();
    system.SendMonitorPower(DisplayTarget(), kDisplayOn);
    // Windows 8 and later ignore SC_MONITORPOWER -1. Asking for the display
    // once resets its idle timer, which turns it on, without touching the idle
    // time that synthetic input would reset; without ES_CONTINUOUS a
    // keep-awake request in force stays as it is.
    system.SetThreadExecutionState(ES_DISPLAY_REQUIRED);
}

void LockAndMonitorOff(HWND owner)
{
    if (System().LockWorkStation() == 1) {
        MonitorOff(0);
        return;
    }
    ShowError(owner, L"Could not Lock the WorkStation. Action Aborted");
}

int LockWorkStationNow()
{
    const int result = System().LockWorkStation();
    return result < 0 ? 0 : result;
}

bool ReadScreenSaverPath(HKEY desktopKey, std::wstring& path)
{
    path.clear();
    const bool found = QueryRegistryString(desktopKey, L"SCRNSAVE.EXE", path);
    if (!found) path.clear();
    return found;
}

void StartDefaultScreenSaver()
{
    CRegKey desktop;
    std::wstring path;
    if (desktop.Open(HKEY_CURRENT_USER, L"Control Panel\\Desktop", KEY_READ) == ERROR_SUCCESS &&
        ReadScreenSaverPath(desktop.Get(), path)) {
        // A present but empty value counts as set: nothing visible happens.
        if (!path.empty()) System().ShellExecuteFile(L"Open", path, L"", SW_SHOW);
        return;
    }
    if (GetWindowsVersionClass() != 106) {
        MessageBoxW(nullptr,
                    L"It Seems Default ScreenSaver is not set in ScreenSaver Properties.\nPlease check ScreenSaver "
                    L"Properties and try again.",
                    L"Umbrix", MB_ICONINFORMATION);
        return;
    }
    if (MessageBoxW(nullptr,
                    L"It Seems Default ScreenSaver is not set in ScreenSaver Properties.\nWould you like to Open "
                    L"ScreenSaver Properties?",
                    L"Umbrix", MB_ICONQUESTION | MB_YESNO) == IDYES)
        System().ShellExecuteFile(L"Open", GetSystemDirectoryString() + L"\\control.exe",
                              L" desk.cpl,screensaver,@screensaver", SW_SHOW);
}

void ScreenSaverAlert()
{
    ISettingsStore& profile = AfxProfile();
    if (profile.ReadInt(kSettingsSection, L"AlertScr", 1) != 0) SpeakText(ReadAlertTextScr(profile));
}

int GetWindowsVersionClass()
{
    // GetVersionEx is deprecated and, without a manifest, lies about versions
    // after 8; RtlGetVersion always tells the truth and fills the same record.
    using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOEXW*);
    OSVERSIONINFOEXW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    auto rtlGetVersion = ntdll ? reinterpret_cast<RtlGetVersionFn>(GetProcAddress(ntdll, "RtlGetVersion")) : nullptr;
    if (!rtlGetVersion || rtlGetVersion(&info) != 0) return 0;
    return ClassifyWindowsVersion(info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion,
                                  info.dwBuildNumber & 0xFFFF);
}
