// Resource identifiers of Umbrix. The numbers are the program's own: other
// programs (desktop shortcuts, a second instance) and stored settings depend
// on several of them, so they never change.
#pragma once

// Shared: document template (menu, icon, caption string) and application title.
#define IDR_MAINFRAME                   128
#define IDS_APP_TITLE                   57344   // "Umbrix"

// Settings form (dialog 101)
#define IDD_UMBRIX_FORM                 101
#define IDC_FORM_IDLE_LINE              1022
#define IDC_FORM_KEEP_ACTIVE            1023
#define IDC_FORM_FEEDBACK_LINK          1027
#define IDC_FORM_VOICE_ALERT            1036
#define IDC_FORM_WAKE_WITH_MOUSE        1037
#define IDC_FORM_FOCUS_HOLDER           1038
#define IDC_FORM_PASSWORD               1040

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

// Commands (frame menu 128, tray menus)
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
#define ID_IDLE_SCREEN_SAVER            32797
#define ID_KEYBOARD_SHORTCUTS           32799
#define ID_MONITOR_OFF_AFTER            32800
#define ID_IDLE_MONITOR_OFF             32801
#define ID_POWER_SUSPEND                32812
#define ID_VISIT_WEBSITE                32816
#define ID_TEXT_TO_SPEECH               32828
#define ID_CONFIGURE_IDLE_ACTIONS       32840
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
