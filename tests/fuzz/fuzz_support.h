#pragma once
// Shared by the fuzz targets: a settings store whose every read is taken from
// the fuzzer's bytes (so each stored value may be anything the registry could
// hold), wide texts of any code unit, and the check that ends a run with a
// crash the fuzzer saves.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

#include "app/settings_store.h"

// A failed property is a crash, so libFuzzer keeps the input that broke it.
#define FUZZ_CHECK(condition)                                                            \
    do {                                                                                 \
        if (!(condition)) {                                                              \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                \
        }                                                                                \
    } while (0)

// Code units of any value: on Linux wchar_t has 32 bits, so surrogates and
// values past U+10FFFF come too, besides the ASCII a command line mostly holds.
inline std::wstring ConsumeWide(FuzzedDataProvider& data, std::size_t maxLength = 64)
{
    std::wstring text;
    const std::size_t length = data.ConsumeIntegralInRange<std::size_t>(0, maxLength);
    for (std::size_t i = 0; i < length && data.remaining_bytes() > 0; ++i) {
        if (data.ConsumeBool())
            text += static_cast<wchar_t>(data.ConsumeIntegralInRange<int>(0, 127));
        else
            text += static_cast<wchar_t>(data.ConsumeIntegral<std::uint32_t>());
    }
    return text;
}

// Every read answers what the fuzzer says: a value of either kind, or the
// default, as a missing or wrongly typed registry value does. Writes succeed
// or fail at the fuzzer's choice and are otherwise forgotten.
class CFuzzedStore final : public ISettingsStore {
public:
    explicit CFuzzedStore(FuzzedDataProvider& data) : m_data(data) {}

    int ReadInt(const std::wstring&, const std::wstring&, int def) override
    {
        switch (m_data.ConsumeIntegralInRange<int>(0, 3)) {
        case 0: return def;
        case 1: return m_data.ConsumeIntegralInRange<int>(-2, 130);
        default: return m_data.ConsumeIntegral<int>();
        }
    }
    std::wstring ReadString(const std::wstring&, const std::wstring&, const std::wstring& def) override
    {
        return m_data.ConsumeBool() ? def : ConsumeWide(m_data);
    }
    bool WriteInt(const std::wstring&, const std::wstring&, int) override { return m_data.ConsumeIntegralInRange<int>(0, 7) != 0; }
    bool WriteString(const std::wstring&, const std::wstring&, const std::wstring&) override
    {
        return m_data.ConsumeIntegralInRange<int>(0, 7) != 0;
    }

private:
    FuzzedDataProvider& m_data;
};
