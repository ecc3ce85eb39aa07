#pragma once
// A library loaded by name at the moment of use, from the system directory
// only: a file of the same name in the program's folder or the current
// directory is never picked up. Freed when the object goes.
#include <windows.h>

// The module, or null; the caller frees it.
HMODULE LoadSystemLibrary(const wchar_t* fileName);

class CSystemLibrary {
public:
    explicit CSystemLibrary(const wchar_t* fileName) : m_module(LoadSystemLibrary(fileName)) {}
    ~CSystemLibrary();
    CSystemLibrary(const CSystemLibrary&) = delete;
    CSystemLibrary& operator=(const CSystemLibrary&) = delete;

    HMODULE Get() const { return m_module; }
    FARPROC Find(const char* name) const { return m_module ? GetProcAddress(m_module, name) : nullptr; }

private:
    HMODULE m_module = nullptr;
};
