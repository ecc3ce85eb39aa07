// The tips file as the user may have edited it, and the stored read position
// and time stamp of the tip window.
#include <cstring>
#include <string>

#include "app/tips_file.h"
#include "dialogs/tip_of_day.h"
#include "fuzz_support.h"

namespace {

bool HasLineFeed(const std::string& field)
{
    return field.find('\n') != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    std::string line = data.ConsumeRandomLengthString(2 * kTipLineBuffer);
    // As the file read hands it over: a line feed only at its end.
    if (line.find('\n') != std::string::npos) line.erase(line.find('\n') + 1);

    // The tip is the line up to its first tab, without the line end; no field
    // keeps a line feed (a carriage return inside the line is text).
    const TipFields fields = ParseTipLine(line);
    std::string text = line;
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.pop_back();
    FUZZ_CHECK(fields.tip == text.substr(0, text.find('\t')));
    FUZZ_CHECK(!HasLineFeed(fields.tip + fields.header + fields.footer));
    FUZZ_CHECK(fields.tip.find('\t') == std::string::npos);
    FUZZ_CHECK(fields.header.find('\t') == std::string::npos);
    FUZZ_CHECK(!fields.header.empty());

    const std::wstring path = TipsFilePath(ConsumeWide(data, 32), ConsumeWide(data, 16));
    // Only a network path's leading pair of backslashes stays doubled.
    FUZZ_CHECK(path.find(L"\\\\", 1) == std::wstring::npos);
    // The seeded file: eight lines, each a whole tip, whatever its own path
    // (without tabs and line ends) is.
    if (line.find_first_of("\t\r\n", 0, 3) == std::string::npos && line.find('\0') == std::string::npos) {
        const std::string seeded = TipsFileContent(line);
        int lines = 0;
        for (std::size_t start = 0; start < seeded.size(); ++lines) {
            const std::size_t end = seeded.find("\r\n", start);
            FUZZ_CHECK(end != std::string::npos);
            const std::string seededLine = seeded.substr(start, end + 2 - start);
            FUZZ_CHECK(IsTipLine(seededLine));
            FUZZ_CHECK(ParseTipLine(seededLine).tip == seededLine.substr(0, seededLine.size() - 2));
            start = end + 2;
        }
        FUZZ_CHECK(lines == 8);
    }

    // The session over an in-memory file: every step ends, the file is read
    // at most once round per step, and the position stored is a valid one.
    std::string file = data.ConsumeRemainingBytesAsString();
    std::FILE* stream = fmemopen(file.empty() ? nullptr : &file[0], file.size(), "r");
    CFuzzedStore store(data);
    {
        CTipSession session(store, file.empty() ? nullptr : stream, CalendarText(static_cast<std::time_t>(size)));
        for (int step = 0; step < 8 && session.CanStep(); ++step) {
            session.NextTip();
            FUZZ_CHECK(!session.m_header.empty());
            FUZZ_CHECK(!HasLineFeed(session.m_tip));
        }
        session.StoreStartUp(size % 2 == 0);
    }
    if (file.empty() && stream)
        std::fclose(stream);
    return 0;
}
