#include "shell/launcher_table.h"

#include <string>

#include "resources/resource.h"
#include "shell/launchers.h"

namespace {

using B = LauncherBase;
using H = LauncherHandler;
using S = LauncherShow;

const Launcher kLaunchers[] = {
    {ID_SETTINGS_THEME, H::View, B::SystemDirectory, L"\\control.exe", L"Open", L" desk.cpl,Themes,@Themes", S::Normal, false},
    {ID_SETTINGS_SCREEN_SAVER, H::View, B::SystemDirectory, L"\\control.exe", L"Open",
     L" desk.cpl,screensaver,@screensaver", S::Normal, false},
    {ID_SETTINGS_BACKGROUND, H::View, B::SystemDirectory, L"\\control.exe", L"Open",
     L" /name Microsoft.Personalization /page pageWallpaper", S::Normal, false},
    {ID_SETTINGS_COLOR_SCHEME, H::View, B::SystemDirectory, L"\\control.exe", L"Open",
     L" /name Microsoft.Personalization /page pageColorization", S::Normal, false},
    {ID_SETTINGS_DPI, H::View, B::SystemDirectory, L"\\DpiScaling.exe", L"Open", L"", S::Normal, false},
    {ID_SETTINGS_PROGRAMS, H::View, B::SystemDirectory, L"\\control.exe", L"Open",
     L"/name Microsoft.ProgramsAndFeatures", S::Normal, false},
    {ID_SETTINGS_POWER_PLAN, H::View, B::SystemDirectory, L"\\control.exe", L"Open",
     L"/name Microsoft.PowerOptions /page pagePlanSettings", S::Normal, false},
    {ID_SETTINGS_ADD_REMOVE, H::View, B::SystemDirectory, L"\\Control.exe", L"Open", L"appwiz.cpl", S::Normal, false},
    {ID_SETTINGS_DISPLAY, H::View, B::SystemDirectory, L"\\Control.exe", L"Open", L"desk.cpl", S::Normal, false},
    {ID_SETTINGS_POWER, H::View, B::SystemDirectory, L"\\Control.exe", L"Open", L"powercfg.cpl", S::Normal, false},
    {ID_SETTINGS_SYSTEM, H::View, B::SystemDirectory, L"\\Control.exe", L"Open", L"sysdm.cpl", S::Normal, false},
    {ID_SETTINGS_SOUND, H::View, B::SystemDirectory, L"\\Control.exe", L"Open", L"mmsys.cpl sounds", S::Normal, false},
    {ID_SETTINGS_INTERNET, H::View, B::SystemDirectory, L"\\Control.exe", L"Open", L"inetcpl.cpl", S::Normal, false},

    {ID_LAUNCH_VANDRIC, H::View, B::ProgramFolder, L"Vandric.exe", L"open", L"", S::Normal, false},
    {ID_LAUNCH_PIMBROOK, H::View, B::ProgramFolder, L"Pimbrook.exe", L"open", L"", S::Normal, false},
    {ID_LOCK_KEYBOARD_MOUSE, H::View, B::ProgramFolder, L"Brandle.exe", L"runas", L"", S::Normal, false},
    {ID_KEYBOARD_SHORTCUTS, H::View, B::ProgramFolder, L"Tarnwick.exe", L"open", L":LaunchedFromUBX", S::Normal, false},
    {ID_LAUNCH_DORVELL, H::View, B::ProgramFolder, L"Dorvell.exe", L"runas", L"", S::Normal, false},
    {ID_LAUNCH_QUORVEL, H::View, B::ProgramFolder, L"Quorvel.exe", L"open", L"", S::Normal, true},
    {ID_LAUNCH_QUORVEL_ELEVATED, H::View, B::ProgramFolder, L"Quorvel.exe", L"runas", L"", S::Normal, false},

    {ID_VISIT_WEBSITE, H::View, B::Address, kProductWebsite, L"Open", L"", S::Normal, false},
    {ID_WEB_NEW_VERSION_MAIL, H::View, B::Address, kNewVersionMailPage, L"Open", L"", S::Normal, false},
    {ID_WEB_OTHER_PRODUCT, H::Frame, B::Address, kOtherProductWebsite, L"Open", L"", S::Maximized, false},
    {ID_WEB_PROGRAM_LIST, H::Frame, B::Address, kProgramListWebsite, L"Open", L"", S::Maximized, false},
    {ID_WEB_BUNDLE_OFFER, H::Frame, B::Address, kBundleOfferPage, L"Open", L"", S::Maximized, false},
};

}  // namespace

const Launcher* FindLauncher(unsigned command, LauncherHandler handler)
{
    for (const Launcher& launcher : kLaunchers)
        if (launcher.command == command && launcher.handler == handler) return &launcher;
    return nullptr;
}

const wchar_t* ServiceNoticeText()
{
    static const std::wstring text =
        std::wstring(
            L"This is a One Time Message Box.\n\nUmbrix Service Runs in Background even if User is not Logged In.\n"
            L"You can specify the Idle Minutes after which Monitor Should be Turned Off.\n"
            L"Umbrix Service has been tested on Windows XP only.\nUmbrix Service does not works on Windows Vista.\n\n"
            L"The Other Menu Option [Umbrix if Computer Idle...] works only when User is Logged Onto the System and "
            L"the Umbrix Application is Running(Which by Default Displays an Icon in System Tray).\n"
            L"Icon in System Tray will display a ToolTip if this menu option has been configured.\n"
            L"Setup Adds Umbrix to Startup by default.\nThis Option Works on Windows Vista as well.\n\n"
            L"Customer Support can be reached by writing to ") +
        kSupportAddress + L".";
    return text.c_str();
}
