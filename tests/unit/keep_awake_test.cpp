#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "fakes/memory_store.h"
#include "shell/keep_awake.h"
#include "shell/tray_tooltip.h"

namespace {
using Item = KeepAwakeItem;
}  // namespace

TEST(KeepAwake, EndTimeAndExpiryOfEachItem)
{
    const struct {
        Item item;
        ClockTime now, end;
        std::uint32_t lastRunningMs;  // after the start; one more and it is over
    } cases[] = {
        {Item::OneHour, {9, 30, 15}, {10, 30, 15}, 3599999},
        {Item::FourHours, {22, 5, 0}, {2, 5, 0}, 14399999},
        {Item::OneHour, {23, 59, 59}, {0, 59, 59}, 3599999},
    };
    const std::uint32_t start = 0xFFFF0000u;  // the tick count wraps meanwhile
    for (const auto& c : cases) {
        EXPECT_EQ(KeepAwakeEndClock(c.now, c.item), c.end);
        EXPECT_FALSE(TimedKeepAwakeOver(c.item, start, start));
        EXPECT_FALSE(TimedKeepAwakeOver(c.item, start, start + c.lastRunningMs));
        EXPECT_TRUE(TimedKeepAwakeOver(c.item, start, start + c.lastRunningMs + 1));
        EXPECT_TRUE(TimedKeepAwakeOver(c.item, start, start - 1));
    }
    EXPECT_EQ(KeepAwakeDurationMs(Item::Off), 0u);
    EXPECT_EQ(KeepAwakeDurationMs(Item::UntilTurnedOff), 0u);
}

TEST(KeepAwake, CheckedItemAndRequest)
{
    const struct {
        bool stored;
        std::optional<Item> timed;
        Item checked;
        bool wanted;
    } cases[] = {
        {false, std::nullopt, Item::Off, false},
        {true, std::nullopt, Item::UntilTurnedOff, true},
        {false, Item::FourHours, Item::FourHours, true},
        {true, Item::OneHour, Item::OneHour, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CheckedKeepAwakeItem(c.stored, c.timed), c.checked);
        EXPECT_EQ(KeepAwakeWanted(c.stored, c.timed.has_value()), c.wanted);
    }
}

TEST(KeepAwake, TipLineStandsWhereTheStoredOnesWouldAndTheTipIsCut)
{
    const std::wstring idle = L"\nMonitor Would be Turned Off after 10 Idle Minutes";
    const std::wstring delay = L"\nMonitor Would be Turned Off after 4 Minutes";
    const struct {
        int stored;
        std::optional<std::wstring> until;
        std::wstring text;  // before the cut
    } cases[] = {
        {0, L"10:30 PM", L"Umbrix\nKept Awake until 10:30 PM" + idle + delay},  // 127: whole
        {1, L"10:30 PM", L"Umbrix\nSystem Will be Kept Active" + idle + delay},  // 128
        {0, std::nullopt, L"Umbrix" + idle + delay},
        {0, L"22:30:00 Uhr", L"Umbrix\nKept Awake until 22:30:00 Uhr" + idle + delay},
    };
    for (const auto& c : cases) {
        CMemoryStore store;
        store.SetInt(L"Settings", L"KeepSystemActive", c.stored);
        store.SetInt(L"Settings", L"EnableIdleUBX", 1);
        store.SetInt(L"Settings", L"EnableDurationUBX", 1);
        store.SetInt(L"Settings", L"DurationUBXMins", 4);
        EXPECT_EQ(ComposeTrayTooltip(store, c.until).text, c.text.substr(0, 127));
    }
}
