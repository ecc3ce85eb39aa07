#include "app/date_codec_win.h"

#include <windows.h>
#include <oleauto.h>

#include "framework/app.h"

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
    if (FAILED(VarBstrFromDate(date, LOCALE_USER_DEFAULT, 0, &text)) || !text) return {};
    std::wstring result(text, SysStringLen(text));
    SysFreeString(text);
    return result;
}

CAppSettings& AppSettings()
{
    static CVariantDateCodec codec;
    static CAppSettings settings(AfxProfile(), codec);
    return settings;
}
