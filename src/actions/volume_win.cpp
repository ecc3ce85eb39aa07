#include "actions/volume_win.h"

#include "actions/system_requests.h"
#include "actions/volume_actions.h"

namespace {

class CSystemVolume final : public IMasterVolume {
public:
    std::int32_t GetMute(bool& muted) override { return System().GetMasterMute(muted); }
    std::int32_t SetMute(bool mute) override { return System().SetMasterMute(mute); }
    std::int32_t StepUp() override { return System().StepMasterVolume(true); }
    std::int32_t StepDown() override { return System().StepMasterVolume(false); }
};

void Run(VolumeAction action, HWND owner)
{
    CSystemVolume volume;
    if (const auto failure = RunVolumeAction(action, volume))
        MessageBoxW(owner, failure->c_str(), L"Umbrix", MB_ICONINFORMATION);
}

}  // namespace

void ToggleMuteVolume(HWND owner)
{
    Run(VolumeAction::ToggleMute, owner);
}

void MuteVolume(HWND owner)
{
    Run(VolumeAction::Mute, owner);
}

void StepUpVolume(HWND owner)
{
    Run(VolumeAction::StepUp, owner);
}

void StepDownVolume(HWND owner)
{
    Run(VolumeAction::StepDown, owner);
}
