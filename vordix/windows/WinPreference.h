#pragma once
// Preferences and other persistent settings in a per-user INI file
// ($XDG_CONFIG_HOME/Quorvenel/SKAT.ini). Registry-style key paths
// ("Software\Quorvenel\SKAT\Preferences") become nested groups; every write
// is synced to disk at once. Each call opens the file anew, so objects on
// different threads need no lock.

#include "vordix/Preference.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class WIN_PREFERENCE : public VORDIX_PREFERENCE_imp {
public:
    // Works under keyPath; by default the preference root.
    WIN_PREFERENCE();
    explicit WIN_PREFERENCE(std::wstring keyPath);
    ~WIN_PREFERENCE() override;

    bool setValue(int id, const std::wstring& text) override;
    bool getValue(int id, std::wstring& text) override;

    // Named text values under this object's key.
    bool readString(const std::wstring& name, std::wstring& text) const;
    bool writeString(const std::wstring& name, const std::wstring& text);
    // Named numbers (dialog positions, the dump mode), stored as decimal text.
    std::optional<int64_t> readNumber(const std::wstring& name) const;
    bool writeNumber(const std::wstring& name, int64_t value);
    bool removeValue(const std::wstring& name);
    // The names of all values under this object's key (not of subkeys).
    std::vector<std::wstring> valueNames() const;

    const std::wstring& keyPath() const { return keyPath_; }

    // The settings file of the current user, read from the environment on
    // every call.
    static QString settingsFile();

private:
    QString valueKey(const std::wstring& name) const;

    std::wstring keyPath_;
};

// The shared string operations under the preference root (also "Sprache").
bool readPreferenceString(const std::wstring& name, std::wstring& text);
bool writePreferenceString(const std::wstring& name, const std::wstring& text);
