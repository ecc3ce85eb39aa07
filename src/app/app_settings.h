#pragma once
// CAppSettings: the cached groups that the 1-second checks read every tick
// (idle power actions and the daily schedule), loaded at first use and written
// through to the store. Portable.
#include <optional>
#include <string>

#include "app/settings_store.h"

// A local time as an OLE date (days since 30 December 1899) with its status.
struct COleTime {
    double value = 0.0;
    bool valid = true;
};

// Locale-aware text form of OLE dates (VarDateFromStr / VarBstrFromDate on Windows).
class IDateTextCodec {
public:
    virtual ~IDateTextCodec() = default;
    virtual std::optional<double> Parse(const std::wstring& text) = 0;  // nullopt when unparseable
    virtual std::wstring Format(double date) = 0;
};

struct IdleGroup {
    int minutes = -1;        // -1: not loaded; 0: off
    int confirmation = 1;
    int forced = 0;          // log-off and shut-down only
};

class CAppSettings {
public:
    CAppSettings(ISettingsStore& store, IDateTextCodec& dates) : m_store(store), m_dates(dates) {}

    enum class Idle { LogOff, Shutdown, Hibernate, Standby };
    // Loads the whole group from the store while its minutes read -1, then
    // serves the cache only: later changes made outside this object are not seen.
    IdleGroup GetIdle(Idle which);
    // Caches and writes minutes, confirmation and (log-off and shut-down only)
    // forced, in that order. Hibernate and stand-by keep `forced` at 0.
    void SetIdle(Idle which, const IdleGroup& values);

    int GetDailyOffEnabled();
    int GetDailyOnEnabled();
    void SetDailyOffEnabled(int enabled);
    void SetDailyOnEnabled(int enabled);

    // Returns 1 when a time is known (loaded before, or stored text that
    // reads as a time), 0 otherwise; `time` receives the cached value, invalid
    // while no time is known. Empty or unreadable text counts as not set.
    int GetDailyOffTime(COleTime& time);
    int GetDailyOnTime(COleTime& time);
    // Writes the locale text of the time (empty text for an invalid time) and
    // caches the value; the loaded flag stays as it was.
    void SetDailyOffTime(const COleTime& time);
    void SetDailyOnTime(const COleTime& time);

private:
    IdleGroup& IdleField(Idle which);
    int LoadDailyTime(const wchar_t* key, bool& loaded, COleTime& field, COleTime& out);
    void StoreDailyTime(const wchar_t* key, COleTime& field, const COleTime& value);

    ISettingsStore& m_store;
    IDateTextCodec& m_dates;
    IdleGroup m_logOff, m_shutdown, m_hibernate, m_standby;
    bool m_dailyOffEnabledLoaded = false, m_dailyOnEnabledLoaded = false;
    int m_dailyOffEnabled = 0, m_dailyOnEnabled = 0;
    bool m_dailyOffTimeLoaded = false, m_dailyOnTimeLoaded = false;
    COleTime m_dailyOffTime, m_dailyOnTime;
};

// The three stored texts with fixed defaults.
inline constexpr const wchar_t* kDefaultAlertTextIdle = L"Turning Monitor Off Now";
inline constexpr const wchar_t* kDefaultAlertTextScr = L"Starting ScreenSaver Now";
inline constexpr const wchar_t* kDefaultLowPowerText =
    L"Battery Power Low, you might wish to charge the laptop.\nBattery Power Low, Battery Low.";

std::wstring ReadAlertTextIdle(ISettingsStore& store);
void WriteAlertTextIdle(ISettingsStore& store, const std::wstring& text);
std::wstring ReadAlertTextScr(ISettingsStore& store);
void WriteAlertTextScr(ISettingsStore& store, const std::wstring& text);
std::wstring ReadLowPowerText(ISettingsStore& store);
void WriteLowPowerText(ISettingsStore& store, const std::wstring& text);
