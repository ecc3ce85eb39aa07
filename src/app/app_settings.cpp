#include "app/app_settings.h"

namespace {

struct IdleKeys {
    const wchar_t* minutes;
    const wchar_t* confirmation;
    const wchar_t* forced;  // nullptr: the group has no forced variant
};

IdleKeys KeysOf(CAppSettings::Idle which)
{
    switch (which) {
    case CAppSettings::Idle::LogOff:
        return {L"IdleDurationLogOff", L"IdleConfirmationLogOff", L"IdleForcedLogOff"};
    case CAppSettings::Idle::Shutdown:
        return {L"IdleDurationShutdown", L"IdleConfirmationShutdown", L"IdleForcedShutdown"};
    case CAppSettings::Idle::Hibernate:
        return {L"IdleDurationHibernate", L"IdleConfirmationHibernate", nullptr};
    case CAppSettings::Idle::Standby:
        break;
    }
    return {L"IdleDurationStandby", L"IdleConfirmationStandby", nullptr};
}

const wchar_t* const kTurnOffDaily = L"Turn Off Daily";
const wchar_t* const kTurnOnDaily = L"Turn On Daily";
const wchar_t* const kTurnOffDailyTime = L"Turn Off Daily Time";
const wchar_t* const kTurnOnDailyTime = L"Turn On Daily Time";

}  // namespace

IdleGroup& CAppSettings::IdleField(Idle which)
{
    switch (which) {
    case Idle::LogOff:
        return m_logOff;
    case Idle::Shutdown:
        return m_shutdown;
    case Idle::Hibernate:
        return m_hibernate;
    case Idle::Standby:
        break;
    }
    return m_standby;
}

IdleGroup CAppSettings::GetIdle(Idle which)
{
    IdleGroup& group = IdleField(which);
    // A stored -1 minutes is indistinguishable from "not loaded", so such a
    // group is simply read again at the next use.
    if (group.minutes == -1) {
        const IdleKeys keys = KeysOf(which);
        group.minutes = m_store.ReadInt(kSettingsSection, keys.minutes, 0);
        group.confirmation = m_store.ReadInt(kSettingsSection, keys.confirmation, 1);
        if (keys.forced)
            group.forced = m_store.ReadInt(kSettingsSection, keys.forced, 0);
    }
    return group;
}

void CAppSettings::SetIdle(Idle which, const IdleGroup& values)
{
    IdleGroup& group = IdleField(which);
    const IdleKeys keys = KeysOf(which);
    group.minutes = values.minutes;
    group.confirmation = values.confirmation;
    group.forced = keys.forced ? values.forced : 0;

    m_store.WriteInt(kSettingsSection, keys.minutes, group.minutes);
    m_store.WriteInt(kSettingsSection, keys.confirmation, group.confirmation);
    if (keys.forced)
        m_store.WriteInt(kSettingsSection, keys.forced, group.forced);
}

int CAppSettings::GetDailyOffEnabled()
{
    if (!m_dailyOffEnabledLoaded) {
        m_dailyOffEnabled = m_store.ReadInt(kSettingsSection, kTurnOffDaily, 0);
        m_dailyOffEnabledLoaded = true;
    }
    return m_dailyOffEnabled;
}

int CAppSettings::GetDailyOnEnabled()
{
    if (!m_dailyOnEnabledLoaded) {
        m_dailyOnEnabled = m_store.ReadInt(kSettingsSection, kTurnOnDaily, 0);
        m_dailyOnEnabledLoaded = true;
    }
    return m_dailyOnEnabled;
}

void CAppSettings::SetDailyOffEnabled(int enabled)
{
    m_dailyOffEnabled = enabled;
    m_store.WriteInt(kSettingsSection, kTurnOffDaily, enabled);
}

void CAppSettings::SetDailyOnEnabled(int enabled)
{
    m_dailyOnEnabled = enabled;
    m_store.WriteInt(kSettingsSection, kTurnOnDaily, enabled);
}

int CAppSettings::GetDailyOffTime(COleTime& time)
{
    return LoadDailyTime(kTurnOffDailyTime, m_dailyOffTimeLoaded, m_dailyOffTime, time);
}

int CAppSettings::GetDailyOnTime(COleTime& time)
{
    return LoadDailyTime(kTurnOnDailyTime, m_dailyOnTimeLoaded, m_dailyOnTime, time);
}

void CAppSettings::SetDailyOffTime(const COleTime& time)
{
    StoreDailyTime(kTurnOffDailyTime, m_dailyOffTime, time);
}

void CAppSettings::SetDailyOnTime(const COleTime& time)
{
    StoreDailyTime(kTurnOnDailyTime, m_dailyOnTime, time);
}

int CAppSettings::LoadDailyTime(const wchar_t* key, bool& loaded, COleTime& field, COleTime& out)
{
    if (!loaded) {
        const std::wstring text = m_store.ReadString(kSettingsSection, key, L"");
        field = COleTime{0.0, false};
        // Only text that reads as a time counts as a known time. Empty or
        // unreadable text (edited by hand, or written under another locale)
        // keeps the value unloaded, so the next check looks at the store
        // again and picks up a corrected time.
        if (const std::optional<double> parsed = text.empty() ? std::nullopt : m_dates.Parse(text)) {
            field = COleTime{*parsed, true};
            loaded = true;
        }
    }
    out = field;
    return loaded ? 1 : 0;
}

void CAppSettings::StoreDailyTime(const wchar_t* key, COleTime& field, const COleTime& value)
{
    field = value;
    // An invalid time has no locale text; storing empty text makes the next
    // start treat it as "no time set" instead of as an unreadable one.
    const std::wstring text = value.valid ? m_dates.Format(value.value) : std::wstring();
    m_store.WriteString(kSettingsSection, key, text);
}

std::wstring ReadAlertTextIdle(ISettingsStore& store)
{
    return store.ReadString(kSettingsSection, L"AlertTextIdle", kDefaultAlertTextIdle);
}

void WriteAlertTextIdle(ISettingsStore& store, const std::wstring& text)
{
    store.WriteString(kSettingsSection, L"AlertTextIdle", text);
}

std::wstring ReadAlertTextScr(ISettingsStore& store)
{
    return store.ReadString(kSettingsSection, L"AlertTextScr", kDefaultAlertTextScr);
}

void WriteAlertTextScr(ISettingsStore& store, const std::wstring& text)
{
    store.WriteString(kSettingsSection, L"AlertTextScr", text);
}

std::wstring ReadLowPowerText(ISettingsStore& store)
{
    return store.ReadString(kSettingsSection, L"LowPowerText", kDefaultLowPowerText);
}

void WriteLowPowerText(ISettingsStore& store, const std::wstring& text)
{
    store.WriteString(kSettingsSection, L"LowPowerText", text);
}
