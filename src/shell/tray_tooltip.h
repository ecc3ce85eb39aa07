#pragma once
// The tray icon's tooltip: "Umbrix" and one line per active background
// trigger. Portable: the settings view hands in the store and shows the text.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

class ISettingsStore;

// The longest tip the notification area keeps (its buffer holds 128
// characters with the terminating zero).
inline constexpr std::size_t kTrayTipMax = 127;

struct TrayTooltip {
    std::wstring text;  // already cut to kTrayTipMax characters
    // Set when the matching idle trigger is enabled: its minutes x 60000, in
    // unsigned 32-bit arithmetic. The view keeps them as its idle thresholds.
    std::optional<std::uint32_t> idleOffThresholdMs;
    std::optional<std::uint32_t> idleScrThresholdMs;
};

// Reads the trigger settings of section "Settings" and composes the tip.
// `keptAwakeUntil`: the end of a running timed keep-awake in the user's
// short time format; its line stands where the stored keep-awake's would,
// which wins when both are on.
TrayTooltip ComposeTrayTooltip(ISettingsStore& store, const std::optional<std::wstring>& keptAwakeUntil = {});

// The first `max` characters of `text`.
std::wstring CutTooltip(const std::wstring& text, std::size_t max = kTrayTipMax);
