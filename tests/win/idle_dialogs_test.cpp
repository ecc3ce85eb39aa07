// The idle monitor-off / screen-saver dialog, the one-time delay dialog, the
// idle-actions dialog and the idle actions' requests, under Wine.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <optional>
#include <regex>
#include <string>

#include "framework/app.h"
#include "resources/resource.h"
#include "schedule/dlg_duration_selector.h"
#include "schedule/dlg_idle_actions.h"
#include "schedule/dlg_idle_capture.h"
#include "schedule/idle_actions_win.h"
#include "win/modal_script.h"
#include "win/recording_system.h"
#include "win/test_app.h"

namespace {

int Stored(const wchar_t* name, int def = -99)
{
    return AfxProfile().ReadInt(kSettingsSection, name, def);
}

bool Checked(HWND dialog, int id)
{
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

bool Enabled(HWND dialog, int id)
{
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

bool Up(const CDialog& dlg)
{
    return dlg.GetSafeHwnd() && IsWindowVisible(dlg.GetSafeHwnd());
}

class CNoDates : public IDateTextCodec {
public:
    std::optional<double> Parse(const std::wstring&) override { return std::nullopt; }
    std::wstring Format(double) override { return std::wstring(); }
};

class IdleDialogs : public testing::Test {
protected:
    void SetUp() override { ResetTestProfile(); }

    INT_PTR Run(CDialog& dlg, CModalScript& script)
    {
        script.Start();
        const INT_PTR result = dlg.DoModal();
        EXPECT_FALSE(script.TimedOut());
        return result;
    }

    // Presses Save (or clicks `id`) with `minutes` typed and returns the
    // message box text, which it dismisses.
    static CModalScript& SaveExpectingMessage(CModalScript& script, CDialog& dlg, int edit, const wchar_t* minutes,
                                              std::wstring& message, int id = IDOK)
    {
        return script
            .Then([&dlg, edit, minutes, id] {
                if (!Up(dlg)) return false;
                SetDlgItemTextW(dlg.GetSafeHwnd(), edit, minutes);
                PostClick(dlg.GetSafeHwnd(), id);
                return true;
            })
            .Then([&dlg, &message] {
                HWND box = FindThreadDialog(L"Umbrix", dlg.GetSafeHwnd());
                if (!box) return false;
                message = MessageBoxText(box);
                PostClick(box, IDOK);
                return true;
            })
            .Then([&dlg] { return !FindThreadDialog(L"Umbrix", dlg.GetSafeHwnd()); });
    }

    CRecordingSystem m_system;
    CSystemOverride m_override{m_system};
};

TEST_F(IdleDialogs, MonitorOffModeOpensWithDefaultsAndOnlyItsBoxEnabled)
{
    CDlgIdleCapture dlg;
    std::wstring caption, box, minutes;
    bool enable = true, lock = true, alert = false;
    bool spin = true, edit = true, lockOn = true, alertOn = true, dots = true, save = false, cancel = false;
    int low = 0, high = 0;
    CModalScript script;
    script.Then([&] {
        if (!Up(dlg)) return false;
        HWND h = dlg.GetSafeHwnd();
        wchar_t text[128] = {};
        GetWindowTextW(h, text, 128);
        caption = text;
        box = ControlText(h, IDC_IDLE_ENABLE);
        minutes = ControlText(h, IDC_IDLE_MINUTES);
        enable = Checked(h, IDC_IDLE_ENABLE);
        lock = Checked(h, IDC_IDLE_LOCK);
        alert = Checked(h, IDC_IDLE_ALERT);
        spin = Enabled(h, IDC_IDLE_MINUTES_SPIN);
        edit = Enabled(h, IDC_IDLE_MINUTES);
        lockOn = Enabled(h, IDC_IDLE_LOCK);
        alertOn = Enabled(h, IDC_IDLE_ALERT);
        dots = Enabled(h, IDC_IDLE_ALERT_TEXT);
        save = Enabled(h, IDOK);
        cancel = Enabled(h, IDCANCEL);
        SendDlgItemMessageW(h, IDC_IDLE_MINUTES_SPIN, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                            reinterpret_cast<LPARAM>(&high));
        PostClick(h, IDCANCEL);
        return true;
    });
    EXPECT_EQ(IDCANCEL, Run(dlg, script));
    EXPECT_EQ(L"Umbrix if Computer Idle", caption);
    EXPECT_EQ(L"&Umbrix if Computer Idle for", box);
    EXPECT_EQ(L"10", minutes);
    EXPECT_FALSE(enable);
    EXPECT_FALSE(lock);
    EXPECT_TRUE(alert);
    EXPECT_FALSE(spin || edit || lockOn || alertOn || dots);
    EXPECT_TRUE(save && cancel);
    EXPECT_EQ(1, low);
    EXPECT_EQ(5000, high);
    EXPECT_EQ(-99, Stored(L"EnableIdleUBX")) << "Cancel stores nothing";
}

TEST_F(IdleDialogs, ScreenSaverModeRenamesItselfAndSavesItsOwnKeysInOrder)
{
    AfxProfile().WriteInt(kSettingsSection, L"EnableIdleUBXScr", 1);
    AfxProfile().WriteInt(kSettingsSection, L"IdleUBXMinsScr", 3);
    CDlgIdleCapture dlg;
    dlg.m_mode = kIdleCaptureScreenSaver;
    std::wstring caption, box, minutes;
    bool spin = false;
    CModalScript script;
    script.Then([&] {
        if (!Up(dlg)) return false;
        HWND h = dlg.GetSafeHwnd();
        wchar_t text[128] = {};
        GetWindowTextW(h, text, 128);
        caption = text;
        box = ControlText(h, IDC_IDLE_ENABLE);
        minutes = ControlText(h, IDC_IDLE_MINUTES);
        spin = Enabled(h, IDC_IDLE_MINUTES_SPIN);
        SetDlgItemTextW(h, IDC_IDLE_MINUTES, L"4");
        CheckDlgButton(h, IDC_IDLE_LOCK, BST_CHECKED);
        PostClick(h, IDOK);
        return true;
    });
    EXPECT_EQ(IDOK, Run(dlg, script));
    EXPECT_EQ(L"Start Default ScreenSaver if Computer Idle", caption);
    EXPECT_EQ(L"Start ScreenSaver if Computer Idle", box);
    EXPECT_EQ(L"3", minutes);
    EXPECT_TRUE(spin);
    EXPECT_EQ(1, Stored(L"EnableIdleUBXScr"));
    EXPECT_EQ(4, Stored(L"IdleUBXMinsScr"));
    EXPECT_EQ(1, Stored(L"LockOnResumeScr"));
    EXPECT_EQ(1, Stored(L"AlertScr"));
    EXPECT_EQ(-99, Stored(L"EnableIdleUBX")) << "the monitor-off keys are not touched";
}

TEST_F(IdleDialogs, SaveRefusesEmptyZeroAndTooLargeMinutesAndStaysOpen)
{
    struct Row {
        const wchar_t* typed;
        const wchar_t* message;
    } rows[] = {
        {L"", L"Enter an integer."},
        {L"0", L"Enter an integer between 1 and 5000."},
        {L"5001", L"Enter an integer between 1 and 5000."},
    };
    for (const Row& r : rows) {
        AfxProfile().WriteInt(kSettingsSection, L"EnableIdleUBX", 1);
        CDlgIdleCapture dlg;
        std::wstring message;
        bool stillUp = false, focusOnEdit = false;
        CModalScript script;
        SaveExpectingMessage(script, dlg, IDC_IDLE_MINUTES, r.typed, message).Then([&] {
            stillUp = Up(dlg);
            focusOnEdit = GetFocus() == GetDlgItem(dlg.GetSafeHwnd(), IDC_IDLE_MINUTES);
            PostClick(dlg.GetSafeHwnd(), IDCANCEL);
            return true;
        });
        EXPECT_EQ(IDCANCEL, Run(dlg, script)) << r.typed;
        EXPECT_EQ(r.message, message) << r.typed;
        EXPECT_TRUE(stillUp);
        EXPECT_TRUE(focusOnEdit) << r.typed;
        EXPECT_EQ(10, Stored(L"IdleUBXMins", 10)) << "nothing stored";
    }
}

TEST_F(IdleDialogs, ClearingTheBoxDisablesTheFieldsEvenWithInvalidMinutes)
{
    AfxProfile().WriteInt(kSettingsSection, L"EnableIdleUBX", 1);
    CDlgIdleCapture dlg;
    std::wstring message;
    bool edit = true, dots = true;
    CModalScript script;
    // The click clears the box, which opened checked.
    SaveExpectingMessage(script, dlg, IDC_IDLE_MINUTES, L"", message, IDC_IDLE_ENABLE).Then([&] {
        edit = Enabled(dlg.GetSafeHwnd(), IDC_IDLE_MINUTES);
        dots = Enabled(dlg.GetSafeHwnd(), IDC_IDLE_ALERT_TEXT);
        PostClick(dlg.GetSafeHwnd(), IDCANCEL);
        return true;
    });
    Run(dlg, script);
    EXPECT_EQ(L"Enter an integer.", message);
    EXPECT_FALSE(edit);
    EXPECT_FALSE(dots);
}

TEST_F(IdleDialogs, AlertTextEditedWithDotsIsKeptAfterCancel)
{
    AfxProfile().WriteInt(kSettingsSection, L"EnableIdleUBXScr", 1);
    CDlgIdleCapture dlg;
    dlg.m_mode = kIdleCaptureScreenSaver;
    std::wstring offered;
    CModalScript script;
    script
        .Then([&] {
            if (!Up(dlg)) return false;
            PostClick(dlg.GetSafeHwnd(), IDC_IDLE_ALERT_TEXT);
            return true;
        })
        .Then([&] {
            HWND editor = FindThreadDialog(L"Umbrix : Define Text");
            if (!editor) return false;
            offered = ControlText(editor, IDC_DEFINE_TEXT_EDIT);
            SetDlgItemTextW(editor, IDC_DEFINE_TEXT_EDIT, L"Saver time");
            PostClick(editor, IDOK);
            return true;
        })
        .Then([&] { return !FindThreadDialog(L"Umbrix : Define Text"); })
        .Then([&] {
            PostClick(dlg.GetSafeHwnd(), IDCANCEL);
            return true;
        });
    EXPECT_EQ(IDCANCEL, Run(dlg, script));
    EXPECT_EQ(L"Starting ScreenSaver Now", offered);
    EXPECT_EQ(L"Saver time", AfxProfile().ReadString(kSettingsSection, L"AlertTextScr", L""));
    EXPECT_EQ(L"", AfxProfile().ReadString(kSettingsSection, L"AlertTextIdle", L"")) << "the other text is untouched";
    EXPECT_EQ(-99, Stored(L"IdleUBXMinsScr"));
}

TEST_F(IdleDialogs, OneTimeDelayOpensWithLockCheckedAndSavesInOrder)
{
    AfxProfile().WriteInt(kSettingsSection, L"DurationUBXMins", 7);
    CDlgDurationSelector dlg;
    EXPECT_EQ(7, dlg.m_minutes) << "read at construction";
    bool lock = false, edit = true, lockOn = true;
    int low = 0, high = 0;
    std::wstring message;
    CModalScript script;
    script.Then([&] {
        if (!Up(dlg)) return false;
        HWND h = dlg.GetSafeHwnd();
        lock = Checked(h, IDC_DURATION_LOCK);
        edit = Enabled(h, IDC_DURATION_MINUTES);
        lockOn = Enabled(h, IDC_DURATION_LOCK);
        SendDlgItemMessageW(h, IDC_DURATION_MINUTES_SPIN, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                            reinterpret_cast<LPARAM>(&high));
        CheckDlgButton(h, IDC_DURATION_ENABLE, BST_CHECKED);
        return true;
    });
    SaveExpectingMessage(script, dlg, IDC_DURATION_MINUTES, L"5001", message).Then([&] {
        SetDlgItemTextW(dlg.GetSafeHwnd(), IDC_DURATION_MINUTES, L"1");
        PostClick(dlg.GetSafeHwnd(), IDOK);
        return true;
    });
    EXPECT_EQ(IDOK, Run(dlg, script));
    EXPECT_TRUE(lock);
    EXPECT_FALSE(edit || lockOn);
    EXPECT_EQ(1, low);
    EXPECT_EQ(5000, high);
    EXPECT_EQ(L"Enter an integer between 1 and 5000.", message);
    EXPECT_EQ(1, Stored(L"EnableDurationUBX"));
    EXPECT_EQ(1, Stored(L"DurationUBXMins"));
    EXPECT_EQ(1, Stored(L"LockOnResumeIdle"));
}

TEST_F(IdleDialogs, IdleActionsShowTheLiveLineAndStoreTheGroupsOnOk)
{
    CNoDates dates;
    CAppSettings settings(AfxProfile(), dates);
    settings.SetIdle(CAppSettings::Idle::Standby, IdleGroup{20, 0, 0});
    CDlgIdleActions dlg(settings);
    std::wstring initial, line, standby;
    int low = -1, high = -1;
    CModalScript script;
    script
        .Then([&] {
            if (!Up(dlg)) return false;
            HWND h = dlg.GetSafeHwnd();
            initial = ControlText(h, IDC_IA_IDLE_LINE);
            standby = ControlText(h, IDC_IA_STANDBY_MINUTES);
            SendDlgItemMessageW(h, IDC_IA_SHUTDOWN_SPIN, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                                reinterpret_cast<LPARAM>(&high));
            return true;
        })
        .Wait(1300)
        .Then([&] {
            HWND h = dlg.GetSafeHwnd();
            line = ControlText(h, IDC_IA_IDLE_LINE);
            // The up-down's arrow key, as the user would press it.
            SetFocus(GetDlgItem(h, IDC_IA_LOGOFF_MINUTES));
            PostKey(GetDlgItem(h, IDC_IA_LOGOFF_MINUTES), VK_UP);
            return true;
        })
        .Wait(300)
        .Then([&] {
            HWND h = dlg.GetSafeHwnd();
            CheckDlgButton(h, IDC_IA_LOGOFF_FORCED, BST_CHECKED);
            CheckDlgButton(h, IDC_IA_HIBERNATE_CONFIRM, BST_UNCHECKED);
            PostClick(h, IDOK);
            return true;
        });
    EXPECT_EQ(IDOK, Run(dlg, script));
    EXPECT_EQ(L"Idle Time Display", initial);
    EXPECT_TRUE(std::regex_match(line, std::wregex(L"Info : No User Input for Last [0-9]+ Minutes [0-5]?[0-9] Seconds")))
        << std::string(line.begin(), line.end());
    EXPECT_EQ(L"20", standby);
    EXPECT_EQ(0, low);
    EXPECT_EQ(1000, high);
    const IdleGroup logOff = settings.GetIdle(CAppSettings::Idle::LogOff);
    EXPECT_EQ(1, logOff.minutes);
    EXPECT_EQ(1, logOff.confirmation);
    EXPECT_EQ(1, logOff.forced);
    EXPECT_EQ(1, Stored(L"IdleDurationLogOff"));
    EXPECT_EQ(1, Stored(L"IdleForcedLogOff"));
    EXPECT_EQ(0, Stored(L"IdleConfirmationHibernate"));
    EXPECT_EQ(20, Stored(L"IdleDurationStandby"));
}

TEST_F(IdleDialogs, IdleActionsRefuseMinutesThatAreNoPositiveNumber)
{
    CNoDates dates;
    CAppSettings settings(AfxProfile(), dates);
    CDlgIdleActions dlg(settings);
    std::wstring message;
    CModalScript script;
    SaveExpectingMessage(script, dlg, IDC_IA_HIBERNATE_MINUTES, L"-3", message).Then([&] {
        PostClick(dlg.GetSafeHwnd(), IDCANCEL);
        return true;
    });
    EXPECT_EQ(IDCANCEL, Run(dlg, script));
    EXPECT_EQ(L"Enter a positive integer.", message);
    EXPECT_EQ(-99, Stored(L"IdleDurationHibernate"));
}

// --- the idle actions' requests ----------------------------------------------------

TEST_F(IdleDialogs, IdleRequestGoesOutBeforeThePrivilegeMessage)
{
    m_system.m_privilegeError = ERROR_NOT_ALL_ASSIGNED;
    CIdleActionRequests requests(nullptr);
    std::vector<std::wstring> atMessage;
    std::wstring message;
    CModalScript script;
    script.Then([&] {
        HWND box = FindThreadDialog(L"Umbrix");
        if (!box) return false;
        atMessage = m_system.Requests();
        message = MessageBoxText(box);
        PostClick(box, IDOK);
        return true;
    });
    script.Start();
    requests.RequestIdleAction(IdleAction::LogOff, true);
    EXPECT_FALSE(script.TimedOut());
    EXPECT_EQ(L"AdjustTokenPrivileges enable failed.", message);
    EXPECT_EQ((std::vector<std::wstring>{L"AdjustTokenPrivileges \"SeShutdownPrivilege\"", L"ExitWindowsEx 4 0"}),
              atMessage);
}

TEST_F(IdleDialogs, IdleRequestsOfTheFourActions)
{
    struct Row {
        IdleAction action;
        bool forced;
        const wchar_t* request;
    } rows[] = {
        {IdleAction::Shutdown, false, L"ExitWindowsEx 1 0"},
        {IdleAction::Shutdown, true, L"ExitWindowsEx 5 0"},
        {IdleAction::LogOff, false, L"ExitWindowsEx 0 0"},
        {IdleAction::Standby, false, L"SetSystemPowerState 1 1"},
    };
    for (const Row& r : rows) {
        m_system.ClearRequests();
        CIdleActionRequests(nullptr).RequestIdleAction(r.action, r.forced);
        EXPECT_EQ((std::vector<std::wstring>{L"AdjustTokenPrivileges \"SeShutdownPrivilege\"", r.request}),
                  m_system.Requests());
    }
    m_system.ClearRequests();
    CIdleActionRequests(nullptr).RequestIdleAction(IdleAction::Hibernate, false);
    ASSERT_EQ(2u, m_system.Requests().size());
    const std::wstring hibernate = m_system.Requests()[1];
    EXPECT_TRUE(hibernate == L"SetSuspendState 1 0 0" || hibernate == L"SetSystemPowerState 0 0") << hibernate.c_str();
}

TEST_F(IdleDialogs, IdleConfirmationCountsFifteenSecondsWithTheActionsText)
{
    AfxProfile().WriteInt(kSettingsSection, L"ConfirmationDialogVoiceAlert", 0);
    CIdleActionRequests requests(nullptr);
    std::wstring shown;
    CModalScript script;
    script.Then([&] {
        HWND box = FindThreadDialog(L"Umbrix - Confirmation Dialog");
        if (!box) return false;
        shown = ControlText(box, IDC_CONFIRM_MESSAGE);
        PostClick(box, IDCANCEL);
        return true;
    });
    script.Start();
    EXPECT_FALSE(requests.ConfirmIdleAction(L"Action Standby Computer would be performed after <XX> seconds."));
    EXPECT_FALSE(script.TimedOut());
    EXPECT_EQ(L"Action Standby Computer would be performed after 15 seconds.", shown);
}

}  // namespace
