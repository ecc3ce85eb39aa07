#include "actions/proxy_toggle.h"

bool UsesProxy(unsigned flags)
{
    return (flags & kProxyTypeProxy) != 0;
}

unsigned ToggledProxyFlags(unsigned flags)
{
    return flags ^ kProxyTypeProxy;
}

const wchar_t* ProxyStateMessage(unsigned flags)
{
    return UsesProxy(flags) ? L"Internet Explorer is using Proxy Now." : L"Internet Explorer is not using Proxy Now.";
}

namespace {

bool ReadOrReport(IProxySettings& settings, unsigned& flags)
{
    if (settings.ReadFlags(flags)) return true;
    settings.Report(L"Failed to Read Proxy Connection Details", IProxySettings::Icon::Error);
    return false;
}

}  // namespace

void ToggleProxyUse(IProxySettings& settings)
{
    using Icon = IProxySettings::Icon;
    unsigned flags = 0;
    if (!ReadOrReport(settings, flags)) return;
    try {
        if (!settings.WriteFlags(ToggledProxyFlags(flags)))
            settings.Report(L"Failed to Change Proxy Settings", Icon::Information);
        settings.SettingsChanged();
        if (!settings.Refresh()) settings.Report(L"Failed to Refresh Internet Explorer", Icon::Information);
    } catch (...) {
        // Nothing here throws on purpose; an allocation failure inside the
        // requests must still end in the final report, not in a crash.
        settings.Report(L"UnKnown Exception.", Icon::Information);
    }
    if (!ReadOrReport(settings, flags)) return;
    settings.Report(ProxyStateMessage(flags), Icon::Information);
}
