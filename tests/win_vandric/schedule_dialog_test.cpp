// The schedule dialog (135) under Wine, driven through its own modal loop.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/app.h"
#include "resources/vandric_resource.h"
#include "timer/dlg_schedule.h"
#include "win/modal_script.h"
#include "win_vandric/recording_requests.h"

namespace {

const wchar_t kCaption[] = L"Schedule Action - Vandric";

ISettingsStore& Profile()
{
    return AfxProfile();
}

int Selected(HWND dialog, int id)
{
    return static_cast<int>(SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0));
}

struct Seen {
    int action = -2;
    int minutes = -2;
    int actionCount = 0;
    int minuteCount = 0;
    std::wstring minutesText;
    bool checked = false;
    std::wstring last;
    std::wstring clock;
    std::wstring message;
};

class VandricSchedule : public testing::Test {
protected:
    void SetUp() override { ResetVandricTestProfile(); }

    HWND Dialog() { return m_dialog = FindThreadDialog(kCaption); }

    // Opens the dialog, notes what it shows, then runs `then`.
    INT_PTR Run(CDlgSchedule& dlg, Seen& seen, CModalScript::Step then, DWORD limit = 10000)
    {
        CModalScript script(limit);
        script.Then([&] { return Dialog() != nullptr; })
            .Then([&] {
                seen.action = Selected(m_dialog, IDC_SCHEDULE_ACTION);
                seen.minutes = Selected(m_dialog, IDC_SCHEDULE_MINUTES);
                seen.actionCount = static_cast<int>(SendDlgItemMessageW(m_dialog, IDC_SCHEDULE_ACTION, CB_GETCOUNT, 0, 0));
                seen.minuteCount = static_cast<int>(SendDlgItemMessageW(m_dialog, IDC_SCHEDULE_MINUTES, CB_GETCOUNT, 0, 0));
                wchar_t text[16] = {};
                SendDlgItemMessageW(m_dialog, IDC_SCHEDULE_MINUTES, CB_GETLBTEXT, 119, reinterpret_cast<LPARAM>(text));
                seen.minutesText = text;
                seen.checked = IsDlgButtonChecked(m_dialog, IDC_SCHEDULE_MONITOR_OFF) == BST_CHECKED;
                seen.last = ControlText(m_dialog, IDC_SCHEDULE_LAST);
                return true;
            })
            .Then(std::move(then));
        script.Start();
        const INT_PTR result = dlg.DoModal();
        EXPECT_FALSE(script.TimedOut());
        return result;
    }

    HWND m_dialog = nullptr;
};

}  // namespace

TEST_F(VandricSchedule, FreshProfileOffersShutdownSixtyMinutesAndMonitorOff)
{
    CDlgSchedule dlg;
    Seen seen;
    const DWORD start = GetTickCount();
    const INT_PTR result = Run(dlg, seen, [&] {
        if (GetTickCount() - start < 1300) return false;
        seen.clock = ControlText(m_dialog, IDC_SCHEDULE_CURRENT);
        PostClick(m_dialog, IDOK);
        return true;
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(seen.actionCount, 5);
    EXPECT_EQ(seen.minuteCount, 120);
    EXPECT_EQ(seen.minutesText, L"120");
    EXPECT_EQ(seen.action, 0);
    EXPECT_EQ(seen.minutes, 59);
    EXPECT_TRUE(seen.checked);
    EXPECT_EQ(seen.last, L"");
    EXPECT_EQ(seen.clock.rfind(L"Current : ", 0), 0u) << "clock line after a second: " << seen.clock.size();
    EXPECT_GT(seen.clock.size(), 12u);

    EXPECT_EQ(dlg.m_action, L"Shutdown");
    EXPECT_EQ(dlg.m_minutes, 60);
    EXPECT_EQ(dlg.m_monitorOff, 1);
    EXPECT_EQ(Profile().ReadString(kSettingsSection, L"Action", L"?"), L"Shutdown");
    EXPECT_EQ(Profile().ReadInt(kSettingsSection, L"Duration", -1), 60);
    EXPECT_EQ(Profile().ReadInt(kSettingsSection, L"POM", -1), 1);
    EXPECT_NE(Profile().ReadString(kSettingsSection, L"LastSchedule", L""), L"");
}

TEST_F(VandricSchedule, StoredChoiceIsShownAndANewOneStored)
{
    Profile().WriteString(kSettingsSection, L"Action", L"shutdown(brute)");
    Profile().WriteInt(kSettingsSection, L"Duration", 5);
    Profile().WriteInt(kSettingsSection, L"POM", 0);
    Profile().WriteString(kSettingsSection, L"LastSchedule", L"12/8/2026 9:00:00 AM");
    CDlgSchedule dlg;
    Seen seen;
    const INT_PTR result = Run(dlg, seen, [&] {
        SendDlgItemMessageW(m_dialog, IDC_SCHEDULE_ACTION, CB_SETCURSEL, 3, 0);
        SendDlgItemMessageW(m_dialog, IDC_SCHEDULE_MINUTES, CB_SETCURSEL, 119, 0);
        PostClick(m_dialog, IDOK);
        return true;
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(seen.action, 1);
    EXPECT_EQ(seen.minutes, 4);
    EXPECT_FALSE(seen.checked);
    EXPECT_EQ(seen.last, L"Last Schedule : 12/8/2026 9:00:00 AM");
    EXPECT_EQ(dlg.m_action, L"Restart(Brute)");
    EXPECT_EQ(dlg.m_minutes, 120);
    EXPECT_EQ(dlg.m_monitorOff, 0);
    EXPECT_EQ(Profile().ReadString(kSettingsSection, L"Action", L"?"), L"Restart(Brute)");
    EXPECT_EQ(Profile().ReadInt(kSettingsSection, L"Duration", -1), 120);
    EXPECT_EQ(Profile().ReadInt(kSettingsSection, L"POM", -1), 0);
}

// Stored values that select nothing: OK explains and keeps the dialog open.
TEST_F(VandricSchedule, NothingSelectedAsksAndStaysOpen)
{
    const struct {
        const wchar_t* action;
        int duration;
        const wchar_t* message;
        const wchar_t* storedAction;  // after OK
    } cases[] = {
        {L"Shutdown", 0, L"Please select Duration to continue.", L"Shutdown"},
        {L"log off", 121, L"Please select Duration to continue.", L"Log Off"},
        {L"Hibernate", 60, L"Please select the Action to perform to continue.", L"Hibernate"},
    };
    for (const auto& k : cases) {
        ResetVandricTestProfile();
        Profile().WriteString(kSettingsSection, L"Action", k.action);
        Profile().WriteInt(kSettingsSection, L"Duration", k.duration);
        CDlgSchedule dlg;
        Seen seen;
        HWND box = nullptr;
        bool openAfter = false;
        CModalScript script;
        script.Then([&] { return Dialog() != nullptr; })
            .Then([&] {
                PostClick(m_dialog, IDOK);
                return true;
            })
            .Then([&] { return (box = FindThreadDialog(L"Vandric")) != nullptr; })
            .Then([&] {
                seen.message = MessageBoxText(box);
                PostClick(box, IDOK);
                return true;
            })
            .Then([&] { return FindThreadDialog(L"Vandric") == nullptr; })
            .Then([&] {
                openAfter = IsWindowVisible(m_dialog) != FALSE;
                PostClick(m_dialog, IDCANCEL);
                return true;
            });
        script.Start();
        EXPECT_EQ(dlg.DoModal(), IDCANCEL) << k.action;
        EXPECT_FALSE(script.TimedOut()) << k.action;
        EXPECT_EQ(seen.message, k.message) << k.action;
        EXPECT_TRUE(openAfter) << k.action;
        EXPECT_EQ(Profile().ReadString(kSettingsSection, L"Action", L"?"), k.storedAction) << k.action;
        EXPECT_EQ(Profile().ReadInt(kSettingsSection, L"Duration", -1), k.duration) << "not written";
        EXPECT_EQ(Profile().ReadString(kSettingsSection, L"LastSchedule", L"none"), L"none");
    }
}

TEST_F(VandricSchedule, MonitorOffFlagOfAnotherValueOrTypeReadsAsChecked)
{
    for (int variant = 0; variant < 2; ++variant) {
        ResetVandricTestProfile();
        if (variant == 0)
            Profile().WriteInt(kSettingsSection, L"POM", 7);
        else
            Profile().WriteString(kSettingsSection, L"POM", L"0");
        CDlgSchedule dlg;
        Seen seen;
        Run(dlg, seen, [&] {
            PostClick(m_dialog, IDCANCEL);
            return true;
        });
        EXPECT_TRUE(seen.checked) << variant;
        EXPECT_EQ(Profile().ReadString(kSettingsSection, L"Action", L"unchanged"), L"unchanged") << "Cancel stores nothing";
    }
}
