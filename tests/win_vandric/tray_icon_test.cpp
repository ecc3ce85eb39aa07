// Vandric's tray icon against Wine's real notification area.
#include <windows.h>

#include <gtest/gtest.h>

#include "resources/vandric_resource.h"
#include "timer/schedule_countdown.h"
#include "timer/tray_icon.h"
#include "timer/tray_record.h"
#include "timer/vandric_messages.h"

namespace {

// A hidden top-level window that remembers the commands it receives.
class COwner {
public:
    COwner()
    {
        WNDCLASSW wc{};
        wc.lpfnWndProc = Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"VandricTrayTestOwner";
        RegisterClassW(&wc);
        m_hwnd = CreateWindowW(wc.lpszClassName, L"tray test", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                               nullptr, wc.hInstance, nullptr);
        s_commands.clear();
    }
    ~COwner() { if (IsWindow(m_hwnd)) DestroyWindow(m_hwnd); }
    HWND Get() const { return m_hwnd; }
    static inline std::vector<WPARAM> s_commands;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        if (msg == WM_COMMAND) s_commands.push_back(wParam);
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    HWND m_hwnd;
};

HICON AppIcon()
{
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_VANDRIC), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
}

std::wstring ItemText(HMENU menu, UINT position)
{
    wchar_t text[64] = {};
    GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
    return text;
}

}  // namespace

TEST(VandricTray, CreatesWithTheShellsRecordAndItsMenu)
{
    COwner owner;
    CTrayIcon tray;
    ASSERT_TRUE(tray.Create(owner.Get(), ID_VANDRIC_TRAY_ICON, L"Vandric", AppIcon(), UM_TRAY_NOTIFY, 0));
    EXPECT_TRUE(tray.Present());
    EXPECT_FALSE(tray.Hidden());
    EXPECT_EQ(tray.Tip(), L"Vandric");
    const TrayRecordVersion version = TrayRecordVersionForShell(ShellMajorVersion());
    EXPECT_EQ(tray.RecordSize(), static_cast<DWORD>(TrayRecordSize(version, TrayRecordAbi::Wide64)));
    if (ShellMajorVersion() >= 6) {
        EXPECT_EQ(tray.RecordSize(), NOTIFYICONDATAW_V3_SIZE);
    }

    HMENU popup = GetSubMenu(tray.Menu(), 0);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(GetMenuItemCount(popup), 3);
    EXPECT_EQ(ItemText(popup, 0), L"Schedule Action");
    EXPECT_EQ(GetMenuItemID(popup, 0), static_cast<UINT>(ID_VANDRIC_SCHEDULE));
    EXPECT_EQ(GetMenuItemID(popup, 2), static_cast<UINT>(ID_VANDRIC_EXIT));
    EXPECT_EQ(ItemText(popup, 2), L"Exit");
    EXPECT_EQ(GetMenuDefaultItem(popup, TRUE, 0), 0u) << "position 0 until told otherwise";
    tray.SetDefaultItem(ID_VANDRIC_SCHEDULE, false);
    EXPECT_EQ(GetMenuDefaultItem(popup, FALSE, 0), static_cast<UINT>(ID_VANDRIC_SCHEDULE));
}

TEST(VandricTray, TipHideShowAndRemove)
{
    COwner owner;
    CTrayIcon tray;
    ASSERT_TRUE(tray.Create(owner.Get(), ID_VANDRIC_TRAY_ICON, L"Vandric", AppIcon(), UM_TRAY_NOTIFY, 0));
    const std::wstring tip = CountdownTip(59, L"Restart(Brute)");
    EXPECT_TRUE(tray.SetTip(tip));
    EXPECT_EQ(tray.Tip(), tip);
    EXPECT_TRUE(tray.Hide());
    EXPECT_TRUE(tray.Hidden());
    EXPECT_TRUE(tray.Show());
    EXPECT_FALSE(tray.Hidden());
    tray.Remove();
    EXPECT_FALSE(tray.Present());
    EXPECT_FALSE(tray.SetTip(L"gone")) << "no tip for an icon that is not there";
    EXPECT_EQ(tray.Tip(), tip);
}

TEST(VandricTray, DoubleClickSendsTheDefaultCommandOfItsOwnIconOnly)
{
    COwner owner;
    CTrayIcon tray;
    ASSERT_TRUE(tray.Create(owner.Get(), ID_VANDRIC_TRAY_ICON, L"Vandric", AppIcon(), UM_TRAY_NOTIFY, 0));
    tray.SetDefaultItem(ID_VANDRIC_SCHEDULE, false);
    tray.OnTrayNotification(ID_VANDRIC_TRAY_ICON + 1, WM_LBUTTONDBLCLK);
    tray.OnTrayNotification(ID_VANDRIC_TRAY_ICON, WM_MOUSEMOVE);
    tray.OnTrayNotification(ID_VANDRIC_TRAY_ICON, WM_LBUTTONUP);
    EXPECT_TRUE(COwner::s_commands.empty());
    tray.OnTrayNotification(ID_VANDRIC_TRAY_ICON, WM_LBUTTONDBLCLK);
    ASSERT_EQ(COwner::s_commands.size(), 1u);
    EXPECT_EQ(COwner::s_commands[0], static_cast<WPARAM>(ID_VANDRIC_SCHEDULE));
}

TEST(VandricTray, ComesBackAfterAShellRestartAndGoesWithItsOwner)
{
    COwner owner;
    CTrayIcon tray;
    ASSERT_TRUE(tray.Create(owner.Get(), ID_VANDRIC_TRAY_ICON, L"Vandric", AppIcon(), UM_TRAY_NOTIFY, 0));
    ASSERT_TRUE(tray.Hide());
    SendMessageW(owner.Get(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(tray.Present());
    EXPECT_TRUE(tray.Hidden()) << "the flag keeps what the old shell was told";
    DestroyWindow(owner.Get());
    EXPECT_FALSE(tray.Present()) << "removed when the owner is destroyed";
}
