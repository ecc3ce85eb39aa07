#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/memory_store.h"
#include "shell/hot_key_rules.h"

namespace {

// Behaves like thread hot keys: a combination can be registered once, a
// registration id holds one combination, and "other programs" can hold some.
class CFakeRegistrar final : public IHotKeyRegistrar {
public:
    bool Register(HotKeyId id, unsigned modifiers, unsigned key) override
    {
        const auto combination = std::make_pair(modifiers & ~kModNoRepeat, key);
        log.push_back(L"register " + std::to_wstring(static_cast<int>(id)) + L" " + std::to_wstring(modifiers) +
                      L" " + std::to_wstring(key));
        if (takenElsewhere.count(combination) || held.count(static_cast<int>(id))) return false;
        for (const auto& h : held)
            if (h.second == combination) return false;
        held[static_cast<int>(id)] = combination;
        return true;
    }
    void Unregister(HotKeyId id) override
    {
        log.push_back(L"unregister " + std::to_wstring(static_cast<int>(id)));
        held.erase(static_cast<int>(id));
    }

    std::vector<std::wstring> log;
    std::map<int, std::pair<unsigned, unsigned>> held;
    std::set<std::pair<unsigned, unsigned>> takenElsewhere;
};

class CFakeNotices final : public IHotKeyNotices {
public:
    void Inform(const std::wstring& text, NoticeOwner owner) override { shown.push_back({text, owner}); }
    std::vector<std::wstring> Texts() const
    {
        std::vector<std::wstring> texts;
        for (const auto& s : shown) texts.push_back(s.first);
        return texts;
    }
    std::vector<std::pair<std::wstring, NoticeOwner>> shown;
};

const wchar_t kFirstFailed[] = L"Could not Register Hot Key for Umbrix";
const wchar_t kSecondFailed[] = L"Could not Register Hot Key for Lock Computer and Umbrix";

constexpr unsigned kVkF9 = 0x78;
constexpr unsigned kVkUp = 0x26;
constexpr unsigned kVkA = 0x41;

class HotKeys : public testing::Test {
protected:
    int Stored(const wchar_t* name) { return store.ReadInt(L"Settings", name, -99); }

    CMemoryStore store;
    CFakeRegistrar registrar;
    CFakeNotices notices;
    CHotKeys hotKeys{store, registrar, notices, false};
};

}  // namespace

TEST(HotKeyModifiers, FieldFlagsToStoredModifiers)
{
    const struct {
        unsigned flags, modifiers;
    } cases[] = {
        {0, 0},
        {kFieldShift, kModShift},
        {kFieldControl, kModControl},
        {kFieldAlt, kModAlt},
        {kFieldShift | kFieldControl | kFieldAlt, kModShift | kModControl | kModAlt},
        // The extended flag describes the key, not a Windows-key modifier.
        {kFieldExtended, 0},
        {kFieldControl | kFieldExtended, kModControl},
        // Unknown bits are dropped.
        {0xF0 | kFieldAlt, kModAlt},
    };
    for (const auto& c : cases) EXPECT_EQ(ModifiersFromFieldFlags(c.flags), c.modifiers) << c.flags;
}

TEST(HotKeyModifiers, StoredModifiersToFieldFlags)
{
    const struct {
        unsigned modifiers, key, flags;
    } cases[] = {
        {0, kVkF9, 0},
        {kModShift, kVkF9, kFieldShift},
        {kModControl, kVkF9, kFieldControl},
        {kModAlt, kVkF9, kFieldAlt},
        {kModShift | kModControl | kModAlt, kVkA, kFieldShift | kFieldControl | kFieldAlt},
        // MOD_WIN has no field flag; an extended key gets its extended flag.
        {kModWin, kVkF9, 0},
        {kModControl, kVkUp, kFieldControl | kFieldExtended},
        {kModWin | kModAlt, kVkUp, kFieldAlt | kFieldExtended},
        {kModNoRepeat | kModShift, kVkA, kFieldShift},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FieldFlagsFromModifiers(c.modifiers, c.key), c.flags) << c.modifiers << " " << c.key;
}

TEST(HotKeyModifiers, ExtendedKeys)
{
    for (unsigned key : {0x21u, 0x22u, 0x23u, 0x24u, 0x25u, 0x26u, 0x27u, 0x28u, 0x2Du, 0x2Eu, 0x6Fu, 0x90u, 0xADu})
        EXPECT_TRUE(IsExtendedKey(key)) << key;
    for (unsigned key : {0x08u, 0x0Du, 0x20u, 0x30u, 0x41u, 0x60u, 0x70u, 0x7Bu, 0xBAu})
        EXPECT_FALSE(IsExtendedKey(key)) << key;
}

TEST(HotKeyModifiers, NoRepeatOnlyWhereTheSystemHasIt)
{
    EXPECT_EQ(RegistrationModifiers(kModControl, true), kModControl | kModNoRepeat);
    EXPECT_EQ(RegistrationModifiers(kModControl, false), kModControl);
    EXPECT_FALSE(SystemHasNoRepeat(5, 1));
    EXPECT_FALSE(SystemHasNoRepeat(6, 0));
    EXPECT_TRUE(SystemHasNoRepeat(6, 1));
    EXPECT_TRUE(SystemHasNoRepeat(6, 2));
    EXPECT_TRUE(SystemHasNoRepeat(10, 0));
}

TEST_F(HotKeys, RegisterFromStoredValues)
{
    hotKeys.Register(HotKeyId::MonitorOff);  // nothing stored: key 0
    EXPECT_TRUE(registrar.log.empty());

    store.SetInt(L"Settings", L"Key", 0x10000 | kVkF9);  // only the low 16 bits count
    store.SetInt(L"Settings", L"Mod", kModControl);
    store.SetInt(L"Settings", L"LockKey", kVkF9);
    store.SetInt(L"Settings", L"LockMod", kModControl | kModAlt);
    hotKeys.Register(HotKeyId::MonitorOff);
    hotKeys.Register(HotKeyId::LockAndMonitorOff);
    EXPECT_EQ(registrar.log, (std::vector<std::wstring>{L"register 1 2 120", L"register 2 3 120"}));
    EXPECT_TRUE(notices.shown.empty());
}

TEST_F(HotKeys, NoRepeatIsAddedToTheRegistrationNotToTheStore)
{
    CHotKeys modern(store, registrar, notices, true);
    EXPECT_TRUE(modern.Store(HotKeyId::MonitorOff, {kVkF9, kFieldControl}, true));
    EXPECT_EQ(registrar.log.back(), L"register 1 16386 120");
    EXPECT_EQ(Stored(L"Mod"), static_cast<int>(kModControl));
}

TEST_F(HotKeys, SameCombinationForBothFailsForTheSecond)
{
    store.SetInt(L"Settings", L"Key", kVkF9);
    store.SetInt(L"Settings", L"Mod", kModControl);
    store.SetInt(L"Settings", L"LockKey", kVkF9);
    store.SetInt(L"Settings", L"LockMod", kModControl);
    hotKeys.Register(HotKeyId::MonitorOff);
    hotKeys.Register(HotKeyId::LockAndMonitorOff);
    ASSERT_EQ(notices.shown.size(), 1u);
    EXPECT_EQ(notices.shown[0].first, kSecondFailed);
    EXPECT_EQ(notices.shown[0].second, NoticeOwner::None);
    EXPECT_EQ(Stored(L"LockKey"), static_cast<int>(kVkF9));  // the stored value stays
}

TEST_F(HotKeys, TakenElsewhereReportsTheFirst)
{
    registrar.takenElsewhere.insert({kModAlt, kVkA});
    EXPECT_TRUE(hotKeys.Store(HotKeyId::MonitorOff, {kVkA, kFieldAlt}, true));
    EXPECT_EQ(notices.Texts(), std::vector<std::wstring>{kFirstFailed});
    EXPECT_EQ(Stored(L"Key"), static_cast<int>(kVkA));
}

TEST_F(HotKeys, ChangeStoresRegistersAndConfirms)
{
    EXPECT_TRUE(hotKeys.Store(HotKeyId::LockAndMonitorOff, {kVkA, kFieldShift | kFieldAlt}, false));
    EXPECT_EQ(registrar.log, (std::vector<std::wstring>{L"unregister 2", L"register 2 5 65"}));
    EXPECT_EQ(store.WrittenNames(), (std::vector<std::wstring>{L"LockKey", L"LockMod"}));
    EXPECT_EQ(Stored(L"LockKey"), 0x41);
    EXPECT_EQ(Stored(L"LockMod"), static_cast<int>(kModShift | kModAlt));
    EXPECT_EQ(notices.Texts(), std::vector<std::wstring>{L"Changes have been Saved."});
}

TEST_F(HotKeys, ChangeWithAnEmptyFieldAsksForAKeyAndChangesNothing)
{
    store.SetInt(L"Settings", L"Key", kVkF9);
    EXPECT_FALSE(hotKeys.Store(HotKeyId::MonitorOff, {0, kFieldControl}, false));
    ASSERT_EQ(notices.shown.size(), 1u);
    EXPECT_EQ(notices.shown[0].first, L"Please Click on the Edit Box & Press Hot Key to Change the Key");
    EXPECT_EQ(notices.shown[0].second, NoticeOwner::SettingsWindow);
    EXPECT_TRUE(registrar.log.empty());
    EXPECT_TRUE(store.Writes().empty());
}

TEST_F(HotKeys, SilentStoreOfAnEmptyFieldClearsTheHotKey)
{
    store.SetInt(L"Settings", L"Key", kVkF9);
    store.SetInt(L"Settings", L"Mod", kModControl);
    EXPECT_TRUE(hotKeys.Store(HotKeyId::MonitorOff, {0, 0}, true));
    EXPECT_EQ(Stored(L"Key"), 0);
    EXPECT_EQ(Stored(L"Mod"), 0);
    EXPECT_EQ(registrar.log, std::vector<std::wstring>{L"unregister 1"});
    EXPECT_TRUE(notices.shown.empty());
}

TEST_F(HotKeys, RefusedKeyWriteKeepsTheModifiersAndRegistersTheOldValues)
{
    store.SetInt(L"Settings", L"Key", kVkF9);
    store.SetInt(L"Settings", L"Mod", kModControl);
    store.FailWrites(true);
    EXPECT_FALSE(hotKeys.Store(HotKeyId::MonitorOff, {kVkA, kFieldAlt}, false));
    EXPECT_EQ(store.WrittenNames(), std::vector<std::wstring>{L"Key"});
    EXPECT_EQ(notices.Texts(), std::vector<std::wstring>{L"Could not Store New Hot Key."});
    EXPECT_EQ(registrar.log, (std::vector<std::wstring>{L"unregister 1", L"register 1 2 120"}));
}

TEST_F(HotKeys, ExtendedKeyIsStoredWithoutTheWindowsKey)
{
    EXPECT_TRUE(hotKeys.Store(HotKeyId::MonitorOff, {kVkUp, kFieldControl | kFieldExtended}, true));
    EXPECT_EQ(Stored(L"Mod"), static_cast<int>(kModControl));
    EXPECT_EQ(registrar.log.back(), L"register 1 2 38");
    // Shown again with its extended flag, so the field names the arrow key.
    EXPECT_EQ(hotKeys.ShowStored(HotKeyId::MonitorOff), (HotKeyField{kVkUp, kFieldControl | kFieldExtended}));
}

TEST_F(HotKeys, StoredWindowsKeyKeepsWorkingThroughAnUnchangedField)
{
    store.SetInt(L"Settings", L"Key", kVkUp);
    store.SetInt(L"Settings", L"Mod", kModWin | kModControl);
    const HotKeyField shown = hotKeys.ShowStored(HotKeyId::MonitorOff);
    EXPECT_EQ(shown, (HotKeyField{kVkUp, kFieldControl | kFieldExtended}));
    hotKeys.StoreBoth(shown, {});
    EXPECT_EQ(Stored(L"Mod"), static_cast<int>(kModWin | kModControl));
    EXPECT_EQ(registrar.log[2], L"register 1 10 38");
    // Saved again unchanged: still the same.
    hotKeys.StoreBoth(shown, {});
    EXPECT_EQ(Stored(L"Mod"), static_cast<int>(kModWin | kModControl));
    // A combination typed anew is stored as typed.
    EXPECT_TRUE(hotKeys.Store(HotKeyId::MonitorOff, {kVkUp, kFieldAlt | kFieldExtended}, true));
    EXPECT_EQ(Stored(L"Mod"), static_cast<int>(kModAlt));
}

TEST_F(HotKeys, SaveWithTheTwoCombinationsSwapped)
{
    EXPECT_TRUE(hotKeys.Store(HotKeyId::MonitorOff, {kVkF9, kFieldControl}, true));
    EXPECT_TRUE(hotKeys.Store(HotKeyId::LockAndMonitorOff, {kVkA, kFieldAlt}, true));
    registrar.log.clear();
    hotKeys.StoreBoth({kVkA, kFieldAlt}, {kVkF9, kFieldControl});
    EXPECT_TRUE(notices.shown.empty());
    EXPECT_EQ(registrar.log, (std::vector<std::wstring>{L"unregister 1", L"unregister 2", L"register 1 1 65",
                                                        L"register 2 2 120"}));
    EXPECT_EQ(Stored(L"Key"), static_cast<int>(kVkA));
    EXPECT_EQ(Stored(L"LockKey"), static_cast<int>(kVkF9));
}

TEST_F(HotKeys, SaveWritesKeyAndModOfBothSilently)
{
    hotKeys.StoreBoth({kVkF9, kFieldShift}, {kVkA, kFieldControl});
    EXPECT_EQ(store.WrittenNames(), (std::vector<std::wstring>{L"Key", L"Mod", L"LockKey", L"LockMod"}));
    EXPECT_TRUE(notices.shown.empty());
}

TEST_F(HotKeys, ClearUnregistersAndStoresZero)
{
    EXPECT_TRUE(hotKeys.Store(HotKeyId::LockAndMonitorOff, {kVkA, kFieldAlt}, true));
    registrar.log.clear();
    store.ClearWrites();
    hotKeys.Clear(HotKeyId::LockAndMonitorOff);
    EXPECT_EQ(registrar.log, std::vector<std::wstring>{L"unregister 2"});
    EXPECT_EQ(store.WrittenNames(), (std::vector<std::wstring>{L"LockKey", L"LockMod"}));
    EXPECT_EQ(Stored(L"LockKey"), 0);
    EXPECT_EQ(Stored(L"LockMod"), 0);
    EXPECT_TRUE(notices.shown.empty());
    EXPECT_EQ(hotKeys.ShowStored(HotKeyId::LockAndMonitorOff), HotKeyField{});
}

TEST(HotKeyPressDecision, ConfirmsOnlyWhenDisplayIsOneAndSecondsAboveZero)
{
    const struct {
        std::uintptr_t id;
        bool stored;
        int display, seconds;
        bool confirm;
        int lock;
    } cases[] = {
        {1, false, 0, 0, false, 0},
        {2, false, 0, 0, false, 1},
        {1, true, 1, 5, true, 0},
        {2, true, 1, 60, true, 1},
        {1, true, 1, 0, false, 0},   // display 1, 0 seconds: at once
        {1, true, 1, -3, false, 0},
        {1, true, 2, 5, false, 0},   // only exactly 1 asks
        {2, true, -1, 5, false, 1},
        {7, true, 1, 5, true, 1},    // any other id is the lock hot key
    };
    for (const auto& c : cases) {
        CMemoryStore store;
        if (c.stored) {
            const std::wstring suffix = c.id == 1 ? L"" : L"Lock";
            store.SetInt(L"Settings", L"HotKeyConfDisplay" + suffix, c.display);
            store.SetInt(L"Settings", L"HotKeyConfDuration" + suffix, c.seconds);
        }
        const HotKeyPress press = DecideHotKeyPress(c.id, store);
        EXPECT_EQ(press.confirm, c.confirm) << c.id << " " << c.display << " " << c.seconds;
        EXPECT_EQ(press.lock, c.lock) << c.id;
        if (c.confirm) EXPECT_EQ(press.seconds, c.seconds);
    }
}

TEST(HotKeyPressDecision, EachHotKeyReadsItsOwnSettingsAndMessage)
{
    CMemoryStore store;
    store.SetInt(L"Settings", L"HotKeyConfDisplay", 1);
    store.SetInt(L"Settings", L"HotKeyConfDuration", 4);
    EXPECT_TRUE(DecideHotKeyPress(1, store).confirm);
    EXPECT_FALSE(DecideHotKeyPress(2, store).confirm);
    EXPECT_EQ(DecideHotKeyPress(1, store).message, L"Action Umbrix Would be performed after <XX> seconds.");
    EXPECT_EQ(DecideHotKeyPress(2, store).message,
              L"Action Umbrix and Lock Computer would be performed after <XX> seconds.");
}
