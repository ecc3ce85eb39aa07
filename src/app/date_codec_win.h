#pragma once
// Locale-aware text form of OLE dates through the variant conversions, with
// the user's default locale.
#include "app/app_settings.h"

class CVariantDateCodec final : public IDateTextCodec {
public:
    std::optional<double> Parse(const std::wstring& text) override;
    std::wstring Format(double date) override;
};
