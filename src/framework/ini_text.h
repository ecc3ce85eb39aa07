#pragma once
// The text of a settings file in the layout the Windows profile functions
// read: "[section]" lines, "name=value" lines, lines starting with ";" as
// comments. Portable.
#include <optional>
#include <string>
#include <vector>

class CIniText {
public:
    // Splits `text` into lines at LF (a CR before it is dropped).
    explicit CIniText(const std::wstring& text = std::wstring());

    // The value of the first `name` in a section named `section`; both
    // compared without regard to case, as the registry does. A value in
    // double quotes is unquoted and its escapes (\\ \" \n \r \t) resolved;
    // any other value is taken as written, without surrounding blanks.
    // nullopt when the name is not there.
    std::optional<std::wstring> Get(const std::wstring& section, const std::wstring& name) const;
    // Replaces the line Get would read, or adds the name at the end of the
    // first such section, or the section at the end. Every other line keeps
    // its place and text (comments, names the program does not know).
    void Set(const std::wstring& section, const std::wstring& name, const std::wstring& value);
    // The lines, each ending in CR LF.
    std::wstring Text() const;

private:
    // Index of the line that holds `name` in `section`, or of the line after
    // which a new one goes (npos with no such section).
    struct Place {
        std::size_t entry;
        std::size_t insertAfter;
    };
    Place Find(const std::wstring& section, const std::wstring& name) const;

    std::vector<std::wstring> m_lines;
};

// A stored integer: an optional sign and decimal digits, blanks around them
// allowed. nullopt for anything else and for numbers outside 32-bit int.
std::optional<int> ParseIniInt(const std::wstring& text);
