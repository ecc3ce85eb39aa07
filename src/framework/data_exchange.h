#pragma once
// Moves values between dialog members and controls, with the validation
// messages users of the framework expect. After the first failure the rest of
// the exchange is skipped, the message has been shown and the failed control
// has the focus.
#include <windows.h>

#include <string>

class CDataExchange {
public:
    CDataExchange(HWND dialog, bool saveAndValidate) : m_dialog(dialog), m_saveAndValidate(saveAndValidate) {}

    bool Saving() const { return m_saveAndValidate; }
    bool Failed() const { return m_failed; }

    void Text(int id, std::wstring& value);
    // "Enter an integer." when the control's text is not a whole number.
    void Text(int id, int& value);
    // "Enter a positive integer." when the text is not a whole number of 0 or more.
    void Text(int id, unsigned& value);
    // "Enter an integer between %1 and %2." when saving a value outside [min, max].
    void MinMaxInt(int id, int value, int min, int max);
    // Check boxes: 0 unchecked, 1 checked, 2 indeterminate.
    void Check(int id, int& value);

    // Shows `message` (exclamation icon, the program's caption) and puts the
    // focus on control `id`; the exchange is failed from here on.
    void Fail(int id, const std::wstring& message);

private:
    HWND m_dialog;
    bool m_saveAndValidate;
    bool m_failed = false;
};

// Parses a whole decimal number as the framework does for integer fields:
// optional blanks, an optional sign and at least one digit, nothing after but
// blanks; false when the text is not such a number or is out of range.
bool ParseWholeNumber(const std::wstring& text, long long& value);
