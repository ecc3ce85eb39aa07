#pragma once
// Starts of companion programs and web pages. Nothing is waited for and no
// failure is reported: a missing companion simply does not start.
#include <string>

// Tarnwick, the keyboard-shortcut companion: ":LaunchedFromUBXCheck" when
// started by the program's start-up, ":LaunchedFromUBX" from the menu.
void StartKeyboardShortcutCompanion(bool atStartup);
// Opens `address` with the shell's "Open" verb.
void OpenWebPage(const std::wstring& address, int show);

inline constexpr const wchar_t* kProductWebsite = L"https://www.corvane.example/umbrix/";
inline constexpr const wchar_t* kFeedbackPage = L"https://www.corvane.example/umbrix/feedback/";
inline constexpr const wchar_t* kOtherProductWebsite = L"https://www.corvane.example/nightlatch/";
inline constexpr const wchar_t* kProgramListWebsite = L"https://programs.corvane.example/";
inline constexpr const wchar_t* kBundleOfferPage = L"https://www.corvane.example/bundle/";
inline constexpr const wchar_t* kNewVersionMailPage = L"https://notify.corvane.example/subscribe?product=umbrix";
