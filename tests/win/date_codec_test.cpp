// Daily times in the user's locale, through the variant date conversions.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>

#include "app/date_codec_win.h"
#include "fakes/memory_store.h"
#include "win/test_app.h"

namespace {

TEST(VariantDateCodec, TimeOfDayRoundTripsToTheSecond)
{
    CVariantDateCodec codec;
    const double halfPastTen = (22 * 3600 + 30 * 60 + 15) / 86400.0;
    const std::wstring text = codec.Format(halfPastTen);
    ASSERT_FALSE(text.empty());
    const auto parsed = codec.Parse(text);
    ASSERT_TRUE(parsed.has_value()) << std::string(text.begin(), text.end());
    EXPECT_NEAR(*parsed, halfPastTen, 0.5 / 86400.0);
}

TEST(VariantDateCodec, UnparseableTextGivesNothing)
{
    CVariantDateCodec codec;
    EXPECT_FALSE(codec.Parse(L"half past ten").has_value());
    EXPECT_FALSE(codec.Parse(L"").has_value());
}

TEST(VariantDateCodec, StoredTextThatCannotBeParsedCountsAsNotSet)
{
    CMemoryStore store;
    store.WriteString(L"Settings", L"Turn Off Daily Time", L"25:99 garbage");
    CVariantDateCodec codec;
    CAppSettings settings(store, codec);
    COleTime time;
    EXPECT_EQ(settings.GetDailyOffTime(time), 0);
    EXPECT_FALSE(time.valid);
}

TEST(SettingsCache, IsBuiltAnewWhenTheProfileStoreIsReplaced)
{
    ResetTestProfile();
    AppSettings().SetIdle(CAppSettings::Idle::Shutdown, IdleGroup{25, 0, 1});
    EXPECT_EQ(AppSettings().GetIdle(CAppSettings::Idle::Shutdown).minutes, 25);
    // A new store (here: the emptied test key) is read, not the old cache.
    ResetTestProfile();
    EXPECT_EQ(AppSettings().GetIdle(CAppSettings::Idle::Shutdown).minutes, 0);
}

}  // namespace
