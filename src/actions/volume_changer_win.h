#pragma once
// The master volume of the default output device through Core Audio
// (Windows Vista and later). Each operation initialises the component
// library, opens what it needs, and releases all of it before returning; on
// an older system the first request fails and its code comes back.
#include <windows.h>

class CVolumeChangerVista {
public:
    CVolumeChangerVista() = default;
    virtual ~CVolumeChangerVista() = default;

    HRESULT SetMuteState(bool mute);
    HRESULT GetMuteState(bool& muted);
    // One step of the device's own step count.
    HRESULT StepVolumeUp();
    HRESULT StepVolumeDown();
};
