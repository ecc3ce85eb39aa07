// The daily schedule, the screen corner and the low-battery alert, called
// directly with a fixed clock, cursor or power status; requests recorded.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/date_codec_win.h"
#include "framework/app.h"
#include "resources/resource.h"
#include "schedule/battery_alert.h"
#include "schedule/battery_win.h"
#include "schedule/daily_schedule.h"
#include "schedule/daily_schedule_win.h"
#include "schedule/screen_corner.h"
#include "schedule/screen_corner_win.h"
#include "shell/main_frame.h"
#include "win/modal_script.h"
#include "win/recording_system.h"
#include "win/test_app.h"

namespace {

using Lines = std::vector<std::wstring>;

constexpr double kSecond = 1.0 / 86400.0;
constexpr double kDay = 46365.0;  // 9 December 2026
double At(int h, int m, int s, double day = kDay)
{
    return day + (h * 3600 + m * 60 + s) * kSecond;
}

// Without a main window the display requests go to HWND_BROADCAST.
const std::wstring kOff = L"SendMessageW 65535 274 61808 2";
const std::wstring kOn = L"SendMessageW 65535 274 61808 -1";

class ScheduleChecks : public testing::Test {
protected:
    void SetUp() override
    {
        ResetTestProfile();
        Profile().WriteInt(kSettingsSection, L"ConfirmationDialogVoiceAlert", 0);
    }
    static ISettingsStore& Profile() { return AfxProfile(); }

    CRecordingSystem m_system;
    CSystemOverride m_override{m_system};
};

class DailySchedule : public ScheduleChecks {
protected:
    void Store(double off, int offEnabled, double on, int onEnabled)
    {
        CAppSettings writer(Profile(), m_codec);
        writer.SetDailyOffEnabled(offEnabled);
        writer.SetDailyOffTime({off, true});
        writer.SetDailyOnEnabled(onEnabled);
        writer.SetDailyOnTime({on, true});
    }
    Lines Check(double now)
    {
        m_system.ClearRequests();
        CheckDailySchedule(nullptr, *m_settings, m_schedule, now);
        return m_system.Requests();
    }
    void SetUp() override
    {
        ScheduleChecks::SetUp();
        // After the profile was reset: the cache keeps a reference to the store.
        m_settings = std::make_unique<CAppSettings>(AfxProfile(), m_codec);
    }

    CVariantDateCodec m_codec;
    std::unique_ptr<CAppSettings> m_settings;
    CDailySchedule m_schedule;
};

TEST_F(DailySchedule, SwitchesOffAtTheStoredSecondOncePerDayAndOnAtItsOwn)
{
    Store(At(22, 30, 0, kDay - 400), 1, At(7, 0, 0, kDay - 3), 1);
    EXPECT_EQ(Check(At(22, 29, 59)), Lines{});
    EXPECT_EQ(Check(At(22, 30, 0)), (Lines{L"BlockInput 0", kOff}));
    EXPECT_EQ(Check(At(22, 30, 1)), Lines{});
    EXPECT_EQ(Check(At(7, 0, 0, kDay + 1)), (Lines{kOn, L"SetThreadExecutionState 2"}));
    EXPECT_EQ(Check(At(7, 0, 1, kDay + 1)), Lines{});
    // A tick that skipped the stored second still fires, a few seconds late.
    EXPECT_EQ(Check(At(22, 30, 3, kDay + 1)), (Lines{L"BlockInput 0", kOff}));
}

TEST_F(DailySchedule, LocksFirstWhenAskedAndStaysQuietWhenDisabled)
{
    Profile().WriteInt(kSettingsSection, L"Lock Daily", 1);
    Store(At(22, 30, 0), 1, At(7, 0, 0), 0);
    EXPECT_EQ(Check(At(22, 30, 0)), (Lines{L"BlockInput 0", L"LockWorkStation", kOff}));
    EXPECT_EQ(Check(At(7, 0, 0, kDay + 1)), Lines{});
}

TEST_F(DailySchedule, ConfirmationDecidesAndIsNotOpenedTwice)
{
    Profile().WriteInt(kSettingsSection, L"Turn Off Daily Confirmation", 1);
    Store(At(22, 30, 0), 1, At(7, 0, 0), 0);
    for (const int button : {IDCANCEL, IDOK}) {
        int countdowns = 0;
        Lines nested;
        CModalScript script;
        script.Then([&] {
            HWND box = FindThreadDialog(L"Umbrix - Confirmation Dialog");
            if (!box) return false;
            ++countdowns;
            EXPECT_EQ(ControlText(box, IDC_CONFIRM_MESSAGE).find(L"Action Umbrix Would be performed after"), 0u);
            // A tick during the countdown, a second later: nothing new opens.
            nested = Check(At(22, 30, 1, button == IDOK ? kDay + 1 : kDay));
            PostClick(box, button);
            return true;
        });
        script.Start();
        const Lines got = Check(At(22, 30, 0, button == IDOK ? kDay + 1 : kDay));
        EXPECT_TRUE(script.Finished());
        EXPECT_EQ(countdowns, 1);
        EXPECT_EQ(nested, Lines{});
        EXPECT_EQ(got, button == IDOK ? (Lines{L"BlockInput 0", kOff}) : Lines{}) << button;
    }
}

class ScreenCorner : public ScheduleChecks {
protected:
    void Configure(int corner, int enabled, const std::wstring& action)
    {
        Profile().WriteInt(kSettingsSection, L"CursorLocationForAction", corner);
        Profile().WriteInt(kSettingsSection, L"Do Action at Screen Corner", enabled);
        Profile().WriteString(kSettingsSection, L"Action at Screen Corner", action);
    }
    bool Check(std::optional<POINT> cursor)
    {
        return CheckScreenCorner(nullptr, {cursor, m_monitors}, m_corner, [this](DWORD ms) { m_waits.push_back(ms); });
    }

    CScreenCorner m_corner;
    std::vector<DWORD> m_waits;
    std::vector<MonitorArea> m_monitors{{0, 0, 1920, 1080}};
};

TEST_F(ScreenCorner, ListsTheDesktopsMonitorsAndFiresOnlyAtItsOuterCorner)
{
    // Xvfb has one screen: the list, sampled with the cursor, is the primary display.
    const CCornerSample sample = SampleCursorAndMonitors();
    EXPECT_TRUE(sample.cursor.has_value());
    const std::vector<MonitorArea>& monitors = sample.monitors;
    ASSERT_EQ(monitors.size(), 1u);
    EXPECT_TRUE(monitors[0].primary);
    EXPECT_EQ(monitors[0].left + monitors[0].top, 0);
    EXPECT_EQ(monitors[0].right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(monitors[0].bottom, GetSystemMetrics(SM_CYSCREEN));
    // A second monitor to the right: the primary's upper right is an inner edge.
    m_monitors.push_back({1920, 0, 3840, 1080});
    Configure(1, 1, L"Umbrix");
    for (int tick = 0; tick < 3; ++tick) EXPECT_TRUE(Check(POINT{1919, 0}));
    EXPECT_EQ(m_system.Requests(), Lines{});
    Check(POINT{3839, 0});
    EXPECT_EQ(m_system.Requests(), (Lines{L"BlockInput 0", kOff}));
}

TEST_F(ScreenCorner, RunsOnceOnTheCornerAndAgainOnlyAfterLeaving)
{
    Configure(1, 1, L"UMBRIX");
    const struct {
        POINT cursor;
        bool fires;
    } ticks[] = {
        {{1919, 0}, false},  // never sampled before: does not count
        {{1919, 0}, true},   {{1919, 0}, false}, {{1918, 0}, false}, {{1919, 0}, true},
    };
    for (const auto& t : ticks) {
        m_system.ClearRequests();
        EXPECT_TRUE(Check(t.cursor));
        EXPECT_EQ(m_system.Requests(), t.fires ? (Lines{L"BlockInput 0", kOff}) : Lines{}) << t.cursor.x;
    }
    EXPECT_EQ(m_waits, (std::vector<DWORD>{1000, 1000}));
}

TEST_F(ScreenCorner, LockActionAndUnconfiguredCorner)
{
    Configure(2, 1, L"Lock WorkStation and Umbrix");
    Check(POINT{0, 1079});
    m_system.ClearRequests();
    Check(POINT{0, 1079});
    EXPECT_EQ(m_system.Requests(), (Lines{L"LockWorkStation", L"BlockInput 0", kOff}));

    Configure(-1, 1, L"Umbrix");
    m_system.ClearRequests();
    EXPECT_FALSE(Check(POINT{0, 0}));
    EXPECT_EQ(m_system.Requests(), Lines{});
}

class BatteryAlert : public ScheduleChecks {
protected:
    void SetUp() override
    {
        ScheduleChecks::SetUp();
        ASSERT_TRUE(m_frame.Create());
        AfxGetApp()->m_pMainWnd = &m_frame;
    }
    void TearDown() override { AfxGetApp()->m_pMainWnd = nullptr; }
    void Broadcast() { SendMessageW(m_frame.GetSafeHwnd(), WM_POWERBROADCAST, PBT_APMPOWERSTATUSCHANGE, 0); }

    CMainFrame m_frame;
};

TEST_F(BatteryAlert, SpeaksForLowOrCriticalOnBattery)
{
    Profile().WriteInt(kSettingsSection, L"Display Low Battery Alert", 1);
    const struct {
        BYTE flag;
        bool speaks;
    } cases[] = {{2, true}, {4, true}, {10, false}, {12, false}, {128, false}, {255, false}};
    for (const auto& c : cases) {
        m_system.m_powerStatus.BatteryFlag = c.flag;
        const size_t before = m_system.Spoken().size();
        Broadcast();
        const auto spoken = m_system.Spoken();
        ASSERT_EQ(spoken.size(), before + (c.speaks ? 1 : 0)) << int(c.flag);
        if (c.speaks) {
            EXPECT_EQ(spoken.back().text,
                      L"Battery Power Low, you might wish to charge the laptop.\nBattery Power Low, Battery Low.");
        }
    }
    Profile().WriteString(kSettingsSection, L"LowPowerText", L"Plug me in");
    m_system.m_powerStatus.BatteryFlag = 2;
    Broadcast();
    EXPECT_EQ(m_system.Spoken().back().text, L"Plug me in");
}

TEST_F(BatteryAlert, OffByDefaultWithoutEvenReadingTheStatus)
{
    m_system.m_powerStatus.BatteryFlag = 2;
    Broadcast();
    EXPECT_EQ(m_system.PowerReads(), 0);
    EXPECT_TRUE(m_system.Spoken().empty());
}

TEST_F(BatteryAlert, FailedReadIsReported)
{
    Profile().WriteInt(kSettingsSection, L"Display Low Battery Alert", 1);
    m_system.m_powerStatusResult = FALSE;
    std::wstring text;
    CModalScript script;
    script.Then([&] {
        HWND box = FindThreadDialog(L"Umbrix");
        if (!box) return false;
        text = MessageBoxText(box);
        PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return true;
    });
    script.Start();
    Broadcast();
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(text, L"Failed to Load Battery Information\nYou might Wish to Disable Power Alerts from Umbrix Settings.");
    EXPECT_TRUE(m_system.Spoken().empty());
}

TEST_F(ScheduleChecks, BatteryKeepsTheLastGoodReadAfterAFailure)
{
    m_system.m_powerStatus = SYSTEM_POWER_STATUS{0, 2, 17, 0, 600, 3600};
    CBattery battery;
    EXPECT_EQ(battery.m_valid, 1);
    m_system.m_powerStatusResult = FALSE;
    battery.Refresh();
    EXPECT_EQ(battery.m_valid, 0);
    EXPECT_EQ(battery.m_acLineStatus, 0);
    EXPECT_EQ(battery.m_batteryFlag, 2);
    EXPECT_EQ(battery.m_lifePercent, 17);
    EXPECT_EQ(battery.m_lifeTime, 600u);
    EXPECT_EQ(battery.m_fullLifeTime, 3600u);
}

}  // namespace
