// The schedule dialog (135) with stored values that select nothing: OK
// explains, keeps the dialog open, and has stored what it got to.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/app.h"
#include "resources/vandric_resource.h"
#include "timer/dlg_schedule.h"
#include "win/modal_script.h"
#include "win_vandric/recording_requests.h"

TEST(VandricSchedule, NothingSelectedAsksAndStaysOpen)
{
    const struct {
        const wchar_t* action;
        int duration;
        const wchar_t* message;
        const wchar_t* storedAction;  // after OK
    } cases[] = {
        {L"shutdown", 0, L"Please select Duration to continue.", L"Shutdown"},
        {L"log off", 121, L"Please select Duration to continue.", L"Log Off"},
        {L"Hibernate", 60, L"Please select the Action to perform to continue.", L"Hibernate"},
    };
    for (const auto& k : cases) {
        ResetVandricTestProfile();
        ISettingsStore& profile = AfxProfile();
        profile.WriteString(kSettingsSection, L"Action", k.action);
        profile.WriteInt(kSettingsSection, L"Duration", k.duration);
        profile.WriteInt(kSettingsSection, L"POM", 7);  // not 0/1: the default, checked
        HWND dialog = nullptr, box = nullptr;
        std::wstring said;
        bool checked = false, openAfter = false;
        CModalScript script;
        script.Then([&] { return (dialog = FindThreadDialog(L"Schedule Action - Vandric")) != nullptr; })
            .Then([&] {
                checked = IsDlgButtonChecked(dialog, IDC_SCHEDULE_MONITOR_OFF) == BST_CHECKED;
                PostClick(dialog, IDOK);
                return true;
            })
            .Then([&] { return (box = FindThreadDialog(L"Vandric")) != nullptr; })
            .Then([&] {
                said = MessageBoxText(box);
                PostClick(box, IDOK);
                return true;
            })
            .Then([&] { return FindThreadDialog(L"Vandric") == nullptr; })
            .Then([&] {
                openAfter = IsWindowVisible(dialog) != FALSE;
                PostClick(dialog, IDCANCEL);
                return true;
            });
        CDlgSchedule dlg;
        script.Start();
        EXPECT_EQ(dlg.DoModal(), IDCANCEL) << k.action;
        EXPECT_FALSE(script.TimedOut()) << k.action;
        EXPECT_TRUE(checked) << k.action;
        EXPECT_EQ(said, k.message) << k.action;
        EXPECT_TRUE(openAfter) << k.action;
        EXPECT_EQ(profile.ReadString(kSettingsSection, L"Action", L"?"), k.storedAction) << k.action;
        EXPECT_EQ(profile.ReadString(kSettingsSection, L"LastSchedule", L"none"), L"none") << k.action;
    }
}
