// The dialogs of the daily schedule, the screen corner, hibernate and
// wake-up and the battery alert, driven from inside their modal loops.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/date_codec_win.h"
#include "framework/app.h"
#include "resources/resource.h"
#include "schedule/daily_schedule.h"
#include "schedule/dlg_battery_alert.h"
#include "schedule/dlg_cursor_tracer.h"
#include "schedule/dlg_daily.h"
#include "schedule/hibernate_wake_win.h"
#include "schedule/local_time_win.h"
#include "win/modal_script.h"
#include "win/recording_system.h"
#include "win/test_app.h"

namespace {

using Lines = std::vector<std::wstring>;

const wchar_t kFuture[] = L"Please selected Date/Time in Future to Continue.";
const wchar_t kResumeCaption[] = L"Umbrix - Hibernate & WakeUp";

class ScheduleDialogs : public testing::Test {
protected:
    void SetUp() override
    {
        ResetTestProfile();
        Profile().WriteInt(kSettingsSection, L"ConfirmationDialogVoiceAlert", 0);
    }
    static ISettingsStore& Profile() { return AfxProfile(); }

    // A step that answers the message box with `caption` (OK), records its
    // text and is done once the box has gone.
    static CModalScript::Step Answer(std::wstring& text, const std::wstring& caption = L"Umbrix")
    {
        auto box = std::make_shared<HWND>(nullptr);
        return [&text, caption, box] {
            if (*box) return !IsWindow(*box);
            HWND found = FindThreadDialog(caption);
            if (!found || !GetDlgItem(found, 0xFFFF)) return false;
            *box = found;
            text = MessageBoxText(found);
            PostMessageW(found, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            return false;
        };
    }
    static CModalScript::Step Click(const std::wstring& caption, int id)
    {
        return [caption, id] {
            HWND dlg = FindThreadDialog(caption);
            if (!dlg) return false;
            PostClick(dlg, id);
            return true;
        };
    }
    static CModalScript::Step Gone(const std::wstring& caption)
    {
        return [caption] { return FindThreadDialog(caption) == nullptr; };
    }

    CRecordingSystem m_system;
    CSystemOverride m_override{m_system};
};

void SetPicker(HWND dlg, int id, WORD h, WORD m, WORD s)
{
    SYSTEMTIME t{};
    GetLocalTime(&t);
    t.wHour = h;
    t.wMinute = m;
    t.wSecond = s;
    t.wMilliseconds = 0;
    SendMessageW(GetDlgItem(dlg, id), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&t));
}

TEST_F(ScheduleDialogs, DailyRefusesEqualTimesThenStoresEverythingInOrder)
{
    const wchar_t caption[] = L"Umbrix - Umbrix Daily";
    CVariantDateCodec codec;
    CAppSettings settings(Profile(), codec);
    CDlgDaily dlg(nullptr, settings);
    std::wstring message;
    bool offTimeEnabled = true, confirmationEnabled = true;
    CModalScript script;
    script.Then([&] {
              HWND h = FindThreadDialog(caption);
              if (!h) return false;
              offTimeEnabled = IsWindowEnabled(GetDlgItem(h, IDC_DAILY_OFF_TIME)) != FALSE;
              confirmationEnabled = IsWindowEnabled(GetDlgItem(h, IDC_DAILY_CONFIRMATION)) != FALSE;
              SetPicker(h, IDC_DAILY_OFF_TIME, 22, 30, 0);
              SetPicker(h, IDC_DAILY_ON_TIME, 22, 30, 0);
              PostClick(h, IDC_DAILY_OFF_ENABLED);
              PostClick(h, IDC_DAILY_LOCK);
              PostClick(h, IDOK);
              return true;
          })
        .Then(Answer(message))
        .Then([&] {
            HWND h = FindThreadDialog(caption);
            if (!h) return false;
            SetPicker(h, IDC_DAILY_ON_TIME, 7, 0, 0);
            PostClick(h, IDOK);
            return true;
        });
    script.Start();
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(script.Finished());
    EXPECT_FALSE(offTimeEnabled);
    EXPECT_FALSE(confirmationEnabled);
    EXPECT_EQ(message, L"Umbrix and Turn On Monitor must be different.\nPlease Enter different values and try again.");
    EXPECT_EQ(Profile().ReadInt(kSettingsSection, L"Turn Off Daily", -1), 1);
    EXPECT_EQ(Profile().ReadInt(kSettingsSection, L"Lock Daily", -1), 1);
    EXPECT_EQ(Profile().ReadInt(kSettingsSection, L"Turn Off Daily Confirmation", -1), 0);
    EXPECT_EQ(Profile().ReadInt(kSettingsSection, L"Turn On Daily", -1), 0);
    COleTime off, on;
    CAppSettings reader(Profile(), codec);
    ASSERT_EQ(reader.GetDailyOffTime(off), 1);
    ASSERT_EQ(reader.GetDailyOnTime(on), 1);
    EXPECT_EQ(SecondOfDay(off.value), 22 * 3600 + 30 * 60);
    EXPECT_EQ(SecondOfDay(on.value), 7 * 3600);
}

TEST_F(ScheduleDialogs, CursorTracerAsksForCornerThenActionAndStores)
{
    const wchar_t caption[] = L"Umbrix - To Do When Cursor Reaches Corner";
    CDlgCursorTracer dlg;
    std::wstring first, second, position, initial;
    bool radiosEnabled = true;
    CModalScript script;
    script.Then([&] {
              HWND h = FindThreadDialog(caption);
              if (!h) return false;
              initial = ControlText(h, IDC_CORNER_POSITION);
              radiosEnabled = IsWindowEnabled(GetDlgItem(h, IDC_CORNER_TOP_LEFT)) != FALSE;
              PostClick(h, IDOK);
              return true;
          })
        .Then(Answer(first))
        .Then([&] {
            HWND h = FindThreadDialog(caption);
            if (!h) return false;
            PostClick(h, IDC_CORNER_ENABLED);
            PostClick(h, IDC_CORNER_BOTTOM_RIGHT);
            PostClick(h, IDOK);
            return true;
        })
        .Then(Answer(second))
        .Wait(250)
        .Then([&] {
            HWND h = FindThreadDialog(caption);
            if (!h) return false;
            position = ControlText(h, IDC_CORNER_POSITION);
            SendMessageW(GetDlgItem(h, IDC_CORNER_ACTION), CB_SETCURSEL, 2, 0);
            PostClick(h, IDOK);
            return true;
        });
    script.Start();
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(initial, L"This will Display Cursor Position");
    EXPECT_FALSE(radiosEnabled);
    EXPECT_EQ(first, L"Please Select Mouse Cursor Location.");
    EXPECT_EQ(second, L"Please Select Action To Continue.");
    EXPECT_EQ(position.rfind(L"Current Cursor Position : X = ", 0), 0u) << std::string(position.begin(), position.end());
    EXPECT_NE(position.find(L" && Y = "), std::wstring::npos);
    EXPECT_EQ(Profile().ReadInt(kSettingsSection, L"Do Action at Screen Corner", -1), 1);
    EXPECT_EQ(Profile().ReadString(kSettingsSection, L"Action at Screen Corner", L""), L"Start Default ScreenSaver");
    EXPECT_EQ(Profile().ReadInt(kSettingsSection, L"CursorLocationForAction", -9), 3);
}

class HibernateAndWakeUpTest : public ScheduleDialogs {
protected:
    // Fills the "A&fter" fields and presses OK.
    static CModalScript::Step After(const wchar_t* hours, const wchar_t* minutes)
    {
        return [hours, minutes] {
            HWND h = FindThreadDialog(kResumeCaption);
            if (!h) return false;
            SetDlgItemTextW(h, IDC_RESUME_HOURS, hours);
            SetDlgItemTextW(h, IDC_RESUME_MINUTES, minutes);
            PostClick(h, IDOK);
            return true;
        };
    }
    static long long NowUtcCount() { return static_cast<long long>(ReadWakeClock().utc); }
    static long long DueOf(const std::wstring& line)
    {
        return std::stoll(line.substr(std::wstring(L"SetWaitableTimer ").size()));
    }
};

TEST_F(HibernateAndWakeUpTest, AfterOneMinuteSetsTheTimerHibernatesAndCancels)
{
    std::wstring note;
    m_system.m_powerStatus.ACLineStatus = 0;
    CModalScript script;
    script.Then([&] {
              HWND h = FindThreadDialog(kResumeCaption);
              if (!h) return false;
              note = ControlText(h, IDC_RESUME_POWER_NOTE);
              return true;
          })
        .Then(After(L"0", L"1"));
    script.Start();
    const long long before = NowUtcCount();
    HibernateAndWakeUp(nullptr, false);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(note, L"Note : Computer is Battery Powered. WakeUp Operation Might Require Connection with Electricity "
                    L"to Work.");
    const Lines got = m_system.Requests();
    ASSERT_EQ(got.size(), 10u);
    EXPECT_EQ(got[0], L"CreateWaitableTimerW");
    EXPECT_EQ(got[2], L"CancelWaitableTimer");
    EXPECT_EQ(got[3], L"CloseHandle");
    EXPECT_EQ(got[4], L"CreateWaitableTimerW");
    EXPECT_EQ(got[6], L"AdjustTokenPrivileges \"SeShutdownPrivilege\"");
    EXPECT_EQ(got[7], L"SetSuspendState 1 0 0");
    EXPECT_EQ(got[8], L"CancelWaitableTimer");
    EXPECT_EQ(got[9], L"CloseHandle");
    const long long second = 10000000;
    const long long due = DueOf(got[5]);
    EXPECT_GE(due, before + 58 * second);
    EXPECT_LE(due, NowUtcCount() + 60 * second);
    EXPECT_EQ(got[1].substr(got[1].size() - 4), L" 0 1");
    EXPECT_EQ(Profile().ReadInt(kSettingsSection, L"Resume Option", -1), 0);
    EXPECT_EQ(Profile().ReadInt(kSettingsSection, L"Resume Hours", -1), 0);
    EXPECT_EQ(Profile().ReadInt(kSettingsSection, L"Resume Mins", -1), 1);
}

TEST_F(HibernateAndWakeUpTest, BadFieldsAndTooEarlyWakeUpsAreRefused)
{
    std::wstring hours, minutes, tooSoon, past;
    CModalScript script;
    script.Then(After(L"-1", L"5"))
        .Then(Answer(hours))
        .Then(After(L"1", L"60"))
        .Then(Answer(minutes))
        .Then(After(L"0", L"0"))
        .Then(Answer(tooSoon))
        .Then([&] {
            HWND h = FindThreadDialog(kResumeCaption);
            if (!h) return false;
            SYSTEMTIME yesterday{};
            GetLocalTime(&yesterday);
            FILETIME f{};
            SystemTimeToFileTime(&yesterday, &f);
            ULARGE_INTEGER v{{f.dwLowDateTime, f.dwHighDateTime}};
            v.QuadPart -= 86400ULL * 10000000ULL;
            f = FILETIME{v.LowPart, v.HighPart};
            FileTimeToSystemTime(&f, &yesterday);
            SendMessageW(GetDlgItem(h, IDC_RESUME_DATE), DTM_SETSYSTEMTIME, GDT_VALID,
                         reinterpret_cast<LPARAM>(&yesterday));
            PostClick(h, IDC_RESUME_AT);
            PostClick(h, IDOK);
            return true;
        })
        .Then(Answer(past))
        .Then(Click(kResumeCaption, IDCANCEL));
    script.Start();
    HibernateAndWakeUp(nullptr, false);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(hours, L"Enter an integer between 0 and 720.");
    EXPECT_EQ(minutes, L"Enter an integer between 0 and 59.");
    EXPECT_EQ(tooSoon, kFuture);
    EXPECT_EQ(past, kFuture);
    EXPECT_EQ(m_system.Requests().size(), 4u);  // the test timer only
    EXPECT_EQ(Profile().ReadInt(kSettingsSection, L"Resume Option", -1), -1);
}

TEST_F(HibernateAndWakeUpTest, RefusedTestWarnsAndTheRealRunDoesNotHibernate)
{
    m_system.m_setTimerResult = false;
    std::wstring warning;
    CModalScript script;
    script.Then(Answer(warning)).Then(After(L"2", L"0"));
    script.Start();
    HibernateAndWakeUp(nullptr, false);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(warning, L"Test For the Action Says this function might not work.Please Make sure MotherBoard Supports "
                       L"ACPI S4 State.");
    for (const std::wstring& line : m_system.Requests()) EXPECT_EQ(line.find(L"SetSuspendState"), std::wstring::npos);
}

TEST_F(HibernateAndWakeUpTest, DeclinedConfirmationLeavesNoTimerBehind)
{
    std::wstring countdown;
    CModalScript script;
    script.Then(After(L"1", L"0")).Then([&] {
        HWND box = FindThreadDialog(L"Umbrix - Confirmation Dialog");
        if (!box) return false;
        countdown = ControlText(box, IDC_CONFIRM_MESSAGE);
        EXPECT_EQ(m_system.Requests().size(), 6u);  // the timer is set before the countdown
        PostClick(box, IDCANCEL);
        return true;
    });
    script.Start();
    HibernateAndWakeUp(nullptr, true);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(countdown.find(L"Action Hibernate && WakeUp would be performed after"), 0u);
    const Lines got = m_system.Requests();
    ASSERT_EQ(got.size(), 8u);
    EXPECT_EQ(got[6], L"CancelWaitableTimer");
    EXPECT_EQ(got[7], L"CloseHandle");
}

TEST_F(HibernateAndWakeUpTest, TooLittleTimeLeftCancelsWithoutHibernating)
{
    const unsigned long long due = ReadWakeClock().utc + 20ULL * 10000000ULL;
    EXPECT_TRUE(SetWakeUpTimer(due, false, nullptr, false));
    const Lines got = m_system.Requests();
    EXPECT_EQ(got, (Lines{L"CreateWaitableTimerW", L"SetWaitableTimer " + std::to_wstring(due) + L" 0 1",
                          L"CancelWaitableTimer", L"CloseHandle"}));
}

TEST_F(HibernateAndWakeUpTest, AtConvertsTheLocalTimeToTheSameInstant)
{
    SYSTEMTIME local{};
    GetLocalTime(&local);
    local.wMilliseconds = 0;
    ULONGLONG due = 0;
    ASSERT_TRUE(LocalTimeToDueTime(local, due));
    const long long drift = NowUtcCount() - static_cast<long long>(due);
    EXPECT_GE(drift, 0);
    EXPECT_LT(drift, 3LL * 10000000LL);
}

TEST_F(ScheduleDialogs, BatteryAlertDialogStoresTheSwitchAndTheText)
{
    const wchar_t caption[] = L"Umbrix - Define Battery Power Alert";
    m_system.m_powerStatus = SYSTEM_POWER_STATUS{0, 2, 23, 0, 600, 3600};
    CDlgBatteryAlert dlg;
    std::wstring status;
    LRESULT charge = -1;
    CModalScript script;
    script.Then([&] {
              HWND h = FindThreadDialog(caption);
              if (!h) return false;
              status = ControlText(h, IDC_BATTERY_STATUS);
              charge = SendMessageW(GetDlgItem(h, IDC_BATTERY_CHARGE), PBM_GETPOS, 0, 0);
              PostClick(h, IDC_BATTERY_ALERT_ENABLED);
              PostClick(h, IDC_BATTERY_DEFINE_TEXT);
              return true;
          })
        .Then([&] {
            HWND editor = FindThreadDialog(L"Umbrix : Define Text");
            if (!editor) return false;
            EXPECT_EQ(ControlText(editor, IDC_DEFINE_TEXT_EDIT),
                      L"Battery Power Low, you might wish to charge the laptop.\nBattery Power Low, Battery Low.");
            SetDlgItemTextW(editor, IDC_DEFINE_TEXT_EDIT, L"Charge me");
            PostClick(editor, IDOK);
            return true;
        })
        .Then(Gone(L"Umbrix : Define Text"))
        .Then(Click(caption, IDOK));
    script.Start();
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(script.Finished());
    EXPECT_EQ(status, L"Battery Charge : 23 %, on Battery");
    EXPECT_EQ(charge, 23);
    EXPECT_EQ(Profile().ReadInt(kSettingsSection, L"Display Low Battery Alert", -1), 1);
    EXPECT_EQ(Profile().ReadString(kSettingsSection, L"LowPowerText", L""), L"Charge me");
}

}  // namespace
