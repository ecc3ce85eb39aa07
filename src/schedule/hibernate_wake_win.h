#pragma once
// Action 13: hibernate, with a waitable timer that wakes the computer again.
#include <windows.h>

// The whole operation: tries a wake-up timer and warns when the system
// refuses it, asks for the moment, sets the timer, confirms when
// `confirmFirst` (the frame's m_confirmFirst), hibernates and, once the
// hibernate request has returned, cancels the timer.
void HibernateAndWakeUp(HWND owner, bool confirmFirst);
// True when a resume-capable timer one minute ahead could be set; it is
// cancelled at once.
bool TestWakeUpTimer();
// Sets a wake-up timer to `dueUtc` (the timer's UTC count). True when it was
// set with resume support. With `test` false it then hibernates: after the
// countdown when `confirmFirst`, and only while at least
// kMinimumHibernateLeadSeconds remain before the wake-up. The timer is
// cancelled and its handle closed before returning.
bool SetWakeUpTimer(ULONGLONG dueUtc, bool test, HWND owner, bool confirmFirst);
