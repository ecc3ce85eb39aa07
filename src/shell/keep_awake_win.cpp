// The tray's "Keep Awake" sub-menu and the timed keep-awake of the settings
// view; the stored one ("Until Turned Off") is the settings window's box.
#include <windows.h>

#include "actions/system_requests.h"
#include "app/settings_store.h"
#include "framework/app.h"
#include "resources/resource.h"
#include "shell/umbrix_view.h"

namespace {

// LOCALE_SSHORTTIME is known from Windows 7 on; before, the long time format
// without its seconds stands in.
constexpr LCTYPE kShortTimeFormat = 0x79;

std::wstring ShortTimeText(ClockTime time)
{
    SYSTEMTIME st{};
    GetLocalTime(&st);
    st.wHour = static_cast<WORD>(time.hour);
    st.wMinute = static_cast<WORD>(time.minute);
    st.wSecond = static_cast<WORD>(time.second);
    wchar_t format[80] = L"";
    const bool haveFormat = GetLocaleInfoW(LOCALE_USER_DEFAULT, kShortTimeFormat, format, 80) > 0;
    wchar_t text[80] = L"";
    if (!GetTimeFormatW(LOCALE_USER_DEFAULT, haveFormat ? 0 : TIME_NOSECONDS, &st, haveFormat ? format : nullptr,
                        text, 80))
        return std::to_wstring(time.hour) + (time.minute < 10 ? L":0" : L":") + std::to_wstring(time.minute);
    return text;
}

bool StoredKeepAwake()
{
    return AfxProfile().ReadInt(kSettingsSection, L"KeepSystemActive", 0) != 0;
}

}  // namespace

bool CUmbrixView::KeptAwake() const
{
    return KeepAwakeWanted(StoredKeepAwake(), m_timedKeepAwake.has_value());
}

void CUmbrixView::OnKeepAwakeCommand(UINT id)
{
    switch (id) {
    case ID_KEEP_AWAKE_ONE_HOUR: StartTimedKeepAwake(KeepAwakeItem::OneHour); return;
    case ID_KEEP_AWAKE_FOUR_HOURS: StartTimedKeepAwake(KeepAwakeItem::FourHours); return;
    default: break;
    }
    // "Off" and "Until Turned Off" are the stored setting, as Save keeps it.
    const bool keep = id == ID_KEEP_AWAKE_UNTIL_OFF;
    m_timedKeepAwake.reset();
    AfxProfile().WriteInt(kSettingsSection, L"KeepSystemActive", keep ? 1 : 0);
    KeepAwake(keep);
    RefreshTrayTooltip();
}

void CUmbrixView::StartTimedKeepAwake(KeepAwakeItem item)
{
    // A timed keep-awake replaces one until turned off: the user asked for
    // it to end.
    if (StoredKeepAwake()) AfxProfile().WriteInt(kSettingsSection, L"KeepSystemActive", 0);
    SYSTEMTIME now{};
    GetLocalTime(&now);
    m_timedKeepAwake = item;
    m_timedKeepAwakeStart = m_tickCount();
    m_keptAwakeUntil = ShortTimeText(KeepAwakeEndClock(ClockTime{now.wHour, now.wMinute, now.wSecond}, item));
    KeepAwake(true);
    RefreshTrayTooltip();
}

void CUmbrixView::CheckTimedKeepAwake()
{
    if (!m_timedKeepAwake || !TimedKeepAwakeOver(*m_timedKeepAwake, m_timedKeepAwakeStart, m_tickCount())) return;
    m_timedKeepAwake.reset();
    KeepAwake(StoredKeepAwake());
    RefreshTrayTooltip();
}

void CUmbrixView::MarkKeepAwakeItem(HMENU popup) const
{
    const UINT checked[] = {ID_KEEP_AWAKE_OFF, ID_KEEP_AWAKE_ONE_HOUR, ID_KEEP_AWAKE_FOUR_HOURS,
                            ID_KEEP_AWAKE_UNTIL_OFF};
    const UINT item = checked[static_cast<int>(CheckedKeepAwakeItem(StoredKeepAwake(), m_timedKeepAwake))];
    // The sub-menu is the tray menu's last item.
    HMENU keepAwake = GetSubMenu(popup, GetMenuItemCount(popup) - 1);
    if (keepAwake) CheckMenuRadioItem(keepAwake, ID_KEEP_AWAKE_OFF, ID_KEEP_AWAKE_UNTIL_OFF, item, MF_BYCOMMAND);
}
