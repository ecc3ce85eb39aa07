#pragma once
// The maker's web pages and mail link, and how one is opened. Nothing is
// reported when the browser or mail program cannot be started.
#include <string>

// Opens `address` with the shell's "Open" verb.
void OpenWebPage(const std::wstring& address, int show);

inline constexpr const wchar_t* kProductWebsite = L"https://www.corvane.example/umbrix/";
inline constexpr const wchar_t* kFeedbackPage = L"https://www.corvane.example/umbrix/feedback/";
inline constexpr const wchar_t* kHelpVideosPage = L"https://www.corvane.example/umbrix/videos/";
inline constexpr const wchar_t* kSupportMail = L"mailto:support@corvane.example?subject=Umbrix%20v%204.2";
inline constexpr const wchar_t* kOtherProductWebsite = L"https://www.corvane.example/nightlatch/";
inline constexpr const wchar_t* kProgramListWebsite = L"https://programs.corvane.example/";
inline constexpr const wchar_t* kBundleOfferPage = L"https://www.corvane.example/bundle/";
inline constexpr const wchar_t* kNewVersionMailPage = L"https://notify.corvane.example/subscribe?product=umbrix";
