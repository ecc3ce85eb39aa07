#pragma once
// The schedule dialog (135): which operation, after how many minutes, and
// whether to switch the monitor off now. Reads and writes "Action",
// "Duration", "LastSchedule" and "POM" of the application's profile.
#include <string>

#include "framework/dialog.h"

class CDlgSchedule : public CDialog {
public:
    CDlgSchedule();

    // Valid after IDOK.
    std::wstring m_action;   // one of the five action items
    int m_minutes = 0;       // 1..120
    int m_monitorOff = 0;    // 0/1, check box 1008
    std::wstring m_lastSchedule;  // "Last Schedule : ..." line, or empty

protected:
    bool OnInitDialog() override;
    void DoDataExchange(CDataExchange& dx) override;
    void OnOK() override;
    void OnTimer(UINT_PTR id) override;

private:
    void Refuse(int listId, const wchar_t* message);
};

// The current local date and time in the user's default format.
std::wstring LocalDateTimeText();
