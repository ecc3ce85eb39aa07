#pragma once
// Hanging up the first dial-up connection: how its listing is retried and how
// long the program waits for the connection to go. Portable.

inline constexpr unsigned long kRasErrorInvalidHandle = 6;
inline constexpr unsigned long kRasErrorBufferTooSmall = 603;
inline constexpr unsigned long kRasErrorInvalidSize = 632;

// One call of the connection listing: the buffer's size and the size written
// into its records.
struct RasListAttempt {
    unsigned long bufferBytes = 0;
    unsigned long recordSize = 0;
    int call = 1;             // 1 for the first call
    bool olderSize = false;   // recordSize is already the older record size
};

inline constexpr int kRasListMaxCalls = 5;

// After a call that answered `result` (and, for a too-small buffer, put the
// needed size into `neededBytes`): the next attempt, or nothing when the
// listing is over (success or failure; the caller looks at `result`).
// A record size the system refuses is retried once with `olderRecordSize`.
bool NextRasListAttempt(RasListAttempt& attempt, unsigned long result, unsigned long neededBytes,
                        unsigned long olderRecordSize);

class IHangUpWait {
public:
    virtual ~IHangUpWait() = default;
    virtual bool ConnectionGone() = 0;
    // Handles the thread's pending messages and waits up to `ms` for more;
    // false when the program is asked to quit.
    virtual bool PumpAndWait(unsigned ms) = 0;
    virtual unsigned long long NowMs() = 0;
};

enum class HangUpWaitEnd { Gone, TimedOut, Quit };

inline constexpr unsigned kHangUpPollMs = 50;
inline constexpr unsigned kHangUpLimitMs = 10000;

// Polls until the connection is gone, keeping the program's windows alive in
// between; gives up after `limitMs`.
HangUpWaitEnd WaitForHangUp(IHangUpWait& wait, unsigned pollMs = kHangUpPollMs, unsigned limitMs = kHangUpLimitMs);
