#include "schedule/idle_dialog_values.h"

#include "app/app_settings.h"

namespace {

struct CaptureKeys {
    const wchar_t* enable;
    const wchar_t* minutes;
    const wchar_t* lock;
    const wchar_t* alert;
};

CaptureKeys KeysOf(int mode)
{
    if (mode == kIdleCaptureScreenSaver)
        return {L"EnableIdleUBXScr", L"IdleUBXMinsScr", L"LockOnResumeScr", L"AlertScr"};
    return {L"EnableIdleUBX", L"IdleUBXMins", L"LockOnResumeUbx", L"AlertIdle"};
}

}  // namespace

IdleCaptureValues LoadIdleCapture(ISettingsStore& store, int mode)
{
    const CaptureKeys keys = KeysOf(mode);
    IdleCaptureValues values;
    values.enable = store.ReadInt(kSettingsSection, keys.enable, 0);
    values.minutes = store.ReadInt(kSettingsSection, keys.minutes, 10);
    values.lockOnResume = store.ReadInt(kSettingsSection, keys.lock, 0);
    values.alert = store.ReadInt(kSettingsSection, keys.alert, 1);
    return values;
}

void StoreIdleCapture(ISettingsStore& store, int mode, const IdleCaptureValues& values)
{
    const CaptureKeys keys = KeysOf(mode);
    store.WriteInt(kSettingsSection, keys.enable, values.enable);
    store.WriteInt(kSettingsSection, keys.minutes, values.minutes);
    store.WriteInt(kSettingsSection, keys.lock, values.lockOnResume);
    store.WriteInt(kSettingsSection, keys.alert, values.alert);
}

std::wstring ReadIdleCaptureAlertText(ISettingsStore& store, int mode)
{
    return mode == kIdleCaptureScreenSaver ? ReadAlertTextScr(store) : ReadAlertTextIdle(store);
}

void WriteIdleCaptureAlertText(ISettingsStore& store, int mode, const std::wstring& text)
{
    if (mode == kIdleCaptureScreenSaver)
        WriteAlertTextScr(store, text);
    else
        WriteAlertTextIdle(store, text);
}

DurationValues LoadDuration(ISettingsStore& store)
{
    DurationValues values;
    values.minutes = store.ReadInt(kSettingsSection, L"DurationUBXMins", 10);
    values.enable = store.ReadInt(kSettingsSection, L"EnableDurationUBX", 0);
    values.lockOnResume = store.ReadInt(kSettingsSection, L"LockOnResumeIdle", 1);
    return values;
}

void StoreDuration(ISettingsStore& store, const DurationValues& values)
{
    store.WriteInt(kSettingsSection, L"EnableDurationUBX", values.enable);
    store.WriteInt(kSettingsSection, L"DurationUBXMins", values.minutes);
    store.WriteInt(kSettingsSection, L"LockOnResumeIdle", values.lockOnResume);
}
