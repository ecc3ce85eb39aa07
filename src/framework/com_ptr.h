#pragma once
// Owns one reference to a COM interface and releases it when it goes out of
// scope. Named apart from ATL's CComPtr so both can live in one MSVC build.
#include <unknwn.h>

template <class T>
class CComPointer {
public:
    CComPointer() = default;
    ~CComPointer() { Reset(); }
    CComPointer(const CComPointer&) = delete;
    CComPointer& operator=(const CComPointer&) = delete;
    CComPointer(CComPointer&& other) noexcept : m_ptr(other.m_ptr) { other.m_ptr = nullptr; }
    CComPointer& operator=(CComPointer&& other) noexcept
    {
        if (this != &other) {
            Reset();
            m_ptr = other.m_ptr;
            other.m_ptr = nullptr;
        }
        return *this;
    }

    T* Get() const { return m_ptr; }
    T* operator->() const { return m_ptr; }
    explicit operator bool() const { return m_ptr != nullptr; }

    // For functions that hand out a new reference (CoCreateInstance, QueryInterface):
    // releases the current one first.
    T** Receive()
    {
        Reset();
        return &m_ptr;
    }
    void** ReceiveVoid() { return reinterpret_cast<void**>(Receive()); }

    void Reset()
    {
        if (m_ptr) {
            T* ptr = m_ptr;
            m_ptr = nullptr;
            ptr->Release();
        }
    }

private:
    T* m_ptr = nullptr;
};
