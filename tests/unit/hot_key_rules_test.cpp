#include <map>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/memory_store.h"
#include "shell/hot_key_rules.h"

namespace {

using Lines = std::vector<std::wstring>;

// Like thread hot keys: one combination per id, each combination once.
class CFakeRegistrar final : public IHotKeyRegistrar {
public:
    bool Register(HotKeyId id, unsigned modifiers, unsigned key) override
    {
        log.push_back(L"register " + std::to_wstring(static_cast<int>(id)) + L" " + std::to_wstring(modifiers) +
                      L" " + std::to_wstring(key));
        for (const auto& h : held)
            if (h.second == std::make_pair(modifiers & ~kModNoRepeat, key)) return false;
        held[static_cast<int>(id)] = {modifiers & ~kModNoRepeat, key};
        return true;
    }
    void Unregister(HotKeyId id) override
    {
        log.push_back(L"unregister " + std::to_wstring(static_cast<int>(id)));
        held.erase(static_cast<int>(id));
    }
    Lines log;
    std::map<int, std::pair<unsigned, unsigned>> held;
};

class CFakeNotices final : public IHotKeyNotices {
public:
    void Inform(const std::wstring& text, NoticeOwner owner) override
    {
        shown.push_back(owner == NoticeOwner::SettingsWindow ? L"[settings] " + text : text);
    }
    Lines shown;
};

constexpr unsigned kF9 = 0x78, kUp = 0x26, kA = 0x41;

class HotKeys : public testing::Test {
protected:
    int Stored(const wchar_t* name) { return store.ReadInt(L"Settings", name, -99); }
    CMemoryStore store;
    CFakeRegistrar registrar;
    CFakeNotices notices;
    CHotKeys hotKeys{store, registrar, notices, false};
};

}  // namespace

TEST(HotKeyModifiers, ConversionsBothWays)
{
    const struct {
        unsigned flags, key, modifiers, flagsBack;
    } cases[] = {
        {kFieldShift, kF9, kModShift, kFieldShift},
        {kFieldControl, kF9, kModControl, kFieldControl},
        {kFieldAlt | kFieldShift | kFieldControl, kA, kModAlt | kModShift | kModControl,
         kFieldAlt | kFieldShift | kFieldControl},
        // The extended flag names the key, not the Windows key; it comes
        // back from the key alone.
        {kFieldControl | kFieldExtended, kUp, kModControl, kFieldControl | kFieldExtended},
        {kFieldExtended, 0x2D /* Insert */, 0, kFieldExtended},
        {0xF0 | kFieldAlt, kF9, kModAlt, kFieldAlt},  // unknown bits are dropped
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ModifiersFromFieldFlags(c.flags), c.modifiers) << c.flags;
        EXPECT_EQ(FieldFlagsFromModifiers(c.modifiers, c.key), c.flagsBack) << c.modifiers;
    }
    EXPECT_EQ(FieldFlagsFromModifiers(kModWin | kModNoRepeat | kModAlt, kF9), kFieldAlt);
    for (unsigned key : {0x21u, 0x24u, 0x25u, 0x28u, 0x2Eu, 0x6Fu, 0x90u, 0xADu}) EXPECT_TRUE(IsExtendedKey(key));
    for (unsigned key : {0x0Du, 0x20u, 0x41u, 0x60u, 0x70u, 0xBAu}) EXPECT_FALSE(IsExtendedKey(key));
    // The no-repeat flag goes to the registration, from Windows 7 (6.1) on.
    EXPECT_EQ(RegistrationModifiers(kModControl, true), kModControl | kModNoRepeat);
    EXPECT_EQ(RegistrationModifiers(kModControl, false), kModControl);
    EXPECT_FALSE(SystemHasNoRepeat(6, 0));
    EXPECT_TRUE(SystemHasNoRepeat(6, 1));
    EXPECT_TRUE(SystemHasNoRepeat(10, 0));
}

TEST_F(HotKeys, ChangeClearAndTheirMessages)
{
    // Change with an empty field: asks for a key, changes nothing.
    EXPECT_FALSE(hotKeys.Store(HotKeyId::MonitorOff, {0, kFieldControl}, false));
    EXPECT_TRUE(store.Writes().empty());
    EXPECT_TRUE(registrar.log.empty());

    EXPECT_TRUE(hotKeys.Store(HotKeyId::LockAndMonitorOff, {kA, kFieldShift | kFieldAlt}, false));
    EXPECT_EQ(Stored(L"LockKey"), static_cast<int>(kA));
    EXPECT_EQ(Stored(L"LockMod"), static_cast<int>(kModShift | kModAlt));
    // The first hot key takes the same combination: stored, but refused.
    EXPECT_TRUE(hotKeys.Store(HotKeyId::MonitorOff, {kA, kFieldShift | kFieldAlt}, false));
    EXPECT_EQ(Stored(L"Key"), static_cast<int>(kA));
    hotKeys.Clear(HotKeyId::LockAndMonitorOff);
    EXPECT_EQ(Stored(L"LockKey"), 0);
    EXPECT_EQ(Stored(L"LockMod"), 0);
    EXPECT_EQ(registrar.log, (Lines{L"unregister 2", L"register 2 5 65", L"unregister 1", L"register 1 5 65",
                                    L"unregister 2"}));
    EXPECT_EQ(notices.shown, (Lines{L"[settings] Please Click on the Edit Box & Press Hot Key to Change the Key",
                                    L"Changes have been Saved.", L"Changes have been Saved.",
                                    L"Could not Register Hot Key for Umbrix"}));
}

TEST_F(HotKeys, RegisterFromTheStoreAndRefusedWrites)
{
    store.SetInt(L"Settings", L"Key", 0x10000 | kF9);  // only the low 16 bits count
    store.SetInt(L"Settings", L"Mod", kModControl);
    store.SetInt(L"Settings", L"LockKey", kF9);
    store.SetInt(L"Settings", L"LockMod", kModControl);
    hotKeys.Register(HotKeyId::MonitorOff);
    hotKeys.Register(HotKeyId::LockAndMonitorOff);
    EXPECT_EQ(notices.shown, Lines{L"Could not Register Hot Key for Lock Computer and Umbrix"});
    EXPECT_EQ(Stored(L"LockKey"), static_cast<int>(kF9));  // kept for the next start

    notices.shown.clear();
    registrar.log.clear();
    store.FailWrites(true);
    EXPECT_FALSE(hotKeys.Store(HotKeyId::MonitorOff, {kA, kFieldAlt}, false));
    EXPECT_EQ(store.WrittenNames(), Lines{L"Key"});  // no "Mod" after a refused "Key"
    EXPECT_EQ(notices.shown, Lines{L"Could not Store New Hot Key."});
    EXPECT_EQ(registrar.log, (Lines{L"unregister 1", L"register 1 2 120"}));  // the old values again
}

TEST_F(HotKeys, SaveIsSilentAndSurvivesSwappedCombinations)
{
    CHotKeys modern(store, registrar, notices, true);
    modern.StoreBoth({kF9, kFieldControl}, {kA, kFieldAlt});
    registrar.log.clear();
    modern.StoreBoth({kA, kFieldAlt}, {kF9, kFieldControl});
    EXPECT_TRUE(notices.shown.empty());
    EXPECT_EQ(registrar.log, (Lines{L"unregister 1", L"unregister 2", L"register 1 16385 65",
                                    L"register 2 16386 120"}));
    EXPECT_EQ(Stored(L"Mod"), static_cast<int>(kModAlt));  // no-repeat is not stored
    // An empty field clears its hot key.
    modern.StoreBoth({}, {kF9, kFieldControl});
    EXPECT_EQ(Stored(L"Key"), 0);
    EXPECT_TRUE(notices.shown.empty());
}

TEST_F(HotKeys, StoredWindowsKeyKeepsWorkingWhileItsFieldIsUnchanged)
{
    store.SetInt(L"Settings", L"Key", kUp);
    store.SetInt(L"Settings", L"Mod", kModWin | kModControl);
    const HotKeyField shown = hotKeys.ShowStored(HotKeyId::MonitorOff);
    EXPECT_EQ(shown, (HotKeyField{kUp, kFieldControl | kFieldExtended}));
    hotKeys.StoreBoth(shown, {});
    hotKeys.StoreBoth(shown, {});
    EXPECT_EQ(Stored(L"Mod"), static_cast<int>(kModWin | kModControl));
    EXPECT_EQ(registrar.log.back(), L"register 1 10 38");
    // Typed anew, a combination is stored as typed.
    hotKeys.Store(HotKeyId::MonitorOff, {kUp, kFieldAlt | kFieldExtended}, true);
    EXPECT_EQ(Stored(L"Mod"), static_cast<int>(kModAlt));
}

TEST_F(HotKeys, FieldNamesTheByteItShowsOfAWiderStoredKey)
{
    // Bits above the key's byte (an edited value) do not decide its extended
    // flag, so the field shows the same key before and after storing it.
    store.SetInt(L"Settings", L"Key", 0x100 | kUp);
    store.SetInt(L"Settings", L"Mod", kModControl);
    const HotKeyField shown = hotKeys.ShowStored(HotKeyId::MonitorOff);
    EXPECT_EQ(shown, (HotKeyField{kUp, kFieldControl | kFieldExtended}));
    hotKeys.Store(HotKeyId::MonitorOff, shown, true);
    EXPECT_EQ(hotKeys.ShowStored(HotKeyId::MonitorOff), shown);
}

TEST(HotKeyPressDecision, ConfirmsOnlyWhenDisplayIsOneAndSecondsAboveZero)
{
    const struct {
        std::uintptr_t id;
        int display, seconds;
        bool confirm;
    } cases[] = {
        {1, 0, 0, false}, {1, 1, 5, true}, {1, 1, 0, false}, {1, 1, -3, false}, {1, 2, 5, false},
        {2, 1, 60, true}, {2, -1, 5, false}, {7, 1, 5, true},  // any other id is the lock hot key
    };
    for (const auto& c : cases) {
        CMemoryStore store;
        const std::wstring suffix = c.id == 1 ? L"" : L"Lock";
        store.SetInt(L"Settings", L"HotKeyConfDisplay" + suffix, c.display);
        store.SetInt(L"Settings", L"HotKeyConfDuration" + suffix, c.seconds);
        const HotKeyPress press = DecideHotKeyPress(c.id, store);
        EXPECT_EQ(press.confirm, c.confirm) << c.id << " " << c.display << " " << c.seconds;
        EXPECT_EQ(press.lock, c.id == 1 ? 0 : 1);
        EXPECT_EQ(press.message, c.id == 1 ? L"Action Umbrix Would be performed after <XX> seconds."
                                           : L"Action Umbrix and Lock Computer would be performed after <XX> seconds.");
        if (c.confirm) EXPECT_EQ(press.seconds, c.seconds);
    }
    CMemoryStore empty;
    EXPECT_FALSE(DecideHotKeyPress(1, empty).confirm);
}
