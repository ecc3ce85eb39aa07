// Vandric's tray icon against Wine's real notification area.
#include <windows.h>

#include <gtest/gtest.h>

#include "resources/vandric_resource.h"
#include "timer/tray_icon.h"
#include "timer/vandric_messages.h"
#include "win/light_theme_value.h"

namespace {
std::vector<WPARAM> g_commands;

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COMMAND) g_commands.push_back(wParam);
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}
}  // namespace

TEST(VandricTray, LivesWithItsOwnerAndComesBackAfterAShellRestart)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = OwnerProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"VandricTrayTestOwner";
    RegisterClassW(&wc);
    HWND owner = CreateWindowW(wc.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 99, 99, nullptr, nullptr,
                               wc.hInstance, nullptr);
    CTrayIcon tray;
    ASSERT_TRUE(tray.Create(owner, ID_VANDRIC_TRAY_ICON, L"Vandric", LoadIconW(nullptr, IDI_APPLICATION),
                            UM_TRAY_NOTIFY, 0));
    // Wine's shell32 reports version 6: the third record.
    EXPECT_EQ(tray.RecordSize(), static_cast<DWORD>(NOTIFYICONDATAW_V3_SIZE));
    tray.SetDefaultItem(ID_VANDRIC_SCHEDULE, false);
    EXPECT_EQ(GetMenuDefaultItem(GetSubMenu(tray.Menu(), 0), FALSE, 0), static_cast<UINT>(ID_VANDRIC_SCHEDULE));

    tray.OnTrayNotification(ID_VANDRIC_TRAY_ICON + 1, WM_LBUTTONDBLCLK);
    tray.OnTrayNotification(ID_VANDRIC_TRAY_ICON, WM_LBUTTONUP);
    tray.OnTrayNotification(ID_VANDRIC_TRAY_ICON, WM_LBUTTONDBLCLK);
    EXPECT_EQ(g_commands, std::vector<WPARAM>{ID_VANDRIC_SCHEDULE}) << "double click on its own icon only";

    EXPECT_TRUE(tray.SetTip(L"Vandric : 59 Seconds remaining\nto initiate Restart"));
    ASSERT_TRUE(tray.Hide());
    SendMessageW(owner, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(tray.Present());
    EXPECT_TRUE(tray.Hidden()) << "the flag keeps what the old shell was told";
    EXPECT_EQ(tray.Tip(), L"Vandric : 59 Seconds remaining\nto initiate Restart");
    DestroyWindow(owner);
    EXPECT_FALSE(tray.Present()) << "removed with its owner";
    EXPECT_FALSE(tray.SetTip(L"gone"));
}

TEST(VandricTray, ThemeChangeSwapsTheIcon)
{
    CLightThemeValue theme;
    theme.Set(1);
    HWND owner = CreateWindowW(L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 99, 99, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    CTrayIcon tray;
    tray.UseThemedIcons({IDI_VANDRIC_TRAY_DARK_TASKBAR, IDI_VANDRIC_TRAY_LIGHT_TASKBAR, IDI_VANDRIC_TRAY_HIGH_CONTRAST});
    ASSERT_TRUE(tray.Create(owner, ID_VANDRIC_TRAY_ICON, L"Vandric", nullptr, UM_TRAY_NOTIFY, 0));
    EXPECT_EQ(tray.IconResource(), IDI_VANDRIC_TRAY_LIGHT_TASKBAR);
    theme.Set(0);
    CLightThemeValue::Broadcast(owner, L"Policy");
    EXPECT_EQ(tray.IconResource(), IDI_VANDRIC_TRAY_LIGHT_TASKBAR);
    CLightThemeValue::Broadcast(owner);
    EXPECT_EQ(tray.IconResource(), IDI_VANDRIC_TRAY_DARK_TASKBAR);
    DestroyWindow(owner);
}
