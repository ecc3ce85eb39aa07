#pragma once
// The start mutex: private to the user and the session, held by every start
// of Umbrix that may become the running instance, from its first moment until
// it ends. Whether a start waits for another one's frame is decided by it
// alone; the machine-wide instance mutex can be created and held by anyone,
// and FindWindow sees only this session's frames.
#include <windows.h>

#include <string>

// "Local\Umbrix Start <session id> <user SID>"; empty when the session or
// the user cannot be read.
std::wstring StartMutexName();

// The caption of the first-start help-videos window, by which a waiting
// start finds the other start's window.
inline constexpr wchar_t kHelpVideosCaption[] =
    L"Few Help Video Tutorials for Umbrix  From Settings - > Help - > Help Videos";

// How long a start waits for the frame of another start of the same user and
// session: 30 s, or UMBRIX_START_WAIT_MS when the process journals its
// requests (UMBRIX_JOURNAL), so tests need not wait the whole limit.
DWORD StartWaitLimit();
