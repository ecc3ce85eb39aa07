#pragma once
// CDlgScreenSaver: the screen-saver chooser (dialog 318). Choosing an entry
// makes it the user's default screen saver at once and previews it live.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/dialog.h"

class CDlgScreenSaver : public CDialog {
public:
    explicit CDlgScreenSaver(HWND parent = nullptr);
    ~CDlgScreenSaver() override;

    // The running preview's process id, 0 when none runs (tests).
    DWORD PreviewProcessId() const { return m_previewId; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(WORD id, WORD notifyCode, HWND control) override;
    bool OnMessage(UINT msg, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void FillList();
    // Shows the stored default; `select` also selects its entry.
    void Refresh(bool select);
    void OnSelectionChange();
    void OnPreview();
    void OnConfigure();
    // The selected entry's text, empty when nothing is selected.
    std::wstring SelectedEntry() const;
    void StartPreview(const std::wstring& path);
    void StopPreview();

    std::wstring m_systemDir;
    std::vector<std::wstring> m_entries;
    HANDLE m_previewProcess = nullptr;
    DWORD m_previewId = 0;
};

// HKCU\Control Panel\Desktop "SCRNSAVE.EXE": empty when it cannot be read.
std::wstring ReadDefaultScreenSaver();
// Stores `path` there; false when it could not be written.
bool StoreDefaultScreenSaver(const std::wstring& path);
