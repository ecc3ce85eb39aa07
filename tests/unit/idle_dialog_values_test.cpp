#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/memory_store.h"
#include "schedule/idle_dialog_values.h"

namespace {
const wchar_t* const S = kSettingsSection;
}  // namespace

TEST(IdleCaptureValues, DefaultsOfBothModes)
{
    CMemoryStore store;
    for (int mode : {kIdleCaptureMonitorOff, kIdleCaptureScreenSaver}) {
        const IdleCaptureValues v = LoadIdleCapture(store, mode);
        EXPECT_EQ(0, v.enable);
        EXPECT_EQ(10, v.minutes);
        EXPECT_EQ(0, v.lockOnResume);
        EXPECT_EQ(1, v.alert) << "read with default 1 when the dialog opens";
    }
    EXPECT_EQ(L"Turning Monitor Off Now", ReadIdleCaptureAlertText(store, kIdleCaptureMonitorOff));
    EXPECT_EQ(L"Starting ScreenSaver Now", ReadIdleCaptureAlertText(store, kIdleCaptureScreenSaver));
}

TEST(IdleCaptureValues, EachModeReadsAndWritesItsOwnKeysInOrder)
{
    struct Row {
        int mode;
        std::vector<std::wstring> keys;
        const wchar_t* textKey;
    } rows[] = {
        {kIdleCaptureMonitorOff, {L"EnableIdleUBX", L"IdleUBXMins", L"LockOnResumeUbx", L"AlertIdle"}, L"AlertTextIdle"},
        {kIdleCaptureScreenSaver,
         {L"EnableIdleUBXScr", L"IdleUBXMinsScr", L"LockOnResumeScr", L"AlertScr"},
         L"AlertTextScr"},
        {7, {L"EnableIdleUBX", L"IdleUBXMins", L"LockOnResumeUbx", L"AlertIdle"}, L"AlertTextIdle"},
    };
    for (const Row& r : rows) {
        CMemoryStore store;
        StoreIdleCapture(store, r.mode, IdleCaptureValues{1, 42, 1, 0});
        EXPECT_EQ(r.keys, store.WrittenNames()) << r.mode;
        const IdleCaptureValues back = LoadIdleCapture(store, r.mode);
        EXPECT_EQ(1, back.enable);
        EXPECT_EQ(42, back.minutes);
        EXPECT_EQ(1, back.lockOnResume);
        EXPECT_EQ(0, back.alert);

        store.ClearWrites();
        WriteIdleCaptureAlertText(store, r.mode, L"Bye");
        EXPECT_EQ((std::vector<std::wstring>{r.textKey}), store.WrittenNames());
        EXPECT_EQ(L"Bye", ReadIdleCaptureAlertText(store, r.mode));
    }
}

TEST(IdleCaptureValues, TheOtherModesTextIsNotAffected)
{
    CMemoryStore store;
    WriteIdleCaptureAlertText(store, kIdleCaptureScreenSaver, L"Saver on");
    EXPECT_EQ(L"Turning Monitor Off Now", ReadIdleCaptureAlertText(store, kIdleCaptureMonitorOff));
}

TEST(DurationValues, DefaultsAndWriteOrder)
{
    CMemoryStore store;
    const DurationValues v = LoadDuration(store);
    EXPECT_EQ(10, v.minutes);
    EXPECT_EQ(0, v.enable);
    EXPECT_EQ(1, v.lockOnResume);

    StoreDuration(store, DurationValues{3, 1, 0});
    EXPECT_EQ((std::vector<std::wstring>{L"EnableDurationUBX", L"DurationUBXMins", L"LockOnResumeIdle"}),
              store.WrittenNames());
    const DurationValues back = LoadDuration(store);
    EXPECT_EQ(3, back.minutes);
    EXPECT_EQ(1, back.enable);
    EXPECT_EQ(0, back.lockOnResume);
}

TEST(DurationValues, MistypedValuesReadAsDefaults)
{
    CMemoryStore store;
    store.SetWrongType(S, L"DurationUBXMins");
    store.SetString(S, L"LockOnResumeIdle", L"0");
    const DurationValues v = LoadDuration(store);
    EXPECT_EQ(10, v.minutes);
    EXPECT_EQ(1, v.lockOnResume);
}
