#pragma once
// What the idle monitor-off / idle screen-saver dialog (322) and the one-time
// delay dialog (325) read when they open and write on Save. Portable.
#include <string>

#include "app/settings_store.h"

// CDlgIdleCapture::m_mode.
inline constexpr int kIdleCaptureMonitorOff = 0;
inline constexpr int kIdleCaptureScreenSaver = 1;

// The minutes fields of both dialogs accept 1 to 5000.
inline constexpr int kIdleDialogMinutesLow = 1;
inline constexpr int kIdleDialogMinutesHigh = 5000;

struct IdleCaptureValues {
    int enable = 0;
    int minutes = 10;
    int lockOnResume = 0;
    int alert = 0;
};

// Any mode other than kIdleCaptureScreenSaver is the monitor-off mode.
IdleCaptureValues LoadIdleCapture(ISettingsStore& store, int mode);
// Writes enable, minutes, lock, alert, in that order.
void StoreIdleCapture(ISettingsStore& store, int mode, const IdleCaptureValues& values);
// The alert text of the mode ("AlertTextIdle" or "AlertTextScr").
std::wstring ReadIdleCaptureAlertText(ISettingsStore& store, int mode);
void WriteIdleCaptureAlertText(ISettingsStore& store, int mode, const std::wstring& text);

struct DurationValues {
    int minutes = 10;
    int enable = 0;
    int lockOnResume = 1;
};

DurationValues LoadDuration(ISettingsStore& store);
// Writes "EnableDurationUBX", "DurationUBXMins", "LockOnResumeIdle", in that order.
void StoreDuration(ISettingsStore& store, const DurationValues& values);
