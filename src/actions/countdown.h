#pragma once
// The tick rules of the confirmation countdown, apart from its window.
// Portable: the dialog feeds it the idle seconds and the check-box states and
// carries out the result of each tick.
#include <cstdint>
#include <string>

inline constexpr const wchar_t* kDefaultConfirmMessage = L"Action Umbrix Would be performed after <XX> seconds.";
inline constexpr std::uint32_t kNoIdleBaseline = 0xFFFFFFFFu;

class CCountdown {
public:
    int m_seconds = 15;
    std::wstring m_message = kDefaultConfirmMessage;
    std::uint32_t m_idleBaseline = kNoIdleBaseline;
    bool m_spoken = false;

    // Replaces every "<XX>" in the message by the seconds in decimal.
    void Open();

    struct TickResult {
        bool cancelled = false;   // input was seen: end with IDCANCEL (a later `finished` overrides it)
        bool finished = false;    // the count reached 0: end with IDOK
        bool speak = false;       // start the one voice alert now, with `speakText`
        std::wstring speakText;
    };

    // One timer tick. `idleSeconds` is only looked at when `cancelWithInput`.
    TickResult Tick(bool cancelWithInput, std::uint32_t idleSeconds, bool voiceAlert);
};

// Replaces every occurrence of `from` in `text` by `to` (nothing when `from` is empty).
std::wstring ReplaceAll(std::wstring text, const std::wstring& from, const std::wstring& to);
