#include "app/date_codec_win.h"

#include <windows.h>
#include <oleauto.h>

#include <memory>

#include "framework/app.h"
#include "framework/ole_dates.h"

std::optional<double> CVariantDateCodec::Parse(const std::wstring& text)
{
    DATE date = 0;
    std::wstring copy = text;  // the conversion takes a non-const pointer
    if (FAILED(VarDateFromStr(copy.data(), LOCALE_USER_DEFAULT, 0, &date))) return std::nullopt;
    return date;
}

std::wstring CVariantDateCodec::Format(double date)
{
    BSTR text = nullptr;
    if (FAILED(OleVarBstrFromDate(date, LOCALE_USER_DEFAULT, 0, &text)) || !text) return {};
    std::wstring result(text, SysStringLen(text));
    SysFreeString(text);
    return result;
}

CAppSettings& AppSettings()
{
    // The cache holds a reference to the store: when the application's store
    // is replaced, a cache built on the old one must not be served again.
    static CVariantDateCodec codec;
    static std::unique_ptr<CAppSettings> settings;
    static unsigned generation = 0;
    const unsigned current = AfxGetApp()->ProfileGeneration();
    if (!settings || generation != current) {
        settings = std::make_unique<CAppSettings>(AfxProfile(), codec);
        generation = current;
    }
    return *settings;
}
