#include "actions/volume_actions.h"

namespace {

bool Failed(std::int32_t code)
{
    return code < 0;
}

std::optional<std::wstring> FailureOf(std::int32_t code, const wchar_t* format)
{
    if (!Failed(code)) return std::nullopt;
    return FormatVolumeFailure(format, code);
}

}  // namespace

std::wstring FormatVolumeFailure(const wchar_t* format, std::int32_t code)
{
    std::wstring text = format;
    const std::size_t at = text.find(L"%u");
    if (at != std::wstring::npos)
        text.replace(at, 2, std::to_wstring(static_cast<std::uint32_t>(code)));
    return text;
}

std::optional<std::wstring> RunVolumeAction(VolumeAction action, IMasterVolume& volume)
{
    switch (action) {
    case VolumeAction::ToggleMute: {
        bool muted = false;
        const std::int32_t read = volume.GetMute(muted);
        if (Failed(read)) return FormatVolumeFailure(L"Could not get current mute status.\nError Code %u", read);
        return FailureOf(volume.SetMute(!muted), L"Could not get change mute status.\nError Code %u");
    }
    case VolumeAction::Mute:
        return FailureOf(volume.SetMute(true), L"Could not mute volume.\nError Code %u");
    case VolumeAction::StepUp:
        return FailureOf(volume.StepUp(), L"Could not steup up volume.\nError Code %u");
    case VolumeAction::StepDown:
        return FailureOf(volume.StepDown(), L"Could not steup down volume.\nError Code %u");
    }
    return std::nullopt;
}
