#pragma once
// CExplorer1: the platform's web-browser control ({8856F961-340A-11D0-A96B-
// 00C04FD705A2}) hosted in place inside a window of ours.
#include <windows.h>

#include <string>

struct IOleObject;
struct IWebBrowser2;

class CExplorer1 {
public:
    CExplorer1() = default;
    ~CExplorer1();
    CExplorer1(const CExplorer1&) = delete;
    CExplorer1& operator=(const CExplorer1&) = delete;

    // Creates the control over `rect` (client coordinates of `parent`).
    // False when the control or the HTML engine it draws with is missing;
    // nothing is left behind then.
    bool Create(HWND parent, const RECT& rect);
    bool Created() const { return m_browser != nullptr; }
    void Navigate(const std::wstring& address);
    void Move(const RECT& rect);
    // Closes the control; called before the parent window goes.
    void Destroy();

private:
    class CSite;
    CSite* m_site = nullptr;
    IOleObject* m_object = nullptr;
    IWebBrowser2* m_browser = nullptr;
};
