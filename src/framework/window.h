#pragma once
// The one window base: a CWnd object is tied to its HWND from WM_NCCREATE (or
// WM_INITDIALOG for dialogs) until WM_NCDESTROY, and receives messages through
// the virtual WindowProc.
#include <windows.h>

#include <string>

class CWnd {
public:
    CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;
    virtual ~CWnd();

    HWND GetSafeHwnd() const { return m_hWnd; }
    bool IsWindow() const { return m_hWnd && ::IsWindow(m_hWnd); }

    // The CWnd attached to `hwnd`, or nullptr for windows of other code.
    static CWnd* FromHandle(HWND hwnd);

    // Called by the message loops (the main one and every modal one) for the
    // window the message is for and each of its ancestors; true means the
    // message was handled and must not be dispatched.
    virtual bool PreTranslateMessage(MSG& msg);

    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    void ShowWindow(int show) const { ::ShowWindow(m_hWnd, show); }

protected:
    // Registers (once) a window class of this module with the given name.
    static bool RegisterClassOnce(const wchar_t* className, HICON icon, HBRUSH background);
    bool CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, int x, int y,
                  int width, int height, HWND parent, HMENU menu);

    virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
    // After the window is gone; m_hWnd is already null.
    virtual void PostNcDestroy() {}

    void Attach(HWND hwnd);
    void Detach();

    HWND m_hWnd = nullptr;

private:
    static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
};
