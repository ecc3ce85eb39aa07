// Data exchange between members and controls, with the validation messages.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/data_exchange.h"
#include "win/modal_script.h"

namespace {

constexpr int kField = 1019;
constexpr int kOther = 1025;
constexpr int kBox = 1036;

class DataExchange : public testing::Test {
protected:
    void SetUp() override
    {
        m_parent = CreateWindowExW(0, L"#32770", L"form", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(m_parent, nullptr);
        for (int id : {kField, kOther})
            CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, id == kField ? 0 : 30, 100, 20, m_parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
        CreateWindowExW(0, L"BUTTON", L"box", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 0, 60, 100, 20, m_parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kBox)), GetModuleHandleW(nullptr), nullptr);
        SetFocus(GetDlgItem(m_parent, kOther));
    }
    void TearDown() override { DestroyWindow(m_parent); }

    void Type(int id, const wchar_t* text) { SetDlgItemTextW(m_parent, id, text); }

    // Runs `exchange` and returns the text of the message box it showed
    // (empty when none), which the script dismisses.
    std::wstring MessageDuring(const std::function<void()>& exchange)
    {
        std::wstring text;
        CModalScript script(5000);
        script.Then([&] {
            HWND box = FindThreadDialog(L"Umbrix", m_parent);
            if (!box) return false;
            text = MessageBoxText(box);
            PostClick(box, IDOK);
            return true;
        });
        script.Start();
        exchange();
        return text;
    }

    HWND m_parent = nullptr;
};

TEST_F(DataExchange, NonNumbersAreRefusedWithTheIntegerMessageAndTheFieldGetsFocus)
{
    for (const wchar_t* typed : {L"", L"12abc", L"99999999999"}) {
        Type(kField, typed);
        int value = 7;
        bool failed = false;
        const std::wstring shown = MessageDuring([&] {
            CDataExchange dx(m_parent, true);
            dx.Text(kField, value);
            failed = dx.Failed();
        });
        EXPECT_EQ(shown, L"Enter an integer.") << typed;
        EXPECT_TRUE(failed);
        EXPECT_EQ(value, 7) << "a refused value must not reach the member";
        EXPECT_EQ(GetFocus(), GetDlgItem(m_parent, kField));
    }
}

TEST_F(DataExchange, RangeMessageNamesTheBoundsAndStopsTheRestOfTheExchange)
{
    Type(kField, L" 61 ");
    Type(kOther, L"5");
    int seconds = 0;
    int other = 0;
    const std::wstring shown = MessageDuring([&] {
        CDataExchange dx(m_parent, true);
        dx.Text(kField, seconds);
        dx.MinMaxInt(kField, seconds, 1, 60);
        dx.Text(kOther, other);
    });
    EXPECT_EQ(shown, L"Enter an integer between 1 and 60.");
    EXPECT_EQ(seconds, 61);
    EXPECT_EQ(other, 0);
}

TEST_F(DataExchange, PositiveIntegerFieldsRefuseNegatives)
{
    Type(kField, L"-1");
    unsigned value = 3;
    EXPECT_EQ(MessageDuring([&] {
                  CDataExchange dx(m_parent, true);
                  dx.Text(kField, value);
              }),
              L"Enter a positive integer.");
    EXPECT_EQ(value, 3u);
}

TEST_F(DataExchange, ValuesRoundTripBetweenMembersAndControls)
{
    int number = -42;
    int check = 1;
    std::wstring text = L"line one\r\nline two";
    {
        CDataExchange dx(m_parent, false);
        dx.Text(kField, number);
        dx.Check(kBox, check);
        dx.Text(kOther, text);
    }
    number = 0;
    check = 0;
    text.clear();
    CDataExchange dx(m_parent, true);
    dx.Text(kField, number);
    dx.Check(kBox, check);
    dx.Text(kOther, text);
    EXPECT_FALSE(dx.Failed());
    EXPECT_EQ(number, -42);
    EXPECT_EQ(check, 1);
    EXPECT_EQ(text, L"line one\r\nline two");
}

}  // namespace
