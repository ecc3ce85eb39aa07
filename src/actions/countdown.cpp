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

void CCountdown::Open()
{
    m_message = ReplaceAll(m_message, L"<XX>", std::to_wstring(m_seconds));
}

CCountdown::TickResult CCountdown::Tick(bool cancelWithInput, std::uint32_t idleSeconds, bool voiceAlert)
{
    TickResult result;

    // The first checked tick only learns how idle the user already was; after
    // that, any input makes the idle time drop below that baseline or to 0.
    if (cancelWithInput) {
        if (m_idleBaseline == kNoIdleBaseline)
            m_idleBaseline = idleSeconds;
        else if (idleSeconds < m_idleBaseline || idleSeconds == 0)
            result.cancelled = true;
    }

    // The message is counted down textually, so it also works for messages
    // that never had "<XX>" in them (they simply stay as they are).
    const std::wstring oldNumber = std::to_wstring(m_seconds);
    if (m_seconds > INT_MIN)
        --m_seconds;
    m_message = ReplaceAll(m_message, oldNumber, std::to_wstring(m_seconds));

    if (voiceAlert && !m_spoken) {
        result.speak = true;
        result.speakText = m_message;
        m_spoken = true;
    }

    result.finished = m_seconds <= 0;
    return result;
}
