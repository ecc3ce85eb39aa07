#pragma once
// Switching the default connection's proxy on or off: the flag arithmetic and
// the order of requests and reports. Portable; the Win32 side hands in the
// internet-settings requests and the message box.
#include <string>

// Bits of the per-connection option INTERNET_PER_CONN_FLAGS.
inline constexpr unsigned kProxyTypeDirect = 1;
inline constexpr unsigned kProxyTypeProxy = 2;
inline constexpr unsigned kProxyTypeAutoProxyUrl = 4;
inline constexpr unsigned kProxyTypeAutoDetect = 8;

bool UsesProxy(unsigned flags);
// The flags with the proxy bit flipped; every other bit stays as it was.
unsigned ToggledProxyFlags(unsigned flags);
// "Internet Explorer is using Proxy Now." or "... is not using ...".
const wchar_t* ProxyStateMessage(unsigned flags);

class IProxySettings {
public:
    enum class Icon { Error, Information };
    virtual ~IProxySettings() = default;
    // False when the flags cannot be read.
    virtual bool ReadFlags(unsigned& flags) = 0;
    virtual bool WriteFlags(unsigned flags) = 0;
    virtual void SettingsChanged() = 0;
    virtual bool Refresh() = 0;
    virtual void Report(const std::wstring& text, Icon icon) = 0;
};

// Reads, flips the proxy bit, writes, announces and refreshes, then reports
// the state read back. A failed read stops with an error report; later
// failures are reported and the operation goes on.
void ToggleProxyUse(IProxySettings& settings);
