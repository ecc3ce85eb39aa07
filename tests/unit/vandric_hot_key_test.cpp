#include <gtest/gtest.h>

#include "timer/hot_key_modifiers.h"

TEST(VandricHotKey, FieldFlagsBecomeRegistrationModifiersWithoutTheExtendedFlag)
{
    const struct {
        unsigned field;
        unsigned modifiers;
    } cases[] = {
        {0, 0},
        {kFieldShift, kModShift},
        {kFieldControl, kModControl},
        {kFieldAlt, kModAlt},
        {kFieldShift | kFieldControl | kFieldAlt, kModShift | kModControl | kModAlt},
        // An arrow key or Insert carries the extended flag: not the Windows key.
        {kFieldExtended, 0},
        {kFieldExtended | kFieldAlt, kModAlt},
        {0xF0, 0},
    };
    for (const auto& k : cases) EXPECT_EQ(FieldFlagsToModifiers(k.field), k.modifiers) << k.field;
}

TEST(VandricHotKey, StoredValuesGiveTheRegistration)
{
    const struct {
        int key;
        int mod;
        bool wanted;
        unsigned modifiers;
        unsigned vk;
    } cases[] = {
        {0, 0, false, 0, 0},
        {0, kFieldAlt, false, 0, 0},
        {0x7B, kFieldAlt, true, kModAlt, 0x7B},                      // Alt+F12
        {0x25, kFieldExtended | kFieldControl, true, kModControl, 0x25},  // Ctrl+Left
        {0x10000, kFieldAlt, false, 0, 0},                           // only the low 16 bits count
        {0x10041, 0x10000 | kFieldShift, true, kModShift, 0x41},
        {-1, -1, true, kModShift | kModControl | kModAlt, 0xFFFF},
    };
    for (const auto& k : cases) {
        const HotKeyRegistration r = RegistrationForStored(k.key, k.mod);
        EXPECT_EQ(r.wanted, k.wanted) << k.key;
        if (!k.wanted) continue;
        EXPECT_EQ(r.modifiers, k.modifiers) << k.key;
        EXPECT_EQ(r.virtualKey, k.vk) << k.key;
    }
}

TEST(VandricHotKey, FieldShowsKeyInLowByteAndFlagsInHighByte)
{
    EXPECT_EQ(FieldValueForStored(0x7B, kFieldAlt), 0x047Bu);
    EXPECT_EQ(FieldValueForStored(0x25, kFieldExtended | kFieldControl), 0x0A25u);
    EXPECT_EQ(FieldValueForStored(0, 0), 0u);
    EXPECT_EQ(FieldValueForStored(0x1FF, 0x1FF), 0xFFFFu);
}
