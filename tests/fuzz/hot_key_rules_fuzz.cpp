// The stored hot keys ("Key"/"Mod", "LockKey"/"LockMod") of any value, their
// conversion to and from the hot-key field, and the press decision.
#include "fakes/memory_store.h"
#include "fuzz_support.h"
#include "shell/hot_key_rules.h"

namespace {

class CNullRegistrar final : public IHotKeyRegistrar {
public:
    explicit CNullRegistrar(FuzzedDataProvider& data) : m_data(data) {}
    bool Register(HotKeyId, unsigned modifiers, unsigned key) override
    {
        FUZZ_CHECK(key != 0 && key <= 0xFFFFu && modifiers <= 0xFFFFu);
        return m_data.ConsumeBool();
    }
    void Unregister(HotKeyId) override {}

private:
    FuzzedDataProvider& m_data;
};

class CNullNotices final : public IHotKeyNotices {
public:
    void Inform(const std::wstring& text, NoticeOwner) override { FUZZ_CHECK(!text.empty()); }
};

constexpr unsigned kFieldModifiers = kFieldShift | kFieldControl | kFieldAlt;
constexpr unsigned kShownModifiers = kModShift | kModControl | kModAlt;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const unsigned flags = data.ConsumeIntegral<unsigned>();
    const unsigned modifiers = data.ConsumeIntegral<unsigned>();
    const unsigned key = data.ConsumeIntegral<unsigned>();

    // Shift, control and alt survive both ways; nothing else becomes one.
    FUZZ_CHECK(ModifiersFromFieldFlags(flags) == ModifiersFromFieldFlags(flags & kFieldModifiers));
    FUZZ_CHECK(ModifiersFromFieldFlags(flags) == (ModifiersFromFieldFlags(flags) & kShownModifiers));
    FUZZ_CHECK((FieldFlagsFromModifiers(ModifiersFromFieldFlags(flags), key) & kFieldModifiers) ==
               (flags & kFieldModifiers));
    FUZZ_CHECK(ModifiersFromFieldFlags(FieldFlagsFromModifiers(modifiers, key)) == (modifiers & kShownModifiers));
    FUZZ_CHECK(((FieldFlagsFromModifiers(modifiers, key) & kFieldExtended) != 0) == IsExtendedKey(key));
    const bool noRepeat = data.ConsumeBool();
    FUZZ_CHECK((RegistrationModifiers(modifiers, noRepeat) & ~kModNoRepeat) == (modifiers & ~kModNoRepeat));
    SystemHasNoRepeat(data.ConsumeIntegral<unsigned>(), data.ConsumeIntegral<unsigned>());

    // Storing what the field shows keeps the stored modifiers exactly, a
    // Windows key no field can show included.
    CMemoryStore store;
    const int storedKey = data.ConsumeIntegral<int>();
    const int storedMod = data.ConsumeIntegral<int>();
    store.SetInt(kSettingsSection, L"Key", storedKey);
    store.SetInt(kSettingsSection, L"Mod", storedMod);
    store.SetInt(kSettingsSection, L"LockKey", data.ConsumeIntegral<int>());
    store.SetInt(kSettingsSection, L"LockMod", data.ConsumeIntegral<int>());
    CNullRegistrar registrar(data);
    CNullNotices notices;
    CHotKeys hotKeys(store, registrar, notices, noRepeat);
    hotKeys.Register(HotKeyId::MonitorOff);
    hotKeys.Register(HotKeyId::LockAndMonitorOff);
    const HotKeyField shown = hotKeys.ShowStored(HotKeyId::MonitorOff);
    FUZZ_CHECK(shown.key == (static_cast<unsigned>(storedKey) & 0xFFu));
    if (hotKeys.Store(HotKeyId::MonitorOff, shown, true)) {
        FUZZ_CHECK(store.ReadInt(kSettingsSection, L"Mod", -1) == (storedMod & 0xFFFF));
        FUZZ_CHECK(hotKeys.ShowStored(HotKeyId::MonitorOff) == shown);
    }

    // Then any sequence of the settings window's operations.
    while (data.remaining_bytes() > 0) {
        const HotKeyId id = data.ConsumeBool() ? HotKeyId::MonitorOff : HotKeyId::LockAndMonitorOff;
        const HotKeyField field{data.ConsumeIntegralInRange<unsigned>(0, 0xFF),
                                data.ConsumeIntegralInRange<unsigned>(0, 0xFF)};
        switch (data.ConsumeIntegralInRange<int>(0, 4)) {
        case 0: hotKeys.ShowStored(id); break;
        case 1: hotKeys.Store(id, field, data.ConsumeBool()); break;
        case 2: hotKeys.StoreBoth(field, hotKeys.ShowStored(HotKeyId::LockAndMonitorOff)); break;
        case 3: hotKeys.Clear(id); break;
        case 4: store.FailWrites(data.ConsumeBool()); break;
        }
    }

    CFuzzedStore fuzzedStore(data);
    const HotKeyPress press = DecideHotKeyPress(data.ConsumeIntegral<std::uintptr_t>(), fuzzedStore);
    FUZZ_CHECK(!press.confirm || press.seconds > 0);
    FUZZ_CHECK(!press.message.empty());
    return 0;
}
