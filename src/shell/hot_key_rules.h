#pragma once
// The two global hot keys: their stored form, the conversion between the
// hot-key field's flags and the registration modifiers, their bookkeeping
// (register, store, clear) and the decision taken when one is pressed.
// Portable: registration and messages go through the two small interfaces
// below, so the rules are testable without the machine.
#include <cstdint>
#include <string>

class ISettingsStore;

// Registration ids; they are also the first parameter of WM_HOTKEY.
enum class HotKeyId { MonitorOff = 1, LockAndMonitorOff = 2 };

// Hot-key field flags (high byte of the field's value).
inline constexpr unsigned kFieldShift = 0x01;
inline constexpr unsigned kFieldControl = 0x02;
inline constexpr unsigned kFieldAlt = 0x04;
inline constexpr unsigned kFieldExtended = 0x08;
// Registration modifiers, the form "Mod" is stored in.
inline constexpr unsigned kModAlt = 0x0001;
inline constexpr unsigned kModControl = 0x0002;
inline constexpr unsigned kModShift = 0x0004;
inline constexpr unsigned kModWin = 0x0008;
inline constexpr unsigned kModNoRepeat = 0x4000;

// Field flags to stored modifiers. The field's extended flag tells that the
// key itself sits on the extended keyboard (an arrow, Home, Insert...); it is
// no modifier and is dropped, as is every other unknown bit.
unsigned ModifiersFromFieldFlags(unsigned fieldFlags);
// Stored modifiers to field flags for virtual key `key`. MOD_WIN has no field
// flag; the extended flag is set when `key` is an extended key, so the field
// names it correctly ("Up", not "Num 8").
unsigned FieldFlagsFromModifiers(unsigned modifiers, unsigned key);
// True for the virtual keys that only exist on the extended keyboard.
bool IsExtendedKey(unsigned key);

// What RegisterHotKey is given for a stored "Mod": the stored bits plus the
// no-repeat flag where the system knows it, so a held combination acts once.
unsigned RegistrationModifiers(unsigned storedModifiers, bool systemHasNoRepeat);
// Windows 7 (6.1) introduced MOD_NOREPEAT; older systems refuse it.
bool SystemHasNoRepeat(unsigned major, unsigned minor);

// A hot-key field's content: the virtual key (0: empty) and the field flags.
struct HotKeyField {
    unsigned key = 0;
    unsigned flags = 0;
    bool operator==(const HotKeyField& o) const { return key == o.key && flags == o.flags; }
    bool operator!=(const HotKeyField& o) const { return !(*this == o); }
};

// Registration with the operating system (thread hot keys, no window).
class IHotKeyRegistrar {
public:
    virtual ~IHotKeyRegistrar() = default;
    virtual bool Register(HotKeyId id, unsigned modifiers, unsigned key) = 0;
    virtual void Unregister(HotKeyId id) = 0;
};

// Where the hot-key messages appear (caption "Umbrix", information icon).
enum class NoticeOwner { None, SettingsWindow };
class IHotKeyNotices {
public:
    virtual ~IHotKeyNotices() = default;
    virtual void Inform(const std::wstring& text, NoticeOwner owner) = 0;
};

inline constexpr const wchar_t* kPressHotKeyFirst =
    L"Please Click on the Edit Box & Press Hot Key to Change the Key";
inline constexpr const wchar_t* kHotKeySaved = L"Changes have been Saved.";
inline constexpr const wchar_t* kHotKeyNotStored = L"Could not Store New Hot Key.";
// The registration failure message of each hot key.
const wchar_t* RegistrationFailureText(HotKeyId id);

// The bookkeeping of both hot keys. Stored values live in section "Settings"
// under "Key"/"Mod" and "LockKey"/"LockMod"; only their low 16 bits count.
class CHotKeys {
public:
    CHotKeys(ISettingsStore& store, IHotKeyRegistrar& registrar, IHotKeyNotices& notices, bool systemHasNoRepeat);

    // Registers one hot key from its stored values; nothing when its key is
    // 0. A refused registration is reported; the stored values stay.
    void Register(HotKeyId id);
    // The field content for the stored combination. Remembered, so that
    // storing that same content again keeps the stored modifiers exactly
    // (including a MOD_WIN no field can show).
    HotKeyField ShowStored(HotKeyId id);
    // The "Change" button (silent false) and one hot key of Save (silent
    // true): unregisters, stores the field's combination (an empty field
    // clears the hot key) and registers again. False when the key could not
    // be written, or when Change was pressed with an empty field.
    bool Store(HotKeyId id, HotKeyField field, bool silent);
    // Save: stores both silently. Both are unregistered before either is
    // registered again, so swapping the two combinations works.
    void StoreBoth(HotKeyField monitorOff, HotKeyField lockAndMonitorOff);
    // The "Clear" button: unregisters and stores 0 for key and modifiers.
    void Clear(HotKeyId id);

private:
    bool Write(HotKeyId id, HotKeyField field, bool silent);

    struct Shown {
        HotKeyField field;
        unsigned modifiers = 0;
        bool valid = false;
    };
    Shown& ShownOf(HotKeyId id) { return id == HotKeyId::MonitorOff ? m_shown[0] : m_shown[1]; }

    ISettingsStore& m_store;
    IHotKeyRegistrar& m_registrar;
    IHotKeyNotices& m_notices;
    bool m_noRepeat;
    Shown m_shown[2];
};

// What a press of hot key `id` (WM_HOTKEY's first parameter) does.
struct HotKeyPress {
    bool confirm = false;  // run the countdown first, go on only on OK
    int seconds = 0;
    std::wstring message;  // the countdown's message, "<XX>" for the seconds
    int lock = 0;          // MonitorOff's lock argument
};
// Reads the confirmation settings at the moment of the press: the countdown
// runs only when the display value is exactly 1 and the seconds are above 0.
// Any id other than 1 is the lock hot key.
HotKeyPress DecideHotKeyPress(std::uintptr_t id, ISettingsStore& store);
