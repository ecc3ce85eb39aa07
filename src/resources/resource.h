// Resource identifiers of Umbrix. The numbers are the program's own: other
// programs (desktop shortcuts, a second instance) and stored settings depend
// on several of them, so they never change.
#pragma once

// Shared: document template (menu, icon, caption string) and application title.
#define IDR_MAINFRAME                   128
#define IDS_APP_TITLE                   57344   // "Umbrix"

// Tray icons: for a dark taskbar (light drawing), a light taskbar (dark
// drawing) and high-contrast mode, each plain and while kept awake
#define IDI_TRAY_DARK_TASKBAR           140
#define IDI_TRAY_LIGHT_TASKBAR          141
#define IDI_TRAY_AWAKE_DARK_TASKBAR     142
#define IDI_TRAY_AWAKE_LIGHT_TASKBAR    143
#define IDI_TRAY_HIGH_CONTRAST          144
#define IDI_TRAY_AWAKE_HIGH_CONTRAST    145

// Tray menu, sub-menu "Keep Awake"
#define ID_KEEP_AWAKE_OFF               32860
#define ID_KEEP_AWAKE_ONE_HOUR          32861
#define ID_KEEP_AWAKE_FOUR_HOURS        32862
#define ID_KEEP_AWAKE_UNTIL_OFF         32863

// Settings form (dialog 101)
#define IDD_UMBRIX_FORM                 101
#define IDC_FORM_IDLE_LINE              1022
#define IDC_FORM_KEEP_ACTIVE            1023
#define IDC_FORM_FEEDBACK_LINK          1027
#define IDC_FORM_VOICE_ALERT            1036
#define IDC_FORM_WAKE_WITH_MOUSE        1037
#define IDC_FORM_FOCUS_HOLDER           1038
#define IDC_FORM_PASSWORD               1040
// Hot-key groups
#define IDC_FORM_HOTKEY                 1000
#define IDC_FORM_HOTKEY_CHANGE          1001
#define IDC_FORM_LOCK_HOTKEY            1002
#define IDC_FORM_HOTKEY_CLEAR           1003
#define IDC_FORM_LOCK_HOTKEY_CHANGE     1005
#define IDC_FORM_LOCK_HOTKEY_CLEAR      1006
#define IDC_FORM_HOTKEY_CONFIRM         1018
#define IDC_FORM_HOTKEY_SECONDS         1019
#define IDC_FORM_HOTKEY_SECONDS_SPIN    1020
#define IDC_FORM_LOCK_HOTKEY_CONFIRM    1021
#define IDC_FORM_LOCK_HOTKEY_SECONDS    1025
#define IDC_FORM_LOCK_HOTKEY_SECONDS_SPIN 1026
// Tray group
#define IDC_FORM_SHOW_TRAY_ICON         1004
#define IDC_FORM_LEFT_CLICK             1011
#define IDC_FORM_RESET_ACTIONS          1013
#define IDC_FORM_RIGHT_CLICK            1015
#define IDC_FORM_LEFT_DOUBLE_CLICK      1016
#define IDC_FORM_RIGHT_DOUBLE_CLICK     1017
#define IDC_FORM_TRAY_ICON_FILE         1030
#define IDC_FORM_TRAY_ICON_BROWSE       1031
#define IDC_FORM_TRAY_ICON_CLEAR        1032
// Desktop-shortcut button (routed like its menu command)
#define IDC_FORM_DESKTOP_SHORTCUT       1024

// Confirmation countdown (dialog 315)
#define IDD_CONFIRMATION                315
#define IDC_CONFIRM_PROGRESS            1014
#define IDC_CONFIRM_MESSAGE             1021
#define IDC_CONFIRM_VOICE_ALERT         1036
#define IDC_CONFIRM_CANCEL_WITH_INPUT   1040

// Define alert text (dialog 323)
#define IDD_DEFINE_TEXT                 323
#define IDC_DEFINE_TEXT_EDIT            1050
#define IDC_DEFINE_TEXT_SPEAK           1051

// Idle monitor-off and idle screen saver (dialog 322, both modes)
#define IDD_IDLE_CAPTURE                322
#define IDC_IDLE_ENABLE                 1005
#define IDC_IDLE_MINUTES                1006
#define IDC_IDLE_MINUTES_SPIN           1007
#define IDC_IDLE_LOCK                   1025
#define IDC_IDLE_ALERT                  1048
#define IDC_IDLE_ALERT_TEXT             1049

// One-time delay (dialog 325)
#define IDD_DURATION_SELECTOR           325
#define IDC_DURATION_MINUTES            1008
#define IDC_DURATION_MINUTES_SPIN       1009
#define IDC_DURATION_ENABLE             1010
#define IDC_DURATION_LOCK               1040

// Idle power actions (dialog 330)
#define IDD_IDLE_ACTIONS                330
#define IDC_IA_LOGOFF_MINUTES           1028
#define IDC_IA_LOGOFF_SPIN              1029
#define IDC_IA_LOGOFF_CONFIRM           1030
#define IDC_IA_HIBERNATE_MINUTES        1031
#define IDC_IA_HIBERNATE_SPIN           1032
#define IDC_IA_HIBERNATE_CONFIRM        1033
#define IDC_IA_LOGOFF_FORCED            1034
#define IDC_IA_IDLE_LINE                1035
#define IDC_IA_STANDBY_MINUTES          1036
#define IDC_IA_STANDBY_SPIN             1037
#define IDC_IA_STANDBY_CONFIRM          1038
#define IDC_IA_SHUTDOWN_MINUTES         1039
#define IDC_IA_SHUTDOWN_SPIN            1040
#define IDC_IA_SHUTDOWN_CONFIRM         1041
#define IDC_IA_SHUTDOWN_FORCED          1042

// Text to speech (dialog 327)
#define IDD_TEXT_TO_SPEECH              327
#define IDC_TTS_TEXT                    1052
#define IDC_TTS_SPEAK                   1053
#define IDC_TTS_TO_WAV                  1054
#define IDC_TTS_PLAY_AFTER              1055

// Desktop-shortcut chooser (dialog 314) and the form's button that opens it
#define IDD_SELECT_FUNCTION             314
#define IDC_SELECT_RIGHT_CLICK          1010
#define IDC_SELECT_LIST                 1030
#define IDC_SELECT_CONFIRM              1037

// Launcher and system-action commands (tray menus, frame menu 128)
#define ID_SETTINGS_ADD_REMOVE          32773
#define ID_SETTINGS_DISPLAY             32774
#define ID_SETTINGS_POWER               32775
#define ID_SETTINGS_SYSTEM              32776
#define ID_SETTINGS_SOUND               32777
#define ID_SETTINGS_INTERNET            32778
#define ID_LAUNCH_QUORVEL               32802
#define ID_SETTINGS_THEME               32805
#define ID_SETTINGS_SCREEN_SAVER        32806
#define ID_SETTINGS_BACKGROUND          32807
#define ID_SETTINGS_COLOR_SCHEME        32808
#define ID_SETTINGS_DPI                 32809
#define ID_SETTINGS_PROGRAMS            32810
#define ID_SETTINGS_POWER_PLAN          32811
#define ID_WEB_NEW_VERSION_MAIL         32820
#define ID_LAUNCH_QUORVEL_ELEVATED      32832
#define ID_CREATE_DESKTOP_SHORTCUT      32833
#define ID_WEB_OTHER_PRODUCT            32834
#define ID_LAUNCH_DORVELL               32838
#define ID_WEB_PROGRAM_LIST             32844
#define ID_WEB_BUNDLE_OFFER             32845
// Hibernate and wake-up (dialog 319)
#define IDD_HIBERNATE_RESUME            319
#define IDC_RESUME_AT                   1006
#define IDC_RESUME_HOURS_LABEL          1011
#define IDC_RESUME_MINUTES_LABEL        1012
#define IDC_RESUME_DATE_LABEL           1013
#define IDC_RESUME_AFTER                1057
#define IDC_RESUME_HOURS                1058
#define IDC_RESUME_MINUTES              1059
#define IDC_RESUME_MINUTES_SPIN         1060
#define IDC_RESUME_HOURS_SPIN           1061
#define IDC_RESUME_DATE                 1062
#define IDC_RESUME_TIME                 1063
#define IDC_RESUME_POWER_NOTE           1064

// Screen-corner action (dialog 320)
#define IDD_CURSOR_TRACER               320
#define IDC_CORNER_POSITION             1026
#define IDC_CORNER_ENABLED              1027
#define IDC_CORNER_ACTION               1028
#define IDC_CORNER_THEN_LABEL           1029
#define IDC_CORNER_TOP_LEFT             1041
#define IDC_CORNER_TOP_RIGHT            1042
#define IDC_CORNER_BOTTOM_LEFT          1043
#define IDC_CORNER_BOTTOM_RIGHT         1044

// Battery power alert (dialog 321)
#define IDD_BATTERY_ALERT               321
#define IDC_BATTERY_ALERT_ENABLED       1011
#define IDC_BATTERY_DEFINE_TEXT         1012
#define IDC_BATTERY_STATUS              1014
#define IDC_BATTERY_CHARGE              1019
#define IDC_BATTERY_CHARGE_LABEL        1020

// Daily schedule (dialog 329)
#define IDD_DAILY                       329
#define IDC_DAILY_OFF_ENABLED           1021
#define IDC_DAILY_OFF_TIME              1022
#define IDC_DAILY_ON_ENABLED            1023
#define IDC_DAILY_ON_TIME               1024
#define IDC_DAILY_CONFIRMATION          1025
#define IDC_DAILY_LOCK                  1026
// Screen-saver chooser (dialog 318)
#define IDD_SCREEN_SAVER                318
#define IDC_SCR_LIST                    1034
#define IDC_SCR_DEFAULT                 1035
#define IDC_SCR_PREVIEW_AREA            1036
#define IDC_SCR_PREVIEW                 1037
#define IDC_SCR_CONFIGURE               1038

// Tip of the day (dialog 311, bitmap 112)
#define IDD_TIP                         311
#define IDB_TIP_PICTURE                 112
#define IDC_TIP_PICTURE                 112
#define IDC_TIP_STRING                  1003
#define IDC_TIP_FOOTER                  1264
#define IDC_TIP_MORE                    1266
#define IDC_TIP_HEADER                  1267
#define IDC_TIP_STARTUP                 2001
#define IDC_TIP_NEXT                    2002
#define IDC_TIP_PANEL                   2004

// Look chooser (dialog 326); the radio buttons are 1000-1008 and 1010
#define IDD_SELECT_GUI                  326
#define IDC_LOOK_FIRST_RADIO            1000
#define IDC_LOOK_CUSTOMIZE_MENU         1009
#define IDC_LOOK_BASIC_RADIO            1010

// Welcome center (dialog 331)
#define IDD_WELCOME                     331
#define IDC_WELCOME_SETTINGS            1027
#define IDC_WELCOME_FEEDBACK            1028
#define IDC_WELCOME_SHORTCUT            1039

// Help videos (dialog 334)
#define IDD_HELP_VIDEOS                 334
#define IDC_HELP_VIDEOS_LINK            1060
#define IDC_HELP_VIDEOS_NOTE            1061

// About box (dialog 100)
#define IDD_ABOUTBOX                    100
#define IDC_ABOUT_WEBSITE               1017
#define IDC_ABOUT_SUPPORT               1018

// Commands of the secondary windows; the looks are commands 210 to 219
#define ID_VIEW_APPLOOK_WIN_2000        210
#define ID_VIEW_APPLOOK_OFF_XP          211
#define ID_VIEW_APPLOOK_WIN_XP          212
#define ID_VIEW_APPLOOK_OFF_2003        213
#define ID_VIEW_APPLOOK_VS_2005         214
#define ID_VIEW_APPLOOK_OFF_2007_BLUE   215
#define ID_VIEW_APPLOOK_OFF_2007_BLACK  216
#define ID_VIEW_APPLOOK_OFF_2007_SILVER 217
#define ID_VIEW_APPLOOK_OFF_2007_AQUA   218
#define ID_VIEW_APPLOOK_BASIC_SKIN      219
#define ID_TIP_OF_DAY                   32821
#define ID_APP_LOOK_AND_MORE            32822
#define ID_WELCOME_CENTER               32841
#define ID_HELP_VIDEOS                  32846
#define ID_APP_ABOUT                    57664
// Tray menus (pop-up 0 of each): 316 before Windows Vista, 317 from Vista on
#define IDR_TRAY_MENU                   316
#define IDR_TRAY_MENU_VISTA             317

// Commands (frame menu 128, tray menus)
#define ID_TRAY_SHOW_MENU               310
#define ID_APP_EXIT_UMBRIX              32772
#define ID_TRAY_SETTINGS                32779
#define ID_LAUNCH_VANDRIC               32780
#define ID_LAUNCH_PIMBROOK              32781
#define ID_POWER_SHUTDOWN               32783
#define ID_POWER_RESTART                32784
#define ID_POWER_LOGOFF                 32785
#define ID_POWER_STANDBY                32786
#define ID_POWER_HIBERNATE              32787
#define ID_POWER_BRUTE_SHUTDOWN         32788
#define ID_POWER_BRUTE_RESTART          32789
#define ID_POWER_BRUTE_LOGOFF           32790
#define ID_CLOSE_IE_WINDOWS             32791
#define ID_TOGGLE_PROXY                 32792
#define ID_HANGUP_MODEM                 32793
#define ID_SCREEN_CORNER                32794
#define ID_KEYBOARD_SHORTCUTS           32799
#define ID_IDLE_MONITOR_OFF             32801
#define ID_CHANGE_SCREENSAVER           32795
#define ID_START_SCREENSAVER            32796
#define ID_IDLE_SCREENSAVER             32797
#define ID_LOCK_KEYBOARD_MOUSE          32798
#define ID_DELAY_MONITOR_OFF            32800
#define ID_LOCK_AND_MONITOR_OFF         32803
#define ID_MONITOR_OFF                  32804
#define ID_POWER_SUSPEND                32812
#define ID_VISIT_WEBSITE                32816
#define ID_TEXT_TO_SPEECH               32828
#define ID_UMBRIX_DAILY                 32835
#define ID_BATTERY_ALERT                32839
#define ID_IDLE_ACTIONS                 32840
#define ID_APP_EXIT                     57602
#define ID_VIEW_STATUS_BAR              59393

// Frame status bar
#define IDC_STATUS_BAR                  59393

// Strings of the status-bar indicators
#define ID_INDICATOR_CAPS               59137
#define ID_INDICATOR_NUM                59138
#define ID_INDICATOR_SCRL               59139
#define AFX_IDS_IDLEMESSAGE             57345

#ifndef IDC_STATIC
#define IDC_STATIC                      (-1)
#endif
