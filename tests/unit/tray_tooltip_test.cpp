#include <string>

#include <gtest/gtest.h>

#include "fakes/memory_store.h"
#include "shell/tray_tooltip.h"

namespace {

const std::wstring kKeep = L"\nSystem Will be Kept Active";

std::wstring IdleOff(const std::wstring& minutes)
{
    return L"\nMonitor Would be Turned Off after " + minutes + L" Idle Minutes";
}
std::wstring IdleScr(const std::wstring& minutes)
{
    return L"\nScreenSaver Would be Started after " + minutes + L" Idle Minutes";
}
std::wstring Delay(const std::wstring& minutes)
{
    return L"\nMonitor Would be Turned Off after " + minutes + L" Minutes";
}

}  // namespace

TEST(TrayTooltip, LinesOfTheActiveTriggersInOrder)
{
    const struct {
        int keep, idle, idleMins, scr, scrMins, delay, delayMins;
        std::wstring text;
    } cases[] = {
        {0, 0, 5, 0, 5, 0, 5, L"Umbrix"},
        {1, 0, 5, 0, 5, 0, 5, L"Umbrix" + kKeep},
        {0, 1, 5, 0, 5, 0, 5, L"Umbrix" + IdleOff(L"5")},
        {0, 0, 5, 1, 7, 0, 5, L"Umbrix" + IdleScr(L"7")},
        {0, 0, 5, 0, 5, 1, 3, L"Umbrix" + Delay(L"3")},
        {2, 0, 5, 1, 20, 0, 5, L"Umbrix" + kKeep + IdleScr(L"20")},
        {0, 1, 1, 0, 5, 1, 45, L"Umbrix" + IdleOff(L"1") + Delay(L"45")},
        // A negative count written by hand shows as its unsigned value.
        {0, 1, -1, 0, 5, 0, 5, L"Umbrix" + IdleOff(L"4294967295")},
    };
    for (const auto& c : cases) {
        CMemoryStore store;
        store.SetInt(L"Settings", L"KeepSystemActive", c.keep);
        store.SetInt(L"Settings", L"EnableIdleUBX", c.idle);
        store.SetInt(L"Settings", L"IdleUBXMins", c.idleMins);
        store.SetInt(L"Settings", L"EnableIdleUBXScr", c.scr);
        store.SetInt(L"Settings", L"IdleUBXMinsScr", c.scrMins);
        store.SetInt(L"Settings", L"EnableDurationUBX", c.delay);
        store.SetInt(L"Settings", L"DurationUBXMins", c.delayMins);
        EXPECT_EQ(ComposeTrayTooltip(store).text, c.text);
        EXPECT_TRUE(store.Writes().empty());
    }
}

TEST(TrayTooltip, DefaultsOfTheMinutes)
{
    CMemoryStore store;
    store.SetInt(L"Settings", L"EnableIdleUBX", 1);
    store.SetInt(L"Settings", L"EnableIdleUBXScr", 1);
    EXPECT_EQ(ComposeTrayTooltip(store).text, L"Umbrix" + IdleOff(L"10") + IdleScr(L"10"));
    store.SetInt(L"Settings", L"EnableIdleUBX", 0);
    store.SetInt(L"Settings", L"EnableDurationUBX", 1);
    EXPECT_EQ(ComposeTrayTooltip(store).text, L"Umbrix" + IdleScr(L"10") + Delay(L"10"));
}

TEST(TrayTooltip, LongCombinationsAreCutAfter127Characters)
{
    CMemoryStore store;
    store.SetInt(L"Settings", L"KeepSystemActive", 1);
    store.SetInt(L"Settings", L"EnableIdleUBX", 1);
    store.SetInt(L"Settings", L"EnableIdleUBXScr", 1);
    store.SetInt(L"Settings", L"EnableDurationUBX", 1);
    const std::wstring full = L"Umbrix" + kKeep + IdleOff(L"10") + IdleScr(L"10") + Delay(L"10");
    ASSERT_GT(full.size(), 127u);
    const std::wstring tip = ComposeTrayTooltip(store).text;
    EXPECT_EQ(tip.size(), 127u);
    EXPECT_EQ(tip, full.substr(0, 127));

    store.SetInt(L"Settings", L"EnableIdleUBX", 0);
    const std::wstring three = L"Umbrix" + kKeep + IdleScr(L"10") + Delay(L"10");
    EXPECT_EQ(ComposeTrayTooltip(store).text, three.substr(0, 127));
}

TEST(TrayTooltip, CutKeepsShortTextsWhole)
{
    EXPECT_EQ(CutTooltip(L""), L"");
    EXPECT_EQ(CutTooltip(std::wstring(127, L'x')), std::wstring(127, L'x'));
    EXPECT_EQ(CutTooltip(std::wstring(128, L'x')), std::wstring(127, L'x'));
    EXPECT_EQ(CutTooltip(L"abcdef", 3), L"abc");
}

TEST(TrayTooltip, ThresholdsOnlyForEnabledIdleTriggers)
{
    CMemoryStore store;
    TrayTooltip tip = ComposeTrayTooltip(store);
    EXPECT_FALSE(tip.idleOffThresholdMs.has_value());
    EXPECT_FALSE(tip.idleScrThresholdMs.has_value());

    store.SetInt(L"Settings", L"EnableIdleUBX", 1);
    store.SetInt(L"Settings", L"IdleUBXMins", 5);
    store.SetInt(L"Settings", L"EnableIdleUBXScr", 1);
    tip = ComposeTrayTooltip(store);
    EXPECT_EQ(tip.idleOffThresholdMs, 300000u);
    EXPECT_EQ(tip.idleScrThresholdMs, 600000u);

    // Unsigned 32-bit arithmetic, as the idle checks compare.
    store.SetInt(L"Settings", L"IdleUBXMins", 100000);
    EXPECT_EQ(ComposeTrayTooltip(store).idleOffThresholdMs, static_cast<std::uint32_t>(100000u * 60000u));
}
