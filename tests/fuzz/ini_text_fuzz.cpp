// The settings file's text: any file, then a value written into it.
#include "framework/ini_text.h"
#include "fuzz_support.h"

namespace {

// Section and value names as the program spells them: letters, digits,
// blanks inside.
std::wstring ConsumeName(FuzzedDataProvider& data)
{
    static const wchar_t kLetters[] = L"aZ09 ._-";
    std::wstring name = L"N";
    const std::size_t length = data.ConsumeIntegralInRange<std::size_t>(0, 6);
    for (std::size_t i = 0; i < length; ++i)
        name += kLetters[data.ConsumeIntegralInRange<std::size_t>(0, sizeof(kLetters) / sizeof(wchar_t) - 2)];
    return name + L"x";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const std::wstring section = ConsumeName(data);
    const std::wstring name = ConsumeName(data);
    const std::wstring value = ConsumeWide(data, 32);
    const int number = data.ConsumeIntegral<int>();
    const std::wstring file = ConsumeWide(data, 512);

    CIniText ini(file);
    const auto before = ini.Get(section, name);
    ParseIniInt(before.value_or(L""));

    // What is written is read back, also after the text is parsed again,
    // whatever the file held before.
    ini.Set(section, name, value);
    FUZZ_CHECK(ini.Get(section, name) == value);
    const CIniText again(ini.Text());
    FUZZ_CHECK(again.Get(section, name) == value);
    FUZZ_CHECK(again.Text() == ini.Text());

    FUZZ_CHECK(ParseIniInt(std::to_wstring(number)) == number);
    return 0;
}
