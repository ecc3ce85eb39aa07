#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fakes/memory_store.h"
#include "schedule/idle_dialog_values.h"

using Names = std::vector<std::wstring>;

TEST(IdleDialogValues, DefaultsAndEachModesKeysInWriteOrder)
{
    const struct {
        int mode;
        Names keys;
        const wchar_t* text;
    } rows[] = {
        {kIdleCaptureMonitorOff, {L"EnableIdleUBX", L"IdleUBXMins", L"LockOnResumeUbx", L"AlertIdle"}, L"Turning Monitor Off Now"},
        {kIdleCaptureScreenSaver, {L"EnableIdleUBXScr", L"IdleUBXMinsScr", L"LockOnResumeScr", L"AlertScr"}, L"Starting ScreenSaver Now"},
    };
    for (const auto& r : rows) {
        CMemoryStore store;
        const IdleCaptureValues v = LoadIdleCapture(store, r.mode);
        EXPECT_EQ((std::vector<int>{0, 10, 0, 1}), (std::vector<int>{v.enable, v.minutes, v.lockOnResume, v.alert}));
        EXPECT_EQ(r.text, ReadIdleCaptureAlertText(store, r.mode));
        StoreIdleCapture(store, r.mode, IdleCaptureValues{1, 42, 1, 0});
        WriteIdleCaptureAlertText(store, r.mode, L"Bye");
        Names written = r.keys;
        written.push_back(r.mode == kIdleCaptureMonitorOff ? L"AlertTextIdle" : L"AlertTextScr");
        EXPECT_EQ(written, store.WrittenNames());
        EXPECT_EQ(42, LoadIdleCapture(store, r.mode).minutes);
        EXPECT_EQ(10, LoadIdleCapture(store, 1 - r.mode).minutes) << "the other mode is untouched";
    }
    CMemoryStore store;
    const DurationValues d = LoadDuration(store);
    EXPECT_EQ((std::vector<int>{10, 0, 1}), (std::vector<int>{d.minutes, d.enable, d.lockOnResume}));
    StoreDuration(store, DurationValues{3, 1, 0});
    EXPECT_EQ((Names{L"EnableDurationUBX", L"DurationUBXMins", L"LockOnResumeIdle"}), store.WrittenNames());
}
