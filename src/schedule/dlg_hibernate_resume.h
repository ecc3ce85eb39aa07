#pragma once
// The wake-up dialog (dialog 319): after a number of hours and minutes, or at
// a date and time. After IDOK, m_dueTime holds the wake-up as the timer's UTC
// count; the three resume settings have been stored.
#include <windows.h>

#include "framework/dialog.h"

class CDlgHibernateAndResume : public CDialog {
public:
    explicit CDlgHibernateAndResume(HWND parent = nullptr);

    int m_option = 0;   // 0 "A&fter", 1 "A&t"
    int m_hours = 0;
    int m_minutes = 0;
    SYSTEMTIME m_date{};  // local; only the date is used
    SYSTEMTIME m_time{};  // local; only the time of day is used
    ULONGLONG m_dueTime = 0;

    static constexpr UINT_PTR kNoteTimer = 1;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    void OnTimer(UINT_PTR id) override;
    void OnOK() override;

private:
    void ShowPowerNote();
};
