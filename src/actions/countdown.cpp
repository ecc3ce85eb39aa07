#include "actions/countdown.h"

#include <climits>

std::wstring ReplaceAll(std::wstring text, const std::wstring& from, const std::wstring& to)
{
    if (from.empty())
        return text;
    // Searching on after the inserted text keeps a replacement that contains
    // `from` (a count passing from 1 to 10, say) from being replaced again.
    for (std::size_t pos = text.find(from); pos != std::wstring::npos; pos = text.find(from, pos + to.size()))
        text.replace(pos, from.size(), to);
    return text;
}

std::wstring WithVisibleAmpersands(const std::wstring& text)
{
    std::wstring shown;
    shown.reserve(text.size() + 4);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'&') {
            shown += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == L'&') {
            shown += L"&&";
            ++i;
        } else {
            shown += L"&&";
        }
    }
    return shown;
}

std::wstring AsShownText(const std::wstring& text)
{
    return ReplaceAll(text, L"&&", L"&");
}

void CCountdown::Open()
{
    m_message = ReplaceAll(m_message, L"<XX>", std::to_wstring(m_seconds));
}

void CCountdown::WatchInputFrom(std::uint32_t lastInputTick)
{
    m_inputBaseline = lastInputTick;
    m_inputBaselineSet = true;
}

CCountdown::TickResult CCountdown::Tick(bool cancelWithInput, std::uint32_t lastInputTick, bool voiceAlert)
{
    TickResult result;

    // Comparing the last-input time itself, not an idle duration derived from
    // it, sees input however late this tick comes.
    if (cancelWithInput) {
        if (!m_inputBaselineSet) {
            WatchInputFrom(lastInputTick);
        } else if (lastInputTick != m_inputBaseline) {
            result.cancelled = true;
            return result;
        }
    }

    // The message is counted down textually, so it also works for messages
    // that never had "<XX>" in them (they simply stay as they are).
    const std::wstring oldNumber = std::to_wstring(m_seconds);
    if (m_seconds > INT_MIN)
        --m_seconds;
    m_message = ReplaceAll(m_message, oldNumber, std::to_wstring(m_seconds));

    if (voiceAlert && !m_spoken) {
        result.speak = true;
        result.speakText = AsShownText(m_message);
        m_spoken = true;
    }

    result.finished = m_seconds <= 0;
    return result;
}
