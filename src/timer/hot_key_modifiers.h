#pragma once
// The monitor-off hot key: "Key" and "Mod" as stored, the value the hot-key
// field shows, and what RegisterHotKey is given. Portable.

// Flags of the hot-key field (HOTKEYF_*), which is also how "Mod" stores them.
inline constexpr unsigned kFieldShift = 0x01;
inline constexpr unsigned kFieldControl = 0x02;
inline constexpr unsigned kFieldAlt = 0x04;
inline constexpr unsigned kFieldExtended = 0x08;

// RegisterHotKey's modifiers (MOD_*).
inline constexpr unsigned kModAlt = 0x0001;
inline constexpr unsigned kModControl = 0x0002;
inline constexpr unsigned kModShift = 0x0004;

// Field flags to registration modifiers: shift, control and alt bit by bit.
// The extended flag only says the key sits on the extended part of the
// keyboard (arrows, Insert, ...); it is no modifier, so it is dropped rather
// than registered as the Windows key. Other bits are dropped too.
unsigned FieldFlagsToModifiers(unsigned fieldFlags);

struct HotKeyRegistration {
    bool wanted;         // false: no hot key stored, register nothing
    unsigned modifiers;  // MOD_* bits
    unsigned virtualKey;
};
// What to register for the stored values: the low 16 bits of each count;
// a key of 0 means none.
HotKeyRegistration RegistrationForStored(int storedKey, int storedMod);

// The hot-key field's value (HKM_SETHOTKEY) for the stored values: the key
// code in the low byte, the field flags in the high byte.
unsigned FieldValueForStored(int storedKey, int storedMod);
