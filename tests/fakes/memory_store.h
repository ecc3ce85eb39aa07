#pragma once
// In-memory ISettingsStore for tests: values live in a map, every write is
// recorded in order, and a value can be made to have the wrong type so that
// both reads fall back to their default, as the registry does for a value of
// an unexpected kind.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/settings_store.h"

class CMemoryStore : public ISettingsStore {
public:
    struct Write {
        std::wstring section;
        std::wstring name;
        bool isInt;
        int intValue;
        std::wstring text;
    };

    int ReadInt(const std::wstring& section, const std::wstring& name, int def) override
    {
        ++m_reads;
        const auto it = m_values.find({section, name});
        if (it == m_values.end() || it->second.kind != Kind::Int)
            return def;
        return it->second.intValue;
    }

    std::wstring ReadString(const std::wstring& section, const std::wstring& name,
                            const std::wstring& def) override
    {
        ++m_reads;
        const auto it = m_values.find({section, name});
        if (it == m_values.end() || it->second.kind != Kind::Text)
            return def;
        return it->second.text;
    }

    bool WriteInt(const std::wstring& section, const std::wstring& name, int value) override
    {
        m_writes.push_back({section, name, true, value, std::wstring()});
        if (m_failWrites)
            return false;
        SetInt(section, name, value);
        return true;
    }

    bool WriteString(const std::wstring& section, const std::wstring& name,
                     const std::wstring& value) override
    {
        m_writes.push_back({section, name, false, 0, value});
        if (m_failWrites)
            return false;
        SetString(section, name, value);
        return true;
    }

    // Seeding and checking; none of these is recorded as a write or a read.
    void SetInt(const std::wstring& section, const std::wstring& name, int value)
    {
        m_values[{section, name}] = Value{Kind::Int, value, std::wstring()};
    }
    void SetString(const std::wstring& section, const std::wstring& name, const std::wstring& value)
    {
        m_values[{section, name}] = Value{Kind::Text, 0, value};
    }
    // A value that exists but is neither a 32-bit integer nor text (a binary
    // value, say): ReadInt and ReadString both return their default.
    void SetWrongType(const std::wstring& section, const std::wstring& name)
    {
        m_values[{section, name}] = Value{Kind::Other, 0, std::wstring()};
    }
    void Erase(const std::wstring& section, const std::wstring& name) { m_values.erase({section, name}); }
    bool Has(const std::wstring& section, const std::wstring& name) const
    {
        return m_values.count({section, name}) != 0;
    }

    // Makes every later write fail (and store nothing) until cleared.
    void FailWrites(bool fail) { m_failWrites = fail; }

    const std::vector<Write>& Writes() const { return m_writes; }
    std::vector<std::wstring> WrittenNames() const
    {
        std::vector<std::wstring> names;
        for (const Write& w : m_writes)
            names.push_back(w.name);
        return names;
    }
    void ClearWrites() { m_writes.clear(); }
    int ReadCount() const { return m_reads; }

private:
    enum class Kind { Int, Text, Other };
    struct Value {
        Kind kind;
        int intValue;
        std::wstring text;
    };

    std::map<std::pair<std::wstring, std::wstring>, Value> m_values;
    std::vector<Write> m_writes;
    bool m_failWrites = false;
    int m_reads = 0;
};
