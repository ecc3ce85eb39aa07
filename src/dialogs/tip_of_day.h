#pragma once
// The tip of the day without its window: the tip-line format, stepping
// through the tips file, and what the window stores in section "Tip".
// Portable: the file is a C stream, the store an ISettingsStore.
#include <cstdio>
#include <ctime>
#include <string>

#include "app/settings_store.h"

inline constexpr const wchar_t* kTipSection = L"Tip";
// One read of the tips file takes at most this many characters, the
// terminator included; the rest of a longer line comes as the next line.
inline constexpr int kTipLineBuffer = 1000;

// The fields of one tip line: text, then optionally header, footer and help
// number, separated by tabs. Line ends (CR, LF) are not part of any field.
struct TipFields {
    std::string tip;
    std::string header = "Did you know...";
    std::string footer;
    int helpNumber = 0;
};
TipFields ParseTipLine(const std::string& line);

// False for the lines the window skips: those that begin with a tab, a blank,
// ";" or a line end (blank lines and comments).
bool IsTipLine(const std::string& line);

// The modification time as calendar text ("Wed Jan 02 02:03:55 1980") without
// trailing blanks or line end; empty when the runtime cannot render it.
std::string CalendarText(std::time_t time);

enum class TipRead {
    Found,    // `line` holds the next tip line
    NoTip,    // the whole file holds no tip line
    Trouble,  // going back to the file's start failed
};
struct TipReadResult {
    TipRead status;
    std::string line;
};
// Reads on from the stream's position to the next tip line, going back to the
// start at the end of the file. Reads the file at most once round: a file
// without any tip line ends the search instead of looping.
TipReadResult ReadNextTipLine(std::FILE* stream);

// What the tip window shows and keeps. Construction reads the stored values
// and the first tip, destruction stores the read position, as the window
// object does whether or not it is shown.
class CTipSession {
public:
    // `stream`: the tips file opened for reading, or null when it cannot be
    // opened; the session owns and closes it. `timeStamp`: the file's
    // modification time as CalendarText.
    CTipSession(ISettingsStore& profile, std::FILE* stream, const std::string& timeStamp);
    ~CTipSession();
    CTipSession(const CTipSession&) = delete;
    CTipSession& operator=(const CTipSession&) = delete;

    // Reads the next tip into the fields.
    void NextTip();
    // "&Close": stores the check box (ticked: show at start-up).
    void StoreStartUp(bool showAtStartUp);

    bool FileOpen() const { return m_stream != nullptr; }
    // True when the file holds a tip to step to ("&Next Tip" is usable).
    bool CanStep() const { return m_stream != nullptr && !m_noTip; }
    // Set when a read found the file unreadable; the window reports it once
    // and clears it.
    bool m_trouble = false;

    bool m_startUp = false;
    std::string m_tip;
    std::string m_header;
    std::string m_footer;
    int m_helpNumber = 0;

private:
    ISettingsStore& m_profile;
    std::FILE* m_stream = nullptr;
    bool m_noTip = false;
};

inline constexpr const char* kTipsFileMissingHeader = "Oops!";
inline constexpr const char* kTipsFileMissingText = "Tips file does not exist in the prescribed directory";
inline constexpr const char* kTipsFileTrouble = "Trouble reading the tips file";
inline constexpr const char* kTipsFileEmptyText =
    "The tips file holds no tips. Lines that begin with a blank, a tab or \";\" are not shown.";
