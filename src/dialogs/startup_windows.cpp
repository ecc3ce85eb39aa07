#include "dialogs/startup_windows.h"

#include "dialogs/app_look.h"
#include "dialogs/dlg_help_videos.h"
#include "dialogs/tip_dlg.h"

bool HelpVideosShown(ISettingsStore& profile)
{
    return profile.ReadInt(kWorkspaceSection, L"Help Videos Shown", 0) != 0;
}

void ShowHelpVideosOnFirstStart(ISettingsStore& profile)
{
    if (HelpVideosShown(profile)) return;
    // Remembered before showing: a window that cannot be closed normally
    // (the session ends meanwhile) still counts as shown.
    profile.WriteInt(kWorkspaceSection, L"Help Videos Shown", 1);
    CDlgHelpVideos dialog;
    dialog.DoModal();
}

void ShowTipOfDayAtStartup(ISettingsStore& profile, const std::wstring& tipsPath)
{
    CTipDlg dialog(profile, tipsPath);
    if (dialog.StartUp()) dialog.DoModal();
}
