// Resource identifiers of Vandric. The numbers are the program's own; the
// command numbers are also what other programs may post to its main window.
#pragma once

// Application icon
#define IDI_VANDRIC                     128
// Tray icons: for a dark taskbar (light drawing), a light one (dark drawing)
// and high-contrast mode
#define IDI_VANDRIC_TRAY_DARK_TASKBAR   140
#define IDI_VANDRIC_TRAY_LIGHT_TASKBAR  141
#define IDI_VANDRIC_TRAY_HIGH_CONTRAST  144

// About box (dialog 100) and its system-menu item
#define IDD_VANDRIC_ABOUT               100
#define IDS_VANDRIC_ABOUT               101     // "&About Vandric..."
#define IDM_VANDRIC_ABOUTBOX            0x0010

// Settings window, the main window (dialog 102, menu 129)
#define IDD_VANDRIC_SETTINGS            102
#define IDR_VANDRIC_SETTINGS_MENU       129
#define IDC_VANDRIC_HOTKEY              1000
#define IDC_VANDRIC_CHANGE              1001
#define IDC_VANDRIC_CLEAR               1003
#define IDC_VANDRIC_SYSTRAY             1004

// Tray menu (menu 133) and tray icon identifier
#define IDR_VANDRIC_TRAY_MENU           133
#define ID_VANDRIC_TRAY_ICON            133

// Schedule (dialog 135)
#define IDD_VANDRIC_SCHEDULE            135
#define IDC_SCHEDULE_ACTION             1005
#define IDC_SCHEDULE_MINUTES            1007
#define IDC_SCHEDULE_MONITOR_OFF        1008
#define IDC_SCHEDULE_LAST               1010
#define IDC_SCHEDULE_CURRENT            1011

// Warning window of the last minute (dialog 136); its buttons carry the
// tray menu's command numbers
#define IDD_VANDRIC_WARNING             136
#define IDC_WARNING_SECONDS             1020
#define IDC_WARNING_TEXT                1021

// Commands
#define ID_VANDRIC_WEBSITE              32772
#define ID_VANDRIC_SUPPORT              32773
#define ID_VANDRIC_MONITOR_OFF          32775
#define ID_VANDRIC_EXIT                 32776
#define ID_VANDRIC_SHOW                 32777
#define ID_VANDRIC_SCHEDULE             32778
#define ID_VANDRIC_ADD_TEN              32779
#define ID_VANDRIC_PAUSE                32780
#define ID_VANDRIC_CANCEL_SCHEDULE      32781
#define ID_VANDRIC_CLOSE                57602

#ifndef IDC_STATIC
#define IDC_STATIC                      (-1)
#endif
