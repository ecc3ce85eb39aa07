#include "actions/confirm_action.h"

#include "actions/dlg_confirmation.h"

bool ConfirmAction(const std::wstring& name)
{
    CDlgConfirmation dlg;
    dlg.m_message = L"Action " + name + L" would be performed after <XX> seconds.";
    return dlg.DoModal() == IDOK;
}
