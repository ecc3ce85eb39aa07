#include "actions/dial_up.h"

bool NextRasListAttempt(RasListAttempt& attempt, unsigned long result, unsigned long neededBytes,
                        unsigned long olderRecordSize)
{
    if (attempt.call >= kRasListMaxCalls) return false;
    if (result == kRasErrorBufferTooSmall && neededBytes > attempt.bufferBytes) {
        attempt.bufferBytes = neededBytes;
    } else if (result == kRasErrorInvalidSize && !attempt.olderSize && olderRecordSize != 0 &&
               olderRecordSize != attempt.recordSize) {
        // An older system knows only the smaller record of its own day.
        attempt.olderSize = true;
        attempt.recordSize = olderRecordSize;
        attempt.bufferBytes = olderRecordSize;
    } else {
        return false;
    }
    ++attempt.call;
    return true;
}

HangUpWaitEnd WaitForHangUp(IHangUpWait& wait, unsigned pollMs, unsigned limitMs)
{
    const unsigned long long start = wait.NowMs();
    for (;;) {
        if (wait.ConnectionGone()) return HangUpWaitEnd::Gone;
        if (wait.NowMs() - start >= limitMs) return HangUpWaitEnd::TimedOut;
        if (!wait.PumpAndWait(pollMs)) return HangUpWaitEnd::Quit;
    }
}
