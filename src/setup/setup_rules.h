#pragma once
// What the installer's helper is asked to do, and the decisions it makes:
// which running programs belong to the installation, which files are ours.
// Portable: the Win32 side finds the windows and processes, hashes the files,
// sends the messages and waits.
#include <string>
#include <vector>

struct HelperRequest {
    enum class Kind {
        Invalid,
        // Ask the running Umbrix and Vandric of `folders` to end and wait for them.
        Close,
        // Delete the shortcuts in `folder` whose target is `target`.
        RemoveShortcuts,
        // Print "name=sha256|..." for the files `names` in `folder`.
        Hashes,
        // Delete the files of the list `list` in `folder` whose hash matches.
        Remove,
        // Exit code 0 when `target` is a file of ours by its version resource.
        Origin,
        // Exit code 0 when the shortcut `folder` starts `target`.
        Links,
    };
    Kind kind = Kind::Invalid;
    unsigned limitMs = 0;               // Close: how long all of them may take together
    std::wstring report;                // Close: file that receives the programs still running
    std::vector<std::wstring> folders;  // Close: installation folders (one or two)
    std::wstring folder;                // RemoveShortcuts, Hashes, Remove; Links: the shortcut
    std::wstring target;                // RemoveShortcuts, Origin, Links
    std::vector<std::wstring> names;    // Hashes
    std::wstring list;                  // Remove
};

// The arguments after the program name:
//   close SECONDS REPORT-FILE FOLDER [FOLDER]   (SECONDS 1..600)
//   unlink FOLDER TARGET-PATH
//   hashes FOLDER NAME...
//   remove FOLDER LIST
//   origin FILE
//   links SHORTCUT TARGET-PATH
// Anything else is Invalid.
HelperRequest ParseHelperArguments(const std::vector<std::wstring>& args);

// Exit codes of `close`, combined as bits: some program did not end; an
// Umbrix of the first or second folder was asked to end and did.
constexpr int kCloseSomeLeft = 1;
constexpr int kCloseEndedUmbrixFirst = 4;
constexpr int kCloseEndedUmbrixSecond = 8;
// Any request: the arguments were not understood.
constexpr int kHelperBadArguments = 2;

// A program that did not end in time.
struct StillRunning {
    std::wstring program;   // "Umbrix" or "Vandric"
    std::wstring path;      // its executable, empty when unknown
    unsigned long processId = 0;
};

// One line per process ("Umbrix (C:\Programs\Umbrix\Umbrix.exe)", or with
// the process id when the path is unknown), each ended by CR LF, in the given
// order; a process met twice is named once.
std::wstring StillRunningReport(const std::vector<StillRunning>& programs);

// The part of `limitMs` not yet used after `elapsedMs`, never negative.
unsigned RemainingMs(unsigned limitMs, unsigned elapsedMs);

// Whose a running image is: one of the installation's own programs (index
// of the folder in `folders`), a copy of Umbrix or Vandric elsewhere, or
// another program. `samePath` compares two full paths as the file system does.
struct ImageOwner {
    const wchar_t* program = nullptr;  // L"Umbrix", L"Vandric", or null for another program
    int folder = -1;                   // index into folders; -1: a copy elsewhere
};
using SamePathFn = bool (*)(const std::wstring&, const std::wstring&);
ImageOwner ClassifyImage(const std::wstring& imagePath, const std::vector<std::wstring>& folders,
                         SamePathFn samePath);

// The installed-file list kept in the uninstall key: "name=hex|name=hex".
// Names are plain file names (no folder, no wildcard); a malformed entry is
// dropped, so nothing outside the folder can ever be named.
struct ListedFile {
    std::wstring name;
    std::wstring sha256;  // 64 lower-case hex digits
};
std::vector<ListedFile> ParseFileList(const std::wstring& list);
std::wstring FormatFileList(const std::vector<ListedFile>& files);

// A file of ours by its version resource.
bool IsOurOrigin(const std::wstring& companyName, const std::wstring& productName);
