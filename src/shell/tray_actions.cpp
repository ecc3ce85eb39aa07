#include "shell/tray_actions.h"

#include "app/settings_store.h"

namespace {

const std::array<ClickListEntry, kClickListSize> kEntries = {{
    {L"Default Action", kClickActionDefault},
    {L"None", kClickActionNone},
    {L"Umbrix", kCommandMonitorOff},
    {L"Lock WorkStation and Umbrix", 32803},
    {L"Umbrix Settings", 32779},
    {L"Umbrix after...", 32800},
    {L"Umbrix if Computer Idle...", 32801},
    {L"Start Default ScreenSaver", 32796},
    {L"Shut Down Computer", 32783},
    {L"Restart Computer", 32784},
    {L"Log Off Current User", 32785},
    {L"Standby Computer", 32786},
    {L"Hibernate Computer", 32787},
    {L"Display System Tray Menu", kCommandShowTrayMenu},
}};

int ReadAction(ISettingsStore& store, TrayGesture gesture)
{
    return store.ReadInt(kSettingsSection, ClickActionValueName(gesture), kClickActionDefault);
}

TrayClickDecision Post(int command)
{
    return {TrayClickDecision::Kind::PostCommand, command};
}

}  // namespace

const std::array<ClickListEntry, kClickListSize>& ClickListEntries()
{
    return kEntries;
}

int ClickListIndexOf(int value)
{
    for (std::size_t i = 0; i < kEntries.size(); ++i)
        if (kEntries[i].value == value) return static_cast<int>(i);
    return -1;
}

int ClickListValueAt(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= kEntries.size()) return kClickActionDefault;
    return kEntries[static_cast<std::size_t>(index)].value;
}

const wchar_t* ClickActionValueName(TrayGesture gesture)
{
    switch (gesture) {
    case TrayGesture::LeftClick: return L"Left Button Click Action";
    case TrayGesture::RightClick: return L"Right Button Click Action";
    case TrayGesture::LeftDoubleClick: return L"Left Button Double Click Action";
    case TrayGesture::RightDoubleClick: return L"Right Button Double Click Action";
    }
    return L"";
}

TrayClickDecision DecideTrayClick(TrayGesture gesture, ISettingsStore& store)
{
    const int action = ReadAction(store, gesture);
    if (action != kClickActionDefault) return Post(action);
    switch (gesture) {
    case TrayGesture::RightClick: return {TrayClickDecision::Kind::ShowMenu, 0};
    case TrayGesture::LeftDoubleClick: return Post(kCommandMonitorOff);
    case TrayGesture::LeftClick:
    case TrayGesture::RightDoubleClick: break;
    }
    return {};
}

int TrayMenuDefaultCommand(ISettingsStore& store)
{
    const int action = ReadAction(store, TrayGesture::LeftDoubleClick);
    return action == kClickActionDefault ? kCommandMonitorOff : action;
}

void StoreClickActions(ISettingsStore& store, ClickActionChoice choice, bool reset)
{
    if (reset) choice = ClickActionChoice{};
    auto write = [&store](TrayGesture gesture, int value) {
        store.WriteInt(kSettingsSection, ClickActionValueName(gesture), value);
    };
    write(TrayGesture::LeftClick, choice.leftClick);
    write(TrayGesture::RightClick, choice.rightClick);
    write(TrayGesture::LeftDoubleClick, choice.leftDoubleClick);
    if (choice.leftDoubleClick != kClickActionDefault) write(TrayGesture::LeftClick, kClickActionNone);
    write(TrayGesture::RightDoubleClick, choice.rightDoubleClick);
    if (choice.rightDoubleClick != kClickActionDefault) write(TrayGesture::RightClick, kClickActionNone);
}

ShowIconStep DecideShowIconBox(bool ticked, bool iconPresent)
{
    if (ticked && !iconPresent) return ShowIconStep::Create;
    if (!ticked && iconPresent) return ShowIconStep::Remove;
    return ShowIconStep::Nothing;
}
