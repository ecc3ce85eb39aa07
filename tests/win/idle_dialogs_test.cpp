// The idle monitor-off / screen-saver, one-time delay and idle-actions
// dialogs, and the idle actions' requests, under Wine.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
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

int Stored(const wchar_t* name) { return AfxProfile().ReadInt(kSettingsSection, name, -99); }
bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
bool Up(const CDialog& dlg) { return dlg.GetSafeHwnd() && IsWindowVisible(dlg.GetSafeHwnd()); }
std::wstring Caption(HWND hwnd)
{
    wchar_t text[128] = {};
    GetWindowTextW(hwnd, text, 128);
    return text;
}

class CNoDates : public IDateTextCodec {
public:
    std::optional<double> Parse(const std::wstring&) override { return std::nullopt; }
    std::wstring Format(double) override { return {}; }
};

class IdleDialogs : public testing::Test {
protected:
    void SetUp() override
    {
        ResetTestProfile();  // replaces the store, so the cache comes after it
        m_cache = std::make_unique<CAppSettings>(AfxProfile(), m_dates);
    }

    // Runs `dlg` with `step` applied once it is shown; `step` ends it.
    INT_PTR Run(CDialog& dlg, const std::function<void(HWND)>& step)
    {
        CModalScript script;
        script.Then([&] {
            if (!Up(dlg)) return false;
            step(dlg.GetSafeHwnd());
            return true;
        });
        for (auto& extra : m_more) script.Then(extra);
        script.Start();
        const INT_PTR result = dlg.DoModal();
        EXPECT_FALSE(script.TimedOut());
        m_more.clear();
        return result;
    }
    // A later step that answers the message box over `dlg` and then clicks `id`.
    void ThenAnswer(CDialog& dlg, std::wstring& message, int id = IDCANCEL)
    {
        m_more.push_back([&dlg, &message] {
            HWND box = FindThreadDialog(L"Umbrix", dlg.GetSafeHwnd());
            if (!box) return false;
            message = MessageBoxText(box);
            PostClick(box, IDOK);
            return true;
        });
        m_more.push_back([&dlg, id] {
            if (FindThreadDialog(L"Umbrix", dlg.GetSafeHwnd())) return false;
            PostClick(dlg.GetSafeHwnd(), id);
            return true;
        });
    }

    std::vector<CModalScript::Step> m_more;
    CNoDates m_dates;
    std::unique_ptr<CAppSettings> m_cache;
    CRecordingSystem m_system;
    CSystemOverride m_override{m_system};
};

TEST_F(IdleDialogs, BothModesOpenWithTheirTextsDefaultsAndDisabledFields)
{
    const struct {
        int mode;
        const wchar_t *caption, *box;
    } rows[] = {{kIdleCaptureMonitorOff, L"Umbrix if Computer Idle", L"&Umbrix if Computer Idle for"},
                {kIdleCaptureScreenSaver, L"Start Default ScreenSaver if Computer Idle",
                 L"Start ScreenSaver if Computer Idle"}};
    for (const auto& r : rows) {
        CDlgIdleCapture dlg;
        dlg.m_mode = r.mode;
        std::wstring caption, box, minutes;
        UINT checks = 0;
        bool anyEnabled = true;
        int low = 0, high = 0;
        EXPECT_EQ(IDCANCEL, Run(dlg, [&](HWND h) {
                      caption = Caption(h);
                      box = ControlText(h, IDC_IDLE_ENABLE);
                      minutes = ControlText(h, IDC_IDLE_MINUTES);
                      checks = IsDlgButtonChecked(h, IDC_IDLE_ENABLE) | IsDlgButtonChecked(h, IDC_IDLE_LOCK) << 1 |
                               IsDlgButtonChecked(h, IDC_IDLE_ALERT) << 2;
                      anyEnabled = false;
                      for (int id : {IDC_IDLE_MINUTES, IDC_IDLE_MINUTES_SPIN, IDC_IDLE_LOCK, IDC_IDLE_ALERT,
                                     IDC_IDLE_ALERT_TEXT})
                          anyEnabled = anyEnabled || Enabled(h, id);
                      SendDlgItemMessageW(h, IDC_IDLE_MINUTES_SPIN, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                                          reinterpret_cast<LPARAM>(&high));
                      PostClick(h, IDCANCEL);
                  }));
        EXPECT_EQ(r.caption, caption);
        EXPECT_EQ(r.box, box);
        EXPECT_EQ(L"10", minutes);
        EXPECT_EQ(4u, checks) << "only \"Alert me...\" checked";
        EXPECT_FALSE(anyEnabled);
        EXPECT_EQ(1, low);
        EXPECT_EQ(5000, high);
    }
}

TEST_F(IdleDialogs, SaveValidatesTheMinutesAndStaysOpenOnFailure)
{
    const struct {
        int dialog;  // 0 idle capture, 1 one-time delay, 2 idle actions
        int edit;
        const wchar_t *typed, *message;
    } rows[] = {
        {0, IDC_IDLE_MINUTES, L"", L"Enter an integer."},
        {0, IDC_IDLE_MINUTES, L"0", L"Enter an integer between 1 and 5000."},
        {1, IDC_DURATION_MINUTES, L"5001", L"Enter an integer between 1 and 5000."},
        {2, IDC_IA_HIBERNATE_MINUTES, L"-3", L"Enter a positive integer."},
    };
    for (const auto& r : rows) {
        std::unique_ptr<CDialog> dlg;
        if (r.dialog == 0) dlg = std::make_unique<CDlgIdleCapture>();
        if (r.dialog == 1) dlg = std::make_unique<CDlgDurationSelector>();
        if (r.dialog == 2) dlg = std::make_unique<CDlgIdleActions>(*m_cache);
        std::wstring message;
        ThenAnswer(*dlg, message);
        EXPECT_EQ(IDCANCEL, Run(*dlg, [&](HWND h) {
                      SetDlgItemTextW(h, r.edit, r.typed);
                      PostClick(h, IDOK);
                  }));
        EXPECT_EQ(r.message, message) << r.typed;
    }
    EXPECT_EQ((std::vector<int>{-99, -99, -99}),
              (std::vector<int>{Stored(L"IdleUBXMins"), Stored(L"DurationUBXMins"), Stored(L"IdleDurationHibernate")}));
}

TEST_F(IdleDialogs, ClearingTheBoxDisablesTheFieldsEvenWithInvalidMinutes)
{
    AfxProfile().WriteInt(kSettingsSection, L"EnableIdleUBX", 1);
    CDlgIdleCapture dlg;
    std::wstring message;
    bool editEnabled = true;
    ThenAnswer(dlg, message);
    m_more.insert(m_more.begin() + 1, [&] {
        if (FindThreadDialog(L"Umbrix", dlg.GetSafeHwnd())) return false;
        editEnabled = Enabled(dlg.GetSafeHwnd(), IDC_IDLE_MINUTES);
        return true;
    });
    Run(dlg, [&](HWND h) {
        SetDlgItemTextW(h, IDC_IDLE_MINUTES, L"");
        PostClick(h, IDC_IDLE_ENABLE);  // clears the box, which opened checked
    });
    EXPECT_EQ(L"Enter an integer.", message);
    EXPECT_FALSE(editEnabled);
}

TEST_F(IdleDialogs, ScreenSaverSaveAndItsAlertTextKeptAfterCancel)
{
    CDlgIdleCapture dlg;
    dlg.m_mode = kIdleCaptureScreenSaver;
    EXPECT_EQ(IDOK, Run(dlg, [&](HWND h) {
                  PostClick(h, IDC_IDLE_ENABLE);
                  SetDlgItemTextW(h, IDC_IDLE_MINUTES, L"4");
                  PostClick(h, IDC_IDLE_LOCK);
                  PostClick(h, IDOK);
              }));
    EXPECT_EQ((std::vector<int>{1, 4, 1, 1, -99}),
              (std::vector<int>{Stored(L"EnableIdleUBXScr"), Stored(L"IdleUBXMinsScr"), Stored(L"LockOnResumeScr"),
                                Stored(L"AlertScr"), Stored(L"EnableIdleUBX")}));

    CDlgIdleCapture again;
    again.m_mode = kIdleCaptureScreenSaver;
    std::wstring offered;
    m_more.push_back([&] {
        HWND editor = FindThreadDialog(L"Umbrix : Define Text");
        if (!editor) return false;
        offered = ControlText(editor, IDC_DEFINE_TEXT_EDIT);
        SetDlgItemTextW(editor, IDC_DEFINE_TEXT_EDIT, L"Saver time");
        PostClick(editor, IDOK);
        return true;
    });
    m_more.push_back([&] {
        if (FindThreadDialog(L"Umbrix : Define Text")) return false;
        PostClick(again.GetSafeHwnd(), IDCANCEL);
        return true;
    });
    EXPECT_EQ(IDCANCEL, Run(again, [&](HWND h) { PostClick(h, IDC_IDLE_ALERT_TEXT); }));
    EXPECT_EQ(L"Starting ScreenSaver Now", offered);
    EXPECT_EQ(L"Saver time", AfxProfile().ReadString(kSettingsSection, L"AlertTextScr", L""));
    EXPECT_EQ(L"", AfxProfile().ReadString(kSettingsSection, L"AlertTextIdle", L""));
}

TEST_F(IdleDialogs, IdleActionsShowTheLiveLineAndStoreTheGroupsOnOk)
{
    m_cache->SetIdle(CAppSettings::Idle::Standby, IdleGroup{20, 0, 0});
    CDlgIdleActions dlg(*m_cache);
    std::wstring initial, line;
    int low = -1, high = -1;
    m_more.push_back([&] {
        if (ControlText(dlg.GetSafeHwnd(), IDC_IA_IDLE_LINE) == initial) return false;
        HWND h = dlg.GetSafeHwnd();
        line = ControlText(h, IDC_IA_IDLE_LINE);
        SendDlgItemMessageW(h, IDC_IA_LOGOFF_SPIN, UDM_SETPOS32, 0, 1);
        PostClick(h, IDC_IA_LOGOFF_FORCED);
        PostClick(h, IDC_IA_HIBERNATE_CONFIRM);
        PostClick(h, IDOK);
        return true;
    });
    EXPECT_EQ(IDOK, Run(dlg, [&](HWND h) {
                  initial = ControlText(h, IDC_IA_IDLE_LINE);
                  SendDlgItemMessageW(h, IDC_IA_SHUTDOWN_SPIN, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                                      reinterpret_cast<LPARAM>(&high));
              }));
    EXPECT_EQ(L"Idle Time Display", initial);
    EXPECT_TRUE(std::regex_match(line, std::wregex(L"Info : No User Input for Last [0-9]+ Minutes [0-5]?[0-9] Seconds")));
    EXPECT_EQ(0, low);
    EXPECT_EQ(1000, high);
    EXPECT_EQ((std::vector<int>{1, 1, 1, 0, 20}),
              (std::vector<int>{Stored(L"IdleDurationLogOff"), Stored(L"IdleConfirmationLogOff"),
                                Stored(L"IdleForcedLogOff"), Stored(L"IdleConfirmationHibernate"),
                                Stored(L"IdleDurationStandby")}));
    EXPECT_EQ(1, m_cache->GetIdle(CAppSettings::Idle::LogOff).minutes);
}

TEST_F(IdleDialogs, IdleRequestsGoOutBeforeThePrivilegeMessage)
{
    const struct {
        IdleAction action;
        bool forced;
        const wchar_t* request;
    } rows[] = {{IdleAction::Shutdown, true, L"ExitWindowsEx 5 0"},
                {IdleAction::LogOff, false, L"ExitWindowsEx 0 0"},
                {IdleAction::Hibernate, false, L"SetSuspendState 1 0 0"},
                {IdleAction::Standby, false, L"SetSystemPowerState 1 1"}};
    const std::wstring privilege = L"AdjustTokenPrivileges \"SeShutdownPrivilege\"";
    for (const auto& r : rows) {
        m_system.ClearRequests();
        CIdleActionRequests(nullptr).RequestIdleAction(r.action, r.forced);
        EXPECT_EQ((std::vector<std::wstring>{privilege, r.request}), m_system.Requests());
    }
    m_system.m_privilegeError = ERROR_NOT_ALL_ASSIGNED;
    m_system.ClearRequests();
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
    CIdleActionRequests(nullptr).RequestIdleAction(IdleAction::LogOff, true);
    EXPECT_EQ(L"AdjustTokenPrivileges enable failed.", message);
    EXPECT_EQ((std::vector<std::wstring>{privilege, L"ExitWindowsEx 4 0"}), atMessage);
}

TEST_F(IdleDialogs, IdleActionCountdownRunsFifteenSecondsWithTheActionsText)
{
    PBRANGE range{};
    std::wstring shown;
    CModalScript script;
    script.Then([&] {
        HWND box = FindThreadDialog(L"Umbrix - Confirmation Dialog");
        if (!box) return false;
        SendDlgItemMessageW(box, IDC_CONFIRM_PROGRESS, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
        shown = ControlText(box, IDC_CONFIRM_MESSAGE);
        PostClick(box, IDCANCEL);
        return true;
    });
    script.Start();
    EXPECT_FALSE(CIdleActionRequests(nullptr).ConfirmIdleAction(IdleActionConfirmationText(IdleAction::Hibernate)));
    EXPECT_EQ(range.iHigh, 15);
    EXPECT_EQ(shown, L"Action Hibernate Computer would be performed after 15 seconds.");
}

}  // namespace
