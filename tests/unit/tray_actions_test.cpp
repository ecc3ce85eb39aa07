#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/memory_store.h"
#include "shell/tray_actions.h"
#include "shell/tray_tooltip.h"

namespace {
const wchar_t kLeft[] = L"Left Button Click Action";
const wchar_t kRight[] = L"Right Button Click Action";
const wchar_t kLeftDouble[] = L"Left Button Double Click Action";
const wchar_t kRightDouble[] = L"Right Button Double Click Action";
using Kind = TrayClickDecision::Kind;
using Writes = std::vector<std::pair<std::wstring, int>>;
}  // namespace

TEST(ClickList, FourteenEntriesInOrderAndUnknownValuesSelectNothing)
{
    const Writes expected = {{L"Default Action", -1}, {L"None", 0}, {L"Umbrix", 32804},
        {L"Lock WorkStation and Umbrix", 32803}, {L"Umbrix Settings", 32779}, {L"Umbrix after...", 32800},
        {L"Umbrix if Computer Idle...", 32801}, {L"Start Default ScreenSaver", 32796},
        {L"Shut Down Computer", 32783}, {L"Restart Computer", 32784}, {L"Log Off Current User", 32785},
        {L"Standby Computer", 32786}, {L"Hibernate Computer", 32787}, {L"Display System Tray Menu", 310}};
    ASSERT_EQ(ClickListEntries().size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(ClickListEntries()[i].text, expected[i].first);
        EXPECT_EQ(ClickListIndexOf(expected[i].second), static_cast<int>(i));
        EXPECT_EQ(ClickListValueAt(static_cast<int>(i)), expected[i].second);
    }
    for (int value : {-2, 1, 32772, 99999}) EXPECT_EQ(ClickListIndexOf(value), -1) << value;
    for (int index : {-1, 14}) EXPECT_EQ(ClickListValueAt(index), -1) << index;  // no selection saves -1
}

TEST(TrayClick, DispatchTable)
{
    const struct {
        TrayGesture gesture;
        const wchar_t* name;
        bool stored;
        int value;
        Kind kind;
        int command;
    } cases[] = {
        // Nothing or -1 stored: each gesture's default.
        {TrayGesture::RightClick, kRight, false, 0, Kind::ShowMenu, 0},
        {TrayGesture::LeftDoubleClick, kLeftDouble, true, -1, Kind::PostCommand, 32804},
        {TrayGesture::LeftClick, kLeft, true, -1, Kind::Nothing, 0},
        {TrayGesture::RightDoubleClick, kRightDouble, false, 0, Kind::Nothing, 0},
        // Anything else is posted as it is, "None" and hand-written values too.
        {TrayGesture::LeftClick, kLeft, true, 310, Kind::PostCommand, 310},
        {TrayGesture::RightClick, kRight, true, 0, Kind::PostCommand, 0},
        {TrayGesture::LeftDoubleClick, kLeftDouble, true, 32803, Kind::PostCommand, 32803},
        {TrayGesture::RightDoubleClick, kRightDouble, true, 4711, Kind::PostCommand, 4711},
    };
    for (const auto& c : cases) {
        CMemoryStore store;
        if (c.stored) store.SetInt(L"Settings", c.name, c.value);
        const TrayClickDecision d = DecideTrayClick(c.gesture, store);
        EXPECT_EQ(d.kind, c.kind) << c.name << " " << c.value;
        EXPECT_EQ(d.command, c.command) << c.name << " " << c.value;
        // The bold menu item follows the left double click.
        if (c.gesture == TrayGesture::LeftDoubleClick) EXPECT_EQ(TrayMenuDefaultCommand(store), c.command);
    }
}

TEST(StoreClickActions, ListOrderAndADoubleClickClearsItsSingleClick)
{
    const struct {
        ClickActionChoice choice;
        bool reset;
        Writes writes;
    } cases[] = {
        {{32783, 310, 32803, -1}, false,
         {{kLeft, 32783}, {kRight, 310}, {kLeftDouble, 32803}, {kLeft, 0}, {kRightDouble, -1}}},
        {{32783, -1, -1, 0}, false, {{kLeft, 32783}, {kRight, -1}, {kLeftDouble, -1}, {kRightDouble, 0}, {kRight, 0}}},
        {{32783, 310, 32803, 32779}, true, {{kLeft, -1}, {kRight, -1}, {kLeftDouble, -1}, {kRightDouble, -1}}},
    };
    for (const auto& c : cases) {
        CMemoryStore store;
        StoreClickActions(store, c.choice, c.reset);
        Writes writes;
        for (const auto& w : store.Writes()) writes.push_back({w.name, w.intValue});
        EXPECT_EQ(writes, c.writes);
    }
}

TEST(ShowIconBox, ActsOnItsNewStateOnly)
{
    EXPECT_EQ(DecideShowIconBox(true, false), ShowIconStep::Create);
    EXPECT_EQ(DecideShowIconBox(false, true), ShowIconStep::Remove);
    EXPECT_EQ(DecideShowIconBox(true, true), ShowIconStep::Nothing);
    EXPECT_EQ(DecideShowIconBox(false, false), ShowIconStep::Nothing);
}

TEST(TrayTooltip, LinesOfTheActiveTriggersCutAfter127Characters)
{
    const std::wstring keep = L"\nSystem Will be Kept Active";
    const std::wstring off = L"\nMonitor Would be Turned Off after 3 Idle Minutes";
    const std::wstring scr = L"\nScreenSaver Would be Started after 10 Idle Minutes";
    const std::wstring delay = L"\nMonitor Would be Turned Off after 4294967295 Minutes";  // -1 by hand
    const struct {
        int keep, idle, scr, delay;
        std::wstring text;
    } cases[] = {
        {0, 0, 0, 0, L"Umbrix"},
        {1, 0, 0, 0, L"Umbrix" + keep},
        {0, 1, 1, 0, L"Umbrix" + off + scr},
        {0, 0, 0, 1, L"Umbrix" + delay},
        {2, 1, 1, 1, (L"Umbrix" + keep + off + scr + delay).substr(0, 127)},
    };
    for (const auto& c : cases) {
        CMemoryStore store;
        store.SetInt(L"Settings", L"KeepSystemActive", c.keep);
        store.SetInt(L"Settings", L"EnableIdleUBX", c.idle);
        store.SetInt(L"Settings", L"IdleUBXMins", 3);
        store.SetInt(L"Settings", L"EnableIdleUBXScr", c.scr);  // minutes by default: 10
        store.SetInt(L"Settings", L"EnableDurationUBX", c.delay);
        store.SetInt(L"Settings", L"DurationUBXMins", -1);
        const TrayTooltip tip = ComposeTrayTooltip(store);
        EXPECT_EQ(tip.text, c.text);
        EXPECT_LE(tip.text.size(), 127u);
        // The thresholds only for enabled idle triggers, in milliseconds.
        EXPECT_EQ(tip.idleOffThresholdMs.value_or(0), c.idle ? 180000u : 0u);
        EXPECT_EQ(tip.idleScrThresholdMs.value_or(0), c.scr ? 600000u : 0u);
    }
    EXPECT_EQ(CutTooltip(std::wstring(128, L'x')), std::wstring(127, L'x'));
}
