#pragma once
// Locale-aware text form of OLE dates through the variant conversions, with
// the user's default locale.
#include "app/app_settings.h"

class CVariantDateCodec final : public IDateTextCodec {
public:
    std::optional<double> Parse(const std::wstring& text) override;
    std::wstring Format(double date) override;
};

// The program's one settings cache, over the application's profile and the
// variant date conversions. Created at first use, after start-up has chosen
// the profile, and built anew whenever the application's profile store is
// replaced; a reference to it is good until then.
CAppSettings& AppSettings();
