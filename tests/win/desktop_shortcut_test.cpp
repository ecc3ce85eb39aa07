// The desktop-shortcut chooser (dialog 314) and the shortcut file, under
// Wine: real dialogs driven through their modal loops, real .lnk files on the
// test prefix's desktop, read back through the shell-link interface.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "actions/display_ops.h"
#include "framework/app.h"
#include "framework/com_ptr.h"
#include "framework/win_text.h"
#include "resources/resource.h"
#include "shell/dlg_select_function.h"
#include "shell/main_frame.h"
#include "shell/shortcut_file_win.h"
#include "shell/umbrix_view.h"
#include "win/modal_script.h"
#include "win/recording_system.h"
#include "win/test_app.h"

namespace {

const wchar_t kChooserCaption[] = L"Umbrix - Desktop Shortcut";

std::wstring DesktopDir()
{
    wchar_t buffer[MAX_PATH] = {};
    SHGetSpecialFolderPathW(nullptr, buffer, CSIDL_DESKTOPDIRECTORY, FALSE);
    return buffer;
}

struct LinkContents {
    HRESULT loaded = E_FAIL;
    std::wstring path, arguments, description;
};

LinkContents ReadLink(const std::wstring& file)
{
    LinkContents contents;
    CComPointer<IShellLinkW> link;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.ReceiveVoid())))
        return contents;
    CComPointer<IPersistFile> persist;
    link->QueryInterface(IID_IPersistFile, persist.ReceiveVoid());
    contents.loaded = persist->Load(file.c_str(), STGM_READ);
    wchar_t buffer[1024] = {};
    link->GetPath(buffer, 1024, nullptr, 0);
    contents.path = buffer;
    buffer[0] = 0;
    link->GetArguments(buffer, 1024);
    contents.arguments = buffer;
    buffer[0] = 0;
    link->GetDescription(buffer, 1024);
    contents.description = buffer;
    return contents;
}

bool SameFile(const std::wstring& a, const std::wstring& b)
{
    return lstrcmpiW(a.c_str(), b.c_str()) == 0;
}

class DesktopShortcut : public testing::Test {
protected:
    void SetUp() override
    {
        ResetTestProfile();
        ASSERT_TRUE(m_frame.Create());
        AfxGetApp()->m_pMainWnd = &m_frame;
    }
    void TearDown() override
    {
        AfxGetApp()->m_pMainWnd = nullptr;
        for (const std::wstring& file : m_created) DeleteFileW(file.c_str());
    }

    // Answers the chooser: selects list entry `index` (-1: none), sets the
    // check boxes and presses `button`; then answers the closing message
    // when one is expected.
    std::wstring RunChooser(const std::function<void()>& open, int index, int confirm, int rightClick,
                            int button = IDOK, bool closingMessage = true)
    {
        std::wstring closing;
        HWND chooser = nullptr;
        CModalScript script;
        script.Then([&] {
            chooser = FindThreadDialog(kChooserCaption);
            if (!chooser) return false;
            HWND list = GetDlgItem(chooser, IDC_SELECT_LIST);
            m_entries = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
            m_rightClickEnabled = IsWindowEnabled(GetDlgItem(chooser, IDC_SELECT_RIGHT_CLICK)) != FALSE;
            m_initialSelection = static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0));
            m_initialConfirm = IsDlgButtonChecked(chooser, IDC_SELECT_CONFIRM);
            SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
            CheckDlgButton(chooser, IDC_SELECT_CONFIRM, confirm ? BST_CHECKED : BST_UNCHECKED);
            CheckDlgButton(chooser, IDC_SELECT_RIGHT_CLICK, rightClick ? BST_CHECKED : BST_UNCHECKED);
            PostClick(chooser, button);
            return true;
        });
        if (button == IDOK && closingMessage) {
            script.Then([&] {
                HWND box = FindThreadDialog(L"Umbrix");
                if (!box) return false;
                closing = MessageBoxText(box);
                PostClick(box, IDOK);
                return true;
            });
        }
        script.Start();
        open();
        EXPECT_TRUE(script.Finished());
        return closing;
    }

    std::wstring Expect(const std::wstring& name)
    {
        const std::wstring path = DesktopDir() + L"\\" + name;
        DeleteFileW(path.c_str());
        m_created.push_back(path);
        return path;
    }

    CRecordingSystem m_system;
    CSystemOverride m_override{m_system};
    CMainFrame m_frame;
    std::vector<std::wstring> m_created;
    int m_entries = 0;
    int m_initialSelection = 0;
    UINT m_initialConfirm = 0;
    bool m_rightClickEnabled = false;
};

TEST_F(DesktopShortcut, CommandCreatesALinkThatReadsBack)
{
    ASSERT_EQ(GetWindowsVersionClass(), 106);
    const std::wstring link = Expect(L"Umbrix (Without Confirmation).lnk");
    const std::wstring shown = RunChooser([&] { SendMessageW(m_frame.GetSafeHwnd(), WM_COMMAND, ID_CREATE_DESKTOP_SHORTCUT, 0); },
                                          8, 0, 0);
    EXPECT_EQ(shown, L"Shortcut created on Desktop Successfully");
    EXPECT_EQ(m_entries, 21);
    EXPECT_TRUE(m_rightClickEnabled);
    EXPECT_EQ(m_initialSelection, LB_ERR);
    EXPECT_EQ(m_initialConfirm, static_cast<UINT>(BST_CHECKED));

    const LinkContents contents = ReadLink(link);
    ASSERT_EQ(contents.loaded, S_OK);
    EXPECT_TRUE(SameFile(contents.path, GetProgramFolder() + L"\\Umbrix.exe")) << contents.path.c_str();
    EXPECT_EQ(contents.arguments, L"9");
    EXPECT_EQ(contents.description, L"Action Without Confirmation");
    EXPECT_TRUE(m_system.Requests().empty());
}

TEST_F(DesktopShortcut, FormButtonWithConfirmationAndRightClickStartsTheHelperToo)
{
    const std::wstring link = Expect(L"Restart Computer (With Confirmation).lnk");
    HWND view = m_frame.View()->GetSafeHwnd();
    RunChooser([&] { SendMessageW(view, WM_COMMAND, MAKEWPARAM(IDC_FORM_DESKTOP_SHORTCUT, BN_CLICKED),
                                        reinterpret_cast<LPARAM>(GetDlgItem(view, IDC_FORM_DESKTOP_SHORTCUT))); }, 4, 1, 1);
    const LinkContents contents = ReadLink(link);
    ASSERT_EQ(contents.loaded, S_OK);
    EXPECT_EQ(contents.arguments, L"1005");
    EXPECT_EQ(contents.description, L"Action With Confirmation");

    const std::wstring target = GetProgramFolder() + L"\\Umbrix.exe";
    const auto executed = m_system.Executed();
    ASSERT_EQ(executed.size(), 1u);
    EXPECT_EQ(executed[0].verb, L"runas");
    EXPECT_EQ(executed[0].file, GetProgramFolder() + L"\\UmbrixHelper.exe");
    EXPECT_EQ(executed[0].parameters, L"\"Restart Computer\" \"\\\"" + target + L"\\\" 1005\"");
    EXPECT_EQ(executed[0].show, SW_SHOW);
}

TEST_F(DesktopShortcut, SameChoiceTwiceLeavesOneFileBothChoicesTwo)
{
    const std::wstring with = Expect(L"Step Down Volume (With Confirmation).lnk");
    const std::wstring without = Expect(L"Step Down Volume (Without Confirmation).lnk");
    auto open = [&] { m_frame.View()->OnCreateDesktopShortcut(); };
    RunChooser(open, 20, 1, 0);
    RunChooser(open, 20, 1, 0);
    RunChooser(open, 20, 0, 0);
    EXPECT_EQ(ReadLink(with).arguments, L"1021");
    EXPECT_EQ(ReadLink(without).arguments, L"21");
}

TEST_F(DesktopShortcut, BeforeVistaSixteenEntriesAndNoRightClickBox)
{
    CDlgSelectFunction dialog(m_frame.GetSafeHwnd(), 104);
    RunChooser([&] { EXPECT_EQ(dialog.DoModal(), IDOK); }, 15, 1, 0, IDOK, false);
    EXPECT_EQ(m_entries, 16);
    EXPECT_FALSE(m_rightClickEnabled);
    EXPECT_EQ(dialog.m_selected, L"16\tSwitch to Windows Classic Theme");
    EXPECT_EQ(dialog.m_confirm, 1);
}

TEST_F(DesktopShortcut, CancelCreatesAndShowsNothing)
{
    const std::wstring link = Expect(L"ShutDown Computer (With Confirmation).lnk");
    RunChooser([&] { m_frame.View()->OnCreateDesktopShortcut(); }, 0, 1, 1, IDCANCEL);
    EXPECT_EQ(GetFileAttributesW(link.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(m_system.Requests().empty());
}

TEST(ShortcutFile, FailuresReturnTheirCodeAndWriteNothing)
{
    const std::wstring missingFolder = DesktopDir() + L"\\no such folder\\x.lnk";
    EXPECT_LT(CreateShortcutFile(GetModulePath(), missingFolder, 9, L"d"), 0);
    EXPECT_EQ(GetFileAttributesW(missingFolder.c_str()), INVALID_FILE_ATTRIBUTES);

    const std::wstring tooLong = DesktopDir() + L"\\" + std::wstring(300, L'x') + L".lnk";
    EXPECT_EQ(CreateShortcutFile(GetModulePath(), tooLong, 9, L"d"), HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE));
    EXPECT_EQ(CreateShortcutFile(L"", DesktopDir() + L"\\empty.lnk", 9, L"d"), E_FAIL);
}

}  // namespace
