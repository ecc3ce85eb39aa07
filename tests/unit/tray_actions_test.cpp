#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/memory_store.h"
#include "shell/tray_actions.h"

namespace {

const wchar_t kLeft[] = L"Left Button Click Action";
const wchar_t kRight[] = L"Right Button Click Action";
const wchar_t kLeftDouble[] = L"Left Button Double Click Action";
const wchar_t kRightDouble[] = L"Right Button Double Click Action";

using Kind = TrayClickDecision::Kind;

}  // namespace

TEST(ClickList, FourteenEntriesInOrderWithTheirValues)
{
    const std::vector<std::pair<std::wstring, int>> expected = {
        {L"Default Action", -1},
        {L"None", 0},
        {L"Umbrix", 32804},
        {L"Lock WorkStation and Umbrix", 32803},
        {L"Umbrix Settings", 32779},
        {L"Umbrix after...", 32800},
        {L"Umbrix if Computer Idle...", 32801},
        {L"Start Default ScreenSaver", 32796},
        {L"Shut Down Computer", 32783},
        {L"Restart Computer", 32784},
        {L"Log Off Current User", 32785},
        {L"Standby Computer", 32786},
        {L"Hibernate Computer", 32787},
        {L"Display System Tray Menu", 310},
    };
    ASSERT_EQ(ClickListEntries().size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(ClickListEntries()[i].text, expected[i].first) << i;
        EXPECT_EQ(ClickListEntries()[i].value, expected[i].second) << i;
        EXPECT_EQ(ClickListIndexOf(expected[i].second), static_cast<int>(i));
        EXPECT_EQ(ClickListValueAt(static_cast<int>(i)), expected[i].second);
    }
}

TEST(ClickList, UnknownValuesSelectNothingAndNoSelectionStoresDefault)
{
    for (int value : {-2, 1, 2, 309, 32772, 32805, 99999})
        EXPECT_EQ(ClickListIndexOf(value), -1) << value;
    for (int index : {-1, 14, 1000})
        EXPECT_EQ(ClickListValueAt(index), -1) << index;
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
        // Fresh settings: the right click opens the menu, the left double
        // click switches the monitor off, the others do nothing.
        {TrayGesture::RightClick, kRight, false, 0, Kind::ShowMenu, 0},
        {TrayGesture::LeftDoubleClick, kLeftDouble, false, 0, Kind::PostCommand, 32804},
        {TrayGesture::LeftClick, kLeft, false, 0, Kind::Nothing, 0},
        {TrayGesture::RightDoubleClick, kRightDouble, false, 0, Kind::Nothing, 0},
        // -1 stored is the same as nothing stored.
        {TrayGesture::RightClick, kRight, true, -1, Kind::ShowMenu, 0},
        {TrayGesture::LeftDoubleClick, kLeftDouble, true, -1, Kind::PostCommand, 32804},
        {TrayGesture::LeftClick, kLeft, true, -1, Kind::Nothing, 0},
        // Any other value is posted as it is, "None" and unknown ones included.
        {TrayGesture::LeftClick, kLeft, true, 310, Kind::PostCommand, 310},
        {TrayGesture::RightClick, kRight, true, 0, Kind::PostCommand, 0},
        {TrayGesture::RightClick, kRight, true, 32783, Kind::PostCommand, 32783},
        {TrayGesture::LeftDoubleClick, kLeftDouble, true, 32803, Kind::PostCommand, 32803},
        {TrayGesture::RightDoubleClick, kRightDouble, true, 32779, Kind::PostCommand, 32779},
        {TrayGesture::RightDoubleClick, kRightDouble, true, 4711, Kind::PostCommand, 4711},
    };
    for (const auto& c : cases) {
        CMemoryStore store;
        if (c.stored) store.SetInt(L"Settings", c.name, c.value);
        const TrayClickDecision d = DecideTrayClick(c.gesture, store);
        EXPECT_EQ(d.kind, c.kind) << c.name << " " << c.value;
        EXPECT_EQ(d.command, c.command) << c.name << " " << c.value;
    }
}

TEST(TrayClick, ReadsOnlyItsOwnGesture)
{
    CMemoryStore store;
    store.SetInt(L"Settings", kLeft, 310);
    store.SetInt(L"Settings", kRight, 0);
    // The menu moves to the left button and the right one falls silent.
    EXPECT_EQ(DecideTrayClick(TrayGesture::LeftClick, store).command, 310);
    EXPECT_EQ(DecideTrayClick(TrayGesture::RightClick, store).kind, Kind::PostCommand);
    EXPECT_EQ(DecideTrayClick(TrayGesture::RightClick, store).command, 0);
    store.SetWrongType(L"Settings", kRight);
    EXPECT_EQ(DecideTrayClick(TrayGesture::RightClick, store).kind, Kind::ShowMenu);
}

TEST(TrayMenu, DefaultItemFollowsTheLeftDoubleClick)
{
    const struct {
        bool stored;
        int value;
        int command;
    } cases[] = {{false, 0, 32804}, {true, -1, 32804}, {true, 32803, 32803}, {true, 310, 310}, {true, 0, 0}};
    for (const auto& c : cases) {
        CMemoryStore store;
        if (c.stored) store.SetInt(L"Settings", kLeftDouble, c.value);
        EXPECT_EQ(TrayMenuDefaultCommand(store), c.command) << c.value;
    }
}

TEST(StoreClickActions, WritesInListOrderAndDoubleClickClearsSingleClick)
{
    const struct {
        ClickActionChoice choice;
        bool reset;
        std::vector<std::pair<std::wstring, int>> writes;
        int left, right;  // what is stored in the end
    } cases[] = {
        {{-1, -1, -1, -1}, false,
         {{kLeft, -1}, {kRight, -1}, {kLeftDouble, -1}, {kRightDouble, -1}}, -1, -1},
        // A left double-click action clears the left click whatever its list showed.
        {{32783, 310, 32803, -1}, false,
         {{kLeft, 32783}, {kRight, 310}, {kLeftDouble, 32803}, {kLeft, 0}, {kRightDouble, -1}}, 0, 310},
        {{32783, 310, -1, 32779}, false,
         {{kLeft, 32783}, {kRight, 310}, {kLeftDouble, -1}, {kRightDouble, 32779}, {kRight, 0}}, 32783, 0},
        // "None" for a double click is not the default: it clears too.
        {{32804, 32804, 0, 0}, false,
         {{kLeft, 32804}, {kRight, 32804}, {kLeftDouble, 0}, {kLeft, 0}, {kRightDouble, 0}, {kRight, 0}}, 0, 0},
        // Reset stores "Default Action" everywhere, whatever the lists show.
        {{32783, 310, 32803, 32779}, true,
         {{kLeft, -1}, {kRight, -1}, {kLeftDouble, -1}, {kRightDouble, -1}}, -1, -1},
    };
    for (const auto& c : cases) {
        CMemoryStore store;
        StoreClickActions(store, c.choice, c.reset);
        std::vector<std::pair<std::wstring, int>> writes;
        for (const auto& w : store.Writes()) {
            EXPECT_EQ(w.section, L"Settings");
            writes.push_back({w.name, w.intValue});
        }
        EXPECT_EQ(writes, c.writes);
        EXPECT_EQ(store.ReadInt(L"Settings", kLeft, 99), c.left);
        EXPECT_EQ(store.ReadInt(L"Settings", kRight, 99), c.right);
    }
}

TEST(ShowIconBox, ActsOnItsNewStateOnly)
{
    EXPECT_EQ(DecideShowIconBox(true, false), ShowIconStep::Create);
    EXPECT_EQ(DecideShowIconBox(false, true), ShowIconStep::Remove);
    // Ticked while an icon is shown, or unticked while none is: nothing.
    EXPECT_EQ(DecideShowIconBox(true, true), ShowIconStep::Nothing);
    EXPECT_EQ(DecideShowIconBox(false, false), ShowIconStep::Nothing);
}
