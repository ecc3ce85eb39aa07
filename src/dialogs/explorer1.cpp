#include "dialogs/explorer1.h"

#include <exdisp.h>
#include <ole2.h>

#include "framework/system_library.h"

namespace {
const CLSID kWebBrowser = {0x8856F961, 0x340A, 0x11D0, {0xA9, 0x6B, 0x00, 0xC0, 0x4F, 0xD7, 0x05, 0xA2}};
}  // namespace

// The container side the control talks to: client site, in-place site and
// frame in one object, as the smallest hosts do. Reference counted; the
// browser keeps it alive as long as it needs it.
class CExplorer1::CSite final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame {
public:
    CSite(HWND window, const RECT& rect) : m_window(window), m_rect(rect) {}
    void SetRect(const RECT& rect) { m_rect = rect; }

    // IUnknown
    STDMETHODIMP QueryInterface(REFIID riid, void** object) override
    {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (riid == IID_IUnknown || riid == IID_IOleClientSite)
            *object = static_cast<IOleClientSite*>(this);
        else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceSite)
            *object = static_cast<IOleInPlaceSite*>(this);
        else if (riid == IID_IOleInPlaceUIWindow || riid == IID_IOleInPlaceFrame)
            *object = static_cast<IOleInPlaceFrame*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&m_refs)); }
    STDMETHODIMP_(ULONG) Release() override
    {
        const LONG refs = InterlockedDecrement(&m_refs);
        if (refs == 0) delete this;
        return static_cast<ULONG>(refs);
    }

    // IOleClientSite
    STDMETHODIMP SaveObject() override { return E_NOTIMPL; }
    STDMETHODIMP GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
    STDMETHODIMP GetContainer(IOleContainer** container) override
    {
        if (container) *container = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP ShowObject() override { return S_OK; }
    STDMETHODIMP OnShowWindow(BOOL) override { return S_OK; }
    STDMETHODIMP RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow (shared by the site and the frame)
    STDMETHODIMP GetWindow(HWND* window) override
    {
        if (!window) return E_POINTER;
        *window = m_window;
        return S_OK;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    STDMETHODIMP CanInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnInPlaceActivate() override { return S_OK; }
    STDMETHODIMP OnUIActivate() override { return S_OK; }
    STDMETHODIMP GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                  LPRECT clip, LPOLEINPLACEFRAMEINFO info) override
    {
        if (frame) {
            *frame = static_cast<IOleInPlaceFrame*>(this);
            AddRef();
        }
        if (document) *document = nullptr;
        if (position) *position = m_rect;
        if (clip) *clip = m_rect;
        if (info) {
            info->fMDIApp = FALSE;
            info->hwndFrame = m_window;
            info->haccel = nullptr;
            info->cAccelEntries = 0;
        }
        return S_OK;
    }
    STDMETHODIMP Scroll(SIZE) override { return E_NOTIMPL; }
    STDMETHODIMP OnUIDeactivate(BOOL) override { return S_OK; }
    STDMETHODIMP OnInPlaceDeactivate() override { return S_OK; }
    STDMETHODIMP DiscardUndoState() override { return S_OK; }
    STDMETHODIMP DeactivateAndUndo() override { return S_OK; }
    STDMETHODIMP OnPosRectChange(LPCRECT) override { return S_OK; }

    // IOleInPlaceUIWindow
    STDMETHODIMP GetBorder(LPRECT) override { return E_NOTIMPL; }
    STDMETHODIMP RequestBorderSpace(LPCBORDERWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetBorderSpace(LPCBORDERWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }

    // IOleInPlaceFrame
    STDMETHODIMP InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
    STDMETHODIMP SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    STDMETHODIMP RemoveMenus(HMENU) override { return E_NOTIMPL; }
    STDMETHODIMP SetStatusText(LPCOLESTR) override { return S_OK; }
    STDMETHODIMP EnableModeless(BOOL) override { return S_OK; }
    STDMETHODIMP TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

private:
    ~CSite() = default;

    LONG m_refs = 1;
    HWND m_window;
    RECT m_rect;
};

CExplorer1::~CExplorer1()
{
    Destroy();
}

bool CExplorer1::Create(HWND parent, const RECT& rect)
{
    Destroy();
    // The control itself may exist while its HTML engine does not; it would
    // then stay an empty grey area. Looked for in the system directory only,
    // so a file of that name beside the program is never run.
    if (!CSystemLibrary(L"mshtml.dll").Get()) return false;

    if (FAILED(CoCreateInstance(kWebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                reinterpret_cast<void**>(&m_object)))) {
        m_object = nullptr;
        return false;
    }
    m_site = new CSite(parent, rect);
    RECT position = rect;
    if (FAILED(m_object->SetClientSite(m_site)) ||
        FAILED(m_object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, m_site, 0, parent, &position)) ||
        FAILED(m_object->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&m_browser)))) {
        m_browser = nullptr;
        Destroy();
        return false;
    }
    return true;
}

void CExplorer1::Navigate(const std::wstring& address)
{
    if (!m_browser) return;
    BSTR url = SysAllocString(address.c_str());
    VARIANT empty;
    VariantInit(&empty);
    m_browser->Navigate(url, &empty, &empty, &empty, &empty);
    SysFreeString(url);
}

void CExplorer1::Move(const RECT& rect)
{
    if (!m_object || !m_site) return;
    m_site->SetRect(rect);
    IOleInPlaceObject* inPlace = nullptr;
    if (SUCCEEDED(m_object->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlace)))) {
        inPlace->SetObjectRects(&rect, &rect);
        inPlace->Release();
    }
}

void CExplorer1::Destroy()
{
    if (m_browser) {
        m_browser->Release();
        m_browser = nullptr;
    }
    if (m_object) {
        m_object->Close(OLECLOSE_NOSAVE);
        m_object->SetClientSite(nullptr);
        m_object->Release();
        m_object = nullptr;
    }
    if (m_site) {
        m_site->Release();
        m_site = nullptr;
    }
}
