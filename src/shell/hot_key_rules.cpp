#include "shell/hot_key_rules.h"

#include "actions/action_catalog.h"
#include "actions/countdown.h"
#include "app/settings_store.h"

namespace {

std::wstring Prefix(HotKeyId id)
{
    return id == HotKeyId::MonitorOff ? L"" : L"Lock";
}

unsigned Low16(int value)
{
    return static_cast<unsigned>(value) & 0xFFFFu;
}

struct StoredCombination {
    unsigned key;
    unsigned modifiers;
};

StoredCombination ReadStored(ISettingsStore& store, HotKeyId id)
{
    return {Low16(store.ReadInt(kSettingsSection, Prefix(id) + L"Key", 0)),
            Low16(store.ReadInt(kSettingsSection, Prefix(id) + L"Mod", 0))};
}

}  // namespace

unsigned ModifiersFromFieldFlags(unsigned fieldFlags)
{
    unsigned modifiers = 0;
    if (fieldFlags & kFieldShift) modifiers |= kModShift;
    if (fieldFlags & kFieldControl) modifiers |= kModControl;
    if (fieldFlags & kFieldAlt) modifiers |= kModAlt;
    return modifiers;
}

unsigned FieldFlagsFromModifiers(unsigned modifiers, unsigned key)
{
    unsigned flags = 0;
    if (modifiers & kModShift) flags |= kFieldShift;
    if (modifiers & kModControl) flags |= kFieldControl;
    if (modifiers & kModAlt) flags |= kFieldAlt;
    if (IsExtendedKey(key)) flags |= kFieldExtended;
    return flags;
}

bool IsExtendedKey(unsigned key)
{
    switch (key) {
    case 0x03:                          // Break (Ctrl+Pause)
    case 0x21: case 0x22:               // Page Up, Page Down
    case 0x23: case 0x24:               // End, Home
    case 0x25: case 0x26: case 0x27: case 0x28:  // arrows
    case 0x2C:                          // Print Screen
    case 0x2D: case 0x2E:               // Insert, Delete
    case 0x5B: case 0x5C: case 0x5D:    // Windows keys, Applications
    case 0x6F:                          // numeric-pad divide
    case 0x90:                          // Num Lock
    case 0xA3: case 0xA5:               // right Ctrl, right Alt
        return true;
    default:
        // Browser, volume, media and launch keys.
        return key >= 0xA6 && key <= 0xB7;
    }
}

unsigned RegistrationModifiers(unsigned storedModifiers, bool systemHasNoRepeat)
{
    return systemHasNoRepeat ? storedModifiers | kModNoRepeat : storedModifiers;
}

bool SystemHasNoRepeat(unsigned major, unsigned minor)
{
    return major > 6 || (major == 6 && minor >= 1);
}

const wchar_t* RegistrationFailureText(HotKeyId id)
{
    return id == HotKeyId::MonitorOff ? L"Could not Register Hot Key for Umbrix"
                                      : L"Could not Register Hot Key for Lock Computer and Umbrix";
}

CHotKeys::CHotKeys(ISettingsStore& store, IHotKeyRegistrar& registrar, IHotKeyNotices& notices,
                   bool systemHasNoRepeat)
    : m_store(store), m_registrar(registrar), m_notices(notices), m_noRepeat(systemHasNoRepeat)
{
}

void CHotKeys::Register(HotKeyId id)
{
    const StoredCombination stored = ReadStored(m_store, id);
    if (stored.key == 0) return;
    if (!m_registrar.Register(id, RegistrationModifiers(stored.modifiers, m_noRepeat), stored.key))
        m_notices.Inform(RegistrationFailureText(id), NoticeOwner::None);
}

HotKeyField CHotKeys::ShowStored(HotKeyId id)
{
    const StoredCombination stored = ReadStored(m_store, id);
    Shown& shown = ShownOf(id);
    // The field holds a one-byte key; its extended flag must describe that
    // key, or storing the field again would show a different one.
    const unsigned key = stored.key & 0xFFu;
    shown.field = {key, FieldFlagsFromModifiers(stored.modifiers, key)};
    shown.modifiers = stored.modifiers;
    shown.valid = true;
    return shown.field;
}

bool CHotKeys::Write(HotKeyId id, HotKeyField field, bool silent)
{
    if (!m_store.WriteInt(kSettingsSection, Prefix(id) + L"Key", static_cast<int>(field.key))) {
        m_notices.Inform(kHotKeyNotStored, NoticeOwner::None);
        return false;
    }
    Shown& shown = ShownOf(id);
    const unsigned modifiers =
        shown.valid && field == shown.field ? shown.modifiers : ModifiersFromFieldFlags(field.flags);
    m_store.WriteInt(kSettingsSection, Prefix(id) + L"Mod", static_cast<int>(modifiers));
    shown.field = field;
    shown.modifiers = modifiers;
    shown.valid = true;
    if (!silent) m_notices.Inform(kHotKeySaved, NoticeOwner::None);
    return true;
}

bool CHotKeys::Store(HotKeyId id, HotKeyField field, bool silent)
{
    if (!silent && field.key == 0) {
        m_notices.Inform(kPressHotKeyFirst, NoticeOwner::SettingsWindow);
        return false;
    }
    m_registrar.Unregister(id);
    const bool written = Write(id, field, silent);
    Register(id);
    return written;
}

void CHotKeys::StoreBoth(HotKeyField monitorOff, HotKeyField lockAndMonitorOff)
{
    m_registrar.Unregister(HotKeyId::MonitorOff);
    m_registrar.Unregister(HotKeyId::LockAndMonitorOff);
    Write(HotKeyId::MonitorOff, monitorOff, true);
    Write(HotKeyId::LockAndMonitorOff, lockAndMonitorOff, true);
    Register(HotKeyId::MonitorOff);
    Register(HotKeyId::LockAndMonitorOff);
}

void CHotKeys::Clear(HotKeyId id)
{
    m_registrar.Unregister(id);
    m_store.WriteInt(kSettingsSection, Prefix(id) + L"Key", 0);
    m_store.WriteInt(kSettingsSection, Prefix(id) + L"Mod", 0);
    ShownOf(id) = Shown{{0, 0}, 0, true};
}

HotKeyPress DecideHotKeyPress(std::uintptr_t id, ISettingsStore& store)
{
    const bool first = id == static_cast<std::uintptr_t>(HotKeyId::MonitorOff);
    const std::wstring suffix = first ? L"" : L"Lock";
    HotKeyPress press;
    press.seconds = store.ReadInt(kSettingsSection, L"HotKeyConfDuration" + suffix, 0);
    const int display = store.ReadInt(kSettingsSection, L"HotKeyConfDisplay" + suffix, 0);
    press.confirm = display == 1 && press.seconds > 0;
    if (first) {
        press.message = kDefaultConfirmMessage;
    } else {
        std::wstring message = kConfirmActionFormat;
        press.message = message.replace(message.find(L"%s"), 2, L"Umbrix and Lock Computer");
    }
    press.lock = first ? 0 : 1;
    return press;
}
