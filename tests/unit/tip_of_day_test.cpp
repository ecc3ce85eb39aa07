#include <climits>
#include <cstdio>
#include <ctime>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialogs/tip_of_day.h"
#include "fakes/memory_store.h"

namespace {

// A stream holding `content`, positioned at its start. std::tmpfile opens in
// binary mode, so CR LF reaches the reader as it is.
std::FILE* StreamWith(const std::string& content)
{
    std::FILE* stream = std::tmpfile();
    std::fwrite(content.data(), 1, content.size(), stream);
    std::rewind(stream);
    return stream;
}

struct Fields {
    const char* line;
    const char* tip;
    const char* header;
    const char* footer;
    int help;
};

}  // namespace

TEST(ParseTipLine, SplitsAtTabsIntoTipHeaderFooterAndHelpNumber)
{
    const Fields cases[] = {
        {"Plain tip\r\n", "Plain tip", "Did you know...", "", 0},
        {"Plain tip\n", "Plain tip", "Did you know...", "", 0},
        {"No line end", "No line end", "Did you know...", "", 0},
        {"Tip\tTitle\r\n", "Tip", "Title", "", 0},
        {"Tip\t\tFooter\r\n", "Tip", "Did you know...", "Footer", 0},
        {"Tip\tTitle\tFooter\t42\r\n", "Tip", "Title", "Footer", 42},
        {"Tip\tTitle\tFooter\t42abc\n", "Tip", "Title", "Footer", 42},
        {"Tip\tTitle\tFooter\tnone\n", "Tip", "Title", "Footer", 0},
        {"Tip\tTitle\tFooter\t-7\n", "Tip", "Title", "Footer", -7},
        {"Tip\tTitle\tFooter\t99999999999999\n", "Tip", "Title", "Footer", INT_MAX},
        {"Tip\tTitle\tFoot\ter\t5\n", "Tip", "Title", "Foot", 0},
        {"Tip\t\r\n", "Tip", "Did you know...", "", 0},
        {"Tip\tTitle\t\r\n", "Tip", "Title", "", 0},
        {"\tTip", "", "Tip", "", 0},
    };
    for (const Fields& c : cases) {
        SCOPED_TRACE(c.line);
        const TipFields f = ParseTipLine(c.line);
        EXPECT_EQ(c.tip, f.tip);
        EXPECT_EQ(c.header, f.header);
        EXPECT_EQ(c.footer, f.footer);
        EXPECT_EQ(c.help, f.helpNumber);
    }
}

TEST(IsTipLine, SkipsBlankAndCommentLines)
{
    for (const char* skipped : {"", "\n", "\r\n", " indented\n", "\ttabbed\n", "; comment\n", ";"})
        EXPECT_FALSE(IsTipLine(skipped)) << skipped;
    for (const char* tip : {"A tip\n", "x", "#not a comment\n", "1. first\r\n"})
        EXPECT_TRUE(IsTipLine(tip)) << tip;
}

TEST(CalendarText, RendersWithoutLineEndOrGivesEmptyText)
{
    const std::string text = CalendarText(std::time_t{86400 * 365});
    EXPECT_EQ(24u, text.size()) << text;
    EXPECT_NE('\n', text.back());
    EXPECT_EQ("", CalendarText(std::numeric_limits<std::time_t>::max()));
}

TEST(ReadNextTipLine, SkipsNonTipsWrapsAroundAndEndsOnFilesWithoutTips)
{
    std::FILE* stream = StreamWith("; header comment\r\n\r\nFirst\r\n  indented\r\nSecond\r\n\tskip\r\n");
    std::vector<std::string> seen;
    for (int i = 0; i < 5; ++i) {
        const TipReadResult r = ReadNextTipLine(stream);
        ASSERT_EQ(TipRead::Found, r.status);
        seen.push_back(ParseTipLine(r.line).tip);
    }
    EXPECT_EQ((std::vector<std::string>{"First", "Second", "First", "Second", "First"}), seen);
    std::fclose(stream);

    for (const char* content : {"", "; only comments\n\n \n\t\n", "\n\n\n"}) {
        stream = StreamWith(content);
        EXPECT_EQ(TipRead::NoTip, ReadNextTipLine(stream).status) << content;
        std::fseek(stream, 0, SEEK_END);
        EXPECT_EQ(TipRead::NoTip, ReadNextTipLine(stream).status) << content;
        std::fclose(stream);
    }
}

TEST(ReadNextTipLine, LongLinesComeInPiecesOfTheBufferSize)
{
    const std::string longTip(2500, 'x');
    std::FILE* stream = StreamWith(longTip + "\r\nShort\r\n");
    std::vector<std::size_t> lengths;
    for (int i = 0; i < 4; ++i) lengths.push_back(ParseTipLine(ReadNextTipLine(stream).line).tip.size());
    const std::size_t piece = kTipLineBuffer - 1;
    EXPECT_EQ((std::vector<std::size_t>{piece, piece, longTip.size() - 2 * piece, 5}), lengths);
    std::fclose(stream);
}

TEST(ReadNextTipLine, NulBytesNeitherCrashNorLoop)
{
    std::FILE* stream = StreamWith(std::string("\0\0\0\n", 4) + std::string("ok\0junk\n", 8));
    const TipReadResult r = ReadNextTipLine(stream);
    EXPECT_EQ(TipRead::Found, r.status);
    EXPECT_EQ("ok", r.line);
    std::fclose(stream);
}

class TipSession : public testing::Test {
protected:
    const std::string kContent = "; tips\r\nOne\r\nTwo\tTitle\tFooter\t3\r\n\r\nThree\r\n";
    CMemoryStore m_store;
};

TEST_F(TipSession, MissingFileSaysSoAndStoresNothing)
{
    m_store.WriteInt(kTipSection, L"StartUp", 0);
    {
        CTipSession tips(m_store, nullptr, "");
        EXPECT_TRUE(tips.m_startUp);
        EXPECT_FALSE(tips.FileOpen());
        EXPECT_FALSE(tips.CanStep());
        EXPECT_EQ("Oops!", tips.m_header);
        EXPECT_EQ("Tips file does not exist in the prescribed directory", tips.m_tip);
        m_store.ClearWrites();
    }
    EXPECT_TRUE(m_store.Writes().empty());
}

TEST_F(TipSession, StartUpFlagIsInverted)
{
    EXPECT_FALSE(CTipSession(m_store, nullptr, "").m_startUp);  // default 1: do not show
    m_store.WriteInt(kTipSection, L"StartUp", 1);
    EXPECT_FALSE(CTipSession(m_store, nullptr, "").m_startUp);
    m_store.WriteInt(kTipSection, L"StartUp", 0);
    EXPECT_TRUE(CTipSession(m_store, nullptr, "").m_startUp);
    m_store.SetWrongType(kTipSection, L"StartUp");
    EXPECT_FALSE(CTipSession(m_store, nullptr, "").m_startUp);

    CTipSession tips(m_store, nullptr, "");
    tips.StoreStartUp(true);
    EXPECT_EQ(0, m_store.ReadInt(kTipSection, L"StartUp", 7));
    tips.StoreStartUp(false);
    EXPECT_EQ(1, m_store.ReadInt(kTipSection, L"StartUp", 7));
}

TEST_F(TipSession, EveryConstructionMovesOnByOneTipAndRemembersThePlace)
{
    std::vector<std::string> shown;
    for (int start = 0; start < 4; ++start) {
        CTipSession tips(m_store, StreamWith(kContent), "Mon Jan  1 10:00:00 2024");
        shown.push_back(tips.m_tip);
        if (start == 1) {
            EXPECT_EQ("Title", tips.m_header);
            EXPECT_EQ("Footer", tips.m_footer);
            EXPECT_EQ(3, tips.m_helpNumber);
        } else {
            EXPECT_EQ("Did you know...", tips.m_header);
            EXPECT_EQ("", tips.m_footer);
        }
    }
    EXPECT_EQ((std::vector<std::string>{"One", "Two", "Three", "One"}), shown);
    EXPECT_EQ(L"Mon Jan  1 10:00:00 2024", m_store.ReadString(kTipSection, L"TimeStamp", L"?"));
}

TEST_F(TipSession, NextTipStepsAndWrapsAround)
{
    CTipSession tips(m_store, StreamWith(kContent), "stamp");
    std::vector<std::string> shown{tips.m_tip};
    for (int i = 0; i < 4; ++i) {
        tips.NextTip();
        shown.push_back(tips.m_tip);
    }
    EXPECT_EQ((std::vector<std::string>{"One", "Two", "Three", "One", "Two"}), shown);
    EXPECT_TRUE(tips.CanStep());
}

TEST_F(TipSession, ChangedTimeStampStartsAgainAtTheFirstLine)
{
    m_store.WriteString(kTipSection, L"TimeStamp", L"old");
    m_store.WriteInt(kTipSection, L"FilePos", static_cast<int>(kContent.find("Three")));
    EXPECT_EQ("Three", CTipSession(m_store, StreamWith(kContent), "old").m_tip);
    m_store.WriteInt(kTipSection, L"FilePos", static_cast<int>(kContent.find("Three")));
    EXPECT_EQ("One", CTipSession(m_store, StreamWith(kContent), "new").m_tip);
    // A time the runtime could not render counts as empty text, like a missing value.
    m_store.WriteString(kTipSection, L"TimeStamp", L"");
    m_store.WriteInt(kTipSection, L"FilePos", static_cast<int>(kContent.find("Three")));
    EXPECT_EQ("Three", CTipSession(m_store, StreamWith(kContent), "").m_tip);
}

TEST_F(TipSession, DestructionStoresThePositionAfterTheShownTip)
{
    {
        CTipSession tips(m_store, StreamWith(kContent), "s");
        tips.NextTip();
    }
    EXPECT_EQ(static_cast<int>(kContent.find("\r\n\r\nThree") + 2), m_store.ReadInt(kTipSection, L"FilePos", -1));
}

TEST_F(TipSession, BadStoredPositionsNeverCrash)
{
    m_store.WriteString(kTipSection, L"TimeStamp", L"s");
    m_store.WriteInt(kTipSection, L"FilePos", -5);
    {
        CTipSession tips(m_store, StreamWith(kContent), "s");
        EXPECT_TRUE(tips.m_trouble);
        EXPECT_EQ("Trouble reading the tips file", tips.m_tip);
    }
    EXPECT_EQ(0, m_store.ReadInt(kTipSection, L"FilePos", -1));  // heals itself
    m_store.WriteInt(kTipSection, L"FilePos", 1 << 30);  // beyond the end: wraps to the first tip
    EXPECT_EQ("One", CTipSession(m_store, StreamWith(kContent), "s").m_tip);
    m_store.SetWrongType(kTipSection, L"FilePos");
    EXPECT_EQ("One", CTipSession(m_store, StreamWith(kContent), "s").m_tip);
}

TEST_F(TipSession, FileWithoutTipsSaysSoAndCannotStep)
{
    CTipSession tips(m_store, StreamWith("; nothing here\r\n\r\n   \r\n"), "s");
    EXPECT_EQ(kTipsFileEmptyText, tips.m_tip);
    EXPECT_FALSE(tips.CanStep());
    EXPECT_FALSE(tips.m_trouble);
    tips.NextTip();
    EXPECT_EQ(kTipsFileEmptyText, tips.m_tip);
}
