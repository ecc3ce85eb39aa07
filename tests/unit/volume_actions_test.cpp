#include "actions/volume_actions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr std::int32_t kClassNotRegistered = static_cast<std::int32_t>(0x80040154);  // REGDB_E_CLASSNOTREG
constexpr std::int32_t kNotFound = static_cast<std::int32_t>(0x80070490);

class FakeVolume final : public IMasterVolume {
public:
    bool muted = false;
    std::int32_t getResult = 0, setResult = 0, stepResult = 0;
    std::vector<std::wstring> calls;

    std::int32_t GetMute(bool& out) override
    {
        calls.push_back(L"get");
        out = muted;
        return getResult;
    }
    std::int32_t SetMute(bool mute) override
    {
        calls.push_back(mute ? L"mute" : L"unmute");
        if (setResult >= 0) muted = mute;
        return setResult;
    }
    std::int32_t StepUp() override
    {
        calls.push_back(L"up");
        return stepResult;
    }
    std::int32_t StepDown() override
    {
        calls.push_back(L"down");
        return stepResult;
    }
};

TEST(VolumeFailure, CodeIsWrittenAsUnsignedDecimal)
{
    EXPECT_EQ(FormatVolumeFailure(L"Could not mute volume.\nError Code %u", kClassNotRegistered),
              L"Could not mute volume.\nError Code 2147746132");
    EXPECT_EQ(FormatVolumeFailure(L"x %u", -1), L"x 4294967295");
}

TEST(VolumeActions, SuccessShowsNothing)
{
    const struct {
        VolumeAction action;
        bool mutedBefore;
        std::vector<std::wstring> calls;
        bool mutedAfter;
    } cases[] = {
        {VolumeAction::ToggleMute, false, {L"get", L"mute"}, true},
        {VolumeAction::ToggleMute, true, {L"get", L"unmute"}, false},
        {VolumeAction::Mute, true, {L"mute"}, true},
        {VolumeAction::Mute, false, {L"mute"}, true},
        {VolumeAction::StepUp, false, {L"up"}, false},
        {VolumeAction::StepDown, false, {L"down"}, false},
    };
    for (const auto& c : cases) {
        FakeVolume volume;
        volume.muted = c.mutedBefore;
        EXPECT_FALSE(RunVolumeAction(c.action, volume).has_value());
        EXPECT_EQ(volume.calls, c.calls);
        EXPECT_EQ(volume.muted, c.mutedAfter);
    }
}

TEST(VolumeActions, EachFailureHasItsOwnMessage)
{
    const struct {
        VolumeAction action;
        std::int32_t get, set, step;
        std::wstring message;
    } cases[] = {
        {VolumeAction::ToggleMute, kNotFound, 0, 0, L"Could not get current mute status.\nError Code 2147943568"},
        {VolumeAction::ToggleMute, 0, kNotFound, 0, L"Could not get change mute status.\nError Code 2147943568"},
        {VolumeAction::Mute, 0, kClassNotRegistered, 0, L"Could not mute volume.\nError Code 2147746132"},
        {VolumeAction::StepUp, 0, 0, kClassNotRegistered, L"Could not steup up volume.\nError Code 2147746132"},
        {VolumeAction::StepDown, 0, 0, kNotFound, L"Could not steup down volume.\nError Code 2147943568"},
    };
    for (const auto& c : cases) {
        FakeVolume volume;
        volume.getResult = c.get;
        volume.setResult = c.set;
        volume.stepResult = c.step;
        EXPECT_EQ(RunVolumeAction(c.action, volume).value_or(L"(none)"), c.message);
        if (c.get < 0) EXPECT_EQ(volume.calls, std::vector<std::wstring>{L"get"});  // nothing set after a failed read
    }
}

TEST(VolumeActions, PositiveStatusCodesCountAsSuccess)
{
    FakeVolume volume;
    volume.stepResult = 1;  // S_FALSE: already at the end of the range
    EXPECT_FALSE(RunVolumeAction(VolumeAction::StepUp, volume).has_value());
}

}  // namespace
