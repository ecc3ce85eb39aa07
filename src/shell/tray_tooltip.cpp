#include "shell/tray_tooltip.h"

#include "app/settings_store.h"
#include "shell/keep_awake.h"

namespace {

// The minutes are shown as unsigned numbers: a negative value written by hand
// shows as the large number the threshold arithmetic uses too.
std::wstring Minutes(int minutes)
{
    return std::to_wstring(static_cast<std::uint32_t>(minutes));
}

std::uint32_t ThresholdMs(int minutes)
{
    return static_cast<std::uint32_t>(minutes) * 60000u;
}

}  // namespace

TrayTooltip ComposeTrayTooltip(ISettingsStore& store, const std::optional<std::wstring>& keptAwakeUntil)
{
    auto read = [&store](const wchar_t* name, int def) { return store.ReadInt(kSettingsSection, name, def); };
    TrayTooltip tip;
    std::wstring text = L"Umbrix";
    if (read(L"KeepSystemActive", 0) != 0)
        text += L"\nSystem Will be Kept Active";
    else if (keptAwakeUntil)
        text += KeptAwakeTipLine(*keptAwakeUntil);
    if (read(L"EnableIdleUBX", 0) != 0) {
        const int minutes = read(L"IdleUBXMins", 10);
        text += L"\nMonitor Would be Turned Off after " + Minutes(minutes) + L" Idle Minutes";
        tip.idleOffThresholdMs = ThresholdMs(minutes);
    }
    if (read(L"EnableIdleUBXScr", 0) != 0) {
        const int minutes = read(L"IdleUBXMinsScr", 10);
        text += L"\nScreenSaver Would be Started after " + Minutes(minutes) + L" Idle Minutes";
        tip.idleScrThresholdMs = ThresholdMs(minutes);
    }
    if (read(L"EnableDurationUBX", 0) != 0)
        text += L"\nMonitor Would be Turned Off after " + Minutes(read(L"DurationUBXMins", 10)) + L" Minutes";
    tip.text = CutTooltip(text);
    return tip;
}

std::wstring CutTooltip(const std::wstring& text, std::size_t max)
{
    return text.substr(0, max);
}
