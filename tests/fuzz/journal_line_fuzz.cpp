// The journal line of any request text, and its UTF-8 form.
#include "actions/journal_line.h"
#include "fuzz_support.h"

namespace {

// Decodes well-formed UTF-8 (shortest forms, no surrogates, at most
// U+10FFFF); false for anything else.
bool DecodeUtf8(const std::string& bytes, std::u32string& out)
{
    for (std::size_t i = 0; i < bytes.size();) {
        const unsigned char lead = static_cast<unsigned char>(bytes[i]);
        const int extra = lead < 0x80 ? 0 : lead < 0xC2 ? -1 : lead < 0xE0 ? 1 : lead < 0xF0 ? 2 : lead < 0xF5 ? 3 : -1;
        if (extra < 0 || i + extra >= bytes.size()) return false;
        char32_t cp = extra == 0 ? lead : lead & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k) {
            const unsigned char next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (next & 0x3F);
        }
        const char32_t minimum[] = {0, 0x80, 0x800, 0x10000};
        if (cp < minimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        out += cp;
        i += extra + 1;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const std::wstring function = ConsumeWide(data, 16);
    const long long number = data.ConsumeIntegral<long long>();
    const std::wstring text = ConsumeWide(data, 128);

    // One request is one line, whatever its texts hold.
    const std::wstring line = CJournalLine(function).Num(number).Text(text).Str();
    if (function.find_first_of(L"\r\n") == std::wstring::npos)
        FUZZ_CHECK(line.find_first_of(L"\r\n") == std::wstring::npos);
    FUZZ_CHECK(line.size() >= function.size() + text.size() + 4);

    // Always well-formed UTF-8; valid code points come back as they were,
    // anything else as U+FFFD.
    std::u32string decoded;
    FUZZ_CHECK(DecodeUtf8(ToUtf8(text), decoded));
    FUZZ_CHECK(decoded.size() == text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t unit = static_cast<char32_t>(static_cast<std::make_unsigned_t<wchar_t>>(text[i]));
        const bool valid = unit <= 0x10FFFF && !(unit >= 0xD800 && unit <= 0xDFFF);
        FUZZ_CHECK(decoded[i] == (valid ? unit : U'\uFFFD'));
    }
    return 0;
}
