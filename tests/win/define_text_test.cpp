// The alert-text editor under Wine, with speech recorded instead of spoken.
#include <windows.h>

#include <gtest/gtest.h>

#include "actions/dlg_define_text.h"
#include "framework/app.h"
#include "resources/resource.h"
#include "win/modal_script.h"
#include "win/recording_system.h"
#include "win/test_app.h"

namespace {

const wchar_t kCaption[] = L"Umbrix : Define Text";

class DefineTextDialog : public testing::Test {
protected:
    INT_PTR Run(CDlgDefineText& dlg, CModalScript& script)
    {
        script.Start();
        const INT_PTR result = dlg.DoModal();
        EXPECT_FALSE(script.TimedOut());
        return result;
    }

    static bool Up(const CDlgDefineText& dlg) { return dlg.GetSafeHwnd() && IsWindowVisible(dlg.GetSafeHwnd()); }

    // Presses "&Speak Alert Text" after typing `text`, then cancels the editor;
    // returns the text of the message box that came up, if any.
    std::wstring SpeakAndCancel(const std::wstring& text)
    {
        CDlgDefineText dlg;
        std::wstring message;
        CModalScript script;
        script.Then([&] {
                if (!Up(dlg)) return false;
                SetDlgItemTextW(dlg.GetSafeHwnd(), IDC_DEFINE_TEXT_EDIT, text.c_str());
                PostClick(dlg.GetSafeHwnd(), IDC_DEFINE_TEXT_SPEAK);
                return true;
            })
            .Then([&] { return !m_system.Spoken().empty(); })
            .Wait(300)
            .Then([&] {
                if (HWND box = FindThreadDialog(L"Umbrix", dlg.GetSafeHwnd())) {
                    message = MessageBoxText(box);
                    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                    return false;  // again, once the box is gone
                }
                PostClick(dlg.GetSafeHwnd(), IDCANCEL);
                return true;
            });
        EXPECT_EQ(IDCANCEL, Run(dlg, script));
        return message;
    }

    CRecordingSystem m_system;
    CSystemOverride m_override{m_system};
};

TEST_F(DefineTextDialog, ShowsThePresetTextAndHandsBackTheEditedTextOnOk)
{
    CDlgDefineText dlg;
    dlg.m_text = L"Turning Monitor Off Now";
    std::wstring shown;
    bool icons = false;
    CModalScript script;
    script.Then([&] {
        if (!Up(dlg)) return false;
        HWND hwnd = dlg.GetSafeHwnd();
        shown = ControlText(hwnd, IDC_DEFINE_TEXT_EDIT);
        icons = SendMessageW(hwnd, WM_GETICON, ICON_BIG, 0) && SendMessageW(hwnd, WM_GETICON, ICON_SMALL, 0);
        EXPECT_EQ(hwnd, FindThreadDialog(kCaption));
        SetDlgItemTextW(hwnd, IDC_DEFINE_TEXT_EDIT, L"Going dark");
        PostClick(hwnd, IDOK);
        return true;
    });
    EXPECT_EQ(IDOK, Run(dlg, script));
    EXPECT_EQ(L"Turning Monitor Off Now", shown);
    EXPECT_TRUE(icons);
    EXPECT_EQ(L"Going dark", dlg.m_text);
    EXPECT_TRUE(m_system.Spoken().empty());
}

TEST_F(DefineTextDialog, CancelKeepsThePresetText)
{
    CDlgDefineText dlg;
    dlg.m_text = L"Starting ScreenSaver Now";
    CModalScript script;
    script.Then([&] {
        if (!Up(dlg)) return false;
        SetDlgItemTextW(dlg.GetSafeHwnd(), IDC_DEFINE_TEXT_EDIT, L"changed");
        PostClick(dlg.GetSafeHwnd(), IDCANCEL);
        return true;
    });
    EXPECT_EQ(IDCANCEL, Run(dlg, script));
    EXPECT_EQ(L"Starting ScreenSaver Now", dlg.m_text);
}

TEST_F(DefineTextDialog, EnterInTheTextMakesANewLineInsteadOfAccepting)
{
    CDlgDefineText dlg;
    std::wstring text;
    CModalScript script;
    script.Then([&] {
            if (!Up(dlg)) return false;
            HWND edit = GetDlgItem(dlg.GetSafeHwnd(), IDC_DEFINE_TEXT_EDIT);
            SetFocus(edit);
            SetWindowTextW(edit, L"one");
            SendMessageW(edit, EM_SETSEL, 3, 3);
            PostKey(edit, VK_RETURN);
            return true;
        })
        .Wait(300)
        .Then([&] {
            text = ControlText(dlg.GetSafeHwnd(), IDC_DEFINE_TEXT_EDIT);
            PostClick(dlg.GetSafeHwnd(), IDCANCEL);
            return true;
        });
    EXPECT_EQ(IDCANCEL, Run(dlg, script));
    EXPECT_EQ(L"one\r\n", text);
}

TEST_F(DefineTextDialog, SpeakingTheTextShowsNothingWhenTheVoiceWorks)
{
    EXPECT_EQ(L"", SpeakAndCancel(L"Low Battery"));
    ASSERT_EQ(1u, m_system.Spoken().size());
    EXPECT_EQ(L"Low Battery", m_system.Spoken()[0].text);
}

TEST_F(DefineTextDialog, SpeakingTheTextReportsAMissingVoice)
{
    m_system.m_speakResult = false;
    EXPECT_EQ(L"Failed to Speak Alert.", SpeakAndCancel(L"Low Battery"));
    EXPECT_EQ(1u, m_system.Spoken().size());
}

}  // namespace
