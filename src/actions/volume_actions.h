#pragma once
// Actions 18 to 21 on the master volume: which requests they make and which
// message a failure shows. Portable; results are COM status codes, 32 bits
// wide whatever `long` is here (0 and other non-negative values succeed).
#include <cstdint>
#include <optional>
#include <string>

class IMasterVolume {
public:
    virtual ~IMasterVolume() = default;
    virtual std::int32_t GetMute(bool& muted) = 0;
    virtual std::int32_t SetMute(bool mute) = 0;
    virtual std::int32_t StepUp() = 0;
    virtual std::int32_t StepDown() = 0;
};

enum class VolumeAction { ToggleMute, Mute, StepUp, StepDown };

// Runs the action; the failure message to show, nothing on success.
std::optional<std::wstring> RunVolumeAction(VolumeAction action, IMasterVolume& volume);

// `format` with its "%u" replaced by `code` as an unsigned decimal number.
std::wstring FormatVolumeFailure(const wchar_t* format, std::int32_t code);
