#include "actions/volume_changer_win.h"

#include <endpointvolume.h>
#include <mmdeviceapi.h>

#include <functional>

#include "framework/com_ptr.h"

namespace {

// Spelled out: not every SDK's import library carries these identifiers.
const CLSID kMMDeviceEnumerator = {0xBCDE0395, 0xE52F, 0x467C, {0x8E, 0x3D, 0xC4, 0x57, 0x92, 0x91, 0x69, 0x2E}};
const IID kIMMDeviceEnumerator = {0xA95664D2, 0x9614, 0x4F35, {0xA7, 0x46, 0xDE, 0x8D, 0xB6, 0x36, 0x17, 0xE6}};
const IID kIAudioEndpointVolume = {0x5CDF2C82, 0x841E, 0x4546, {0x97, 0x22, 0x0C, 0xF7, 0x40, 0x78, 0x22, 0x9A}};

// Balances its CoInitialize whatever it answered: S_FALSE also counts.
class CComScope {
public:
    CComScope() : m_result(CoInitialize(nullptr)) {}
    ~CComScope()
    {
        if (SUCCEEDED(m_result)) CoUninitialize();
    }
    CComScope(const CComScope&) = delete;
    CComScope& operator=(const CComScope&) = delete;

private:
    HRESULT m_result;
};

HRESULT WithEndpointVolume(const std::function<HRESULT(IAudioEndpointVolume&)>& request)
{
    CComScope com;
    CComPointer<IAudioEndpointVolume> volume;
    {
        CComPointer<IMMDeviceEnumerator> enumerator;
        HRESULT hr = CoCreateInstance(kMMDeviceEnumerator, nullptr, CLSCTX_INPROC_SERVER, kIMMDeviceEnumerator,
                                      enumerator.ReceiveVoid());
        if (FAILED(hr)) return hr;
        CComPointer<IMMDevice> device;
        hr = enumerator->GetDefaultAudioEndpoint(eRender, eConsole, device.Receive());
        if (FAILED(hr)) return hr;
        hr = device->Activate(kIAudioEndpointVolume, CLSCTX_INPROC_SERVER, nullptr, volume.ReceiveVoid());
        if (FAILED(hr)) return hr;
    }
    // Released before the library goes, as the scope objects end in reverse.
    return request(*volume.Get());
}

}  // namespace

HRESULT CVolumeChangerVista::SetMuteState(bool mute)
{
    return WithEndpointVolume([mute](IAudioEndpointVolume& v) { return v.SetMute(mute ? TRUE : FALSE, nullptr); });
}

HRESULT CVolumeChangerVista::GetMuteState(bool& muted)
{
    BOOL value = FALSE;
    const HRESULT hr = WithEndpointVolume([&value](IAudioEndpointVolume& v) { return v.GetMute(&value); });
    muted = value != FALSE;
    return hr;
}

HRESULT CVolumeChangerVista::StepVolumeUp()
{
    return WithEndpointVolume([](IAudioEndpointVolume& v) { return v.VolumeStepUp(nullptr); });
}

HRESULT CVolumeChangerVista::StepVolumeDown()
{
    return WithEndpointVolume([](IAudioEndpointVolume& v) { return v.VolumeStepDown(nullptr); });
}
