// The countdown confirmation dialog under Wine, driven through its own modal
// loop. Only tests about time itself wait for real 1-second ticks; the others
// take the dialog's timer away and post its tick message themselves.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "actions/confirm_action.h"
#include "actions/dlg_confirmation.h"
#include "framework/app.h"
#include "resources/resource.h"
#include "win/modal_script.h"
#include "win/recording_system.h"
#include "win/test_app.h"

namespace {

const wchar_t kCaption[] = L"Umbrix - Confirmation Dialog";

int StoredInt(const wchar_t* name, int def)
{
    return AfxProfile().ReadInt(kSettingsSection, name, def);
}

bool IsChecked(HWND dialog, int id)
{
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

int ProgressPosition(HWND dialog)
{
    return static_cast<int>(SendDlgItemMessageW(dialog, IDC_CONFIRM_PROGRESS, PBM_GETPOS, 0, 0));
}

// Input as the system sees it: a Shift key pressed and released, which the
// dialog itself ignores. (A pointer "move" by nothing would be taken for the
// dialog's own appearance under the resting pointer.)
void SimulateUserInput()
{
    INPUT input[2]{};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = VK_SHIFT;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

// Stops the dialog's own timer, so only posted ticks count.
void StopRealTicks(HWND dialog)
{
    KillTimer(dialog, CDlgConfirmation::kTickTimer);
}

void PostTick(HWND dialog)
{
    PostMessageW(dialog, WM_TIMER, CDlgConfirmation::kTickTimer, 0);
}

class ConfirmationDialog : public testing::Test {
protected:
    void SetUp() override
    {
        ResetTestProfile();
        // Off unless a test is about speech, so no worker thread outlives a test.
        AfxProfile().WriteInt(kSettingsSection, L"ConfirmationDialogVoiceAlert", 0);
    }

    // Runs the dialog with `script` and returns its result and how long it ran.
    INT_PTR Run(CDlgConfirmation& dlg, CModalScript& script, DWORD* elapsedMs = nullptr)
    {
        const DWORD start = GetTickCount();
        script.Start();
        const INT_PTR result = dlg.DoModal();
        if (elapsedMs) *elapsedMs = GetTickCount() - start;
        EXPECT_FALSE(script.TimedOut());
        return result;
    }

    CRecordingSystem m_system;
    CSystemOverride m_override{m_system};
};

TEST_F(ConfirmationDialog, OpensWithNumberFilledInStoredBoxesFullRangeAndOnTop)
{
    AfxProfile().WriteInt(kSettingsSection, L"CancelDlgWithInput", 1);
    CDlgConfirmation dlg;
    dlg.m_seconds = 7;
    dlg.m_message = L"Shut <XX> down in <XX>";

    std::wstring shown;
    bool voice = true, cancelWithInput = false, topmost = false;
    PBRANGE range{-1, -1};
    int position = -1;
    CModalScript script;
    script.Then([&] {
        HWND hwnd = dlg.GetSafeHwnd();
        if (!hwnd || !IsWindowVisible(hwnd)) return false;
        shown = ControlText(hwnd, IDC_CONFIRM_MESSAGE);
        voice = IsChecked(hwnd, IDC_CONFIRM_VOICE_ALERT);
        cancelWithInput = IsChecked(hwnd, IDC_CONFIRM_CANCEL_WITH_INPUT);
        topmost = (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        SendDlgItemMessageW(hwnd, IDC_CONFIRM_PROGRESS, PBM_GETRANGE, FALSE, reinterpret_cast<LPARAM>(&range));
        position = ProgressPosition(hwnd);
        EXPECT_EQ(hwnd, FindThreadDialog(kCaption));
        PostClick(hwnd, IDCANCEL);
        return true;
    });

    EXPECT_EQ(IDCANCEL, Run(dlg, script));
    EXPECT_EQ(L"Shut 7 down in 7", shown);
    EXPECT_FALSE(voice);
    EXPECT_TRUE(cancelWithInput);
    EXPECT_TRUE(topmost);
    EXPECT_EQ(0, range.iLow);
    EXPECT_EQ(7, range.iHigh);
    EXPECT_EQ(0, position);
    EXPECT_EQ(7, dlg.m_seconds);
}

TEST_F(ConfirmationDialog, BoxesDefaultToVoiceOnAndInputCancellingOffWhenNothingIsStored)
{
    ResetTestProfile();
    CDlgConfirmation dlg;
    bool voice = false, cancelWithInput = true;
    std::wstring shown;
    CModalScript script;
    script.Then([&] {
        HWND hwnd = dlg.GetSafeHwnd();
        if (!hwnd) return false;
        voice = IsChecked(hwnd, IDC_CONFIRM_VOICE_ALERT);
        cancelWithInput = IsChecked(hwnd, IDC_CONFIRM_CANCEL_WITH_INPUT);
        shown = ControlText(hwnd, IDC_CONFIRM_MESSAGE);
        PostClick(hwnd, IDCANCEL);
        return true;
    });
    EXPECT_EQ(IDCANCEL, Run(dlg, script));
    EXPECT_TRUE(voice);
    EXPECT_FALSE(cancelWithInput);
    EXPECT_EQ(L"Action Umbrix Would be performed after 15 seconds.", shown);
    EXPECT_TRUE(m_system.Spoken().empty());
}

TEST_F(ConfirmationDialog, CountsDownOnceASecondAndEndsWithOkWhenTimeRunsOut)
{
    CDlgConfirmation dlg;
    dlg.m_seconds = 2;
    dlg.m_message = L"Off in <XX> seconds.";
    std::wstring afterFirstTick;
    int positionAfterFirstTick = -1;
    CModalScript script;
    script.Then([&] { return dlg.GetSafeHwnd() != nullptr; })
        .Wait(1500)
        .Then([&] {
            afterFirstTick = ControlText(dlg.GetSafeHwnd(), IDC_CONFIRM_MESSAGE);
            positionAfterFirstTick = ProgressPosition(dlg.GetSafeHwnd());
            return true;
        });

    DWORD elapsed = 0;
    EXPECT_EQ(IDOK, Run(dlg, script, &elapsed));
    EXPECT_EQ(L"Off in 1 seconds.", afterFirstTick);
    EXPECT_EQ(1, positionAfterFirstTick);
    EXPECT_GE(elapsed, 1800u);
    EXPECT_EQ(0, dlg.m_seconds);
    EXPECT_EQ(L"Off in 0 seconds.", dlg.m_message);
}

TEST_F(ConfirmationDialog, DoItNowAndEnterProceedAtOnce)
{
    for (const bool useEnter : {false, true}) {
        CDlgConfirmation dlg;
        CModalScript script;
        script.Then([&] {
            HWND hwnd = dlg.GetSafeHwnd();
            if (!hwnd) return false;
            if (useEnter)
                PostKey(GetFocus() ? GetFocus() : hwnd, VK_RETURN);
            else
                PostClick(hwnd, IDOK);
            return true;
        });
        EXPECT_EQ(IDOK, Run(dlg, script)) << "enter: " << useEnter;
        EXPECT_EQ(15, dlg.m_seconds) << "no tick came before the end";
    }
}

TEST_F(ConfirmationDialog, CancelEscapeAndClosingDropTheAction)
{
    enum class How { CancelButton, Escape, Close };
    for (const How how : {How::CancelButton, How::Escape, How::Close}) {
        CDlgConfirmation dlg;
        CModalScript script;
        script.Then([&] {
            HWND hwnd = dlg.GetSafeHwnd();
            if (!hwnd) return false;
            if (how == How::CancelButton) PostClick(hwnd, IDCANCEL);
            if (how == How::Escape) PostKey(GetFocus() ? GetFocus() : hwnd, VK_ESCAPE);
            if (how == How::Close) PostMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
            return true;
        });
        EXPECT_EQ(IDCANCEL, Run(dlg, script)) << "case " << static_cast<int>(how);
    }
}

TEST_F(ConfirmationDialog, CheckBoxClicksAreStoredAtOnce)
{
    ResetTestProfile();
    CDlgConfirmation dlg;
    int voiceAfterClick = -1, cancelAfterClick = -1;
    CModalScript script;
    script.Then([&] {
            if (!dlg.GetSafeHwnd()) return false;
            PostClick(dlg.GetSafeHwnd(), IDC_CONFIRM_VOICE_ALERT);
            PostClick(dlg.GetSafeHwnd(), IDC_CONFIRM_CANCEL_WITH_INPUT);
            return true;
        })
        .Then([&] {
            voiceAfterClick = StoredInt(L"ConfirmationDialogVoiceAlert", -1);
            cancelAfterClick = StoredInt(L"CancelDlgWithInput", -1);
            if (voiceAfterClick == -1 || cancelAfterClick == -1) return false;
            PostClick(dlg.GetSafeHwnd(), IDCANCEL);
            return true;
        });
    EXPECT_EQ(IDCANCEL, Run(dlg, script));
    EXPECT_EQ(0, voiceAfterClick);
    EXPECT_EQ(1, cancelAfterClick);
    EXPECT_EQ(0, dlg.m_voiceAlert);
    EXPECT_EQ(1, dlg.m_cancelWithInput);
}

TEST_F(ConfirmationDialog, VoiceAlertIsSpokenOnceOnAWorkerThreadWithTheFirstDecreasedNumber)
{
    AfxProfile().WriteInt(kSettingsSection, L"ConfirmationDialogVoiceAlert", 1);
    CDlgConfirmation dlg;
    dlg.m_seconds = 3;
    dlg.m_message = L"<XX> seconds left";
    CModalScript script;
    script.Then([&] {
        if (!dlg.GetSafeHwnd()) return false;
        StopRealTicks(dlg.GetSafeHwnd());
        for (int i = 0; i < 3; ++i) PostTick(dlg.GetSafeHwnd());
        return true;
    });
    EXPECT_EQ(IDOK, Run(dlg, script));

    ASSERT_TRUE(m_system.WaitForSpoken(1, 3000));
    Sleep(200);
    const auto spoken = m_system.Spoken();
    ASSERT_EQ(1u, spoken.size());
    EXPECT_EQ(L"2 seconds left", spoken[0].text);
    EXPECT_NE(GetCurrentThreadId(), spoken[0].threadId);
    EXPECT_TRUE(dlg.m_spoken);
}

TEST_F(ConfirmationDialog, UncheckingVoiceAlertBeforeTheFirstTickKeepsItSilentAndIsRemembered)
{
    AfxProfile().WriteInt(kSettingsSection, L"ConfirmationDialogVoiceAlert", 1);
    CDlgConfirmation dlg;
    dlg.m_seconds = 2;
    CModalScript script;
    script.Then([&] {
        if (!dlg.GetSafeHwnd()) return false;
        StopRealTicks(dlg.GetSafeHwnd());
        PostClick(dlg.GetSafeHwnd(), IDC_CONFIRM_VOICE_ALERT);
        PostTick(dlg.GetSafeHwnd());
        PostTick(dlg.GetSafeHwnd());
        return true;
    });
    EXPECT_EQ(IDOK, Run(dlg, script));
    Sleep(200);
    EXPECT_TRUE(m_system.Spoken().empty());
    EXPECT_EQ(0, StoredInt(L"ConfirmationDialogVoiceAlert", -1));
}

// Input is any change of the system's last-input time since the dialog
// opened: it cancels from the first tick on, also in the last second, and a
// cancelled countdown speaks nothing.
TEST_F(ConfirmationDialog, WithInputCancellingOnInputCancelsAtTheNextTickEvenInTheLastSecond)
{
    AfxProfile().WriteInt(kSettingsSection, L"CancelDlgWithInput", 1);
    AfxProfile().WriteInt(kSettingsSection, L"ConfirmationDialogVoiceAlert", 1);
    struct Case {
        const char* what;
        int seconds;
        int ticksBeforeInput;  // -1: no input
        INT_PTR result;
        int secondsAfterwards;
    };
    const Case cases[] = {
        {"input before the first tick", 3, 0, IDCANCEL, 3},
        {"input in the last second", 2, 1, IDCANCEL, 1},
        {"no input", 2, -1, IDOK, 0},
    };
    for (const Case& c : cases) {
        CDlgConfirmation dlg;
        dlg.m_seconds = c.seconds;
        CModalScript script;
        script.Then([&] {
                if (!dlg.GetSafeHwnd()) return false;
                StopRealTicks(dlg.GetSafeHwnd());
                for (int i = 0; i < c.ticksBeforeInput; ++i) PostTick(dlg.GetSafeHwnd());
                return true;
            })
            .Wait(50)
            .Then([&] {
                if (c.ticksBeforeInput >= 0) SimulateUserInput();
                for (int i = c.ticksBeforeInput < 0 ? 0 : c.ticksBeforeInput; i < c.seconds; ++i)
                    PostTick(dlg.GetSafeHwnd());
                return true;
            });
        EXPECT_EQ(c.result, Run(dlg, script)) << c.what;
        EXPECT_EQ(c.secondsAfterwards, dlg.m_seconds) << c.what;
        Sleep(100);
        EXPECT_EQ(c.ticksBeforeInput == 0 ? 0u : 1u, m_system.Spoken().size()) << c.what;
        m_system.ClearSpoken();
    }
}

TEST_F(ConfirmationDialog, ATickThatComesLateStillSeesTheInput)
{
    AfxProfile().WriteInt(kSettingsSection, L"CancelDlgWithInput", 1);
    // The user was active right before the dialog opened; that is not input
    // for this countdown.
    SimulateUserInput();
    Sleep(50);
    CDlgConfirmation dlg;
    dlg.m_seconds = 15;
    CModalScript script;
    script.Then([&] {
            if (!dlg.GetSafeHwnd()) return false;
            StopRealTicks(dlg.GetSafeHwnd());
            PostTick(dlg.GetSafeHwnd());
            return true;
        })
        .Wait(100)
        .Then([&] {
            SimulateUserInput();
            return true;
        })
        .Wait(2500)
        .Then([&] {
            PostTick(dlg.GetSafeHwnd());
            return true;
        });
    EXPECT_EQ(IDCANCEL, Run(dlg, script));
    EXPECT_EQ(14, dlg.m_seconds);
}

TEST_F(ConfirmationDialog, OddSecondsAndMessagesEndWithOkAfterOneTick)
{
    struct Case {
        int seconds;
        const wchar_t* message;
        const wchar_t* finalMessage;
    };
    const Case cases[] = {
        {0, L"Action X would be performed after <XX> seconds.", L"Action X would be performed after -1 seconds."},
        {-3, L"<XX>", L"-4"},
        {1, L"", L""},
        {1, L"Turning Monitor Off Now", L"Turning Monitor Off Now"},
    };
    for (const Case& c : cases) {
        CDlgConfirmation dlg;
        dlg.m_seconds = c.seconds;
        dlg.m_message = c.message;
        CModalScript script(5000);
        script.Then([&] {
            if (!dlg.GetSafeHwnd()) return false;
            StopRealTicks(dlg.GetSafeHwnd());
            PostTick(dlg.GetSafeHwnd());
            return true;
        });
        EXPECT_EQ(IDOK, Run(dlg, script)) << c.seconds;
        EXPECT_EQ(c.finalMessage, dlg.m_message) << c.seconds;
    }
}

TEST_F(ConfirmationDialog, ConfirmActionNamesTheActionAndProceedsOnlyOnOk)
{
    for (const bool proceed : {true, false}) {
        std::wstring shown;
        CModalScript script;
        script.Then([&] {
            HWND hwnd = FindThreadDialog(kCaption);
            if (!hwnd) return false;
            shown = ControlText(hwnd, IDC_CONFIRM_MESSAGE);
            PostClick(hwnd, proceed ? IDOK : IDCANCEL);
            return true;
        });
        script.Start();
        EXPECT_EQ(proceed, ConfirmAction(L"Umbrix and Lock Computer"));
        EXPECT_FALSE(script.TimedOut());
        EXPECT_EQ(L"Action Umbrix and Lock Computer would be performed after 15 seconds.", shown);
    }
}

TEST_F(ConfirmationDialog, AnAmpersandInTheMessageIsShownAsItself)
{
    struct Case {
        const wchar_t* name;
        const wchar_t* shown;
    };
    for (const Case& c : {Case{L"Lock WorkStation & Monitor Off", L"Lock WorkStation & Monitor Off"},
                          Case{L"Hibernate && WakeUp", L"Hibernate & WakeUp"}}) {
        CDlgConfirmation dlg;
        dlg.m_message = std::wstring(L"Action ") + c.name;
        SIZE shownWidth{}, expectedWidth{};
        CModalScript script;
        script.Then([&] {
            HWND hwnd = dlg.GetSafeHwnd();
            if (!hwnd) return false;
            // What the static control draws: with prefix processing a lone
            // "&" vanishes, so compare the drawn width with the plain text's.
            HWND label = GetDlgItem(hwnd, IDC_CONFIRM_MESSAGE);
            HDC dc = GetDC(label);
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
            const std::wstring text = ControlText(hwnd, IDC_CONFIRM_MESSAGE);
            RECT drawn{0, 0, 2000, 100};
            DrawTextW(dc, text.c_str(), -1, &drawn, DT_CALCRECT | DT_SINGLELINE);
            shownWidth.cx = drawn.right;
            const std::wstring plain = std::wstring(L"Action ") + c.shown;
            RECT expected{0, 0, 2000, 100};
            DrawTextW(dc, plain.c_str(), -1, &expected, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
            expectedWidth.cx = expected.right;
            ReleaseDC(label, dc);
            PostClick(hwnd, IDCANCEL);
            return true;
        });
        EXPECT_EQ(IDCANCEL, Run(dlg, script));
        EXPECT_EQ(expectedWidth.cx, shownWidth.cx) << static_cast<int>(c.shown[0]);
    }
}

// A hot key is a thread message (no window): only the application's message
// pre-translation sees it, so the countdown's modal loop must pass it there.
TEST_F(ConfirmationDialog, AHotKeyPressedDuringTheCountdownReachesTheApplication)
{
    WPARAM pressed = 0;
    g_preTranslateHook = [&](MSG& msg) {
        if (msg.message != WM_HOTKEY || msg.hwnd) return false;
        pressed = msg.wParam;
        return true;
    };
    CDlgConfirmation dlg;
    CModalScript script;
    script
        .Then([&] {
            if (!dlg.GetSafeHwnd()) return false;
            PostThreadMessageW(GetCurrentThreadId(), WM_HOTKEY, 2, 0);
            return true;
        })
        .Then([&] {
            if (!pressed) return false;
            PostClick(dlg.GetSafeHwnd(), IDCANCEL);
            return true;
        });
    EXPECT_EQ(IDCANCEL, Run(dlg, script));
    g_preTranslateHook = nullptr;
    EXPECT_EQ(pressed, 2u);
}

}  // namespace
