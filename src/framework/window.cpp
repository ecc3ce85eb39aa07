#include "framework/window.h"

namespace {
// A window property rather than GWLP_USERDATA: dialogs and common controls
// are free to use their user data themselves.
const wchar_t kThisProperty[] = L"Umbrix.CWnd";
}  // namespace

CWnd::~CWnd()
{
    if (m_hWnd) {
        HWND hwnd = m_hWnd;
        Detach();
        ::DestroyWindow(hwnd);
    }
}

CWnd* CWnd::FromHandle(HWND hwnd)
{
    return hwnd ? static_cast<CWnd*>(GetPropW(hwnd, kThisProperty)) : nullptr;
}

void CWnd::Attach(HWND hwnd)
{
    m_hWnd = hwnd;
    SetPropW(hwnd, kThisProperty, this);
}

void CWnd::Detach()
{
    if (m_hWnd) RemovePropW(m_hWnd, kThisProperty);
    m_hWnd = nullptr;
}

bool CWnd::PreTranslateMessage(MSG&)
{
    return false;
}

bool CWnd::RegisterClassOnce(const wchar_t* className, HICON icon, HBRUSH background)
{
    WNDCLASSEXW existing{sizeof(existing)};
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (GetClassInfoExW(instance, className, &existing)) return true;
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = StaticWndProc;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hIconSm = icon;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    return RegisterClassExW(&wc) != 0;
}

bool CWnd::CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, int x, int y,
                    int width, int height, HWND parent, HMENU menu)
{
    HWND hwnd = CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, menu,
                                GetModuleHandleW(nullptr), this);
    return hwnd != nullptr;
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(m_hWnd, msg, wParam, lParam);
}

LRESULT CALLBACK CWnd::StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    CWnd* self = FromHandle(hwnd);
    if (!self && msg == WM_NCCREATE) {
        self = static_cast<CWnd*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (self) self->Attach(hwnd);
    }
    if (!self) return DefWindowProcW(hwnd, msg, wParam, lParam);
    const LRESULT result = self->WindowProc(msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        self->Detach();
        self->PostNcDestroy();
    }
    return result;
}
