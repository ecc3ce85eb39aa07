#include "timer/hot_key_modifiers.h"

unsigned FieldFlagsToModifiers(unsigned fieldFlags)
{
    unsigned modifiers = 0;
    if (fieldFlags & kFieldShift) modifiers |= kModShift;
    if (fieldFlags & kFieldControl) modifiers |= kModControl;
    if (fieldFlags & kFieldAlt) modifiers |= kModAlt;
    return modifiers;
}

HotKeyRegistration RegistrationForStored(int storedKey, int storedMod)
{
    const unsigned key = static_cast<unsigned>(storedKey) & 0xFFFF;
    const unsigned mod = static_cast<unsigned>(storedMod) & 0xFFFF;
    if (key == 0) return {false, 0, 0};
    return {true, FieldFlagsToModifiers(mod), key};
}

unsigned FieldValueForStored(int storedKey, int storedMod)
{
    return (static_cast<unsigned>(storedKey) & 0xFF) | ((static_cast<unsigned>(storedMod) & 0xFF) << 8);
}
