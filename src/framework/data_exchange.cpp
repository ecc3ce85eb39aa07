#include "framework/data_exchange.h"

#include <climits>

#include "framework/app.h"
#include "framework/win_text.h"

bool ParseWholeNumber(const std::wstring& text, long long& value)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == L' ' || text[i] == L'\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) negative = text[i++] == L'-';
    const size_t firstDigit = i;
    long long result = 0;
    for (; i < text.size() && text[i] >= L'0' && text[i] <= L'9'; ++i) {
        result = result * 10 + (text[i] - L'0');
        if (result > 0xFFFFFFFFLL) return false;
    }
    if (i == firstDigit) return false;
    while (i < text.size() && (text[i] == L' ' || text[i] == L'\t')) ++i;
    if (i != text.size()) return false;
    value = negative ? -result : result;
    return true;
}

void CDataExchange::Fail(int id, const std::wstring& message)
{
    if (m_failed) return;
    m_failed = true;
    MessageBoxW(m_dialog, message.c_str(), AfxAppTitle(), MB_OK | MB_ICONEXCLAMATION);
    if (HWND control = GetDlgItem(m_dialog, id)) {
        SetFocus(control);
        SendMessageW(control, EM_SETSEL, 0, -1);
    }
}

void CDataExchange::Text(int id, std::wstring& value)
{
    if (m_failed) return;
    if (m_saveAndValidate)
        value = GetWindowTextString(GetDlgItem(m_dialog, id));
    else
        SetDlgItemTextW(m_dialog, id, value.c_str());
}

void CDataExchange::Text(int id, int& value)
{
    if (m_failed) return;
    if (!m_saveAndValidate) {
        SetDlgItemTextW(m_dialog, id, std::to_wstring(value).c_str());
        return;
    }
    long long parsed = 0;
    if (!ParseWholeNumber(GetWindowTextString(GetDlgItem(m_dialog, id)), parsed) || parsed < INT_MIN ||
        parsed > INT_MAX) {
        Fail(id, L"Enter an integer.");
        return;
    }
    value = static_cast<int>(parsed);
}

void CDataExchange::Text(int id, unsigned& value)
{
    if (m_failed) return;
    if (!m_saveAndValidate) {
        SetDlgItemTextW(m_dialog, id, std::to_wstring(value).c_str());
        return;
    }
    long long parsed = 0;
    if (!ParseWholeNumber(GetWindowTextString(GetDlgItem(m_dialog, id)), parsed) || parsed < 0 ||
        parsed > UINT_MAX) {
        Fail(id, L"Enter a positive integer.");
        return;
    }
    value = static_cast<unsigned>(parsed);
}

void CDataExchange::MinMaxInt(int id, int value, int min, int max)
{
    if (m_failed || !m_saveAndValidate) return;
    if (value < min || value > max)
        Fail(id, FormatPlaceholders(L"Enter an integer between %1 and %2.",
                                    {std::to_wstring(min), std::to_wstring(max)}));
}

void CDataExchange::Check(int id, int& value)
{
    if (m_failed) return;
    if (m_saveAndValidate)
        value = static_cast<int>(IsDlgButtonChecked(m_dialog, id));
    else
        CheckDlgButton(m_dialog, id, value == 1 ? BST_CHECKED : value == 2 ? BST_INDETERMINATE : BST_UNCHECKED);
}
