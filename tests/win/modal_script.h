#pragma once
// Drives modal windows from inside their own message loop: a thread timer
// runs the steps of a script one after another while DoModal, MessageBox or
// GetSaveFileName pumps messages. A step returns false to be retried at the
// next poll. Steps only post messages, so a step never waits inside another
// modal loop. When the script has not finished after its time limit, every
// window of the thread is closed, so a broken test fails instead of hanging.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

class CModalScript {
public:
    using Step = std::function<bool()>;

    explicit CModalScript(DWORD timeLimitMs = 10000) : m_timeLimitMs(timeLimitMs) {}
    ~CModalScript()
    {
        if (m_timer) KillTimer(nullptr, m_timer);
        if (s_current == this) s_current = nullptr;
    }
    CModalScript(const CModalScript&) = delete;
    CModalScript& operator=(const CModalScript&) = delete;

    CModalScript& Then(Step step)
    {
        m_steps.push_back(std::move(step));
        return *this;
    }
    // A step that is done once `ms` have passed since the previous step ended.
    CModalScript& Wait(DWORD ms)
    {
        return Then([this, ms] { return GetTickCount() - m_stepStart >= ms; });
    }

    // Starts polling; call right before the modal call.
    void Start()
    {
        s_current = this;
        m_start = m_stepStart = GetTickCount();
        m_timer = SetTimer(nullptr, 0, 20, &CModalScript::Poll);
    }

    bool Finished() const { return m_next == m_steps.size(); }
    bool TimedOut() const { return m_timedOut; }

private:
    static void CALLBACK Poll(HWND, UINT, UINT_PTR, DWORD)
    {
        CModalScript* self = s_current;
        if (!self || self->m_busy) return;
        self->m_busy = true;
        self->Advance();
        self->m_busy = false;
    }

    void Advance()
    {
        while (m_next < m_steps.size()) {
            if (GetTickCount() - m_start > m_timeLimitMs) {
                m_timedOut = true;
                CloseThreadWindows();
                return;
            }
            if (!m_steps[m_next]()) return;
            ++m_next;
            m_stepStart = GetTickCount();
        }
    }

    static void CloseThreadWindows()
    {
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND hwnd, LPARAM) -> BOOL {
                if (IsWindowVisible(hwnd)) PostMessageW(hwnd, WM_CLOSE, 0, 0);
                return TRUE;
            },
            0);
    }

    static inline CModalScript* s_current = nullptr;
    std::vector<Step> m_steps;
    size_t m_next = 0;
    DWORD m_timeLimitMs;
    DWORD m_start = 0;
    DWORD m_stepStart = 0;
    UINT_PTR m_timer = 0;
    bool m_busy = false;
    bool m_timedOut = false;
};

// The visible top-level dialog-class window of this thread with caption
// `caption`, other than `except`; null when there is none.
inline HWND FindThreadDialog(const std::wstring& caption, HWND except = nullptr)
{
    struct Search {
        const std::wstring* caption;
        HWND except;
        HWND found;
    } search{&caption, except, nullptr};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            wchar_t className[16] = {};
            GetClassNameW(hwnd, className, 16);
            if (hwnd == s->except || !IsWindowVisible(hwnd) || std::wstring(className) != L"#32770") return TRUE;
            wchar_t text[256] = {};
            GetWindowTextW(hwnd, text, 256);
            if (*s->caption != text) return TRUE;
            s->found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Runs `action` and tells whether a dialog captioned `caption` showed while
// it ran. Nobody answers such a dialog: the script's time limit closes it, so
// a question that should not come fails the test instead of hanging it.
template <typename Action>
bool DialogShowedDuring(const std::wstring& caption, Action action, DWORD timeLimitMs = 3000)
{
    CModalScript watch(timeLimitMs);
    bool showed = false;
    watch.Then([&] {
        showed = showed || FindThreadDialog(caption) != nullptr;
        return false;
    });
    watch.Start();
    action();
    return showed;
}

inline std::wstring ControlText(HWND dialog, int id)
{
    HWND control = GetDlgItem(dialog, id);
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(control, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}

// Clicks a button as the user would, through the message queue.
inline void PostClick(HWND dialog, int id)
{
    PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

// A key press delivered through the queue, so the dialog manager sees it.
inline void PostKey(HWND target, WPARAM key)
{
    PostMessageW(target, WM_KEYDOWN, key, 1);
    PostMessageW(target, WM_KEYUP, key, 0xC0000001);
}

// The text of a message box (its static text control is 0xFFFF).
inline std::wstring MessageBoxText(HWND box)
{
    return ControlText(box, 0xFFFF);
}
