#pragma once
// The one dialog base, built from an .rc template. Modal dialogs run the
// application's own loop (CWinAppBase::PumpMessage), so the application's
// message pre-translation (hot keys) keeps working while they are open.
#include <windows.h>

#include "framework/data_exchange.h"
#include "framework/window.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT templateId, HWND parent = nullptr) : m_parent(parent), m_templateId(templateId) {}

    // Runs the dialog modally; IDOK, IDCANCEL or the EndDialog value, -1 when
    // the template cannot be loaded.
    INT_PTR DoModal();
    // Creates the dialog modelessly (a form inside a frame uses this).
    bool CreateModeless(HWND parent);
    // Ends a modal dialog with `result`; the last call before the loop notices wins.
    void EndDialog(int result);

    // Moves members into controls (false) or controls into members with
    // validation (true). Returns false when validation failed.
    bool UpdateData(bool saveAndValidate = true);

    bool PreTranslateMessage(MSG& msg) override;

    UINT TemplateId() const { return m_templateId; }

protected:
    virtual bool OnInitDialog();  // moves the members into the controls; true: default focus
    virtual void DoDataExchange(CDataExchange&) {}
    virtual void OnOK();          // validate, then EndDialog(IDOK)
    virtual void OnCancel();      // EndDialog(IDCANCEL)
    // Commands other than IDOK/IDCANCEL; return true when handled.
    virtual bool OnCommand(WORD id, WORD notifyCode, HWND control);
    virtual void OnTimer(UINT_PTR id);
    // Everything else; return true and set `result` when handled.
    virtual bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result);

    // Sets the window's big and small icons to icon resource `iconId`.
    void SetIcons(UINT iconId);

    HWND m_parent;

private:
    static INT_PTR CALLBACK StaticDialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    INT_PTR DialogProc(UINT msg, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
    bool m_modal = false;
    bool m_ending = false;
    int m_result = IDCANCEL;
};
