#include <cstdio>

#include <gtest/gtest.h>

#include "app/app_settings.h"
#include "fakes/memory_store.h"

namespace {

// Times of day as "H:MM:SS" on day 0, standing in for the locale conversion.
class CFakeDateCodec : public IDateTextCodec {
public:
    std::optional<double> Parse(const std::wstring& text) override
    {
        unsigned h = 0, m = 0, s = 0;
        wchar_t extra = 0;
        if (std::swscanf(text.c_str(), L"%u:%u:%u%lc", &h, &m, &s, &extra) != 3 || h > 23 || m > 59 || s > 59)
            return std::nullopt;
        return (h * 3600.0 + m * 60.0 + s) / 86400.0;
    }
    std::wstring Format(double date) override
    {
        const long total = static_cast<long>(date * 86400.0 + 0.5);
        wchar_t buffer[32];
        std::swprintf(buffer, 32, L"%ld:%02ld:%02ld", total / 3600, total / 60 % 60, total % 60);
        return buffer;
    }
};

class AppSettings : public ::testing::Test {
protected:
    CMemoryStore store;
    CFakeDateCodec dates;
    CAppSettings settings{store, dates};
};

const double kHalfPastTen = (22 * 3600.0 + 30 * 60.0) / 86400.0;

}  // namespace

TEST_F(AppSettings, FreshStoreGivesDefaults)
{
    for (auto which : {CAppSettings::Idle::LogOff, CAppSettings::Idle::Shutdown, CAppSettings::Idle::Hibernate,
                       CAppSettings::Idle::Standby}) {
        const IdleGroup g = settings.GetIdle(which);
        EXPECT_EQ(g.minutes, 0);
        EXPECT_EQ(g.confirmation, 1);
        EXPECT_EQ(g.forced, 0);
    }
    EXPECT_EQ(settings.GetDailyOffEnabled(), 0);
    EXPECT_EQ(settings.GetDailyOnEnabled(), 0);
    COleTime time;
    EXPECT_EQ(settings.GetDailyOffTime(time), 0);
    EXPECT_FALSE(time.valid);
    EXPECT_EQ(ReadAlertTextIdle(store), L"Turning Monitor Off Now");
    EXPECT_EQ(ReadAlertTextScr(store), L"Starting ScreenSaver Now");
    EXPECT_EQ(ReadLowPowerText(store),
              L"Battery Power Low, you might wish to charge the laptop.\nBattery Power Low, Battery Low.");
    EXPECT_TRUE(store.Writes().empty());
}

TEST_F(AppSettings, IdleGroupReadsItsOwnKeys)
{
    store.SetInt(kSettingsSection, L"IdleDurationShutdown", 45);
    store.SetInt(kSettingsSection, L"IdleConfirmationShutdown", 0);
    store.SetInt(kSettingsSection, L"IdleForcedShutdown", 1);
    store.SetInt(kSettingsSection, L"IdleDurationStandby", 20);
    const IdleGroup shutdown = settings.GetIdle(CAppSettings::Idle::Shutdown);
    EXPECT_EQ(shutdown.minutes, 45);
    EXPECT_EQ(shutdown.confirmation, 0);
    EXPECT_EQ(shutdown.forced, 1);
    EXPECT_EQ(settings.GetIdle(CAppSettings::Idle::LogOff).minutes, 0);
    EXPECT_EQ(settings.GetIdle(CAppSettings::Idle::Standby).minutes, 20);
}

TEST_F(AppSettings, WrongTypeReadsAsDefault)
{
    store.SetWrongType(kSettingsSection, L"IdleConfirmationLogOff");
    store.SetWrongType(kSettingsSection, L"AlertTextIdle");
    EXPECT_EQ(settings.GetIdle(CAppSettings::Idle::LogOff).confirmation, 1);
    EXPECT_EQ(ReadAlertTextIdle(store), L"Turning Monitor Off Now");
}

TEST_F(AppSettings, LoadedIdleGroupIgnoresLaterStoreChanges)
{
    store.SetInt(kSettingsSection, L"IdleDurationHibernate", 30);
    EXPECT_EQ(settings.GetIdle(CAppSettings::Idle::Hibernate).minutes, 30);
    store.SetInt(kSettingsSection, L"IdleDurationHibernate", 90);
    store.SetInt(kSettingsSection, L"IdleConfirmationHibernate", 0);
    const IdleGroup g = settings.GetIdle(CAppSettings::Idle::Hibernate);
    EXPECT_EQ(g.minutes, 30);
    EXPECT_EQ(g.confirmation, 1);
}

TEST_F(AppSettings, SettersWriteThroughInFieldOrder)
{
    settings.SetIdle(CAppSettings::Idle::LogOff, IdleGroup{5, 0, 1});
    settings.SetIdle(CAppSettings::Idle::Standby, IdleGroup{7, 1, 1});
    settings.SetDailyOffEnabled(1);
    settings.SetDailyOffTime(COleTime{kHalfPastTen, true});
    EXPECT_EQ(store.WrittenNames(),
              (std::vector<std::wstring>{L"IdleDurationLogOff", L"IdleConfirmationLogOff", L"IdleForcedLogOff",
                                         L"IdleDurationStandby", L"IdleConfirmationStandby", L"Turn Off Daily",
                                         L"Turn Off Daily Time"}));
    for (const CMemoryStore::Write& w : store.Writes())
        EXPECT_EQ(w.section, L"Settings");
    EXPECT_EQ(store.Writes()[2].intValue, 1);
    EXPECT_EQ(store.Writes().back().text, L"22:30:00");

    const IdleGroup standby = settings.GetIdle(CAppSettings::Idle::Standby);
    EXPECT_EQ(standby.minutes, 7);
    EXPECT_EQ(standby.forced, 0);
    EXPECT_EQ(settings.GetDailyOffEnabled(), 1);
}

TEST_F(AppSettings, DailyEnabledLoadsOnce)
{
    store.SetInt(kSettingsSection, L"Turn On Daily", 1);
    EXPECT_EQ(settings.GetDailyOnEnabled(), 1);
    store.SetInt(kSettingsSection, L"Turn On Daily", 0);
    EXPECT_EQ(settings.GetDailyOnEnabled(), 1);
    EXPECT_EQ(settings.GetDailyOffEnabled(), 0);
}

TEST_F(AppSettings, EmptyDailyTimeKeepsReadingTheStore)
{
    COleTime time;
    EXPECT_EQ(settings.GetDailyOnTime(time), 0);
    EXPECT_EQ(settings.GetDailyOnTime(time), 0);
    store.SetString(kSettingsSection, L"Turn On Daily Time", L"6:15:00");
    EXPECT_EQ(settings.GetDailyOnTime(time), 1);
    EXPECT_TRUE(time.valid);
    EXPECT_DOUBLE_EQ(time.value, (6 * 3600.0 + 15 * 60.0) / 86400.0);
    // Once known, the time is no longer read from the store.
    store.SetString(kSettingsSection, L"Turn On Daily Time", L"7:00:00");
    settings.GetDailyOnTime(time);
    EXPECT_DOUBLE_EQ(time.value, (6 * 3600.0 + 15 * 60.0) / 86400.0);
}

TEST_F(AppSettings, UnparseableDailyTimeCountsAsNotSetUntilCorrected)
{
    store.SetString(kSettingsSection, L"Turn Off Daily Time", L"half past ten");
    COleTime time;
    EXPECT_EQ(settings.GetDailyOffTime(time), 0);
    EXPECT_FALSE(time.valid);
    store.SetString(kSettingsSection, L"Turn Off Daily Time", L"6:15:00");
    EXPECT_EQ(settings.GetDailyOffTime(time), 1);
    EXPECT_TRUE(time.valid);
}

TEST_F(AppSettings, SavedDailyTimeIsReadBackThroughTheStoreWhileUnloaded)
{
    settings.SetDailyOffTime(COleTime{kHalfPastTen, true});
    COleTime time;
    EXPECT_EQ(settings.GetDailyOffTime(time), 1);
    EXPECT_TRUE(time.valid);
    EXPECT_NEAR(time.value, kHalfPastTen, 1e-9);
}

TEST_F(AppSettings, AlertTextWritersStoreUnderTheirKeys)
{
    WriteAlertTextIdle(store, L"Bye");
    WriteAlertTextScr(store, L"Saver");
    EXPECT_EQ(ReadAlertTextIdle(store), L"Bye");
    EXPECT_EQ(ReadAlertTextScr(store), L"Saver");
    EXPECT_EQ(store.WrittenNames(), (std::vector<std::wstring>{L"AlertTextIdle", L"AlertTextScr"}));
}
