#pragma once
// The tick rules of the confirmation countdown, apart from its window.
// Portable: the dialog feeds it the system's last-input time and the check-box
// states and carries out the result of each tick.
#include <cstdint>
#include <string>

inline constexpr const wchar_t* kDefaultConfirmMessage = L"Action Umbrix Would be performed after <XX> seconds.";

class CCountdown {
public:
    int m_seconds = 15;
    std::wstring m_message = kDefaultConfirmMessage;
    // The last-input time (GetLastInputInfo's tick) that counts as the user's
    // past; any other value seen at a tick is new input. Unset until the
    // dialog opens or input cancelling is first looked at.
    std::uint32_t m_inputBaseline = 0;
    bool m_inputBaselineSet = false;
    bool m_spoken = false;

    // Replaces every "<XX>" in the message by the seconds in decimal.
    void Open();
    // Input up to `lastInputTick` is not input for this countdown. Called when
    // the dialog opens and when input cancelling is switched on, so neither
    // the input before nor the click on the check box itself cancels.
    void WatchInputFrom(std::uint32_t lastInputTick);

    struct TickResult {
        bool cancelled = false;   // input was seen: end with IDCANCEL; nothing else happens
        bool finished = false;    // the count reached 0: end with IDOK
        bool speak = false;       // start the one voice alert now, with `speakText`
        std::wstring speakText;
    };

    // One timer tick. `lastInputTick` is only looked at when `cancelWithInput`.
    // Input wins over the run-out: a tick that sees input cancels even in the
    // last second, and a cancelled countdown neither counts nor speaks.
    TickResult Tick(bool cancelWithInput, std::uint32_t lastInputTick, bool voiceAlert);
};

// Replaces every occurrence of `from` in `text` by `to` (nothing when `from` is empty).
std::wstring ReplaceAll(std::wstring text, const std::wstring& from, const std::wstring& to);

// The text a static control shows as `text`: every lone "&" doubled, so it is
// not taken for a mnemonic prefix. An "&&" is already the shown form and stays.
std::wstring WithVisibleAmpersands(const std::wstring& text);
// The reverse, for speaking a message: "&&" read as "&".
std::wstring AsShownText(const std::wstring& text);
