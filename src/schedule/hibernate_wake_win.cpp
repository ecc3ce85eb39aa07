#include "schedule/hibernate_wake_win.h"

#include "actions/confirm_action.h"
#include "actions/power_ops.h"
#include "actions/system_requests.h"
#include "framework/app.h"
#include "schedule/dlg_hibernate_resume.h"
#include "schedule/local_time_win.h"
#include "schedule/wake_up_time.h"

namespace {

constexpr int kHibernateCode = 5;

// Cancels and closes a wake-up timer when it goes out of scope.
class CWakeUpTimer {
public:
    CWakeUpTimer() : m_timer(System().CreateWakeUpTimer()) {}
    ~CWakeUpTimer()
    {
        if (!m_timer) return;
        System().CancelWakeUpTimer(m_timer);
        System().CloseWakeUpTimer(m_timer);
    }
    CWakeUpTimer(const CWakeUpTimer&) = delete;
    CWakeUpTimer& operator=(const CWakeUpTimer&) = delete;
    HANDLE Get() const { return m_timer; }

private:
    HANDLE m_timer;
};

}  // namespace

bool SetWakeUpTimer(ULONGLONG dueUtc, bool test, HWND owner, bool confirmFirst)
{
    CWakeUpTimer timer;
    if (!timer.Get() || !System().SetWakeUpTimer(timer.Get(), dueUtc)) return false;
    if (test) return true;
    if (confirmFirst && !ConfirmAction(L"Hibernate && WakeUp")) return true;
    // The countdown may have eaten the margin: a timer that elapses before
    // the memory image is written would leave the computer asleep.
    if (!EnoughTimeToHibernate(dueUtc, ReadWakeClock())) return true;
    PowerOperation(kHibernateCode, owner, false);
    return true;
}

bool TestWakeUpTimer()
{
    return SetWakeUpTimer(DueTimeAfter(ReadWakeClock(), 0, 1), true, nullptr, false);
}

void HibernateAndWakeUp(HWND owner, bool confirmFirst)
{
    if (!TestWakeUpTimer())
        MessageBoxW(owner,
                    L"Test For the Action Says this function might not work.Please Make sure MotherBoard Supports "
                    L"ACPI S4 State.",
                    AfxAppTitle(), MB_ICONINFORMATION);
    CDlgHibernateAndResume dialog(owner);
    if (dialog.DoModal() != IDOK) return;
    SetWakeUpTimer(dialog.m_dueTime, false, owner, confirmFirst);
}
