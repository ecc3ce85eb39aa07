#pragma once
// The two global hot keys (monitor off; lock and monitor off): registration
// with the system, their messages, and the reaction to a press.
#include <windows.h>

#include <string>

#include "shell/hot_key_rules.h"

class CWnd;

// Thread hot keys: registered without a window, so WM_HOTKEY arrives in the
// user-interface thread's queue, where the application's message
// pre-translation (run by every modal loop too) takes it.
class CThreadHotKeyRegistrar final : public IHotKeyRegistrar {
public:
    bool Register(HotKeyId id, unsigned modifiers, unsigned key) override;
    void Unregister(HotKeyId id) override;
};

// Message boxes with caption "Umbrix" and the information icon; those for
// the settings window are owned by `settingsWindow` (may be null).
class CHotKeyMessageBoxes final : public IHotKeyNotices {
public:
    explicit CHotKeyMessageBoxes(const CWnd* settingsWindow) : m_settingsWindow(settingsWindow) {}
    void Inform(const std::wstring& text, NoticeOwner owner) override;

private:
    const CWnd* m_settingsWindow;
};

// Whether the running system knows MOD_NOREPEAT.
bool SystemHasNoRepeatFlag();

// Registers both hot keys from their stored keys, the first one first.
// `owner` is unused: the hot keys belong to the thread.
void RegisterStoredHotKeys(HWND owner);
// Releases both (thread hot keys outlive every window of the thread).
void UnregisterHotKeys();
// Reacts to a WM_HOTKEY (countdown if configured, then the display off);
// true when `msg` was one, which is then not dispatched.
bool HandleHotKeyMessage(const MSG& msg);
